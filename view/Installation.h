// Where the program and its data live: one directory, the program's own.
#pragma once

#include <string>

namespace verbal {

// The installation directory as Windows-1252 bytes, without a trailing
// separator: the directory of the running program.
std::string InstallationDirectory();

}  // namespace verbal
