// The list of the last grid files opened or saved, most recent first, kept
// in the user's configuration (organisation "Quillsoft", application
// "Verbaline 2000", group "Recent File List", keys File1 ... File10).
#pragma once

#include <QString>
#include <QStringList>

namespace verbal::shell {

class CRecentFileList {
public:
    static constexpr int kSize = 10;

    // Reads the list kept from the last session.
    CRecentFileList();

    // Puts |path| at the top (once), drops what falls beyond the tenth entry
    // and keeps the list.
    void Add(const QString& path);
    void Remove(int index);
    const QStringList& Files() const { return m_files; }

    // The menu text of entry |index|: its number as the mnemonic, then the
    // path, shortened in the middle when it is long.
    QString MenuText(int index) const;
    QStringList MenuTexts() const;
    // A long path keeps its file name and as many of its last folders as fit
    // in |maxLength| characters: "/…/grilles/lundi.vbg".
    static QString AbbreviatePath(const QString& path, int maxLength = 40);

private:
    void Read();
    void Write() const;

    QStringList m_files;
};

}  // namespace verbal::shell
