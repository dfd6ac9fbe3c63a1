#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include "HelpviewApp.h"
#include "HelpviewDoc.h"
#include "HelpviewIds.h"
#include "HelpviewView.h"
#include "MainFrame.h"
#include "NavigateDlg.h"
#include "TestFiles.h"
#include "UrlRecorder.h"

namespace helpview {
namespace {

const QString kTitle = QString::fromUtf8(kBrowserTitle);

// Each test gets its own folders and its own temporary directory, so the
// shared file starts absent and tests may run side by side.
class Helpview : public ::testing::Test {
protected:
    void SetUp() override {
        // Made under HELPVIEW_TEST_TMP, the temporary directory of the run.
        m_root = std::make_unique<verbal::test::TempDir>();
        m_strTmp = MakeDir(QStringLiteral("tmp"));
        qputenv("TMPDIR", QFile::encodeName(m_strTmp));
        ASSERT_EQ(QDir::tempPath(), m_strTmp);
        // The shared file lives in the user's runtime folder, private to him.
        m_bHadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        ::chmod(QFile::encodeName(m_strTmp).constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_strTmp));
        m_strSavedCwd = QDir::currentPath();
        UrlRecorder::Instance().urls.clear();
    }
    void TearDown() override {
        QDir::setCurrent(m_strSavedCwd);
        qputenv("TMPDIR", HELPVIEW_TEST_TMP);
        if (m_bHadRuntime)
            qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

    QString MakeDir(const QString& name) {
        const QString path = QDir(QString::fromStdString(m_root->Path())).filePath(name);
        QDir().mkpath(path);
        return QDir(path).canonicalPath();
    }
    // A page whose body starts with its own name, so a test can tell which
    // page is shown.
    static QString WritePage(const QString& dir, const QString& name, const QString& body = {}) {
        const QString path = QDir(dir).filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Titre de %1</title>"
                                  "</head><body><p>%1</p>%2</body></html>")
                       .arg(name, body)
                       .toUtf8());
        return path;
    }
    static QString Shown(const CHelpviewView& view) { return view.source().toLocalFile(); }
    QString StartFile() const { return QDir(m_strTmp).filePath(QStringLiteral("vbln6842.tmp")); }
    QByteArray StartFileBytes() const {
        QFile file(StartFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QByteArray Record(const QString& dir) {
        QByteArray record = QFile::encodeName(dir);
        record.append('\0');
        record.append(QByteArray(kStartDirSize - record.size(), ' '));
        return record;
    }
    // A view as a browser started in `cwd` would have it.
    std::unique_ptr<CHelpviewView> StartView(const QString& cwd, CHelpviewDoc& doc) {
        QDir::setCurrent(cwd);
        auto view = std::make_unique<CHelpviewView>(&doc);
        QObject::connect(view.get(), &CHelpviewView::statusMessage,
                         [this](const QString& text) { m_strStatus = text; });
        view->OnInitialUpdate();
        return view;
    }

    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    std::unique_ptr<verbal::test::TempDir> m_root;
    bool m_bHadRuntime = false;
    QByteArray m_savedRuntime;
    QString m_strTmp;
    QString m_strSavedCwd;
    QString m_strStatus;
};

// The lifetime of the shared start directory across three browsers.
TEST_F(Helpview, FirstBrowserRecordsItsDirectoryForTheOthers) {
    const QString install = MakeDir(QStringLiteral("install"));
    const QString other = MakeDir(QStringLiteral("ailleurs"));
    const QString third = MakeDir(QStringLiteral("troisieme"));
    WritePage(install, QStringLiteral("defaut.htm"));
    WritePage(install, QStringLiteral("aide.htm"));
    WritePage(install, QStringLiteral("enligne.htm"));
    WritePage(other, QStringLiteral("defaut.htm"));

    CHelpviewDoc doc1, doc2, doc3;
    auto first = StartView(install, doc1);
    EXPECT_EQ(StartFileBytes(), Record(install));
    EXPECT_EQ(first->m_nStartDirLength, QFile::encodeName(install).size());
    EXPECT_EQ(QByteArray(first->m_szStartDir, kStartDirSize), Record(install));
    EXPECT_EQ(Shown(*first), QDir(install).filePath(QStringLiteral("defaut.htm")));

    auto second = StartView(other, doc2);
    EXPECT_EQ(second->StartDir(), install);
    EXPECT_EQ(Shown(*second), QDir(install).filePath(QStringLiteral("defaut.htm")));
    second->OnNavHelp();
    EXPECT_EQ(Shown(*second), QDir(install).filePath(QStringLiteral("aide.htm")));
    second->OnNavSite();
    EXPECT_EQ(Shown(*second), QDir(install).filePath(QStringLiteral("enligne.htm")));
    second->OnNavInfo();
    EXPECT_EQ(Shown(*second), QDir(install).filePath(QStringLiteral("defaut.htm")));

    first.reset();
    EXPECT_FALSE(QFile::exists(StartFile())) << "the first to close deletes the file";
    EXPECT_EQ(second->StartDir(), install);

    auto later = StartView(third, doc3);
    EXPECT_EQ(later->StartDir(), third);
    EXPECT_EQ(StartFileBytes(), Record(third));
}

// 99 bytes and its NUL fill the record; one byte more cannot be recorded.
TEST_F(Helpview, DirectoryTooLongForTheRecordIsKeptWhole) {
    const QString base = MakeDir(QString());
    const QString fits = MakeDir(QString(99 - base.size() - 1, QLatin1Char('f')));
    ASSERT_EQ(QFile::encodeName(fits).size(), 99);
    const QString longer = MakeDir(QString(100 - base.size() - 1, QLatin1Char('l')));
    WritePage(longer, QStringLiteral("defaut.htm"));

    CHelpviewDoc doc;
    {
        auto view = StartView(fits, doc);
        EXPECT_EQ(StartFileBytes(), Record(fits));
    }
    auto view = StartView(longer, doc);
    EXPECT_FALSE(QFile::exists(StartFile())) << "a cut path would mislead other browsers";
    EXPECT_EQ(view->m_nStartDirLength, 100);
    EXPECT_EQ(view->StartDir(), longer);
    EXPECT_EQ(Shown(*view), QDir(longer).filePath(QStringLiteral("defaut.htm")));
    EXPECT_TRUE(view->toPlainText().startsWith(QStringLiteral("defaut.htm")));

    // Its own directory cannot be shared, but another browser's can.
    const QString install = MakeDir(QStringLiteral("install"));
    QFile file(StartFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Record(install));
    file.close();
    auto second = StartView(longer, doc);
    EXPECT_EQ(second->StartDir(), install);
}

// A file that does not hold a usable record is not believed: a missing
// NUL would run the directory past the buffer, a short file leaves it half
// read, and the directory of a browser that was killed may be gone.
TEST_F(Helpview, UnusableRecordIsReplacedByOurOwn) {
    const QString gone = MakeDir(QStringLiteral("parti"));
    QDir(gone).removeRecursively();
    const QString mine = MakeDir(QStringLiteral("moi"));
    const QByteArray contents[] = {
        QByteArray(kStartDirSize, 'x'),
        QFile::encodeName(mine).left(10),
        Record(gone),
        Record(QStringLiteral("relatif")),
        QByteArray(kStartDirSize, '\0'),
    };
    for (const QByteArray& content : contents) {
        QFile file(StartFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        CHelpviewDoc doc;
        auto view = StartView(mine, doc);
        EXPECT_EQ(view->StartDir(), mine) << content.constData();
        EXPECT_EQ(StartFileBytes(), Record(mine));
        EXPECT_EQ(QByteArray(view->m_szStartDir, kStartDirSize), Record(mine));
    }
}

// Another user can write into the shared temporary directory: a record,
// a FIFO or a link planted there must neither steer, freeze nor be followed.
TEST_F(Helpview, SharedFileLivesInAFolderOfTheUsersOwn) {
    const QString mine = MakeDir(QStringLiteral("moi"));
    const QString theirs = MakeDir(QStringLiteral("pages-piegees"));
    const QString shared = MakeDir(QStringLiteral("partage"));
    ::chmod(QFile::encodeName(shared).constData(), 01777);
    qputenv("TMPDIR", QFile::encodeName(shared));
    qunsetenv("XDG_RUNTIME_DIR");
    WriteFile(QDir(shared).filePath(QStringLiteral("vbln6842.tmp")), Record(theirs));

    CHelpviewDoc doc;
    {
        auto view = StartView(mine, doc);
        EXPECT_EQ(view->StartDir(), mine) << "a record in the shared folder is not ours";
        const QString own = QDir(shared).filePath(QStringLiteral("verbal-%1").arg(::geteuid()));
        EXPECT_EQ(CHelpviewView::StartDirFilePath(),
                  QDir(own).filePath(QStringLiteral("vbln6842.tmp")));
        struct stat st;
        ASSERT_EQ(::lstat(QFile::encodeName(own).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        QFile record(CHelpviewView::StartDirFilePath());
        ASSERT_TRUE(record.open(QIODevice::ReadOnly));
        EXPECT_EQ(record.readAll(), Record(mine));
    }

    // A folder of that name that is not private (or a link to one) is not used.
    const QString own = QDir(shared).filePath(QStringLiteral("verbal-%1").arg(::geteuid()));
    QDir(own).removeRecursively();
    ASSERT_EQ(::symlink(QFile::encodeName(theirs).constData(), QFile::encodeName(own).constData()),
              0);
    ::chmod(QFile::encodeName(theirs).constData(), 0700);
    WriteFile(QDir(theirs).filePath(QStringLiteral("vbln6842.tmp")), Record(theirs));
    EXPECT_TRUE(CHelpviewView::StartDirFilePath().isEmpty());
    {
        auto view = StartView(mine, doc);
        EXPECT_EQ(view->StartDir(), mine);
    }
    ::unlink(QFile::encodeName(own).constData());
    QDir().mkpath(own);
    ::chmod(QFile::encodeName(own).constData(), 0777);
    WriteFile(QDir(own).filePath(QStringLiteral("vbln6842.tmp")), Record(theirs));
    EXPECT_TRUE(CHelpviewView::StartDirFilePath().isEmpty());
    auto view = StartView(mine, doc);
    EXPECT_EQ(view->StartDir(), mine);
}

// Even in the private folder, a FIFO or a link in place of the file is left
// alone: the browser starts at once, reads and writes nothing through it.
TEST_F(Helpview, FifoOrLinkInPlaceOfTheSharedFileIsLeftAlone) {
    const QString mine = MakeDir(QStringLiteral("moi"));
    const QString victim = QDir(MakeDir(QStringLiteral("victime"))).filePath(QStringLiteral("notes"));
    WriteFile(victim, "precieux");
    CHelpviewDoc doc;
    ASSERT_EQ(::mkfifo(QFile::encodeName(StartFile()).constData(), 0600), 0);
    {
        auto view = StartView(mine, doc);
        EXPECT_EQ(view->StartDir(), mine);
    }
    struct stat st;
    ASSERT_EQ(::lstat(QFile::encodeName(StartFile()).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "not ours to remove";
    ::unlink(QFile::encodeName(StartFile()).constData());

    ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(),
                        QFile::encodeName(StartFile()).constData()),
              0);
    {
        auto view = StartView(mine, doc);
        EXPECT_EQ(view->StartDir(), mine);
    }
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("precieux"));
    ASSERT_EQ(::lstat(QFile::encodeName(StartFile()).constData(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST_F(Helpview, NoTemporaryDirectoryMeansOwnDirectory) {
    const QString mine = MakeDir(QStringLiteral("moi"));
    qputenv("TMPDIR", QFile::encodeName(QDir(m_strTmp).filePath(QStringLiteral("absent"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(QDir(m_strTmp).filePath(QStringLiteral("absent"))));
    CHelpviewDoc doc;
    auto view = StartView(mine, doc);
    EXPECT_EQ(view->StartDir(), mine);
}

TEST_F(Helpview, StartsOnTheInformationPageWithoutArgument) {
    const QString install = MakeDir(QStringLiteral("install"));
    WritePage(install, QStringLiteral("defaut.htm"));
    QDir::setCurrent(install);
    CHelpviewApp app;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("helpview")}));
    CMainFrame* frame = app.MainFrame();
    EXPECT_EQ(Shown(*frame->View()), QDir(install).filePath(QStringLiteral("defaut.htm")));
    EXPECT_EQ(frame->windowTitle(), kTitle);
    EXPECT_EQ(frame->menuWidget(), nullptr);
    EXPECT_EQ(frame->size(), QSize(700, 550));

    // The toolbar, in its order; 0 stands for a separator.
    QList<int> ids;
    for (QAction* action : frame->ToolBar()->actions()) {
        ids.append(action->isSeparator() ? 0 : action->data().toInt());
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << ids.back();
        }
    }
    EXPECT_EQ(ids, (QList<int>{ID_NAV_HELP, ID_NAV_SITE, ID_NAV_OTHER, 0, ID_NAV_BACK,
                               ID_NAV_STOP, ID_NAV_FORWARD, 0, ID_NAV_REFRESH, ID_NAV_INFO,
                               ID_FILE_CLOSE}));
    EXPECT_EQ(frame->ToolBar()->iconSize(), QSize(64, 64));
    EXPECT_EQ(frame->Action(ID_NAV_SITE)->toolTip(),
              QStringLiteral("Connexion vers: la page du site (enligne.htm)"));
}

TEST_F(Helpview, StartsOnTheFileOfTheCommandLine) {
    const QString install = MakeDir(QStringLiteral("install"));
    WritePage(install, QStringLiteral("defaut.htm"));
    const QString page = WritePage(install, QStringLiteral("aide.htm"));
    QDir::setCurrent(MakeDir(QStringLiteral("ailleurs")));
    {
        CHelpviewApp app;
        ASSERT_TRUE(app.InitInstance({QStringLiteral("helpview"), page}));
        EXPECT_EQ(Shown(*app.MainFrame()->View()), page);
        EXPECT_EQ(app.MainFrame()->windowTitle(), kTitle);
    }
    // A relative name is taken from the current directory.
    QDir::setCurrent(install);
    CHelpviewApp app;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("helpview"), QStringLiteral("aide.htm")}));
    EXPECT_EQ(Shown(*app.MainFrame()->View()), page);
}

TEST_F(Helpview, MissingFileOnTheCommandLineEndsWithAMessage) {
    QDir::setCurrent(MakeDir(QStringLiteral("install")));
    CHelpviewApp app;
    QStringList messages;
    app.m_fnShowError = [&](const QString& text) { messages.append(text); };
    EXPECT_FALSE(app.InitInstance({QStringLiteral("helpview"), QStringLiteral("/nulle/part.htm")}));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("Impossible d'ouvrir le fichier « /nulle/part.htm »."));
    EXPECT_EQ(app.MainFrame(), nullptr);
    EXPECT_FALSE(QFile::exists(StartFile())) << "a browser that never opened leaves nothing";
}

// The real error box, driven as a user meets it: a FIFO whose name is
// markup must neither freeze the browser nor be drawn as rich text.
TEST_F(Helpview, TheErrorBoxShowsAHostileNameAsPlainFrenchText) {
    const QString dir = MakeDir(QStringLiteral("install"));
    const QString fifo =
        QDir(dir).filePath(QStringLiteral("<img src=\"zero\" width=30000><b>aide.htm"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString text;
    QString title;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        text = box->text();
        title = box->windowTitle();
        format = box->textFormat();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    CHelpviewApp app;
    EXPECT_FALSE(app.InitInstance({QStringLiteral("helpview"), fifo}));
    EXPECT_EQ(text, QStringLiteral("Impossible d'ouvrir le fichier « %1 ».").arg(fifo));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(title, QStringLiteral("helpview"));
    EXPECT_EQ(app.MainFrame(), nullptr);
}

TEST_F(Helpview, BackAndForwardOverTwoLocalPages) {
    const QString dir = MakeDir(QStringLiteral("install"));
    WritePage(dir, QStringLiteral("defaut.htm"),
              QStringLiteral("<a href=\"suite.htm#fin\">suite</a>"));
    const QString next = WritePage(dir, QStringLiteral("suite.htm"),
                                   QStringLiteral("<a name=\"fin\"></a>"));
    CHelpviewDoc doc;
    auto view = StartView(dir, doc);
    const QString start = Shown(*view);
    view->OnNavBack();
    EXPECT_EQ(Shown(*view), start) << "no history: nothing happens";

    emit view->anchorClicked(QUrl(QStringLiteral("suite.htm#fin")));
    EXPECT_EQ(Shown(*view), next);
    EXPECT_EQ(view->source().fragment(), QStringLiteral("fin"));
    view->OnNavBack();
    EXPECT_EQ(Shown(*view), start);
    EXPECT_TRUE(view->toPlainText().startsWith(QStringLiteral("defaut.htm")));
    view->OnNavForward();
    EXPECT_EQ(Shown(*view), next);
    view->OnNavForward();
    EXPECT_EQ(Shown(*view), next);
    EXPECT_EQ(doc.GetTitle(), kTitle) << "the pages' own titles never show";
}

TEST_F(Helpview, RefreshShowsTheFileAsItIsNow) {
    const QString dir = MakeDir(QStringLiteral("install"));
    WritePage(dir, QStringLiteral("defaut.htm"));
    CHelpviewDoc doc;
    auto view = StartView(dir, doc);
    WritePage(dir, QStringLiteral("defaut.htm"), QStringLiteral("<p>changée</p>"));
    view->OnNavStop();
    EXPECT_FALSE(view->toPlainText().contains(QStringLiteral("changée")));
    view->OnNavRefresh();
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("changée")));
}

TEST_F(Helpview, WebAddressesGoToTheDesktopBrowser) {
    const QString dir = MakeDir(QStringLiteral("install"));
    WritePage(dir, QStringLiteral("defaut.htm"),
              QStringLiteral("<a href=\"https://exemple.fr/site/\">site</a>"));
    CHelpviewDoc doc;
    auto view = StartView(dir, doc);
    const QString start = Shown(*view);
    auto& opened = UrlRecorder::Instance().urls;

    emit view->anchorClicked(QUrl(QStringLiteral("https://exemple.fr/site/")));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://exemple.fr/site/")));
    EXPECT_EQ(Shown(*view), start);
    EXPECT_TRUE(m_strStatus.contains(QStringLiteral("navigateur du bureau"))) << qPrintable(m_strStatus);

    view->Navigate2(QStringLiteral("HTTP://exemple.fr/page"));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[1].host(), QStringLiteral("exemple.fr"));

    view->Navigate2(QStringLiteral("http://"));
    EXPECT_EQ(opened.size(), 2) << "an address without a site opens nothing";
    EXPECT_EQ(m_strStatus, QStringLiteral("Adresse internet incomplète : http://"));
    EXPECT_EQ(Shown(*view), start);

    // A local file typed as a file: address stays here.
    const QString other = WritePage(dir, QStringLiteral("autre.htm"));
    view->Navigate2(QUrl::fromLocalFile(other).toString());
    EXPECT_EQ(Shown(*view), other);
    EXPECT_EQ(opened.size(), 2);
}

QStringList g_consoleMessages;

// With no browser on the desktop, the status bar says so and the console
// stays quiet.
TEST_F(Helpview, NoDesktopBrowserIsToldInTheStatusBarOnly) {
    const QString dir = MakeDir(QStringLiteral("install"));
    WritePage(dir, QStringLiteral("defaut.htm"));
    CHelpviewDoc doc;
    auto view = StartView(dir, doc);

    // No program to hand addresses to: an empty PATH and no browser named.
    const QByteArray path = qgetenv("PATH");
    const QByteArray browser = qgetenv("BROWSER");
    const QByteArray defaultBrowser = qgetenv("DEFAULT_BROWSER");
    qputenv("PATH", QFile::encodeName(dir));
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
    g_consoleMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) {
            g_consoleMessages.append(text);
        });
    // A scheme that no test handler takes reaches the desktop's services.
    emit view->anchorClicked(QUrl(QStringLiteral("gopher://exemple.fr/")));
    qInstallMessageHandler(previous);
    qputenv("PATH", path);
    if (!browser.isNull()) qputenv("BROWSER", browser);
    if (!defaultBrowser.isNull()) qputenv("DEFAULT_BROWSER", defaultBrowser);

    EXPECT_TRUE(g_consoleMessages.isEmpty()) << qPrintable(g_consoleMessages.join('\n'));
    EXPECT_EQ(m_strStatus, QStringLiteral("Aucun programme du bureau n'a pu ouvrir gopher://exemple.fr/"));
}

TEST_F(Helpview, MissingPageIsExplainedAndKeepsTheHistory) {
    const QString dir = MakeDir(QStringLiteral("install"));
    const QString start = WritePage(dir, QStringLiteral("defaut.htm"));
    CHelpviewDoc doc;
    auto view = StartView(dir, doc);
    view->OnNavHelp();
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("Page introuvable")));
    EXPECT_TRUE(view->toPlainText().contains(QDir(dir).filePath(QStringLiteral("aide.htm"))));
    view->OnNavBack();
    EXPECT_EQ(Shown(*view), start);
}

// The dialog runs modally; a timer plays the user's part.
TEST_F(Helpview, NavigateDialogProposesHttp) {
    const QString dir = MakeDir(QStringLiteral("install"));
    const QString start = WritePage(dir, QStringLiteral("defaut.htm"));
    const QString other = WritePage(dir, QStringLiteral("autre.htm"));
    CHelpviewDoc doc;
    auto view = StartView(dir, doc);

    QString proposed, caption;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<CNavigateDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        proposed = dlg->AddressEdit()->text();
        caption = dlg->windowTitle();
        dlg->accept();
    });
    view->OnNavOther();
    EXPECT_EQ(proposed, QStringLiteral("http://"));
    EXPECT_EQ(caption, QStringLiteral("Navigation vers"));
    EXPECT_TRUE(UrlRecorder::Instance().urls.isEmpty());
    EXPECT_EQ(Shown(*view), start);
    EXPECT_EQ(doc.GetTitle(), kTitle);

    // "Parcourir" puts the chosen file in the address, which OK then shows.
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<CNavigateDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        dlg->m_fnChooseFile = [&](QWidget*) { return other; };
        dlg->BrowseButton()->click();
        proposed = dlg->AddressEdit()->text();
        dlg->accept();
    });
    view->OnNavOther();
    EXPECT_EQ(proposed, other);
    EXPECT_EQ(Shown(*view), other);

    // Cancelled: nothing changes, even after typing.
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<CNavigateDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        dlg->AddressEdit()->setText(start);
        dlg->reject();
    });
    view->OnNavOther();
    EXPECT_EQ(Shown(*view), other);
}

TEST_F(Helpview, NavigateDialogFollowsItsTemplate) {
    CNavigateDlg dlg;
    const QFont font = dlg.font();
    EXPECT_EQ(dlg.size(), CNavigateDlg::DialogUnits(font, 0, 0, 249, 63).size());
    EXPECT_EQ(dlg.AddressEdit()->geometry(), CNavigateDlg::DialogUnits(font, 9, 21, 232, 14));
    for (QWidget* child : dlg.findChildren<QWidget*>()) {
        EXPECT_TRUE(QRect(QPoint(0, 0), dlg.size()).contains(child->geometry()))
            << qPrintable(child->objectName());
    }
}

// Keys reach the window only when it is active.
TEST_F(Helpview, AcceleratorsOpenAndReturnButNeverSave) {
    const QString dir = MakeDir(QStringLiteral("install"));
    const QString start = WritePage(dir, QStringLiteral("defaut.htm"));
    const QString other = WritePage(dir, QStringLiteral("autre.htm"));
    QDir::setCurrent(dir);
    CHelpviewApp app;
    app.m_fnChooseFile = [&](QWidget*) { return other; };
    ASSERT_TRUE(app.InitInstance({QStringLiteral("helpview")}));
    CMainFrame* frame = app.MainFrame();
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));

    EXPECT_FALSE(frame->Action(ID_NAV_BACK)->isEnabled());
    QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Shown(*frame->View()), other);
    EXPECT_TRUE(frame->Action(ID_NAV_BACK)->isEnabled());
    EXPECT_FALSE(frame->Action(ID_NAV_FORWARD)->isEnabled());
    const QByteArray before = [&] {
        QFile f(other);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
    QFile after(other);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);

    QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Shown(*frame->View()), start);
    EXPECT_EQ(frame->windowTitle(), kTitle);
}

TEST_F(Helpview, QuitClosesTheWindowAndDeletesTheSharedFile) {
    const QString dir = MakeDir(QStringLiteral("install"));
    WritePage(dir, QStringLiteral("defaut.htm"));
    QDir::setCurrent(dir);
    CHelpviewApp app;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("helpview")}));
    ASSERT_TRUE(QFile::exists(StartFile()));
    QPointer<CMainFrame> frame = app.MainFrame();
    frame->Action(ID_FILE_CLOSE)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull());
    EXPECT_FALSE(QFile::exists(StartFile()));
}

}  // namespace
}  // namespace helpview
