// verbal-cli as a person uses it: arguments in, text and an exit status out.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"
#include "DictWriter.h"

namespace verbal::test {
namespace {

struct Result {
    int status = 0;
    std::string out;
    std::string err;
};

Result RunCli(const std::vector<std::string>& args, const std::string& programDir = "/nowhere") {
    std::ostringstream out;
    std::ostringstream err;
    Result result;
    result.status = cli::Run(args, programDir, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

TEST(CliGenerate, PrintsTheGridItsCluesAndItsFigures) {
    const Result r = RunCli({"generate", "--size", "6", "--quality", "0", "--seed", "1", "--dict",
                          SmallDictionaryPath()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_GT(lines.size(), 8u);
    const std::vector<std::string> grid(lines.begin(), lines.begin() + 6);
    EXPECT_EQ(grid, (std::vector<std::string>{"LIGNER", "ADRET#", "TEE#AH", "#ECSTA", "AL#A#B",
                                              "B#VIA#"}));
    EXPECT_EQ(lines[6], "Horizontalement");
    EXPECT_EQ(lines[7], "  Ligne 1, mot 1 (LIGNER) : « ligner »");
    EXPECT_NE(r.out.find("Verticalement\n  Colonne 1, mot 1 (LAT) : « lat »\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("Colonne 1, mot 2 (AB) :"), std::string::npos);
    EXPECT_NE(lines.back().find(" ms, 28460 tests de colonnes, 6 lignes remplies, 7 cases noires"),
              std::string::npos);
    EXPECT_EQ(r.out.find("ATTENTION"), std::string::npos);
}

TEST(CliGenerate, RefusesBadArgumentsInFrench) {
    EXPECT_EQ(RunCli({"generate", "--size", "7"}).status, 2);
    EXPECT_NE(RunCli({"generate", "--size", "7"}).err.find("Taille invalide"), std::string::npos);
    EXPECT_NE(RunCli({"generate", "--size", "22"}).err.find("Taille invalide"), std::string::npos);
    EXPECT_NE(RunCli({"generate", "--quality", "4"}).err.find("Qualité invalide"), std::string::npos);
    EXPECT_NE(RunCli({"generate", "--seed", "-1"}).err.find("Graine invalide"), std::string::npos);
    EXPECT_NE(RunCli({"generate", "--size"}).err.find("sans valeur"), std::string::npos);
    EXPECT_NE(RunCli({"generate", "--taille", "6"}).err.find("Option inconnue"), std::string::npos);
    EXPECT_EQ(RunCli({"dessine"}).status, 2);
    EXPECT_EQ(RunCli({}).status, 2);
}

TEST(CliGenerate, AMissingDictionaryIsReportedWithItsMessage) {
    TempDir dir;
    // Without --dict the shipped dictionary beside the program is used.
    const Result r = RunCli({"generate", "--size", "6"}, dir.Path());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Le fichier contenant les definitions de ce dictionnaire n'existe pas"),
              std::string::npos);
    EXPECT_NE(r.err.find(dir.Path() + "/Standard.dex"), std::string::npos);

    WriteFile(dir.File("Standard.dex"), "x");
    const Result r2 = RunCli({"generate", "--size", "6"}, dir.Path());
    EXPECT_EQ(r2.status, 1);
    EXPECT_NE(r2.err.find("Erreur d'ouverture de fichier!"), std::string::npos);
    EXPECT_EQ(r2.out, "");
}

TEST(CliShow, ShowsASavedGridAndRefusesADamagedOne) {
    TempDir dir;
    const std::string path = dir.File("grille.vbg");
    const Result made = RunCli({"generate", "--size", "6", "--quality", "0", "--seed", "1",
                                "--dict", SmallDictionaryPath(), "--out", path});
    ASSERT_EQ(made.status, 0) << made.err;

    const Result shown = RunCli({"show", path});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const std::vector<std::string> lines = Lines(shown.out);
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[0], "Grille de 6 x 6, dictionnaire Petit, qualité 0 (Mauvaise)");
    EXPECT_EQ(lines[2], "......  LIGNER");
    EXPECT_EQ(lines[3], ".....#  ADRET#");
    EXPECT_EQ(lines[8], "0 cases remplies, 0 fausses, 29 à remplir");
    EXPECT_EQ(lines[9], "Horizontalement");
    // The clues come from the file, not from a dictionary.
    EXPECT_NE(shown.out.find("Ligne 1, mot 1 (LIGNER) : « ligner »"), std::string::npos);

    WriteFile(path, "pas une grille");
    const Result damaged = RunCli({"show", path});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out, "");
    EXPECT_NE(damaged.err.find("Impossible d'ouvrir la grille « " + path +
                               " » : le fichier est trop court."),
              std::string::npos);
    EXPECT_EQ(RunCli({"show"}).status, 2);
}

}  // namespace
}  // namespace verbal::test
