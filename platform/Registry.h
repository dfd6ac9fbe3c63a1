// The read-only registry: a text file that holds the few keys the program
// reads (the installation directory, the programs registered for HTML files).
//
// Which file: the one named by the environment variable VERBAL_REGISTRY, else
// registry.ini beside the running program. The build writes one into its
// output directory and the installation writes one beside the installed
// programs; tests write their own.
//
// Format, one item per line, UTF-8:
//
//   ; a comment (a line starting with ';' or '#')
//   [HKEY_LOCAL_MACHINE\Software\Quillsoft\VERBALINE 2000\SetupInfo]
//   DestinationPath=/usr/local/lib/verbal
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Classes\.htm]
//   @=htmlfile
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Classes\htmlfile\Shell\Open\Command]
//   @="/usr/bin/firefox" "%1"
//
// A section is a key: its full path, starting with the name of the root key
// (HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER), parts separated by backslashes.
// Each "name=value" line below it is a string value of that key; the name "@"
// is the key's default (unnamed) value. The value is everything after the
// first '=', without the blanks around it; no quoting, no escapes. Key paths
// and value names are compared without regard to letter case, as the system
// registry does; a key also exists when only keys below it are written. When
// a value is written twice, the last one counts.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace verbal {

// The key of the installation and its value: the installation directory,
// without a trailing separator.
extern const char* const kSetupInfoKey;          // Software\Quillsoft\VERBALINE 2000\SetupInfo
extern const char* const kDestinationPathValue;  // DestinationPath

// Values are read into 300-byte buffers that keep one byte for the
// terminator: a longer value comes back cut to this many bytes.
constexpr std::size_t kRegistryValueMax = 299;

// The registry file in force: $VERBAL_REGISTRY, else registry.ini in
// ProgramDirectory().
std::filesystem::path RegistryFilePath();

enum class RegRoot { LocalMachine, CurrentUser };

// One key, opened for query, read, then closed, like its system counterpart.
// Texts (key paths, value names, values) are Windows-1252 bytes.
class CRegistryKey {
public:
    explicit CRegistryKey(std::filesystem::path registryFile = RegistryFilePath());

    // Opens |subKey| (for example kSetupInfoKey) under |root|. False when the
    // key does not exist, or the registry file is missing or unreadable.
    bool Open(RegRoot root, const std::string& subKey);

    // Reads the string value |name| ("" or "@" for the default value) of the
    // open key. False when no key is open or it has no such value; |value| is
    // then emptied.
    bool QueryValue(const std::string& name, std::string& value) const;
    // The same value as the file writes it (UTF-8): for a path, which must
    // name its file even with characters that Windows-1252 lacks.
    bool QueryNativeValue(const std::string& name, std::string& value) const;

    void Close();
    bool IsOpen() const { return m_bOpen; }

private:
    const std::string* FindValue(const std::string& name) const;  // as the file has it

    std::filesystem::path m_registryFile;
    bool m_bOpen = false;
    std::vector<std::pair<std::string, std::string>> m_values;  // name (lower case), value
};

// Open, query and close in one call, telling which step failed so that the
// caller can say whether the key or the value is missing.
enum class RegistryRead { Ok, NoKey, NoValue };
RegistryRead ReadRegistryString(RegRoot root, const std::string& subKey, const std::string& valueName,
                                std::string& value,
                                const std::filesystem::path& registryFile = RegistryFilePath());
// The same for a value that is a path: as the file system names it (UTF-8).
RegistryRead ReadRegistryPath(RegRoot root, const std::string& subKey, const std::string& valueName,
                              std::string& value,
                              const std::filesystem::path& registryFile = RegistryFilePath());

}  // namespace verbal
