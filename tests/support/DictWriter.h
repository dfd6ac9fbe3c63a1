// Writes dictionaries and definitions files for tests: plain lines in, the
// scrambled file out.
#pragma once

#include <string>
#include <vector>

#include "TestFiles.h"

namespace verbal::test {

// Scrambles |plain| and writes it.
void WriteScrambled(const std::string& path, const std::string& plain);

// A dictionary file: a first line that is never read, then "WORD \r\n" lines,
// then a line too long to be a word that keeps the words out of the tail.
std::string DictionaryText(const std::vector<std::string>& words);
// A definitions file: a first line, then "WORD:clue\r\n" lines.
std::string DefinitionsText(const std::vector<std::pair<std::string, std::string>>& entries);

// Writes NAME.lex with |words| and NAME.dex with a clue for every word and
// letter ("Indice de WORD"), returns the path of the .lex.
std::string WriteDictionaryPair(const std::string& dir, const std::string& name,
                                const std::vector<std::string>& words);

// The words of a dictionary file (every line's first word).
std::vector<std::string> WordsOfDictionary(const std::string& path);

// The shipped dictionary, data/Standard.lex in the source tree.
std::string ShippedDictionaryPath();

// The small French word list shipped with the tests.
std::vector<std::string> SmallWordList();
std::string SmallDictionaryPath();   // tests/data/Petit.lex in the source tree
std::string SmallDefinitionsPath();  // tests/data/Petit.dex

}  // namespace verbal::test
