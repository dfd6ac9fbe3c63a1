#include "HelpTextDlg.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>

#include "DialogUnits.h"
#include "Modal.h"
#include "QtText.h"
#include "SettingsText.h"

namespace verbal::shell {

CHelpTextDlg::CHelpTextDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Aide"));
    const CDialogUnits du = PrepareDialog(this, 186, 135);

    m_edit = new QTextEdit(this);
    m_edit->setAcceptRichText(false);
    m_edit->document()->setDefaultFont(font());
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->setGeometry(du.Rect(1, 1, 185, 110));

    m_close = new QPushButton(QStringLiteral("Fermer"), this);
    m_close->setDefault(true);
    m_close->setGeometry(du.Rect(67, 116, 50, 14));
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    // The text box is no place for new lines: Enter there is the default
    // button's, as in any dialog.
    m_edit->installEventFilter(this);
}

bool CHelpTextDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            modifiers == Qt::NoModifier) {
            m_close->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CHelpTextDlg::OnInitDialog() {
    m_edit->setPlainText(FromBytes(m_strText));
    m_edit->selectAll();
    m_edit->setAlignment(Qt::AlignHCenter);
    QTextCursor cursor = m_edit->textCursor();
    cursor.movePosition(QTextCursor::Start);
    m_edit->setTextCursor(cursor);
}

void CHelpTextDlg::DoModal() {
    OnInitDialog();
    // The box sits 400 by 300 units up and left of its owner's corner; the
    // screen's edge stops it, so it does not hide the frame it explains.
    if (QWidget* owner = parentWidget()) {
        const CDialogUnits du(font());
        QPoint pos = owner->mapToGlobal(QPoint(0, 0)) + QPoint(du.X(-400), du.Y(-300));
        if (const QScreen* screen = owner->screen()) {
            const QRect area = screen->availableGeometry();
            pos.setX(std::clamp(pos.x(), area.left(), std::max(area.left(), area.right() - width())));
            pos.setY(std::clamp(pos.y(), area.top(), std::max(area.top(), area.bottom() - height())));
        }
        move(pos);
    }
    RunModal(*this);
}

}  // namespace verbal::shell
