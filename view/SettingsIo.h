// Helpers of the view's settings and help commands, shared with the shell's
// dialogs and the tests.
#pragma once

#include <string>

#include "ViewSettings.h"

class QWidget;

namespace verbal {

// The message of a settings file that is gone (deleted by "Réinitialisation")
// when it should be rewritten. Windows-1252 bytes.
std::string SettingsResetMessage();

// The process's current directory as the file system names it (UTF-8, ""
// when unknown), and changing it; false when |dir| is empty or cannot be
// entered.
std::string CurrentDirectory();
bool SetCurrentDirectory(const std::string& dir);

// The first-run settings of an installation in |currentDir|: the files
// beside the program and the browser registered for ".htm", else ".html",
// else the help browser of the installation. A registered browser whose
// path the settings file cannot hold is passed over, and |notice| (when
// given) receives the French reason, Windows-1252 bytes.
CViewSettings FirstRunSettings(const std::string& currentDir, std::string* notice = nullptr);

// A message box with an OK button owned by |owner|, through the installed
// dialogs; an empty caption is the program's title. Texts in Windows-1252.
int ShowSettingsMessage(QWidget* owner, const std::string& text, const std::string& caption);

}  // namespace verbal
