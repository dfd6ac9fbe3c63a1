// Looking up the clue of every word of a finished grid.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "Codepage.h"
#include "Definitions.h"
#include "Grid.h"
#include "GridText.h"
#include "Scramble.h"

namespace verbal::test {
namespace {

const char* const kWarning = "ATTENTION PROBLEME : La définition de ce mot n'a pas été trouvée !";

class DefinitionsTest : public ::testing::Test {
protected:
    void SetGrid(const std::vector<std::string>& rows) {
        SetSolutionRows(grid, rows);
        grid.BuildTransposed();
    }

    // Looks every word up, with the indexes and without: the same clues
    // and the same misses either way.
    int LookUpAll() {
        CGrid scanned;
        std::memcpy(scanned.m_aSolution, grid.m_aSolution, sizeof grid.m_aSolution);
        std::memcpy(scanned.m_aTransposed, grid.m_aTransposed, sizeof grid.m_aTransposed);
        int missing = 0;
        int missingScanned = 0;
        defs->LookUpAllClues(grid, true, [&] { ++missing; });
        defs->LookUpAllClues(scanned, false, [&] { ++missingScanned; });
        EXPECT_EQ(missing, missingScanned);
        for (int line = 0; line < 40; ++line)
            for (int slot = 0; slot < 10; ++slot)
                EXPECT_EQ(grid.m_astrClues[line][slot], scanned.m_astrClues[line][slot]);
        return missing;
    }

    std::string Clue(int line, int slot) const { return Cp1252ToUtf8(grid.m_astrClues[line][slot]); }

    std::string Lookup(const char* word, bool indexes = false) {
        defs->LookupDefinition(word, indexes);
        return Cp1252ToUtf8(defs->m_strFoundDefinition);
    }

    // The file's bytes are scrambled; these tests give them plain.
    void TakePlain(const std::string& plainUtf8) {
        std::string bytes = Utf8ToCp1252(plainUtf8);
        Scramble(bytes.data(), bytes.size());
        defs->TakeDefinitionsBytes(bytes.data(), bytes.size());
    }

    std::unique_ptr<CDefinitionsText> defs = std::make_unique<CDefinitionsText>();
    CGrid grid;
};

TEST_F(DefinitionsTest, WordsAreNumberedAlongTheirLineSingleLettersIncluded) {
    TakePlain(
        "en-tete\r\nCHAT:Matou\r\nA:Première lettre\r\nLOI:Règle\r\nC:Cent\r\nH:Hydrogène\r\n"
        "T:Titane\r\nL:Cinquante\r\nO:Oxygène\r\nI:Un\r\n");
    SetGrid({"CHAT#A#LOI", "##########", "##########", "##########", "##########",
             "##########", "##########", "##########", "##########", "##########"});
    EXPECT_EQ(LookUpAll(), 0);
    EXPECT_EQ(Clue(0, 0), "Matou");
    EXPECT_EQ(Clue(0, 1), "Première lettre");
    EXPECT_EQ(Clue(0, 2), "Règle");
    EXPECT_EQ(Clue(0, 3), "");
    // Column 1 holds the single letter C; column 5 no word at all.
    EXPECT_EQ(Clue(20, 0), "Cent");
    EXPECT_EQ(Clue(24, 0), "");
    EXPECT_EQ(Clue(29, 0), "Un");
}

TEST_F(DefinitionsTest, TheKeyMustBeFollowedByTheColonAndTheFirstLineIsNeverRead) {
    TakePlain(
        "LOI:Jamais lue\r\nCHATS:Matous\r\nCHA:Trop court\r\nCHAT:Matou : chat domestique\r\n"
        "CHAT:Seconde définition\r\n");
    EXPECT_EQ(Lookup("CHAT"), "Matou : chat domestique");
    EXPECT_EQ(Lookup("CHA"), "Trop court");
    EXPECT_TRUE(defs->LookupDefinition("CHATS", false));
    EXPECT_FALSE(defs->LookupDefinition("LOI", false));
    EXPECT_EQ(Cp1252ToUtf8(defs->m_strFoundDefinition), kWarning);
}

TEST_F(DefinitionsTest, AMissingWordGetsTheWarningAsItsClue) {
    TakePlain("x\r\nAB:Deux lettres\r\nA:Un\r\nB:Deux\r\n");
    SetGrid({"AB#ZZ#", "######", "######", "######", "######", "######"});
    // ZZ across, then Z down twice.
    EXPECT_EQ(LookUpAll(), 3);
    EXPECT_EQ(Clue(0, 0), "Deux lettres");
    EXPECT_EQ(Clue(0, 1), kWarning);
    EXPECT_EQ(Clue(20, 0), "Un");
    EXPECT_EQ(Clue(21, 0), "Deux");
    EXPECT_EQ(Clue(23, 0), kWarning);
}

TEST_F(DefinitionsTest, TheSearchStopsAtTheEndOfTheText) {
    // A longer file read earlier leaves text in the buffer; a shorter one
    // must not find its words there.
    TakePlain("x\r\nAB:Ancien\r\nCD:Ancien aussi\r\n");
    TakePlain("x\r\nAB:Nouveau\r\n");
    EXPECT_EQ(Lookup("AB"), "Nouveau");
    EXPECT_EQ(Lookup("CD"), kWarning);
    // A last line without its line end still gives its clue.
    TakePlain("x\r\nCD:Sans fin de ligne");
    EXPECT_EQ(Lookup("CD"), "Sans fin de ligne");
    EXPECT_EQ(Lookup("CD", true), "Sans fin de ligne");
}

}  // namespace
}  // namespace verbal::test
