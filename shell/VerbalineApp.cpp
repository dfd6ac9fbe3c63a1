#include "VerbalineApp.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

#include "AboutDlg.h"
#include "ChildFrame.h"
#include "Icons.h"
#include "MainFrame.h"
#include "MessageBox.h"
#include "QtSettingsDialogs.h"
#include "Strings.h"

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
    // The recent-file list is empty until grids can be saved and opened.
    m.OnUpdate(ID_FILE_MRU_FILE1, [](CCmdUI& ui) { ui.Enable(false); });
}

bool CVerbalineApp::InitInstance(const QStringList& arguments) {
    m_mainFrame = std::make_unique<CMainFrame>(&m_commands);
    if (!m_mainFrame->LoadFrame()) return false;

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

CChildFrame* CVerbalineApp::OnFileNew() {
    const QString title = QStringLiteral("%1%2").arg(QStringLiteral("GrilleNr")).arg(++m_nUntitledCount);
    CMainFrame* frame = m_mainFrame.get();
    auto* child = new CChildFrame(title, [frame]() -> QWidget* { return frame; });
    frame->AddChild(child);
    return child;
}

void CVerbalineApp::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(m_mainFrame.get(), QStringLiteral("Ouvrir"),
                                                      QString(), DocFilter());
    if (!path.isEmpty()) OpenDocumentFile(path);
}

bool CVerbalineApp::OpenDocumentFile(const QString& path) {
    const QFileInfo info(path);
    const QString text =
        info.exists()
            ? QStringLiteral("Impossible d'ouvrir la grille « %1 » : cette version de Verbaline "
                             "ne sait pas encore lire les fichiers de grille.")
                  .arg(info.absoluteFilePath())
            : QStringLiteral("La grille « %1 » est introuvable.").arg(path);
    ShowMessageBox(m_mainFrame.get(), text, QString(), MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}

void CVerbalineApp::OnAppAbout() {
    CAboutDlg dlg(m_mainFrame.get());
    dlg.DoModal();
}

}  // namespace verbal::shell
