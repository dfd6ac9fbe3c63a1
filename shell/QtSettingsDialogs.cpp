#include "QtSettingsDialogs.h"

#include "BrowserPathDlg.h"
#include "MessageBox.h"
#include "PreferencesDlg.h"
#include "QtText.h"
#include "SettingsText.h"

namespace verbal::shell {

int CQtSettingsDialogs::MessageBox(QWidget* owner, const MessageBoxRequest& request) {
    return ShowMessageBox(owner, FromBytes(request.text), FromBytes(request.caption),
                          request.buttons, request.icon);
}

bool CQtSettingsDialogs::RunPreferences(QWidget* owner, CPreferencesData& data) {
    CPreferencesDlg dlg(owner);
    static_cast<CPreferencesData&>(dlg) = data;
    if (!dlg.DoModal()) return false;
    data = dlg;
    return true;
}

bool CQtSettingsDialogs::RunBrowserPath(QWidget* owner, CBrowserPathData& data) {
    CBrowserPathDlg dlg(owner);
    static_cast<CBrowserPathData&>(dlg) = data;
    if (!dlg.DoModal()) return false;
    data = dlg;
    return true;
}

}  // namespace verbal::shell
