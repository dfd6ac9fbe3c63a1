#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>

#include "UrlRecorder.h"

UrlRecorder& UrlRecorder::Instance() {
    static UrlRecorder recorder;
    return recorder;
}

int main(int argc, char** argv) {
    // Offscreen, and never the real temporary directory, even when run by
    // hand rather than through ctest.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TMPDIR", HELPVIEW_TEST_TMP);
    QApplication app(argc, argv);
    for (const char* scheme : {"http", "https", "mailto", "ftp"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &UrlRecorder::Instance(),
                                        "Open");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
