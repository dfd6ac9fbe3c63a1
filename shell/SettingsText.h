// Paths of the settings between the screen (QString) and the settings file
// (Windows-1252 bytes in 100-byte fields), and the file dialogs that choose
// them.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace verbal::shell {

// The bytes of a path the user chose or typed, ready for the settings. False,
// after telling the user why, when the settings file could not keep it: a
// character its code page lacks, or more than 100 bytes (it would come back
// cut, naming another file).
bool ToSettingsPath(QWidget* owner, const QString& path, std::string& bytes);

// The system's open-file dialog: (owner, title, directory, filter) -> the
// chosen path, empty when cancelled. Dialogs keep one so that tests can
// answer it.
using OpenFileNameFn =
    std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;
QString SystemOpenFileName(QWidget* owner, const QString& title, const QString& dir,
                           const QString& filter);

// The filter of the browser searches. Programs here carry no ".exe": the
// pattern takes every file, and the choice is checked with CheckProgramFile.
QString BrowserFileFilter();
// A regular file this user may run; otherwise tells the user and is false.
bool CheckProgramFile(QWidget* owner, const QString& path);

}  // namespace verbal::shell
