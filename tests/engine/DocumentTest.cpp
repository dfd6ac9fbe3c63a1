// The document's own commands around the generator: "Calculer", a new
// document, the counts and the new-grid dialog's derivations.
#include <gtest/gtest.h>

#include <memory>

#include "Codepage.h"
#include "DictWriter.h"
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
        doc = std::make_unique<CVerbalineDoc>(&host);
        doc->OnNewDocument();
        for (auto& sound : doc->m_strSound) sound = "Aucun";
        doc->m_strDefaultDictPath = SmallDictionaryPath();
        doc->m_strDefaultDefsPath =
            SmallDictionaryPath().substr(0, SmallDictionaryPath().size() - 3) + "dex";
        doc->m_strCurrentDir = "/opt/verbal";
        host.seconds = 1;
    }
    FakeHost host;
    std::unique_ptr<CVerbalineDoc> doc;
};

TEST_F(CalculerTest, ANewDocumentIsEmptyAtSixBySixAndQualityTwo) {
    EXPECT_EQ(doc->m_nGridLast, 5);
    EXPECT_EQ(doc->m_nQuality, 2);
    EXPECT_EQ(doc->m_bGridReady, 0);
    EXPECT_EQ(doc->m_bGridDrawn, 0);
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
    doc->m_nQuality = 3;
    doc->OnCalculer();
    ASSERT_EQ(host.newGridShown.size(), 1u);
    const CNewGridData& shown = host.newGridShown[0];
    EXPECT_EQ(shown.m_nQuality, 1);
    EXPECT_EQ(shown.m_nGridLast, 5);
    EXPECT_EQ(shown.m_strDictName, "Petit");
    EXPECT_EQ(shown.m_strCurrentDir, "/opt/verbal");
    EXPECT_EQ(host.Count("RecalcConfirm"), 0);  // no grid yet
    ASSERT_EQ(doc->m_bGridReady, 1);
    EXPECT_EQ(doc->m_nQuality, 0);
    EXPECT_EQ(doc->m_strDictName, "Petit");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_bGridDrawn, 1);
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
    EXPECT_EQ(doc->m_nGridLast, 5);
    EXPECT_EQ(doc->m_bGridReady, 1);
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
    EXPECT_EQ(host.messages[0].text,
              "Le fichier contenant les definitions de ce dictionnaire n'existe pas. Choisissez "
              "un autre dictionnaire.");
    EXPECT_EQ(host.messages[0].caption, "Verbaline 2000");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].owner, MsgOwner::App);
    EXPECT_EQ(host.Count("BeginWaitCursor"), 0);
    // The choices made stay in the document.
    EXPECT_EQ(doc->m_nGridLast, 7);
    EXPECT_EQ(doc->m_nQuality, 3);
    EXPECT_EQ(doc->m_strDictName, "Seul");
    EXPECT_FALSE(doc->IsModified());
}

TEST(Counts, CountTheGridWindowWhateverItsSize) {
    auto doc = std::make_unique<CVerbalineDoc>();
    SetSolutionRows(*doc, {"AB#C", "D#EF", "GHI#", "#JKL"}, 6);
    doc->CopyBlackSquares();
    EXPECT_EQ(doc->CountCells(), 36u);
    EXPECT_EQ(doc->CountBlackSquares(), 4u);
    doc->m_aPlayer[0][0] = 'A';
    doc->m_aPlayer[0][1] = 'X';
    doc->m_aPlayer[1][2] = 'E';
    EXPECT_EQ(doc->CountFilledCells(), 3u);
    EXPECT_EQ(doc->CountWrongCells(), 1u);
    // A letter where the solution has nothing is wrong too.
    doc->m_aPlayer[19][19] = 'Z';
    EXPECT_EQ(doc->CountWrongCells(), 2u);
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
