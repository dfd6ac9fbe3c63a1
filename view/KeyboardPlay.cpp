// The player's keyboard: the cursor and its word, letters typed into the
// grid, moves, and the undo and redo of the player's steps. Letters typed
// go the way of the letter picker: same sounds, same end of the help
// display, same victory.
#include <QKeyEvent>
#include <QPainter>

#include "Highlight.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal {

bool CVerbalineView::CanPlayFromKeyboard() const {
    const CVerbalineDoc* doc = m_pDocument;
    return m_bGridDrawn && doc->GridReady() && !doc->IsComputing() && !m_bMoveMode &&
           doc->RowsDone() >= doc->GridSize();
}

void CVerbalineView::SyncCursor() {
    const unsigned generation = m_pDocument->GridGeneration();
    if (generation == m_nCursorGeneration) return;
    m_nCursorGeneration = generation;
    m_cursor.Hide();
    // Whoever lists the grid's words learns it once the paint is over.
    QMetaObject::invokeMethod(this, [this] { emit playChanged(); }, Qt::QueuedConnection);
}

bool CVerbalineView::event(QEvent* event) {
    // Tab moves from word to word while the grid plays, rather than from
    // widget to widget.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            CanPlayFromKeyboard()) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void CVerbalineView::keyPressEvent(QKeyEvent* event) {
    if (OnKeyDown(event->key(), event->modifiers(), event->text()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

bool CVerbalineView::OnKeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    if (!CanPlayFromKeyboard()) return false;
    // Keys with Ctrl or Alt are the menus' and the shortcuts'.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const CVerbalineDoc& doc = *m_pDocument;
    SyncCursor();

    char letter = 0;
    const QList<uint> codes = text.toUcs4();
    if (codes.size() == 1) letter = FoldLetter(static_cast<char32_t>(codes.front()));

    switch (key) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Space: case Qt::Key_Return: case Qt::Key_Enter:
    case Qt::Key_Tab: case Qt::Key_Backtab:
    case Qt::Key_Backspace: case Qt::Key_Delete:
        break;
    default:
        if (letter == 0) return false;
    }

    // The first key shows where play starts, and does nothing else.
    if (!m_cursor.Active()) {
        m_cursor.Start(doc);
        update(m_rcGrid);
        emit playChanged();
        return true;
    }

    const bool shift = modifiers & Qt::ShiftModifier;
    switch (key) {
    case Qt::Key_Left: m_cursor.Arrow(doc, 0, -1); break;
    case Qt::Key_Right: m_cursor.Arrow(doc, 0, 1); break;
    case Qt::Key_Up: m_cursor.Arrow(doc, -1, 0); break;
    case Qt::Key_Down: m_cursor.Arrow(doc, 1, 0); break;
    case Qt::Key_Space: case Qt::Key_Return: case Qt::Key_Enter:
        m_cursor.SwitchDirection();
        break;
    case Qt::Key_Tab: m_cursor.NextWord(doc, shift); break;
    case Qt::Key_Backtab: m_cursor.NextWord(doc, true); break;
    case Qt::Key_Backspace:
        // On an empty cell, Backspace first steps back: a word typed in
        // error goes away one Backspace a letter.
        if (doc.PlayerCell(m_cursor.Row(), m_cursor.Column()) == 0) {
            if (m_cursor.Retreat(doc)) WriteFromKeyboard(0);
        } else {
            WriteFromKeyboard(0);
            m_cursor.Retreat(doc);
        }
        break;
    case Qt::Key_Delete:
        if (doc.PlayerCell(m_cursor.Row(), m_cursor.Column()) != 0) WriteFromKeyboard(0);
        break;
    default:
        WriteFromKeyboard(letter);
        m_cursor.Advance(doc);
        break;
    }
    update(m_rcGrid);
    emit playChanged();
    return true;
}

void CVerbalineView::WriteFromKeyboard(char letter) {
    CVerbalineDoc* doc = m_pDocument;
    const CPlayerState before = doc->PlayerState();
    doc->HideMarksAndSolution();
    doc->SetModifiedFlag();
    PlayViewSound(letter ? 5 : 4);
    doc->PlaceLetter(m_cursor.Row(), m_cursor.Column(), letter);
    FinishPlayerStep(before, m_rcGrid);
    update(m_rcGrid);
}

void CVerbalineView::FinishPlayerStep(const CPlayerState& before, QRect grid) {
    m_pDocument->EndPlayerStep(before);
    if (IsGridComplete()) {
        // The last letter shows before the fanfare and the box.
        repaint(grid);
        PlayViewSound(6);
        if (m_pViewHost) m_pViewHost->RunVictory();
    }
}

void CVerbalineView::GoToWord(const CWordSpan& word) {
    if (!m_pDocument->GridReady() || m_pDocument->IsComputing()) return;
    SyncCursor();
    m_cursor.GoToWord(*m_pDocument, word);
    update(m_rcGrid);
    emit playChanged();
}

void CVerbalineView::OnEditUndo() { UndoRedo(false); }
void CVerbalineView::OnEditRedo() { UndoRedo(true); }

void CVerbalineView::UndoRedo(bool redo) {
    CVerbalineDoc* doc = m_pDocument;
    if (doc->IsComputing()) return;
    const CPlayerState before = doc->PlayerState();
    const bool wasComplete = IsGridComplete();
    if (!(redo ? doc->Redo() : doc->Undo())) return;
    doc->SetModifiedFlag();

    // The cursor goes where the letters changed, so that the player sees
    // what came back.
    SyncCursor();
    const CPlayerState after = doc->PlayerState();
    for (std::size_t i = 0; i < after.letters.size(); ++i)
        if (after.letters[i] != before.letters[i]) {
            if (m_cursor.Active()) m_cursor.Place(*doc, static_cast<int>(i / 20) + 1,
                                                  static_cast<int>(i % 20) + 1);
            break;
        }
    if (!wasComplete && IsGridComplete()) {
        repaint(m_rcGrid);
        PlayViewSound(6);
        if (m_pViewHost) m_pViewHost->RunVictory();
    }
    update();
    emit playChanged();
}

// --- painting ---------------------------------------------------------------

void CVerbalineView::DrawWordHighlight(QPainter& dc) {
    SyncCursor();
    const CVerbalineDoc& doc = *m_pDocument;
    if (!m_cursor.Active() || !doc.GridReady()) return;
    const CHighlightColours colours =
        HighlightColours(m_settings.m_clrGridBackground, m_settings.m_clrGridLetters);
    const CWordSpan word = m_cursor.CurrentWord(doc);
    for (int i = 0; i < word.length; ++i)
        dc.fillRect(CellRect(word.Row(i), word.Column(i)), ToQColor(colours.word));
    dc.fillRect(CellRect(m_cursor.Row(), m_cursor.Column()), ToQColor(colours.cursor));
}

void CVerbalineView::DrawCursorFrame(QPainter& dc) {
    if (!m_cursor.Active() || !m_pDocument->GridReady()) return;
    const CHighlightColours colours =
        HighlightColours(m_settings.m_clrGridBackground, m_settings.m_clrGridLetters);
    const int s = m_settings.m_nCellSize;
    const int width = std::max(2, s / 12);
    // Inside the lattice lines; the letter is drawn over it.
    const int inset = (m_settings.m_nLineWidth + 1) / 2 + 1;
    const QRect cell = CellRect(m_cursor.Row(), m_cursor.Column());
    const QRectF frame = QRectF(cell).adjusted(inset + width / 2.0, inset + width / 2.0,
                                               -inset - width / 2.0, -inset - width / 2.0);
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    dc.setBrush(Qt::NoBrush);
    dc.setPen(QPen(ToQColor(colours.outline), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    dc.drawRect(frame);
    dc.restore();
}

}  // namespace verbal
