// Where the program and its data live: one directory, the one the
// installation wrote into the registry.
#pragma once

#include <string>

#include "Registry.h"

namespace verbal {

// The installation directory as Windows-1252 bytes, without a trailing
// separator: the directory of the running program.
std::string InstallationDirectory();

// The installation directory as the registry holds it (DestinationPath of
// the setup key), Windows-1252 bytes without a trailing separator; |dir| is
// empty when the key or the value is missing.
RegistryRead ReadDestinationPath(std::string& dir);

// What to tell the user when ReadDestinationPath failed: the key, or the
// value, was not found. Windows-1252 bytes; empty for RegistryRead::Ok.
std::string RegistryFailureMessage(RegistryRead result);

}  // namespace verbal
