// Grids as rows of text: a letter, '#' for a black square, '.' for an empty
// cell. Used by the command line and to write grids in tests.
#pragma once

#include <string>
#include <vector>

namespace verbal {

class CVerbalineDoc;

// The N rows of the solution (or of the player's letters).
std::vector<std::string> SolutionRows(const CVerbalineDoc& doc);
std::vector<std::string> PlayerRows(const CVerbalineDoc& doc);

// Writes rows into the working grid from row 1 ('.' leaves a cell empty) and
// sets the grid's size: |size|, or the number of rows when 0.
void SetSolutionRows(CVerbalineDoc& doc, const std::vector<std::string>& rows, int size = 0);

// One word of a line of the grid, numbered as the clue box numbers it.
struct LineWord {
    int number = 0;    // 1 for the first run of letters of the line
    int start = 0;     // 0-based index of its first cell
    std::string word;
};

// The maximal runs of letters of a line of cells ended by 0.
std::vector<LineWord> WordsOfLine(const char* cells, int count);

}  // namespace verbal
