// Where the program's own files live on this system.
//
// The results are file-system paths (UTF-8 on Linux), ready to open; texts
// that go into the settings file are Windows-1252 and are converted by the
// caller (Codepage.h).
#pragma once

#include <filesystem>

namespace verbal {

// The directory of the running program. Both programs and all their data sit
// in it, so it is the installation directory.
std::filesystem::path ProgramDirectory();

// The settings file: $XDG_CONFIG_HOME/verbal.ini when that variable holds an
// absolute path, else ~/.config/verbal.ini.
std::filesystem::path SettingsFilePath();

// Creates the directory of SettingsFilePath() when it is missing, so that the
// file can be created. False when the directory cannot be made.
bool MakeSettingsDirectory();

}  // namespace verbal
