#include "SettingsFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace verbal {
namespace {

void PutInt(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutText(std::string& out, const std::string& text) {
    const std::size_t n = std::min(text.size(), kSettingsTextSize);
    out.append(text, 0, n);
    out.append(kSettingsTextSize - n, '\0');
}

// Reads the fields in file order, each only when the bytes hold all of it.
class CFieldReader {
public:
    explicit CFieldReader(const std::string& bytes) : m_bytes(bytes) {}

    void Int(std::int32_t& value) {
        if (Have(4)) {
            std::uint32_t v = 0;
            for (int i = 0; i < 4; ++i)
                v |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[m_pos + i]))
                     << (8 * i);
            value = static_cast<std::int32_t>(v);
        }
        m_pos += 4;
    }
    void Colour(COLORREF& value) {
        std::int32_t v = static_cast<std::int32_t>(value);
        Int(v);
        value = static_cast<COLORREF>(v);
    }
    void Text(std::string& value) {
        if (Have(kSettingsTextSize)) {
            const char* field = m_bytes.data() + m_pos;
            const void* zero = std::memchr(field, '\0', kSettingsTextSize);
            const std::size_t n =
                zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - field)
                     : kSettingsTextSize;
            value.assign(field, n);
        }
        m_pos += kSettingsTextSize;
    }

private:
    bool Have(std::size_t size) const { return m_pos + size <= m_bytes.size(); }
    const std::string& m_bytes;
    std::size_t m_pos = 0;
};

}  // namespace

bool IsValidCellSize(int size) { return size >= 15 && size <= 35 && size % 5 == 0; }
bool IsValidLineWidth(int width) { return width >= 1 && width <= 4; }
bool IsValidDefBoxPosition(int p) { return p >= 0 && p <= 4; }

std::string EncodeSettings(const CViewSettings& s) {
    std::string out;
    out.reserve(kSettingsFileSize);
    PutInt(out, static_cast<std::uint32_t>(s.m_nCellSize));
    PutInt(out, static_cast<std::uint32_t>(s.m_nLineWidth));
    PutText(out, s.m_strDictionaryPath);
    PutText(out, s.m_strDefinitionsPath);
    for (const std::string& sound : s.m_strSoundFile) PutText(out, sound);
    PutText(out, s.m_strBrowserPath);
    PutText(out, s.m_strInstallDir);
    PutInt(out, s.m_clrGridLetters);
    PutInt(out, s.m_clrInnerFrame);
    PutInt(out, s.m_clrOuterFrame);
    PutInt(out, s.m_clrScreenBackground);
    PutInt(out, s.m_clrGridBackground);
    PutInt(out, static_cast<std::uint32_t>(s.m_nDefBoxPosition));
    return out;
}

void DecodeSettings(const std::string& bytes, CViewSettings& s) {
    CFieldReader in(bytes);
    std::int32_t cellSize = s.m_nCellSize;
    std::int32_t lineWidth = s.m_nLineWidth;
    std::int32_t position = s.m_nDefBoxPosition;
    in.Int(cellSize);
    in.Int(lineWidth);
    in.Text(s.m_strDictionaryPath);
    in.Text(s.m_strDefinitionsPath);
    for (std::string& sound : s.m_strSoundFile) in.Text(sound);
    in.Text(s.m_strBrowserPath);
    in.Text(s.m_strInstallDir);
    in.Colour(s.m_clrGridLetters);
    in.Colour(s.m_clrInnerFrame);
    in.Colour(s.m_clrOuterFrame);
    in.Colour(s.m_clrScreenBackground);
    in.Colour(s.m_clrGridBackground);
    in.Int(position);
    s.m_nCellSize = IsValidCellSize(cellSize) ? cellSize : kDefaultCellSize;
    s.m_nLineWidth = IsValidLineWidth(lineWidth) ? lineWidth : kDefaultLineWidth;
    s.m_nDefBoxPosition = IsValidDefBoxPosition(position) ? position : kDefaultDefBoxPosition;
}

}  // namespace verbal
