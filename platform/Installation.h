// Where the programs and their data live: one directory, the one the
// installation wrote into the registry.
#pragma once

#include <filesystem>
#include <string>

#include "Registry.h"

namespace verbal {

// The installation directory as the registry holds it (DestinationPath of
// the setup key), as the file system names it (UTF-8), without a trailing
// separator; |dir| is empty when the key or the value is missing.
RegistryRead ReadDestinationPath(std::string& dir);

// What to tell the user when ReadDestinationPath failed: the key, or the
// value, was not found. Windows-1252 bytes; empty for RegistryRead::Ok.
std::string RegistryFailureMessage(RegistryRead result);

// The installation directory for programs that ask nobody: DestinationPath
// when the registry names one, else the directory of the running program,
// where the build and a copy without registry keep the data.
std::filesystem::path InstallationDirectory();

}  // namespace verbal
