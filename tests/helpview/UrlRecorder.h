// Stands in for the desktop's browser: every address the program hands to
// the desktop is recorded here instead of opening anything.
#pragma once

#include <QObject>
#include <QUrl>
#include <QList>

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    static UrlRecorder& Instance();
    QList<QUrl> urls;

public slots:
    void Open(const QUrl& url) { urls.append(url); }
};
