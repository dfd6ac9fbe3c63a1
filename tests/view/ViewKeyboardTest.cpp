// The player's keyboard on the grid window, offscreen: keys sent to the
// view as the window system would send them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <memory>

#include "Codepage.h"
#include "DictWriter.h"
#include "Documents.h"
#include "FakeHost.h"
#include "FakeViewHost.h"
#include "GridText.h"
#include "Highlight.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::test {
namespace {

// Row 1 is A, B, black, C, D, black; column 6 reads black, S, U, N, E, black.
const std::vector<std::string> kGrid = {
    "AB#CD#", "BELLES", "#SAC#U", "OUI#AN", "RE#ODE", "#SIRE#",
};

using Calls = std::vector<std::string>;

class ViewKeyboard : public ::testing::Test {
protected:
    void SetUp() override {
        doc = ReadyDocument(kGrid, &docHost);
        view = std::make_unique<CVerbalineView>(doc.get());
        view->SetViewHost(&host);
        static const char* const kSounds[6] = {"zip.wav",  "tuttut.wav", "ding.wav",
                                               "tiou.wav", "bip.wav",    "victoire.wav"};
        for (int i = 0; i < 6; ++i)
            view->m_settings.m_strSoundFile[i] = std::string("/s/") + kSounds[i];
        view->resize(600, 500);
        view->show();
        view->grab();
        doc->SetModifiedFlag(false);
    }

    // A key as the keyboard layout gives it: |text| is what it types.
    bool Press(int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(view.get(), &event);
        return event.isAccepted();
    }
    void Type(const QString& text) {
        for (QChar c : text) Press(c.toUpper().unicode(), QString(c));
    }
    // The cursor at (row, column) in |direction|: its word, then arrows.
    void CursorAt(int row, int column, Direction direction) {
        view->GoToWord(WordAt(*doc, direction, row, column));
        const bool across = direction == Direction::Across;
        for (int i = 0; i < 6; ++i) {
            const int at = across ? view->Cursor().Column() : view->Cursor().Row();
            const int want = across ? column : row;
            if (at == want) break;
            Press(at < want ? (across ? Qt::Key_Right : Qt::Key_Down)
                            : (across ? Qt::Key_Left : Qt::Key_Up));
        }
        ASSERT_EQ(view->Cursor().Row(), row);
        ASSERT_EQ(view->Cursor().Column(), column);
        ASSERT_EQ(view->Cursor().Dir(), direction);
    }
    std::string Where() const {
        const CPlayCursor& c = view->Cursor();
        return std::to_string(c.Row()) + "," + std::to_string(c.Column()) +
               (c.Dir() == Direction::Across ? " H" : " V");
    }
    char Player(int row, int col) const { return doc->PlayerCell(row, col); }
    void ShowMarks() {
        GrantMarksAndSolution(*doc, docHost, 5, 1);
        ASSERT_TRUE(doc->ShowWrongCells());
        ASSERT_TRUE(doc->ShowSolution());
    }

    FakeViewHost host;
    FakeHost docHost;
    std::unique_ptr<CVerbalineDoc> doc;
    std::unique_ptr<CVerbalineView> view;
};

TEST_F(ViewKeyboard, GridLooksAsBeforeUntilAKeyThenShowsTheWordAndTheCursor) {
    const QImage untouched = view->grab().toImage();
    // Keys that are not the grid's change nothing.
    EXPECT_FALSE(Press(Qt::Key_F5));
    EXPECT_FALSE(Press(0x153, QStringLiteral("œ")));
    EXPECT_FALSE(view->Cursor().Active());
    EXPECT_EQ(view->grab().toImage(), untouched);

    // The first key only shows the cursor, on the first word.
    EXPECT_TRUE(Press(Qt::Key_A, QStringLiteral("a")));
    EXPECT_EQ(Where(), "1,1 H");
    EXPECT_EQ(Player(1, 1), 0);
    EXPECT_TRUE(host.calls.empty());

    const QImage shown = view->grab().toImage();
    const CHighlightColours colours = HighlightColours(view->m_settings.m_clrGridBackground,
                                                       view->m_settings.m_clrGridLetters);
    auto colourAt = [&](int row, int col) {
        const QRect cell = view->CellRect(row, col);
        // Inside the cursor's frame, where no letter is.
        return shown.pixelColor(cell.left() + 8, cell.bottom() - 8);
    };
    EXPECT_EQ(colourAt(1, 1), ToQColor(colours.cursor));
    EXPECT_EQ(colourAt(1, 2), ToQColor(colours.word));
    EXPECT_EQ(colourAt(1, 4), Qt::white);   // the next word is not highlighted
    EXPECT_EQ(colourAt(2, 1), Qt::white);

    // The letter stays visible over the cursor.
    Type(QStringLiteral("a"));
    Press(Qt::Key_Left);
    const QImage typed = view->grab().toImage();
    const QRect cell = view->CellRect(1, 1);
    int letterPixels = 0;
    for (int y = cell.top() + 6; y < cell.bottom() - 5; ++y)
        for (int x = cell.left() + 6; x < cell.right() - 5; ++x)
            if (qGray(typed.pixel(x, y)) < 60) ++letterPixels;
    EXPECT_GT(letterPixels, 20);
}

TEST_F(ViewKeyboard, LettersAndFoldedAccentsGoTheWayOfThePicker) {
    ShowMarks();
    CursorAt(1, 4, Direction::Across);
    host.calls.clear();
    std::vector<char> cellAtSound;
    host.onCall = [&](const std::string& call) {
        if (call.rfind("Sound", 0) == 0) cellAtSound.push_back(Player(1, 4));
    };
    Type(QStringLiteral("ç"));
    EXPECT_EQ(Player(1, 4), 'C');
    EXPECT_EQ(Where(), "1,5 H");  // the next cell of the word
    EXPECT_FALSE(doc->ShowWrongCells());
    EXPECT_FALSE(doc->ShowSolution());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(cellAtSound, (std::vector<char>{0}));  // the sound comes first
    Type(QStringLiteral("D"));
    EXPECT_EQ(Where(), "1,5 H");  // the end of the word: it stays
    EXPECT_EQ(host.calls, (Calls{"Sound bip.wav", "Sound bip.wav"}));

    // Every accent French writes folds to its letter.
    const QString accented = QStringLiteral("àâäéèêëîïôöûùüçÉÀÇŒ");
    std::string folded;
    for (QChar c : accented) folded += FoldLetter(c.unicode()) ? FoldLetter(c.unicode()) : '-';
    EXPECT_EQ(folded, "AAAEEEEIIOOUUUCEAC-");

    // The last right letter: its sound, the fanfare, the box, as the picker.
    FillFromSolution(*doc, [](int r, int c) { return r != 6 || c != 5; });
    CursorAt(6, 5, Direction::Across);
    host.calls.clear();
    Type(QStringLiteral("e"));
    EXPECT_EQ(host.calls, (Calls{"Sound bip.wav", "Sound victoire.wav", "Victory"}));
}

TEST_F(ViewKeyboard, ArrowsSkipBlackSquaresAndSwitchDirectionFirst) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(Where(), "1,1 H");
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);  // over the black square (1, 3)
    EXPECT_EQ(Where(), "1,4 H");
    Press(Qt::Key_Down);  // across the direction: switches only
    EXPECT_EQ(Where(), "1,4 V");
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);  // over (4, 4)
    EXPECT_EQ(Where(), "5,4 V");
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);  // the edge: it stays
    EXPECT_EQ(Where(), "6,4 V");
    Press(Qt::Key_Left);
    EXPECT_EQ(Where(), "6,4 H");
    Press(Qt::Key_Left);
    Press(Qt::Key_Left);
    Press(Qt::Key_Left);  // (6, 1) is black: nothing white that way
    EXPECT_EQ(Where(), "6,2 H");
    Press(Qt::Key_Space);
    EXPECT_EQ(Where(), "6,2 V");
    Press(Qt::Key_Return);
    EXPECT_EQ(Where(), "6,2 H");
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ViewKeyboard, BackspaceEmptiesAndStepsBackDeleteEmptiesInPlace) {
    CursorAt(2, 1, Direction::Across);
    Type(QStringLiteral("bel"));
    EXPECT_EQ(Where(), "2,4 H");
    host.calls.clear();
    Press(Qt::Key_Backspace);  // (2, 4) is empty: back to (2, 3) and empty it
    EXPECT_EQ(Player(2, 3), 0);
    EXPECT_EQ(Where(), "2,3 H");
    Press(Qt::Key_Backspace);
    EXPECT_EQ(Player(2, 2), 0);
    EXPECT_EQ(Where(), "2,2 H");
    EXPECT_EQ(host.calls, (Calls{"Sound tiou.wav", "Sound tiou.wav"}));

    // A full cell is emptied where it is, then the cursor steps back.
    Type(QStringLiteral("e"));
    Press(Qt::Key_Left);
    Press(Qt::Key_Backspace);
    EXPECT_EQ(Player(2, 2), 0);
    EXPECT_EQ(Where(), "2,1 H");
    Press(Qt::Key_Delete);
    EXPECT_EQ(Player(2, 1), 0);
    EXPECT_EQ(Where(), "2,1 H");
    // Nothing left to empty: no sound, no step.
    host.calls.clear();
    Press(Qt::Key_Delete);
    Press(Qt::Key_Backspace);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(Where(), "2,1 H");
}

TEST_F(ViewKeyboard, TabFollowsTheClueNumberingAndShiftTabGoesBack) {
    Press(Qt::Key_Tab);
    std::vector<std::string> order{Where()};
    for (int i = 0; i < 20; ++i) {
        Press(Qt::Key_Tab);
        order.push_back(Where());
    }
    // Across row by row, then down column by column, each word at its
    // first cell; the single letters (3, 6) and (6, 3) are typed with the
    // words that cross them.
    EXPECT_EQ(order, (std::vector<std::string>{
                         "1,1 H", "1,4 H", "2,1 H", "3,2 H", "4,1 H", "4,5 H", "5,1 H", "5,4 H",
                         "6,2 H", "1,1 V", "4,1 V", "1,2 V", "2,3 V", "1,4 V", "5,4 V", "1,5 V",
                         "4,5 V", "2,6 V", "1,1 H", "1,4 H", "2,1 H"}));
    Press(Qt::Key_Backtab);
    Press(Qt::Key_Tab, {}, Qt::ShiftModifier);
    EXPECT_EQ(Where(), "1,1 H");
    Press(Qt::Key_Backtab);  // wraps round to the last word
    EXPECT_EQ(Where(), "2,6 V");

    // A word partly filled is entered at its first empty cell.
    doc->PlaceLetter(1, 1, 'A');
    Press(Qt::Key_Tab);
    EXPECT_EQ(Where(), "1,2 H");
}

TEST_F(ViewKeyboard, UndoAndRedoGiveBackTheExactLettersAndMarks) {
    ShowMarks();
    const std::vector<std::string> marked = PlayerRows(*doc);
    CursorAt(5, 1, Direction::Across);  // the wrong Z
    Type(QStringLiteral("r"));
    EXPECT_FALSE(doc->ShowWrongCells());
    Type(QStringLiteral("x"));
    const std::vector<std::string> typed = PlayerRows(*doc);

    view->OnEditUndo();
    EXPECT_EQ(Player(5, 2), 0);
    EXPECT_FALSE(doc->ShowWrongCells());
    view->OnEditUndo();
    EXPECT_EQ(PlayerRows(*doc), marked);
    EXPECT_TRUE(doc->ShowWrongCells());   // the marks as they were
    EXPECT_FALSE(doc->ShowSolution());    // the solution is not handed back
    EXPECT_EQ(Where(), "5,1 H");          // where the letters changed
    CCmdUI ui;
    ui.m_nID = ID_EDIT_UNDO;
    view->CommandMap().Update(ui);
    EXPECT_FALSE(ui.m_bEnabled);

    view->OnEditRedo();
    view->OnEditRedo();
    EXPECT_EQ(PlayerRows(*doc), typed);
    EXPECT_FALSE(doc->ShowWrongCells());
    ui.m_nID = ID_EDIT_REDO;
    view->CommandMap().Update(ui);
    EXPECT_FALSE(ui.m_bEnabled);

    // A new step forgets what could be redone; the picker's steps count.
    view->OnEditUndo();
    host.picker = {LetterKey('Q')};
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, view->CellRect(2, 3).center());
    EXPECT_EQ(Player(2, 3), 'Q');
    EXPECT_EQ(Where(), "2,3 H");  // the click made the cell current
    EXPECT_FALSE(doc->CanRedo());
    view->OnEditUndo();
    EXPECT_EQ(Player(2, 3), 'L');

    // "Effacer" is one step; opening a grid forgets every step.
    doc->OnEffacer();
    view->OnEditUndo();
    EXPECT_EQ(Player(2, 3), 'L');
    EXPECT_TRUE(doc->CanUndo());
    OpenReadyGrid(*doc, kGrid);
    EXPECT_FALSE(doc->CanUndo());
    view->grab();
    EXPECT_FALSE(view->Cursor().Active());  // another grid, no cursor
}

TEST_F(ViewKeyboard, NothingReactsDuringAComputationOrInMoveMode) {
    Press(Qt::Key_Tab);
    Type(QStringLiteral("a"));
    view->OnViewMove();
    host.calls.clear();
    EXPECT_FALSE(Press(Qt::Key_B, QStringLiteral("b")));
    EXPECT_FALSE(Press(Qt::Key_Right));
    EXPECT_EQ(Where(), "1,2 H");
    EXPECT_EQ(Player(1, 2), 0);
    view->OnViewMove();

    // While the next grid is computed, keys and undo change nothing.
    int tries = 0;
    docHost.onCall = [&](const FakeHost::Call& call) {
        if (call.name != "ProgressChanged" || tries++ > 0) return;
        EXPECT_TRUE(doc->IsComputing());
        EXPECT_FALSE(Press(Qt::Key_C, QStringLiteral("c")));
        EXPECT_FALSE(Press(Qt::Key_Tab));
        EXPECT_FALSE(Press(Qt::Key_Backspace));
        view->OnEditUndo();
        CCmdUI ui;
        ui.m_nID = ID_EDIT_UNDO;
        view->CommandMap().Update(ui);
        EXPECT_FALSE(ui.m_bEnabled);
    };
    doc->SetModifiedFlag(false);
    doc->Compute(Choice(SmallDictionaryPath(), 6, 0));
    EXPECT_GT(tries, 0);
    ASSERT_TRUE(doc->GridReady());
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_EQ(doc->CountFilledCells(), 0u);
    view->grab();
    EXPECT_FALSE(view->Cursor().Active());
}

TEST(Highlight, EveryColourSetGetsAVisibleHighlightThatKeepsLettersReadable) {
    // Backgrounds and letters over the whole colour cube, wherever the
    // player could read the letters to begin with.
    int pairs = 0;
    for (int b = 0; b < 216; ++b)
        for (int l = 0; l < 216; ++l) {
            auto level = [](int v) { return v * 51; };
            const COLORREF bg = MakeColorRef(level(b % 6), level(b / 6 % 6), level(b / 36));
            const COLORREF fg = MakeColorRef(level(l % 6), level(l / 6 % 6), level(l / 36));
            const double readable = ContrastRatio(bg, fg);
            if (readable < 3.0) continue;
            ++pairs;
            const CHighlightColours h = HighlightColours(bg, fg);
            ASSERT_GE(ColourDistance(h.word, bg), 30) << std::hex << bg << " " << fg;
            ASSERT_GE(ColourDistance(h.cursor, h.word), 25) << std::hex << bg << " " << fg;
            ASSERT_GE(ContrastRatio(fg, h.cursor), std::min(readable, 4.5) * 0.6)
                << std::hex << bg << " " << fg;
            ASSERT_GE(ColourDistance(h.outline, h.cursor), 60) << std::hex << bg << " " << fg;
        }
    EXPECT_GT(pairs, 10000);
    // The defaults: black on white gets the blue.
    const CHighlightColours d = HighlightColours(MakeColorRef(255, 255, 255), 0);
    EXPECT_GT(BlueOf(d.word), RedOf(d.word));
}

}  // namespace
}  // namespace verbal::test
