// The view's settings and help dialogs, as this program shows them.
#pragma once

#include "SettingsDialogs.h"

namespace verbal::shell {

class CQtSettingsDialogs : public ISettingsDialogs {
public:
    int MessageBox(QWidget* owner, const MessageBoxRequest& request) override;
    bool RunPreferences(QWidget* owner, CPreferencesData& data) override;
    bool RunBrowserPath(QWidget* owner, CBrowserPathData& data) override;
};

}  // namespace verbal::shell
