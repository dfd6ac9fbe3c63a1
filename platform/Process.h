// Starting a program from a command line, without waiting for it.
#pragma once

#include <string>
#include <vector>

namespace verbal {

// Results of StartProcess. The callers test kStartFileNotFound and
// kStartPathNotFound (the browser is missing: ask for another one); the other
// failures are not reported to the user.
enum StartResult : int {
    kStartOk = 0,
    kStartFileNotFound = 2,   // the program file does not exist
    kStartPathNotFound = 3,   // its directory does not exist
    kStartAccessDenied = 5,   // not executable, or a directory
    kStartBadFormat = 11,     // the system cannot run that file
    kStartFailed = 31,        // anything else (no process could be made, ...)
};

// Splits a command line into words: blanks separate words, and a double
// quote starts or ends a part in which blanks belong to the word. The quotes
// themselves are dropped; there are no escapes. "a b" "c" gives {a b, c}.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The full path of |name| found in the directories of $PATH, as the shell
// would find it (an executable regular file); empty when there is none.
// File-system (UTF-8) text.
std::string FindProgramInPath(const std::string& name);

// Starts the command line |commandLine| (Windows-1252 text, like every path
// of the settings; typically "program" "page") as a new process, detached
// from this one: it is neither waited for nor stopped with this program. The
// first word names the program: a path, or a bare name looked up in $PATH.
// Returns kStartOk once the program runs, else one of the codes above.
int StartProcess(const std::string& commandLine);

// The same with the words already apart (Windows-1252 text): nothing in a
// path, not even a double quote, can split it or join it to another word.
int StartProgram(const std::vector<std::string>& words);

}  // namespace verbal
