// A grid larger than the window: the main window grows to show it where the
// screen has room, and the grid scrolls where it has not.
#include <QDir>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "Grid.h"
#include "ShellFixture.h"

namespace verbal::test {
namespace {

class Fit : public ShellTest {
protected:
    // A 20 x 20 grid saved to a file, then opened as "Ouvrir" would.
    void OpenTwentyByTwenty() {
        std::vector<std::string> rows;
        for (int r = 0; r < 20; ++r) {
            std::string row(20, 'A' + r % 26);
            row[(r * 7) % 20] = '#';
            rows.push_back(row);
        }
        OpenReadyGrid(*Doc(), rows);
        const QString path = QDir(QString::fromStdString(folder.Path())).filePath("vingt.vbg");
        fileAnswers.push_back(path);
        frame->RouteCommand(ID_FILE_SAVE_AS);
        ASSERT_TRUE(QFile::exists(path));
        Child()->CloseWithoutAsking();
        Settle();
        ASSERT_TRUE(frame->Children().isEmpty());
        ASSERT_TRUE(app->OpenDocumentFile(path));
        Settle(100);
        ASSERT_EQ(Doc()->GridSize(), 20);
    }
    QSize Room() const { return Child()->ScrollArea()->viewport()->size(); }
    TempDir folder;
};

TEST_F(Fit, GrownGeometryStaysInsideTheFreeArea) {
    const QRect screen(0, 30, 1000, 700);
    // Room enough: grown where it stands.
    EXPECT_EQ(shell::CMainFrame::GrownGeometry(QRect(100, 100, 700, 550), QSize(50, 80), screen),
              QRect(100, 100, 750, 630));
    // Past the bottom right corner: moved back inside.
    EXPECT_EQ(shell::CMainFrame::GrownGeometry(QRect(400, 300, 700, 550), QSize(0, 100), screen),
              QRect(300, 80, 700, 650));
    // Larger than the screen: cut to it.
    EXPECT_EQ(shell::CMainFrame::GrownGeometry(QRect(10, 40, 700, 550), QSize(900, 900), screen),
              screen);
    // Nothing missing, nothing shrinks.
    EXPECT_EQ(shell::CMainFrame::GrownGeometry(QRect(10, 40, 700, 550), QSize(-5, 0), screen),
              QRect(10, 40, 700, 550));
}

TEST_F(Fit, OpenedTwentyByTwentyShowsWholeOrScrollsWhereTheScreenEnds) {
    const QSize before = frame->size();
    OpenTwentyByTwenty();
    const QSize want = View()->ContentSize();
    // The last row and its frame are inside the picture the view asks for.
    EXPECT_GE(want.height(), View()->CellRect(20, 20).bottom() + 9);
    EXPECT_GE(want.width(), View()->CellRect(20, 20).right() + 9);
    EXPECT_EQ(View()->minimumSize(), want);

    const QRect free = frame->screen()->availableGeometry();
    const QRect outer = frame->frameGeometry();
    EXPECT_TRUE(free.contains(outer)) << outer.x() << "," << outer.y();
    // In each direction the grid shows whole, or the window already spans
    // the screen and a scroll bar reaches the rest.
    QScrollArea* area = Child()->ScrollArea();
    if (Room().width() < want.width()) {
        EXPECT_EQ(outer.width(), free.width());
        EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    }
    if (Room().height() < want.height()) {
        EXPECT_EQ(outer.height(), free.height());
        EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    }
    // The default window was too small for this grid: it grew.
    EXPECT_GT(frame->height(), before.height());
}

TEST_F(Fit, SmallerWindowScrollsToTheLastRowAndMoveModeStillWorks) {
    OpenTwentyByTwenty();
    frame->resize(420, 330);
    Settle();
    QScrollArea* area = Child()->ScrollArea();
    ASSERT_TRUE(area->verticalScrollBar()->isVisible());
    ASSERT_TRUE(area->horizontalScrollBar()->isVisible());
    // Scrolled to the end, the last cell is in the visible part.
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    Settle();
    const QRect visible = View()->visibleRegion().boundingRect();
    EXPECT_TRUE(visible.contains(View()->CellRect(20, 20))) << visible.bottom();

    // Moving the grid further asks for more room, which scrolls too.
    frame->RouteCommand(ID_VIEW_MOVE);
    ASSERT_TRUE(View()->m_bMoveMode);
    View()->grab();  // the frame's place as painted
    const QPoint inFrame = View()->CellRect(10, 10).center();
    View()->m_ptLastMouse = CPoint{inFrame.x(), inFrame.y()};
    View()->OnMouseMove(inFrame + QPoint(30, 40), true);
    EXPECT_EQ(Doc()->GridOrigin().x, 110);
    EXPECT_EQ(Doc()->GridOrigin().y, 100);
    View()->grab();
    Settle();
    EXPECT_EQ(View()->minimumSize(), View()->ContentSize());
    EXPECT_GE(View()->minimumHeight(), View()->CellRect(20, 20).bottom());
}

}  // namespace
}  // namespace verbal::test
