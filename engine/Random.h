// The pseudo-random generator of the classic C runtime: the same seed gives
// the same sequence on every machine, so a seed names a grid for good.
#pragma once

#include <cstdint>

namespace verbal {

class CRandom {
public:
    void Seed(std::uint32_t seed) { m_nState = seed; }
    // A value from 0 to 32767.
    int Next() {
        m_nState = m_nState * 214013u + 2531011u;
        return static_cast<int>((m_nState >> 16) & 0x7FFF);
    }

private:
    std::uint32_t m_nState = 1;
};

}  // namespace verbal
