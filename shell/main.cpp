// verbal: the crossword window.
#include <QApplication>

#include "VerbalineApp.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    verbal::shell::CVerbalineApp::SetUpApplication(app);
    verbal::shell::CVerbalineApp verbal;
    if (!verbal.InitInstance(app.arguments().mid(1))) return 1;
    return app.exec();
}
