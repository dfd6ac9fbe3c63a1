// Whole-file reading and safe writing for the engine. Paths are Windows-1252
// text like every string of the document; they are converted for the file
// system here.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace verbal {

enum class ReadResult { Ok, CannotOpen, TooLarge, ReadError };

// Reads the whole file into |bytes| unless it holds more than |maxBytes|;
// on TooLarge, |size| still tells how large the file is. Only a regular file
// can be opened: a folder, a FIFO or a device is refused at once.
ReadResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<char>& bytes,
                         std::size_t& size);
// The same for a path as the file system writes it (UTF-8), for tools whose
// paths come from the command line.
ReadResult ReadNativeFile(const std::string& nativePath, std::size_t maxBytes,
                          std::vector<char>& bytes, std::size_t& size);

// Opens a regular file for reading (UTF-8 path) without ever waiting on a
// FIFO or a device; -1 for anything else. The caller closes it.
int OpenRegularFile(const std::string& nativePath);
// Reads until |maxBytes| or the end of the file; -1 on a read error.
long ReadUpTo(int fd, char* data, std::size_t maxBytes);

// True when the file is a regular file that can be opened for reading.
bool FileCanBeRead(const std::string& path);

// Writes |bytes| to |path| without ever losing what was there: the data go to
// a temporary file in the same folder, which replaces the target only once
// every byte is on disk. On failure the old file is untouched and the result
// is the system's error number.
int WriteFileAtomically(const std::string& path, const std::vector<char>& bytes);

// A short French reason for a system error number.
std::string FrenchErrorText(int errnum);

// The path as the file system wants it (UTF-8).
std::string NativePath(const std::string& path);

}  // namespace verbal
