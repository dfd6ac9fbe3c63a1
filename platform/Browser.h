// The program registered to open HTML files: the first-run choice of the
// help browser.
#pragma once

#include <filesystem>
#include <string>

#include "Registry.h"

namespace verbal {

// The result of FindBrowserForExtension when no usable program is found.
extern const char* const kBrowserNotFound;  // "erreur"

// The program of a registered open command, or "" when none can be taken
// from it. Windows-1252 text in and out.
//
// A command holding ".exe" (letter case ignored) is cut after its last
// ".exe", which drops the arguments and a closing quote; then leading
// characters go until the text starts with a drive ("C:\") or with '/', or
// fewer than 4 characters are left, which drops an opening quote:
//   "C:\Program Files\Browser\browser.exe" "%1"   ->  C:\Program Files\Browser\browser.exe
//   C:\BROWSER\BROWSER.EXE %1                     ->  C:\BROWSER\BROWSER.EXE
// Programs here rarely end in ".exe": a command without it gives its first
// word, or its first double-quoted part:
//   "/opt/Mon navigateur/nav" "%1"  ->  /opt/Mon navigateur/nav
//   firefox %u                      ->  firefox
std::string ProgramFromOpenCommand(const std::string& command);

// The path of the program registered for |extension| (".htm", ".html") in
// the registry file: the default value of SOFTWARE\Classes\<extension> names
// a class, whose SOFTWARE\Classes\<class>\Shell\Open\Command default value
// is the open command, from which ProgramFromOpenCommand() takes the program.
// A bare program name is looked up in $PATH. The program must be an
// executable file that can be opened for reading. Any failure gives
// kBrowserNotFound. The extension is Windows-1252 text; the result is the
// path as the file system names it (UTF-8), which the caller must check
// before storing it.
std::string FindBrowserForExtension(const std::string& extension,
                                    const std::filesystem::path& registryFile = RegistryFilePath());

}  // namespace verbal
