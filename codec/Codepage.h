// Windows-1252, the code page of every text the program stores: dictionary and
// definitions files, grid files, settings. Text is kept as 1252 bytes inside
// the engine and converted to and from UTF-8 only where it meets the screen,
// the console or the source code.
#pragma once

#include <string>

namespace verbal {

// Characters that 1252 cannot hold become '?'. Invalid UTF-8 bytes are taken
// as 1252 bytes as they are, so that no input is lost.
std::string Utf8ToCp1252(const std::string& utf8);
std::string Cp1252ToUtf8(const std::string& cp1252);

// UTF-8 and code points, for tools that work on characters; a byte that is
// not UTF-8 becomes U+FFFD.
std::u32string Utf8ToUtf32(const std::string& utf8);
std::string Utf32ToUtf8(const std::u32string& text);

// Shorthand for the program's own French texts, written in UTF-8 in the
// sources.
inline std::string W(const char* utf8) { return Utf8ToCp1252(utf8); }

}  // namespace verbal
