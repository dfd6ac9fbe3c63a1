// "Préférences:": every user setting on one page.
//
// The dialog edits copies: the caller fills the members, runs it and, when
// it is accepted ("Appliquer"), takes them back. Each button that changes a
// member says so in the "Refermer:" line and refreshes the whole page from
// the members, which also brings back any path typed and not yet applied.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "SettingsDialogs.h"
#include "SettingsText.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace verbal::shell {

class CPreferencesDlg : public QDialog, public CPreferencesData {
    Q_OBJECT
public:
    // Ids of the template's controls.
    enum {
        IDC_LINE_1 = 1000, IDC_LINE_2 = 1007, IDC_LINE_3 = 1012, IDC_LINE_4 = 1008,
        IDC_CELL_15 = 1024, IDC_CELL_20 = 1025, IDC_CELL_25 = 1026, IDC_CELL_30 = 1027,
        IDC_CELL_35 = 1030,
        IDC_COLOUR_OUTER = 1009, IDC_COLOUR_INNER = 1011, IDC_COLOUR_LETTERS = 1013,
        IDC_COLOUR_GRID = 1014, IDC_COLOUR_SCREEN = 1015,
        IDC_FACTORY = 1016, IDC_RESET = 1028,
        IDC_POS_TOP_LEFT = 1032, IDC_POS_TOP_RIGHT = 1033, IDC_POS_CENTRE = 1034,
        IDC_POS_BOTTOM_LEFT = 1035, IDC_POS_BOTTOM_RIGHT = 1036,
        IDC_BROWSER_PATH = 1001, IDC_BROWSER_HELP = 1049, IDC_BROWSER_BROWSE = 1046,
        IDC_SOUND_COMPUTE = 1002, IDC_SOUND_CANCEL = 1003, IDC_SOUND_ERASE = 1004,
        IDC_SOUND_READY = 1005, IDC_SOUND_PLACE = 1006, IDC_SOUND_COMPLETE = 1010,
        IDC_SITE = 1050, IDC_ABOUT = 1051, IDC_STATUS = 1031,
        IDOK_APPLY = 1, IDCANCEL_CLOSE = 2,
    };

    explicit CPreferencesDlg(QWidget* parent = nullptr);

    // Members into the page: every path and the status line into its box,
    // one radio of each group from the numbers (none for a value outside its
    // list). Runs again after every change: the refresh.
    void OnInitDialog();
    // True on "Appliquer", with the members read back.
    bool DoModal();
    // "Appliquer": the path boxes into the members, once every path can be
    // kept in the settings file.
    void accept() override;

    QWidget* GetDlgItem(int id) const;
    // Presses a button of the page by its id, as a click would.
    void Click(int id);

    // What the page uses from the system, replaceable for tests.
    OpenFileNameFn m_fnGetOpenFileName;
    std::function<void(const std::string&)> m_fnPlaySound;  // synchronous

private:
    void BuildPage();
    void Changed(const char* status);
    void OnChooseColour(COLORREF& colour);
    void OnFactoryValues();
    void OnFullReset();
    // Buttons of the sound rows, numbered 0 to 5 from the top.
    void OnSoundNone(int row);
    void OnSoundTest(int row);
    void OnSoundBrowse(int row);
    void OnBrowserBrowse();
    void OnBrowserHelp();
    void OnSiteButton();
    void OnAbout();

    std::map<int, QWidget*> m_items;
    std::vector<std::pair<QPushButton*, COLORREF CPreferencesData::*>> m_colourButtons;
    std::map<int, std::string*> m_pathEdits;  // edit id -> its member
    QButtonGroup* m_lineGroup = nullptr;
    QButtonGroup* m_cellGroup = nullptr;
    QButtonGroup* m_positionGroup = nullptr;
};

}  // namespace verbal::shell
