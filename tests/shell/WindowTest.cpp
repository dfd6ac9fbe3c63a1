// The main window as the user follows it: its title, the "Fenêtre" list of
// grid windows, and the clue box that must not outlive its grid.
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "Codepage.h"
#include "ConfirmDlg.h"
#include "Documents.h"
#include "QtViewHost.h"
#include "ShellFixture.h"
#include "SmallDialogs.h"

namespace verbal::test {
namespace {

const std::vector<std::string> kGrid = {
    "AB#CD#", "BELLES", "#SAC#U", "OUI#AN", "RE#ODE", "#SIRE#",
};

class Window : public ShellTest {
protected:
    QString Path(const QString& name) const {
        return QDir(QString::fromStdString(folder.Path())).filePath(name);
    }
    // A grid saved under |name| in the test's folder, then closed.
    QString SavedGrid(const QString& name) {
        OpenReadyGrid(*Doc(), kGrid, [](CGrid& grid) { grid.m_astrClues[0][0] = "Deux lettres"; });
        const QString path = Path(name);
        EXPECT_TRUE(Doc()->SaveGrid(QFile::encodeName(path).toStdString()));
        return path;
    }
    // The "Fenêtre" menu as it shows when opened: "text|checked" per window.
    QStringList WindowList() const {
        QMenu* menu = frame->WindowMenu();
        emit menu->aboutToShow();
        QStringList items;
        bool listed = false;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                listed = true;
                continue;
            }
            if (listed) items << action->text() + (action->isChecked() ? "|x" : "|");
        }
        return items;
    }
    QPoint Centre(int row, int col) const { return View()->CellRect(row, col).center(); }
    shell::CDefinitionsDlg* ClueBox(shell::CChildFrame* child = nullptr) const {
        return (child ? child : Child())->ViewHost()->DefinitionsBox();
    }
    // A ready grid shown in the active window, and its clue box opened.
    void ShowClueBox() {
        OpenReadyGrid(*Doc(), kGrid, [](CGrid& grid) { grid.m_astrClues[0][0] = "Deux lettres"; });
        View()->grab();
        QTest::mouseClick(View(), Qt::RightButton, Qt::NoModifier, Centre(1, 1));
        ASSERT_TRUE(ClueBox());
    }
    TempDir folder;
};

TEST_F(Window, TitleNamesTheActiveGridOnceThroughOpenNewTileAndClose) {
    const QString path = SavedGrid("partie1.vbg");
    Child()->CloseWithoutAsking();
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000");

    app->AddToRecentFileList(QFileInfo(path).canonicalFilePath());
    frame->RouteCommand(ID_FILE_MRU_FILE1);
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [partie1.vbg]");

    frame->RouteCommand(ID_FILE_NEW);
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [GrilleNr2]");

    frame->RouteCommand(ID_WINDOW_TILE_HORZ);
    Settle();
    EXPECT_FALSE(Child()->isMaximized());
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [GrilleNr2]");
    // Activating the other tiled window names it.
    frame->MdiArea()->setActiveSubWindow(frame->Children()[0]);
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [partie1.vbg]");
    frame->MdiArea()->setActiveSubWindow(frame->Children()[1]);
    Child()->showMaximized();
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [GrilleNr2]");
    Child()->showNormal();
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [GrilleNr2]");
    Child()->showMaximized();
    Settle();

    // Closing it gives the title to the window left.
    frame->RouteCommand(ID_FILE_CLOSE);
    Settle();
    ASSERT_EQ(frame->Children().size(), 1);
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [partie1.vbg]");
    frame->RouteCommand(ID_FILE_CLOSE);
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000");
}

TEST_F(Window, TitleMarksUnsavedChangesUntilTheGridIsSaved) {
    const QString path = SavedGrid("marque.vbg");
    ASSERT_TRUE(app->OpenDocumentFile(path));
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [marque.vbg]");

    // A letter placed with the picker.
    answer = [](QDialog& d) {
        if (auto* picker = qobject_cast<shell::CLetterDlg*>(&d)) {
            static_cast<QPushButton*>(picker->GetDlgItem(shell::CLetterDlg::LetterId('Q')))->click();
            return picker->result();
        }
        return DefaultAnswer(d);
    };
    View()->grab();
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, Centre(2, 3));
    Settle();
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [marque.vbg*]");
    EXPECT_TRUE(Child()->isWindowModified());

    // The mark follows the active window: the first, untouched, has none.
    frame->MdiArea()->setActiveSubWindow(frame->Children()[0]);
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [GrilleNr1]");
    frame->MdiArea()->setActiveSubWindow(frame->Children()[1]);
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [marque.vbg*]");

    frame->RouteCommand(ID_FILE_SAVE);
    Settle();
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [marque.vbg]");
}

TEST_F(Window, FileNamesShowAsWrittenInTitleAndWindowList) {
    // "[*]" marks the place of the modified mark and '&' a key: a file
    // may hold both.
    const QString path = SavedGrid("a[*]&b.vbg");
    ASSERT_TRUE(app->OpenDocumentFile(path));
    Doc()->SetModifiedFlag();
    Settle();
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [a[*]&b.vbg*]");
    EXPECT_EQ(WindowList(), QStringList({"&1 GrilleNr1|", "&2 a[*]&&b.vbg|x"}));
}

TEST_F(Window, WindowMenuListsEveryGridWindowAndActivatesTheChosenOne) {
    frame->RouteCommand(ID_FILE_NEW);
    frame->RouteCommand(ID_FILE_NEW);
    Settle();
    EXPECT_EQ(WindowList(), QStringList({"&1 GrilleNr1|", "&2 GrilleNr2|", "&3 GrilleNr3|x"}));

    // Choosing the first brings it in front, still maximised.
    emit frame->WindowMenu()->aboutToShow();
    QAction* first = nullptr;
    for (QAction* action : frame->WindowMenu()->actions())
        if (action->data().toInt() == ID_WINDOW_FIRST) first = action;
    ASSERT_TRUE(first);
    EXPECT_EQ(first->statusTip(), "Active cette fenêtre");
    first->trigger();
    Settle();
    EXPECT_EQ(Child()->Title(), "GrilleNr1");
    EXPECT_TRUE(Child()->isMaximized());
    EXPECT_EQ(ShownTitle(), "Verbaline 2000 - [GrilleNr1]");
    EXPECT_EQ(WindowList(), QStringList({"&1 GrilleNr1|x", "&2 GrilleNr2|", "&3 GrilleNr3|"}));

    // A closed window leaves the list, and the numbers close up.
    frame->RouteCommand(ID_FILE_CLOSE);
    Settle();
    EXPECT_EQ(WindowList().size(), 2);
    EXPECT_TRUE(WindowList()[0].startsWith("&1 GrilleNr2|"));
    EXPECT_FALSE(frame->RouteCommand(ID_WINDOW_FIRST + 2));
}

TEST_F(Window, ClueBoxClosesWhenThePointerLeavesTheView) {
    ShowClueBox();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(View(), &leave);
    EXPECT_EQ(ClueBox(), nullptr);
    EXPECT_FALSE(View()->m_bDefBoxShown);
}

TEST_F(Window, ClueBoxClosesWhenAComputationOrAnOpeningStarts) {
    ShowClueBox();
    // The computation's first question finds the box gone.
    bool boxDuringQuestion = true;
    answer = [this, &boxDuringQuestion](QDialog& d) {
        boxDuringQuestion = ClueBox() != nullptr;
        return DefaultAnswer(d);
    };
    frame->RouteCommand(ID_GRID_COMPUTE);
    EXPECT_FALSE(boxDuringQuestion);
    EXPECT_EQ(ClueBox(), nullptr);

    ShowClueBox();
    frame->RouteCommand(ID_FILE_OPEN);  // the file dialog is cancelled
    EXPECT_EQ(events.back(), "open dialog");
    EXPECT_EQ(ClueBox(), nullptr);
}

TEST_F(Window, ClueBoxClosesWhenItsWindowIsNoLongerActive) {
    ShowClueBox();
    shell::CChildFrame* first = Child();
    frame->RouteCommand(ID_FILE_NEW);
    Settle();
    EXPECT_EQ(ClueBox(first), nullptr);

    frame->MdiArea()->setActiveSubWindow(first);
    Settle();
    ShowClueBox();
    // Another program's window comes in front.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    Settle();
    if (frame->isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
    EXPECT_EQ(ClueBox(first), nullptr);
}

TEST_F(Window, RightClickOnALineBetweenCellsShowsNothing) {
    OpenReadyGrid(*Doc(), kGrid);
    View()->grab();
    const QRect cell = View()->CellRect(2, 2);
    // On the line left of the cell, and on the grid's inner corner.
    for (const QPoint p : {QPoint(cell.left(), cell.center().y()), cell.topLeft()}) {
        QTest::mouseClick(View(), Qt::RightButton, Qt::NoModifier, p);
        EXPECT_EQ(ClueBox(), nullptr) << p.x() << "," << p.y();
        EXPECT_FALSE(View()->m_bDefBoxShown);
    }
    // A right click inside a cell still shows its clues.
    QTest::mouseClick(View(), Qt::RightButton, Qt::NoModifier, cell.center());
    EXPECT_NE(ClueBox(), nullptr);
    // Then one on a line closes that box and opens none.
    QTest::mouseClick(View(), Qt::RightButton, Qt::NoModifier, cell.topLeft());
    EXPECT_EQ(ClueBox(), nullptr);
}

}  // namespace
}  // namespace verbal::test
