// The dictionary file, the shuffle and the word table, byte for byte.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <memory>
#include <string>

#include "Codepage.h"
#include "DictWriter.h"
#include "Scramble.h"
#include "WordTable.h"

namespace verbal::test {
namespace {

const std::string kLetters =
    "\r\nA \r\nB \r\nC \r\nD \r\nE \r\nF \r\nG \r\nH \r\nI \r\nJ \r\nK \r\nL \r\nM \r\nN \r\nO "
    "\r\nP \r\nQ \r\nR \r\nS \r\nT \r\nU \r\nV \r\nW \r\nX \r\nY \r\nZ \r\n  ";

class WordTableTest : public ::testing::Test {
protected:
    // Puts plain text into the dictionary buffer as if it had been loaded.
    void Load(const std::string& text) {
        std::memcpy(table->m_szDictionary, text.data(), text.size());
        table->m_nDictionaryLength = static_cast<std::uint32_t>(text.size());
    }

    std::string Table(std::size_t length) const {
        return std::string(table->m_szDictionary, length);
    }

    // The file as a computation reads it; empty when it was taken.
    std::string LoadFile(const std::string& path) {
        std::string reason;
        const CWordTable::Load result = table->LoadDictionary(path, reason);
        if (result == CWordTable::Load::CannotOpen) return "introuvable";
        EXPECT_EQ(result == CWordTable::Load::Taken, reason.empty());
        return Cp1252ToUtf8(reason);
    }

    // A computation's preparation: random table, shuffle, rebuild.
    void Prepare(std::uint32_t seed) {
        table->DrawRandomTable(seed);
        table->ShuffleDictionary();
        table->RebuildWordTable();
    }

    TempDir dir;
    std::unique_ptr<CWordTable> table = std::make_unique<CWordTable>();
};

std::string Entry(const std::string& word) { return "\r\n" + word + " "; }

TEST_F(WordTableTest, ShuffleCopiesRunsFromRandomStartsAndTheTableGroupsThemByLength) {
    // Twelve two-letter words, then ten lines of 20 letters that keep the
    // last 210 bytes away from the short words.
    std::string text = "#\r\n";
    std::vector<std::string> words;
    for (int i = 0; i < 12; ++i) {
        words.push_back(std::string{static_cast<char>('A' + i), static_cast<char>('B' + i)});
        text += words.back() + " \r\n";
    }
    std::vector<std::string> fillers;
    for (int i = 0; i < 10; ++i) {
        fillers.push_back(std::string(20, static_cast<char>('K' + i)));
        text += fillers.back() + " \r\n";
    }
    ASSERT_EQ(text.size(), 293u);
    Load(text);

    // Random starts: inside the 4th word, before the 1st, inside the 2nd
    // filler, in the tail (wraps to the start), then the first bytes.
    const std::uint32_t starts[] = {20, 1, 100, 290, 1, 1, 1, 1, 1, 1, 5};
    for (int i = 0; i < 11; ++i) table->m_anRandom[3 + i] = starts[i];
    table->ShuffleDictionary();

    auto run = [&](std::initializer_list<std::string> entries) {
        std::string bytes;
        for (const std::string& e : entries) bytes += Entry(e);
        return bytes;
    };
    // The first run stops after the filler that reaches the 210-byte tail;
    // the second stops before an entry already copied; the entry that opens
    // in the last 35 bytes is never copied.
    const std::string expected =
        run({words[4], words[5], words[6], words[7], words[8], words[9], words[10], words[11],
             fillers[0]}) +
        run({words[0], words[1], words[2], words[3]}) + run({fillers[2]}) + run({fillers[1]}) +
        run({fillers[3]}) + run({fillers[4]}) + run({fillers[5]}) + run({fillers[6]}) +
        run({fillers[7]}) + run({fillers[8]}) + "\r\n";
    EXPECT_EQ(std::string(table->m_szShuffled, expected.size()), expected);

    table->RebuildWordTable();
    std::string table = kLetters;
    for (int i : {4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3}) table += Entry(words[i]);
    table += std::string(200, '%');
    EXPECT_EQ(Table(table.size()), table);
}

TEST_F(WordTableTest, OneWordOfEachLengthValidatesIntoOneWordGroups) {
    std::vector<std::string> words;
    for (int length = 15; length >= 1; --length) words.push_back(std::string(length, 'A' + length));
    words.push_back(std::string(16, 'Z'));  // too long for a grid
    words.push_back("AU");                  // text after the word's space is ignored
    // A long first line: the last group ends 35 bytes before the file's end,
    // which must lie past the table's 15-letter entry.
    std::string text = std::string(200, '=') + "\r\n";
    for (const std::string& w : words) text += w + (w == "AU" ? " commentaire\r\n" : " \r\n");
    text += std::string(40, '-') + " \r\n";
    WriteScrambled(dir.File("Test.lex"), text);

    ASSERT_EQ(LoadFile(dir.File("Test.lex")), "");
    Prepare(12345);
    ASSERT_EQ(table->ValidateWordTable(), 1);

    // The first group holds the 26 letters and the black square only.
    EXPECT_EQ(table->m_nLengthStart, 1);
    EXPECT_EQ(table->m_anLengthEnd[1], 108);
    for (int length = 2; length <= 15; ++length) {
        const int start = table->GroupStart(length);
        const std::string group(table->m_szDictionary + start,
                                static_cast<std::size_t>(table->GroupEnd(length) - start));
        const std::string expected = Entry(std::string(length, 'A' + length));
        if (length == 2) {
            // Two words of two letters, in the shuffled order.
            EXPECT_TRUE(group == expected + Entry("AU") || group == Entry("AU") + expected) << group;
        } else if (length < 15) {
            EXPECT_EQ(group, expected) << "length " << length;
        } else {
            // The last group runs to the file's length minus 35, over the end
            // marker.
            EXPECT_EQ(group.substr(0, expected.size()), expected);
            EXPECT_EQ(group.substr(expected.size(), 5), "%%%%%");
        }
    }
    EXPECT_EQ(std::string(table->m_szDictionary, kLetters.size()), kLetters);
}

TEST_F(WordTableTest, AMissingLengthFailsValidationAndLeavesLaterBoundsAlone) {
    std::vector<std::string> words;
    for (int length = 2; length <= 15; ++length)
        if (length != 9) words.push_back(std::string(length, 'A' + length));
    for (int j = 1; j <= 14; ++j) table->m_anLengthEnd[j] = -7;
    ASSERT_EQ(LoadFile(WriteDictionaryPair(dir.Path(), "Test", words)), "");
    Prepare(1);
    EXPECT_EQ(table->ValidateWordTable(), 0);
    for (int j = 1; j <= 7; ++j) EXPECT_GT(table->m_anLengthEnd[j], 0) << j;
    for (int j = 8; j <= 14; ++j) EXPECT_EQ(table->m_anLengthEnd[j], -7) << j;
}

TEST_F(WordTableTest, UnscramblingWrapsBelowTheOffset) {
    std::string raw(64, '\0');
    raw[0] = 0x05;  // below the offset: wraps to 256 - (offset - 5)
    raw[1] = static_cast<char>(0xFF);
    WriteFile(dir.File("Test.lex"), raw);
    ASSERT_EQ(LoadFile(dir.File("Test.lex")), "");
    EXPECT_EQ(static_cast<unsigned char>(table->m_szDictionary[0]), (0x05 + 256 - kScrambleOffset) % 256);
    EXPECT_EQ(static_cast<unsigned char>(table->m_szDictionary[1]), 0xFF - kScrambleOffset);
    EXPECT_EQ(static_cast<unsigned char>(table->m_szDictionary[2]), 256 - kScrambleOffset);
}

TEST_F(WordTableTest, TheSameSecondGivesTheSameShuffleAndTheTransposeBitIsAParity) {
    const std::string lex = WriteDictionaryPair(dir.Path(), "Test", SmallWordList());
    ASSERT_EQ(LoadFile(lex), "");
    Prepare(1700000000);
    const std::string first(table->m_szDictionary, 200000);
    EXPECT_EQ(table->TransposeDrawn(), table->m_anRandom[97856] % 2 == 1);
    for (int i = 0; i < CWordTable::kRandomDrawn; ++i)
        ASSERT_LT(table->m_anRandom[i], table->m_nDictionaryLength);
    EXPECT_EQ(table->m_anRandom[CWordTable::kRandomDrawn], 0u);

    auto other = std::make_unique<CWordTable>();
    std::string reason;
    ASSERT_EQ(other->LoadDictionary(lex, reason), CWordTable::Load::Taken);
    other->DrawRandomTable(1700000000);
    other->ShuffleDictionary();
    other->RebuildWordTable();
    EXPECT_EQ(std::string(other->m_szDictionary, 200000), first);

    // The same table read again, and another second.
    ASSERT_EQ(other->LoadDictionary(lex, reason), CWordTable::Load::Taken);
    other->DrawRandomTable(1700000001);
    other->ShuffleDictionary();
    other->RebuildWordTable();
    EXPECT_NE(std::string(other->m_szDictionary, 200000), first);
}

TEST_F(WordTableTest, TheRandomTableFollowsTheClassicGenerator) {
    Load(std::string(1000, 'x'));
    table->DrawRandomTable(1);
    // rand() after srand(1) gives 41, 18467, 6334, 26500 ...
    EXPECT_EQ(table->m_anRandom[0], 41u * 7 % 1000);
    EXPECT_EQ(table->m_anRandom[1], 18467u * 7 % 1000);
    EXPECT_EQ(table->m_anRandom[2], 6334u * 7 % 1000);
    EXPECT_EQ(table->m_anRandom[3], 26500u * 7 % 1000);
}

TEST_F(WordTableTest, FilesThatCannotFitAreRefusedBeforeTheBufferIsTouched) {
    const std::string path = dir.File("Gros.lex");
    std::memset(table->m_szDictionary, 'q', 16);

    EXPECT_EQ(LoadFile(path), "introuvable");
    // A folder is no dictionary either, nor a FIFO (refused without waiting).
    EXPECT_EQ(LoadFile(dir.Path()), "introuvable");
    ASSERT_EQ(mkfifo(dir.File("Tube.lex").c_str(), 0600), 0);
    EXPECT_EQ(LoadFile(dir.File("Tube.lex")), "introuvable");

    // One byte too many for the table's additions.
    WriteFile(path, std::string(kDictionarySize - kTableAdditions + 1,
                                static_cast<char>(kScrambleOffset + 'A')));
    EXPECT_EQ(LoadFile(path), "Le fichier du dictionnaire est trop volumineux (" + path +
                                  ") : il fait 999 693 octets, le programme en accepte au plus "
                                  "999 692. Choisissez un autre dictionnaire.");

    // Empty.
    WriteFile(path, "");
    EXPECT_NE(LoadFile(path).find("vide ou trop court"), std::string::npos);

    // More lines than the shuffle has random starts for.
    std::string many;
    for (int i = 0; i < kMaxShuffleRuns; ++i) many += "A \r\n";
    WriteScrambled(path, many);
    EXPECT_NE(LoadFile(path).find("trop de lignes (" + path + ") : 99 996, le programme en "
                                                              "accepte au plus 99 995"),
              std::string::npos);

    EXPECT_EQ(std::string(table->m_szDictionary, 16), std::string(16, 'q'));
    EXPECT_EQ(table->m_nDictionaryLength, 0u);

    // The largest file that fits is taken.
    WriteFile(path, std::string(kDictionarySize - kTableAdditions,
                                static_cast<char>(kScrambleOffset + 'A')));
    EXPECT_EQ(LoadFile(path), "");
}

TEST_F(WordTableTest, ADamagedTextStaysInsideTheBuffers) {
    // No spaces, no line ends in the right places: the shuffle and the
    // rebuild must stop at the text's end.
    std::string text = "X\n";
    for (int i = 0; i < 400; ++i) text += (i % 7 == 0) ? "\n" : "ABC";
    WriteScrambled(dir.File("Test.lex"), text);
    ASSERT_EQ(LoadFile(dir.File("Test.lex")), "");
    Prepare(99);
    EXPECT_EQ(table->ValidateWordTable(), 0);
    EXPECT_EQ(Table(kLetters.size()), kLetters);
}

}  // namespace
}  // namespace verbal::test
