// The grid document's way to the screen: message boxes, repaints, the
// dialogs of a computation, the stop and wait boxes, the wait cursor.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <functional>
#include <memory>

#include "DocumentHost.h"

class QWidget;

namespace verbal {
class CVerbalineView;
}

namespace verbal::shell {

class CStopDlg;
class CWaitDlg;

class CQtDocumentHost : public IDocumentHost {
public:
    // |mainWindow| gives the window a computation disables.
    CQtDocumentHost(CVerbalineView* view, std::function<QWidget*()> mainWindow);
    ~CQtDocumentHost() override;

    int MessageBox(const MessageBoxRequest& request) override;
    void InvalidateAll(bool erase) override;
    void RedrawAllNow() override;
    void GridChanged(bool now) override;
    void ProgressChanged(int rowsDone) override;
    void ModifiedChanged(bool modified) override;
    bool RunRecalcConfirm() override;
    bool RunNewGridDialog(CNewGridData& data) override;
    bool RunEraseConfirm() override;
    void RunSolutionChoice(int& choice) override;
    void RunGridInfo(const CGridInfoData& data) override;
    void CreateStopBox() override;
    void DestroyStopBox() override;
    bool CheckStop() override;
    void CreateWaitBox() override;
    void DestroyWaitBox() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void PlaySoundFile(const std::string& path) override;
    std::int64_t CurrentTimeSeconds() override;

    // What the stop button does, for a window that is asked to close while
    // its grid is computed.
    void PressStop();
    CStopDlg* StopBox() const { return m_stop.get(); }
    CWaitDlg* WaitBox() const { return m_wait.get(); }

    // Prepares each new-grid dialog before it runs (tests choose the file
    // dialog's answer here).
    std::function<void(class CNewGridDlg&)> m_fnPrepareNewGridDlg;
    // Told when the document's modified flag changes (the window's title).
    std::function<void(bool)> m_fnModifiedChanged;

private:
    // The owner of a box: none while the main window is disabled, since a
    // box owned by a disabled window could not be answered.
    QWidget* Owner(MsgOwner owner) const;
    // Paints the grid's rectangle at once, a few dozen times a second at
    // most; in between, leaves it for the next paint.
    void RepaintGridSoon();

    QPointer<CVerbalineView> m_view;
    std::function<QWidget*()> m_mainWindow;
    std::unique_ptr<CStopDlg> m_stop;
    std::unique_ptr<CWaitDlg> m_wait;
    int m_nWaitCursor = 0;
    static constexpr int kRedrawEveryMs = 40;
    static constexpr int kPumpEveryMs = 20;
    QElapsedTimer m_redrawClock;
    QElapsedTimer m_pumpClock;
};

}  // namespace verbal::shell
