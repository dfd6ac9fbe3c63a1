// The search indexes must never change a grid: with and without them, the
// same dictionary and seed give the same grid, the same clues, the same
// figures and the same calls to the interface, in the same order.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "DictWriter.h"
#include "Documents.h"
#include "FakeHost.h"
#include "Grid.h"
#include "GridSearch.h"
#include "GridText.h"
#include "VerbalineDoc.h"
#include "WordTable.h"

namespace verbal::test {
namespace {

struct Run {
    std::vector<std::string> rows;
    std::vector<std::string> clues;
    std::uint64_t checks = 0;
    std::uint64_t fills = 0;
    std::vector<std::string> calls;
};

Run Generate(const std::string& lex, int size, int quality, std::int64_t seed, bool indexes,
             int stopAtPump = 0) {
    FakeHost host;
    host.seconds = seed;
    if (stopAtPump) host.stopAt = [stopAtPump](int call) { return call == stopAtPump; };
    auto doc = NewDocument(&host, {"son", "son", "son", "son", "son"});
    doc->SetSearchIndexes(indexes);
    doc->Compute(Choice(lex, size, quality));
    Run run;
    run.rows = SolutionRows(*doc);
    for (Direction direction : {Direction::Across, Direction::Down})
        for (int line = 1; line <= 20; ++line)
            for (int number = 1; number <= 10; ++number)
                run.clues.push_back(doc->Clue(direction, line, number));
    run.checks = doc->SearchStats().columnChecks;
    run.fills = doc->SearchStats().rowsFilled;
    for (const auto& call : host.calls) run.calls.push_back(call.name + ":" + call.detail);
    return run;
}

void ExpectSame(const Run& a, const Run& b) {
    EXPECT_EQ(a.rows, b.rows);
    EXPECT_EQ(a.clues, b.clues);
    EXPECT_EQ(a.checks, b.checks);
    EXPECT_EQ(a.fills, b.fills);
    EXPECT_EQ(a.calls, b.calls);
}

TEST(SearchIndexes, GiveTheGridsOfTheFullScans) {
    for (int quality = 0; quality <= 3; ++quality)
        for (std::int64_t seed : {quality == 3 ? 1 : 3}) {
            SCOPED_TRACE("quality " + std::to_string(quality) + " seed " + std::to_string(seed));
            ExpectSame(Generate(SmallDictionaryPath(), 6, quality, seed, true),
                       Generate(SmallDictionaryPath(), 6, quality, seed, false));
        }
}

TEST(SearchIndexes, StopAtTheSameMoment) {
    // The pump runs after the same number of tested words, so a stop
    // request lands in the same place.
    ExpectSame(Generate(SmallDictionaryPath(), 8, 3, 5, true, 7),
               Generate(SmallDictionaryPath(), 8, 3, 5, false, 7));
}

TEST(SearchIndexes, ADictionaryWithDamagedLinesStillGivesTheSameGrid) {
    // Text after words, one-letter and overlong words, a line without its
    // space: the indexes must answer as the scans do, or stand aside.
    TempDir dir;
    std::vector<std::string> words = SmallWordList();
    words.resize(6000);
    std::string text = "EN-TETE\r\n";
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += words[i];
        text += i % 97 == 0 ? " commentaire\r\n" : " \r\n";
        if (i % 301 == 0) text += "Q \r\nABCDEFGHIJKLMNOPQRS \r\nSANSESPACE\r\n";
    }
    text += std::string(40, '-') + " \r\n";
    const std::string lex = dir.File("Abime.lex");
    WriteScrambled(lex, text);
    std::string defs = "x\r\n";
    for (char c = 'A'; c <= 'Z'; ++c) defs += std::string(1, c) + ":Lettre\r\n";
    for (const std::string& w : words) defs += w + ":Indice\r\n";
    WriteScrambled(dir.File("Abime.dex"), defs);
    for (int quality : {0, 2}) ExpectSame(Generate(lex, 6, quality, 2, true), Generate(lex, 6, quality, 2, false));
}

TEST(SearchIndexes, PrefixAnswersMatchTheScanForAnyPattern) {
    auto table = std::make_unique<CWordTable>();
    CGrid grid;
    CGridSearch search(*table, grid);
    std::string reason;
    ASSERT_EQ(table->LoadDictionary(SmallDictionaryPath(), reason), CWordTable::Load::Taken);
    table->DrawRandomTable(77);
    table->ShuffleDictionary();
    table->RebuildWordTable();
    ASSERT_EQ(table->ValidateWordTable(), 1);
    std::mt19937 random(1);
    const std::vector<std::string> words = SmallWordList();
    for (int i = 0; i < 3000; ++i) {
        // Prefixes of real words, and random letters.
        std::string pattern = words[random() % words.size()];
        pattern.resize(1 + random() % std::min<std::size_t>(pattern.size(), 9));
        if (i % 3 == 0)
            for (char& c : pattern) c = static_cast<char>('A' + random() % 26);
        const int shortest = static_cast<int>(pattern.size());
        const int longest = shortest + static_cast<int>(random() % 4);
        std::memset(search.m_szPattern, 0, sizeof search.m_szPattern);
        std::memcpy(search.m_szPattern, pattern.data(), pattern.size());
        search.m_bSearchIndexes = true;
        const int indexed = search.FindPrefix(shortest, longest);
        search.m_bSearchIndexes = false;
        ASSERT_EQ(indexed, search.FindPrefix(shortest, longest)) << pattern << " " << longest;
    }
}

}  // namespace
}  // namespace verbal::test
