#include "SettingsDialogs.h"

#include "SettingsFile.h"

namespace verbal {
namespace {

class CSilentDialogs : public ISettingsDialogs {
public:
    int MessageBox(QWidget*, const MessageBoxRequest&) override { return IDOK; }
    bool RunPreferences(QWidget*, CPreferencesData&) override { return false; }
    bool RunBrowserPath(QWidget*, CBrowserPathData&) override { return false; }
};

ISettingsDialogs*& Installed() {
    static ISettingsDialogs* dialogs = nullptr;
    return dialogs;
}

}  // namespace

ISettingsDialogs& SettingsDialogs() {
    static CSilentDialogs silent;
    ISettingsDialogs* dialogs = Installed();
    return dialogs ? *dialogs : silent;
}

void SetSettingsDialogs(ISettingsDialogs* dialogs) { Installed() = dialogs; }

void CPreferencesData::RestoreFactoryValues() {
    m_nCellSize = kDefaultCellSize;
    m_nLineWidth = kDefaultLineWidth;
    m_clrScreenBackground = MakeColorRef(0, 128, 0);
    m_clrGridBackground = MakeColorRef(255, 255, 255);
    m_clrGridLetters = MakeColorRef(0, 0, 0);
    m_clrInnerFrame = MakeColorRef(255, 255, 0);
    m_clrOuterFrame = MakeColorRef(255, 0, 0);
    m_nDefBoxPosition = kDefaultDefBoxPosition;
    m_bFullReset = 0;
}

void CPreferencesData::FromSettings(const CViewSettings& s) {
    m_nCellSize = s.m_nCellSize;
    m_nLineWidth = s.m_nLineWidth;
    m_clrScreenBackground = s.m_clrScreenBackground;
    m_clrGridBackground = s.m_clrGridBackground;
    m_clrGridLetters = s.m_clrGridLetters;
    m_clrInnerFrame = s.m_clrInnerFrame;
    m_clrOuterFrame = s.m_clrOuterFrame;
    m_nDefBoxPosition = s.m_nDefBoxPosition;
    m_bFullReset = 0;
    m_strBrowserPath = s.m_strBrowserPath;
    m_strSoundCompute = s.m_strSoundFile[0];
    m_strSoundReady = s.m_strSoundFile[1];
    m_strSoundCancel = s.m_strSoundFile[2];
    m_strSoundErase = s.m_strSoundFile[3];
    m_strSoundPlace = s.m_strSoundFile[4];
    m_strSoundComplete = s.m_strSoundFile[5];
    m_strInstallDir = s.m_strInstallDir;
}

void CPreferencesData::ToSettings(CViewSettings& s) const {
    s.m_nCellSize = m_nCellSize;
    s.m_nLineWidth = m_nLineWidth;
    s.m_clrScreenBackground = m_clrScreenBackground;
    s.m_clrGridBackground = m_clrGridBackground;
    s.m_clrGridLetters = m_clrGridLetters;
    s.m_clrInnerFrame = m_clrInnerFrame;
    s.m_clrOuterFrame = m_clrOuterFrame;
    s.m_nDefBoxPosition = m_nDefBoxPosition;
    s.m_strBrowserPath = m_strBrowserPath;
    s.m_strSoundFile[0] = m_strSoundCompute;
    s.m_strSoundFile[1] = m_strSoundReady;
    s.m_strSoundFile[2] = m_strSoundCancel;
    s.m_strSoundFile[3] = m_strSoundErase;
    s.m_strSoundFile[4] = m_strSoundPlace;
    s.m_strSoundFile[5] = m_strSoundComplete;
}

}  // namespace verbal
