// The two small boxes of a computation: "ARRETER", the only control the user
// has while a grid is computed, and the box that asks for patience while the
// dictionary is prepared or the search winds down.
#pragma once

#include <QDialog>
#include <QPointer>

class QPushButton;

namespace verbal::shell {

class CStopDlg : public QDialog {
    Q_OBJECT
public:
    CStopDlg();

    // Shows the box centred over |over| (the grid's window, where the eye
    // is) and disables |mainWindow| if it was enabled.
    void Create(QWidget* mainWindow, QWidget* over = nullptr);
    // Hides the box and enables the main window again if Create disabled it.
    void Destroy();
    // Runs every waiting event, then tells (and forgets) whether the button
    // was pressed since the last call.
    bool CheckStop();
    // Whether the button was pressed since the last call, without handling
    // the events waiting.
    bool TakeStopRequest();

    QPushButton* StopButton() const { return m_button; }
    bool IsCreated() const { return m_bCreated; }

    void reject() override;  // Escape presses the button too

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* m_button;
    QPointer<QWidget> m_disabledWindow;
    QPointer<QWidget> m_focusBefore;
    bool m_bStopPressed = false;
    bool m_bCreated = false;
};

class CWaitDlg : public QDialog {
    Q_OBJECT
public:
    CWaitDlg();
    void Create();
    void Destroy();

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace verbal::shell
