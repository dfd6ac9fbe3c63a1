// The hand-written lists: words with their clues, answers to leave out, and
// the blocklist of offensive words. UTF-8 text, one entry a line, '#' starts
// a comment line.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace lexbuild {

struct HandEntry {
    std::string word;    // A..Z
    std::string clue;    // UTF-8
    std::string source;  // the list's name, for the statistics
    int line = 0;
};

struct HandLists {
    std::vector<HandEntry> entries;  // in file order; the first entry of a word wins
    std::set<std::string> excluded;  // answers never to ship (A..Z)
    // Automatic pairings never to use: (lemma, synonym) as spelled, UTF-8;
    // the synonym "*" stands for every synonym of the lemma.
    std::set<std::pair<std::string, std::string>> excludedPairs;
    std::set<std::string> blocked;   // offensive words (A..Z), as answers or in clues
    // Pairings of the thesaurus a reader accepted (paires.txt). When
    // |reviewed| is set, no other pairing gives a clue.
    std::set<std::pair<std::string, std::string>> acceptedPairs;
    bool reviewed = true;
    // Verbs whose feminine and plural past participles are not used (they
    // take no direct object in practice although the dictionary allows it).
    std::set<std::string> intransitive;
};

// "WORD:Clue" lines of a clue list. The word may be written with accents
// (pêche) or in capitals (PECHE). Returns false with a French message naming
// the line on a malformed entry.
bool ParseClueList(const std::string& text, const std::string& source, std::vector<HandEntry>& out,
                   std::string& error);
// One word a line, folded to A..Z unless |fold| is false (lemmas as spelled).
bool ParseWordList(const std::string& text, const std::string& source, std::set<std::string>& out,
                   std::string& error, bool fold = true);

// paires.txt: "lemme > synonyme : ok" or "lemme > synonyme : non raison", one
// verdict of a reader for each pairing of the thesaurus.
bool ParsePairVerdicts(const std::string& text, const std::string& source, HandLists& lists, std::string& error);

// exclus.txt: answers one a line ("SOIT"), and pairings of the thesaurus
// "lemme > synonyme" (or "lemme > *") that gave wrong or weak clues.
bool ParseExclusionList(const std::string& text, const std::string& source, HandLists& lists,
                        std::string& error);

// Reads every list of |dir|: lettres.txt, mots2.txt, mots3.txt, mots4.txt,
// lieux.txt, mots.txt, then ecrits/*.txt (clue lists, in this order),
// paires.txt, intransitifs.txt, exclus.txt and bannis.txt.
bool LoadHandLists(const std::string& dir, HandLists& lists, std::string& error);

}  // namespace lexbuild
