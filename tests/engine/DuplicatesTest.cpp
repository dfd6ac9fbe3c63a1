// No word of three letters or more may appear twice in a grid.
#include <gtest/gtest.h>

#include "Grid.h"
#include "GridText.h"

namespace verbal::test {
namespace {

int Duplicates(const std::vector<std::string>& rows, int size) {
    CGrid grid;
    SetSolutionRows(grid, rows, size);
    return grid.CheckDuplicates();
}

TEST(Duplicates, AWordAcrossThatAlsoRunsDownIsARepeat) {
    EXPECT_EQ(Duplicates({"LOT#EU", "ABCLDE", "FGHOIJ", "KMNTPQ", "RSU#VX", "YZABCD"}, 6), 0);
}

TEST(Duplicates, ShortWordsMayRepeat) {
    EXPECT_EQ(Duplicates({"EU#EU#", "AB#AB#"}, 6), 1);
    EXPECT_EQ(Duplicates({"A#A#A#", "#B#B#B"}, 6), 1);
}

TEST(Duplicates, AColumnStillBeingFilledIsNotCompared) {
    // Column 1 reads LOT down to an empty cell inside the grid.
    EXPECT_EQ(Duplicates({"LOT#AB", "OXY#CD", "TZW#EF"}, 6), 1);
    // Once the column is closed by a black square it is a word.
    EXPECT_EQ(Duplicates({"LOT#AB", "OXY#CD", "TZW#EF", "#ABCDE"}, 6), 0);
}

TEST(Duplicates, AColumnReachingTheBottomIsOneWord) {
    const std::vector<std::string> rows = {"ABCDEF", "BXXXXX", "CXXXXX",
                                           "DXXXXX", "EXXXXX", "FYYYYY"};
    // Row 1 and column 1 both read ABCDEF.
    EXPECT_EQ(Duplicates(rows, 6), 0);
    // The same rows in a larger grid leave column 1 unfinished.
    EXPECT_EQ(Duplicates({"ABCDEF#", "BXXXXX#", "CXXXXX#", "DXXXXX#", "EXXXXX#", "FYYYYY#"}, 8),
              1);
}

TEST(Duplicates, TheBottomRowOfALargeGridCounts) {
    std::vector<std::string> rows(20, std::string(20, 'Q'));
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 20; ++c) rows[r][c] = static_cast<char>('A' + (r * 7 + c * 3) % 26);
    rows[19] = "ZYX#" + rows[19].substr(4);
    EXPECT_EQ(Duplicates(rows, 20), 1);
    // Row 1 and row 20 both begin with the word ZYX.
    rows[0] = "ZYX#" + rows[0].substr(4);
    EXPECT_EQ(Duplicates(rows, 20), 0);
}

}  // namespace
}  // namespace verbal::test
