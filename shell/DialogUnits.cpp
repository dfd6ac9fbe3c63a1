#include "DialogUnits.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>

namespace verbal::shell {

QFont DialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

CDialogUnits::CDialogUnits(const QFont& font) {
    // The average width is taken over the 52 letters, rounded, as the
    // templates' own system measured it.
    const QFontMetrics fm(font);
    const int letters =
        fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_nBaseX = std::max(1, (letters / 26 + 1) / 2);
    m_nBaseY = std::max(1, fm.height());
}

CDialogUnits PrepareDialog(QWidget* dialog, int w, int h) {
    dialog->setFont(DialogFont());
    CDialogUnits du(dialog->font());
    dialog->setFixedSize(du.Size(w, h));
    return du;
}

int CaptionWidth(const QString& title) {
    // The window manager draws the title, in a font of its own: commonly a
    // bold one of the desktop's size.
    QFont font = QGuiApplication::font();
    font.setBold(true);
    const QFontMetrics fm(font);
    return fm.horizontalAdvance(title) + 7 * fm.height() + 16;
}

void UseTemplateFrames(QWidget* dialog) {
    const int half = std::max(1, QFontMetrics(dialog->font()).height() / 2);
    dialog->setStyleSheet(
        dialog->styleSheet() +
        QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px;"
                       " margin-top: %1px; }"
                       "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                       " left: 6px; padding: 0px 2px; }")
            .arg(half));
}

}  // namespace verbal::shell
