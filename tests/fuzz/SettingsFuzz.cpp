// Any bytes as verbal.ini: decoding stays inside the bytes, every value that
// comes out is one the program can use, and what is written back decodes
// to the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    verbal::CViewSettings settings = verbal::CViewSettings::FirstRun("/opt/verbal");
    verbal::DecodeSettings(bytes, settings);
    if (!verbal::IsValidCellSize(settings.m_nCellSize) ||
        !verbal::IsValidLineWidth(settings.m_nLineWidth) ||
        !verbal::IsValidDefBoxPosition(settings.m_nDefBoxPosition))
        std::abort();
    const std::string written = verbal::EncodeSettings(settings);
    if (written.size() != verbal::kSettingsFileSize) std::abort();
    verbal::CViewSettings again;
    verbal::DecodeSettings(written, again);
    if (verbal::EncodeSettings(again) != written) std::abort();
    return 0;
}
