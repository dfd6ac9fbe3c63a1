#include <gtest/gtest.h>

#include "Builder.h"
#include "Output.h"
#include "Scramble.h"

namespace lexbuild {
namespace {

std::vector<Chosen> Sample() {
    std::vector<Chosen> words;
    for (char c = 'A'; c <= 'Z'; ++c) words.push_back({std::string(1, c), "Lettre", 0, "lettres.txt", 0});
    const char* const list[] = {"OS", "ART", "CHAT", "ADAGE", "CHATON", "MATOUS", "ABAISSE", "MANGEAIT", "CHATAIGNE", "ABAISSEMENTS",
                                "DEVORAIENT", "ABAISSEMENT", "DECOURAGEMENT", "PARALLELEMENT",
                                "REINTRODUCTION", "DEPARTEMENTALES"};
    for (const char* w : list) words.push_back({w, "Définition de « " + std::string(w) + " »", 1, "nom", 0});
    return words;
}

TEST(Output, LexHasAHeaderCompactLinesAndAHarmlessTail) {
    const std::string lex = LexText(Sample());
    EXPECT_EQ(lex.find("\r\nOS \r\nART \r\n"), lex.find("\r\n"));
    EXPECT_EQ(lex.find("\r\nA \r\n"), std::string::npos);  // letters live in the table already
    // Nothing but the closing lines in the last 35 bytes.
    const std::string tail = lex.substr(lex.size() - 80);
    EXPECT_NE(tail.find("\r\nDEPARTEMENTALES \r\nFINDUDICTIONNAIRESTANDARD \r\nFINDUDICTIONNAIRESTANDARD \r\n"),
              std::string::npos);
    EXPECT_TRUE(CheckTexts(lex, DexText(Sample())).empty());
}

TEST(Output, DexLinesAreCp1252WithLettersFirst) {
    const std::string dex = DexText(Sample());
    EXPECT_EQ(dex.substr(dex.find("\r\n") + 2, 10), "A:Lettre\r\n");
    // « and É as single Windows-1252 bytes.
    EXPECT_NE(dex.find("CHAT:D\xE9" "finition de \xAB CHAT \xBB\r\n"), std::string::npos);
}

TEST(Output, ScramblingIsTheEnginesOffset) {
    const std::string plain = "AB\r\n";
    std::string expected = plain;
    verbal::Scramble(expected.data(), expected.size());
    EXPECT_EQ(ScrambledCopy(plain), expected);
    EXPECT_EQ(static_cast<unsigned char>(ScrambledCopy("\xF0")[0]), (0xF0 + verbal::kScrambleOffset) % 256);
}

TEST(Output, CheckFindsMissingAndDuplicateDefinitions) {
    std::vector<Chosen> words = Sample();
    std::string lex = LexText(words);
    std::string dex = DexText(words);
    // A word without definition, a letter without definition, a definition
    // used by no word, a word twice, a missing length.
    lex.insert(lex.find("\r\n") + 2, "ZEBRE \r\nOS \r\n");
    dex.replace(dex.find("B:Lettre\r\n"), 10, "");
    dex += "ORPHELIN:Seul\r\n";
    const std::vector<std::string> faults = CheckTexts(lex, dex);
    auto has = [&](const std::string& s) {
        for (const std::string& f : faults)
            if (f.find(s) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(has("ZEBRE n'a pas exactement une définition"));
    EXPECT_TRUE(has("lettre B"));
    EXPECT_TRUE(has("ORPHELIN ne sert"));
    EXPECT_TRUE(has("OS figure 2 fois"));

    std::vector<Chosen> noFour;
    for (const Chosen& c : Sample())
        if (c.word.size() != 4) noFour.push_back(c);
    EXPECT_NE(CheckTexts(LexText(noFour), DexText(noFour)).size(), 0u);
}

TEST(Output, SelectionRespectsTheLimitsAndIsStable) {
    std::vector<Chosen> candidates = Sample();
    for (int i = 0; i < 500; ++i) {
        std::string w = "MOT";
        for (int k = i; k > 0; k /= 26) w += static_cast<char>('A' + k % 26);
        candidates.push_back({w + "X", "Indice", 5, "nom", 0});
    }
    Hunspell h;
    Thesaurus t;
    std::set<std::string> none;
    HandLists lists;
    Builder builder({&h, &t, &none, &lists});
    Limits limits;
    limits.maxLexBytes = 2000;
    const std::vector<Chosen> a = builder.Select(candidates, limits);
    const std::vector<Chosen> b = builder.Select(candidates, limits);
    EXPECT_LE(LexText(a).size(), 2000u);
    EXPECT_GT(LexText(a).size(), 1900u);
    EXPECT_EQ(LexText(a), LexText(b));
    EXPECT_EQ(DexText(a), DexText(b));
}

}  // namespace
}  // namespace lexbuild
