// Chooses the words of the dictionary and writes a clue for each.
//
// Clues come from the hand lists first; words of up to four letters, which
// every grid uses, get no other. Every longer word may get a synonym from the
// thesaurus, put in the word's own inflection (CHATS "Matous", MANGEAIT
// "Dévorait"), and only when the pairing looks safe: each word stands near
// the head of the other's list, the two lists share synonyms, the synonym is
// a frequent word of the same part of speech, can be inflected the same way,
// shares no stem with the word and was not excluded on review. A word without
// such a clue is left out.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Hunspell.h"
#include "Lists.h"
#include "Thesaurus.h"

namespace lexbuild {

// Usefulness, best first: the order words are taken in and written.
enum Tier : int {
    kTierHand = 0,
    kTierFrequentLemma = 1,
    kTierFrequentInflection = 2,
    kTierLemma = 3,
    kTierFrequentVerbForm = 4,
    kTierInflection = 5,
    kTierVerbForm = 6,       // forms of frequent verbs
    kTierRareVerbForm = 7,   // forms of the other verbs
    kTierCount = 8,
};
const char* TierName(int tier);

// What an entry is, for the statistics and the share of conjugated forms.
enum Kind : int {
    kKindNoun, kKindAdjective, kKindAdverb, kKindInfinitive, kKindParticiple, kKindFinite,
    kKindOther,   // hand entries the dictionary does not know: places, abbreviations
    kKindLetter,
};
const char* KindName(int kind);

// The source of every automatic clue: a pairing of the thesaurus that a
// reader accepted.
inline const char* const kSourceReviewed = "thésaurus, appariement relu";

struct Chosen {
    Chosen() = default;
    Chosen(std::string w, std::string c, int t, std::string src, int sc, std::string l = {}, std::string syn = {})
        : word(std::move(w)), clue(std::move(c)), tier(t), source(std::move(src)), score(sc), lemma(std::move(l)),
          synonyms(std::move(syn)) {}

    std::string word;    // A..Z, 1 to 15 letters
    std::string clue;    // UTF-8
    int tier = 0;
    std::string source;  // a hand list's name, or the kind of automatic clue
    int score = 0;
    std::string lemma;     // for an automatic clue: the word's lemma and the synonyms used
    std::string synonyms;
    int kind = kKindOther;
};

struct Limits {
    std::size_t maxLexBytes = 999692;    // the buffer less the table's additions
    std::size_t maxLines = 99995;        // line feeds the shuffle can start from
    std::size_t maxDexBytes = 2999000;   // searched with certainty
    std::size_t maxWords = 0;            // 0: as many as the limits allow
};

struct Inputs {
    const Hunspell* hunspell = nullptr;
    const Thesaurus* thesaurus = nullptr;
    const std::set<std::string>* frequent = nullptr;  // frequent forms, UTF-8 lower case
    const HandLists* lists = nullptr;
};

// True when |clue| holds the word, or a word of the same stem as |word|.
bool SharesStem(const std::string& word, const std::string& clue);
// True when a word of |clue| and |word| share a root behind different
// prefixes (SURNOMMER, dénommer; TRILINGUE, multilingue).
bool SharesRoot(const std::string& word, const std::string& clue);
// Either of the two: such a clue is never written.
bool GivesAnswerAway(const std::string& word, const std::string& clue);

class Builder {
public:
    explicit Builder(const Inputs& inputs);

    // Every word that gets a clue, best first, before any limit.
    std::vector<Chosen> Candidates();
    // The words to ship: hand words always, then the best candidates while
    // the limits hold. The 26 letters come first, the rest in file order.
    std::vector<Chosen> Select(const std::vector<Chosen>& candidates, const Limits& limits) const;

    // Hand entries whose clue gives the answer away, is too long or holds a
    // blocked word: the lists must be mended before the files are written.
    const std::vector<std::string>& HandFaults() const { return m_handFaults; }

private:
    struct Pick;
    bool Blocked(const std::string& utf8Text) const;
    bool AgreeingParticiple(const Entry& verb) const;
    bool SynonymVerbFits(const std::string& synonym, const Analysis& like) const;
    void IndexForms();
    bool Inflect(const std::string& lemma, std::uint8_t pos, const Analysis& like,
                 const Analysis& answerEntry, std::string& out) const;
    bool ClueFor(const Form& form, std::uint8_t pos, std::string& clue, int& score, std::string& used) const;

    Inputs m_in;
    std::vector<std::string> m_handFaults;
    std::vector<std::vector<std::uint32_t>> m_formsOfEntry;
    std::vector<std::vector<std::uint32_t>> m_entriesOfLemma;  // indexed by lemma id
    std::vector<std::string> m_lemmas;
    std::map<std::string, std::uint32_t> m_lemmaIds;
    std::vector<std::uint32_t> m_lemmaOfEntry;
    std::vector<std::uint8_t> m_entryGenders;  // genders the entry's forms take
    std::set<std::string> m_frequentLemmas;    // lemmas one of whose forms is frequent
    std::map<std::string, std::set<std::uint32_t>> m_lemmasOfWord;  // grid word: lemma ids
    std::set<std::string> m_nominalSurfaces;   // forms of nouns and adjectives
    std::set<std::string> m_commonVerbs;       // verbs whose infinitive is frequent
    std::map<std::string, Kind> m_kindOfWord;  // grid word: its least conjugated reading
};

}  // namespace lexbuild
