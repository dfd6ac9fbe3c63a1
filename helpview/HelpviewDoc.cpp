#include "HelpviewDoc.h"

#include <QFileInfo>

namespace helpview {

CHelpviewDoc::CHelpviewDoc(QObject* parent) : QObject(parent) {}

void CHelpviewDoc::OnNewDocument() {
    m_strPathName.clear();
}

bool CHelpviewDoc::OnOpenDocument(const QString& strPath) {
    QFileInfo info(strPath);
    if (!info.isFile() || !info.isReadable()) return false;
    m_strPathName = info.absoluteFilePath();
    return true;
}

void CHelpviewDoc::SetTitle(const QString& strTitle) {
    if (strTitle == m_strTitle) return;
    m_strTitle = strTitle;
    emit titleChanged(m_strTitle);
}

}  // namespace helpview
