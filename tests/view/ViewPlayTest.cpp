// The player's mouse on the grid window, with dialogs answered by a script.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <deque>
#include <memory>

#include "Codepage.h"
#include "Documents.h"
#include "FakeHost.h"
#include "FakeViewHost.h"
#include "GridText.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::test {
namespace {

// Row 1 is A, B, black, C, D, black; column 6 reads black, S, U, N, E, black.
const std::vector<std::string> kGrid = {
    "AB#CD#", "BELLES", "#SAC#U", "OUI#AN", "RE#ODE", "#SIRE#",
};

using Calls = std::vector<std::string>;

class ViewPlay : public ::testing::Test {
protected:
    void SetUp() override {
        // Clues "H<row>.<word>" and "V<column>.<word>", but the first one.
        doc = ReadyDocument(kGrid, &docHost,
                            [](CGrid& grid) { grid.m_astrClues[0][0] = W("Première lettre"); });

        view = std::make_unique<CVerbalineView>(doc.get());
        view->SetViewHost(&host);
        static const char* const kSounds[6] = {"zip.wav",  "tuttut.wav", "ding.wav",
                                               "tiou.wav", "bip.wav",    "victoire.wav"};
        for (int i = 0; i < 6; ++i) view->m_settings.m_strSoundFile[i] = std::string("/s/") + kSounds[i];
        view->resize(600, 500);
        view->show();
        view->grab();  // clicks are judged against the last paint
        doc->SetModifiedFlag(false);
    }

    QPoint Centre(int row, int col) const { return view->CellRect(row, col).center(); }
    void Click(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(view.get(), button, Qt::NoModifier, p);
    }
    void ClickCell(int row, int col) { Click(Centre(row, col)); }
    void Send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, p, view->mapToGlobal(p), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &event);
    }
    void MoveTo(QPoint p, Qt::MouseButtons buttons = Qt::NoButton) {
        Send(QEvent::MouseMove, p, Qt::NoButton, buttons);
    }
    char Player(int row, int col) const { return doc->PlayerCell(row, col); }
    // Every white cell but (row, col) gets its right letter.
    void FillAllBut(int row, int col) {
        FillFromSolution(*doc, [&](int r, int c) { return r != row || c != col; });
    }
    void ShowMarksAndSolution() {
        GrantMarksAndSolution(*doc, docHost, 1, 1);
        ASSERT_TRUE(doc->ShowWrongCells());
        ASSERT_TRUE(doc->ShowSolution());
    }

    FakeViewHost host;
    FakeHost docHost;
    std::unique_ptr<CVerbalineDoc> doc;
    std::unique_ptr<CVerbalineView> view;
};

TEST_F(ViewPlay, HitTestingFindsCellsAndIgnoresLatticeLines) {
    EXPECT_EQ(view->HitTestCell(Centre(2, 3)), (CPoint{3, 2}));
    EXPECT_EQ(view->HitTestCell(QPoint(81, 61)), (CPoint{1, 1}));
    EXPECT_EQ(view->HitTestCell(QPoint(104, 84)), (CPoint{1, 1}));
    // On the line between columns 1 and 2, on the outer line, outside.
    EXPECT_EQ(view->HitTestCell(QPoint(105, 70)), (CPoint{21, 21}));
    EXPECT_EQ(view->HitTestCell(QPoint(80, 70)), (CPoint{21, 21}));
    EXPECT_EQ(view->HitTestCell(QPoint(20, 20)), (CPoint{21, 21}));
    EXPECT_TRUE(view->IsInGridArea(QPoint(81, 61)));
    EXPECT_FALSE(view->IsInGridArea(QPoint(80, 61)));
    EXPECT_FALSE(view->IsInGridArea(QPoint(80 + 150, 100)));
    EXPECT_TRUE(view->IsInGridArea(QPoint(80 + 149, 100)));
}

TEST_F(ViewPlay, WordNumbersCountRunsAndBlackSquaresTakeTheNextWord) {
    // A, B, black, C, D, black.
    EXPECT_EQ(view->HorizontalWordNumber(1, 1), 1);
    EXPECT_EQ(view->HorizontalWordNumber(1, 2), 1);
    EXPECT_EQ(view->HorizontalWordNumber(1, 3), 2);
    EXPECT_EQ(view->HorizontalWordNumber(1, 5), 2);
    EXPECT_EQ(view->HorizontalWordNumber(1, 6), 0);
    // Row 4 "OUI#AN", column 6 black, S, U, N, E, black.
    EXPECT_EQ(view->HorizontalWordNumber(4, 6), 2);
    EXPECT_EQ(view->VerticalWordNumber(1, 6), 1);
    EXPECT_EQ(view->VerticalWordNumber(5, 6), 1);
    EXPECT_EQ(view->VerticalWordNumber(6, 6), 0);
    // Column 1: A, B, black, O, R, black.
    EXPECT_EQ(view->VerticalWordNumber(4, 1), 2);
    EXPECT_EQ(view->HorizontalWordNumber(0, 1), 0);
    EXPECT_EQ(view->HorizontalWordNumber(21, 1), 0);
    EXPECT_EQ(view->VerticalWordNumber(1, 21), 0);
    EXPECT_EQ(view->HorizontalWordNumber(1, 21), 0);
}

TEST_F(ViewPlay, PickerPlacesErasesOrCancelsWithItsSoundBeforeTheCellChanges) {
    std::vector<char> cellAtSound;
    host.onCall = [&](const std::string& call) {
        if (call.rfind("Sound", 0) == 0) cellAtSound.push_back(Player(2, 3));
    };
    host.picker = {LetterKey('Q'), LetterKey('L'), kEraseKey};
    ClickCell(2, 3);
    EXPECT_EQ(Player(2, 3), 'Q');
    EXPECT_TRUE(doc->IsModified());
    ClickCell(2, 3);
    EXPECT_EQ(Player(2, 3), 'L');
    ClickCell(2, 3);
    EXPECT_EQ(Player(2, 3), 0);
    EXPECT_EQ(host.calls, (Calls{"Picker", "Sound bip.wav", "Picker", "Sound bip.wav", "Picker",
                                 "Sound tiou.wav"}));
    EXPECT_EQ(cellAtSound, (std::vector<char>{0, 'Q', 'L'}));
    EXPECT_EQ(host.pickerPoints[0], view->mapToGlobal(Centre(2, 3)));

    // "Annuler", and Escape (or the close box), both keep the letter.
    doc->PlaceLetter(2, 3, 'L');
    host.calls.clear();
    host.picker = {kCancelKey, kEscape};
    ClickCell(2, 3);
    ClickCell(2, 3);
    EXPECT_EQ(Player(2, 3), 'L');
    EXPECT_EQ(host.calls, (Calls{"Picker", "Sound ding.wav", "Picker", "Sound ding.wav"}));
}

TEST_F(ViewPlay, LatticeLinesAndBlackSquaresOpenThePickerButChangeNothing) {
    const std::vector<std::string> before = PlayerRows(*doc);
    host.picker = {LetterKey('Z'), LetterKey('Z')};
    Click(QPoint(80 + 25, 60 + 10));  // the line between columns 1 and 2
    EXPECT_EQ(view->m_ptHitCell, (CPoint{21, 21}));
    ClickCell(1, 3);                  // a black square
    EXPECT_EQ(PlayerRows(*doc), before);
    EXPECT_EQ(Player(1, 3), ' ');
    EXPECT_EQ(host.calls, (Calls{"Picker", "Sound bip.wav", "Picker", "Sound bip.wav"}));
}

TEST_F(ViewPlay, ClicksOutsideTheCellsOnlyEndTheHelpDisplay) {
    ShowMarksAndSolution();
    Click(QPoint(30, 30));
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(doc->ShowWrongCells());
    EXPECT_FALSE(doc->ShowSolution());
    EXPECT_FALSE(doc->IsModified());

    // No grid drawn: the welcome grid takes no letter either.
    auto empty = NewDocument(nullptr);
    CVerbalineView welcome(empty.get());
    welcome.SetViewHost(&host);
    welcome.resize(600, 500);
    welcome.grab();
    QTest::mouseClick(&welcome, Qt::LeftButton, Qt::NoModifier, welcome.CellRect(2, 2).center());
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(empty->IsModified());
}

TEST_F(ViewPlay, SoundsSetToAucunAreSkippedButTheOthersStillPlay) {
    FillAllBut(2, 2);
    view->m_settings.m_strSoundFile[4] = "Aucun";
    host.picker = {LetterKey('E')};
    ClickCell(2, 2);
    EXPECT_EQ(host.calls, (Calls{"Picker", "Sound victoire.wav", "Victory"}));

    // Only the exact word switches a sound off.
    view->m_settings.m_strSoundFile[2] = "aucun";
    host.calls.clear();
    host.picker = {kCancelKey};
    ClickCell(2, 2);
    EXPECT_EQ(host.calls, (Calls{"Picker", "Sound aucun"}));
}

TEST_F(ViewPlay, RightClickFillsTheDefinitionsBoxFromTheClues) {
    view->m_settings.m_nDefBoxPosition = 3;
    Click(Centre(1, 2), Qt::RightButton);  // B
    Click(Centre(1, 5), Qt::RightButton);  // D
    Click(Centre(1, 3), Qt::RightButton);  // the black square between
    ASSERT_EQ(host.boxes.size(), 3u);
    const CDefinitionsData& b = host.boxes[0];
    EXPECT_EQ(b.m_nRow, 1);
    EXPECT_EQ(b.m_nColumn, 2);
    EXPECT_EQ(b.m_nHorizWord, 1);
    EXPECT_EQ(b.m_nVertWord, 1);
    EXPECT_EQ(b.m_strHorizClue, "Première lettre");
    EXPECT_EQ(b.m_strVertClue, "V2.1");
    EXPECT_EQ(host.boxes[1].m_nHorizWord, 2);
    EXPECT_EQ(host.boxes[1].m_strHorizClue, "H1.2");
    EXPECT_EQ(host.boxes[2].m_nHorizWord, 2);
    EXPECT_EQ(host.boxes[2].m_strHorizClue, "H1.2");
    EXPECT_EQ(host.boxPositions, (std::vector<int>{3, 3, 3}));
    // Each right click replaces the box.
    EXPECT_EQ(host.calls, (Calls{"CreateBox", "DestroyBox", "CreateBox", "DestroyBox",
                                 "CreateBox"}));
}

TEST_F(ViewPlay, BlackSquareAtTheEndOfARowGivesTheMessageAndLatticeLinesNothing) {
    const QString missed = QStringLiteral("Vous avez mal pointé la case !");
    Click(Centre(1, 6), Qt::RightButton);
    const CDefinitionsData& end = host.boxes.back();
    EXPECT_EQ(end.m_nHorizWord, 0);
    EXPECT_EQ(end.m_strHorizClue, missed);
    EXPECT_EQ(end.m_nVertWord, 1);  // the word below it
    EXPECT_EQ(end.m_strVertClue, "V6.1");

    // A line between cells belongs to no cell: the box goes, none comes.
    Click(QPoint(80 + 50, 60 + 60), Qt::RightButton);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_FALSE(view->m_bDefBoxShown);
    EXPECT_EQ(host.calls, (Calls{"CreateBox", "DestroyBox"}));

    // Outside the cells, no box.
    Click(QPoint(30, 30), Qt::RightButton);
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(ViewPlay, PointerLeavingTheCellsClosesTheBoxAndComingBackHidesTheSolution) {
    Click(Centre(2, 2), Qt::RightButton);
    MoveTo(Centre(3, 3));
    EXPECT_TRUE(view->m_bDefBoxShown);
    MoveTo(QPoint(30, 30));
    EXPECT_FALSE(view->m_bDefBoxShown);
    MoveTo(QPoint(31, 30));
    EXPECT_EQ(host.calls, (Calls{"CreateBox", "DestroyBox"}));

    doc->ToggleSolution();
    MoveTo(QPoint(32, 30));
    EXPECT_TRUE(doc->ShowSolution());
    MoveTo(Centre(4, 4));
    EXPECT_FALSE(doc->ShowSolution());
}

TEST_F(ViewPlay, MoveModeAllowsOneDragAndPlacesNoLetter) {
    view->OnViewMove();
    CCmdUI ui;
    ui.m_nID = ID_VIEW_MOVE;
    view->CommandMap().Update(ui);
    EXPECT_EQ(ui.m_nCheck, 1);

    // A click outside the frame only ends the mode.
    Click(QPoint(20, 20));
    EXPECT_FALSE(view->m_bMoveMode);
    EXPECT_TRUE(host.calls.empty());

    view->OnViewMove();
    const QPoint start = Centre(3, 3);
    MoveTo(start);
    EXPECT_EQ(view->CursorState(), 2);
    EXPECT_EQ(view->cursor().shape(), Qt::SizeAllCursor);
    Send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    MoveTo(start + QPoint(30, 20), Qt::LeftButton);
    MoveTo(start + QPoint(40, 25), Qt::LeftButton);
    EXPECT_EQ(doc->GridOrigin(), (CPoint{120, 85}));
    EXPECT_EQ(view->m_ptDefaultOrigin, (CPoint{120, 85}));
    // With the right button too, nothing moves.
    MoveTo(start + QPoint(60, 60), Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(doc->GridOrigin(), (CPoint{120, 85}));
    Send(QEvent::MouseButtonRelease, start + QPoint(40, 25), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(view->m_bMoveMode);
    EXPECT_EQ(view->CursorState(), 1);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(doc->IsModified());

    // The next paint draws the grid at its new place.
    view->grab();
    EXPECT_EQ(view->CellRect(1, 1).topLeft(), QPoint(120, 85));
}

TEST_F(ViewPlay, ActualiserBringsTheGridBackAndHidesTheHelp) {
    doc->SetGridOrigin(CPoint{300, 200});
    ShowMarksAndSolution();
    view->grab();
    view->OnViewRefresh();
    EXPECT_EQ(doc->GridOrigin(), (CPoint{80, 60}));
    EXPECT_EQ(view->m_ptDefaultOrigin, (CPoint{80, 60}));
    EXPECT_FALSE(doc->ShowWrongCells());
    EXPECT_FALSE(doc->ShowSolution());
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(ViewPlay, GridInformationShowsTheCountsAndTheQuality) {
    doc->PlaceLetter(1, 1, 'A');
    doc->PlaceLetter(1, 2, 'X');
    view->OnGridInfo();
    ASSERT_EQ(host.infos.size(), 1u);
    const CGridInfoData& info = host.infos[0];
    EXPECT_EQ(info.m_nTotalCells, 36);
    EXPECT_EQ(info.m_nBlackSquares, 8);
    EXPECT_EQ(info.m_nFilledCells, 2);
    EXPECT_EQ(info.m_nCellsToFill, 26);
    EXPECT_EQ(Cp1252ToUtf8(info.m_strExtraLabel), "Qualité de la grille:");
    EXPECT_EQ(info.m_nExtraValue, 2);
    EXPECT_EQ(info.m_strDictName, "Petit");

    // A window without a grid.
    auto empty = NewDocument(nullptr);
    CVerbalineView other(empty.get());
    other.SetViewHost(&host);
    CCmdUI ui;
    ui.m_nID = ID_GRID_INFO;
    other.CommandMap().Update(ui);
    EXPECT_FALSE(ui.m_bEnabled);
    other.OnGridInfo();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Cp1252ToUtf8(host.messages[0].caption), "Informations sur la grille :");
    EXPECT_EQ(host.infos.size(), 1u);
}

}  // namespace
}  // namespace verbal::test
