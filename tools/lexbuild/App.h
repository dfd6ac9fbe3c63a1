// The lexbuild command: reads the pinned inputs and the hand lists, writes
// Standard.lex, Standard.dex and Standard.stats.txt.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lexbuild {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lexbuild
