// The view's settings: start-up, the settings file, first run, preferences.
#include <QWidget>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "Browser.h"
#include "Codepage.h"
#include "Installation.h"
#include "Paths.h"
#include "SettingsDialogs.h"
#include "SettingsFile.h"
#include "SettingsIo.h"
#include "VerbalineView.h"

namespace verbal {

namespace fs = std::filesystem;

std::string SettingsResetMessage() {
    return W("Tous les paramètres de l'application ont été supprimés. Veuillez fermer "
             "l'application puis redémarrer afin que de nouveaux paramètres soient recrées.");
}

std::string CurrentDirectory() {
    std::error_code error;
    const fs::path dir = fs::current_path(error);
    return error ? std::string() : Utf8ToCp1252(dir.string());
}

bool SetCurrentDirectory(const std::string& dir) {
    if (dir.empty()) return false;
    std::error_code error;
    fs::current_path(fs::path(Cp1252ToUtf8(dir)), error);
    return !error;
}

CViewSettings FirstRunSettings(const std::string& currentDir) {
    CViewSettings s = CViewSettings::FirstRun(currentDir);
    // The program registered for HTML pages, else the help browser shipped
    // beside this one.
    std::string browser = FindBrowserForExtension(".htm");
    if (browser == kBrowserNotFound) browser = FindBrowserForExtension(".html");
    if (browser != kBrowserNotFound) s.m_strBrowserPath = browser;
    return s;
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

// The installation directory from the registry becomes the current
// directory; a missing key or value is told, and the program goes on.
std::string ReadInstallationIntoCurrentDirectory(QWidget* owner) {
    std::string dir;
    const RegistryRead result = ReadDestinationPath(dir);
    if (result != RegistryRead::Ok) ShowSettingsMessage(owner, RegistryFailureMessage(result), "");
    return dir;
}

std::string SettingsPathText() { return Utf8ToCp1252(SettingsFilePath().string()); }

}  // namespace

void CVerbalineView::PreCreateWindow() {
    SetCurrentDirectory(ReadInstallationIntoCurrentDirectory(this));
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
    std::ifstream file(SettingsFilePath(), std::ios::binary);
    if (!file) {
        m_bFirstRun = true;
        return;
    }
    std::string bytes(kSettingsFileSize, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    // A short file leaves the fields past its end at their first-run values.
    CViewSettings settings = bytes.size() < kSettingsFileSize ? FirstRunSettings(m_strCurrentDir)
                                                              : m_settings;
    DecodeSettings(bytes, settings);
    m_settings = settings;
}

void CVerbalineView::WriteSettings() {
    m_strSettingsPath = SettingsPathText();
    // The file is only rewritten, never created here: after a reset it stays
    // away until the next start creates it anew.
    std::FILE* file = std::fopen(SettingsFilePath().c_str(), "r+b");
    if (!file) {
        ShowSettingsMessage(this, SettingsResetMessage(), "");
        return;
    }
    const std::string bytes = EncodeSettings(m_settings);
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fclose(file) == 0 && written;
    if (!written)
        ShowSettingsMessage(this,
                            W("Les paramètres n'ont pas pu être enregistrés dans le fichier ") +
                                m_strSettingsPath + ".",
                            "");
}

void CVerbalineView::CreateDefaultSettings() {
    const std::string dir = ReadInstallationIntoCurrentDirectory(this);
    if (!SetCurrentDirectory(dir)) ShowSettingsMessage(this, "SetCurrentDirectory failed", "");
    m_strCurrentDir = CurrentDirectory();
    m_settings = FirstRunSettings(m_strCurrentDir);

    m_strSettingsPath = SettingsPathText();
    MakeSettingsDirectory();
    const fs::path path = SettingsFilePath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file != nullptr;
    if (file) {
        const std::string bytes = EncodeSettings(m_settings);
        written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        written = std::fclose(file) == 0 && written;
        // A half-written file would be read as settings at the next start.
        if (!written) {
            std::error_code error;
            fs::remove(path, error);
        }
    }
    if (!written) {
        // The values in memory serve until the program ends.
        ShowSettingsMessage(this, W("Problème au cours de la céation d'un fichier..."),
                            W("PARAMETRES D'INITIALISTION"));
        return;
    }
    ReadSettings();
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
