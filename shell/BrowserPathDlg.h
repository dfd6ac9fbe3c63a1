// "Navigateur html": asks for the program that shows the help pages, when
// the one of the settings cannot be started.
#pragma once

#include <QDialog>

#include "SettingsDialogs.h"
#include "SettingsText.h"

class QLineEdit;
class QTextEdit;

namespace verbal::shell {

class CBrowserPathDlg : public QDialog, public CBrowserPathData {
    Q_OBJECT
public:
    enum { IDC_PATH = 1001, IDC_MESSAGE = 1002, IDC_BROWSE = 1007 };

    explicit CBrowserPathDlg(QWidget* parent = nullptr);

    // Members into both boxes; runs again after "Parcourir".
    void OnInitDialog();
    // True on "Appliquer", with the path taken back.
    bool DoModal();
    void OnBrowse();
    // "Appliquer": the boxes into the members, once the path can be kept.
    void accept() override;

    QWidget* GetDlgItem(int id) const;
    OpenFileNameFn m_fnGetOpenFileName;

private:
    QLineEdit* m_editPath;
    QTextEdit* m_editMessage;
    QWidget* m_browse;
};

}  // namespace verbal::shell
