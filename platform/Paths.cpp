#include "Paths.h"

#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace verbal {

namespace fs = std::filesystem;

fs::path ProgramDirectory() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error && program.has_parent_path()) return program.parent_path();
    return fs::current_path(error);
}

static fs::path HomeDirectory() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

fs::path SettingsFilePath() {
    // A relative XDG_CONFIG_HOME is invalid and is to be ignored.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return fs::path(config) / "verbal.ini";
    return HomeDirectory() / ".config" / "verbal.ini";
}

bool MakeSettingsDirectory() {
    const fs::path directory = SettingsFilePath().parent_path();
    std::error_code error;
    fs::create_directories(directory, error);
    return fs::is_directory(directory, error);
}

}  // namespace verbal
