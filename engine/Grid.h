// CGrid: the grid of one document. The solution, its transposed copy, the
// player's letters and the 400 clues, with what the grid file keeps beside
// them: the size, the ready flag, the progress, the position on screen, the
// dictionary's name and the quality.
//
// Cell values are bytes: 0 empty or outside the grid, ' ' a black square,
// 'A'..'Z' a letter. Rows and columns count from 1: solution cell (r, c) is
// m_aSolution[r][c - 1], player cell (r, c) is m_aPlayer[r - 1][c - 1], and
// m_aTransposed[c][r - 1] holds the same value as solution cell (r, c). The
// arrays are larger than any grid; the counts scan the 20 x 20 window and
// rely on the zeros around a smaller grid.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Geometry.h"

namespace verbal {

// One word of a line of the grid (a row, or a column of the transposed
// copy), numbered as the clue box numbers it.
struct LineWord {
    int number = 0;  // 1 for the first run of letters of the line
    int start = 0;   // 0-based index of its first cell
    std::string word;
};

// The maximal runs of letters of a line of |count| cells, up to the first
// empty one.
std::vector<LineWord> WordsOfLine(const char* cells, int count);

// The number of the word of a line of |count| cells (' ' for a black square)
// that holds cell |i| (0-based); a black square takes the number of the next
// word after it, and a line with no word after it gives 0.
int WordNumberInLine(const char* cells, int count, int i);

class CGrid {
public:
    static constexpr int kSolutionRows = 30;  // rows 0..29; row 30 reads as empty
    static constexpr int kCells = 20;         // the largest grid

    CGrid();

    int GridSize() const { return m_nGridLast + 1; }

    // Counts over rows and columns 1..20.
    unsigned CountCells() const;  // N x N
    unsigned CountBlackSquares() const;
    unsigned CountFilledCells() const;
    unsigned CountWrongCells() const;

    // Empties the working grid (rows 1 to 29), the player's letters and
    // every clue; no grid is ready any more.
    void ResetGrid();
    // Rows are named 1..30, but only 0..29 exist.
    void ClearRow(int r);
    void BuildTransposed();
    // The transposed copy, built, replaces the working grid.
    void TransposeGrid();
    // Black squares of the solution into the player's grid.
    void CopyBlackSquares();
    // Every player cell to 0 (black squares too).
    void ClearPlayer();

    // 0 when a word of three letters or more appears twice among the rows
    // and the columns that can no longer grow; 1 otherwise.
    int CheckDuplicates() const;

    // The grid file's bytes, and their reading: an empty result means the
    // grid took them, anything else is the French reason they are not a grid
    // (and the grid is untouched).
    std::vector<char> WriteGridBytes() const;
    std::string ReadGridBytes(const char* bytes, std::size_t size);

    char m_aSolution[kSolutionRows][30];
    char m_aTransposed[31][30];
    char m_aPlayer[kCells][kCells];
    // Lines 0..19: words across of rows 1..20; lines 20..39: words down of
    // columns 1..20; slot w - 1 holds word w of the line.
    std::string m_astrClues[40][10];
    int m_nGridLast = 0;  // N - 1
    bool m_bGridReady = false;
    int m_nRowsDone = 0;  // the generator's progress, 20 once done
    CPoint m_ptGridOrigin;
    std::string m_strDictName;
    int m_nQuality = 0;
};

}  // namespace verbal
