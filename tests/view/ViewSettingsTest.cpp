// The view's settings: start-up, first run, the file, the preferences.
#include <gtest/gtest.h>

#include <QImage>
#include <sys/stat.h>
#include <filesystem>
#include <memory>

#include "FakeSettingsDialogs.h"
#include "Paths.h"
#include "SettingsFile.h"
#include "SettingsIo.h"
#include "SettingsSandbox.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::test {
namespace {

namespace fs = std::filesystem;

const char kNoKey[] = "Une entrée du registre n'a pas été trouvée. Réinstallez le programme.";
const char kNoValue[] = "Une valeur du registre n'a pas été trouvée. Réinstallez le programme.";
const char kReset[] =
    "Tous les paramètres de l'application ont été supprimés. Veuillez fermer l'application puis "
    "redémarrer afin que de nouveaux paramètres soient recréés.";

class ViewSettingsFile : public ::testing::Test {
protected:
    ViewSettingsFile() : m_install(fs::canonical(VERBAL_TEST_INSTALL_DIR).string()) {
        ForgetInstallationNotice();
    }

    std::unique_ptr<CVerbalineView> MakeView() {
        auto view = std::make_unique<CVerbalineView>(m_doc.get());
        view->resize(900, 700);
        return view;
    }
    std::string FileBytes() const { return ReadFile(sandbox.SettingsFile()); }
    bool FileExists() const { return fs::exists(sandbox.SettingsFile()); }
    void WriteSettingsFile(const std::string& bytes) {
        fs::create_directories(fs::path(sandbox.SettingsFile()).parent_path());
        WriteFile(sandbox.SettingsFile(), bytes);
    }
    CViewSettings Written() const {
        CViewSettings s;
        DecodeSettings(FileBytes(), s);
        return s;
    }

    SettingsSandbox sandbox;
    FakeSettingsDialogs dialogs;
    std::string m_install;
    std::unique_ptr<CVerbalineDoc> m_doc = std::make_unique<CVerbalineDoc>();
};

TEST_F(ViewSettingsFile, FirstStartCreatesTheFileWithTheDefaults) {
    auto view = MakeView();
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(view->m_strCurrentDir, m_install);
    EXPECT_EQ(fs::current_path().string(), m_install);

    const std::string bytes = FileBytes();
    ASSERT_EQ(bytes.size(), 1032u);
    CViewSettings expected = CViewSettings::FirstRun(m_install);
    expected.m_strBrowserPath = m_install + "/helpview";  // nothing registered for HTML
    EXPECT_EQ(bytes, EncodeSettings(expected));
    EXPECT_EQ(view->m_settings.m_strSoundFile[5], m_install + "/victoire.wav");
    EXPECT_EQ(view->m_settings.m_strInstallDir, m_install + "/");
    EXPECT_EQ(view->m_strSettingsPath, sandbox.SettingsFile());
    // The document has the paths before the first paint.
    EXPECT_EQ(m_doc->Settings().m_strDefaultDictPath, m_install + "/Standard.lex");
}

TEST_F(ViewSettingsFile, FirstStartTakesTheBrowserRegisteredForHtmThenHtml) {
    const std::string nav = sandbox.Dir() + "/nav";
    WriteFile(nav, "#!/bin/sh\n");
    fs::permissions(nav, fs::perms::owner_exec, fs::perm_options::add);
    const std::string setup = "[HKEY_LOCAL_MACHINE\\Software\\Quillsoft\\VERBALINE 2000\\SetupInfo]\n"
                              "DestinationPath=" + m_install + "\n";
    sandbox.WriteRegistry(setup +
                          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.html]\n@=page\n"
                          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\page\\Shell\\Open\\Command]\n"
                          "@=\"" + nav + "\" \"%1\"\n");
    EXPECT_EQ(MakeView()->m_settings.m_strBrowserPath, nav);
    EXPECT_EQ(Written().m_strBrowserPath, nav);
}

// An installation folder whose name Windows-1252 cannot hold: the settings
// file keeps paths relative to it (the program runs there), and a grid is
// computed with its own dictionary and definitions.
TEST_F(ViewSettingsFile, AnInstallationFolderOutsideTheCodePageFindsItsFiles) {
    const std::string install = sandbox.Dir() + "/jeux-日本";
    fs::create_directories(install);
    WriteFile(install + "/Standard.lex", ReadFile(SmallDictionaryPath()));
    WriteFile(install + "/Standard.dex", ReadFile(SmallDefinitionsPath()));
    sandbox.WriteInstallDir(install);
    auto view = MakeView();
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(view->m_strCurrentDir, install);
    EXPECT_EQ(Written().m_strDictionaryPath, "./Standard.lex");
    EXPECT_EQ(Written().m_strSoundFile[0], "./zip.wav");
    EXPECT_EQ(Written().m_strInstallDir, "./");

    const CDocumentSettings& given = m_doc->Settings();
    EXPECT_EQ(text::DefinitionsFileProblem(given.m_strDefaultDefsPath), "");
    CNewGridData choice;
    choice.m_strDictPath = given.m_strDefaultDictPath;
    choice.m_strDefsPath = given.m_strDefaultDefsPath;
    choice.MakeDictName();
    choice.m_nGridLast = 5;
    choice.m_nQuality = 0;
    m_doc->Compute(choice);
    ASSERT_TRUE(m_doc->GridReady());
    EXPECT_EQ(m_doc->DictName(), "Standard");
    EXPECT_NE(m_doc->Clue(Direction::Across, 1, 1), "");
}

// A browser registered for HTML pages whose path the settings file cannot
// hold whole is never stored cut: the shipped one stays, and the first start
// says why, once.
TEST_F(ViewSettingsFile, ARegisteredBrowserTheFileCannotHoldIsPassedOverAndTold) {
    const std::string folder = sandbox.Dir() + "/" + std::string(100, 'n');
    fs::create_directories(folder);
    const std::string nav = folder + "/nav";
    WriteFile(nav, "#!/bin/sh\n");
    fs::permissions(nav, fs::perms::owner_exec, fs::perm_options::add);
    auto registerBrowser = [&](const std::string& program) {
        sandbox.WriteRegistry(
            "[HKEY_LOCAL_MACHINE\\Software\\Quillsoft\\VERBALINE 2000\\SetupInfo]\n"
            "DestinationPath=" + m_install + "\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.htm]\n@=page\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\page\\Shell\\Open\\Command]\n"
            "@=\"" + program + "\" \"%1\"\n");
    };
    registerBrowser(nav);
    EXPECT_EQ(MakeView()->m_settings.m_strBrowserPath, m_install + "/helpview");
    EXPECT_EQ(Written().m_strBrowserPath, m_install + "/helpview");
    ASSERT_EQ(dialogs.Messages(),
              (std::vector<std::string>{
                  "Le navigateur html de votre système (" + nav + ") n'a pas été retenu : son "
                  "chemin dépasse les 100 caractères que Verbaline conserve. L'aide s'ouvrira "
                  "dans le navigateur fourni avec Verbaline 2000 ; vous pouvez en choisir un "
                  "autre dans les Préférences."}));
    dialogs.calls.clear();
    MakeView();  // the file exists now: nothing more is said
    EXPECT_TRUE(dialogs.calls.empty());

    const std::string foreign = sandbox.Dir() + "/nav-日本";
    WriteFile(foreign, "#!/bin/sh\n");
    fs::permissions(foreign, fs::perms::owner_exec, fs::perm_options::add);
    registerBrowser(foreign);
    fs::remove(sandbox.SettingsFile());
    EXPECT_EQ(MakeView()->m_settings.m_strBrowserPath, m_install + "/helpview");
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_NE(dialogs.Messages()[0].find("son chemin contient des caractères que Verbaline ne "
                                         "sait pas conserver"),
              std::string::npos);
}

TEST_F(ViewSettingsFile, AnExistingFileIsReadAndLeftAlone) {
    CViewSettings s = CViewSettings::FirstRun("/ailleurs");
    s.m_nCellSize = 35;
    s.m_nLineWidth = 1;
    s.m_clrScreenBackground = MakeColorRef(0, 0, 255);
    s.m_strSoundFile[4] = "Aucun";
    const std::string bytes = EncodeSettings(s) + "extension";  // a longer file is read too
    WriteSettingsFile(bytes);
    auto view = MakeView();
    EXPECT_EQ(view->m_settings.m_nCellSize, 35);
    EXPECT_EQ(view->m_settings.m_strSoundFile[4], "Aucun");
    // Written by the program of another folder: this installation's own
    // dictionary serves, and the file is not rewritten for that.
    EXPECT_EQ(view->m_settings.m_strDictionaryPath, m_install + "/Standard.lex");
    EXPECT_EQ(FileBytes(), bytes);
    EXPECT_TRUE(dialogs.calls.empty());
    // The grid is drawn with what was read.
    const QImage image = view->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(0, 0, 255));
    EXPECT_EQ(view->CellRect(2, 2).width(), 35);
}

TEST_F(ViewSettingsFile, AShortOrDamagedFileKeepsTheDefaults) {
    CViewSettings s = CViewSettings::FirstRun("/ailleurs");
    s.m_nCellSize = 30;
    s.m_nLineWidth = 1;
    WriteSettingsFile(EncodeSettings(s).substr(0, 8));
    auto view = MakeView();
    EXPECT_EQ(view->m_settings.m_nCellSize, 30);
    EXPECT_EQ(view->m_settings.m_nLineWidth, 1);
    EXPECT_EQ(view->m_settings.m_strDictionaryPath, m_install + "/Standard.lex");
    EXPECT_EQ(view->m_settings.m_clrScreenBackground, MakeColorRef(0, 128, 0));
    EXPECT_EQ(view->m_bFirstRun, 0);
    EXPECT_EQ(FileBytes().size(), 8u);  // read, not rewritten

    // A cell size of 0 would draw nothing: the default is drawn instead.
    s.m_nCellSize = 0;
    WriteSettingsFile(EncodeSettings(s));
    EXPECT_EQ(MakeView()->m_settings.m_nCellSize, 25);
}

TEST_F(ViewSettingsFile, MissingRegistryKeyOrValueIsToldAndStartUpGoesOn) {
    sandbox.WriteRegistry("; rien\n");
    auto view = MakeView();
    // Start-up, then the first run reads the registry again.
    // The program's own folder serves, and the user hears it once.
    const std::string own = ProgramDirectory().string();
    EXPECT_EQ(dialogs.Messages(),
              (std::vector<std::string>{kNoKey,
                                        "Verbaline 2000 utilise les fichiers du dossier où se "
                                        "trouve le programme (" + own + ").",
                                        kNoKey}));
    EXPECT_EQ(fs::current_path(), fs::path(own));
    EXPECT_TRUE(FileExists());

    dialogs.calls.clear();
    sandbox.WriteRegistry("[HKEY_LOCAL_MACHINE\\Software\\Quillsoft\\VERBALINE 2000\\SetupInfo]\n");
    MakeView();  // the file now exists: no first run
    EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{kNoValue}));
}

// The registry names a folder that is not there (a build folder moved away):
// a French message says what is wrong and what to do, and the program's own
// folder serves, for the settings too.
TEST_F(ViewSettingsFile, AMissingInstallationFolderFallsBackToTheProgramsOwn) {
    const std::string gone = sandbox.Dir() + "/parti";
    sandbox.WriteInstallDir(gone);
    auto view = MakeView();
    const std::string own = ProgramDirectory().string();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    const std::string text = dialogs.Messages()[0];
    EXPECT_EQ(text.rfind("Le dossier d'installation que donne le registre (" + gone +
                             ") n'existe pas ou ne peut pas être ouvert. Verbaline 2000 utilise "
                             "à sa place le dossier où se trouve le programme (" + own + "). "
                             "Pour ne plus voir ce message, réinstallez le programme ou corrigez "
                             "la valeur DestinationPath du fichier " + sandbox.RegistryFile() + ".",
                         0),
              0u)
        << text;
    EXPECT_EQ(dialogs.calls[0].caption, "");
    EXPECT_EQ(view->m_strCurrentDir, own);
    EXPECT_EQ(Written().m_strInstallDir, own + "/");
    // A second window in the same run does not say it again.
    dialogs.calls.clear();
    MakeView();
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST(InstallationFolder, TheRegistrysServesUnlessItCannot) {
    TempDir dir;
    const std::string installed = dir.File("installe");
    const std::string copy = dir.File("copie");
    const std::string empty = dir.File("vide");
    for (const std::string& folder : {installed, copy, empty}) fs::create_directories(folder);
    for (const std::string& folder : {installed, copy}) {
        WriteFile(folder + "/Standard.lex", "x");
        WriteFile(folder + "/aide.htm", "x");
    }
    // An installation as installed: its own registry names it.
    EXPECT_EQ(ChooseInstallationFolder(installed, true, installed).dir, installed);
    EXPECT_EQ(ChooseInstallationFolder(installed, true, installed).notice, "");
    // A registry named by the environment may point anywhere that holds
    // the data.
    EXPECT_EQ(ChooseInstallationFolder(installed, false, copy).dir, installed);
    EXPECT_EQ(ChooseInstallationFolder(installed, false, copy).notice, "");
    // A copied folder whose registry file names the original: its own data.
    InstallationChoice copied = ChooseInstallationFolder(installed, true, copy);
    EXPECT_EQ(copied.dir, copy);
    EXPECT_NE(copied.notice.find(W("désigne un autre dossier d'installation (") + installed +
                                 W(") que celui où se trouve le programme (") + copy + ")"),
              std::string::npos);
    // A moved folder: the old one is gone.
    EXPECT_EQ(ChooseInstallationFolder(dir.File("parti"), true, copy).dir, copy);
    // A folder without the data while the program's own has it.
    InstallationChoice bare = ChooseInstallationFolder(empty, false, copy);
    EXPECT_EQ(bare.dir, copy);
    EXPECT_NE(bare.notice.find(W("ne contient pas les fichiers de Verbaline 2000")),
              std::string::npos);
    // Neither holds the data: the folder the user set stays.
    EXPECT_EQ(ChooseInstallationFolder(empty, false, dir.File("ailleurs")).dir, empty);
    EXPECT_EQ(ChooseInstallationFolder(empty, false, dir.File("ailleurs")).notice, "");
    // A file where a folder should be cannot serve.
    WriteFile(dir.File("fichier"), "x");
    EXPECT_EQ(ChooseInstallationFolder(dir.File("fichier"), false, copy).dir, copy);
}

TEST(InstallationFolder, SettingsOfAnotherFolderTakeThisOnesFiles) {
    CViewSettings s = CViewSettings::FirstRun("/ancien/out");
    s.m_strSoundFile[1] = "/home/moi/sons/gong.wav";  // chosen by the user
    s.m_strSoundFile[4] = "Aucun";
    s.m_strBrowserPath = "/usr/bin/firefox";
    MoveToInstallation(s, "/nouveau/out");
    EXPECT_EQ(s.m_strInstallDir, "/nouveau/out/");
    EXPECT_EQ(s.m_strDictionaryPath, "/nouveau/out/Standard.lex");
    EXPECT_EQ(s.m_strDefinitionsPath, "/nouveau/out/Standard.dex");
    EXPECT_EQ(s.m_strSoundFile[0], "/nouveau/out/zip.wav");
    EXPECT_EQ(s.m_strSoundFile[1], "/home/moi/sons/gong.wav");
    EXPECT_EQ(s.m_strSoundFile[4], "Aucun");
    EXPECT_EQ(s.m_strBrowserPath, "/usr/bin/firefox");

    CViewSettings helpview = CViewSettings::FirstRun("/ancien/out");
    MoveToInstallation(helpview, "/nouveau/out");
    EXPECT_EQ(helpview.m_strBrowserPath, "/nouveau/out/helpview");
    // Settings of this very folder stay as they are.
    CViewSettings same = CViewSettings::FirstRun("/nouveau/out");
    same.m_strDictionaryPath = "/ancien/out/Standard.lex";
    MoveToInstallation(same, "/nouveau/out");
    EXPECT_EQ(same.m_strDictionaryPath, "/ancien/out/Standard.lex");
}

TEST_F(ViewSettingsFile, AFileThatCannotBeCreatedLeavesTheDefaultsInMemory) {
    // The configuration directory cannot be made: a file stands in its way.
    WriteFile(sandbox.Dir() + "/config", "");
    auto view = MakeView();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, "Problème au cours de la création d'un fichier...");
    EXPECT_EQ(dialogs.calls[0].caption, "PARAMETRES D'INITIALISATION");
    EXPECT_EQ(view->m_settings.m_nCellSize, 25);
    EXPECT_EQ(view->m_settings.m_strSoundFile[0], m_install + "/zip.wav");
}

TEST_F(ViewSettingsFile, AcceptedPreferencesAreWrittenAndDrawnAtOnce) {
    auto view = MakeView();
    dialogs.preferences = [](CPreferencesData& d) {
        d.m_nCellSize = 35;
        d.m_nLineWidth = 1;
        d.m_clrScreenBackground = MakeColorRef(0, 0, 255);
        d.m_clrGridBackground = MakeColorRef(255, 255, 0);
        d.m_strSoundPlace = "Aucun";
        d.m_strBrowserPath = "/usr/bin/autre";
        d.m_strInstallDir = "/pas/repris/";
        return true;
    };
    view->OnViewPreferences();
    const CViewSettings written = Written();
    EXPECT_EQ(written.m_nCellSize, 35);
    EXPECT_EQ(written.m_nLineWidth, 1);
    EXPECT_EQ(written.m_strSoundFile[4], "Aucun");
    EXPECT_EQ(written.m_strBrowserPath, "/usr/bin/autre");
    EXPECT_EQ(written.m_strInstallDir, m_install + "/");
    EXPECT_EQ(FileBytes(), EncodeSettings(view->m_settings));
    EXPECT_EQ(view->CellRect(1, 1).width(), 35);
}

TEST_F(ViewSettingsFile, PreferencesStartFromTheFileAndCancelKeepsIt) {
    auto view = MakeView();
    // Another window changed the file meanwhile.
    CViewSettings other = view->m_settings;
    other.m_nCellSize = 15;
    other.m_clrScreenBackground = MakeColorRef(10, 20, 30);
    WriteSettingsFile(EncodeSettings(other));
    view->m_settings.m_nCellSize = 20;

    dialogs.preferences = [](CPreferencesData& d) {
        d.m_nCellSize = 35;
        return false;
    };
    view->OnViewPreferences();
    EXPECT_EQ(dialogs.given.m_nCellSize, 15);
    EXPECT_EQ(dialogs.given.m_bFullReset, 0);
    EXPECT_EQ(dialogs.given.m_strInstallDir, m_install + "/");
    EXPECT_EQ(dialogs.given.m_strSoundReady, m_install + "/tuttut.wav");
    EXPECT_EQ(dialogs.given.m_strSoundComplete, m_install + "/victoire.wav");
    // Cancelled: the view took the file's values and draws with them.
    EXPECT_EQ(view->m_settings.m_nCellSize, 15);
    EXPECT_EQ(FileBytes(), EncodeSettings(other));
    EXPECT_EQ(view->grab().toImage().pixelColor(2, 2), QColor(10, 20, 30));
}

TEST_F(ViewSettingsFile, ResetDeletesTheFileAndLaterSavesSayItIsGone) {
    auto view = MakeView();
    dialogs.preferences = [](CPreferencesData& d) {
        d.m_nCellSize = 20;
        d.m_bFullReset = 1;
        return true;
    };
    view->OnViewPreferences();
    EXPECT_FALSE(FileExists());
    EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{kReset}));
    EXPECT_EQ(view->m_settings.m_nCellSize, 20);  // in force until the program ends

    // A browser path accepted now cannot be saved, and the file is not made.
    dialogs.calls.clear();
    dialogs.browserPath = [](CBrowserPathData& d) {
        d.m_strBrowserPath = "/usr/bin/nav";
        return true;
    };
    view->AskBrowserPath();
    EXPECT_EQ(dialogs.Kinds(), (std::vector<std::string>{"BrowserPath", "Message"}));
    EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{kReset}));
    EXPECT_FALSE(FileExists());
    EXPECT_EQ(view->m_settings.m_strBrowserPath, "/usr/bin/nav");

    // The next start finds no file: a first run.
    m_doc = std::make_unique<CVerbalineDoc>();
    EXPECT_EQ(MakeView()->m_settings.m_nCellSize, 25);
    EXPECT_TRUE(FileExists());
}

TEST_F(ViewSettingsFile, AFileThatCannotBeWrittenIsTold) {
    auto view = MakeView();
    // The file opens but takes no byte: a full disk.
    fs::remove(sandbox.SettingsFile());
    fs::create_symlink("/dev/full", sandbox.SettingsFile());
    view->WriteSettings();
    EXPECT_EQ(dialogs.Messages(),
              (std::vector<std::string>{"Les paramètres n'ont pas pu être enregistrés dans le fichier " +
                                        sandbox.SettingsFile() + "."}));
}

// A FIFO in place of verbal.ini neither freezes the start nor the saving:
// the defaults serve, each failure is told, and the FIFO stays.
TEST_F(ViewSettingsFile, AFifoInPlaceOfTheFileIsNeverWaitedOn) {
    fs::create_directories(fs::path(sandbox.SettingsFile()).parent_path());
    ASSERT_EQ(mkfifo(sandbox.SettingsFile().c_str(), 0600), 0);
    auto view = MakeView();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].caption, "PARAMETRES D'INITIALISATION");
    EXPECT_EQ(view->m_settings.m_strSoundFile[0], m_install + "/zip.wav");
    dialogs.calls.clear();
    view->WriteSettings();
    EXPECT_EQ(dialogs.Messages(),
              (std::vector<std::string>{"Les paramètres n'ont pas pu être enregistrés dans le fichier " +
                                        sandbox.SettingsFile() + "."}));
    EXPECT_TRUE(fs::is_fifo(sandbox.SettingsFile()));
}

}  // namespace
}  // namespace verbal::test
