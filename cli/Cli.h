// verbal-cli: the grid engine from the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace verbal::cli {

// Runs one command; returns the process's exit status. |installDir| is where
// the shipped dictionary is looked for when none is given.
int Run(const std::vector<std::string>& args, const std::string& installDir, std::ostream& out,
        std::ostream& err);

}  // namespace verbal::cli
