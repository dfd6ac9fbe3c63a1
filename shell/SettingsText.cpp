#include "SettingsText.h"

#include <QFileDialog>
#include <QFileInfo>

#include "QtText.h"
#include "MessageBox.h"
#include "SettingsFile.h"

namespace verbal::shell {

bool ToSettingsPath(QWidget* owner, const QString& path, std::string& bytes) {
    const std::optional<std::string> converted = ExactBytes(path);
    QString problem;
    if (!converted)
        problem = QStringLiteral("Le chemin « %1 » contient des caractères que Verbaline ne sait "
                                 "pas conserver. Choisissez un fichier dont le chemin n'en "
                                 "contient pas.")
                      .arg(path);
    else if (converted->size() > kSettingsTextSize)
        problem = QStringLiteral("Le chemin « %1 » est trop long : Verbaline ne conserve que les "
                                 "chemins de %2 caractères au plus. Choisissez un fichier dont le "
                                 "chemin est plus court.")
                      .arg(path, QString::number(kSettingsTextSize));
    if (!problem.isEmpty()) {
        ShowMessageBox(owner, problem, QString(), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    bytes = *converted;
    return true;
}

QString SystemOpenFileName(QWidget* owner, const QString& title, const QString& dir,
                           const QString& filter) {
    return QFileDialog::getOpenFileName(owner, title, dir, filter);
}

QString BrowserFileFilter() { return QStringLiteral("Exécutables (*)"); }

bool CheckProgramFile(QWidget* owner, const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && info.isExecutable()) return true;
    ShowMessageBox(owner,
                   QStringLiteral("Le fichier « %1 » n'est pas un programme. Choisissez le "
                                  "programme du navigateur html.")
                       .arg(path),
                   QString(), MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}

}  // namespace verbal::shell
