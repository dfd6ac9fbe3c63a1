// What the file commands share: the file dialogs of grid files, the
// conversion of a chosen path for the engine, and files dropped on the main
// window.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace verbal::shell {

// Asks for a grid file to open, or for the name to save a grid under
// (|proposed| is the name offered). Empty when cancelled. The name to save
// under always ends in ".vbg" when the user gave no extension.
QString AskOpenGridName(QWidget* owner);
QString AskSaveGridName(QWidget* owner, const QString& proposed);
QString WithGridExtension(const QString& path);
// Asks for the name of another kind of file to write (|filter| as the file
// dialog takes it, |suffix| added when the user gave none), in the folder of
// the grids. Empty when cancelled.
QString AskSaveFileName(QWidget* owner, const QString& title, const QString& proposed,
                        const QString& filter, const QString& suffix);

// Replaces the system's file dialogs: (owner, save?, proposed name) -> the
// path chosen, empty for a cancel. Give an empty function to restore them.
using FileDialogHook = std::function<QString(QWidget*, bool save, const QString& proposed)>;
void SetFileDialogHook(FileDialogHook hook);

// The path as the engine opens it: the file system's own name, whatever its
// characters (a grid file does not keep its own name). None only for an
// empty path.
std::optional<std::string> EnginePath(QWidget* owner, const QString& path);

// Files dropped on |window| are given to |open|, one by one.
void AcceptDroppedFiles(QWidget* window, std::function<bool(const QString&)> open);

}  // namespace verbal::shell
