// The document's own commands around the generator: "Calculer", a new
// document, the counts and the new-grid dialog's derivations.
#include <gtest/gtest.h>

#include <memory>

#include "Codepage.h"
#include "DictWriter.h"
#include "Documents.h"
#include "FakeHost.h"
#include "GridText.h"
#include "Scramble.h"
#include "VerbalineDoc.h"

namespace verbal::test {
namespace {

TEST(NewGridData, DisplayNameAndDefinitionsPathComeFromTheDictionaryPath) {
    CNewGridData data;
    data.m_strDictPath = "C:\\Prog\\Standard.lex";
    data.MakeDictName();
    EXPECT_EQ(data.m_strDictName, "Standard");
    EXPECT_EQ(data.MakeDefsPath(), "C:\\Prog\\Standard.dex");

    data.m_strDictPath = "/home/moi/Lexiques/Grand.lex";
    data.MakeDictName();
    EXPECT_EQ(data.m_strDictName, "Grand");
    EXPECT_EQ(data.MakeDefsPath(), "/home/moi/Lexiques/Grand.dex");

    data.m_strDictPath = "D:\\a.b.lex";
    data.MakeDictName();
    EXPECT_EQ(data.m_strDictName, "a");
    EXPECT_EQ(data.MakeDefsPath(), "D:\\a.b.dex");

    data.m_strDictPath = "x.txt";
    EXPECT_EQ(data.MakeDefsPath(), "x.dxt");
    data.m_strDictPath = "sans-extension";
    data.MakeDictName();
    EXPECT_EQ(data.m_strDictName, "sans-extension");
    data.m_strDictPath = "ab";
    EXPECT_EQ(data.MakeDefsPath(), "ab");
}

class CalculerTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc = NewDocument(&host);
        CDocumentSettings settings = doc->Settings();
        settings.m_strDefaultDictPath = SmallDictionaryPath();
        settings.m_strDefaultDefsPath =
            SmallDictionaryPath().substr(0, SmallDictionaryPath().size() - 3) + "dex";
        settings.m_strCurrentDir = "/opt/verbal";
        doc->TakeSettings(settings);
        host.seconds = 1;
    }
    FakeHost host;
    std::unique_ptr<CVerbalineDoc> doc;
};

TEST_F(CalculerTest, ANewDocumentIsEmptyAtSixBySixAndQualityTwo) {
    EXPECT_EQ(doc->GridSize(), 6);
    EXPECT_EQ(doc->Quality(), 2);
    EXPECT_FALSE(doc->GridReady());
    EXPECT_FALSE(doc->GridDrawn());
    EXPECT_FALSE(doc->ShowSolution());
    EXPECT_FALSE(doc->ShowWrongCells());
    EXPECT_EQ(doc->CountCells(), 36u);
    EXPECT_EQ(doc->CountBlackSquares(), 0u);
    EXPECT_FALSE(doc->CanEraseOrSolve());
}

TEST_F(CalculerTest, TheDialogOffersTheSettingsDictionaryAndQualityOne) {
    host.newGrid = [](CNewGridData& data) {
        data.m_nGridLast = 5;
        data.m_nQuality = 0;
        return true;
    };
    doc->OnCalculer();
    ASSERT_EQ(host.newGridShown.size(), 1u);
    const CNewGridData& shown = host.newGridShown[0];
    EXPECT_EQ(shown.m_nQuality, 1);
    EXPECT_EQ(shown.m_nGridLast, 5);
    EXPECT_EQ(shown.m_strDictName, "Petit");
    EXPECT_EQ(shown.m_strCurrentDir, "/opt/verbal");
    EXPECT_EQ(host.Count("RecalcConfirm"), 0);  // no grid yet
    ASSERT_TRUE(doc->GridReady());
    EXPECT_EQ(doc->Quality(), 0);
    EXPECT_EQ(doc->DictName(), "Petit");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GridDrawn());
    // The view is repainted before the computation starts.
    EXPECT_EQ(host.Names()[1], "RedrawAllNow");

    // A ready grid asks first; "NON" keeps it as it was.
    const auto before = SolutionRows(*doc);
    host.Clear();
    host.recalcAnswer = false;
    doc->OnCalculer();
    EXPECT_EQ(host.Names(), std::vector<std::string>{"RecalcConfirm"});
    EXPECT_EQ(SolutionRows(*doc), before);

    // A cancelled dialog changes nothing either.
    host.recalcAnswer = true;
    host.newGrid = [](CNewGridData& data) {
        data.m_nGridLast = 19;
        return false;
    };
    doc->OnCalculer();
    EXPECT_EQ(doc->GridSize(), 6);
    EXPECT_TRUE(doc->GridReady());
    EXPECT_EQ(SolutionRows(*doc), before);

    // Quality 1 is offered again, whatever the grid had.
    host.newGrid = [](CNewGridData& data) {
        data.m_nQuality = 3;
        return true;
    };
    doc->OnCalculer();
    ASSERT_EQ(host.newGridShown.size(), 2u);
    EXPECT_EQ(host.newGridShown[1].m_nQuality, 1);
    EXPECT_EQ(doc->Quality(), 3);
}

TEST_F(CalculerTest, AMissingDefinitionsFileIsRefusedBeforeAnyComputation) {
    TempDir dir;
    host.newGrid = [&](CNewGridData& data) {
        data.m_nGridLast = 7;
        data.m_nQuality = 3;
        data.m_strDictPath = dir.File("Seul.lex");
        data.m_strDefsPath = data.MakeDefsPath();
        data.MakeDictName();
        return true;
    };
    doc->OnCalculer();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Cp1252ToUtf8(host.messages[0].text),
              "Le fichier contenant les définitions de ce dictionnaire n'existe pas. Choisissez "
              "un autre dictionnaire.");
    EXPECT_EQ(host.messages[0].caption, "Verbaline 2000");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].owner, MsgOwner::App);
    EXPECT_EQ(host.Count("BeginWaitCursor"), 0);
    // The choices made stay in the document.
    EXPECT_EQ(doc->GridSize(), 8);
    EXPECT_EQ(doc->Quality(), 3);
    EXPECT_EQ(doc->DictName(), "Seul");
    EXPECT_FALSE(doc->IsModified());
}

TEST(Counts, CountTheGridWindowWhateverItsSize) {
    CGrid grid;
    SetSolutionRows(grid, {"AB#C", "D#EF", "GHI#", "#JKL"}, 6);
    grid.CopyBlackSquares();
    EXPECT_EQ(grid.CountCells(), 36u);
    EXPECT_EQ(grid.CountBlackSquares(), 4u);
    grid.m_aPlayer[0][0] = 'A';
    grid.m_aPlayer[0][1] = 'X';
    grid.m_aPlayer[1][2] = 'E';
    EXPECT_EQ(grid.CountFilledCells(), 3u);
    EXPECT_EQ(grid.CountWrongCells(), 1u);
    // A letter where the solution has nothing is wrong too.
    grid.m_aPlayer[19][19] = 'Z';
    EXPECT_EQ(grid.CountWrongCells(), 2u);
}

TEST(PlayerLetters, GoIntoWhiteCellsOnly) {
    auto doc = ReadyDocument({"AB#CDE", "C#DEFG", "#EFGHI", "ABCDEF", "GHIJKL", "MNOPQR"});
    EXPECT_TRUE(doc->PlaceLetter(1, 1, 'Z'));
    EXPECT_EQ(doc->PlayerCell(1, 1), 'Z');
    EXPECT_TRUE(doc->PlaceLetter(1, 1, 0));
    EXPECT_EQ(doc->PlayerCell(1, 1), 0);
    // A black square, a byte that is no letter, a cell off the 20 x 20 window.
    EXPECT_FALSE(doc->PlaceLetter(1, 3, 'A'));
    EXPECT_EQ(doc->PlayerCell(1, 3), ' ');
    EXPECT_FALSE(doc->PlaceLetter(1, 2, 'a'));
    EXPECT_FALSE(doc->PlaceLetter(1, 2, '#'));
    EXPECT_FALSE(doc->PlaceLetter(0, 2, 'A'));
    EXPECT_FALSE(doc->PlaceLetter(21, 2, 'A'));
    EXPECT_EQ(doc->PlayerCell(1, 2), 0);
    // Outside a small grid but inside the window, as the view's clicks allow.
    EXPECT_TRUE(doc->PlaceLetter(20, 20, 'Q'));
    EXPECT_EQ(doc->CountWrongCells(), 1u);
}

TEST(ClueNumbering, WordsAreNumberedAlongTheirLineAndABlackSquareTakesTheNextOne) {
    auto doc = ReadyDocument({"CHAT#A", "O#####", "Q#LOI#", "######", "######", "######"});
    const std::vector<LineWord> across = doc->Words(Direction::Across, 1);
    ASSERT_EQ(across.size(), 2u);
    EXPECT_EQ(across[1].word, "A");
    EXPECT_EQ(across[1].number, 2);
    EXPECT_EQ(across[1].start, 5);
    EXPECT_EQ(doc->Words(Direction::Down, 1)[0].word, "COQ");
    EXPECT_EQ(doc->Clue(Direction::Across, 1, 2), "H1.2");
    EXPECT_EQ(doc->Clue(Direction::Down, 1, 1), "V1.1");
    EXPECT_EQ(doc->Clue(Direction::Across, 1, 3), "");
    EXPECT_EQ(doc->Clue(Direction::Across, 21, 1), "");
    EXPECT_EQ(doc->Clue(Direction::Across, 1, 11), "");

    EXPECT_EQ(doc->WordNumberAt(Direction::Across, 1, 3), 1);
    EXPECT_EQ(doc->WordNumberAt(Direction::Across, 1, 5), 2);  // the black square before A
    EXPECT_EQ(doc->WordNumberAt(Direction::Across, 3, 6), 0);  // nothing after it
    EXPECT_EQ(doc->WordNumberAt(Direction::Down, 3, 1), 1);
    EXPECT_EQ(doc->WordNumberAt(Direction::Down, 2, 3), 2);    // LOI's L, under CHAT's A
    EXPECT_EQ(doc->WordNumberAt(Direction::Across, 1, 7), 0);  // past the grid
}

TEST(SmallDictionaryFiles, MatchTheirWordList) {
    // Petit.lex and Petit.dex are made from petit.txt by make_petit.py.
    const std::string lex = ReadFile(SmallDictionaryPath());
    std::string plain = lex;
    for (char& c : plain) c = static_cast<char>(static_cast<unsigned char>(c) - kScrambleOffset);
    EXPECT_EQ(plain, DictionaryText(SmallWordList()));
}

}  // namespace
}  // namespace verbal::test
