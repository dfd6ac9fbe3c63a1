// Row filling and the column test, on word tables written in a chosen order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Grid.h"
#include "GridSearch.h"
#include "GridText.h"
#include "WordTable.h"

namespace verbal::test {
namespace {

class RowFillTest : public ::testing::Test {
protected:
    // As a new document has them.
    void SetUp() override {
        grid.m_nGridLast = 5;
        grid.m_nQuality = 2;
    }

    // Writes the word table with |words| in this order inside each length,
    // plus filler words of 'W' for the lengths not given, and finds the
    // group bounds.
    void SetTable(const std::vector<std::string>& words) {
        std::map<std::size_t, std::vector<std::string>> groups;
        for (const std::string& w : words) groups[w.size()].push_back(w);
        std::string text;
        for (char c = 'A'; c <= 'Z'; ++c) text += std::string("\r\n") + c + " ";
        text += "\r\n  ";
        for (std::size_t length = 2; length <= 15; ++length) {
            if (groups[length].empty()) groups[length].push_back(std::string(length, 'W'));
            for (const std::string& w : groups[length]) text += "\r\n" + w + " ";
        }
        text += std::string(200, '%');
        std::memcpy(table->m_szDictionary, text.data(), text.size());
        // The last group ends 35 bytes before the file's end.
        table->m_nDictionaryLength = static_cast<std::uint32_t>(text.size() + 35);
        ASSERT_EQ(table->ValidateWordTable(), 1);
        search.ForgetColumns();
    }

    std::string Row(int r) const {
        std::string row;
        for (int c = 0; c < grid.GridSize(); ++c) {
            const char cell = grid.m_aSolution[r][c];
            row += cell == ' ' ? '#' : cell == 0 ? '.' : cell;
        }
        return row;
    }

    bool IsUsed(const std::string& word) const {
        const std::string marked = "\t" + word + " ";
        const char* const text = table->m_szDictionary;
        return std::search(text, text + 100000, marked.begin(), marked.end()) != text + 100000;
    }

    int Check(const std::string& column) {
        std::memset(search.m_szColumn, 0, sizeof search.m_szColumn);
        std::memcpy(search.m_szColumn, column.data(), column.size());
        return search.CheckColumn();
    }

    std::unique_ptr<CWordTable> table = std::make_unique<CWordTable>();
    CGrid grid;
    CGridSearch search{*table, grid};
};

TEST_F(RowFillTest, TheFirstRowIsTheFirstTableWordThatFillsIt) {
    SetTable({"MAISON", "BATEAU", "CHAT"});
    grid.m_nGridLast = 5;
    grid.m_nQuality = 0;
    ASSERT_EQ(search.FillRow(1), 1);
    EXPECT_EQ(Row(1), "MAISON");
    EXPECT_TRUE(IsUsed("MAISON"));
    EXPECT_FALSE(IsUsed("BATEAU"));
}

TEST_F(RowFillTest, LongestWordsFirstThenShorterOnesWithABlackSquare) {
    // No six-letter word fits under ABCDEF; the five-letter one does and the
    // closed sixth column, F alone, is a word.
    SetTable({"AS", "BE", "CE", "DU", "EN", "FA", "QQQQQQ", "SEEUN", "ABCDEF"});
    grid.m_nGridLast = 5;
    grid.m_nQuality = 0;
    SetSolutionRows(grid, {"ABCDEF"}, 6);
    ASSERT_EQ(search.FillRow(2), 1);
    EXPECT_EQ(Row(2), "SEEUN#");
    EXPECT_FALSE(IsUsed("QQQQQQ"));
    EXPECT_TRUE(IsUsed("SEEUN"));
}

TEST_F(RowFillTest, ARejectedWordIsErasedAndTheNextOfItsLengthIsTried) {
    SetTable({"AS", "BE", "CE", "DU", "EN", "FA", "QQQQQQ", "SEEUNA"});
    grid.m_nGridLast = 5;
    grid.m_nQuality = 0;
    SetSolutionRows(grid, {"ABCDEF"}, 6);
    ASSERT_EQ(search.FillRow(2), 1);
    EXPECT_EQ(Row(2), "SEEUNA");
}

TEST_F(RowFillTest, OneCellLeftTriesTheLettersInOrderThenTheBlackSquare) {
    SetTable({"XY"});
    std::vector<std::string> seen;
    search.m_nScanPos = 0;
    while (search.FetchWord(0)) seen.push_back(search.m_szCandidate);
    ASSERT_EQ(seen.size(), 27u);
    EXPECT_EQ(seen.front(), "A");
    EXPECT_EQ(seen[25], "Z");
    EXPECT_EQ(seen.back(), " ");
    // Neither letters nor the black square are ever used up.
    search.m_nScanPos = 0;
    ASSERT_TRUE(search.FetchWord(0));
    search.MarkWordUsed();
    search.m_nScanPos = 0;
    ASSERT_TRUE(search.FetchWord(0));
    EXPECT_STREQ(search.m_szCandidate, "A");
}

TEST_F(RowFillTest, AUsedWordIsNeverFetchedAgainButStillCompletesColumns) {
    SetTable({"ABC", "ABD"});
    search.m_nScanPos = 0;
    ASSERT_TRUE(search.FetchWord(2));
    EXPECT_STREQ(search.m_szCandidate, "ABC");
    search.MarkWordUsed();
    search.m_nScanPos = 0;
    ASSERT_TRUE(search.FetchWord(2));
    EXPECT_STREQ(search.m_szCandidate, "ABD");
    search.MarkWordUsed();
    search.m_nScanPos = 0;
    EXPECT_FALSE(search.FetchWord(2));

    std::memset(search.m_szPattern, 0, sizeof search.m_szPattern);
    std::strcpy(search.m_szPattern, "ABC");
    EXPECT_EQ(search.FindPrefix(3, 3), 1);
}

TEST_F(RowFillTest, TheLookAheadIsTheQualityCappedByTheRowsLeft) {
    SetTable({"AB", "ABCDEF", "ABCDEFG", "XYZ"});
    grid.m_nGridLast = 5;

    // Quality 0: an open fragment must already be a word.
    grid.m_nQuality = 0;
    EXPECT_EQ(Check("AB"), 1);
    EXPECT_EQ(Check("BA"), 0);
    EXPECT_EQ(Check("ABC"), 0);

    // Quality 3 with two rows left below: words of up to two more letters.
    grid.m_nQuality = 3;
    EXPECT_EQ(Check("ABCD"), 1);  // ABCDEF
    SetTable({"AB", "ABCDEFG"});
    EXPECT_EQ(Check("ABCD"), 0);  // ABCDEFG is three letters longer
    EXPECT_EQ(Check("ABC"), 0);   // three rows left, but no word of 3..6 letters
    EXPECT_EQ(Check("A"), 1);     // a letter is a word

    // A word closed by a black square must be a word exactly.
    EXPECT_EQ(Check("AB "), 1);
    EXPECT_EQ(Check("ABC "), 0);
    // The fragment is what follows the last black square.
    EXPECT_EQ(Check("XY AB"), 1);
    EXPECT_EQ(Check("ABC AB "), 1);
}

TEST_F(RowFillTest, BlackSquaresStackNeverButSitSideBySide) {
    SetTable({"AB", "BA"});
    grid.m_nGridLast = 5;
    grid.m_nQuality = 2;
    EXPECT_EQ(Check(" "), 1);
    EXPECT_EQ(Check("A  "), 0);
    EXPECT_EQ(Check("  "), 0);
    EXPECT_EQ(Check(""), 1);

    auto rows = [&](const std::vector<std::string>& r) {
        SetSolutionRows(grid, r, 6);
    };
    rows({"AB##AB", "B#AB#A"});
    EXPECT_EQ(search.CheckColumns(), 1);
    rows({"AB##AB", "B##B#A"});
    EXPECT_EQ(search.CheckColumns(), 0);
}

TEST_F(RowFillTest, ARowThatNothingFitsFailsAndKeepsWhatItPlaced) {
    // Under A over B no letter continues a word, and AB itself is no word.
    SetTable({"BA", "CD"});
    grid.m_nGridLast = 5;
    grid.m_nQuality = 1;
    SetSolutionRows(grid, {"ABCDEF", "BCDEFA"}, 6);
    EXPECT_EQ(search.FillRow(3), 0);
    // Rows below the grid are done at once.
    EXPECT_EQ(search.FillRow(7), 1);
    EXPECT_EQ(grid.m_aSolution[7][0], 0);
}

TEST_F(RowFillTest, AnEmptyPatternMatchesNothing) {
    SetTable({"AB"});
    std::memset(search.m_szPattern, 0, sizeof search.m_szPattern);
    EXPECT_EQ(search.FindPrefix(0, 0), 0);
    EXPECT_EQ(search.FindPrefix(1, 15), 0);
}

}  // namespace
}  // namespace verbal::test
