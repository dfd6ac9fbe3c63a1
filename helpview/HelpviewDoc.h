// The browser's document: it holds no data, only the path of the file that
// was opened (empty for the start page) and the title shown in the caption.
#pragma once

#include <QObject>
#include <QString>

namespace helpview {

class CHelpviewDoc : public QObject {
    Q_OBJECT
public:
    explicit CHelpviewDoc(QObject* parent = nullptr);

    // A new document: no file, the view shows the start page.
    void OnNewDocument();
    // Records the file as the document; false if it cannot be read.
    // Nothing is read or written: the view loads the page itself.
    bool OnOpenDocument(const QString& strPath);

    const QString& GetPathName() const { return m_strPathName; }
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& strTitle);

signals:
    void titleChanged(const QString& strTitle);

private:
    QString m_strPathName;
    QString m_strTitle;
};

}  // namespace helpview
