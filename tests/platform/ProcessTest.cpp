#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "Process.h"
#include "TestFiles.h"

namespace verbal::test {

namespace fs = std::filesystem;

TEST(Process, SplitsQuotedWords) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(SplitCommandLine("\"/opt/Mon Nav/nav\" \"/usr/lib/verbal/aide.htm\""),
              (Words{"/opt/Mon Nav/nav", "/usr/lib/verbal/aide.htm"}));
    EXPECT_EQ(SplitCommandLine("  nav   a\tb "), (Words{"nav", "a", "b"}));
    EXPECT_EQ(SplitCommandLine("\"\" \"page\""), (Words{"", "page"}));
    EXPECT_EQ(SplitCommandLine("ab\"c d\"e"), (Words{"abc de"}));
    EXPECT_EQ(SplitCommandLine(""), Words{});
}

class StartProcessTest : public ::testing::Test {
protected:
    // A program that writes its arguments, one per line, into |out|.
    fs::path RecorderScript(const std::string& name) {
        const fs::path script = m_dir / name;
        WriteFile(script,
                      "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                          (m_dir / "args.tmp").string() + "\"\nmv \"" + (m_dir / "args.tmp").string() + "\" \"" +
                          (m_dir / "args").string() + "\"\n",
                      true);
        return script;
    }
    // What the started program wrote, once it has written it.
    std::string RecordedArguments() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!fs::exists(m_dir / "args") && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return ReadFile(m_dir / "args");
    }

    TempDir m_dir;
};

TEST_F(StartProcessTest, StartsTheProgramWithItsPage) {
    const fs::path script = RecorderScript("Mon navigateur");
    // The command line is Windows-1252: "é" reaches the program as UTF-8.
    EXPECT_EQ(StartProcess("\"" + script.string() + "\" \"/srv/aide \xE9t\xE9.htm\""), kStartOk);
    EXPECT_EQ(RecordedArguments(), "/srv/aide \xC3\xA9t\xC3\xA9.htm\n");
}

// An installation path with a double quote in it: as one command line it
// would split; as a list of words it reaches the program whole.
TEST_F(StartProcessTest, WordsGivenApartAreNeverSplit) {
    const fs::path script = RecorderScript("nav \"rapide\"");
    EXPECT_EQ(StartProgram({script.string(), "/srv/jeux \"x\"/aide.htm"}), kStartOk);
    EXPECT_EQ(RecordedArguments(), "/srv/jeux \"x\"/aide.htm\n");
    EXPECT_EQ(StartProgram({(m_dir / "absent \"a\"/nav").string(), "p.htm"}), kStartPathNotFound);
    EXPECT_EQ(StartProgram({}), kStartFileNotFound);
}

TEST_F(StartProcessTest, BareNameIsFoundInPath) {
    RecorderScript("recorder");
    EnvOverride path("PATH", m_dir.Path() + ":/usr/bin:/bin");
    EXPECT_EQ(StartProcess("\"recorder\" \"page.htm\""), kStartOk);
    EXPECT_EQ(RecordedArguments(), "page.htm\n");
    EXPECT_EQ(StartProcess("\"absent\" \"page.htm\""), kStartFileNotFound);
}

TEST_F(StartProcessTest, MissingFileAndMissingDirectoryAreTold) {
    EXPECT_EQ(StartProcess("\"" + (m_dir / "nav").string() + "\" \"p.htm\""), kStartFileNotFound);
    EXPECT_EQ(StartProcess("\"" + (m_dir / "absent/nav").string() + "\" \"p.htm\""), kStartPathNotFound);
    WriteFile(m_dir / "file", "x");
    EXPECT_EQ(StartProcess("\"" + (m_dir / "file/nav").string() + "\" \"p.htm\""), kStartPathNotFound);
    EXPECT_EQ(StartProcess("\"\" \"p.htm\""), kStartFileNotFound);
    EXPECT_EQ(StartProcess(""), kStartFileNotFound);
    // A Windows path names no file here.
    EXPECT_EQ(StartProcess("\"C:\\Program Files\\Nav\\nav.exe\" \"p.htm\""), kStartFileNotFound);
}

TEST_F(StartProcessTest, OtherFailuresAreNeitherSuccessNorMissingFile) {
    WriteFile(m_dir / "plain", "not a program");
    EXPECT_EQ(StartProcess("\"" + (m_dir / "plain").string() + "\" \"p.htm\""), kStartAccessDenied);
    EXPECT_EQ(StartProcess("\"" + m_dir.Path() + "\" \"p.htm\""), kStartAccessDenied);
    WriteFile(m_dir / "garbage", "\x7f\x01\x02\x03 not a program", true);
    EXPECT_EQ(StartProcess("\"" + (m_dir / "garbage").string() + "\" \"p.htm\""), kStartBadFormat);
}

}  // namespace verbal::test
