#include "HelpviewView.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "HelpviewDoc.h"
#include "NavigateDlg.h"
#include "StartRecord.h"

namespace helpview {

namespace {

// A folder only this user can write into: the file in it cannot be planted,
// swapped for a FIFO or a link by someone else.
bool IsPrivateFolder(const QByteArray& path, bool bFollow) {
    struct stat st;
    if ((bFollow ? ::stat(path.constData(), &st) : ::lstat(path.constData(), &st)) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

// The per-user folder of the shared file: the session's runtime folder, or
// else one made for this user in the temporary directory. Empty when none
// is private: the browser then shares nothing.
QByteArray SharedFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/')) return IsPrivateFolder(runtime, true) ? runtime : QByteArray();
    const QByteArray folder =
        QFile::encodeName(QDir(QDir::tempPath())
                              .filePath(QStringLiteral("verbal-%1").arg(uint(::geteuid()))));
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) return QByteArray();
    return IsPrivateFolder(folder, false) ? folder : QByteArray();
}

// Opens the shared file without following a link nor waiting on a FIFO, and
// keeps it only if it is a regular file of this user. -1 otherwise (errno
// ENOENT when there is no file at all).
int OpenShared(const QByteArray& path, int flags) {
    const int fd = ::open(path.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        ::close(fd);
        errno = EPERM;
        return -1;
    }
    return fd;
}

QByteArray ReadAll(int fd, int nMax) {
    QByteArray data(nMax, '\0');
    int nRead = 0;
    while (nRead < nMax) {
        const ssize_t n = ::read(fd, data.data() + nRead, size_t(nMax - nRead));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        nRead += int(n);
    }
    data.truncate(nRead);
    return data;
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

}  // namespace

CHelpviewView::CHelpviewView(CHelpviewDoc* pDoc, QWidget* parent)
    : QTextBrowser(parent), m_pDocument(pDoc) {
    // Links are followed here so that a web address leaves for the desktop's
    // browser instead of being loaded as if it were a local file.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    document()->setDocumentMargin(12);
    connect(this, &QTextBrowser::anchorClicked, this, &CHelpviewView::OnAnchorClicked);
    connect(this, QOverload<const QUrl&>::of(&QTextBrowser::highlighted), this,
            [this](const QUrl& link) {
                emit statusMessage(link.isEmpty() ? QString()
                                                  : source().resolved(link).toDisplayString());
            });
    ReadStartDir();
}

CHelpviewView::~CHelpviewView() {
    const QString path = StartDirFilePath();
    if (path.isEmpty()) return;
    // Only a file of ours: never a link or a file someone else left there.
    const QByteArray encoded = QFile::encodeName(path);
    struct stat st;
    if (::lstat(encoded.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
        st.st_uid == ::geteuid())
        ::unlink(encoded.constData());
}

QString CHelpviewView::StartDirFilePath() {
    const QByteArray folder = SharedFolder();
    if (folder.isEmpty()) return QString();
    return QDir(QFile::decodeName(folder)).filePath(QString::fromLatin1(kStartDirFileName));
}

// The first browser to start records its directory; every browser started
// while it runs shows the pages of that directory.
void CHelpviewView::ReadStartDir() {
    const QString current = QDir::currentPath();
    const QByteArray encoded = QFile::encodeName(current);
    m_nStartDirLength = int(encoded.size());
    m_strStartDir = current;
    std::memset(m_szStartDir, ' ', sizeof m_szStartDir);
    // A directory that does not fit with its NUL is not recorded at all: a
    // cut path would send every other browser to a wrong directory. This
    // browser still shows the pages of its own, full directory.
    const bool bFits = encoded.size() < kStartDirSize;
    if (bFits) {
        std::memcpy(m_szStartDir, encoded.constData(), size_t(encoded.size()));
        m_szStartDir[encoded.size()] = '\0';
    }

    const QString path = StartDirFilePath();
    if (path.isEmpty()) return;
    const QByteArray sharedPath = QFile::encodeName(path);
    // Two tries: another browser may create the file between our read and
    // our write, and then its record wins.
    for (int attempt = 0; attempt < 2; ++attempt) {
        int fd = OpenShared(sharedPath, O_RDWR);
        if (fd >= 0) {
            const QByteArray record = ReadAll(fd, kStartDirSize + 1);
            const QString dir = DecodeStartRecord(record);
            if (!dir.isEmpty()) {
                ::close(fd);
                std::memcpy(m_szStartDir, record.constData(), sizeof m_szStartDir);
                m_strStartDir = dir;
                return;
            }
            // A record that names no folder: ours replaces it.
            if (bFits && ::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0)
                WriteAll(fd, m_szStartDir, sizeof m_szStartDir);
            ::close(fd);
            return;
        }
        // A FIFO, a link or a file of someone else: left alone, not shared.
        if (errno != ENOENT || !bFits) return;
        fd = OpenShared(sharedPath, O_WRONLY | O_CREAT | O_EXCL);
        if (fd >= 0) {
            WriteAll(fd, m_szStartDir, sizeof m_szStartDir);
            ::close(fd);
            return;
        }
        // Cannot be created (no right to write): go on with our own
        // directory, unless another browser has just made it.
        if (errno != EEXIST) return;
    }
}

QString CHelpviewView::StartPage(const char* pszName) const {
    return QDir(m_strStartDir).filePath(QString::fromLatin1(pszName));
}

void CHelpviewView::SetBrowserTitle() {
    if (m_pDocument) m_pDocument->SetTitle(QString::fromUtf8(kBrowserTitle));
}

void CHelpviewView::OnInitialUpdate() {
    SetBrowserTitle();
    const QString path = m_pDocument ? m_pDocument->GetPathName() : QString();
    Navigate2(path.isEmpty() ? StartPage("defaut.htm") : path);
}

void CHelpviewView::OnNavBack() {
    SetBrowserTitle();
    backward();
}

void CHelpviewView::OnNavForward() {
    SetBrowserTitle();
    forward();
}

void CHelpviewView::OnNavHelp() {
    SetBrowserTitle();
    Navigate2(StartPage("aide.htm"));
}

void CHelpviewView::OnNavSite() {
    SetBrowserTitle();
    Navigate2(StartPage("enligne.htm"));
}

void CHelpviewView::OnNavOther() {
    CNavigateDlg dlg(this);
    dlg.m_strAddress = QStringLiteral("http://");
    const bool bOk = dlg.exec() == QDialog::Accepted;
    SetBrowserTitle();
    if (bOk) Navigate2(dlg.m_strAddress);
}

void CHelpviewView::OnNavStop() {
    // Local pages load at once: there is never a load left to stop.
    SetBrowserTitle();
}

void CHelpviewView::OnNavRefresh() {
    SetBrowserTitle();
    reload();
}

void CHelpviewView::OnNavInfo() {
    SetBrowserTitle();
    Navigate2(StartPage("defaut.htm"));
}

void CHelpviewView::Navigate2(const QString& strAddress) {
    const QString address = strAddress.trimmed();
    if (address.isEmpty()) {
        emit statusMessage(QStringLiteral("Aucune adresse saisie."));
        return;
    }
    // Two letters at least, so that nothing that looks like a drive letter
    // is taken for a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(address).hasMatch()) {
        const QUrl url(address);
        if (url.isLocalFile())
            ShowLocal(url);
        else
            OpenOutside(url);
        return;
    }
    ShowLocal(QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath()));
}

void CHelpviewView::ShowLocal(const QUrl& url) {
    setSource(url);
    emit statusMessage(QString());
}

namespace {

QtMessageHandler g_previousHandler = nullptr;

// While the desktop is asked to open an address, Qt's warnings (such as
// "Unable to detect a web browser") stay off the console: the status bar
// tells the user what became of the address.
void WithoutWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg || type == QtDebugMsg || type == QtInfoMsg) return;
    g_previousHandler(type, context, text);
}

bool OpenOnTheDesktop(const QUrl& url) {
    g_previousHandler = qInstallMessageHandler(WithoutWarnings);
    const bool opened = QDesktopServices::openUrl(url);
    qInstallMessageHandler(g_previousHandler);
    return opened;
}

}  // namespace

// Pages of the web are not shown half-rendered here: the desktop's own
// browser gets them.
void CHelpviewView::OpenOutside(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
        url.host().isEmpty()) {
        emit statusMessage(QStringLiteral("Adresse internet incomplète : %1")
                               .arg(url.toDisplayString()));
        return;
    }
    if (OpenOnTheDesktop(url))
        emit statusMessage(QStringLiteral("Adresse confiée au navigateur du bureau : %1")
                               .arg(url.toDisplayString()));
    else
        emit statusMessage(QStringLiteral("Aucun programme du bureau n'a pu ouvrir %1")
                               .arg(url.toDisplayString()));
}

void CHelpviewView::OnAnchorClicked(const QUrl& link) {
    const QUrl target = source().isEmpty() ? link : source().resolved(link);
    if (target.isLocalFile() || target.scheme().isEmpty())
        ShowLocal(target);
    else
        OpenOutside(target);
}

// A page that cannot be read gets a short explanation instead of an empty
// window; it stays in the history like any page, so "Page Précédente" works.
QVariant CHelpviewView::loadResource(int type, const QUrl& name) {
    QVariant data = QTextBrowser::loadResource(type, name);
    if (data.isValid() || type == QTextDocument::ImageResource ||
        type == QTextDocument::StyleSheetResource)
        return data;
    const QString file = name.isLocalFile() ? name.toLocalFile() : name.toDisplayString();
    return QStringLiteral(
               "<html><head><meta charset=\"utf-8\"><title>Page introuvable</title></head>"
               "<body><h2>Page introuvable</h2>"
               "<p>Le fichier <b>%1</b> n'existe pas ou ne peut pas être lu.</p>"
               "<p>S'il fait partie de Verbaline 2000, réinstallez le programme.</p>"
               "</body></html>")
        .arg(file.toHtmlEscaped());
}

}  // namespace helpview
