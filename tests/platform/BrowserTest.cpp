#include <gtest/gtest.h>

#include "Browser.h"
#include "Codepage.h"
#include "TestFiles.h"

namespace verbal::test {

TEST(Browser, ProgramOfAWindowsOpenCommand) {
    EXPECT_EQ(ProgramFromOpenCommand("\"C:\\Program Files\\Browser\\browser.exe\" \"%1\""),
              "C:\\Program Files\\Browser\\browser.exe");
    EXPECT_EQ(ProgramFromOpenCommand("C:\\BROWSER\\BROWSER.EXE %1"), "C:\\BROWSER\\BROWSER.EXE");
    // The last ".exe" counts, whatever its case.
    EXPECT_EQ(ProgramFromOpenCommand("C:\\a.exe\\b.ExE -nohome"), "C:\\a.exe\\b.ExE");
    // No drive: the trim stops with fewer than four characters left.
    EXPECT_EQ(ProgramFromOpenCommand("browser.exe %1"), "exe");
    EXPECT_EQ(ProgramFromOpenCommand("\"/opt/Nav/nav.exe\" %1"), "/opt/Nav/nav.exe");
}

TEST(Browser, ProgramOfACommandWithoutExe) {
    EXPECT_EQ(ProgramFromOpenCommand("\"/opt/Mon navigateur/nav\" \"%1\""), "/opt/Mon navigateur/nav");
    EXPECT_EQ(ProgramFromOpenCommand("  /usr/bin/nav --new-window %u"), "/usr/bin/nav");
    EXPECT_EQ(ProgramFromOpenCommand("firefox %u"), "firefox");
    EXPECT_EQ(ProgramFromOpenCommand("\"/opt/unclosed"), "/opt/unclosed");
    EXPECT_EQ(ProgramFromOpenCommand(""), "");
    EXPECT_EQ(ProgramFromOpenCommand("   "), "");
}

class FindBrowser : public ::testing::Test {
protected:
    // Registers |command| as the open command of ".htm".
    void Register(const std::string& command) {
        WriteFile(m_dir / "registry.ini",
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.htm]\n@=htmlfile\n"
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\htmlfile\\Shell\\Open\\Command]\n@=" +
                          command + "\n");
    }
    std::string Find(const std::string& extension = ".htm") {
        return FindBrowserForExtension(extension, m_dir / "registry.ini");
    }
    std::string Program(const std::string& relative) { return (m_dir / relative).string(); }

    TempDir m_dir;
};

TEST_F(FindBrowser, RegisteredProgramThatExists) {
    WriteFile(m_dir / "Mon Nav/nav.exe", "#!/bin/sh\n", true);
    Register("\"" + Program("Mon Nav/nav.exe") + "\" \"%1\"");
    EXPECT_EQ(Find(), Program("Mon Nav/nav.exe"));

    WriteFile(m_dir / "bin/navigateur", "#!/bin/sh\n", true);
    Register(Program("bin/navigateur") + " %u");
    EXPECT_EQ(Find(), Program("bin/navigateur"));

    // The file system's own names, even those Windows-1252 lacks (été-日本).
    const std::string named = "\xC3\xA9t\xC3\xA9-\xE6\x97\xA5\xE6\x9C\xAC/nav";
    WriteFile(m_dir / named, "#!/bin/sh\n", true);
    Register("\"" + Program(named) + "\" \"%1\"");
    EXPECT_EQ(Find(), Program(named));
}

TEST_F(FindBrowser, BareNameIsLookedUpInPath) {
    WriteFile(m_dir / "bin/monnav", "#!/bin/sh\n", true);
    EnvOverride path("PATH", (m_dir / "nothing").string() + ":" + (m_dir / "bin").string());
    Register("monnav %u");
    EXPECT_EQ(Find(), Program("bin/monnav"));
    Register("absent %u");
    EXPECT_EQ(Find(), kBrowserNotFound);
}

TEST_F(FindBrowser, EveryFailureGivesErreur) {
    // No registry file, no class, no command key, an empty command.
    EXPECT_EQ(Find(), "erreur");
    Register("\"/nowhere/nav.exe\" \"%1\"");
    EXPECT_EQ(Find(".html"), "erreur");
    WriteFile(m_dir / "registry.ini", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.htm]\n@=htmlfile\n");
    EXPECT_EQ(Find(), "erreur");
    Register("");
    EXPECT_EQ(Find(), "erreur");

    // The program is missing, is a directory, or cannot be run.
    EXPECT_EQ((Register("\"/nowhere/nav.exe\" \"%1\""), Find()), "erreur");
    EXPECT_EQ((Register("\"" + m_dir.Path() + "\" \"%1\""), Find()), "erreur");
    WriteFile(m_dir / "plain", "text");
    EXPECT_EQ((Register(Program("plain") + " %1"), Find()), "erreur");
    // Drive-letter paths name no file here.
    EXPECT_EQ((Register("C:\\BROWSER\\BROWSER.EXE %1"), Find()), "erreur");
}

}  // namespace verbal::test
