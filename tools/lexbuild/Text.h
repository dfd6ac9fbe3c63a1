// UTF-8 helpers for French words: decoding, folding to the grid's letters
// A..Z, capitalising a clue. Nothing here depends on the locale, so that the
// builder gives the same bytes on every machine.
#pragma once

#include <string>
#include <vector>

namespace lexbuild {

std::u32string Decode(const std::string& utf8);
std::string Encode(const std::u32string& text);

// The word as the grid writes it: capitals without accents (œ gives OE, æ AE).
// Empty when the word holds anything else than letters French spelling uses
// (hyphen, apostrophe, space, digit, a foreign accent).
std::string Fold(const std::string& utf8);

// The runs of letters of a text, each folded to A..Z.
std::vector<std::string> FoldedTokens(const std::string& utf8);

// Lower-case letters of French only (a..z and the accented ones, œ, æ).
bool IsLowerFrenchWord(const std::string& utf8);

// Lower case of a French word written in capitals or capitalised (ÉTÉ, Été:
// été); anything else unchanged.
std::string Lower(const std::string& utf8);

// First letter in capitals (é gives É), the rest unchanged.
std::string Capitalise(const std::string& utf8);

// Number of characters (code points).
std::size_t Length(const std::string& utf8);

// True when Windows-1252 holds every character of the text.
bool FitsCp1252(const std::string& utf8);

// Splits on |sep|, keeping empty fields.
std::vector<std::string> Split(const std::string& text, char sep);
std::string Trim(const std::string& text);

// 64-bit FNV-1a: the builder's only source of "random" order, stable across
// machines and library versions.
unsigned long long Hash(const std::string& text);

}  // namespace lexbuild
