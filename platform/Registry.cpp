#include "Registry.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "Codepage.h"
#include "Paths.h"

namespace verbal {

const char* const kSetupInfoKey = "Software\\Quillsoft\\VERBALINE 2000\\SetupInfo";
const char* const kDestinationPathValue = "DestinationPath";

namespace {

// A registry file is a few lines; anything larger is not one.
constexpr std::size_t kMaxRegistryFile = 1 << 20;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

const char* RootName(RegRoot root) {
    return root == RegRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string ValueKey(const std::string& name) { return name == "@" ? std::string() : Lower(name); }

bool ReadSmallFile(const std::filesystem::path& path, std::string& text) {
    std::error_code error;
    // Only a regular file: opening a pipe or a device could block for ever.
    if (!std::filesystem::is_regular_file(path, error)) return false;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kMaxRegistryFile) return false;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

}  // namespace

std::filesystem::path RegistryFilePath() {
    const char* named = std::getenv("VERBAL_REGISTRY");
    if (named && *named) return named;
    return ProgramDirectory() / "registry.ini";
}

CRegistryKey::CRegistryKey(std::filesystem::path registryFile) : m_registryFile(std::move(registryFile)) {}

bool CRegistryKey::Open(RegRoot root, const std::string& subKey) {
    Close();
    std::string text;
    if (!ReadSmallFile(m_registryFile, text)) return false;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);

    const std::string wanted = Lower(std::string(RootName(root)) + "\\" + subKey);
    bool found = false;
    bool inKey = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            const std::size_t close = line.rfind(']');
            const std::string section =
                Lower(Utf8ToCp1252(Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1))));
            inKey = section == wanted;
            // A key whose subkeys are written exists too.
            if (inKey || section.compare(0, wanted.size() + 1, wanted + "\\") == 0) found = true;
            continue;
        }
        const std::size_t equal = line.find('=');
        if (!inKey || equal == std::string::npos) continue;
        const std::string name = ValueKey(Utf8ToCp1252(Trim(line.substr(0, equal))));
        // Kept as the file has it (UTF-8): a path is handed to the file
        // system unconverted, other texts are converted when queried.
        const std::string value = Trim(line.substr(equal + 1));
        bool replaced = false;
        for (auto& entry : m_values)
            if (entry.first == name) {
                entry.second = value;
                replaced = true;
            }
        if (!replaced) m_values.emplace_back(name, value);
    }
    m_bOpen = found;
    if (!found) m_values.clear();
    return found;
}

const std::string* CRegistryKey::FindValue(const std::string& name) const {
    if (!m_bOpen) return nullptr;
    const std::string key = ValueKey(name);
    for (const auto& entry : m_values)
        if (entry.first == key) return &entry.second;
    return nullptr;
}

bool CRegistryKey::QueryValue(const std::string& name, std::string& value) const {
    value.clear();
    const std::string* found = FindValue(name);
    if (!found) return false;
    value = Utf8ToCp1252(*found);
    if (value.size() > kRegistryValueMax) value.resize(kRegistryValueMax);
    return true;
}

bool CRegistryKey::QueryNativeValue(const std::string& name, std::string& value) const {
    value.clear();
    const std::string* found = FindValue(name);
    if (!found) return false;
    value = *found;
    // The 300-byte buffer, never cutting a character in two.
    if (value.size() > kRegistryValueMax) {
        std::size_t cut = kRegistryValueMax;
        while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) --cut;
        value.resize(cut);
    }
    return true;
}

void CRegistryKey::Close() {
    m_bOpen = false;
    m_values.clear();
}

RegistryRead ReadRegistryString(RegRoot root, const std::string& subKey, const std::string& valueName,
                                std::string& value, const std::filesystem::path& registryFile) {
    value.clear();
    CRegistryKey key(registryFile);
    if (!key.Open(root, subKey)) return RegistryRead::NoKey;
    const bool found = key.QueryValue(valueName, value);
    key.Close();
    return found ? RegistryRead::Ok : RegistryRead::NoValue;
}

RegistryRead ReadRegistryPath(RegRoot root, const std::string& subKey, const std::string& valueName,
                              std::string& value, const std::filesystem::path& registryFile) {
    value.clear();
    CRegistryKey key(registryFile);
    if (!key.Open(root, subKey)) return RegistryRead::NoKey;
    const bool found = key.QueryNativeValue(valueName, value);
    key.Close();
    return found ? RegistryRead::Ok : RegistryRead::NoValue;
}

}  // namespace verbal
