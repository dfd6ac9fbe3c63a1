// The two shipped files and the statistics beside them.
#pragma once

#include <string>
#include <vector>

#include "Builder.h"

namespace lexbuild {

// Plain texts (Windows-1252 bytes, CR LF lines), before scrambling.
// The .lex: a header line (never read as a word), one "WORD " line per word
// of 2 to 15 letters, then closing lines that no word needs, since line starts
// in the last 35 bytes of the file are never used.
std::string LexText(const std::vector<Chosen>& words);
// The .dex: a header line, the letters, then "WORD:clue" lines in
// alphabetical order.
std::string DexText(const std::vector<Chosen>& words);

std::string ScrambledCopy(const std::string& plain);

// Checks the two plain texts against each other and against the limits the
// program reads them with; returns the faults found, in French (empty: none).
std::vector<std::string> CheckTexts(const std::string& lexPlain, const std::string& dexPlain);

std::string StatsText(const std::vector<Chosen>& words, std::size_t lexBytes, std::size_t dexBytes,
                      const std::string& inputs);

}  // namespace lexbuild
