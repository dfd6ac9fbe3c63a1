#include <gtest/gtest.h>

#include "Paths.h"
#include "TestFiles.h"

namespace verbal::test {

namespace fs = std::filesystem;

TEST(Paths, ProgramDirectoryIsWhereTheProgramIs) {
    EXPECT_EQ(fs::canonical(ProgramDirectory()), fs::canonical(VERBAL_TEST_PROGRAM_DIR));
}

TEST(Paths, SettingsFileFollowsTheConfigurationDirectory) {
    EnvOverride home("HOME", "/home/claire");
    {
        EnvOverride config("XDG_CONFIG_HOME", "/tmp/conf");
        EXPECT_EQ(SettingsFilePath(), fs::path("/tmp/conf/verbal.ini"));
    }
    {
        // Unset, empty and relative values all fall back to ~/.config.
        EnvOverride config("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_EQ(SettingsFilePath(), fs::path("/home/claire/.config/verbal.ini"));
    }
    for (const char* value : {"", "conf"}) {
        EnvOverride config("XDG_CONFIG_HOME", std::string(value));
        EXPECT_EQ(SettingsFilePath(), fs::path("/home/claire/.config/verbal.ini"));
    }
}

TEST(Paths, SettingsDirectoryIsMadeWhenMissing) {
    TempDir dir;
    EnvOverride config("XDG_CONFIG_HOME", (dir / "a/b").string());
    EXPECT_TRUE(MakeSettingsDirectory());
    EXPECT_TRUE(fs::is_directory(dir / "a/b"));
    EXPECT_TRUE(MakeSettingsDirectory());  // already there

    // A file where the directory should be.
    WriteFile(dir / "file", "x");
    EnvOverride blocked("XDG_CONFIG_HOME", (dir / "file").string());
    EXPECT_FALSE(MakeSettingsDirectory());
}

}  // namespace verbal::test
