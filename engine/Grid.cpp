#include "Grid.h"

#include <cstring>

namespace verbal {

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

int WordNumberInLine(const char* cells, int count, int i) {
    if (i < 0 || i >= count) return 0;
    while (i < count && cells[i] == ' ') ++i;
    if (i >= count || cells[i] == 0) return 0;
    int number = 1;
    bool inWord = true;
    for (int j = i - 1; j >= 0; --j) {
        const bool letter = cells[j] != ' ';
        if (letter && !inWord) ++number;
        inWord = letter;
    }
    return number;
}

CGrid::CGrid() {
    // A fresh grid is empty: every cell reads as outside the grid.
    std::memset(m_aSolution, 0, sizeof m_aSolution);
    std::memset(m_aTransposed, 0, sizeof m_aTransposed);
    std::memset(m_aPlayer, 0, sizeof m_aPlayer);
}

unsigned CGrid::CountCells() const {
    const unsigned n = static_cast<unsigned>(m_nGridLast + 1);
    return n * n;
}

unsigned CGrid::CountBlackSquares() const {
    unsigned count = 0;
    for (int r = 1; r <= kCells; ++r)
        for (int c = 1; c <= kCells; ++c)
            if (m_aSolution[r][c - 1] == ' ') ++count;
    return count;
}

unsigned CGrid::CountFilledCells() const {
    unsigned count = 0;
    for (int r = 0; r < kCells; ++r)
        for (int c = 0; c < kCells; ++c)
            if (m_aPlayer[r][c] != 0 && m_aPlayer[r][c] != ' ') ++count;
    return count;
}

unsigned CGrid::CountWrongCells() const {
    unsigned count = 0;
    for (int r = 1; r <= kCells; ++r)
        for (int c = 1; c <= kCells; ++c) {
            const char player = m_aPlayer[r - 1][c - 1];
            if (player != 0 && player != m_aSolution[r][c - 1]) ++count;
        }
    return count;
}

void CGrid::ResetGrid() {
    // The working grid's rows run to 29: its row 30, which some loops name,
    // does not exist and always reads as empty.
    for (int r = 1; r < kSolutionRows; ++r) std::memset(m_aSolution[r], 0, sizeof m_aSolution[r]);
    ClearPlayer();
    for (auto& line : m_astrClues)
        for (auto& clue : line) clue.clear();
    m_bGridReady = false;
}

void CGrid::ClearRow(int r) {
    if (r >= 0 && r < kSolutionRows) std::memset(m_aSolution[r], 0, sizeof m_aSolution[r]);
}

void CGrid::BuildTransposed() {
    for (int r = 1; r <= 30; ++r)
        for (int c = 1; c <= 30; ++c)
            m_aTransposed[c][r - 1] = r < kSolutionRows ? m_aSolution[r][c - 1] : 0;
}

void CGrid::TransposeGrid() {
    BuildTransposed();
    for (int r = 1; r < kSolutionRows; ++r)
        std::memcpy(m_aSolution[r], m_aTransposed[r], sizeof m_aSolution[r]);
}

void CGrid::CopyBlackSquares() {
    for (int r = 1; r <= kCells; ++r)
        for (int c = 1; c <= kCells; ++c)
            if (m_aSolution[r][c - 1] == ' ') m_aPlayer[r - 1][c - 1] = ' ';
}

void CGrid::ClearPlayer() { std::memset(m_aPlayer, 0, sizeof m_aPlayer); }

}  // namespace verbal
