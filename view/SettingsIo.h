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

// The folder the program works in, and what to tell the user about it.
struct InstallationChoice {
    std::string dir;     // as the file system names it (UTF-8), no trailing separator
    std::string notice;  // empty, or why another folder than the registry's serves
};

// The registry's installation folder |registryDir| serves when it holds the
// program's data. Otherwise the folder of the program itself, |programDir|,
// serves when it does (a build folder copied or moved elsewhere), or when
// the registry's cannot be entered at all. |besideProgram| says that the
// registry file is the one in the program's folder: when that file names
// another folder while the program's own holds the data, it came with a
// copy, and the program's own folder serves too.
InstallationChoice ChooseInstallationFolder(const std::string& registryDir, bool besideProgram,
                                            const std::string& programDir);

// Settings written by the program of another folder: the files of that
// installation they name (dictionary, sounds, help browser) become those of
// |installDir| when they are there; files chosen elsewhere stay.
void MoveToInstallation(CViewSettings& settings, const std::string& installDir);

// The notice of ChooseInstallationFolder is shown once per run; tests start
// afresh with this.
void ForgetInstallationNotice();

// The first-run settings of an installation in |currentDir|: the files
// beside the program and the browser registered for ".htm", else ".html",
// else the help browser of the installation. A registered browser whose
// path the settings file cannot hold is passed over, and |notice| (when
// given) receives the French reason, Windows-1252 bytes.
CViewSettings FirstRunSettings(const std::string& currentDir, std::string* notice = nullptr);

// What the browser explanations say of the browser shipped with the
// program, helpview in |installDir|, and of where else the help is found.
// Windows-1252 bytes.
std::string ShippedBrowserText(const std::string& installDir);

// A message box with an OK button owned by |owner|, through the installed
// dialogs; an empty caption is the program's title. Texts in Windows-1252.
int ShowSettingsMessage(QWidget* owner, const std::string& text, const std::string& caption);

}  // namespace verbal
