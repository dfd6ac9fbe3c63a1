// "Nombre de cases et dictionnaire": size, quality and dictionary of the grid
// about to be computed.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <map>

#include "DocumentHost.h"

class QButtonGroup;
class QLineEdit;

namespace verbal::shell {

class CNewGridDlg : public QDialog, public CNewGridData {
    Q_OBJECT
public:
    // Ids of the template's controls.
    enum {
        IDC_SIZE_6 = 1000,   // 1000..1007: 6 X 6 .. 20 X 20
        IDC_BROWSE = 1008,
        IDC_DICT_NAME = 1010,
        IDC_QUALITY_0 = 1012,
        IDC_QUALITY_1 = 1024,
        IDC_QUALITY_2 = 1025,
        IDC_QUALITY_3 = 1026,
    };

    explicit CNewGridDlg(QWidget* parent = nullptr);

    // Members into the controls: the name into its box, the size and quality
    // into their radios. Runs again after "Parcourir".
    void OnInitDialog();
    // Runs the dialog; true on OK, with the members read back.
    bool DoModal();
    void OnBrowseDictionary();

    QWidget* GetDlgItem(int id) const;

    // The system's open-file dialog: (owner, title, directory, filter) ->
    // the chosen path, empty when cancelled. Replaceable for tests.
    std::function<QString(QWidget*, const QString&, const QString&, const QString&)>
        m_fnGetOpenFileName;

    void accept() override;

private:
    void SelectRadios();
    void AddRadio(QButtonGroup* group, int id, const char* text, int x, int y, int w, int h);

    QButtonGroup* m_sizeGroup;
    QButtonGroup* m_qualityGroup;
    QLineEdit* m_editName;
    std::map<int, QWidget*> m_items;
};

}  // namespace verbal::shell
