// verbal-cli: the grid engine from the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace verbal::cli {

// Runs one command; returns the process's exit status. |programDir| is where
// the shipped dictionary is looked for when none is given.
int Run(const std::vector<std::string>& args, const std::string& programDir, std::ostream& out,
        std::ostream& err);

// The directory that holds the running program.
std::string ProgramDirectory();

}  // namespace verbal::cli
