#include <gtest/gtest.h>

#include "Paths.h"
#include "Registry.h"
#include "TestFiles.h"

namespace verbal::test {

namespace {

const char* const kSample =
    "\xEF\xBB\xBF; written by a test\n"
    "# another comment\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Quillsoft\\VERBALINE 2000\\SetupInfo]\r\n"
    "DestinationPath = /opt/verbal \r\n"
    "Empty=\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.htm]\n"
    "@=htmlfile\n"
    "Content Type=text/html\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\htmlfile\\Shell\\Open\\Command]\n"
    "@=\"/usr/bin/nav\" \"%1\" --title=a=b\n"
    "[HKEY_CURRENT_USER\\Software\\Quillsoft]\n"
    "Only=user\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.htm]\n"
    "@=htmlfile2\n";

}  // namespace

TEST(Registry, ReadsValuesOfTheWrittenKeys) {
    TempDir dir;
    WriteFile(dir / "registry.ini", kSample);
    std::string value;

    EXPECT_EQ(ReadRegistryString(RegRoot::LocalMachine, kSetupInfoKey, kDestinationPathValue, value,
                                 dir / "registry.ini"),
              RegistryRead::Ok);
    EXPECT_EQ(value, "/opt/verbal");

    // Keys and value names ignore letter case; "" and "@" both name the
    // default value; a repeated key adds to the first, the last value wins.
    CRegistryKey key(dir / "registry.ini");
    ASSERT_TRUE(key.Open(RegRoot::LocalMachine, "software\\CLASSES\\.HTM"));
    EXPECT_TRUE(key.QueryValue("", value));
    EXPECT_EQ(value, "htmlfile2");
    EXPECT_TRUE(key.QueryValue("@", value));
    EXPECT_EQ(value, "htmlfile2");
    EXPECT_TRUE(key.QueryValue("content type", value));
    EXPECT_EQ(value, "text/html");
    key.Close();
    EXPECT_FALSE(key.QueryValue("", value));
    EXPECT_EQ(value, "");

    // Only the first '=' separates; an empty value exists.
    ASSERT_TRUE(key.Open(RegRoot::LocalMachine, "SOFTWARE\\Classes\\htmlfile\\Shell\\Open\\Command"));
    EXPECT_TRUE(key.QueryValue("", value));
    EXPECT_EQ(value, "\"/usr/bin/nav\" \"%1\" --title=a=b");
    ASSERT_TRUE(key.Open(RegRoot::LocalMachine, kSetupInfoKey));
    EXPECT_TRUE(key.QueryValue("Empty", value));
    EXPECT_EQ(value, "");

    // The two roots are apart.
    EXPECT_FALSE(key.Open(RegRoot::LocalMachine, "Software\\Quillsoft\\Only"));
    EXPECT_TRUE(key.Open(RegRoot::CurrentUser, "Software\\Quillsoft"));
    EXPECT_FALSE(key.Open(RegRoot::CurrentUser, "Software\\Quillsoft\\VERBALINE 2000\\SetupInfo"));
}

TEST(Registry, TellsAMissingKeyFromAMissingValue) {
    TempDir dir;
    WriteFile(dir / "registry.ini", kSample);
    std::string value = "old";
    EXPECT_EQ(ReadRegistryString(RegRoot::LocalMachine, "Software\\Other", "DestinationPath", value,
                                 dir / "registry.ini"),
              RegistryRead::NoKey);
    EXPECT_EQ(value, "");
    EXPECT_EQ(ReadRegistryString(RegRoot::LocalMachine, kSetupInfoKey, "Destination", value, dir / "registry.ini"),
              RegistryRead::NoValue);
    // A key above written keys exists, with no values of its own.
    EXPECT_EQ(ReadRegistryString(RegRoot::LocalMachine, "SOFTWARE\\Classes", "", value, dir / "registry.ini"),
              RegistryRead::NoValue);
    // A prefix of a key name is not a key.
    EXPECT_EQ(ReadRegistryString(RegRoot::LocalMachine, "SOFTWARE\\Classes\\.ht", "", value, dir / "registry.ini"),
              RegistryRead::NoKey);
    // No file, or a directory in its place: no key at all.
    EXPECT_EQ(ReadRegistryString(RegRoot::LocalMachine, kSetupInfoKey, kDestinationPathValue, value,
                                 dir / "missing.ini"),
              RegistryRead::NoKey);
    EXPECT_EQ(ReadRegistryString(RegRoot::LocalMachine, kSetupInfoKey, kDestinationPathValue, value, dir.Path()),
              RegistryRead::NoKey);
}

TEST(Registry, ValuesAreWindows1252CutAt299Bytes) {
    TempDir dir;
    const std::string accented = "/home/Jos\xC3\xA9/verbal";  // UTF-8 in the file
    const std::string exact(299, 'a');
    const std::string longer = std::string(298, 'b') + "\xC3\xA9" + "cd";  // é is one byte in 1252
    WriteFile(dir / "r.ini", "[HKEY_LOCAL_MACHINE\\K]\nA=" + accented + "\nExact=" + exact +
                                     "\nLong=" + longer + "\n");
    std::string value;
    ASSERT_EQ(ReadRegistryString(RegRoot::LocalMachine, "K", "A", value, dir / "r.ini"), RegistryRead::Ok);
    EXPECT_EQ(value, "/home/Jos\xE9/verbal");
    ASSERT_EQ(ReadRegistryString(RegRoot::LocalMachine, "K", "Exact", value, dir / "r.ini"), RegistryRead::Ok);
    EXPECT_EQ(value, exact);
    ASSERT_EQ(ReadRegistryString(RegRoot::LocalMachine, "K", "Long", value, dir / "r.ini"), RegistryRead::Ok);
    EXPECT_EQ(value, std::string(298, 'b') + "\xE9");
}

TEST(Registry, FileComesFromTheEnvironmentElseBesideTheProgram) {
    {
        EnvOverride env("VERBAL_REGISTRY", "/somewhere/test.ini");
        EXPECT_EQ(RegistryFilePath(), std::filesystem::path("/somewhere/test.ini"));
    }
    EnvOverride env("VERBAL_REGISTRY", std::nullopt);
    EXPECT_EQ(RegistryFilePath(), ProgramDirectory() / "registry.ini");
}

TEST(Registry, BuildWritesItsOwnDirectory) {
    std::string value;
    ASSERT_EQ(ReadRegistryString(RegRoot::LocalMachine, kSetupInfoKey, kDestinationPathValue, value,
                                 std::filesystem::path(VERBAL_OUTPUT_DIR) / "registry.ini"),
              RegistryRead::Ok);
    EXPECT_EQ(value, VERBAL_OUTPUT_DIR);
}

}  // namespace verbal::test
