#include "Archive.h"

#include "Codepage.h"

namespace verbal {

void CArchiveWriter::WriteInt32(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) m_bytes.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void CArchiveWriter::WriteBytes(const char* bytes, std::size_t count) {
    m_bytes.insert(m_bytes.end(), bytes, bytes + count);
}

void CArchiveWriter::WriteString(const std::string& text) {
    const std::size_t n = text.size();
    if (n < 255) {
        m_bytes.push_back(static_cast<char>(n));
    } else if (n < 0xFFFE) {
        m_bytes.push_back(static_cast<char>(0xFF));
        m_bytes.push_back(static_cast<char>(n & 0xFF));
        m_bytes.push_back(static_cast<char>((n >> 8) & 0xFF));
    } else {
        m_bytes.push_back(static_cast<char>(0xFF));
        m_bytes.push_back(static_cast<char>(0xFF));
        m_bytes.push_back(static_cast<char>(0xFF));
        WriteInt32(static_cast<std::int32_t>(n));
    }
    WriteBytes(text.data(), n);
}

std::uint32_t CArchiveReader::ReadUnsigned(int bytes) {
    if (Remaining() < static_cast<std::size_t>(bytes))
        throw CArchiveError(W("le fichier est trop court"));
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[m_pos + i])) << (8 * i);
    m_pos += static_cast<std::size_t>(bytes);
    return value;
}

std::int32_t CArchiveReader::ReadInt32() { return static_cast<std::int32_t>(ReadUnsigned(4)); }

void CArchiveReader::ReadBytes(char* out, std::size_t count) {
    if (Remaining() < count) throw CArchiveError(W("le fichier est trop court"));
    for (std::size_t i = 0; i < count; ++i) out[i] = m_bytes[m_pos + i];
    m_pos += count;
}

std::string CArchiveReader::ReadString() {
    std::uint32_t n = ReadUnsigned(1);
    if (n == 0xFF) {
        n = ReadUnsigned(2);
        // 0xFFFE marks text of two-byte characters, which grid files never hold.
        if (n == 0xFFFE) throw CArchiveError(W("un texte du fichier est illisible"));
        if (n == 0xFFFF) n = ReadUnsigned(4);
    }
    if (n > Remaining()) throw CArchiveError(W("un texte du fichier dépasse la fin du fichier"));
    std::string text(m_bytes + m_pos, n);
    m_pos += n;
    return text;
}

}  // namespace verbal
