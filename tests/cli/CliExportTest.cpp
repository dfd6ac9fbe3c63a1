// verbal-cli's PDF, SVG and ipuz files: what they hold is the page tests'
// business; here, which files a command writes, and that a refused or failed
// export writes none.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"
#include "CliExport.h"
#include "DictWriter.h"
#include "TestFiles.h"

namespace verbal::test {
namespace {

struct Result {
    int status = 0;
    std::string out;
    std::string err;
};

Result RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Result result;
    result.status = cli::Run(args, "/nowhere", out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::vector<std::string> Files(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> Generate(const std::vector<std::string>& more) {
    std::vector<std::string> args = {"generate", "--size", "6", "--quality", "0", "--seed", "1",
                                     "--dict", SmallDictionaryPath()};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliExport, NumberedNames) {
    EXPECT_EQ(cli::NumberedPath("a/grille.pdf", 3, 20), "a/grille-03.pdf");
    EXPECT_EQ(cli::NumberedPath("grille.pdf", 7, 100), "grille-007.pdf");
    EXPECT_EQ(cli::NumberedPath("grille.pdf", 1, 1), "grille.pdf");
    EXPECT_EQ(cli::NumberedPath("v1.2/grille", 2, 5), "v1.2/grille-02");
    EXPECT_EQ(cli::NumberedPath(".cache", 2, 5), ".cache-02");
}

TEST(CliExport, ASavedGridBecomesPdfSvgAndIpuz) {
    TempDir dir;
    const std::string grid = dir.File("grille.vbg");
    ASSERT_EQ(RunCli(Generate({"--out", grid})).status, 0);
    const Result r = RunCli({"export", grid, "--pdf", dir.File("g.pdf"), "--svg",
                             dir.File("g.svg"), "--ipuz", dir.File("g.ipuz"), "--solution"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("Écrit : " + dir.File("g.pdf")), std::string::npos) << r.out;
    EXPECT_EQ(Files(dir), (std::vector<std::string>{"g.ipuz", "g.pdf", "g.svg", "grille.vbg"}));
    EXPECT_EQ(ReadFile(dir / "g.pdf").compare(0, 5, "%PDF-"), 0);
    EXPECT_NE(ReadFile(dir / "g.svg").find("<svg"), std::string::npos);
    EXPECT_NE(ReadFile(dir / "g.ipuz").find("\"http://ipuz.org/v2\""), std::string::npos);
}

TEST(CliExport, ABatchGivesNumberedFilesAndOnePdf) {
    TempDir dir;
    const Result r = RunCli(Generate({"--count", "3", "--out", dir.File("g.vbg"), "--pdf",
                                      dir.File("club.pdf"), "--ipuz", dir.File("g.ipuz")}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Grille 3 sur 3 (graine 3)"), std::string::npos) << r.out;
    EXPECT_EQ(Files(dir), (std::vector<std::string>{"club.pdf", "g-01.ipuz", "g-01.vbg",
                                                    "g-02.ipuz", "g-02.vbg", "g-03.ipuz",
                                                    "g-03.vbg"}));
    // Seeds 1, 2, 3: the first grid is the one "--seed 1" alone gives.
    const Result alone = RunCli(Generate({"--out", dir.File("seul.vbg")}));
    ASSERT_EQ(alone.status, 0);
    EXPECT_EQ(ReadFile(dir / "seul.vbg"), ReadFile(dir / "g-01.vbg"));
    EXPECT_NE(ReadFile(dir / "g-02.vbg"), ReadFile(dir / "g-01.vbg"));
    EXPECT_EQ(ReadFile(dir / "club.pdf").compare(0, 5, "%PDF-"), 0);
}

TEST(CliExport, RefusalsWriteNothing) {
    TempDir dir;
    const std::string pdf = dir.File("g.pdf");
    // No such grid, an empty file, a damaged one.
    Result r = RunCli({"export", dir.File("absente.vbg"), "--pdf", pdf});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Impossible d'ouvrir la grille"), std::string::npos) << r.err;
    WriteFile(dir / "vide.vbg", "");
    r = RunCli({"export", dir.File("vide.vbg"), "--pdf", pdf, "--ipuz", dir.File("g.ipuz")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("vide.vbg"), std::string::npos) << r.err;
    WriteFile(dir / "abime.vbg", std::string(900, 'x'));
    r = RunCli({"export", dir.File("abime.vbg"), "--svg", dir.File("g.svg")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(Files(dir), (std::vector<std::string>{"abime.vbg", "vide.vbg"}));

    // Usage mistakes.
    EXPECT_EQ(RunCli({"export"}).status, 2);
    EXPECT_EQ(RunCli({"export", dir.File("abime.vbg")}).status, 2);
    EXPECT_NE(RunCli({"export", dir.File("abime.vbg")}).err.find("Rien à exporter"),
              std::string::npos);
    EXPECT_NE(RunCli({"export", dir.File("abime.vbg"), "--pdf"}).err.find("sans valeur"),
              std::string::npos);
    EXPECT_NE(RunCli({"export", "--pdf", pdf}).err.find("Quelle grille"), std::string::npos);
    EXPECT_NE(RunCli({"export", dir.File("abime.vbg"), "--png", "x"}).err.find("Option inconnue"),
              std::string::npos);
    EXPECT_NE(RunCli(Generate({"--count", "0"})).err.find("Nombre de grilles invalide"),
              std::string::npos);
    EXPECT_EQ(Files(dir), (std::vector<std::string>{"abime.vbg", "vide.vbg"}));
    // A name outside Windows-1252 is written as given, never as "?mega.pdf".
    EXPECT_EQ(RunCli(Generate({"--pdf", dir.File("Ωmega.pdf")})).status, 0);
    EXPECT_EQ(Files(dir), (std::vector<std::string>{"abime.vbg", "vide.vbg", "Ωmega.pdf"}));
}

TEST(CliExport, AFailedWriteLeavesNoHalfFile) {
    TempDir dir;
    const std::string grid = dir.File("grille.vbg");
    ASSERT_EQ(RunCli(Generate({"--out", grid})).status, 0);
    const Result r = RunCli({"export", grid, "--pdf", dir.File("absent/g.pdf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("n'a pas pu être écrit : le dossier n'existe pas"), std::string::npos)
        << r.err;
    // A folder in the way keeps its place and its contents.
    std::filesystem::create_directory(dir / "g.pdf");
    WriteFile(dir / "g.pdf" / "garder", "x");
    const Result folder = RunCli({"export", grid, "--pdf", dir.File("g.pdf")});
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(ReadFile(dir / "g.pdf" / "garder"), "x");
    EXPECT_EQ(Files(dir), (std::vector<std::string>{"g.pdf", "grille.vbg"}));
    // An old file is replaced whole.
    WriteFile(dir / "old.ipuz", "ancien");
    ASSERT_EQ(RunCli({"export", grid, "--ipuz", dir.File("old.ipuz")}).status, 0);
    EXPECT_EQ(ReadFile(dir / "old.ipuz").compare(0, 1, "{"), 0);
}

}  // namespace
}  // namespace verbal::test
