#include <gtest/gtest.h>

#include "Codepage.h"
#include "Installation.h"
#include "Paths.h"
#include "TestFiles.h"

namespace verbal::test {
namespace {

const char* const kSetupKey = "[HKEY_LOCAL_MACHINE\\Software\\Quillsoft\\VERBALINE 2000\\SetupInfo]\n";

TEST(Installation, TheRegistryNamesTheDirectoryElseTheProgramsOwnIsUsed) {
    TempDir dir;
    WriteFile(dir / "registry.ini", std::string(kSetupKey) + "DestinationPath=/opt/Mots croisés\n");
    EnvOverride registry("VERBAL_REGISTRY", (dir / "registry.ini").string());
    std::string bytes;
    EXPECT_EQ(ReadDestinationPath(bytes), RegistryRead::Ok);
    EXPECT_EQ(bytes, "/opt/Mots croisés");
    EXPECT_EQ(InstallationDirectory(), std::filesystem::path("/opt/Mots croisés"));
    // A folder whose name Windows-1252 cannot hold is still its own.
    WriteFile(dir / "registry.ini", std::string(kSetupKey) + "DestinationPath=/opt/jeux-日本\n");
    EXPECT_EQ(ReadDestinationPath(bytes), RegistryRead::Ok);
    EXPECT_EQ(bytes, "/opt/jeux-日本");
    EXPECT_EQ(InstallationDirectory(), std::filesystem::path("/opt/jeux-日本"));

    // An empty value, or no registry at all: the data lie beside the program.
    WriteFile(dir / "registry.ini", std::string(kSetupKey) + "DestinationPath=\n");
    EXPECT_EQ(InstallationDirectory(), ProgramDirectory());
    EnvOverride absent("VERBAL_REGISTRY", (dir / "absent.ini").string());
    EXPECT_EQ(InstallationDirectory(), ProgramDirectory());
}

TEST(Installation, AMissingKeyAndAMissingValueAreToldApart) {
    TempDir dir;
    EnvOverride registry("VERBAL_REGISTRY", (dir / "registry.ini").string());
    std::string bytes = "avant";
    WriteFile(dir / "registry.ini", "[HKEY_LOCAL_MACHINE\\Software\\Autre]\nDestinationPath=/x\n");
    EXPECT_EQ(ReadDestinationPath(bytes), RegistryRead::NoKey);
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(Cp1252ToUtf8(RegistryFailureMessage(RegistryRead::NoKey)),
              "Une entrée du registre n'a pas été trouvée. Réinstallez le programme.");

    WriteFile(dir / "registry.ini", std::string(kSetupKey) + "Autre=/x\n");
    EXPECT_EQ(ReadDestinationPath(bytes), RegistryRead::NoValue);
    EXPECT_EQ(Cp1252ToUtf8(RegistryFailureMessage(RegistryRead::NoValue)),
              "Une valeur du registre n'a pas été trouvée. Réinstallez le programme.");
    EXPECT_EQ(RegistryFailureMessage(RegistryRead::Ok), "");
}

}  // namespace
}  // namespace verbal::test
