// The keyboard's moves and the undo history, without a screen.
#include <gtest/gtest.h>

#include "Documents.h"
#include "PlayCursor.h"
#include "PlayerHistory.h"

namespace verbal::test {
namespace {

// A lone white cell at (2, 2): a single letter both ways.
const std::vector<std::string> kGrid = {
    "A##CD#", "#E#LES", "##AC#U", "OUI#AN", "RE#ODE", "#SIRE#",
};

TEST(PlayCursor, PlacingKeepsTheDirectionUnlessItsWordIsASingleLetter) {
    auto doc = ReadyDocument({"AB#CD#", "BELLES", "#SAC#U", "OUI#AN", "RE#ODE", "#SIRE#"});
    CPlayCursor cursor;
    EXPECT_FALSE(cursor.Place(*doc, 1, 3));  // black
    EXPECT_FALSE(cursor.Place(*doc, 7, 1));  // outside the 6 x 6 grid
    EXPECT_FALSE(cursor.Active());
    EXPECT_TRUE(cursor.Place(*doc, 3, 6));   // U: a single letter across
    EXPECT_EQ(cursor.Dir(), Direction::Down);
    EXPECT_TRUE(cursor.Place(*doc, 2, 3));
    EXPECT_EQ(cursor.Dir(), Direction::Down);  // LAI down is a word: kept
    const CWordSpan word = cursor.CurrentWord(*doc);
    EXPECT_EQ(word.line, 3);
    EXPECT_EQ(word.start, 2);
    EXPECT_EQ(word.length, 3);
    EXPECT_EQ(word.number, 1);
    EXPECT_FALSE(cursor.Retreat(*doc));
    EXPECT_TRUE(cursor.Advance(*doc));
    EXPECT_TRUE(cursor.Advance(*doc));
    EXPECT_FALSE(cursor.Advance(*doc));
    EXPECT_EQ(cursor.Row(), 4);
}

TEST(PlayCursor, ALoneCellIsStillReachedByTab) {
    auto doc = ReadyDocument(kGrid);
    CPlayCursor cursor;
    cursor.Start(*doc);
    std::vector<std::pair<int, int>> seen;
    for (int i = 0; i < 30; ++i) {
        cursor.NextWord(*doc, false);
        seen.emplace_back(cursor.Row(), cursor.Column());
    }
    EXPECT_NE(std::find(seen.begin(), seen.end(), std::make_pair(2, 2)), seen.end());
}

TEST(PlayerHistory, KeepsOnlyStepsThatChangedLettersAndForgetsTheOldest) {
    CPlayerHistory history;
    CPlayerState a, b;
    b.letters[0] = 'A';
    CPlayerState marksOnly = a;
    marksOnly.showWrongCells = true;
    history.Record(a, marksOnly);
    EXPECT_FALSE(history.CanUndo());
    history.Record(a, b);
    ASSERT_TRUE(history.CanUndo());
    EXPECT_EQ(*history.Undo(b), a);
    EXPECT_EQ(*history.Redo(a), b);
    EXPECT_FALSE(history.Redo(b).has_value());

    for (std::size_t i = 0; i < CPlayerHistory::kMaxSteps + 10; ++i) history.Record(a, b);
    EXPECT_EQ(history.UndoCount(), CPlayerHistory::kMaxSteps);
}

TEST(PlayerHistory, TheDocumentForgetsItWithEveryNewGrid) {
    auto doc = ReadyDocument({"AB#CD#", "BELLES", "#SAC#U", "OUI#AN", "RE#ODE", "#SIRE#"});
    const unsigned generation = doc->GridGeneration();
    const CPlayerState before = doc->PlayerState();
    doc->PlaceLetter(1, 1, 'A');
    doc->EndPlayerStep(before);
    EXPECT_TRUE(doc->CanUndo());

    // Undo never touches the black squares, even from a damaged state.
    EXPECT_TRUE(doc->Undo());
    EXPECT_EQ(doc->PlayerCell(1, 3), ' ');
    EXPECT_EQ(doc->PlayerCell(1, 1), 0);
    EXPECT_TRUE(doc->Redo());
    EXPECT_EQ(doc->PlayerCell(1, 1), 'A');

    // The bytes of a grid file, read back: another grid.
    const std::vector<char> bytes = doc->WriteGridBytes();
    EXPECT_EQ(doc->ReadGridBytes(bytes.data(), bytes.size()), "");
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_FALSE(doc->CanRedo());
    EXPECT_NE(doc->GridGeneration(), generation);
    // Refused bytes leave the grid, and its history, alone.
    doc->PlaceLetter(1, 2, 'B');
    doc->EndPlayerStep(doc->PlayerState());
    const CPlayerState b = doc->PlayerState();
    doc->PlaceLetter(1, 2, 'X');
    doc->EndPlayerStep(b);
    const unsigned kept = doc->GridGeneration();
    EXPECT_NE(doc->ReadGridBytes("abc", 3), "");
    EXPECT_TRUE(doc->CanUndo());
    EXPECT_EQ(doc->GridGeneration(), kept);
}

}  // namespace
}  // namespace verbal::test
