// The dictionary, the definitions and the solution blocks of grid files are
// stored with every byte shifted by one constant, so that a grid's answers are
// not readable in a text editor. Changing the value makes every shipped file
// and every saved grid unreadable: it is fixed for good.
#pragma once

#include <cstddef>
#include <cstdint>

namespace verbal {

inline constexpr std::uint8_t kScrambleOffset = 0x9B;

inline void Scramble(char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>(static_cast<std::uint8_t>(bytes[i]) + kScrambleOffset);
}

inline void Unscramble(char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>(static_cast<std::uint8_t>(bytes[i]) - kScrambleOffset);
}

}  // namespace verbal
