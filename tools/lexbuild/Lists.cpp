#include "Lists.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Text.h"

namespace lexbuild {
namespace {

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// Calls |entry| with each line of |text| that holds an entry, trimmed, and
// its number in the file (from 1); blank lines and '#' comments hold none.
// Stops at the first entry |entry| refuses.
template <typename Entry>
bool ForEachEntry(const std::string& text, Entry entry) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        if (!entry(line, number)) return false;
    }
    return true;
}

std::string Where(const std::string& source, int number) {
    return source + ", ligne " + std::to_string(number) + " : ";
}

}  // namespace

bool ParseClueList(const std::string& text, const std::string& source, std::vector<HandEntry>& out,
                   std::string& error) {
    return ForEachEntry(text, [&](const std::string& line, int number) {
        const std::string where = Where(source, number);
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            error = where + "il manque le deux-points entre le mot et sa définition";
            return false;
        }
        HandEntry e;
        e.word = Fold(Trim(line.substr(0, colon)));
        e.clue = Trim(line.substr(colon + 1));
        e.source = source;
        e.line = number;
        if (e.word.empty() || e.word.size() > 15) {
            error = where + "« " + line.substr(0, colon) + " » n'est pas un mot de 1 à 15 lettres";
            return false;
        }
        if (e.clue.empty()) {
            error = where + "la définition est vide";
            return false;
        }
        if (!FitsCp1252(e.clue)) {
            error = where + "la définition contient un caractère hors du jeu Windows-1252";
            return false;
        }
        out.push_back(std::move(e));
        return true;
    });
}

bool ParseWordList(const std::string& text, const std::string& source, std::set<std::string>& out,
                   std::string& error, bool fold) {
    return ForEachEntry(text, [&](const std::string& line, int number) {
        const std::string word = fold ? Fold(line) : line;
        if (word.empty() || (!fold && !IsLowerFrenchWord(word))) {
            error = Where(source, number) + "« " + line + " » n'est pas un mot";
            return false;
        }
        out.insert(word);
        return true;
    });
}

bool ParseExclusionList(const std::string& text, const std::string& source, HandLists& lists,
                        std::string& error) {
    std::istringstream in(text);
    std::string line;
    std::string words;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string trimmed = Trim(line);
        const std::size_t arrow = trimmed.find('>');
        if (trimmed.empty() || trimmed[0] == '#' || arrow == std::string::npos) {
            words += line + "\n";
            continue;
        }
        const std::string lemma = Trim(trimmed.substr(0, arrow));
        const std::string synonym = Trim(trimmed.substr(arrow + 1));
        if (!IsLowerFrenchWord(lemma) || (synonym != "*" && !IsLowerFrenchWord(synonym))) {
            error = Where(source, number) + "« " + trimmed +
                    " » n'est pas de la forme « lemme > synonyme »";
            return false;
        }
        lists.excludedPairs.insert({lemma, synonym});
        words += "\n";  // keeps the line numbers of the words
    }
    return ParseWordList(words, source, lists.excluded, error);
}

bool ParsePairVerdicts(const std::string& text, const std::string& source, HandLists& lists, std::string& error) {
    return ForEachEntry(text, [&](const std::string& line, int number) {
        const std::size_t arrow = line.find('>');
        const std::size_t colon = line.find(':', arrow == std::string::npos ? 0 : arrow);
        const std::string where = Where(source, number);
        if (arrow == std::string::npos || colon == std::string::npos) {
            error = where + "la ligne n'est pas de la forme « lemme > synonyme : ok » ou « … : non raison »";
            return false;
        }
        const std::string lemma = Trim(line.substr(0, arrow));
        const std::string synonym = Trim(line.substr(arrow + 1, colon - arrow - 1));
        const std::string verdict = Trim(line.substr(colon + 1));
        if (!IsLowerFrenchWord(lemma) || !IsLowerFrenchWord(synonym)) {
            error = where + "« " + lemma + " > " + synonym + " » n'est pas un appariement de deux mots";
            return false;
        }
        if (verdict == "ok") {
            lists.acceptedPairs.insert({lemma, synonym});
        } else if (verdict.rfind("non", 0) == 0) {
            lists.excludedPairs.insert({lemma, synonym});
        } else {
            error = where + "verdict « " + verdict + " » incompris (ok, ou non suivi de la raison)";
            return false;
        }
        return true;
    });
}

bool LoadHandLists(const std::string& dir, HandLists& lists, std::string& error) {
    for (const char* name : {"lettres.txt", "mots2.txt", "mots3.txt", "mots4.txt", "lieux.txt", "mots.txt"}) {
        std::string text;
        if (!ReadText(dir + "/" + name, text)) {
            error = "liste introuvable : " + dir + "/" + name;
            return false;
        }
        if (!ParseClueList(text, name, lists.entries, error)) return false;
    }
    // The clues written and reviewed in batches: every file of ecrits/, in
    // the order of their names.
    std::vector<std::string> batches;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir + "/ecrits", ec))
        if (e.path().extension() == ".txt") batches.push_back(e.path().filename().string());
    std::sort(batches.begin(), batches.end());
    for (const std::string& name : batches) {
        std::string text;
        if (!ReadText(dir + "/ecrits/" + name, text)) {
            error = "liste illisible : " + dir + "/ecrits/" + name;
            return false;
        }
        if (!ParseClueList(text, "ecrits/" + name, lists.entries, error)) return false;
    }
    for (const char* name : {"paires.txt", "intransitifs.txt"}) {
        std::string text;
        if (!ReadText(dir + "/" + name, text)) {
            error = "liste introuvable : " + dir + "/" + name;
            return false;
        }
        const bool ok = std::string(name) == "paires.txt"
                            ? ParsePairVerdicts(text, name, lists, error)
                            : ParseWordList(text, name, lists.intransitive, error, false);
        if (!ok) return false;
    }
    for (const char* name : {"exclus.txt", "bannis.txt"}) {
        std::string text;
        if (!ReadText(dir + "/" + name, text)) {
            error = "liste introuvable : " + dir + "/" + name;
            return false;
        }
        const bool ok = std::string(name) == "exclus.txt" ? ParseExclusionList(text, name, lists, error)
                                                          : ParseWordList(text, name, lists.blocked, error);
        if (!ok) return false;
    }
    return true;
}

}  // namespace lexbuild
