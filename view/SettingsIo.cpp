// The view's settings: start-up, the settings file, first run, preferences.
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Browser.h"
#include "Codepage.h"
#include "FileIo.h"
#include "Installation.h"
#include "Paths.h"
#include "SettingsDialogs.h"
#include "SettingsFile.h"
#include "SettingsIo.h"
#include "VerbalineView.h"

namespace verbal {

namespace fs = std::filesystem;

namespace {

bool g_bInstallationNoticeShown = false;

// The files that make a folder an installation of the program.
bool HoldsProgramData(const std::string& dir) {
    if (dir.empty()) return false;
    const fs::path folder(dir);
    return FileCanBeRead((folder / "Standard.lex").string()) &&
           FileCanBeRead((folder / "aide.htm").string());
}

bool SameFolder(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::equivalent(fs::path(a), fs::path(b), error) && !error;
}

}  // namespace

std::string SettingsResetMessage() {
    return W("Tous les paramètres de l'application ont été supprimés. Veuillez fermer "
             "l'application puis redémarrer afin que de nouveaux paramètres soient recréés.");
}

std::string CurrentDirectory() {
    std::error_code error;
    const fs::path dir = fs::current_path(error);
    return error ? std::string() : dir.string();
}

bool SetCurrentDirectory(const std::string& dir) {
    if (dir.empty()) return false;
    std::error_code error;
    fs::current_path(fs::path(dir), error);
    return !error;
}

CViewSettings FirstRunSettings(const std::string& currentDir, std::string* notice) {
    CViewSettings s = CViewSettings::FirstRun(currentDir);
    // The program registered for HTML pages, else the help browser shipped
    // beside this one.
    std::string browser = FindBrowserForExtension(".htm");
    if (browser == kBrowserNotFound) browser = FindBrowserForExtension(".html");
    if (browser == kBrowserNotFound) return s;
    // One whose path the settings file cannot hold whole would be stored as
    // another name: the shipped browser stays, and the user hears why.
    const std::string stored = Utf8ToCp1252(browser);
    std::string why;
    if (Cp1252ToUtf8(stored) != browser)
        why = W("contient des caractères que Verbaline ne sait pas conserver");
    else if (stored.size() > kSettingsTextSize)
        why = W("dépasse les 100 caractères que Verbaline conserve");
    if (why.empty()) {
        s.m_strBrowserPath = stored;
    } else if (notice) {
        *notice = W("Le navigateur html de votre système (") + stored + W(") n'a pas été retenu "
                  ": son chemin ") + why + W(". L'aide s'ouvrira dans le navigateur fourni avec "
                  "Verbaline 2000 ; vous pouvez en choisir un autre dans les Préférences.");
    }
    return s;
}

void ForgetInstallationNotice() { g_bInstallationNoticeShown = false; }

InstallationChoice ChooseInstallationFolder(const std::string& registryDir, bool besideProgram,
                                            const std::string& programDir) {
    std::error_code error;
    const bool usable = !registryDir.empty() && fs::is_directory(fs::path(registryDir), error) &&
                        access(registryDir.c_str(), X_OK) == 0;
    const bool ownHoldsData = HoldsProgramData(programDir);
    const std::string shownOwn = ShownPath(programDir);
    const std::string shownRegistry = ShownPath(registryDir);
    const std::string registryFile = ShownPath(RegistryFilePath().string());
    const std::string remedy =
        W(" Pour ne plus voir ce message, réinstallez le programme ou corrigez la valeur "
          "DestinationPath du fichier ") + registryFile + ".";
    if (usable && HoldsProgramData(registryDir)) {
        if (besideProgram && ownHoldsData && !SameFolder(registryDir, programDir))
            return {programDir,
                    W("Le fichier ") + registryFile + W(" désigne un autre dossier d'installation (") +
                        shownRegistry + W(") que celui où se trouve le programme (") + shownOwn +
                        W(") : Verbaline 2000 utilise les fichiers de son propre dossier.") +
                        remedy};
        return {registryDir, std::string()};
    }
    if (registryDir.empty())
        return {programDir, W("Verbaline 2000 utilise les fichiers du dossier où se trouve le "
                              "programme (") + shownOwn + ")."};
    if (!usable)
        return {programDir, W("Le dossier d'installation que donne le registre (") + shownRegistry +
                                W(") n'existe pas ou ne peut pas être ouvert. Verbaline 2000 "
                                  "utilise à sa place le dossier où se trouve le programme (") +
                                shownOwn + ")." + remedy};
    if (ownHoldsData)
        return {programDir, W("Le dossier d'installation que donne le registre (") + shownRegistry +
                                W(") ne contient pas les fichiers de Verbaline 2000. Le programme "
                                  "utilise ceux du dossier où il se trouve (") +
                                shownOwn + ")." + remedy};
    // Neither holds the data: the registry's folder is the one the user set.
    return {registryDir, std::string()};
}

void MoveToInstallation(CViewSettings& settings, const std::string& installDir) {
    const std::string& old = settings.m_strInstallDir;
    if (old.empty() || old.rfind("./", 0) == 0) return;
    const CViewSettings there = CViewSettings::FirstRun(Cp1252ToUtf8(old.substr(0, old.size() - 1)));
    const CViewSettings here = CViewSettings::FirstRun(installDir);
    if (there.m_strInstallDir == here.m_strInstallDir) return;
    // Only what that installation put there by itself moves: a file the
    // user chose keeps its place.
    auto follow = [](std::string& path, const std::string& from, const std::string& to) {
        if (path == from) path = to;
    };
    follow(settings.m_strDictionaryPath, there.m_strDictionaryPath, here.m_strDictionaryPath);
    follow(settings.m_strDefinitionsPath, there.m_strDefinitionsPath, here.m_strDefinitionsPath);
    follow(settings.m_strBrowserPath, there.m_strBrowserPath, here.m_strBrowserPath);
    for (int i = 0; i < 6; ++i)
        follow(settings.m_strSoundFile[i], there.m_strSoundFile[i], here.m_strSoundFile[i]);
    settings.m_strInstallDir = here.m_strInstallDir;
}

int ShowSettingsMessage(QWidget* owner, const std::string& text, const std::string& caption) {
    MessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.buttons = MsgButtons::Ok;
    request.icon = MsgIcon::Exclamation;
    request.owner = MsgOwner::View;
    return SettingsDialogs().MessageBox(owner, request);
}

namespace {

// The installation directory becomes the current directory: the registry's,
// or the program's own when the registry's cannot serve. A missing key or
// value is told each time, as before; the change of folder once a run.
std::string ReadInstallationIntoCurrentDirectory(QWidget* owner) {
    std::string dir;
    const RegistryRead result = ReadDestinationPath(dir);
    if (result != RegistryRead::Ok) ShowSettingsMessage(owner, RegistryFailureMessage(result), "");
    const fs::path programDir = ProgramDirectory();
    const bool besideProgram = SameFolder(RegistryFilePath().parent_path().string(),
                                          programDir.string()) &&
                               RegistryFilePath().filename() == "registry.ini";
    const InstallationChoice choice =
        ChooseInstallationFolder(dir, besideProgram, programDir.string());
    if (!choice.notice.empty() && !g_bInstallationNoticeShown) {
        g_bInstallationNoticeShown = true;
        ShowSettingsMessage(owner, choice.notice, "");
    }
    return choice.dir;
}

std::string SettingsPathText() { return ShownPath(SettingsFilePath().string()); }

// Opens the settings file for writing, never waiting on a FIFO nor writing
// into a device: -1 unless it is (or, with |create|, becomes) a regular file.
int OpenSettingsForWriting(const fs::path& path, bool create) {
    const int fd = ::open(path.c_str(),
                          O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (create ? O_CREAT : 0),
                          0666);
    if (fd < 0) return -1;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

void CVerbalineView::PreCreateWindow() {
    if (!SetCurrentDirectory(ReadInstallationIntoCurrentDirectory(this)))
        SetCurrentDirectory(ProgramDirectory().string());
    m_bFirstRun = false;
    m_ptDefaultOrigin = CPoint{80, 60};
    m_bMoveMode = false;
    m_strCurrentDir = CurrentDirectory();
    ReadSettings();
    if (m_bFirstRun) CreateDefaultSettings();
    CreateDrawingObjects();
}

void CVerbalineView::ReadSettings() {
    m_strSettingsPath = SettingsPathText();
    // A FIFO or a device in place of the file is refused at once, like a
    // missing file: the first-run settings serve.
    const int fd = OpenRegularFile(SettingsFilePath().string());
    if (fd < 0) {
        m_bFirstRun = true;
        return;
    }
    std::string bytes(kSettingsFileSize, '\0');
    const long got = ReadUpTo(fd, bytes.data(), bytes.size());
    ::close(fd);
    bytes.resize(static_cast<std::size_t>(std::max(got, 0L)));
    // A short file leaves the fields past its end at their first-run values.
    CViewSettings settings = bytes.size() < kSettingsFileSize ? FirstRunSettings(m_strCurrentDir)
                                                              : m_settings;
    DecodeSettings(bytes, settings);
    // Written by the program of another folder (a build folder copied or
    // moved): this one uses its own files.
    MoveToInstallation(settings, m_strCurrentDir);
    m_settings = settings;
}

void CVerbalineView::WriteSettings() {
    m_strSettingsPath = SettingsPathText();
    // The file is only rewritten, never created here: after a reset it stays
    // away until the next start creates it anew.
    const int fd = OpenSettingsForWriting(SettingsFilePath(), false);
    const int openError = fd < 0 ? errno : 0;
    bool written = false;
    if (fd >= 0) {
        written = WriteAll(fd, EncodeSettings(m_settings));
        written = ::close(fd) == 0 && written;
    } else if (openError == ENOENT) {
        ShowSettingsMessage(this, SettingsResetMessage(), "");
        return;
    }
    if (!written)
        ShowSettingsMessage(this,
                            W("Les paramètres n'ont pas pu être enregistrés dans le fichier ") +
                                m_strSettingsPath + ".",
                            "");
}

void CVerbalineView::CreateDefaultSettings() {
    // The folder chosen is one that exists; should it vanish meanwhile, the
    // program's own folder serves.
    if (!SetCurrentDirectory(ReadInstallationIntoCurrentDirectory(this)))
        SetCurrentDirectory(ProgramDirectory().string());
    m_strCurrentDir = CurrentDirectory();
    std::string notice;
    m_settings = FirstRunSettings(m_strCurrentDir, &notice);

    m_strSettingsPath = SettingsPathText();
    MakeSettingsDirectory();
    const fs::path path = SettingsFilePath();
    const int fd = OpenSettingsForWriting(path, true);
    bool written = fd >= 0;
    if (fd >= 0) {
        written = ::ftruncate(fd, 0) == 0 && WriteAll(fd, EncodeSettings(m_settings));
        written = ::close(fd) == 0 && written;
        // A half-written file would be read as settings at the next start.
        if (!written) {
            std::error_code error;
            fs::remove(path, error);
        }
    }
    if (!written) {
        // The values in memory serve until the program ends.
        ShowSettingsMessage(this, W("Problème au cours de la création d'un fichier..."),
                            W("PARAMETRES D'INITIALISATION"));
        return;
    }
    ReadSettings();
    // Told once: the next start reads the file just written.
    if (!notice.empty()) ShowSettingsMessage(this, notice, "");
}

void CVerbalineView::OnViewPreferences() {
    ReadSettings();
    CPreferencesData dlg;
    dlg.FromSettings(m_settings);
    dlg.m_bFullReset = 0;
    if (SettingsDialogs().RunPreferences(this, dlg)) {
        dlg.ToSettings(m_settings);
        WriteSettings();
        if (dlg.m_bFullReset == 1) {
            std::error_code error;
            fs::remove(SettingsFilePath(), error);
            ShowSettingsMessage(this, SettingsResetMessage(), "");
        }
    }
    CreateDrawingObjects();
    update();
}

}  // namespace verbal
