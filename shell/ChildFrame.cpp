#include "ChildFrame.h"

#include <QCloseEvent>
#include <QTimer>

#include "Icons.h"
#include "MessageBox.h"
#include "QtDocumentHost.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::shell {

CChildFrame::CChildFrame(const QString& title, std::function<QWidget*()> mainWindow)
    : m_strTitle(title), m_doc(std::make_unique<CVerbalineDoc>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowIcon(ProgramIcon(QStringLiteral("grid")));
    m_view = new CVerbalineView(m_doc.get(), this);
    setWidget(m_view);
    m_host = std::make_unique<CQtDocumentHost>(m_view, std::move(mainWindow));
    m_doc->SetHost(m_host.get());
    m_doc->OnNewDocument();
    BuildCommandMap();
}

CChildFrame::~CChildFrame() {
    // The document must not call a host that is gone.
    m_doc->SetHost(nullptr);
}

void CChildFrame::ActivateFrame() { showMaximized(); }

bool CChildFrame::IsComputing() const { return m_doc->m_bComputing != 0; }

void CChildFrame::BuildCommandMap() {
    CCommandMap& m = m_docCommands;
    m.On(ID_GRID_COMPUTE, [this] { OnCalculer(); });
    // "Effacer" and "Solution" come with the player's commands; until then
    // their items only follow the grid's state.
    m.On(ID_GRID_ERASE, [] {});
    m.On(ID_GRID_SOLUTION, [] {});
    auto gridReady = [this](CCmdUI& ui) { ui.Enable(m_doc->CanEraseOrSolve()); };
    m.OnUpdate(ID_GRID_ERASE, gridReady);
    m.OnUpdate(ID_GRID_SOLUTION, gridReady);
    m.On(ID_FILE_CLOSE, [this] { close(); });
    m.On(ID_FILE_SAVE, [this] { DoFileSave(); });
    m.On(ID_FILE_SAVE_AS, [this] { DoFileSave(); });
}

void CChildFrame::OnCalculer() {
    m_doc->OnCalculer();
    emit commandDone();
    if (m_bClosePending) {
        m_bClosePending = false;
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

bool CChildFrame::DoFileSave() {
    ShowMessageBox(this,
                   QStringLiteral("Cette version de Verbaline ne sait pas encore enregistrer les "
                                  "grilles : « %1 » n'a pas été enregistrée.")
                       .arg(m_strTitle),
                   QString(), MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}

bool CChildFrame::SaveModified() {
    if (!m_doc->IsModified()) return true;
    const int answer = AskYesNoCancel(
        this, QStringLiteral("Enregistrer les modifications de %1 ?").arg(m_strTitle));
    if (answer == IDCANCEL) return false;
    if (answer == IDYES) return DoFileSave();
    return true;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (IsComputing()) {
        // The computation runs below this call on the same thread: stop it
        // first, close when it has returned.
        m_bClosePending = true;
        m_host->PressStop();
        event->ignore();
        return;
    }
    if (!m_bCloseAsked && !SaveModified()) {
        event->ignore();
        return;
    }
    m_bCloseAsked = false;
    QMdiSubWindow::closeEvent(event);
}

}  // namespace verbal::shell
