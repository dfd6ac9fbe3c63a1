// CVerbalineApp: starts the program, keeps the grid template's numbering and
// handles the application's own commands (new, open, about, quit).
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "CommandMap.h"
#include "RecentFiles.h"

class QApplication;

namespace verbal::shell {

class CChildFrame;
class CMainFrame;

class CVerbalineApp : public QObject {
    Q_OBJECT
public:
    CVerbalineApp();
    ~CVerbalineApp() override;

    // Names, French translations and locale of the running application.
    static void SetUpApplication(QApplication& app);

    // Creates the main window and dispatches the command line (|arguments|
    // without the program's name); false when the program must end.
    bool InitInstance(const QStringList& arguments);

    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    const CCommandMap& CommandMap() const { return m_commands; }

    // A new empty grid in its own window, titled GrilleNr1, GrilleNr2, ...
    CChildFrame* OnFileNew();
    void OnFileOpen();
    // Opens a grid file in a window of its own (or shows the window that
    // already holds it); false, after telling the user, when it cannot.
    bool OpenDocumentFile(const QString& path);
    // Opens entry |index| of the recent files; an entry that cannot be
    // opened leaves the list.
    bool OnOpenRecentFile(int index);
    void OnAppAbout();

    CRecentFileList& RecentFiles() { return m_recentFiles; }
    void AddToRecentFileList(const QString& path);

private:
    void BuildCommandMap();
    CChildFrame* NewChildFrame(const QString& title);

    std::unique_ptr<CMainFrame> m_mainFrame;
    CCommandMap m_commands;
    CRecentFileList m_recentFiles;
    int m_nUntitledCount = 0;
};

}  // namespace verbal::shell
