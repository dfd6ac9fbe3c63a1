// The player's mouse: letters through the picker, clues through the
// definitions box, the move gesture, and the view's own commands.
#include <QMouseEvent>
#include <cstring>

#include "Codepage.h"
#include "QtText.h"
#include "Sound.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal {
namespace {

constexpr int kCells = 20;
constexpr int kNoCell = 21;

}  // namespace

void CVerbalineView::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(p);
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(p);
    event->accept();
}

void CVerbalineView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) OnLButtonUp();
    event->accept();
}

void CVerbalineView::mouseMoveEvent(QMouseEvent* event) {
    const bool onlyLeft = event->buttons() == Qt::LeftButton &&
                          (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) == 0;
    OnMouseMove(event->position().toPoint(), onlyLeft);
    event->accept();
}

void CVerbalineView::leaveEvent(QEvent* event) {
    // The clue box belongs to the cell under the pointer: once the pointer
    // has left the grid's window, nothing would close it any more.
    DestroyDefinitionsBox();
    QWidget::leaveEvent(event);
}

bool CVerbalineView::IsInGridArea(QPoint p) const {
    const int extent = m_pDocument->GridSize() * m_settings.m_nCellSize;
    return p.x() > m_ptOrigin.x && p.x() < m_ptOrigin.x + extent && p.y() > m_ptOrigin.y &&
           p.y() < m_ptOrigin.y + extent;
}

CPoint CVerbalineView::HitTestCell(QPoint p) const {
    const int s = m_settings.m_nCellSize;
    for (int column = 1; column <= kCells; ++column)
        for (int row = 1; row <= kCells; ++row) {
            const QRect cell = CellRect(row, column);
            // Strictly inside: a point on a lattice line belongs to no cell.
            if (p.x() > cell.left() && p.x() < cell.left() + s && p.y() > cell.top() &&
                p.y() < cell.top() + s)
                return CPoint{column, row};
        }
    return CPoint{kNoCell, kNoCell};
}

int CVerbalineView::HorizontalWordNumber(int row, int column) const {
    return m_pDocument->WordNumberAt(Direction::Across, row, column);
}

int CVerbalineView::VerticalWordNumber(int row, int column) const {
    return m_pDocument->WordNumberAt(Direction::Down, row, column);
}

bool CVerbalineView::IsGridComplete() const {
    const CVerbalineDoc* doc = m_pDocument;
    return doc->CountCells() - doc->CountBlackSquares() == doc->CountFilledCells() &&
           doc->CountWrongCells() == 0;
}

void CVerbalineView::PlayViewSound(int number) {
    const std::string& setting = m_settings.m_strSoundFile[number - 1];
    if (setting == kNoSound || !m_pViewHost) return;
    m_pViewHost->PlaySoundFile(Cp1252ToUtf8(setting));
}

void CVerbalineView::SetCursorState(int state) {
    m_nCursorState = state;
    setCursor(state == kCursorMove ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void CVerbalineView::OnLButtonDown(QPoint p) {
    CVerbalineDoc* doc = m_pDocument;
    // What undo gives back: the letters and the marks before the click.
    const CPlayerState before = doc->PlayerState();
    // Any click ends the help display; what shows changes at the next paint.
    doc->HideMarksAndSolution();
    m_ptLastMouse = CPoint{p.x(), p.y()};
    if (!m_bGridDrawn || m_bMoveMode || !IsInGridArea(p)) return;

    // The clicked cell becomes the keyboard's too.
    if (doc->GridReady()) {
        SyncCursor();
        const CPoint clicked = HitTestCell(p);
        m_cursor.Place(*doc, clicked.y, clicked.x);
    }

    m_dlgLetter = CLetterData{};
    const bool accepted =
        m_pViewHost && m_pViewHost->RunLetterPicker(m_dlgLetter, mapToGlobal(p));
    // Closing the picker by Escape or its close box is a cancel, as its
    // "Annuler" key is: the letter under the pointer stays.
    if (!accepted) m_dlgLetter.m_bPlaced = 0;
    doc->SetModifiedFlag();

    switch (m_dlgLetter.m_nAction) {
    case CLetterData::Erase: PlayViewSound(4); break;
    case CLetterData::Letter: PlayViewSound(5); break;
    default: PlayViewSound(3); break;
    }

    m_ptHitCell = HitTestCell(p);
    // The rectangle of the last paint: the picture painted before the box.
    const QRect grid = m_rcGrid;
    if (m_dlgLetter.m_bPlaced == 1) {
        doc->PlaceLetter(m_ptHitCell.y, m_ptHitCell.x, m_dlgLetter.m_chLetter);
        FinishPlayerStep(before, grid);
    }
    update(grid);
    emit playChanged();
}

void CVerbalineView::OnLButtonUp() {
    // One drag per use of "Déplacement".
    if (m_bMoveMode) {
        m_bMoveMode = false;
        SetCursorState(kCursorArrow);
    }
}

void CVerbalineView::DestroyDefinitionsBox() {
    if (m_bDefBoxShown && m_pViewHost) m_pViewHost->DestroyDefinitionsBox();
    m_bDefBoxShown = false;
}

void CVerbalineView::OnRButtonDown(QPoint p) {
    if (!m_bGridDrawn || !IsInGridArea(p)) return;
    DestroyDefinitionsBox();

    m_ptHitCell = HitTestCell(p);
    const int column = m_ptHitCell.x;
    const int row = m_ptHitCell.y;
    // A line between cells belongs to no cell: there is no clue to show.
    if (column == kNoCell || row == kNoCell) return;
    CDefinitionsData& box = m_dlgDefinitions;
    box.m_nRow = row;
    box.m_nColumn = column;
    box.m_nHorizWord = HorizontalWordNumber(row, column);
    box.m_nVertWord = VerticalWordNumber(row, column);
    const QString missed = QStringLiteral("Vous avez mal pointé la case !");
    box.m_strHorizClue = missed;
    box.m_strVertClue = missed;
    // A line has at most ten words: twenty cells, one black square between two.
    if (row >= 1 && row <= kCells && box.m_nHorizWord >= 1 && box.m_nHorizWord <= 10)
        box.m_strHorizClue = FromBytes(m_pDocument->Clue(Direction::Across, row, box.m_nHorizWord));
    if (column >= 1 && column <= kCells && box.m_nVertWord >= 1 && box.m_nVertWord <= 10)
        box.m_strVertClue = FromBytes(m_pDocument->Clue(Direction::Down, column, box.m_nVertWord));

    if (m_pViewHost) m_pViewHost->CreateDefinitionsBox(box, m_settings.m_nDefBoxPosition);
    m_bDefBoxShown = true;
}

void CVerbalineView::OnMouseMove(QPoint p, bool onlyLeftButton) {
    CVerbalineDoc* doc = m_pDocument;
    const bool inGrid = IsInGridArea(p);
    // The solution and the marks stay only until the pointer is back on the
    // cells.
    if (inGrid && (doc->ShowSolution() || doc->ShowWrongCells())) {
        doc->HideMarksAndSolution();
        update();
    }
    if (!m_bMoveMode && !inGrid) DestroyDefinitionsBox();

    const QRect& f = m_rcFrame;
    const bool inFrame = p.x() > f.x() && p.x() < f.x() + f.width() && p.y() > f.y() &&
                         p.y() < f.y() + f.height();
    if (m_bMoveMode && onlyLeftButton && inFrame) {
        const QRect oldArea = f.adjusted(-50, -50, 50, 50);
        const int dx = p.x() - m_ptLastMouse.x;
        const int dy = p.y() - m_ptLastMouse.y;
        m_ptDefaultOrigin.x += dx;
        m_ptDefaultOrigin.y += dy;
        m_ptLastMouse = CPoint{p.x(), p.y()};
        // The grid's place goes with it into its file; a move alone does not
        // make the grid modified.
        if (doc->GridReady()) doc->SetGridOrigin(m_ptDefaultOrigin);
        // Both the old place and the new one, so that a fast drag leaves no
        // half-drawn grid behind.
        update(oldArea.united(oldArea.translated(dx, dy)));
    }
    if (m_bMoveMode) SetCursorState(inFrame ? kCursorMove : kCursorArrow);
}

void CVerbalineView::OnViewMove() {
    m_bMoveMode = !m_bMoveMode;
    if (!m_bMoveMode) SetCursorState(kCursorArrow);
}

void CVerbalineView::OnViewRefresh() {
    CVerbalineDoc* doc = m_pDocument;
    m_ptOrigin = CPoint{80, 60};
    m_ptDefaultOrigin = CPoint{80, 60};
    if (doc->GridReady()) {
        doc->SetGridOrigin(CPoint{80, 60});
        doc->SetModifiedFlag();
        doc->HideMarksAndSolution();
    }
    CreateDrawingObjects();
    update();
}

void CVerbalineView::OnGridInfo() {
    const CVerbalineDoc* doc = m_pDocument;
    if (!m_pViewHost) return;
    if (!doc->GridReady()) {
        MessageBoxRequest request;
        request.text = W(
            "Pour afficher les informations sur une grille, vous devez d'abord en ouvrir une ou "
            "en créer une nouvelle !");
        request.caption = W("Informations sur la grille :");
        request.owner = MsgOwner::View;
        m_pViewHost->MessageBox(request);
        return;
    }
    CGridInfoData info;
    const int total = static_cast<int>(doc->CountCells());
    const int black = static_cast<int>(doc->CountBlackSquares());
    const int filled = static_cast<int>(doc->CountFilledCells());
    info.m_nTotalCells = total;
    info.m_nBlackSquares = black;
    info.m_nFilledCells = filled;
    info.m_nCellsToFill = total - black - filled;
    info.m_strExtraLabel = W("Qualité de la grille:");
    info.m_nExtraValue = doc->Quality();
    info.m_strDictName = doc->DictName();
    m_pViewHost->RunGridInfo(info);
}

}  // namespace verbal
