// Looking up the clue of every word of a finished grid.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "Codepage.h"
#include "DictWriter.h"
#include "FakeHost.h"
#include "GridText.h"
#include "VerbalineDoc.h"

namespace verbal::test {
namespace {

class DefinitionsTest : public ::testing::Test {
protected:
    void SetUp() override { doc = std::make_unique<CVerbalineDoc>(&host); }

    void WriteDefinitions(const std::string& plain) {
        doc->m_strDefsPath = dir.File("Test.dex");
        WriteScrambled(doc->m_strDefsPath, Utf8ToCp1252(plain));
    }

    void SetGrid(const std::vector<std::string>& rows) {
        SetSolutionRows(*doc, rows);
        doc->BuildTransposed();
    }

    std::string Clue(int line, int slot) const {
        return Cp1252ToUtf8(doc->m_astrClues[line][slot]);
    }

    FakeHost host;
    TempDir dir;
    std::unique_ptr<CVerbalineDoc> doc;
};

TEST_F(DefinitionsTest, WordsAreNumberedAlongTheirLineSingleLettersIncluded) {
    WriteDefinitions(
        "en-tete\r\nCHAT:Matou\r\nA:Première lettre\r\nLOI:Règle\r\nC:Cent\r\nH:Hydrogène\r\n"
        "T:Titane\r\nL:Cinquante\r\nO:Oxygène\r\nI:Un\r\n");
    SetGrid({"CHAT#A#LOI", "##########", "##########", "##########", "##########",
             "##########", "##########", "##########", "##########", "##########"});
    ASSERT_EQ(doc->BuildClues(), 1);
    EXPECT_EQ(Clue(0, 0), "Matou");
    EXPECT_EQ(Clue(0, 1), "Première lettre");
    EXPECT_EQ(Clue(0, 2), "Règle");
    EXPECT_EQ(Clue(0, 3), "");
    // Column 1 holds the single letter C; column 5 no word at all.
    EXPECT_EQ(Clue(20, 0), "Cent");
    EXPECT_EQ(Clue(24, 0), "");
    EXPECT_EQ(Clue(29, 0), "Un");
    EXPECT_EQ(host.Count("MessageBox"), 0);
}

TEST_F(DefinitionsTest, TheKeyMustBeFollowedByTheColonAndTheFirstLineIsNeverRead) {
    WriteDefinitions(
        "LOI:Jamais lue\r\nCHATS:Matous\r\nCHA:Trop court\r\nCHAT:Matou : chat domestique\r\n"
        "CHAT:Seconde définition\r\n");
    std::strcpy(doc->m_szColumn, "CHAT");
    doc->m_strDefsPath = dir.File("Test.dex");
    ASSERT_EQ(doc->BuildClues(), 1);  // an empty grid looks nothing up

    EXPECT_EQ(Cp1252ToUtf8(doc->LookupDefinition()), "Matou : chat domestique");
    std::strcpy(doc->m_szColumn, "CHA");
    EXPECT_EQ(Cp1252ToUtf8(doc->LookupDefinition()), "Trop court");
    EXPECT_EQ(host.Count("MessageBox"), 0);

    std::memset(doc->m_szColumn, 0, sizeof doc->m_szColumn);
    std::strcpy(doc->m_szColumn, "LOI");
    EXPECT_EQ(Cp1252ToUtf8(doc->LookupDefinition()),
              "ATTENTION PROBLEME : La définition de ce mot n'a pas été trouvée !");
    ASSERT_EQ(host.Captions(),
              std::vector<std::string>{"Erreur au cours de la recherche d'une définitions !"});
    EXPECT_EQ(host.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(host.messages[0].owner, MsgOwner::View);
}

TEST_F(DefinitionsTest, AMissingWordGetsTheWarningAsItsClueAndOneBox) {
    WriteDefinitions("x\r\nAB:Deux lettres\r\nA:Un\r\nB:Deux\r\n");
    SetGrid({"AB#ZZ#", "######", "######", "######", "######", "######"});
    ASSERT_EQ(doc->BuildClues(), 1);
    EXPECT_EQ(Clue(0, 0), "Deux lettres");
    EXPECT_EQ(Clue(0, 1), "ATTENTION PROBLEME : La définition de ce mot n'a pas été trouvée !");
    // ZZ across, then Z down twice: three boxes.
    EXPECT_EQ(host.Count("MessageBox"), 3);
    EXPECT_EQ(Clue(20, 0), "Un");
    EXPECT_EQ(Clue(21, 0), "Deux");
}

TEST_F(DefinitionsTest, TheSearchStopsAtTheEndOfTheText) {
    // A longer file read earlier leaves text in the buffer; a shorter one
    // must not find its words there.
    WriteDefinitions("x\r\nAB:Ancien\r\nCD:Ancien aussi\r\n");
    SetGrid({"AB####"});
    ASSERT_EQ(doc->BuildClues(), 1);
    WriteDefinitions("x\r\nAB:Nouveau\r\n");
    ASSERT_EQ(doc->BuildClues(), 1);
    std::memset(doc->m_szColumn, 0, sizeof doc->m_szColumn);
    std::strcpy(doc->m_szColumn, "CD");
    host.Clear();
    EXPECT_NE(Cp1252ToUtf8(doc->LookupDefinition()).find("ATTENTION PROBLEME"), std::string::npos);
    // A last line without its line end still gives its clue.
    WriteDefinitions("x\r\nCD:Sans fin de ligne");
    ASSERT_EQ(doc->BuildClues(), 1);
    std::strcpy(doc->m_szColumn, "CD");
    EXPECT_EQ(Cp1252ToUtf8(doc->LookupDefinition()), "Sans fin de ligne");
}

TEST_F(DefinitionsTest, AnUnreadableFileOffersRetryThenGivesUp) {
    doc->m_strDefsPath = dir.File("Absent.dex");
    host.messageAnswers = {IDRETRY, IDCANCEL};
    EXPECT_EQ(doc->BuildClues(), 0);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Erreur d'ouverture du fichier de definitions.");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(host.messages[0].owner, MsgOwner::App);

    // Too large for the buffer: refused with a message, nothing read.
    WriteFile(doc->m_strDefsPath, std::string(CVerbalineDoc::kDefinitionsSize + 1, 'x'));
    host.Clear();
    EXPECT_EQ(doc->BuildClues(), 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(Cp1252ToUtf8(host.messages[0].text).find("trop volumineux"), std::string::npos);
}

}  // namespace
}  // namespace verbal::test
