// Row filling and the column test, on word tables written in a chosen order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "GridText.h"
#include "VerbalineDoc.h"

namespace verbal::test {
namespace {

class RowFillTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc = std::make_unique<CVerbalineDoc>(&host);
        doc->OnNewDocument();
    }

    // Writes the word table with |words| in this order inside each length,
    // plus filler words of 'W' for the lengths not given, and finds the
    // group bounds.
    void SetTable(const std::vector<std::string>& words) {
        std::map<std::size_t, std::vector<std::string>> groups;
        for (const std::string& w : words) groups[w.size()].push_back(w);
        std::string table;
        for (char c = 'A'; c <= 'Z'; ++c) table += std::string("\r\n") + c + " ";
        table += "\r\n  ";
        for (std::size_t length = 2; length <= 15; ++length) {
            if (groups[length].empty()) groups[length].push_back(std::string(length, 'W'));
            for (const std::string& w : groups[length]) table += "\r\n" + w + " ";
        }
        table += std::string(200, '%');
        std::memcpy(doc->m_szDictionary, table.data(), table.size());
        // The last group ends 35 bytes before the file's end.
        doc->m_nDictionaryLength = static_cast<std::uint32_t>(table.size() + 35);
        ASSERT_EQ(doc->ValidateWordTable(), 1);
    }

    std::string Row(int r) const {
        std::string row;
        for (int c = 0; c < doc->GridSize(); ++c) {
            const char cell = doc->m_aSolution[r][c];
            row += cell == ' ' ? '#' : cell == 0 ? '.' : cell;
        }
        return row;
    }

    bool IsUsed(const std::string& word) const {
        const std::string marked = "\t" + word + " ";
        return std::search(doc->m_szDictionary, doc->m_szDictionary + 100000, marked.begin(),
                           marked.end()) != doc->m_szDictionary + 100000;
    }

    int Check(const std::string& column) {
        std::memset(doc->m_szColumn, 0, sizeof doc->m_szColumn);
        std::memcpy(doc->m_szColumn, column.data(), column.size());
        return doc->CheckColumn();
    }

    FakeHost host;
    std::unique_ptr<CVerbalineDoc> doc;
};

TEST_F(RowFillTest, TheFirstRowIsTheFirstTableWordThatFillsIt) {
    SetTable({"MAISON", "BATEAU", "CHAT"});
    doc->m_nGridLast = 5;
    doc->m_nQuality = 0;
    ASSERT_EQ(doc->FillRow(1), 1);
    EXPECT_EQ(Row(1), "MAISON");
    EXPECT_TRUE(IsUsed("MAISON"));
    EXPECT_FALSE(IsUsed("BATEAU"));
}

TEST_F(RowFillTest, LongestWordsFirstThenShorterOnesWithABlackSquare) {
    // No six-letter word fits under ABCDEF; the five-letter one does and the
    // closed sixth column, F alone, is a word.
    SetTable({"AS", "BE", "CE", "DU", "EN", "FA", "QQQQQQ", "SEEUN", "ABCDEF"});
    doc->m_nGridLast = 5;
    doc->m_nQuality = 0;
    SetSolutionRows(*doc, {"ABCDEF"}, 6);
    ASSERT_EQ(doc->FillRow(2), 1);
    EXPECT_EQ(Row(2), "SEEUN#");
    EXPECT_FALSE(IsUsed("QQQQQQ"));
    EXPECT_TRUE(IsUsed("SEEUN"));
}

TEST_F(RowFillTest, ARejectedWordIsErasedAndTheNextOfItsLengthIsTried) {
    SetTable({"AS", "BE", "CE", "DU", "EN", "FA", "QQQQQQ", "SEEUNA"});
    doc->m_nGridLast = 5;
    doc->m_nQuality = 0;
    SetSolutionRows(*doc, {"ABCDEF"}, 6);
    ASSERT_EQ(doc->FillRow(2), 1);
    EXPECT_EQ(Row(2), "SEEUNA");
}

TEST_F(RowFillTest, OneCellLeftTriesTheLettersInOrderThenTheBlackSquare) {
    SetTable({"XY"});
    std::vector<std::string> seen;
    doc->m_nScanPos = 0;
    while (doc->FetchWord(0)) seen.push_back(doc->m_szCandidate);
    ASSERT_EQ(seen.size(), 27u);
    EXPECT_EQ(seen.front(), "A");
    EXPECT_EQ(seen[25], "Z");
    EXPECT_EQ(seen.back(), " ");
    // Neither letters nor the black square are ever used up.
    doc->m_nScanPos = 0;
    ASSERT_TRUE(doc->FetchWord(0));
    doc->MarkWordUsed();
    doc->m_nScanPos = 0;
    ASSERT_TRUE(doc->FetchWord(0));
    EXPECT_STREQ(doc->m_szCandidate, "A");
}

TEST_F(RowFillTest, AUsedWordIsNeverFetchedAgainButStillCompletesColumns) {
    SetTable({"ABC", "ABD"});
    doc->m_nScanPos = 0;
    ASSERT_TRUE(doc->FetchWord(2));
    EXPECT_STREQ(doc->m_szCandidate, "ABC");
    doc->MarkWordUsed();
    doc->m_nScanPos = 0;
    ASSERT_TRUE(doc->FetchWord(2));
    EXPECT_STREQ(doc->m_szCandidate, "ABD");
    doc->MarkWordUsed();
    doc->m_nScanPos = 0;
    EXPECT_FALSE(doc->FetchWord(2));

    std::memset(doc->m_szPattern, 0, sizeof doc->m_szPattern);
    std::strcpy(doc->m_szPattern, "ABC");
    EXPECT_EQ(doc->FindPrefix(3, 3), 1);
}

TEST_F(RowFillTest, TheLookAheadIsTheQualityCappedByTheRowsLeft) {
    SetTable({"AB", "ABCDEF", "ABCDEFG", "XYZ"});
    doc->m_nGridLast = 5;

    // Quality 0: an open fragment must already be a word.
    doc->m_nQuality = 0;
    EXPECT_EQ(Check("AB"), 1);
    EXPECT_EQ(Check("BA"), 0);
    EXPECT_EQ(Check("ABC"), 0);

    // Quality 3 with two rows left below: words of up to two more letters.
    doc->m_nQuality = 3;
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
    doc->m_nGridLast = 5;
    doc->m_nQuality = 2;
    EXPECT_EQ(Check(" "), 1);
    EXPECT_EQ(Check("A  "), 0);
    EXPECT_EQ(Check("  "), 0);
    EXPECT_EQ(Check(""), 1);

    auto rows = [&](const std::vector<std::string>& r) {
        SetSolutionRows(*doc, r, 6);
    };
    rows({"AB##AB", "B#AB#A"});
    EXPECT_EQ(doc->CheckColumns(), 1);
    rows({"AB##AB", "B##B#A"});
    EXPECT_EQ(doc->CheckColumns(), 0);
}

TEST_F(RowFillTest, ARowThatNothingFitsFailsAndKeepsWhatItPlaced) {
    // Under A over B no letter continues a word, and AB itself is no word.
    SetTable({"BA", "CD"});
    doc->m_nGridLast = 5;
    doc->m_nQuality = 1;
    SetSolutionRows(*doc, {"ABCDEF", "BCDEFA"}, 6);
    EXPECT_EQ(doc->FillRow(3), 0);
    // Rows below the grid are done at once.
    EXPECT_EQ(doc->FillRow(7), 1);
    EXPECT_EQ(doc->m_aSolution[7][0], 0);
}

TEST_F(RowFillTest, AnEmptyPatternMatchesNothing) {
    SetTable({"AB"});
    std::memset(doc->m_szPattern, 0, sizeof doc->m_szPattern);
    EXPECT_EQ(doc->FindPrefix(0, 0), 0);
    EXPECT_EQ(doc->FindPrefix(1, 15), 0);
}

}  // namespace
}  // namespace verbal::test
