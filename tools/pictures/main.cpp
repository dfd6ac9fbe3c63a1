// pictures: the program photographs itself, offscreen, with settings and a
// registry of its own (the build's output directory is the installation).
//
//   pictures help DIR      the pictures of the help pages: data/aide
//   pictures screens DIR   every window, for a person to look at
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <fstream>
#include <iostream>

#include "Pictures.h"
#include "VerbalineApp.h"

int main(int argc, char** argv) {
    const std::string usage =
        "Utilisation : pictures help DOSSIER    (les images de l'aide, data/aide)\n"
        "              pictures screens DOSSIER (toutes les fenêtres)\n";
    if (argc != 3 || (std::string(argv[1]) != "help" && std::string(argv[1]) != "screens")) {
        std::cerr << usage;
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never the user's own settings, registry or recent files.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    const QString registry = home.filePath(QStringLiteral("registry.ini"));
    qputenv("VERBAL_REGISTRY", QFile::encodeName(registry));
    std::ofstream(registry.toStdString())
        << "[HKEY_LOCAL_MACHINE\\Software\\Quillsoft\\VERBALINE 2000\\SetupInfo]\n"
        << "DestinationPath=" << verbal::pictures::InstallDir() << "\n";

    QApplication app(argc, argv);
    verbal::shell::CVerbalineApp::SetUpApplication(app);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    const QString dir = QString::fromLocal8Bit(argv[2]);
    if (std::string(argv[1]) == "help") {
        verbal::pictures::TakeHelpPictures(dir);
        verbal::pictures::TakeBrowserPictures(dir, QString());
    } else {
        verbal::pictures::TakeScreens(dir);
    }
    return verbal::pictures::Failed() ? 1 : 0;
}
