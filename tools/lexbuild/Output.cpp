#include "Output.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "Codepage.h"
#include "Limits.h"
#include "Scramble.h"
#include "Text.h"

namespace lexbuild {
namespace {

const char* const kLexHeader = "VERBALINE 2000 DICTIONNAIRE STANDARD";
const char* const kDexHeader = "VERBALINE 2000 DEFINITIONS STANDARD";
// Longer than 15 letters, so never a grid word; together longer than the
// 35 bytes at the end of the file that are never searched.
const char* const kClosingLine = "FINDUDICTIONNAIRESTANDARD";
constexpr std::size_t kLexLimit = verbal::kDictionarySize - verbal::kTableAdditions;
constexpr std::size_t kDexSearched = verbal::kDefsSearchLimit;
constexpr std::size_t kMaxLines = verbal::kMaxShuffleRuns;

std::string Thousands(std::size_t n) {
    std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string LexText(const std::vector<Chosen>& words) {
    std::string out = std::string(kLexHeader) + "\r\n";
    for (const Chosen& c : words)
        if (c.word.size() >= 2) out += c.word + " \r\n";
    out += std::string(kClosingLine) + " \r\n" + kClosingLine + " \r\n";
    return out;
}

std::string DexText(const std::vector<Chosen>& words) {
    std::vector<const Chosen*> sorted;
    for (const Chosen& c : words) sorted.push_back(&c);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Chosen* a, const Chosen* b) {
        if ((a->word.size() == 1) != (b->word.size() == 1)) return a->word.size() == 1;
        return a->word < b->word;
    });
    std::string out = std::string(kDexHeader) + "\r\n";
    for (const Chosen* c : sorted) out += c->word + ":" + verbal::Utf8ToCp1252(c->clue) + "\r\n";
    return out;
}

std::string ScrambledCopy(const std::string& plain) {
    std::string out = plain;
    verbal::Scramble(out.data(), out.size());
    return out;
}

std::vector<std::string> CheckTexts(const std::string& lex, const std::string& dex) {
    std::vector<std::string> faults;
    if (lex.size() > kLexLimit)
        faults.push_back("le dictionnaire fait " + Thousands(lex.size()) + " octets, plus que " +
                         Thousands(kLexLimit));
    if (dex.size() > kDexSearched)
        faults.push_back("les définitions font " + Thousands(dex.size()) + " octets, plus que " +
                         Thousands(kDexSearched));
    const std::size_t lines = static_cast<std::size_t>(std::count(lex.begin(), lex.end(), '\n'));
    if (lines >= kMaxLines)
        faults.push_back("le dictionnaire a " + Thousands(lines) + " lignes, la limite est " +
                         Thousands(kMaxLines - 1));

    // Words of the dictionary: after a line feed, outside the last 35 bytes.
    std::map<std::string, int> words;
    for (std::size_t i = 0; i < lex.size(); ++i) {
        if (lex[i] != '\n' || i + 35 >= lex.size()) continue;
        std::size_t j = i + 1;
        while (j < lex.size() && lex[j] >= 'A' && lex[j] <= 'Z') ++j;
        const std::size_t len = j - i - 1;
        if (j >= lex.size() || lex[j] != ' ') {
            faults.push_back("ligne du dictionnaire mal formée à l'octet " + std::to_string(i + 1));
            continue;
        }
        if (len >= 2 && len <= 15) ++words[lex.substr(i + 1, len)];
    }
    // The closing lines must hold every word: none may sit in the last 35 bytes.
    for (std::size_t i = lex.size() > 35 ? lex.size() - 35 : 0; i < lex.size(); ++i) {
        if (lex[i] != '\n') continue;
        std::size_t j = i + 1;
        while (j < lex.size() && lex[j] >= 'A' && lex[j] <= 'Z') ++j;
        const std::size_t len = j - i - 1;
        if (len >= 2 && len <= 15) faults.push_back("le mot " + lex.substr(i + 1, len) + " est dans les 35 derniers octets");
    }
    for (const auto& [w, n] : words)
        if (n > 1) faults.push_back("le mot " + w + " figure " + std::to_string(n) + " fois");

    std::map<std::string, int> defs;
    std::istringstream in(dex);
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first) {
            first = false;
            continue;
        }
        if (line.empty() || line.back() != '\r') {
            faults.push_back("ligne de définition sans CR LF : " + line.substr(0, 30));
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos || colon == 0) {
            faults.push_back("ligne de définition sans mot : " + line.substr(0, 30));
            continue;
        }
        const std::string key = line.substr(0, colon);
        if (!std::all_of(key.begin(), key.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
            faults.push_back("clé de définition invalide : " + key);
        if (colon + 2 >= line.size()) faults.push_back("définition vide pour " + key);
        ++defs[key];
    }
    for (char c = 'A'; c <= 'Z'; ++c)
        if (defs[std::string(1, c)] != 1)
            faults.push_back(std::string("la lettre ") + c + " n'a pas exactement une définition");
    for (const auto& [w, n] : words)
        if (defs.count(w) == 0 || defs[w] != 1)
            faults.push_back("le mot " + w + " n'a pas exactement une définition");
    for (const auto& [w, n] : defs)
        if (w.size() > 1 && words.count(w) == 0)
            faults.push_back("la définition de " + w + " ne sert à aucun mot");
    for (std::size_t len = 2; len <= 15; ++len) {
        bool any = false;
        for (const auto& kv : words) any = any || kv.first.size() == len;
        if (!any) faults.push_back("aucun mot de " + std::to_string(len) + " lettres");
    }
    return faults;
}

std::string StatsText(const std::vector<Chosen>& words, std::size_t lexBytes, std::size_t dexBytes,
                      const std::string& inputs) {
    std::map<std::size_t, int> byLength;
    std::map<std::string, int> bySource;
    std::map<int, int> byTier;
    std::map<int, int> byKind;
    std::size_t count = 0;
    for (const Chosen& c : words) {
        if (c.word.size() < 2) continue;
        ++count;
        ++byLength[c.word.size()];
        // The batches of ecrits/ count together: what matters is who wrote.
        ++bySource[c.source.rfind("ecrits/", 0) == 0 ? "ecrits/ (écrites à la main et relues, par lots)" : c.source];
        ++byTier[c.tier];
        ++byKind[c.kind];
    }
    std::ostringstream s;
    s << "Standard.lex / Standard.dex : statistiques\n"
      << "Fichiers produits par tools/lexbuild (scripts/build-dictionary.sh).\n\n"
      << "Mots : " << Thousands(count) << " (plus les 26 lettres, définies dans Standard.dex)\n\n"
      << "Mots par longueur\n";
    for (const auto& [len, n] : byLength) s << "  " << (len < 10 ? " " : "") << len << " lettres : " << n << "\n";
    s << "\nMots par nature\n";
    for (const auto& [kind, n] : byKind)
        s << "  " << KindName(kind) << " : " << n << " (" << (count ? n * 1000 / count : 0) / 10 << ","
          << (count ? n * 1000 / count : 0) % 10 << " %)\n";
    s << "\nMots par source de la définition\n";
    for (const auto& [src, n] : bySource) s << "  " << src << " : " << n << "\n";
    s << "\nMots par rang d'utilité (ordre de choix et d'écriture)\n";
    for (const auto& [tier, n] : byTier) s << "  " << tier << ". " << TierName(tier) << " : " << n << "\n";
    const std::size_t lines = count + 3;
    s << "\nTailles et limites\n"
      << "  Standard.lex : " << Thousands(lexBytes) << " octets (limite " << Thousands(kLexLimit)
      << " : 1 000 000 moins les 308 octets que la table ajoute)\n"
      << "  lignes du .lex : " << Thousands(lines) << " (limite " << Thousands(kMaxLines - 1) << ")\n"
      << "  Standard.dex : " << Thousands(dexBytes) << " octets (partie lue avec certitude : "
      << Thousands(kDexSearched) << ")\n\n"
      << "Entrées\n" << inputs;
    return s.str();
}

}  // namespace lexbuild
