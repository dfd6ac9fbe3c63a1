// Grid files: the exact bytes, round trips, and damaged files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <memory>
#include <string>

#include "Archive.h"
#include "Codepage.h"
#include "DictWriter.h"
#include "FakeHost.h"
#include "GridText.h"
#include "Scramble.h"
#include "VerbalineDoc.h"

namespace verbal::test {
namespace {

constexpr unsigned char kOffset = kScrambleOffset;

// A ready 6x6 grid with a few player letters and clues.
std::unique_ptr<CVerbalineDoc> ReadyGrid(FakeHost* host, int size = 6) {
    auto doc = std::make_unique<CVerbalineDoc>(host);
    doc->OnNewDocument();
    std::vector<std::string> rows;
    for (int r = 0; r < size; ++r) {
        std::string row;
        for (int c = 0; c < size; ++c)
            row += (r + 2 * c) % 5 == 0 ? '#' : static_cast<char>('A' + (r * size + c) % 26);
        rows.push_back(row);
    }
    SetSolutionRows(*doc, rows, size);
    doc->BuildTransposed();
    doc->CopyBlackSquares();
    doc->m_aPlayer[0][1] = doc->m_aSolution[1][1];
    // A wrong letter in the last white cell.
    for (int c = size - 1; c >= 0; --c)
        if (doc->m_aSolution[size][c] != ' ') {
            doc->m_aPlayer[size - 1][c] = doc->m_aSolution[size][c] == 'Q' ? 'R' : 'Q';
            break;
        }
    doc->m_astrClues[0][0] = W("Clé du premier mot");
    doc->m_astrClues[39][9] = "Dernier";
    doc->m_nRowsDone = 20;
    doc->m_bGridReady = 1;
    doc->m_ptGridOrigin = CPoint{123, -45};
    doc->m_strDictName = "Standard";
    doc->m_nQuality = 3;
    return doc;
}

std::string Bytes(const std::vector<char>& v) { return std::string(v.begin(), v.end()); }

TEST(GridFileLayout, FieldsFollowEachOtherByteForByte) {
    auto doc = ReadyGrid(nullptr);
    doc->m_astrClues[0][1] = std::string(300, 'x');
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
        auto doc = ReadyGrid(&host, size);
        doc->m_bShowSolution = 1;
        const std::string path = dir.File("grille" + std::to_string(size) + ".vbg");
        ASSERT_TRUE(doc->SaveGrid(path));
        EXPECT_EQ(doc->m_bShowSolution, 0);

        auto opened = std::make_unique<CVerbalineDoc>(&host);
        opened->OnNewDocument();
        ASSERT_TRUE(opened->OpenGrid(path)) << size;
        EXPECT_EQ(SolutionRows(*opened), SolutionRows(*doc));
        EXPECT_EQ(std::memcmp(opened->m_aPlayer, doc->m_aPlayer, 400), 0);
        EXPECT_EQ(std::memcmp(opened->m_aTransposed, doc->m_aTransposed, sizeof doc->m_aTransposed), 0);
        for (int line = 0; line < 40; ++line)
            for (int slot = 0; slot < 10; ++slot)
                EXPECT_EQ(opened->m_astrClues[line][slot], doc->m_astrClues[line][slot]);
        EXPECT_EQ(opened->m_nGridLast, size - 1);
        EXPECT_EQ(opened->m_bGridReady, 1);
        EXPECT_EQ(opened->m_nRowsDone, 20);
        EXPECT_EQ(opened->m_ptGridOrigin, (CPoint{123, -45}));
        EXPECT_EQ(opened->m_strDictName, "Standard");
        EXPECT_EQ(opened->m_nQuality, 3);
        EXPECT_EQ(opened->m_bGridDrawn, 1);
        EXPECT_EQ(opened->m_bShowSolution, 0);
        EXPECT_FALSE(opened->IsModified());
    }
    EXPECT_EQ(host.Count("MessageBox"), 0);
}

TEST_F(GridFileTest, AnEmptyDocumentIsNotSavedAndTheFileThereIsKept) {
    auto saved = ReadyGrid(&host);
    const std::string path = dir.File("existante.vbg");
    ASSERT_TRUE(saved->SaveGrid(path));
    const std::string before = ReadFile(path);

    auto empty = std::make_unique<CVerbalineDoc>(&host);
    empty->OnNewDocument();
    host.Clear();
    EXPECT_FALSE(empty->SaveGrid(path));
    EXPECT_EQ(host.Names(), (std::vector<std::string>{"MessageBox", "InvalidateRect"}));
    EXPECT_EQ(host.messages[0].caption, "Enregistrement");
    EXPECT_EQ(host.messages[0].text, "Vous ne pouvez pas enregistrer une grille vide !");
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_FALSE(empty->SaveGrid(dir.File("nouvelle.vbg")));
    struct stat info {};
    EXPECT_NE(stat(dir.File("nouvelle.vbg").c_str(), &info), 0);
}

TEST_F(GridFileTest, AFailedSaveLeavesTheOldFileAndSaysWhy) {
    auto doc = ReadyGrid(&host);
    const std::string path = dir.File("grille.vbg");
    ASSERT_TRUE(doc->SaveGrid(path));
    const std::string before = ReadFile(path);
    doc->m_aPlayer[0][1] = 'Z';
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
    auto good = ReadyGrid(&host);
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
        auto doc = std::make_unique<CVerbalineDoc>(&host);
        doc->OnNewDocument();
        doc->m_strDictName = "avant";
        host.Clear();
        EXPECT_FALSE(doc->OpenGrid(path)) << reason;
        ASSERT_EQ(host.messages.size(), 1u) << reason;
        const std::string text = Cp1252ToUtf8(host.messages[0].text);
        EXPECT_NE(text.find(reason), std::string::npos) << text;
        EXPECT_NE(text.find(path), std::string::npos);
        EXPECT_EQ(doc->m_bGridReady, 0);
        EXPECT_EQ(doc->m_bGridDrawn, 0);
        EXPECT_EQ(doc->m_nGridLast, 5);
        EXPECT_EQ(doc->m_strDictName, "avant");
        EXPECT_EQ(doc->CountBlackSquares(), 0u);
        EXPECT_EQ(host.Count("InvalidateRect"), 0);
    }
    auto doc = std::make_unique<CVerbalineDoc>(&host);
    EXPECT_FALSE(doc->OpenGrid(dir.File("introuvable.vbg")));
}

}  // namespace
}  // namespace verbal::test
