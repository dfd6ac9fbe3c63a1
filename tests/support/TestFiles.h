// Files and environment variables that tests make and put back: one
// temporary directory helper for every test folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace verbal::test {

// A fresh directory under the system's temporary directory, removed with
// everything in it (links are removed, not followed) with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    std::filesystem::path operator/(const std::string& name) const {
        return std::filesystem::path(m_path) / name;
    }

private:
    std::string m_path;
};

// Sets an environment variable, or removes it when there is no value, and
// puts the old one back at the end.
class EnvOverride {
public:
    EnvOverride(std::string name, const std::optional<std::string>& value);
    ~EnvOverride();
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

// Writes the bytes, making the folders above; throws when it cannot.
void WriteFile(const std::filesystem::path& path, const std::string& bytes, bool executable = false);
// The whole file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

}  // namespace verbal::test
