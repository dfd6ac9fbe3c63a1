#include "RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>

#include "ChildFrame.h"
#include "MainFrame.h"
#include "Strings.h"

namespace verbal::shell {
namespace {

const char* const kGroup = "Recent File List";

QSettings Profile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quillsoft"),
                     AppTitle());
}

}  // namespace

CRecentFileList::CRecentFileList() { Read(); }

void CRecentFileList::Read() {
    QSettings settings = Profile();
    settings.beginGroup(QString::fromLatin1(kGroup));
    m_files.clear();
    for (int i = 1; i <= kSize; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty() && !m_files.contains(file)) m_files.append(file);
    }
}

void CRecentFileList::Write() const {
    QSettings settings = Profile();
    settings.beginGroup(QString::fromLatin1(kGroup));
    for (int i = 1; i <= kSize; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_files.size())
            settings.setValue(key, m_files[i - 1]);
        else
            settings.remove(key);
    }
}

void CRecentFileList::Add(const QString& path) {
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > kSize) m_files.removeLast();
    Write();
}

void CRecentFileList::Remove(int index) {
    if (index < 0 || index >= m_files.size()) return;
    m_files.removeAt(index);
    Write();
}

QString CRecentFileList::AbbreviatePath(const QString& path, int maxLength) {
    const QString native = QDir::toNativeSeparators(path);
    if (native.size() <= maxLength) return native;
    const QChar sep = QDir::separator();
    const QStringList parts = native.split(sep);
    QString tail = parts.last();
    for (int i = parts.size() - 2; i > 0; --i) {
        const QString longer = parts[i] + sep + tail;
        if (longer.size() + 3 > maxLength) break;
        tail = longer;
    }
    return QString(sep) + QStringLiteral("…") + sep + tail;
}

QString CRecentFileList::MenuText(int index) const {
    if (index < 0 || index >= m_files.size()) return {};
    QString name = AbbreviatePath(m_files[index]);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    // 1 to 9 take their digit as the mnemonic, the tenth its 0.
    const QString number = index < 9 ? QStringLiteral("&%1").arg(index + 1) : QStringLiteral("1&0");
    return number + QLatin1Char(' ') + name;
}

// --- the recent-file entries of the "Fichier" menus --------------------------

QStringList CRecentFileList::MenuTexts() const {
    QStringList texts;
    for (int i = 0; i < m_files.size(); ++i) texts.append(MenuText(i));
    return texts;
}

void CMainFrame::SetRecentFileSource(std::function<QStringList()> menuTexts) {
    m_fnRecentFiles = std::move(menuTexts);
    UpdateRecentFileMenus();
}

void CMainFrame::AddRecentFileActions(QMenu* menu) {
    QList<QAction*>& entries = m_recentActions[menu];
    for (int id = ID_FILE_MRU_FILE1 + 1; id < ID_FILE_MRU_FILE1 + CRecentFileList::kSize; ++id)
        entries.append(MakeAction(QString(), id));
}

void CMainFrame::UpdateRecentFileMenus() {
    const QStringList texts = m_fnRecentFiles ? m_fnRecentFiles() : QStringList();
    for (QMenu* menu : m_mainMenus + m_gridMenus) {
        // The entries stand where the placeholder "Fichier récent" is.
        QAction* first = nullptr;
        for (QAction* action : menu->actions())
            if (action->data().toInt() == ID_FILE_MRU_FILE1) first = action;
        if (!first) continue;
        for (QAction* action : menu->actions()) {
            const int id = action->data().toInt();
            if (id > ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST) menu->removeAction(action);
        }
        if (texts.isEmpty()) {
            first->setText(QStringLiteral("Fichier récent"));
            continue;
        }
        first->setText(texts[0]);
        const QList<QAction*> actions = menu->actions();
        const int at = actions.indexOf(first);
        QAction* before = at + 1 < actions.size() ? actions[at + 1] : nullptr;
        const QList<QAction*> entries = m_recentActions.value(menu);
        for (int i = 1; i < texts.size() && i - 1 < entries.size(); ++i) {
            entries[i - 1]->setText(texts[i]);
            menu->insertAction(before, entries[i - 1]);
        }
    }
    UpdateCommandUI();
}

}  // namespace verbal::shell
