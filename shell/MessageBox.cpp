#include "MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

#include "Modal.h"
#include "Strings.h"

namespace verbal::shell {
namespace {

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Stop: return QMessageBox::Critical;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonChoice {
    QMessageBox::StandardButton button;
    const char* text;
    int result;
};

int Run(QWidget* owner, const QString& text, const QString& caption, MsgIcon icon,
        std::initializer_list<ButtonChoice> buttons) {
    // An owner whose window is not on screen yet (a message at start-up)
    // would leave the box in the screen's corner: without it, it is centred.
    if (owner && !owner->window()->isVisible()) owner = nullptr;
    QMessageBox box(ToQt(icon), caption.isEmpty() ? AppTitle() : caption, text,
                    QMessageBox::NoButton, owner);
    // Texts quote file names and clues: shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    QMessageBox::StandardButtons all;
    for (const ButtonChoice& b : buttons) all |= b.button;
    box.setStandardButtons(all);
    for (const ButtonChoice& b : buttons) box.button(b.button)->setText(QString::fromUtf8(b.text));
    box.setDefaultButton(buttons.begin()->button);
    const int answer = RunModal(box);
    for (const ButtonChoice& b : buttons)
        if (answer == b.button) return b.result;
    // Closed without a button: the box's way out.
    for (const ButtonChoice& b : buttons)
        if (b.result == IDCANCEL || b.result == IDNO) return b.result;
    return buttons.begin()->result;
}

}  // namespace

int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                   MsgButtons buttons, MsgIcon icon) {
    switch (buttons) {
    case MsgButtons::Ok:
        return Run(owner, text, caption, icon, {{QMessageBox::Ok, "OK", IDOK}});
    case MsgButtons::OkCancel:
        return Run(owner, text, caption, icon,
                   {{QMessageBox::Ok, "OK", IDOK}, {QMessageBox::Cancel, "Annuler", IDCANCEL}});
    case MsgButtons::RetryCancel:
        return Run(owner, text, caption, icon,
                   {{QMessageBox::Retry, "Réessayer", IDRETRY},
                    {QMessageBox::Cancel, "Annuler", IDCANCEL}});
    case MsgButtons::YesNo:
        return Run(owner, text, caption, icon,
                   {{QMessageBox::Yes, "Oui", IDYES}, {QMessageBox::No, "Non", IDNO}});
    }
    return IDOK;
}

int AskYesNoCancel(QWidget* owner, const QString& text) {
    return Run(owner, text, QString(), MsgIcon::Exclamation,
               {{QMessageBox::Yes, "Oui", IDYES},
                {QMessageBox::No, "Non", IDNO},
                {QMessageBox::Cancel, "Annuler", IDCANCEL}});
}

}  // namespace verbal::shell
