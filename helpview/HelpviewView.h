// The browser's view: a QTextBrowser that shows local pages, hands web
// addresses to the desktop's browser, and shares its start directory with
// every other running browser of the same user through a small file in a
// folder only that user can write into.
#pragma once

#include <QString>
#include <QTextBrowser>
#include <QUrl>

#include "HelpviewIds.h"

namespace helpview {

class CHelpviewDoc;

class CHelpviewView : public QTextBrowser {
    Q_OBJECT
public:
    // Reads the current directory and the shared start directory at once,
    // before the first page is shown.
    explicit CHelpviewView(CHelpviewDoc* pDoc, QWidget* parent = nullptr);
    // Deletes the shared file: the next browser records its own directory.
    ~CHelpviewView() override;

    CHelpviewDoc* GetDocument() const { return m_pDocument; }

    // Shows the document's file, or the information page for a new document.
    void OnInitialUpdate();

    void OnNavBack();
    void OnNavForward();
    void OnNavHelp();
    void OnNavSite();
    void OnNavOther();
    void OnNavStop();
    void OnNavRefresh();
    void OnNavInfo();

    // Goes to an address as typed: a local file (path or file: URL) is shown
    // here, a web address is handed to the desktop's browser.
    void Navigate2(const QString& strAddress);

    // The directory whose pages the browser shows.
    const QString& StartDir() const { return m_strStartDir; }
    // The full path of the file that records the start directory: in
    // $XDG_RUNTIME_DIR, else in a 0700 folder of the user's own in the
    // temporary directory. Empty when no such folder is to be had.
    static QString StartDirFilePath();

    // The length of the current directory as it was read (in bytes); more
    // than 99 means it could not be recorded in the shared file.
    int m_nStartDirLength = 0;
    // What the shared file holds: the directory, a NUL, then blanks.
    char m_szStartDir[kStartDirSize];

signals:
    // A message for the status bar of the frame.
    void statusMessage(const QString& strText);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void SetBrowserTitle();
    void ReadStartDir();
    void ShowLocal(const QUrl& url);
    void OpenOutside(const QUrl& url);
    void OnAnchorClicked(const QUrl& link);
    QString StartPage(const char* pszName) const;

    CHelpviewDoc* m_pDocument;
    QString m_strStartDir;
};

}  // namespace helpview
