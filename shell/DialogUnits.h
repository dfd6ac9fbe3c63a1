// Dialogs are laid out from templates measured in dialog units, which follow
// the dialog's font: a horizontal unit is a quarter of its average character
// width, a vertical unit an eighth of its character height.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace verbal::shell {

// The font the dialog templates were measured with (a small sans serif).
QFont DialogFont();

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);
    int X(int units) const { return units * m_nBaseX / 4; }
    int Y(int units) const { return units * m_nBaseY / 8; }
    QRect Rect(int x, int y, int w, int h) const { return QRect(X(x), Y(y), X(w), Y(h)); }
    QSize Size(int w, int h) const { return QSize(X(w), Y(h)); }
    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }

private:
    int m_nBaseX;
    int m_nBaseY;
};

// Gives |dialog| the template font and a fixed client size of w x h units;
// returns the units to place its controls with.
CDialogUnits PrepareDialog(QWidget* dialog, int w, int h);

// The width a window needs for the title bar to show |title| whole: the
// text in a bold title font, the window's icon and its buttons.
int CaptionWidth(const QString& title);

// Draws the frames (group boxes) of |dialog| as the templates expect them:
// the title sits on the top line, so that a control placed one text line
// below the frame's top stays clear of both.
void UseTemplateFrames(QWidget* dialog);

}  // namespace verbal::shell
