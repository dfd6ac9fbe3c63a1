#include "VerbalineApp.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMdiArea>
#include <QTranslator>
#include <clocale>

#include "AboutDlg.h"
#include "ChildFrame.h"
#include "FileCommands.h"
#include "Icons.h"
#include "MainFrame.h"
#include "MessageBox.h"
#include "QtSettingsDialogs.h"
#include "Strings.h"
#include "VerbalineDoc.h"

namespace verbal::shell {

CVerbalineApp::CVerbalineApp() {
    BuildCommandMap();
    // The grid windows show their settings and help dialogs this program's way.
    static CQtSettingsDialogs settingsDialogs;
    SetSettingsDialogs(&settingsDialogs);
}

CVerbalineApp::~CVerbalineApp() { SetSettingsDialogs(nullptr); }

void CVerbalineApp::SetUpApplication(QApplication& app) {
    std::setlocale(LC_ALL, "");
    app.setApplicationName(AppTitle());
    app.setOrganizationName(QStringLiteral("Quillsoft"));
    app.setWindowIcon(ProgramIcon(QStringLiteral("verbal")));
    // The program speaks French whatever the session's language: Qt's own
    // texts (file dialogs, standard buttons) too, where a translation exists.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_fr", "qt_fr"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), dir))
            app.installTranslator(translator);
        else
            delete translator;
    }
}

void CVerbalineApp::BuildCommandMap() {
    CCommandMap& m = m_commands;
    m.On(ID_FILE_NEW, [this] { OnFileNew(); });
    m.On(ID_FILE_OPEN, [this] { OnFileOpen(); });
    m.On(ID_APP_ABOUT, [this] { OnAppAbout(); });
    m.On(ID_APP_EXIT, [this] {
        if (m_mainFrame) m_mainFrame->close();
    });
    for (int i = 0; i < CRecentFileList::kSize; ++i) {
        m.On(ID_FILE_MRU_FILE1 + i, [this, i] { OnOpenRecentFile(i); });
        m.OnUpdate(ID_FILE_MRU_FILE1 + i,
                   [this, i](CCmdUI& ui) { ui.Enable(i < m_recentFiles.Files().size()); });
    }
}

bool CVerbalineApp::InitInstance(const QStringList& arguments) {
    m_mainFrame = std::make_unique<CMainFrame>(&m_commands);
    if (!m_mainFrame->LoadFrame()) return false;
    m_mainFrame->SetRecentFileSource([this] { return m_recentFiles.MenuTexts(); });
    AcceptDroppedFiles(m_mainFrame.get(), [this](const QString& path) {
        return OpenDocumentFile(path);
    });

    QString file;
    // Switches start with '-' and are not for this program; the last other
    // argument names a grid file.
    for (const QString& argument : arguments)
        if (!argument.startsWith(QLatin1Char('-'))) file = argument;
    if (file.isEmpty()) {
        if (!OnFileNew()) return false;
    } else if (!OpenDocumentFile(file)) {
        return false;
    }
    m_mainFrame->show();
    return true;
}

CChildFrame* CVerbalineApp::NewChildFrame(const QString& title) {
    CMainFrame* frame = m_mainFrame.get();
    auto* child = new CChildFrame(title, [frame]() -> QWidget* { return frame; });
    connect(child, &CChildFrame::pathNameChanged, this,
            [this](const QString& path) { AddToRecentFileList(path); });
    return child;
}

CChildFrame* CVerbalineApp::OnFileNew() {
    CChildFrame* child = NewChildFrame(DocBaseName() + QString::number(++m_nUntitledCount));
    m_mainFrame->AddChild(child);
    return child;
}

void CVerbalineApp::OnFileOpen() {
    // An opening starts: the clues on screen belong to another grid.
    m_mainFrame->CloseDefinitionsBoxes();
    const QString path = AskOpenGridName(m_mainFrame.get());
    if (!path.isEmpty()) OpenDocumentFile(path);
}

bool CVerbalineApp::OpenDocumentFile(const QString& path) {
    if (path.isEmpty()) return false;
    m_mainFrame->CloseDefinitionsBoxes();
    const QFileInfo info(path);
    const QString absolute =
        info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    for (CChildFrame* child : m_mainFrame->Children())
        if (child->PathName() == absolute) {
            m_mainFrame->MdiArea()->setActiveSubWindow(child);
            return true;
        }
    const std::optional<std::string> enginePath = EnginePath(m_mainFrame.get(), absolute);
    if (!enginePath) return false;

    // The grid is read before its window is shown: a file that is not a grid
    // shows no window at all.
    std::unique_ptr<CChildFrame> child(NewChildFrame(info.fileName()));
    if (!child->GetDocument()->OpenGrid(*enginePath)) return false;
    child->SetPathName(absolute);
    m_mainFrame->AddChild(child.release());
    AddToRecentFileList(absolute);
    return true;
}

bool CVerbalineApp::OnOpenRecentFile(int index) {
    const QStringList& files = m_recentFiles.Files();
    if (index < 0 || index >= files.size()) return false;
    const QString path = files[index];
    if (OpenDocumentFile(path)) return true;
    m_recentFiles.Remove(files.indexOf(path));
    m_mainFrame->UpdateRecentFileMenus();
    return false;
}

void CVerbalineApp::AddToRecentFileList(const QString& path) {
    m_recentFiles.Add(path);
    if (m_mainFrame) m_mainFrame->UpdateRecentFileMenus();
}

void CVerbalineApp::OnAppAbout() {
    CAboutDlg dlg(m_mainFrame.get());
    dlg.DoModal();
}

}  // namespace verbal::shell
