// The small dialogs of a game: the letter picker, the solution choice, the
// grid information, the definitions box, the victory box, the help text and
// the browser path. Each takes its members from the caller, shows them, and
// gives back what the user chose; none touches a grid or a setting itself.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <functional>
#include <map>
#include <optional>

#include "DocumentHost.h"
#include "ViewHost.h"

class QLineEdit;
class QPushButton;
class QTextEdit;

namespace verbal::shell {

// A dialog whose controls are known by their template ids.
class CTemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit CTemplateDialog(QWidget* parent) : QDialog(parent) {}
    QWidget* GetDlgItem(int id) const;
    // The text of an edit or a button.
    QString ItemText(int id) const;

protected:
    void AddItem(int id, QWidget* item) { m_items[id] = item; }

private:
    std::map<int, QWidget*> m_items;
};

// Places a dialog so that its centre is |point|, kept on that point's screen.
void CentreOnPoint(QWidget* dialog, QPoint point);
// Places a dialog at the centre of the screen of |anchor| (or the primary).
void CentreOnScreen(QWidget* dialog, const QWidget* anchor = nullptr);

// "Placer une lettre ...": an AZERTY keyboard, "Annuler" and "Effacer".
class CLetterDlg : public CTemplateDialog, public CLetterData {
    Q_OBJECT
public:
    enum { IDC_CANCEL = 1047, IDC_ERASE = 1048 };
    explicit CLetterDlg(QWidget* parent = nullptr);
    // The id of a letter's key ('A'..'Z').
    static int LetterId(char letter);
    QPushButton* Key(char letter) const;
    // Runs the picker centred on |point|; true when it closed with OK.
    bool DoModal(QPoint point);

    void OnLetter(char letter);
    void OnErase();
    void OnCancel();
};

// "Solution": count the wrong cells, mark them, or show the solution.
class CSolutionDlg : public CTemplateDialog {
    Q_OBJECT
public:
    enum { IDC_COUNT = 1007, IDC_MARK = 1008, IDC_REVEAL = 1009, IDC_CANCEL = 2 };
    explicit CSolutionDlg(QWidget* parent = nullptr);
    // Runs the box centred on |point|; m_nChoice is left as preset when it
    // is cancelled.
    void DoModal(QPoint point);
    int m_nChoice = 0;
};

// "Informations sur la Grille.": four counts, the dictionary, and one pair
// chosen by the caller.
class CGridInfoDlg : public CTemplateDialog, public CGridInfoData {
    Q_OBJECT
public:
    enum {
        IDC_TOTAL = 1001,
        IDC_BLACK = 1002,
        IDC_TO_FILL = 1003,
        IDC_FILLED = 1004,
        IDC_EXTRA_LABEL = 1005,
        IDC_DICT_NAME = 1006,
        IDC_EXTRA_VALUE = 1010,
    };
    explicit CGridInfoDlg(QWidget* parent = nullptr);
    void OnInitDialog();
    void DoModal();
};

// "Définitions :", the two clues of a cell. Modeless: the view creates it
// and destroys it.
class CDefinitionsDlg : public CTemplateDialog, public CDefinitionsData {
    Q_OBJECT
public:
    enum {
        IDC_ROW = 1001,
        IDC_COLUMN = 1002,
        IDC_HORIZ_WORD = 1003,
        IDC_VERT_WORD = 1004,
        IDC_HORIZ_CLUE = 1005,
        IDC_VERT_CLUE = 1006,
    };
    explicit CDefinitionsDlg(QWidget* parent = nullptr);
    void OnInitDialog();
    // Shows the box at the place a DefBoxPosition names on |screen| (the
    // screen's rectangle in pixels), without taking the keyboard from the
    // grid.
    void Create(int position, const QRect& screen);
};

// Top-left corner of the definitions box for a position setting on a screen
// of |screen| pixels; none for the centre (any value but 0..3).
std::optional<QPoint> DefinitionsBoxCorner(int position, QSize screen);

// "Victoire": the banner and the congratulations.
class CVictoryDlg : public CTemplateDialog {
    Q_OBJECT
public:
    explicit CVictoryDlg(QWidget* parent = nullptr);
    void DoModal();
};

}  // namespace verbal::shell
