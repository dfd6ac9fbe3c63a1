// "Navigation vers": asks for an address or a local file to show.
#pragma once

#include <QDialog>
#include <QRect>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace helpview {

class CNavigateDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNavigateDlg(QWidget* parent = nullptr);

    // Puts the members into the controls, then runs the dialog; on OK the
    // controls are read back into the members.
    int exec() override;
    void OnInitDialog();
    // "Parcourir": the chosen file becomes the address.
    void OnBrowse();

    QString m_strAddress;
    // Asks for a local file; returns an empty string when cancelled.
    std::function<QString(QWidget*)> m_fnChooseFile;

    QLineEdit* AddressEdit() const { return m_pAddress; }
    QPushButton* BrowseButton() const { return m_pBrowse; }

    // A rectangle of the dialog template, in pixels of the given font:
    // x units are a quarter of the average character width, y units an
    // eighth of the character height.
    static QRect DialogUnits(const QFont& font, int x, int y, int cx, int cy);

public slots:
    void accept() override;

private:
    QLabel* m_pText;
    QLineEdit* m_pAddress;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
    QPushButton* m_pBrowse;
};

}  // namespace helpview
