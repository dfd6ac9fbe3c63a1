#include "GridText.h"

#include <cstring>

#include "VerbalineDoc.h"

namespace verbal {
namespace {

char CellChar(char cell) {
    if (cell == ' ') return '#';
    if (cell >= 'A' && cell <= 'Z') return cell;
    return '.';
}

}  // namespace

std::vector<std::string> SolutionRows(const CVerbalineDoc& doc) {
    const int n = doc.GridSize();
    std::vector<std::string> rows;
    for (int r = 1; r <= n && r <= 20; ++r) {
        std::string row;
        for (int c = 1; c <= n && c <= 20; ++c) row += CellChar(doc.m_aSolution[r][c - 1]);
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> PlayerRows(const CVerbalineDoc& doc) {
    const int n = doc.GridSize();
    std::vector<std::string> rows;
    for (int r = 1; r <= n && r <= 20; ++r) {
        std::string row;
        for (int c = 1; c <= n && c <= 20; ++c) row += CellChar(doc.m_aPlayer[r - 1][c - 1]);
        rows.push_back(row);
    }
    return rows;
}

void SetSolutionRows(CVerbalineDoc& doc, const std::vector<std::string>& rows, int size) {
    for (int r = 1; r < CVerbalineDoc::kSolutionRows; ++r)
        std::memset(doc.m_aSolution[r], 0, sizeof doc.m_aSolution[r]);
    doc.m_nGridLast = (size > 0 ? size : static_cast<int>(rows.size())) - 1;
    for (std::size_t r = 0; r < rows.size() && r < 20; ++r)
        for (std::size_t c = 0; c < rows[r].size() && c < 20; ++c) {
            const char ch = rows[r][c];
            doc.m_aSolution[r + 1][c] = ch == '#' ? ' ' : ch == '.' ? 0 : ch;
        }
}

std::vector<LineWord> WordsOfLine(const char* cells, int count) {
    std::vector<LineWord> words;
    int i = 0;
    while (i < count && cells[i] != 0) {
        if (cells[i] == ' ') {
            ++i;
            continue;
        }
        LineWord word;
        word.number = static_cast<int>(words.size()) + 1;
        word.start = i;
        while (i < count && cells[i] != 0 && cells[i] != ' ') word.word += cells[i++];
        words.push_back(word);
    }
    return words;
}

}  // namespace verbal
