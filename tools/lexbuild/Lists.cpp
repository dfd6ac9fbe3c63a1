#include "Lists.h"

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

}  // namespace

bool ParseClueList(const std::string& text, const std::string& source, std::vector<HandEntry>& out,
                   std::string& error) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const std::string where = source + ", ligne " + std::to_string(number) + " : ";
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
    }
    return true;
}

bool ParseWordList(const std::string& text, const std::string& source, std::set<std::string>& out,
                   std::string& error) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const std::string word = Fold(line);
        if (word.empty()) {
            error = source + ", ligne " + std::to_string(number) + " : « " + line +
                    " » n'est pas un mot";
            return false;
        }
        out.insert(word);
    }
    return true;
}

bool LoadHandLists(const std::string& dir, HandLists& lists, std::string& error) {
    for (const char* name : {"lettres.txt", "mots2.txt", "mots3.txt", "lieux.txt", "mots.txt"}) {
        std::string text;
        if (!ReadText(dir + "/" + name, text)) {
            error = "liste introuvable : " + dir + "/" + name;
            return false;
        }
        if (!ParseClueList(text, name, lists.entries, error)) return false;
    }
    for (auto [name, set] : {std::pair<const char*, std::set<std::string>*>{"exclus.txt", &lists.excluded},
                             {"bannis.txt", &lists.blocked}}) {
        std::string text;
        if (!ReadText(dir + "/" + name, text)) {
            error = "liste introuvable : " + dir + "/" + name;
            return false;
        }
        if (!ParseWordList(text, name, *set, error)) return false;
    }
    return true;
}

}  // namespace lexbuild
