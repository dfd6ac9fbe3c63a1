// verbal-cli as a person uses it: arguments in, text and an exit status out.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"
#include "ConsoleHost.h"
#include "DictWriter.h"
#include "Limits.h"

#include <sys/stat.h>

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
    EXPECT_NE(RunCli({"generate", "--size", " 8"}).err.find("Taille invalide"), std::string::npos);
    EXPECT_NE(RunCli({"generate", "--size", "+8"}).err.find("Taille invalide"), std::string::npos);
    EXPECT_NE(RunCli({"generate", "--size", "8 "}).err.find("Taille invalide"), std::string::npos);
    // A stray word is not taken for an option without its value.
    EXPECT_NE(RunCli({"generate", "8"}).err.find("Argument inattendu : 8"), std::string::npos);
    EXPECT_NE(RunCli({"generate", "--size", "8", "grille.vbg"}).err.find("Argument inattendu"),
              std::string::npos);
    EXPECT_NE(RunCli({"generate", "--timeout", "-1"}).err.find("Délai invalide"),
              std::string::npos);
    EXPECT_NE(RunCli({"generate", "--timeout", "dix"}).err.find("Délai invalide"),
              std::string::npos);
    EXPECT_EQ(RunCli({"dessine"}).status, 2);
    EXPECT_EQ(RunCli({}).status, 2);
}

TEST(CliGenerate, AMissingDictionaryIsReportedWithItsMessage) {
    TempDir dir;
    // Without --dict the shipped dictionary beside the program is used.
    const Result r = RunCli({"generate", "--size", "6"}, dir.Path());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Le fichier contenant les définitions de ce dictionnaire n'existe pas"),
              std::string::npos);
    EXPECT_NE(r.err.find(dir.Path() + "/Standard.dex"), std::string::npos);

    WriteFile(dir.File("Standard.dex"), "x");
    const Result r2 = RunCli({"generate", "--size", "6"}, dir.Path());
    EXPECT_EQ(r2.status, 1);
    EXPECT_NE(r2.err.find("Erreur d'ouverture de fichier !"), std::string::npos);
    EXPECT_EQ(r2.out, "");
}

// The definitions file is checked before the search: a grid is never
// computed for clues that cannot be read, nor does a FIFO make it wait.
TEST(CliGenerate, DefinitionsThatCannotServeAreRefusedBeforeComputing) {
    TempDir dir;
    WriteFile(dir.File("Petit.lex"), ReadFile(SmallDictionaryPath()));
    WriteFile(dir.File("Petit.dex"), std::string(kDefinitionsSize + 1, 'x'));
    const std::vector<std::string> args = {"generate", "--size", "6", "--dict", dir.File("Petit.lex")};
    const Result big = RunCli(args);
    EXPECT_EQ(big.status, 1);
    EXPECT_EQ(big.out, "");
    EXPECT_NE(big.err.find("est trop volumineux"), std::string::npos) << big.err;

    std::remove(dir.File("Petit.dex").c_str());
    ASSERT_EQ(mkfifo(dir.File("Petit.dex").c_str(), 0600), 0);
    const Result fifo = RunCli(args);
    EXPECT_EQ(fifo.status, 1);
    EXPECT_NE(fifo.err.find("n'existe pas"), std::string::npos) << fifo.err;
}

// Files are opened and written by their own names: "Ωmega.vbg" must never
// become "?mega.vbg", another person's grid.
TEST(CliGenerate, NamesOutsideTheGridsCodePageNameTheirOwnFiles) {
    TempDir dir;
    WriteFile(dir.File("?mega.vbg"), "ne pas toucher");
    const Result made = RunCli({"generate", "--size", "6", "--quality", "0", "--seed", "1",
                                "--dict", SmallDictionaryPath(), "--out", dir.File("Ωmega.vbg")});
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(ReadFile(dir.File("?mega.vbg")), "ne pas toucher");

    WriteFile(dir.File("Москва.vbg"), ReadFile(dir.File("Ωmega.vbg")));
    WriteFile(dir.File("??????.vbg"), "pas celle-ci");
    const Result shown = RunCli({"show", dir.File("Москва.vbg")});
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(Lines(shown.out).at(0), "Grille de 6 x 6, dictionnaire Petit, qualité 0 (Mauvaise)");
    EXPECT_EQ(Lines(shown.out).at(2), "......  LIGNER");

    // A failure names the file as it was given.
    const Result missing = RunCli({"show", dir.File("Ωmicron.vbg")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Impossible d'ouvrir la grille « " + dir.File("?micron.vbg")),
              std::string::npos)
        << missing.err;
}

// An installation folder such as "jeux-日本" finds its own dictionary and
// definitions; a dictionary whose name the grid file cannot keep is refused
// before anything is computed or written.
TEST(CliGenerate, AnInstallationFolderOutsideTheCodePageFindsItsFiles) {
    TempDir dir;
    const std::string install = dir.File("jeux-日本");
    ASSERT_EQ(mkdir(install.c_str(), 0700), 0);
    WriteFile(install + "/Standard.lex", ReadFile(SmallDictionaryPath()));
    WriteFile(install + "/Standard.dex", ReadFile(SmallDefinitionsPath()));
    const Result r = RunCli({"generate", "--size", "6", "--quality", "0", "--seed", "1", "--out",
                             install + "/grille.vbg"},
                            install);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out).at(0), "LIGNER");
    EXPECT_EQ(Lines(RunCli({"show", install + "/grille.vbg"}).out).at(0),
              "Grille de 6 x 6, dictionnaire Standard, qualité 0 (Mauvaise)");

    WriteFile(install + "/Москва.lex", ReadFile(SmallDictionaryPath()));
    WriteFile(install + "/Москва.dex", ReadFile(SmallDefinitionsPath()));
    const Result named = RunCli({"generate", "--size", "6", "--dict", install + "/Москва.lex",
                                 "--out", install + "/autre.vbg"});
    EXPECT_EQ(named.status, 1);
    EXPECT_EQ(named.out, "");
    EXPECT_NE(named.err.find("Le nom de ce dictionnaire contient des caractères qu'une grille "
                             "ne sait pas enregistrer"),
              std::string::npos)
        << named.err;
    EXPECT_NE(named.err.find("(" + install + "/Москва.lex)"), std::string::npos) << named.err;
    struct stat info {};
    EXPECT_NE(stat((install + "/autre.vbg").c_str(), &info), 0);

    // Accented names of the code page are kept as they are.
    const Result accented = RunCli({"generate", "--size", "6", "--quality", "0", "--seed", "1",
                                    "--dict", SmallDictionaryPath(), "--out", dir.File("Été.vbg")});
    EXPECT_EQ(accented.status, 0) << accented.err;
    EXPECT_EQ(RunCli({"show", dir.File("Été.vbg")}).status, 0);
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

// A search that finds nothing must end: on Ctrl+C, on SIGTERM, and by
// itself once the time limit has passed.
TEST(CliGenerate, InterruptionsAndTheTimeLimitStopTheSearch) {
    std::ostringstream err;
    cli::ConsoleHost host(err);
    EXPECT_FALSE(host.CheckStop());
    host.SetTimeLimit(std::chrono::milliseconds(0));
    EXPECT_TRUE(host.CheckStop());
    EXPECT_TRUE(host.TimedOut());
    host.SetTimeLimit(std::chrono::hours(1));
    EXPECT_FALSE(host.CheckStop());
    EXPECT_FALSE(host.TimedOut());

    cli::ConsoleHost::InstallInterruptHandler();
    std::raise(SIGTERM);
    EXPECT_TRUE(host.CheckStop());
    EXPECT_FALSE(host.TimedOut());
    EXPECT_FALSE(host.CheckStop()) << "one press stops one search";

    // Pressed before the first poll: no grid, a French line, a failure.
    cli::ConsoleHost::RequestStop();
    const Result r = RunCli({"generate", "--size", "6", "--quality", "0", "--seed", "1", "--dict",
                             SmallDictionaryPath()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Calcul interrompu : aucune grille.\n");
}

// Names and clues come from files: an escape sequence in them must reach
// the terminal as text, not as a command to it.
TEST(CliShow, ControlCharactersAreShownEscaped) {
    EXPECT_EQ(cli::Printable("a\x1b[2Jb\tc\x7f"), "a\\x1B[2Jb\\x09c\\x7F");
    EXPECT_EQ(cli::Printable("\xc2\x9b" "31m"), "\\u009B31m");  // the one-byte CSI
    EXPECT_EQ(cli::Printable("Été « œ » €"), "Été « œ » €");

    TempDir dir;
    const std::string path = dir.File("a\x1b]0;titre\x07.vbg");
    WriteFile(path, "court");
    const Result r = RunCli({"show", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("a\\x1B]0;titre\\x07.vbg"), std::string::npos) << r.err;
}

// A stream that takes no byte, as standard output on a full disk.
class FullDisk : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CliShow, AnOutputThatCannotBeWrittenIsAFailure) {
    TempDir dir;
    const std::string path = dir.File("grille.vbg");
    ASSERT_EQ(RunCli({"generate", "--size", "6", "--quality", "0", "--seed", "1", "--dict",
                      SmallDictionaryPath(), "--out", path})
                  .status,
              0);
    FullDisk full;
    std::ostream out(&full);
    std::ostringstream err;
    EXPECT_EQ(cli::Run({"show", path}, "/nowhere", out, err), 1);
    EXPECT_NE(err.str().find("Erreur d'écriture sur la sortie standard"), std::string::npos);
    std::ostream help(&full);
    EXPECT_EQ(cli::Run({"--help"}, "/nowhere", help, err), 1);
}

}  // namespace
}  // namespace verbal::test
