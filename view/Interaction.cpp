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

// The ordinal, from the start of |line| (|n| cells, ' ' for a black square),
// of the word that holds cell |i|; a black square takes the next word after
// it, and a line with no word after it gives 0.
int WordNumberInLine(const char* line, int n, int i) {
    if (i < 0 || i >= n) return 0;
    while (i < n && line[i] == ' ') ++i;
    if (i >= n || line[i] == 0) return 0;
    int count = 1;
    bool inWord = true;
    for (int j = i - 1; j >= 0; --j) {
        const bool letter = line[j] != ' ';
        if (letter && !inWord) ++count;
        inWord = letter;
    }
    return count;
}

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
    if (row < 1 || row > kCells) return 0;
    const int n = std::min(m_pDocument->GridSize(), kCells);
    return WordNumberInLine(m_pDocument->m_aSolution[row], n, column - 1);
}

int CVerbalineView::VerticalWordNumber(int row, int column) const {
    if (column < 1 || column > kCells) return 0;
    const int n = std::min(m_pDocument->GridSize(), kCells);
    return WordNumberInLine(m_pDocument->m_aTransposed[column], n, row - 1);
}

bool CVerbalineView::IsGridComplete() const {
    const CVerbalineDoc* doc = m_pDocument;
    return doc->CountCells() - doc->CountBlackSquares() == doc->CountFilledCells() &&
           doc->CountWrongCells() == 0;
}

void CVerbalineView::PlayViewSound(int number) {
    const std::string& setting = m_settings.m_strSoundFile[number - 1];
    if (setting == kNoSound || !m_pViewHost) return;
    m_pViewHost->PlaySoundFile(setting);
}

void CVerbalineView::SetCursorState(int state) {
    m_nCursorState = state;
    setCursor(state == kCursorMove ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void CVerbalineView::OnLButtonDown(QPoint p) {
    CVerbalineDoc* doc = m_pDocument;
    // Any click ends the help display; what shows changes at the next paint.
    doc->m_bShowWrongCells = 0;
    doc->m_bShowSolution = 0;
    m_ptLastMouse = CPoint{p.x(), p.y()};
    if (m_bGridDrawn != 1 || m_bMoveMode || !IsInGridArea(p)) return;

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
    const QRect grid(doc->m_rcGrid.left, doc->m_rcGrid.top, doc->m_rcGrid.Width(),
                     doc->m_rcGrid.Height());
    if (m_dlgLetter.m_bPlaced == 1) {
        const int column = m_ptHitCell.x;
        const int row = m_ptHitCell.y;
        const char letter = m_dlgLetter.m_chLetter;
        const bool valid = letter == 0 || (letter >= 'A' && letter <= 'Z');
        if (valid && row >= 1 && row <= kCells && column >= 1 && column <= kCells &&
            doc->m_aPlayer[row - 1][column - 1] != ' ')
            doc->m_aPlayer[row - 1][column - 1] = letter;
        if (IsGridComplete()) {
            // The last letter shows before the fanfare and the box.
            repaint(grid);
            PlayViewSound(6);
            if (m_pViewHost) m_pViewHost->RunVictory();
        }
    }
    update(grid);
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
    m_bDefBoxShown = 0;
}

void CVerbalineView::OnRButtonDown(QPoint p) {
    if (m_bGridDrawn != 1 || !IsInGridArea(p)) return;
    DestroyDefinitionsBox();

    m_ptHitCell = HitTestCell(p);
    const int column = m_ptHitCell.x;
    const int row = m_ptHitCell.y;
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
        box.m_strHorizClue = FromBytes(m_pDocument->m_astrClues[row - 1][box.m_nHorizWord - 1]);
    if (column >= 1 && column <= kCells && box.m_nVertWord >= 1 && box.m_nVertWord <= 10)
        box.m_strVertClue =
            FromBytes(m_pDocument->m_astrClues[kCells + column - 1][box.m_nVertWord - 1]);

    if (m_pViewHost) m_pViewHost->CreateDefinitionsBox(box, m_settings.m_nDefBoxPosition);
    m_bDefBoxShown = 1;
}

void CVerbalineView::OnMouseMove(QPoint p, bool onlyLeftButton) {
    CVerbalineDoc* doc = m_pDocument;
    const bool inGrid = IsInGridArea(p);
    // The solution and the marks stay only until the pointer is back on the
    // cells.
    if (inGrid && (doc->m_bShowSolution == 1 || doc->m_bShowWrongCells == 1)) {
        doc->m_bShowSolution = 0;
        doc->m_bShowWrongCells = 0;
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
        if (doc->m_bGridReady == 1) doc->m_ptGridOrigin = m_ptDefaultOrigin;
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
    if (doc->m_bGridReady == 1) {
        doc->m_ptGridOrigin = CPoint{80, 60};
        doc->SetModifiedFlag();
        doc->m_bShowWrongCells = 0;
        doc->m_bShowSolution = 0;
    }
    CreateDrawingObjects();
    update();
}

void CVerbalineView::OnGridInfo() {
    const CVerbalineDoc* doc = m_pDocument;
    if (!m_pViewHost) return;
    if (doc->m_bGridReady != 1) {
        MessageBoxRequest request;
        request.text = W(
            "Pour afficher les informations sur une grille, vous devez d'abord en ouvir une ou "
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
    info.m_nExtraValue = doc->m_nQuality;
    info.m_strDictName = doc->m_strDictName;
    m_pViewHost->RunGridInfo(info);
}

}  // namespace verbal
