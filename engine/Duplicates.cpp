// A crossword must not hold the same word twice: the finished rows and the
// columns that can no longer grow are compared, words of three letters or more
// only.
#include <string>
#include <vector>

#include "Grid.h"

namespace verbal {

int CGrid::CheckDuplicates() const {
    std::vector<std::string> words;
    words.reserve(128);

    // Rows: every piece between black squares, empty pieces included.
    for (int r = 1; r <= 20; ++r) {
        const char* row = m_aSolution[r];
        int end = 0;
        while (end < 30 && row[end] != 0) ++end;
        if (end == 0) continue;
        std::string piece;
        for (int i = 0; i < end; ++i) {
            if (row[i] == ' ') {
                words.push_back(piece);
                piece.clear();
            } else {
                piece += row[i];
            }
        }
        words.push_back(piece);
    }

    // Columns: a piece ended by a black square is final; the piece at the end
    // counts only when it reaches the bottom edge, as one still being filled
    // may yet grow.
    for (int c = 1; c <= 20; ++c) {
        int end = 0;
        while (end < 20 && m_aSolution[end + 1][c - 1] != 0) ++end;
        if (end == 0) continue;
        std::string piece;
        for (int i = 0; i < end; ++i) {
            const char cell = m_aSolution[i + 1][c - 1];
            if (cell == ' ') {
                words.push_back(piece);
                piece.clear();
            } else {
                piece += cell;
            }
        }
        if (end > m_nGridLast) words.push_back(piece);
    }

    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i].size() <= 2) continue;
        for (std::size_t j = i + 1; j < words.size(); ++j)
            if (words[i] == words[j]) return 0;
    }
    return 1;
}

}  // namespace verbal
