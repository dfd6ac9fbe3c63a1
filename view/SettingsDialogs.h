// What the view asks of the program's dialogs for its settings and help
// commands: message boxes, the preferences and the browser-path dialog.
//
// The dialogs themselves belong to the shell; the view only hands them their
// data and takes back what the user accepted. The program installs its Qt
// implementation once; tests install a fake that records the calls.
#pragma once

#include <string>

#include "DocumentHost.h"
#include "ViewSettings.h"

class QWidget;

namespace verbal {

// The members of the preferences dialog ("Préférences:"). Texts are
// Windows-1252 bytes, like the settings they come from.
struct CPreferencesData {
    std::string m_strInstallDir;  // with its trailing separator; shown, not returned
    COLORREF m_clrGridLetters = 0;
    int m_bFullReset = 0;         // 1 once "Réinitialisation" was pressed
    int m_nDefBoxPosition = 0;    // 0 bottom right, 1 bottom left, 2 top left, 3 top right, 4 centre
    COLORREF m_clrOuterFrame = 0;
    COLORREF m_clrInnerFrame = 0;
    COLORREF m_clrGridBackground = 0;
    COLORREF m_clrScreenBackground = 0;
    int m_nLineWidth = 0;
    int m_nCellSize = 0;
    std::string m_strBrowserPath;
    std::string m_strSoundCompute;   // sound 1
    std::string m_strSoundCancel;    // sound 3
    std::string m_strSoundErase;     // sound 4
    std::string m_strSoundReady;     // sound 2
    std::string m_strSoundPlace;     // sound 5
    std::string m_strSoundComplete;  // sound 6
    std::string m_strStatus;         // the "Refermer:" line

    // "Valeurs d'origine": the eight first-run numbers, and no reset. The
    // browser and the sounds stay.
    void RestoreFactoryValues();

    // From and back to the settings of a view (the installation directory is
    // given, never taken back).
    void FromSettings(const CViewSettings& settings);
    void ToSettings(CViewSettings& settings) const;
};

// The members of the browser-path dialog ("Navigateur html").
struct CBrowserPathData {
    std::string m_strBrowserPath;
    std::string m_strMessage;
};

class ISettingsDialogs {
public:
    virtual ~ISettingsDialogs() = default;
    // A message box owned by |owner|; an empty caption is the program's
    // title. Returns IDOK, IDCANCEL, ...
    virtual int MessageBox(QWidget* owner, const MessageBoxRequest& request) = 0;
    // Modal dialogs; true when the user accepted ("Appliquer"), the data
    // then holding what was accepted.
    virtual bool RunPreferences(QWidget* owner, CPreferencesData& data) = 0;
    virtual bool RunBrowserPath(QWidget* owner, CBrowserPathData& data) = 0;
};

// The dialogs in force: the installed ones, or, when none are, a silent
// stand-in whose boxes answer OK and whose dialogs are cancelled.
ISettingsDialogs& SettingsDialogs();
// |dialogs| stays owned by the caller; nullptr uninstalls.
void SetSettingsDialogs(ISettingsDialogs* dialogs);

}  // namespace verbal
