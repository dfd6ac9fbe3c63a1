// The binary form of grid files: 32-bit little-endian integers, raw bytes,
// and length-prefixed strings (one byte up to 254, then 255 and a 16-bit
// length, then 255, 0xFFFF and a 32-bit length).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace verbal {

// Raised by CArchiveReader on a short or malformed file; the caller turns it
// into one message for the person.
class CArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CArchiveWriter {
public:
    void WriteInt32(std::int32_t value);
    void WriteBytes(const char* bytes, std::size_t count);
    void WriteString(const std::string& text);
    const std::vector<char>& Bytes() const { return m_bytes; }

private:
    std::vector<char> m_bytes;
};

class CArchiveReader {
public:
    CArchiveReader(const char* bytes, std::size_t size) : m_bytes(bytes), m_size(size) {}
    std::int32_t ReadInt32();
    void ReadBytes(char* out, std::size_t count);
    std::string ReadString();
    std::size_t Remaining() const { return m_size - m_pos; }

private:
    std::uint32_t ReadUnsigned(int bytes);
    const char* m_bytes;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

}  // namespace verbal
