// Playing from the keyboard in the running program: the keys reach the grid
// through the window, the "Définitions" panel follows, and the "Édition"
// menu undoes and redoes.
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "CluePanel.h"
#include "Codepage.h"
#include "Documents.h"
#include "QtText.h"
#include "ShellFixture.h"

namespace verbal::test {
namespace {

// Row 1 is A, B, black, C, D, black; column 6 reads black, S, U, N, E, black.
const std::vector<std::string> kGrid = {
    "AB#CD#", "BELLES", "#SAC#U", "OUI#AN", "RE#ODE", "#SIRE#",
};

class KeyboardShell : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        OpenReadyGrid(*Doc(), kGrid, [](CGrid& grid) {
            grid.m_astrClues[0][0] = W("Deux lettres");
            // A hostile clue: markup and a line break stay plain text.
            grid.m_astrClues[1][0] = W("<b>Gras</b>\r\nsuite");
        });
        View()->m_settings.m_strSoundFile[3] = "/s/tiou.wav";
        View()->m_settings.m_strSoundFile[4] = "/s/bip.wav";
        View()->m_settings.m_strSoundFile[5] = "/s/victoire.wav";
        frame->show();
        panel = frame->CluePanel();
        View()->grab();
        Settle(20);
        View()->setFocus();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(View(), static_cast<Qt::Key>(key), modifiers);
    }
    // Characters as the keyboard layout gives them, accented ones included.
    void Type(const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(View(), &press);
        }
    }
    int IndexOf(Direction d, int line, int number) const {
        const auto& words = panel->Words();
        for (std::size_t i = 0; i < words.size(); ++i)
            if (words[i].direction == d && words[i].line == line && words[i].number == number)
                return static_cast<int>(i);
        return -1;
    }

    shell::CCluePanel* panel = nullptr;
};

TEST_F(KeyboardShell, PanelListsExactlyTheDocumentsCluesInOrder) {
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    const auto& words = panel->Words();
    ASSERT_EQ(words.size(), 20u);
    std::vector<std::string> listed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const CWordSpan& w = words[i];
        listed.push_back((w.direction == Direction::Across ? "H" : "V") + std::to_string(w.line) +
                         "." + std::to_string(w.number) + " " +
                         panel->ClueLabel(i)->text().toStdString());
    }
    // Every word of the grid, single letters included, across then down.
    std::vector<std::string> expected;
    for (Direction d : {Direction::Across, Direction::Down})
        for (int line = 1; line <= 6; ++line)
            for (const LineWord& w : Doc()->Words(d, line))
                expected.push_back((d == Direction::Across ? "H" : "V") + std::to_string(line) +
                                   "." + std::to_string(w.number) + " " +
                                   FromBytes(Doc()->Clue(d, line, w.number)).toStdString());
    expected[0] = "H1.1 Deux lettres";
    expected[2] = "H2.1 <b>Gras</b> suite";
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(panel->ClueLabel(2)->textFormat(), Qt::PlainText);

    // The headings and the row numbers are shown as the grid numbers them.
    QStringList texts;
    for (QLabel* label : panel->ScrollArea()->widget()->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Horizontalement")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Verticalement")));
    EXPECT_EQ(texts.count(QStringLiteral("6")), 2);  // row 6 and column 6
}

TEST_F(KeyboardShell, PanelFollowsTheCursorAndGreysFilledWords) {
    EXPECT_EQ(panel->CurrentIndex(), -1);
    Key(Qt::Key_Tab);  // shows the cursor on the first word
    EXPECT_EQ(panel->CurrentIndex(), IndexOf(Direction::Across, 1, 1));
    Type(QStringLiteral("ab"));
    EXPECT_TRUE(panel->IsGreyed(IndexOf(Direction::Across, 1, 1)));
    EXPECT_FALSE(panel->IsGreyed(IndexOf(Direction::Down, 1, 1)));
    Key(Qt::Key_Down);  // switches direction: the down word of (1, 2)
    EXPECT_EQ(panel->CurrentIndex(), IndexOf(Direction::Down, 2, 1));

    // A click on a clue takes the cursor to the first empty cell of its word.
    const int sune = IndexOf(Direction::Down, 6, 1);
    Doc()->PlaceLetter(2, 6, 'S');
    QTest::mouseClick(panel->ClueLabel(sune), Qt::LeftButton);
    EXPECT_EQ(View()->Cursor().Row(), 3);
    EXPECT_EQ(View()->Cursor().Column(), 6);
    EXPECT_EQ(View()->Cursor().Dir(), Direction::Down);
    EXPECT_EQ(panel->CurrentIndex(), sune);
    EXPECT_TRUE(View()->hasFocus() || !frame->isActiveWindow());
}

TEST_F(KeyboardShell, CurrentClueIsScrolledIntoView) {
    frame->resize(700, 400);
    Settle(20);
    Key(Qt::Key_Tab);
    for (int i = 0; i < 40 && panel->CurrentIndex() != static_cast<int>(panel->Words().size()) - 1; ++i)
        Key(Qt::Key_Backtab);
    ASSERT_GT(panel->CurrentIndex(), 0);
    Settle(20);
    QLabel* label = panel->ClueLabel(panel->CurrentIndex());
    const QRect inView(label->mapTo(panel->ScrollArea()->viewport(), QPoint(0, 0)), label->size());
    EXPECT_TRUE(panel->ScrollArea()->viewport()->rect().intersects(inView));
    EXPECT_GT(panel->ScrollArea()->verticalScrollBar()->value(), 0);
}

TEST_F(KeyboardShell, EditMenuUndoesAndRedoesWithItsKeys) {
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions()) titles << action->text();
    EXPECT_EQ(titles.value(0), QStringLiteral("&Fichier"));
    EXPECT_EQ(titles.value(1), QStringLiteral("&Édition"));
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));

    Key(Qt::Key_Tab);
    Type(QStringLiteral("aé"));  // é writes E
    EXPECT_EQ(Doc()->PlayerCell(1, 2), 'E');
    frame->UpdateCommandUI();
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));

    QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
    Settle(20);
    EXPECT_EQ(Doc()->PlayerCell(1, 2), 0);
    EXPECT_EQ(Doc()->PlayerCell(1, 1), 'A');
    QTest::keyClick(frame, Qt::Key_Y, Qt::ControlModifier);
    Settle(20);
    EXPECT_EQ(Doc()->PlayerCell(1, 2), 'E');
    QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
    Settle(20);
    EXPECT_EQ(Doc()->PlayerCell(1, 1), 0);
    QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    Settle(20);
    EXPECT_EQ(Doc()->PlayerCell(1, 1), 'A');

    // "Effacer" is one step.
    answer = [](QDialog& d) {
        d.show();
        QTest::keyClick(&d, Qt::Key_Return);  // "OUI"
        return d.result();
    };
    frame->RouteCommand(ID_GRID_ERASE);
    EXPECT_EQ(Doc()->CountFilledCells(), 0u);
    frame->RouteCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Doc()->PlayerCell(1, 1), 'A');
}

TEST_F(KeyboardShell, ATenByTenGridIsSolvedWithTheKeyboardAlone) {
    // verbal-cli generate --size 10 --quality 3 --seed 15
    OpenReadyGrid(*Doc(), {"FAT#ABBAYE", "IBIS#ERRE#", "NANA#TUTU#", "ASTICOTS#C",
                           "NOEL#NA#TH", "CU#LE#LOUE", "IRRITAIS#V", "ODER#ISERE",
                           "NIGAUDES#L", "SR#IRES#AU"});
    View()->grab();
    Settle(20);
    ASSERT_EQ(Doc()->GridSize(), 10);
    const int white = static_cast<int>(Doc()->CountCells() - Doc()->CountBlackSquares());

    // Tab to each word, type what it lacks; the panel shows each clue.
    auto won = [this] { return !dialogs.empty(); };
    Key(Qt::Key_Tab);
    for (int words = 0; words < 80 && !won(); ++words) {
        const CWordSpan word = View()->Cursor().CurrentWord(*Doc());
        ASSERT_GT(word.length, 0);
        EXPECT_EQ(panel->CurrentIndex(), IndexOf(word.direction, word.line, word.number));
        for (int i = word.IndexOf(View()->Cursor().Row(), View()->Cursor().Column());
             i < word.length && !won(); ++i) {
            if (Doc()->PlayerCell(word.Row(i), word.Column(i)) == 0) {
                Type(QString(QChar(Doc()->SolutionCell(word.Row(i), word.Column(i)))).toLower());
            } else if (i + 1 < word.length) {
                Key(word.direction == Direction::Across ? Qt::Key_Right : Qt::Key_Down);
            }
        }
        if (!won()) Key(Qt::Key_Tab);
    }
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(events.end() - 3, events.end()),
              (std::vector<std::string>{"sound bip.wav", "sound victoire.wav", "dialog Victoire"}));
    EXPECT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(Doc()->CountFilledCells(), static_cast<unsigned>(white));
    EXPECT_EQ(Doc()->CountWrongCells(), 0u);
}

TEST_F(KeyboardShell, PanelVisibilityIsRememberedBetweenRuns) {
    EXPECT_TRUE(panel->isVisible());
    frame->RouteCommand(ID_VIEW_CLUES);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(frame->CommandState(ID_VIEW_CLUES).m_nCheck, 0);

    // Closing the program keeps the choice; the next run starts with it.
    frame->close();
    Settle(20);
    app.reset();
    app = std::make_unique<shell::CVerbalineApp>();
    ASSERT_TRUE(app->InitInstance({}));
    frame = app->MainFrame();
    frame->show();
    Settle(20);
    EXPECT_TRUE(frame->CluePanel()->isHidden());
    frame->RouteCommand(ID_VIEW_CLUES);
    EXPECT_TRUE(frame->CluePanel()->isVisible());
    EXPECT_TRUE(shell::CCluePanel::SavedVisible());
}

}  // namespace
}  // namespace verbal::test
