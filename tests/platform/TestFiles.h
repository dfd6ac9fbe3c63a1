// Temporary directories and environment variables that tests change and
// put back.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace verbal::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

class ScopedEnv {
public:
    // Sets |name| to |value|, or removes it when there is no value.
    ScopedEnv(std::string name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

void WriteTextFile(const std::filesystem::path& path, const std::string& text, bool executable = false);
std::string ReadTextFile(const std::filesystem::path& path);

}  // namespace verbal::test
