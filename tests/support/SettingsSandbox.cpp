#include "SettingsSandbox.h"

#include <filesystem>

namespace verbal::test {

namespace fs = std::filesystem;

SettingsSandbox::SettingsSandbox(const std::string& installDir)
    : m_config("XDG_CONFIG_HOME", m_dir.File("config")),
      m_registry("VERBAL_REGISTRY", m_dir.File("registry.ini")),
      m_oldCurrentDir(fs::current_path().string()) {
    WriteInstallDir(installDir);
}

SettingsSandbox::~SettingsSandbox() {
    std::error_code error;
    fs::current_path(m_oldCurrentDir, error);
}

void SettingsSandbox::WriteInstallDir(const std::string& installDir) {
    WriteRegistry("[HKEY_LOCAL_MACHINE\\Software\\Quillsoft\\VERBALINE 2000\\SetupInfo]\n"
                  "DestinationPath=" + installDir + "\n");
}

void SettingsSandbox::WriteRegistry(const std::string& text) { WriteFile(RegistryFile(), text); }

}  // namespace verbal::test
