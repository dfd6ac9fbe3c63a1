// The browser application: builds the document, the frame and its view,
// shows the page named on the command line or the start page, and handles
// Ctrl+N (the start page again) and Ctrl+O (a local file).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace helpview {

class CHelpviewDoc;
class CMainFrame;

class CHelpviewApp : public QObject {
    Q_OBJECT
public:
    CHelpviewApp();
    ~CHelpviewApp() override;

    // args as QCoreApplication::arguments() gives them: the program, then
    // at most one file. False when the file cannot be opened (the message
    // has been shown): the program ends.
    bool InitInstance(const QStringList& args);

    void OnFileNew();
    void OnFileOpen();

    CMainFrame* MainFrame() const;
    CHelpviewDoc* Document() const { return m_pDocument; }

    // How a failure is told (a message box by default).
    std::function<void(const QString&)> m_fnShowError;
    // Asks for a file to open; an empty string when cancelled.
    std::function<QString(QWidget*)> m_fnChooseFile;

private:
    bool OpenDocumentFile(const QString& strPath);

    CHelpviewDoc* m_pDocument;
    QPointer<CMainFrame> m_pMainFrame;
};

}  // namespace helpview
