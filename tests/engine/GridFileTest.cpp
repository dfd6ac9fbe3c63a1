// Grid files: the exact bytes, round trips, and damaged files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "Archive.h"
#include "Codepage.h"
#include "DictWriter.h"
#include "FileIo.h"
#include "Documents.h"
#include "FakeHost.h"
#include "GridText.h"
#include "Scramble.h"
#include "VerbalineDoc.h"

namespace verbal::test {
namespace {

constexpr unsigned char kOffset = kScrambleOffset;

// A square of letters and black squares.
std::vector<std::string> Rows(int size) {
    std::vector<std::string> rows;
    for (int r = 0; r < size; ++r) {
        std::string row;
        for (int c = 0; c < size; ++c)
            row += (r + 2 * c) % 5 == 0 ? '#' : static_cast<char>('A' + (r * size + c) % 26);
        rows.push_back(row);
    }
    return rows;
}

// A few player letters, one of them wrong, and clues, at a moved place.
void Played(CGrid& grid) {
    const int size = grid.GridSize();
    grid.m_aPlayer[0][1] = grid.m_aSolution[1][1];
    // A wrong letter in the last white cell.
    for (int c = size - 1; c >= 0; --c)
        if (grid.m_aSolution[size][c] != ' ') {
            grid.m_aPlayer[size - 1][c] = grid.m_aSolution[size][c] == 'Q' ? 'R' : 'Q';
            break;
        }
    grid.m_astrClues[0][0] = W("Clé du premier mot");
    grid.m_astrClues[0][1] = "";
    grid.m_astrClues[39][9] = "Dernier";
    grid.m_ptGridOrigin = CPoint{123, -45};
    grid.m_strDictName = "Standard";
    grid.m_nQuality = 3;
}

// A ready grid as a document holds it once opened.
std::unique_ptr<CVerbalineDoc> PlayedDocument(FakeHost* host, int size = 6) {
    auto doc = ReadyDocument(Rows(size), host, Played, size);
    if (host) host->Clear();
    return doc;
}

// Every clue of the document, across then down.
std::vector<std::string> Clues(const CVerbalineDoc& doc) {
    std::vector<std::string> clues;
    for (Direction direction : {Direction::Across, Direction::Down})
        for (int line = 1; line <= 20; ++line)
            for (int number = 1; number <= 10; ++number)
                clues.push_back(doc.Clue(direction, line, number));
    return clues;
}

std::string Bytes(const std::vector<char>& v) { return std::string(v.begin(), v.end()); }

TEST(GridFileLayout, FieldsFollowEachOtherByteForByte) {
    std::unique_ptr<CGrid> doc = ReadyGrid(Rows(6), [](CGrid& grid) {
        Played(grid);
        // Only the clues the test writes.
        for (auto& line : grid.m_astrClues)
            for (auto& clue : line) clue.clear();
        grid.m_astrClues[0][0] = W("Clé du premier mot");
        grid.m_astrClues[0][1] = std::string(300, 'x');
        grid.m_astrClues[39][9] = "Dernier";
    });
    const std::string bytes = Bytes(doc->WriteGridBytes());

    // Solution and transposed copy, shifted; cells outside the grid hold the
    // offset itself.
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 20; ++c) {
            const auto at = static_cast<std::size_t>((r - 1) * 20 + (c - 1));
            EXPECT_EQ(static_cast<unsigned char>(bytes[at]),
                      static_cast<unsigned char>(doc->m_aSolution[r][c - 1] + kOffset));
            EXPECT_EQ(static_cast<unsigned char>(bytes[400 + at]),
                      static_cast<unsigned char>(doc->m_aTransposed[r][c - 1] + kOffset));
            // The player's block is not shifted: black squares stay spaces.
            EXPECT_EQ(bytes[800 + at], doc->m_aPlayer[r - 1][c - 1]);
        }
    EXPECT_EQ(static_cast<unsigned char>(bytes[399]), kOffset);
    for (int i = 0; i < 800; ++i) EXPECT_FALSE(bytes[i] >= 'A' && bytes[i] <= 'Z') << i;

    // Clue strings from offset 1200: the first one of 18 bytes, then a 300-byte
    // one with the 255, 44, 1 prefix, then 398 empty ones.
    std::size_t p = 1200;
    EXPECT_EQ(static_cast<unsigned char>(bytes[p]), 18);
    EXPECT_EQ(bytes.substr(p + 1, 18), doc->m_astrClues[0][0]);
    p += 19;
    EXPECT_EQ(bytes.substr(p, 3), std::string("\xFF\x2C\x01", 3));
    EXPECT_EQ(bytes.substr(p + 3, 300), std::string(300, 'x'));
    p += 303;
    EXPECT_EQ(bytes.substr(p, 397), std::string(397, '\0'));
    p += 397;
    EXPECT_EQ(bytes.substr(p, 8), std::string("\x07" "Dernier"));
    p += 8;
    // The size, the ready flag, the progress, the origin, the name and the
    // quality close the file.
    const std::string tail = std::string("\x05\0\0\0" "\x01\0\0\0" "\x14\0\0\0" "\x7B\0\0\0"
                                         "\xD3\xFF\xFF\xFF" "\x08" "Standard" "\x03\0\0\0",
                                         33);
    EXPECT_EQ(bytes.substr(p), tail);
}

TEST(GridFileLayout, LongStringsUseTheWideEscapes) {
    CArchiveWriter w;
    w.WriteString(std::string(254, 'a'));
    w.WriteString(std::string(255, 'b'));
    w.WriteString(std::string(65533, 'c'));
    w.WriteString(std::string(65534, 'd'));
    const std::string bytes = Bytes(w.Bytes());
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 254);
    EXPECT_EQ(bytes.substr(255, 3), std::string("\xFF\xFF\x00", 3));
    const std::size_t third = 255 + 3 + 255;
    EXPECT_EQ(bytes.substr(third, 3), std::string("\xFF\xFD\xFF", 3));
    const std::size_t fourth = third + 3 + 65533;
    EXPECT_EQ(bytes.substr(fourth, 7), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));

    CArchiveReader r(bytes.data(), bytes.size());
    EXPECT_EQ(r.ReadString().size(), 254u);
    EXPECT_EQ(r.ReadString(), std::string(255, 'b'));
    EXPECT_EQ(r.ReadString().size(), 65533u);
    EXPECT_EQ(r.ReadString(), std::string(65534, 'd'));
    EXPECT_EQ(r.Remaining(), 0u);
}

class GridFileTest : public ::testing::Test {
protected:
    FakeHost host;
    TempDir dir;
};

TEST_F(GridFileTest, SaveThenOpenKeepsEveryFieldForEverySize) {
    for (int size = 6; size <= 20; size += 2) {
        auto doc = PlayedDocument(&host, size);
        doc->ToggleSolution();
        doc->SetModifiedFlag();
        const std::string path = dir.File("grille" + std::to_string(size) + ".vbg");
        ASSERT_TRUE(doc->SaveGrid(path));
        EXPECT_FALSE(doc->ShowSolution());
        EXPECT_FALSE(doc->IsModified());

        auto opened = NewDocument(&host);
        ASSERT_TRUE(opened->OpenGrid(path)) << size;
        // Every byte of the grid, the transposed copy included, comes back.
        EXPECT_EQ(Bytes(opened->WriteGridBytes()), Bytes(doc->WriteGridBytes()));
        EXPECT_EQ(SolutionRows(*opened), SolutionRows(*doc));
        EXPECT_EQ(PlayerRows(*opened), PlayerRows(*doc));
        EXPECT_EQ(opened->CountWrongCells(), 1u);
        EXPECT_EQ(Clues(*opened), Clues(*doc));
        EXPECT_EQ(Cp1252ToUtf8(opened->Clue(Direction::Across, 1, 1)), "Clé du premier mot");
        EXPECT_EQ(opened->GridSize(), size);
        EXPECT_TRUE(opened->GridReady());
        EXPECT_EQ(opened->RowsDone(), 20);
        EXPECT_EQ(opened->GridOrigin(), (CPoint{123, -45}));
        EXPECT_EQ(opened->DictName(), "Standard");
        EXPECT_EQ(opened->Quality(), 3);
        EXPECT_TRUE(opened->GridDrawn());
        EXPECT_FALSE(opened->ShowSolution());
        EXPECT_FALSE(opened->IsModified());
    }
    EXPECT_EQ(host.Count("MessageBox"), 0);
}

TEST_F(GridFileTest, SavingReplacesTheFileInsteadOfWritingIntoIt) {
    // A second name for the old file keeps the old bytes only if the new
    // ones went to a file of their own that took its place: written in
    // place, a failure half-way would leave neither grid.
    auto doc = PlayedDocument(&host);
    const std::string path = dir.File("grille.vbg");
    WriteFile(path, "ancienne grille");
    ASSERT_EQ(::link(path.c_str(), dir.File("copie.vbg").c_str()), 0);
    ASSERT_TRUE(doc->SaveGrid(path));
    EXPECT_EQ(ReadFile(dir.File("copie.vbg")), "ancienne grille");
    EXPECT_EQ(ReadFile(path), Bytes(doc->WriteGridBytes()));
    // No temporary file stays behind, after a success or a failure.
    ASSERT_EQ(mkdir(dir.File("dossier.vbg").c_str(), 0700), 0);
    EXPECT_FALSE(doc->SaveGrid(dir.File("dossier.vbg")));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"copie.vbg", "dossier.vbg", "grille.vbg"}));
}

// Saving changes the bytes of the grid, nothing else: its permissions stay,
// a link stays a link to the saved grid, and the longest name still saves.
TEST_F(GridFileTest, SavingKeepsPermissionsLinksAndLongNames) {
    auto doc = PlayedDocument(&host);
    const std::string path = dir.File("privee.vbg");
    WriteFile(path, "ancienne grille");
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(doc->SaveGrid(path));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(ReadFile(path), Bytes(doc->WriteGridBytes()));

    ASSERT_EQ(mkdir(dir.File("rangement").c_str(), 0700), 0);
    const std::string target = dir.File("rangement/vraie.vbg");
    WriteFile(target, "ancienne grille");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    ASSERT_EQ(symlink("rangement/vraie.vbg", dir.File("lien.vbg").c_str()), 0);
    ASSERT_TRUE(doc->SaveGrid(dir.File("lien.vbg")));
    ASSERT_EQ(lstat(dir.File("lien.vbg").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadFile(target), Bytes(doc->WriteGridBytes()));
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const std::string longest = dir.File(std::string(251, 'g') + ".vbg");
    EXPECT_TRUE(doc->SaveGrid(longest));
    EXPECT_EQ(ReadFile(longest), Bytes(doc->WriteGridBytes()));
    EXPECT_EQ(host.Count("MessageBox"), 0);
}

TEST_F(GridFileTest, AnEmptyDocumentIsNotSavedAndTheFileThereIsKept) {
    auto saved = PlayedDocument(&host);
    const std::string path = dir.File("existante.vbg");
    ASSERT_TRUE(saved->SaveGrid(path));
    const std::string before = ReadFile(path);

    auto empty = NewDocument(&host);
    host.Clear();
    EXPECT_FALSE(empty->SaveGrid(path));
    EXPECT_EQ(host.Names(), (std::vector<std::string>{"MessageBox", "GridChanged"}));
    EXPECT_EQ(host.messages[0].caption, "Enregistrement");
    EXPECT_EQ(host.messages[0].text, "Vous ne pouvez pas enregistrer une grille vide !");
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_FALSE(empty->SaveGrid(dir.File("nouvelle.vbg")));
    struct stat info {};
    EXPECT_NE(stat(dir.File("nouvelle.vbg").c_str(), &info), 0);
}

TEST_F(GridFileTest, AFailedSaveLeavesTheOldFileAndSaysWhy) {
    auto doc = PlayedDocument(&host);
    const std::string path = dir.File("grille.vbg");
    ASSERT_TRUE(doc->SaveGrid(path));
    const std::string before = ReadFile(path);
    doc->PlaceLetter(1, 2, 'Z');
    doc->SetModifiedFlag();

    // A folder that does not exist, then a target that is a folder.
    host.Clear();
    EXPECT_FALSE(doc->SaveGrid(dir.File("absent/grille.vbg")));
    ASSERT_EQ(host.messages.size(), 1u);
    const std::string text = Cp1252ToUtf8(host.messages[0].text);
    EXPECT_NE(text.find(dir.File("absent/grille.vbg")), std::string::npos);
    EXPECT_NE(text.find("le dossier n'existe pas"), std::string::npos);
    EXPECT_TRUE(doc->IsModified());

    ASSERT_EQ(mkdir(dir.File("dossier.vbg").c_str(), 0700), 0);
    EXPECT_FALSE(doc->SaveGrid(dir.File("dossier.vbg")));
    EXPECT_EQ(ReadFile(path), before);
}

TEST_F(GridFileTest, DamagedFilesGiveOneMessageAndChangeNothing) {
    auto good = PlayedDocument(&host);
    const std::string valid = Bytes(good->WriteGridBytes());
    const std::size_t tail = valid.size() - 33;  // offset of the size field

    auto with = [&](std::size_t at, const std::string& replacement) {
        std::string bytes = valid;
        bytes.replace(at, replacement.size(), replacement);
        return bytes;
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "trop court"},
        {valid.substr(0, 1199), "trop court"},
        {valid.substr(0, valid.size() - 1), "trop court"},
        {with(1200, "\xFF\xFF\xFF\xFF\xFF\xFF\x7F"), "dépasse la fin"},
        {with(1200, "\xFF\xFE\xFF"), "illisible"},
        {with(tail, std::string("\xC8\0\0\0", 4)), "taille de la grille (201)"},
        {with(tail, std::string("\x06\0\0\0", 4)), "taille de la grille (7)"},
        {with(tail, std::string("\xFF\xFF\xFF\x7F", 4)), "taille de la grille (2147483648)"},
        {with(3, std::string(1, static_cast<char>('a' + kOffset))), "ni une lettre"},
        {with(800 + 2 * 20 + 3, "?"), "ni une lettre"},
        {with(26, std::string(1, static_cast<char>('A' + kOffset))), "hors de la grille"},
        {with(400, std::string(1, static_cast<char>('Z' + kOffset))), "ne s'accordent pas"},
        {with(tail + 4, std::string("\0\0\0\0", 4)), "pas complète"},
        {with(tail + 29, std::string("\x09\0\0\0", 4)), "qualité"},
        {valid + "x", "données après"},
    };
    for (const auto& [bytes, reason] : cases) {
        const std::string path = dir.File("abime.vbg");
        WriteFile(path, bytes);
        auto doc = PlayedDocument(&host);
        const std::string before = Bytes(doc->WriteGridBytes());
        const char letter = doc->PlayerCell(1, 2);
        doc->PlaceLetter(1, 2, 'Z');
        host.Clear();
        EXPECT_FALSE(doc->OpenGrid(path)) << reason;
        ASSERT_EQ(host.messages.size(), 1u) << reason;
        const std::string text = Cp1252ToUtf8(host.messages[0].text);
        EXPECT_NE(text.find(reason), std::string::npos) << text;
        EXPECT_NE(text.find(path), std::string::npos);
        // The grid there stays as it was, the player's last letter too.
        EXPECT_EQ(doc->PlayerCell(1, 2), 'Z');
        doc->PlaceLetter(1, 2, letter);
        EXPECT_EQ(Bytes(doc->WriteGridBytes()), before);
        EXPECT_EQ(host.Count("GridChanged"), 0);
    }
    auto fresh = NewDocument(&host);
    EXPECT_FALSE(fresh->OpenGrid(dir.File("introuvable.vbg")));
    EXPECT_FALSE(fresh->OpenGrid(dir.Path()));
    EXPECT_FALSE(fresh->GridReady());
    EXPECT_FALSE(fresh->GridDrawn());
    EXPECT_EQ(fresh->GridSize(), 6);
}

// Someone may hand over a FIFO or a device under a file's name: a reader
// that opened it as usual would wait for a writer for ever.
TEST_F(GridFileTest, SpecialFilesAreRefusedAtOnce) {
    const std::string fifo = dir.File("tube.vbg");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto doc = NewDocument(&host);
    host.Clear();
    EXPECT_FALSE(doc->OpenGrid(fifo));
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_FALSE(doc->GridReady());

    std::vector<char> bytes;
    std::size_t size = 0;
    for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/null")}) {
        EXPECT_EQ(ReadWholeFile(path, 1000, bytes, size), ReadResult::CannotOpen) << path;
        EXPECT_FALSE(FileCanBeRead(path)) << path;
    }
    WriteFile(dir.File("vrai.dex"), "x");
    EXPECT_TRUE(FileCanBeRead(dir.File("vrai.dex")));
}

}  // namespace
}  // namespace verbal::test
