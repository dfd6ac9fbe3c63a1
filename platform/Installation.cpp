#include "Installation.h"

#include "Codepage.h"
#include "Paths.h"

namespace verbal {

RegistryRead ReadDestinationPath(std::string& dir) {
    return ReadRegistryPath(RegRoot::LocalMachine, kSetupInfoKey, kDestinationPathValue, dir);
}

std::string RegistryFailureMessage(RegistryRead result) {
    switch (result) {
    case RegistryRead::NoKey:
        return W("Une entrée du registre n'a pas été trouvée. Réinstallez le programme.");
    case RegistryRead::NoValue:
        return W("Une valeur du registre n'a pas été trouvée. Réinstallez le programme.");
    case RegistryRead::Ok: break;
    }
    return std::string();
}

std::filesystem::path InstallationDirectory() {
    std::string destination;
    if (ReadDestinationPath(destination) == RegistryRead::Ok && !destination.empty())
        return destination;
    return ProgramDirectory();
}

}  // namespace verbal
