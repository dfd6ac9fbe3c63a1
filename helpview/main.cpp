#include <QApplication>

#include "HelpviewApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    helpview::CHelpviewApp theApp;
    if (!theApp.InitInstance(QCoreApplication::arguments())) return 1;
    return app.exec();
}
