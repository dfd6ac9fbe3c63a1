// "Aide": a short explanation in a scrolling box, with "Fermer".
#pragma once

#include <QDialog>
#include <string>

class QTextEdit;

namespace verbal::shell {

class CHelpTextDlg : public QDialog {
    Q_OBJECT
public:
    enum { IDC_TEXT = 1001 };

    explicit CHelpTextDlg(QWidget* parent = nullptr);

    // The text into its box.
    void OnInitDialog();
    // Runs the box, placed up and left of its owner as far as the screen
    // allows.
    void DoModal();

    QTextEdit* TextBox() const { return m_edit; }

    std::string m_strText;  // Windows-1252 bytes

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* m_edit;
    class QPushButton* m_close;
};

}  // namespace verbal::shell
