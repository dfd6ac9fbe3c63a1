// A settings directory and a registry file of a test's own, so that no test
// reads or writes the user's real verbal.ini.
#pragma once

#include <string>

#include "DictWriter.h"

namespace verbal::test {

class SettingsSandbox {
public:
    // XDG_CONFIG_HOME and VERBAL_REGISTRY point into a new temporary
    // directory; the registry names |installDir| as the installation. The
    // environment and the current directory come back at the end.
    explicit SettingsSandbox(const std::string& installDir = VERBAL_TEST_INSTALL_DIR);
    ~SettingsSandbox();

    const std::string& Dir() const { return m_dir.Path(); }
    std::string SettingsFile() const { return m_dir.File("config/verbal.ini"); }
    std::string RegistryFile() const { return m_dir.File("registry.ini"); }

    // Replaces the registry: the installation directory only, or any text.
    void WriteInstallDir(const std::string& installDir);
    void WriteRegistry(const std::string& text);

private:
    TempDir m_dir;
    EnvOverride m_config;
    EnvOverride m_registry;
    std::string m_oldCurrentDir;
};

}  // namespace verbal::test
