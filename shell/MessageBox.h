// Message boxes with French buttons, run through RunModal.
#pragma once

#include <QString>

#include "DocumentHost.h"

class QWidget;

namespace verbal::shell {

// Returns IDOK, IDCANCEL, IDRETRY, IDYES or IDNO. An empty caption shows the
// program's title.
int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                   MsgButtons buttons, MsgIcon icon);

// The same with the three buttons of the save prompt (Oui, Non, Annuler).
int AskYesNoCancel(QWidget* owner, const QString& text);

}  // namespace verbal::shell
