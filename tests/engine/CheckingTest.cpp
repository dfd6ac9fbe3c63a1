// Erasing, and the rationed help of "Solution".
#include <gtest/gtest.h>

#include <memory>

#include "Codepage.h"
#include "Documents.h"
#include "FakeHost.h"
#include "GridText.h"
#include "VerbalineDoc.h"

namespace verbal::test {
namespace {

class CheckingTest : public ::testing::Test {
protected:
    // A 6x6 grid with 8 black squares: 28 white cells.
    void SetUp() override {
        Open({"ABC#DE", "FG#HIJ", "K#LMNO", "PQR#ST", "#UVWX#", "YZ#AB#"});
    }

    void Open(const std::vector<std::string>& rows) {
        doc = ReadyDocument(rows, &host, [](CGrid& grid) { grid.m_strDictName = "Standard"; });
        CDocumentSettings settings;
        for (auto& sound : settings.m_strSound) sound = "Aucun";
        settings.m_strSound[3] = "tiou.wav";
        doc->TakeSettings(settings);
    }

    // Fills |right| white cells correctly and |wrong| more wrongly.
    void Fill(int right, int wrong) {
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 6; ++c) {
                const char sol = doc->SolutionCell(r, c);
                if (sol == ' ') continue;
                if (right > 0) {
                    doc->PlaceLetter(r, c, sol);
                    --right;
                } else if (wrong > 0) {
                    doc->PlaceLetter(r, c, sol == 'Z' ? 'A' : static_cast<char>(sol + 1));
                    --wrong;
                } else {
                    doc->PlaceLetter(r, c, 0);
                }
            }
    }

    int Ask(int choice) {
        host.Clear();
        host.solutionChoice = choice;
        doc->OnSolution();
        return static_cast<int>(host.messages.size());
    }

    bool Effort() const {
        return !host.messages.empty() && host.messages[0].caption == "Encore un petit effort !";
    }

    FakeHost host;
    std::unique_ptr<CVerbalineDoc> doc;
};

TEST_F(CheckingTest, TheThresholdsAreHalfAndThreeQuartersOfTheWhiteCells) {
    ASSERT_EQ(doc->CountCells() - doc->CountBlackSquares(), 28u);
    Fill(0, 0);
    for (int choice = 1; choice <= 3; ++choice) {
        Ask(choice);
        EXPECT_TRUE(Effort()) << choice;
    }
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(Cp1252ToUtf8(host.messages[0].text),
              "Vous n'avez pas rempli assez de cases justes pour avoir accès à la solution de "
              "cette grille.");

    Fill(13, 0);
    Ask(1);
    EXPECT_TRUE(Effort());
    Fill(14, 0);
    Ask(1);
    EXPECT_FALSE(Effort());
    ASSERT_EQ(host.gridInfos.size(), 1u);
    const CGridInfoData& info = host.gridInfos[0];
    EXPECT_EQ(info.m_nTotalCells, 36);
    EXPECT_EQ(info.m_nBlackSquares, 8);
    EXPECT_EQ(info.m_nCellsToFill, 14);
    EXPECT_EQ(info.m_nFilledCells, 14);
    EXPECT_EQ(info.m_strExtraLabel, "Nombre de cases fausses :");
    EXPECT_EQ(info.m_nExtraValue, 0);
    EXPECT_EQ(info.m_strDictName, "Standard");

    Fill(20, 0);
    Ask(3);
    EXPECT_TRUE(Effort());
    Fill(21, 0);
    Ask(3);
    EXPECT_FALSE(Effort());
    EXPECT_TRUE(doc->ShowSolution());
}

TEST_F(CheckingTest, WrongLettersDoNotCountAsCorrect) {
    Fill(12, 8);  // 20 filled, 12 correct
    Ask(1);
    EXPECT_TRUE(Effort());
    Fill(14, 8);
    Ask(1);
    ASSERT_EQ(host.gridInfos.size(), 1u);
    EXPECT_EQ(host.gridInfos[0].m_nExtraValue, 8);
    EXPECT_EQ(host.gridInfos[0].m_nFilledCells, 22);
    EXPECT_EQ(host.gridInfos[0].m_nCellsToFill, 6);
}

TEST_F(CheckingTest, MarksAndSolutionToggleThroughTheSameThreshold) {
    Fill(15, 2);
    Ask(2);
    EXPECT_TRUE(doc->ShowWrongCells());
    // The marks show at once.
    EXPECT_EQ(host.Names().back(), "GridChanged");
    EXPECT_EQ(host.calls.back().detail, "now");
    Ask(2);
    EXPECT_FALSE(doc->ShowWrongCells());

    // All placed letters right: a box instead of marks.
    Fill(15, 0);
    EXPECT_EQ(Ask(2), 1);
    EXPECT_EQ(host.messages[0].caption, "Solution.");
    EXPECT_EQ(host.messages[0].text, "Cette grille ne contient aucune case fausse !");
    EXPECT_FALSE(doc->ShowWrongCells());

    Fill(22, 0);
    Ask(3);
    EXPECT_TRUE(doc->ShowSolution());
    EXPECT_EQ(host.Names().back(), "GridChanged");
    EXPECT_EQ(host.calls.back().detail, "");
    Ask(3);
    EXPECT_FALSE(doc->ShowSolution());
    // Hiding needs the threshold too.
    Ask(3);
    Fill(2, 0);
    Ask(3);
    EXPECT_TRUE(Effort());
    EXPECT_TRUE(doc->ShowSolution());

    // A cancelled box does nothing.
    EXPECT_EQ(Ask(-1), 0);
    EXPECT_EQ(host.Names(), std::vector<std::string>{"SolutionChoice"});
}

TEST_F(CheckingTest, ThirteenWhiteCellsGiveThresholdsSixAndNine) {
    Open({"AB####", "C#D###", "EF#G##", "H#I#J#", "K#LM##", "######"});
    ASSERT_EQ(doc->CountCells() - doc->CountBlackSquares(), 13u);
    Fill(5, 0);
    Ask(2);
    EXPECT_TRUE(Effort());
    Fill(6, 1);
    Ask(2);
    EXPECT_TRUE(doc->ShowWrongCells());
    Fill(8, 0);
    Ask(3);
    EXPECT_TRUE(Effort());
    Fill(9, 0);
    Ask(3);
    EXPECT_TRUE(doc->ShowSolution());
}

TEST_F(CheckingTest, ErasingPlaysItsSoundFirstThenEmptiesAllButTheBlackSquares) {
    Fill(15, 2);
    Ask(2);
    ASSERT_TRUE(doc->ShowWrongCells());
    Fill(10, 5);
    doc->PlaceLetter(20, 20, 'Q');  // even outside the grid
    host.Clear();
    unsigned filledWhenSoundPlayed = 0;
    host.onCall = [&](const FakeHost::Call& call) {
        if (call.name == "PlaySound") filledWhenSoundPlayed = doc->CountFilledCells();
    };
    doc->OnEffacer();
    EXPECT_EQ(host.Names(),
              (std::vector<std::string>{"EraseConfirm", "PlaySound", "InvalidateAll"}));
    EXPECT_EQ(filledWhenSoundPlayed, 16u);
    EXPECT_EQ(doc->CountFilledCells(), 0u);
    EXPECT_EQ(doc->CountWrongCells(), 0u);
    EXPECT_EQ(PlayerRows(*doc), (std::vector<std::string>{"...#..", "..#...", ".#....",
                                                          "...#..", "#....#", "..#..#"}));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->ShowWrongCells());
    EXPECT_TRUE(doc->GridReady());
    EXPECT_EQ(doc->Clue(Direction::Across, 1, 1), "H1.1");

    // "NON": letters stay, no sound, but a repaint all the same.
    Fill(3, 0);
    doc->SetModifiedFlag(false);
    host.Clear();
    host.eraseAnswer = false;
    doc->OnEffacer();
    EXPECT_EQ(host.Names(), (std::vector<std::string>{"EraseConfirm", "InvalidateAll"}));
    EXPECT_EQ(doc->CountFilledCells(), 3u);
    EXPECT_FALSE(doc->IsModified());
}

}  // namespace
}  // namespace verbal::test
