#include "ChildFrame.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QTimer>

#include "FileCommands.h"
#include "Icons.h"
#include "MessageBox.h"
#include "PrintCommands.h"
#include "QtDocumentHost.h"
#include "QtViewHost.h"
#include "VerbalineDoc.h"
#include "VerbalineView.h"

namespace verbal::shell {

CChildFrame::CChildFrame(const QString& title, std::function<QWidget*()> mainWindow)
    : m_strTitle(title), m_doc(std::make_unique<CVerbalineDoc>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(WindowTitleFor(title));
    setWindowIcon(ProgramIcon(QStringLiteral("grid")));
    m_view = new CVerbalineView(m_doc.get(), this);
    setWidget(m_view);
    m_host = std::make_unique<CQtDocumentHost>(m_view, std::move(mainWindow));
    m_doc->SetHost(m_host.get());
    m_host->m_fnModifiedChanged = [this](bool modified) {
        setWindowModified(modified);
        emit titleChanged();
    };
    m_viewHost = std::make_unique<CQtViewHost>(m_view);
    m_view->SetViewHost(m_viewHost.get());
    m_doc->OnNewDocument();
    BuildCommandMap();
}

CChildFrame::~CChildFrame() {
    // The document and the view must not call a host that is gone.
    m_doc->SetHost(nullptr);
    m_view->SetViewHost(nullptr);
}

QString CChildFrame::WindowTitleFor(const QString& name) {
    // "[*]" in a title is the place of the modified mark; one that is part of
    // a file's name is doubled so that it shows as written.
    QString title = name;
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return title + QStringLiteral("[*]");
}

void CChildFrame::ActivateFrame() { showMaximized(); }

bool CChildFrame::IsComputing() const { return m_doc->IsComputing(); }

void CChildFrame::BuildCommandMap() {
    CCommandMap& m = m_docCommands;
    m.On(ID_GRID_COMPUTE, [this] { OnCalculer(); });
    m.On(ID_GRID_ERASE, [this] { RunDocCommand(&CVerbalineDoc::OnEffacer); });
    m.On(ID_GRID_SOLUTION, [this] { RunDocCommand(&CVerbalineDoc::OnSolution); });
    auto gridReady = [this](CCmdUI& ui) { ui.Enable(m_doc->CanEraseOrSolve()); };
    m.OnUpdate(ID_GRID_ERASE, gridReady);
    m.OnUpdate(ID_GRID_SOLUTION, gridReady);
    m.On(ID_FILE_CLOSE, [this] { close(); });
    m.On(ID_FILE_SAVE, [this] { DoFileSave(); });
    m.On(ID_FILE_SAVE_AS, [this] { DoSave(true); });
    AddPrintCommands(m, this, m_doc.get(), [this] { return m_strTitle; });
}

void CChildFrame::OnCalculer() {
    // The clues of the old grid must not stay on screen over the new one.
    m_view->DestroyDefinitionsBox();
    m_doc->OnCalculer();
    emit commandDone();
    if (m_bClosePending) {
        m_bClosePending = false;
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

void CChildFrame::RunDocCommand(void (CVerbalineDoc::*command)()) {
    (m_doc.get()->*command)();
    emit commandDone();
}

void CChildFrame::SetPathName(const QString& path) {
    m_strPathName = path;
    m_strTitle = QFileInfo(path).fileName();
    setWindowTitle(WindowTitleFor(m_strTitle));
    emit titleChanged();
}

bool CChildFrame::DoFileSave() { return DoSave(m_strPathName.isEmpty()); }

bool CChildFrame::DoSave(bool askName) {
    if (!m_doc->GridReady()) {
        // Nothing to save: the document says so, before any name is asked.
        m_doc->SaveGrid(std::string());
        return false;
    }
    QString path = m_strPathName;
    if (askName || path.isEmpty()) {
        path = AskSaveGridName(this, path.isEmpty() ? m_strTitle : path);
        if (path.isEmpty()) return false;
        path = QFileInfo(path).absoluteFilePath();
    }
    const std::optional<std::string> enginePath = EnginePath(this, path);
    if (!enginePath || !m_doc->SaveGrid(*enginePath)) return false;
    // Named as opening it again would name it, links resolved.
    const QString saved = QFileInfo(path).canonicalFilePath();
    if (!saved.isEmpty()) path = saved;
    if (path != m_strPathName) SetPathName(path);
    emit pathNameChanged(path);
    emit commandDone();
    return true;
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
