#include "StartRecord.h"

#include <QFile>
#include <QFileInfo>

#include "HelpviewIds.h"

namespace helpview {

QString DecodeStartRecord(const QByteArray& record) {
    if (record.size() != kStartDirSize) return QString();
    const int nul = int(record.indexOf('\0'));
    if (nul <= 0) return QString();
    const QString dir = QFile::decodeName(record.left(nul));
    const QFileInfo info(dir);
    if (!info.isAbsolute() || !info.isDir()) return QString();
    return dir;
}

}  // namespace helpview
