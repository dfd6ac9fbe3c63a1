#include "GridText.h"

#include <cstring>

#include "Grid.h"
#include "VerbalineDoc.h"

namespace verbal {
namespace {

char CellChar(char cell) {
    if (cell == ' ') return '#';
    if (cell >= 'A' && cell <= 'Z') return cell;
    return '.';
}

template <typename CellAt>
std::vector<std::string> Rows(int n, CellAt cellAt) {
    std::vector<std::string> rows;
    for (int r = 1; r <= n && r <= CGrid::kCells; ++r) {
        std::string row;
        for (int c = 1; c <= n && c <= CGrid::kCells; ++c) row += CellChar(cellAt(r, c));
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

std::vector<std::string> SolutionRows(const CVerbalineDoc& doc) {
    return Rows(doc.GridSize(), [&](int r, int c) { return doc.SolutionCell(r, c); });
}

std::vector<std::string> PlayerRows(const CVerbalineDoc& doc) {
    return Rows(doc.GridSize(), [&](int r, int c) { return doc.PlayerCell(r, c); });
}

void SetSolutionRows(CGrid& grid, const std::vector<std::string>& rows, int size) {
    for (int r = 1; r < CGrid::kSolutionRows; ++r)
        std::memset(grid.m_aSolution[r], 0, sizeof grid.m_aSolution[r]);
    grid.m_nGridLast = (size > 0 ? size : static_cast<int>(rows.size())) - 1;
    for (std::size_t r = 0; r < rows.size() && r < 20; ++r)
        for (std::size_t c = 0; c < rows[r].size() && c < 20; ++c) {
            const char ch = rows[r][c];
            grid.m_aSolution[r + 1][c] = ch == '#' ? ' ' : ch == '.' ? 0 : ch;
        }
}

}  // namespace verbal
