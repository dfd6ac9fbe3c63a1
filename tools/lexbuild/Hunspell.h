// Reads a Hunspell dictionary (.dic + .aff) whose entries and affix rules
// carry morphological fields (po: part of speech, tense and person; is:
// gender and number), and lists every form it accepts with its analysis.
//
// Only what the French dictionary uses is understood: long (two-character)
// flags, suffix rules with strip, add and a condition, NEEDAFFIX. Prefix rules
// there are elisions (l', d', qu'), which no grid word can hold: they are
// ignored.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lexbuild {

enum Pos : std::uint8_t { kNoun = 1, kAdj = 2, kVerb = 4, kAdv = 8, kOther = 16 };
enum Gender : std::uint8_t { kMas = 1, kFem = 2, kEpi = 3 };
enum Number : std::uint8_t { kSg = 1, kPl = 2, kInv = 3 };
// Tenses and moods of a verb form, as bits.
enum Tense : std::uint16_t {
    kInfi = 1 << 0, kPpre = 1 << 1, kPpas = 1 << 2, kIpre = 1 << 3, kIimp = 1 << 4,
    kIpsi = 1 << 5, kIfut = 1 << 6, kCond = 1 << 7, kSpre = 1 << 8, kSimp = 1 << 9,
    kImpe = 1 << 10,
};
// Persons, as bits: 1sg, 2sg, 3sg, 1pl, 2pl, 3pl.
inline constexpr std::uint8_t Person(int n, bool plural) {
    return static_cast<std::uint8_t>(1u << ((plural ? 3 : 0) + n - 1));
}

struct Analysis {
    std::uint32_t entry = 0;    // index of the dictionary entry (the lemma)
    std::uint8_t pos = 0;       // Pos bits
    std::uint8_t gender = 0;    // Gender, 0 unknown
    std::uint8_t number = 0;    // Number, 0 unknown
    std::uint16_t tenses = 0;   // Tense bits (verbs)
    std::uint8_t persons = 0;   // Person bits (finite verb forms)
};

struct Form {
    std::string surface;  // UTF-8, as spelled
    Analysis analysis;
};

struct Entry {
    std::string lemma;    // UTF-8
    std::uint8_t pos = 0;
    // For a verb, its class as the dictionary describes it ("v1_it_q__a"):
    // group, then i (intransitive), t (direct object), n (indirect object),
    // p (pronominal only) or q/r/x (may be pronominal), then the auxiliary.
    std::string verbClass;
};

// What a verb's class says of it.
bool PronominalOnly(const Entry& e);
bool TakesDirectObject(const Entry& e);
bool ConjugatedWithEtre(const Entry& e);

struct SuffixRule {
    std::string strip;
    std::string add;
    std::vector<std::u32string> condition;  // one set of characters per position; "^" first negates
    std::string morph;
};

class Hunspell {
public:
    // Parses the texts of the two files; returns false with a French reason
    // when they are not what is expected.
    bool Load(const std::string& affText, const std::string& dicText, std::string& error);

    const std::vector<Entry>& Entries() const { return m_entries; }
    // Every form of every entry, in the order of the .dic file.
    const std::vector<Form>& Forms() const { return m_forms; }

private:
    void Expand(const std::string& word, const std::string& flags, const std::string& morph);

    std::map<std::string, std::vector<SuffixRule>> m_suffixes;
    std::string m_needAffix;
    std::string m_forbidden;
    std::vector<Entry> m_entries;
    std::vector<Form> m_forms;
};

// Reads the po: and is: fields of a morphological description into |a|,
// adding to what it already holds.
void ParseMorph(const std::string& morph, Analysis& a);

bool ConditionMatches(const std::vector<std::u32string>& condition, const std::u32string& word);

}  // namespace lexbuild
