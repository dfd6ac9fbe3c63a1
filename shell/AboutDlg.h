// "À propos de Verbaline 2000".
#pragma once

#include <QDialog>

namespace verbal::shell {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    void DoModal();
};

}  // namespace verbal::shell
