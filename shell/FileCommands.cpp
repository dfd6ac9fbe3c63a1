#include "FileCommands.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#include "QtText.h"
#include "MessageBox.h"
#include "Strings.h"

namespace verbal::shell {
namespace {

FileDialogHook& Hook() {
    static FileDialogHook hook;
    return hook;
}

QString Filter() { return DocFilter() + QStringLiteral(";;Tous les fichiers (*)"); }

// Where the file dialogs open: the folder of the last grid opened or saved,
// at first the user's documents.
QString& LastFolder() {
    static QString folder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    }
    return folder;
}

void Remember(const QString& path) {
    if (!path.isEmpty()) LastFolder() = QFileInfo(path).absolutePath();
}

class CFileDropFilter : public QObject {
public:
    CFileDropFilter(QObject* parent, std::function<bool(const QString&)> open)
        : QObject(parent), m_open(std::move(open)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (LocalFiles(drag->mimeData()).isEmpty()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QStringList files = LocalFiles(drop->mimeData());
            if (files.isEmpty()) return false;
            drop->acceptProposedAction();
            if (auto* window = qobject_cast<QWidget*>(watched)) window->activateWindow();
            for (const QString& file : files) m_open(file);
            return true;
        }
        default: return false;
        }
    }

private:
    static QStringList LocalFiles(const QMimeData* data) {
        QStringList files;
        if (!data) return files;
        for (const QUrl& url : data->urls())
            if (url.isLocalFile()) files.append(url.toLocalFile());
        return files;
    }

    std::function<bool(const QString&)> m_open;
};

}  // namespace

QString WithGridExtension(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + QStringLiteral(".vbg");
}

QString AskOpenGridName(QWidget* owner) {
    QString path;
    if (Hook())
        path = Hook()(owner, false, QString());
    else
        path = QFileDialog::getOpenFileName(owner, QStringLiteral("Ouvrir"), LastFolder(), Filter());
    Remember(path);
    return path;
}

QString AskSaveGridName(QWidget* owner, const QString& proposed) {
    QString path;
    if (Hook()) {
        path = Hook()(owner, true, proposed);
    } else {
        // A bare name is offered in the last folder used.
        const QString start = QFileInfo(proposed).isAbsolute()
                                  ? proposed
                                  : QDir(LastFolder()).filePath(WithGridExtension(proposed));
        QFileDialog dialog(owner, QStringLiteral("Enregistrer sous"), start, Filter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("vbg"));
        dialog.selectFile(start);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().first();
    }
    path = WithGridExtension(path);
    Remember(path);
    return path;
}

QString AskSaveFileName(QWidget* owner, const QString& title, const QString& proposed,
                        const QString& filter, const QString& suffix) {
    QString path;
    if (Hook()) {
        path = Hook()(owner, true, proposed);
    } else {
        const QString start = QDir(LastFolder()).filePath(proposed);
        QFileDialog dialog(owner, title, start,
                           filter + QStringLiteral(";;Tous les fichiers (*)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(start);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().first();
    }
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
    return path;
}

void SetFileDialogHook(FileDialogHook hook) { Hook() = std::move(hook); }

std::optional<std::string> EnginePath(QWidget*, const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

void AcceptDroppedFiles(QWidget* window, std::function<bool(const QString&)> open) {
    window->setAcceptDrops(true);
    window->installEventFilter(new CFileDropFilter(window, std::move(open)));
}

}  // namespace verbal::shell
