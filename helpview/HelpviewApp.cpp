#include "HelpviewApp.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "HelpviewDoc.h"
#include "HelpviewIds.h"
#include "HelpviewView.h"
#include "MainFrame.h"

namespace helpview {

CHelpviewApp::CHelpviewApp() : m_pDocument(new CHelpviewDoc(this)) {
    m_fnShowError = [this](const QString& text) {
        // The text quotes a path given by whoever started us: never markup.
        QMessageBox box(QMessageBox::Critical, QStringLiteral("helpview"), text,
                        QMessageBox::Ok, m_pMainFrame);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
    m_fnChooseFile = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QStringLiteral("Ouvrir"), QString(),
                                            QStringLiteral("Tous les fichiers (*)"));
    };
}

CHelpviewApp::~CHelpviewApp() {
    // The frame deletes itself when closed; if it is still open, its view
    // must go first so that the shared start-directory file is removed.
    delete m_pMainFrame;
}

CMainFrame* CHelpviewApp::MainFrame() const {
    return m_pMainFrame;
}

bool CHelpviewApp::InitInstance(const QStringList& args) {
    QCoreApplication::setApplicationName(QStringLiteral("helpview"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillsoft"));

    m_pMainFrame = new CMainFrame(m_pDocument);
    m_pMainFrame->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_pMainFrame->Action(ID_FILE_NEW), &QAction::triggered, this,
            &CHelpviewApp::OnFileNew);
    connect(m_pMainFrame->Action(ID_FILE_OPEN), &QAction::triggered, this,
            &CHelpviewApp::OnFileOpen);

    // One file at most; options are not ours to understand.
    QString file;
    for (int i = 1; i < args.size(); ++i) {
        if (!args[i].startsWith(QLatin1Char('-'))) {
            file = args[i];
            break;
        }
    }
    if (file.isEmpty()) {
        m_pDocument->OnNewDocument();
        m_pMainFrame->View()->OnInitialUpdate();
    } else if (!OpenDocumentFile(file)) {
        delete m_pMainFrame;
        return false;
    }
    m_pMainFrame->show();
    return true;
}

bool CHelpviewApp::OpenDocumentFile(const QString& strPath) {
    if (!m_pDocument->OnOpenDocument(strPath)) {
        if (m_fnShowError)
            m_fnShowError(QStringLiteral("Impossible d'ouvrir le fichier « %1 ».").arg(strPath));
        return false;
    }
    m_pMainFrame->View()->OnInitialUpdate();
    return true;
}

void CHelpviewApp::OnFileNew() {
    m_pDocument->OnNewDocument();
    m_pMainFrame->View()->OnInitialUpdate();
}

void CHelpviewApp::OnFileOpen() {
    const QString file = m_fnChooseFile ? m_fnChooseFile(m_pMainFrame) : QString();
    if (!file.isEmpty()) OpenDocumentFile(file);
}

}  // namespace helpview
