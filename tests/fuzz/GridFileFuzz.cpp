// Any bytes given as a grid file: read, checked, and either refused or taken;
// a grid taken is written back to the very same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "VerbalineDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto doc = std::make_unique<verbal::CVerbalineDoc>();
    const char* bytes = reinterpret_cast<const char*>(data);
    if (!doc->ReadGridBytes(bytes, size).empty()) return 0;
    const std::vector<char> again = doc->WriteGridBytes();
    if (again.size() != size || !std::equal(again.begin(), again.end(), bytes)) {
        // A canonical file must survive a round trip; only string prefixes
        // written in a longer form than needed may differ.
        auto copy = std::make_unique<verbal::CVerbalineDoc>();
        if (!copy->ReadGridBytes(again.data(), again.size()).empty()) std::abort();
    }
    // What a reader of the grid sees must stay inside it.
    doc->CountWrongCells();
    for (int line = 1; line <= 20; ++line)
        for (const verbal::LineWord& word : doc->Words(verbal::Direction::Down, line))
            doc->Clue(verbal::Direction::Down, line, word.number);
    return 0;
}
