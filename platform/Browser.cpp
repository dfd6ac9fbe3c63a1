#include "Browser.h"

#include <cctype>

#include <sys/stat.h>
#include <unistd.h>

#include "Codepage.h"
#include "Process.h"

namespace verbal {

const char* const kBrowserNotFound = "erreur";

namespace {

bool EndsWithExe(const std::string& text) {
    if (text.size() < 4) return false;
    const char* tail = text.c_str() + text.size() - 4;
    return tail[0] == '.' && std::tolower(static_cast<unsigned char>(tail[1])) == 'e' &&
           std::tolower(static_cast<unsigned char>(tail[2])) == 'x' &&
           std::tolower(static_cast<unsigned char>(tail[3])) == 'e';
}

bool StartsWithDrive(const std::string& text) { return text.size() >= 3 && text[1] == ':' && text[2] == '\\'; }

std::string FirstWord(const std::string& command) {
    std::size_t start = command.find_first_not_of(" \t");
    if (start == std::string::npos) return std::string();
    if (command[start] == '"') {
        const std::size_t close = command.find('"', start + 1);
        return command.substr(start + 1, close == std::string::npos ? std::string::npos : close - start - 1);
    }
    const std::size_t end = command.find_first_of(" \t", start);
    return command.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The open check: a file that can be read, and run.
bool IsUsableProgram(const std::string& nativePath) {
    struct stat info {};
    return stat(nativePath.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(nativePath.c_str(), R_OK | X_OK) == 0;
}

std::string ReadDefaultValue(const std::filesystem::path& registryFile, const std::string& key, bool& ok) {
    std::string value;
    ok = ReadRegistryPath(RegRoot::LocalMachine, key, "", value, registryFile) == RegistryRead::Ok;
    return value;
}

}  // namespace

std::string ProgramFromOpenCommand(const std::string& command) {
    std::string text = command;
    while (!text.empty() && !EndsWithExe(text)) text.pop_back();
    if (text.empty()) return FirstWord(command);
    while (text.size() >= 4 && !StartsWithDrive(text) && text[0] != '/') text.erase(0, 1);
    return text;
}

std::string FindBrowserForExtension(const std::string& extension, const std::filesystem::path& registryFile) {
    bool ok = false;
    const std::string className = Utf8ToCp1252(
        ReadDefaultValue(registryFile, "SOFTWARE\\Classes\\" + extension, ok));
    if (!ok) return kBrowserNotFound;
    // The command is read as the file system names its program (UTF-8).
    const std::string command =
        ReadDefaultValue(registryFile, "SOFTWARE\\Classes\\" + className + "\\Shell\\Open\\Command", ok);
    if (!ok) return kBrowserNotFound;

    std::string native = ProgramFromOpenCommand(command);
    if (native.empty()) return kBrowserNotFound;
    if (native.find('/') == std::string::npos)
        if (const std::string found = FindProgramInPath(native); !found.empty()) native = found;
    return IsUsableProgram(native) ? native : kBrowserNotFound;
}

}  // namespace verbal
