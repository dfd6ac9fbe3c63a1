// The shipped dictionary and definitions, as the program reads them: they
// load, the word table validates, every word and every letter has exactly one
// definition, and every limit of the file formats holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>

#include "Codepage.h"
#include "DictWriter.h"
#include "Lists.h"
#include "Output.h"
#include "Scramble.h"
#include "Text.h"
#include "WordTable.h"

namespace verbal::test {
namespace {

const std::string kData = std::string(VERBAL_SOURCE_DIR) + "/data/";

std::string Plain(const std::string& path) {
    std::string bytes = ReadFile(path);
    Unscramble(bytes.data(), bytes.size());
    return bytes;
}

std::vector<std::string> LexWords(const std::string& lex) {
    std::vector<std::string> words;
    // Line starts in the last 35 bytes are never read.
    for (std::size_t i = 0; i + 35 < lex.size(); ++i) {
        if (lex[i] != '\n') continue;
        std::size_t j = i + 1;
        while (j < lex.size() && lex[j] >= 'A' && lex[j] <= 'Z') ++j;
        if (j - i - 1 >= 2 && j - i - 1 <= 15) words.push_back(lex.substr(i + 1, j - i - 1));
    }
    return words;
}

TEST(StandardFiles, LoadAndValidateInTheEngine) {
    auto table = std::make_unique<CWordTable>();
    std::string reason;
    ASSERT_EQ(table->LoadDictionary(kData + "Standard.lex", reason), CWordTable::Load::Taken)
        << reason;
    table->DrawRandomTable(1);
    table->ShuffleDictionary();
    table->RebuildWordTable();
    EXPECT_EQ(table->ValidateWordTable(), 1);
    // Every length group holds words.
    for (int len = 2; len <= 15; ++len) EXPECT_LT(table->GroupStart(len), table->GroupEnd(len)) << len;
}

TEST(StandardFiles, RespectTheLimitsAndTheTargets) {
    const std::string lex = Plain(kData + "Standard.lex");
    const std::string dex = Plain(kData + "Standard.dex");
    EXPECT_LE(lex.size(), 1000000u - 308u);
    EXPECT_LT(std::count(lex.begin(), lex.end(), '\n'), 99996);
    EXPECT_LT(dex.size(), 3000000u);
    // Every word of the dictionary, every letter: exactly one definition;
    // no definition for a word the dictionary lacks; lines well formed.
    const std::vector<std::string> faults = lexbuild::CheckTexts(lex, dex);
    for (const std::string& f : faults) ADD_FAILURE() << f;

    std::map<std::size_t, int> byLength;
    for (const std::string& w : LexWords(lex)) ++byLength[w.size()];
    int total = 0;
    for (const auto& [len, n] : byLength) total += n;
    EXPECT_GE(total, 60000);
    EXPECT_GE(byLength[2], 110);
    EXPECT_GE(byLength[3], 350);
    EXPECT_GE(byLength[4], 1500);
    for (std::size_t len = 2; len <= 15; ++len) EXPECT_GT(byLength[len], 0) << len;
}

TEST(StandardFiles, CluesAreShortCapitalisedAndNeverGiveTheAnswerAway) {
    const std::string dex = Plain(kData + "Standard.dex");
    std::istringstream in(dex);
    std::string line;
    std::getline(in, line);
    int checked = 0;
    while (std::getline(in, line)) {
        ASSERT_FALSE(line.empty());
        line.pop_back();  // CR
        const std::size_t colon = line.find(':');
        const std::string word = line.substr(0, colon);
        const std::string clue = Cp1252ToUtf8(line.substr(colon + 1));
        EXPECT_LE(lexbuild::Length(clue), 60u) << word;
        EXPECT_EQ(lexbuild::Capitalise(clue), clue) << word;
        EXPECT_EQ(clue.find("ATTENTION PROBLEME"), std::string::npos) << word;
        if (word.size() >= 3) {
            EXPECT_FALSE(lexbuild::GivesAnswerAway(word, clue)) << word << " " << clue;
        }
        ++checked;
    }
    EXPECT_GT(checked, 60000);
}

TEST(StandardFiles, NoBlockedWordAnywhere) {
    lexbuild::HandLists lists;
    std::string error;
    ASSERT_TRUE(lexbuild::LoadHandLists(std::string(VERBAL_SOURCE_DIR) + "/tools/lexbuild/lists", lists, error))
        << error;
    ASSERT_FALSE(lists.blocked.empty());
    const std::string dex = Plain(kData + "Standard.dex");
    std::istringstream in(dex);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        for (const std::string& token : lexbuild::FoldedTokens(Cp1252ToUtf8(line))) {
            EXPECT_EQ(lists.blocked.count(token), 0u) << Cp1252ToUtf8(line);
        }
    }
}

}  // namespace
}  // namespace verbal::test
