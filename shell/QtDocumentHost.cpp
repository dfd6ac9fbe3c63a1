#include "QtDocumentHost.h"

#include <QApplication>
#include <QCursor>
#include <ctime>

#include "QtText.h"
#include "ConfirmDlg.h"
#include "GeneratorBoxes.h"
#include "MessageBox.h"
#include "NewGridDlg.h"
#include "QtViewHost.h"
#include "SmallDialogs.h"
#include "Sounds.h"
#include "VerbalineView.h"

namespace verbal::shell {

CQtDocumentHost::CQtDocumentHost(CVerbalineView* view, std::function<QWidget*()> mainWindow)
    : m_view(view), m_mainWindow(std::move(mainWindow)) {}

CQtDocumentHost::~CQtDocumentHost() {
    if (m_stop && m_stop->IsCreated()) m_stop->Destroy();
    while (m_nWaitCursor > 0) EndWaitCursor();
}

QWidget* CQtDocumentHost::Owner(MsgOwner owner) const {
    QWidget* main = m_mainWindow ? m_mainWindow() : nullptr;
    if (main && !main->isEnabled()) return nullptr;
    if (owner == MsgOwner::View && m_view) return m_view;
    return main;
}

int CQtDocumentHost::MessageBox(const MessageBoxRequest& request) {
    // A box must be answerable even under the wait cursor.
    const bool waiting = m_nWaitCursor > 0;
    if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = ShowMessageBox(Owner(request.owner), FromBytes(request.text),
                                      FromBytes(request.caption), request.buttons, request.icon);
    if (waiting) QApplication::restoreOverrideCursor();
    return answer;
}

void CQtDocumentHost::InvalidateAll(bool) {
    if (m_view) m_view->update();
}

void CQtDocumentHost::RedrawAllNow() {
    if (m_view) m_view->repaint();
}

// The grid is where the view last painted it.
void CQtDocumentHost::GridChanged(bool now) {
    if (!m_view) return;
    if (now)
        RepaintGridSoon();
    else
        m_view->update(m_view->m_rcGrid);
}

void CQtDocumentHost::ProgressChanged(int) { RepaintGridSoon(); }

void CQtDocumentHost::ModifiedChanged(bool modified) {
    if (m_fnModifiedChanged) m_fnModifiedChanged(modified);
}

void CQtDocumentHost::RepaintGridSoon() {
    if (!m_view) return;
    // The generator asks after every row and at every pump, far more often
    // than an eye can follow: paint at once a few dozen times a second, and
    // otherwise leave the area for the next paint.
    if (m_redrawClock.isValid() && m_redrawClock.elapsed() < kRedrawEveryMs) {
        m_view->update(m_view->m_rcGrid);
        return;
    }
    m_view->repaint(m_view->m_rcGrid);
    m_redrawClock.start();
}

bool CQtDocumentHost::RunRecalcConfirm() {
    CRecalcConfirmDlg dlg(Owner(MsgOwner::App));
    return dlg.DoModal();
}

bool CQtDocumentHost::RunNewGridDialog(CNewGridData& data) {
    CNewGridDlg dlg(Owner(MsgOwner::App));
    static_cast<CNewGridData&>(dlg) = data;
    if (m_fnPrepareNewGridDlg) m_fnPrepareNewGridDlg(dlg);
    if (!dlg.DoModal()) return false;
    data = static_cast<CNewGridData&>(dlg);
    return true;
}

bool CQtDocumentHost::RunEraseConfirm() {
    CEraseConfirmDlg dlg(Owner(MsgOwner::App));
    return dlg.DoModal();
}

void CQtDocumentHost::RunSolutionChoice(int& choice) {
    CSolutionDlg dlg(Owner(MsgOwner::App));
    dlg.m_nChoice = choice;
    dlg.DoModal(QCursor::pos());
    choice = dlg.m_nChoice;
}

void CQtDocumentHost::RunGridInfo(const CGridInfoData& data) {
    RunGridInfoDialog(Owner(MsgOwner::App), data);
}

void CQtDocumentHost::CreateStopBox() {
    if (!m_stop) m_stop = std::make_unique<CStopDlg>();
    m_stop->Create(m_mainWindow ? m_mainWindow() : nullptr);
}

void CQtDocumentHost::DestroyStopBox() {
    if (m_stop) m_stop->Destroy();
}

bool CQtDocumentHost::CheckStop() {
    if (!m_stop) m_stop = std::make_unique<CStopDlg>();
    // Events are handled often enough for the stop button and the painting
    // to answer at once, but not at every pump of a fast search.
    if (m_pumpClock.isValid() && m_pumpClock.elapsed() < kPumpEveryMs)
        return m_stop->TakeStopRequest();
    m_pumpClock.start();
    return m_stop->CheckStop();
}

void CQtDocumentHost::PressStop() {
    if (m_stop) m_stop->reject();
}

void CQtDocumentHost::CreateWaitBox() {
    if (!m_wait) m_wait = std::make_unique<CWaitDlg>();
    m_wait->Create();
}

void CQtDocumentHost::DestroyWaitBox() {
    if (m_wait) m_wait->Destroy();
}

void CQtDocumentHost::BeginWaitCursor() {
    ++m_nWaitCursor;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtDocumentHost::EndWaitCursor() {
    // Unbalanced ends must not take away a cursor someone else set.
    if (m_nWaitCursor == 0) return;
    --m_nWaitCursor;
    QApplication::restoreOverrideCursor();
}

void CQtDocumentHost::PlaySoundFile(const std::string& path) { PlayProgramSound(path); }

std::int64_t CQtDocumentHost::CurrentTimeSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace verbal::shell
