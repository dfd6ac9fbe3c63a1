// The sizes the program's buffers and files must keep to. The dictionary
// builder checks the files it writes against the same numbers.
#pragma once

#include <cstddef>

namespace verbal {

// The definitions text and the dictionary text, each read whole into a
// buffer of this many bytes.
inline constexpr int kDefinitionsSize = 4000000;
inline constexpr int kDictionarySize = 1000000;
// Bytes the rebuilt word table adds to the dictionary text: 26 letters and
// the black square before the words, the end marker after them.
inline constexpr int kTableAdditions = 308;
// Each line of a dictionary may start a run of the shuffle, which has random
// starts for fewer runs than this.
inline constexpr int kMaxShuffleRuns = 99996;
// Only the first bytes of a definitions file are searched with certainty: a
// search gives up once it is past this position on a line of another word.
inline constexpr int kDefsSearchLimit = 3000000;
// Far more than any grid file: larger files are refused before they are read.
inline constexpr std::size_t kMaxGridFileSize = 16u << 20;

}  // namespace verbal
