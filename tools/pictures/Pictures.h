// pictures: the program photographs itself, for the help pages (data/aide)
// and for a person who wants to look at every window without running it.
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDialog;
class QWidget;

namespace verbal {
class CVerbalineDoc;
class CVerbalineView;
}  // namespace verbal

namespace verbal::shell {
class CChildFrame;
class CMainFrame;
class CVerbalineApp;
}  // namespace verbal::shell

namespace verbal::pictures {

// Where the build keeps what the pictures need.
std::string InstallDir();  // the build's output directory, an installation
std::string TestDataDir();  // tests/data: the small dictionary

// A picture of a window has few colours: its 256 most frequent ones keep it
// sharp at a fraction of the size of a full-colour one.
QImage Indexed(const QImage& image);

// Says what went wrong; the program then ends with status 1.
void Fail(const std::string& what);
bool Failed();

// Lets queued events and timers run for |ms| milliseconds at least.
void Settle(int ms = 0);

// The running verbal, whose modal dialogs are answered by |answer| (by
// default: no, cancel, OK, or a cancelled dialog) and whose sounds are not
// played.
class Session {
public:
    Session();
    ~Session();
    shell::CMainFrame* Frame() const;
    shell::CChildFrame* Child() const;
    CVerbalineDoc* Doc() const;
    CVerbalineView* View() const;
    static int DefaultAnswer(QDialog& dialog);
    std::function<int(QDialog&)> answer;

private:
    std::unique_ptr<shell::CVerbalineApp> m_app;
};

// The active grid window opens a finished grid of |rows|: solution and clues
// from the definitions file |dexPath|, dictionary |dictName|, |quality|, at
// (80, 60), nothing played yet; the window keeps its title.
void OpenGrid(Session& session, const std::vector<std::string>& rows, const std::string& dexPath,
              const std::string& dictName, int quality);

// The pictures of the help pages, in |dir|.
void TakeHelpPictures(const QString& dir);
// Every window of verbal and every page of the help browser, in |dir|.
void TakeScreens(const QString& dir);
// The help browser: its toolbar for the help pages (when |helpDir| is not
// empty), each page for a person (when |screensDir| is not empty).
void TakeBrowserPictures(const QString& helpDir, const QString& screensDir);

}  // namespace verbal::pictures
