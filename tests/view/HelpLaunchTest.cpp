// The help and site commands with a browser that records its arguments.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "FakeSettingsDialogs.h"
#include "SettingsSandbox.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::test {
namespace {

namespace fs = std::filesystem;

class HelpLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        m_pages = m_dir.File("Verbaline 2000") + "/";
        fs::create_directories(m_pages);
        WriteFile(m_pages + "aide.htm", "<html>aide</html>");
        WriteFile(m_pages + "enligne.htm", "<html>site</html>");
        // A browser in a directory with a blank, writing its arguments one a
        // line, then renaming the record so that it appears complete.
        m_browser = m_dir.File("Mon navigateur") + "/nav";
        fs::create_directories(fs::path(m_browser).parent_path());
        WriteFile(m_browser, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + m_dir.File("record.tmp") +
                                 "\"\nmv \"" + m_dir.File("record.tmp") + "\" \"" + Record() +
                                 "\"\n");
        fs::permissions(m_browser, fs::perms::owner_exec, fs::perm_options::add);

        view = std::make_unique<CVerbalineView>(doc.get());
        view->m_settings.m_strInstallDir = m_pages;
        view->m_settings.m_strBrowserPath = m_browser;
    }

    std::string Record() const { return m_dir.File("record"); }
    // What the browser was given, once it has run (the launch does not wait).
    std::string WaitForRecord() const {
        for (int i = 0; i < 500 && !fs::exists(Record()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return ReadFile(Record());
    }

    TempDir m_dir;
    SettingsSandbox sandbox;
    FakeSettingsDialogs dialogs;
    std::unique_ptr<CVerbalineDoc> doc = std::make_unique<CVerbalineDoc>();
    std::unique_ptr<CVerbalineView> view;
    std::string m_pages;
    std::string m_browser;
};

TEST_F(HelpLaunch, HelpAndSiteOpenTheirPageInTheBrowser) {
    view->OnHelpHtml();
    EXPECT_EQ(view->m_strCommandLine, "\"" + m_browser + "\" \"" + m_pages + "aide.htm\"");
    EXPECT_EQ(WaitForRecord(), m_pages + "aide.htm\n");
    EXPECT_TRUE(dialogs.calls.empty());

    fs::remove(Record());
    view->OnSiteConnect();
    EXPECT_EQ(WaitForRecord(), m_pages + "enligne.htm\n");
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(HelpLaunch, AMissingPageIsToldThenThePreferencesOpen) {
    fs::remove(m_pages + "aide.htm");
    view->OnHelpHtml();
    ASSERT_EQ(dialogs.Kinds(), (std::vector<std::string>{"Message", "Preferences"}));
    EXPECT_EQ(dialogs.calls[0].text,
              "Le fichier aide.htm n'a pas été trouvé. Veuillez réinitialiser le programme.");
    EXPECT_EQ(dialogs.calls[0].caption, "AIDE DE VERBALINE 2000");

    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(fs::exists(Record()));
}

TEST_F(HelpLaunch, AMissingBrowserAsksForAnotherAndSavesIt) {
    for (const std::string& missing : {m_dir.File("absent"), m_dir.File("nulle/part/nav")}) {
        dialogs.calls.clear();
        view->m_settings.m_strBrowserPath = missing;
        dialogs.browserPath = [](CBrowserPathData&) { return false; };
        view->OnHelpHtml();
        ASSERT_EQ(dialogs.Kinds(), (std::vector<std::string>{"BrowserPath"})) << missing;
        EXPECT_EQ(dialogs.calls[0].text.rfind("Le navigateur html n'a pas été trouvé. Veuillez "
                                              "fournir le chemin d'accès",
                                              0),
                  0u);
        // What is true on this system: the shipped browser and where it is.
        const std::string& text = dialogs.calls[0].text;
        EXPECT_NE(text.find("son propre navigateur, helpview, qui n'a besoin d'aucun autre "
                            "logiciel. Pour le sélectionner, recherchez le fichier helpview qui "
                            "doit se trouver dans le répertoire où vous avez installé Verbaline "
                            "2000 (" + m_dir.File("Verbaline 2000") + "). POUR PLUS "
                            "D'INFORMATIONS, LANCEZ L'AIDE À PARTIR DU MENU DES APPLICATIONS DE "
                            "VOTRE BUREAU."),
                  std::string::npos) << text;
        for (const char* windowsOnly : {"Internet Explorer", "ActiveX", ".exe", "DEMAR"})
            EXPECT_EQ(text.find(windowsOnly), std::string::npos) << windowsOnly;
        EXPECT_EQ(dialogs.calls[0].caption, "");  // the dialog starts with an empty path
        EXPECT_EQ(view->m_settings.m_strBrowserPath, missing);  // cancelled
    }

    dialogs.browserPath = [this](CBrowserPathData& d) {
        d.m_strBrowserPath = m_browser;
        return true;
    };
    view->OnSiteConnect();
    EXPECT_EQ(view->m_settings.m_strBrowserPath, m_browser);
    std::string saved = ReadFile(sandbox.SettingsFile()).substr(808, 100);
    EXPECT_EQ(saved.substr(0, saved.find('\0')), m_browser);
    // The page is not opened again: the user repeats the command.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(fs::exists(Record()));
    view->OnSiteConnect();
    EXPECT_EQ(WaitForRecord(), m_pages + "enligne.htm\n");
}

}  // namespace
}  // namespace verbal::test
