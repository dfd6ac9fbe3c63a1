// The two questions asked before a grid is lost: "Lancer un nouveau calcul de
// la grille." before a grid that exists is replaced by a new one, and
// "Effaçage de la grille" before every letter of the player is erased.
#pragma once

#include <QDialog>

class QPushButton;

namespace verbal::shell {

// A frame with the question, "NON" on the left and "OUI", the default, on
// the right.
class CConfirmDlg : public QDialog {
    Q_OBJECT
public:
    // True when the answer is "OUI".
    bool DoModal();
    QPushButton* YesButton() const { return m_yes; }
    QPushButton* NoButton() const { return m_no; }

protected:
    CConfirmDlg(QWidget* parent, const QString& title, const QString& question);

private:
    QPushButton* m_yes;
    QPushButton* m_no;
};

class CRecalcConfirmDlg : public CConfirmDlg {
    Q_OBJECT
public:
    explicit CRecalcConfirmDlg(QWidget* parent = nullptr);
};

// Opens centred on the screen.
class CEraseConfirmDlg : public CConfirmDlg {
    Q_OBJECT
public:
    explicit CEraseConfirmDlg(QWidget* parent = nullptr);
};

}  // namespace verbal::shell
