// "Lancer un nouveau calcul de la grille.": asked before a grid that exists is
// replaced by a new one.
#pragma once

#include <QDialog>

class QPushButton;

namespace verbal::shell {

class CRecalcConfirmDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRecalcConfirmDlg(QWidget* parent = nullptr);
    // True when the answer is "OUI".
    bool DoModal();
    QPushButton* YesButton() const { return m_yes; }
    QPushButton* NoButton() const { return m_no; }

private:
    QPushButton* m_yes;
    QPushButton* m_no;
};

}  // namespace verbal::shell
