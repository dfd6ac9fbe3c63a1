// Settings, preferences and help as the user meets them in the running
// program.
#include <QColorDialog>
#include <QDir>
#include <chrono>
#include <filesystem>
#include <thread>

#include "HelpTextDlg.h"
#include "NewGridDlg.h"
#include "PreferencesDlg.h"
#include "SettingsFile.h"
#include "SettingsSandbox.h"
#include "ShellFixture.h"

namespace verbal::test {
namespace {

namespace fs = std::filesystem;
using shell::CPreferencesDlg;

class SettingsShell : public ShellTest {
protected:
    CViewSettings Written() const {
        CViewSettings s;
        DecodeSettings(ReadFile(sandbox.SettingsFile()), s);
        return s;
    }
    // Help pages and a browser that writes down the page it was given.
    void MakePagesAndBrowser() {
        pages = m_dir.File("pages") + "/";
        fs::create_directories(pages);
        WriteFile(pages + "aide.htm", "<html>aide</html>");
        WriteFile(pages + "enligne.htm", "<html>site</html>");
        browser = m_dir.File("nav");
        WriteFile(browser, "#!/bin/sh\necho \"$1\" > \"" + m_dir.File("t") + "\"; mv \"" +
                               m_dir.File("t") + "\" \"" + m_dir.File("vu") + "\"\n");
        fs::permissions(browser, fs::perms::owner_exec, fs::perm_options::add);
        View()->m_settings.m_strInstallDir = pages;
        View()->m_settings.m_strBrowserPath = browser;
    }
    std::string PageSeen() const {
        for (int i = 0; i < 500 && !fs::exists(m_dir.File("vu")); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return ReadFile(m_dir.File("vu"));
    }
    // Answers the preferences page with |drive|, then "Appliquer".
    std::function<int(QDialog&)> ApplyPreferences(std::function<void(CPreferencesDlg&)> drive) {
        return [drive](QDialog& d) {
            if (auto* colours = qobject_cast<QColorDialog*>(&d)) {
                colours->setCurrentColor(QColor(30, 60, 200));
                colours->accept();
                return int(QDialog::Accepted);
            }
            auto* prefs = qobject_cast<CPreferencesDlg*>(&d);
            if (!prefs) return DefaultAnswer(d);
            drive(*prefs);
            prefs->accept();
            return prefs->result();
        };
    }

    SettingsSandbox sandbox;  // made before the program starts
    TempDir m_dir;
    std::string pages;
    std::string browser;
};

TEST_F(SettingsShell, PreferencesChangeTheGridAtOnceAndOutliveTheProgram) {
    EXPECT_TRUE(Enabled(ID_VIEW_PREFERENCES));
    answer = ApplyPreferences([](CPreferencesDlg& p) {
        p.Click(CPreferencesDlg::IDC_CELL_35);
        p.Click(CPreferencesDlg::IDC_COLOUR_SCREEN);
        p.Click(1020);  // no sound for a placed letter
    });
    frame->RouteCommand(ID_VIEW_PREFERENCES);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].title, "Préférences:");
    EXPECT_EQ(dialogs[1].className, "QColorDialog");

    const QImage image = View()->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(30, 60, 200));
    EXPECT_EQ(View()->CellRect(1, 1).width(), 35);
    EXPECT_EQ(View()->m_rcFrame.width(), 10 * 35 + 35 + 3);  // the welcome grid, bigger

    const CViewSettings written = Written();
    EXPECT_EQ(written.m_nCellSize, 35);
    EXPECT_EQ(written.m_clrScreenBackground, MakeColorRef(30, 60, 200));
    EXPECT_EQ(written.m_strSoundFile[4], "Aucun");

    // Quit, start again: the same settings.
    TearDown();
    dialogs.clear();
    SetUp();
    EXPECT_EQ(View()->m_settings.m_nCellSize, 35);
    EXPECT_EQ(View()->m_settings.m_strSoundFile[4], "Aucun");
    EXPECT_EQ(View()->grab().toImage().pixelColor(2, 2), QColor(30, 60, 200));
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(SettingsShell, F1OpensTheHelpPageInTheConfiguredBrowser) {
    MakePagesAndBrowser();
    EXPECT_TRUE(Enabled(ID_HELP_HTML));
    frame->RouteCommand(ID_HELP_HTML);
    EXPECT_EQ(PageSeen(), pages + "aide.htm\n");
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(SettingsShell, DictionaryBrowsingStartsInTheInstallationDirectory) {
    QString directory = "?";
    auto browse = [&] {
        shell::CNewGridDlg dlg;
        dlg.m_fnGetOpenFileName = [&](QWidget*, const QString&, const QString& dir,
                                      const QString&) {
            directory = dir;
            return QString();
        };
        dlg.OnBrowseDictionary();
    };
    browse();
    EXPECT_EQ(directory.toStdString(), VERBAL_TEST_INSTALL_DIR);
    EXPECT_TRUE(dialogs.empty());

    sandbox.WriteRegistry("");
    browse();
    EXPECT_EQ(directory, "");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].text,
              "Une entrée du registre n'a pas été trouvée. Réinstallez le programme.");
}

}  // namespace
}  // namespace verbal::test
