// Grids as rows of text: a letter, '#' for a black square, '.' for an empty
// cell. Used by the command line and to write grids in tests.
#pragma once

#include <string>
#include <vector>

namespace verbal {

class CGrid;
class CVerbalineDoc;

// The N rows of the solution (or of the player's letters).
std::vector<std::string> SolutionRows(const CVerbalineDoc& doc);
std::vector<std::string> PlayerRows(const CVerbalineDoc& doc);

// Writes rows into the working grid from row 1 ('.' leaves a cell empty) and
// sets the grid's size: |size|, or the number of rows when 0.
void SetSolutionRows(CGrid& grid, const std::vector<std::string>& rows, int size = 0);

}  // namespace verbal
