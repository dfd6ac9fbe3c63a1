#include "Installation.h"

#include <QCoreApplication>

#include "Codepage.h"

namespace verbal {

std::string InstallationDirectory() {
    return Utf8ToCp1252(QCoreApplication::applicationDirPath().toStdString());
}

RegistryRead ReadDestinationPath(std::string& dir) {
    return ReadRegistryString(RegRoot::LocalMachine, kSetupInfoKey, kDestinationPathValue, dir);
}

std::string RegistryFailureMessage(RegistryRead result) {
    switch (result) {
    case RegistryRead::NoKey:
        return W("Une entrée du registre n'a pas été trouvée . Réinstallez le programme.");
    case RegistryRead::NoValue:
        return W("Une valeur du registre n'a pas été trouvée . Réinstallez le programme.");
    case RegistryRead::Ok: break;
    }
    return std::string();
}

}  // namespace verbal
