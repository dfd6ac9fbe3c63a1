// Erasing, and the rationed help of "Solution".
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "Codepage.h"
#include "FakeHost.h"
#include "GridText.h"
#include "VerbalineDoc.h"

namespace verbal::test {
namespace {

class CheckingTest : public ::testing::Test {
protected:
    // A 6x6 grid with 8 black squares: 28 white cells.
    void SetUp() override {
        doc = std::make_unique<CVerbalineDoc>(&host);
        doc->OnNewDocument();
        SetSolutionRows(*doc, {"ABC#DE", "FG#HIJ", "K#LMNO", "PQR#ST", "#UVWX#", "YZ#AB#"});
        doc->BuildTransposed();
        doc->CopyBlackSquares();
        doc->m_bGridReady = 1;
        doc->m_strDictName = "Standard";
        for (auto& sound : doc->m_strSound) sound = "Aucun";
        doc->m_strSound[3] = "tiou.wav";
    }

    // Fills |right| white cells correctly and |wrong| more wrongly.
    void Fill(int right, int wrong) {
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 6; ++c) {
                const char sol = doc->m_aSolution[r][c - 1];
                char& cell = doc->m_aPlayer[r - 1][c - 1];
                if (sol == ' ') continue;
                if (right > 0) {
                    cell = sol;
                    --right;
                } else if (wrong > 0) {
                    cell = sol == 'Z' ? 'A' : static_cast<char>(sol + 1);
                    --wrong;
                } else {
                    cell = 0;
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
    EXPECT_EQ(doc->m_bShowSolution, 1);
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
    EXPECT_EQ(doc->m_bShowWrongCells, 1);
    EXPECT_EQ(host.Names().back(), "RedrawRectNow");
    Ask(2);
    EXPECT_EQ(doc->m_bShowWrongCells, 0);

    // All placed letters right: a box instead of marks.
    Fill(15, 0);
    EXPECT_EQ(Ask(2), 1);
    EXPECT_EQ(host.messages[0].caption, "Solution.");
    EXPECT_EQ(host.messages[0].text, "Cette grille ne contient aucune case fausse !");
    EXPECT_EQ(doc->m_bShowWrongCells, 0);

    Fill(22, 0);
    Ask(3);
    EXPECT_EQ(doc->m_bShowSolution, 1);
    EXPECT_EQ(host.Names().back(), "InvalidateRect");
    Ask(3);
    EXPECT_EQ(doc->m_bShowSolution, 0);
    // Hiding needs the threshold too.
    Ask(3);
    Fill(2, 0);
    Ask(3);
    EXPECT_TRUE(Effort());
    EXPECT_EQ(doc->m_bShowSolution, 1);

    // A cancelled box does nothing.
    EXPECT_EQ(Ask(-1), 0);
    EXPECT_EQ(host.Names(), std::vector<std::string>{"SolutionChoice"});
}

TEST_F(CheckingTest, ThirteenWhiteCellsGiveThresholdsSixAndNine) {
    SetSolutionRows(*doc, {"AB####", "C#D###", "EF#G##", "H#I#J#", "K#LM##", "######"}, 6);
    doc->BuildTransposed();
    std::memset(doc->m_aPlayer, 0, sizeof doc->m_aPlayer);
    doc->CopyBlackSquares();
    ASSERT_EQ(doc->CountCells() - doc->CountBlackSquares(), 13u);
    Fill(5, 0);
    Ask(2);
    EXPECT_TRUE(Effort());
    Fill(6, 1);
    Ask(2);
    EXPECT_EQ(doc->m_bShowWrongCells, 1);
    Fill(8, 0);
    Ask(3);
    EXPECT_TRUE(Effort());
    Fill(9, 0);
    Ask(3);
    EXPECT_EQ(doc->m_bShowSolution, 1);
}

TEST_F(CheckingTest, ErasingPlaysItsSoundFirstThenEmptiesAllButTheBlackSquares) {
    Fill(10, 5);
    doc->m_aPlayer[19][19] = 'Q';  // even outside the grid
    doc->m_bShowWrongCells = 1;
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
    EXPECT_EQ(doc->m_bShowWrongCells, 1);
    EXPECT_EQ(doc->m_bGridReady, 1);

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
