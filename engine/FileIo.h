// Whole-file reading and safe writing for the engine. Paths are the file
// system's own names (UTF-8 on this system), never converted: a name that
// Windows-1252 cannot hold must still open its own file. Only texts shown to
// a person go through ShownPath.
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
// The same; the name the tools outside the engine know it by.
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

// A path in a message (Windows-1252 text): characters that the code page
// lacks become '?', for the eye only.
std::string ShownPath(const std::string& nativePath);

// True when Windows-1252 holds every character of |nativePath|, as a name
// stored in a grid or settings file must.
bool StorableName(const std::string& nativePath);

}  // namespace verbal
