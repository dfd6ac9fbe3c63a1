#include "Builder.h"

#include <algorithm>
#include <map>

#include "Codepage.h"
#include "Text.h"

namespace lexbuild {
namespace {

constexpr std::size_t kMaxClueLength = 40;
constexpr std::size_t kShortWord = 4;
constexpr std::size_t kHandOnly = 4;
// The thesaurus merges the senses of a word into one list, main sense first,
// and pairs words through any of their meanings (accablement: exonération,
// through abattement). A synonym is trusted only when each word stands among
// the first few of the other's list, the two lists share several synonyms,
// and the synonym is a word people use: the frequency list knows it.
constexpr int kMaxRank = 4;
constexpr int kMaxVerbRank = 8;
constexpr int kMaxNounRank = 2;
constexpr int kMaxSecondRank = 2;
constexpr int kMinShared = 3;
constexpr int kMinSharedFirst = 2;  // enough for two words first in each other's lists

std::size_t CommonPrefix(const std::string& a, const std::string& b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
    return n;
}

// The part of a word its inflections and derivations keep: all but the last
// two letters, and never less than four.
std::string Core(const std::string& w) { return w.substr(0, std::max<std::size_t>(4, w.size() - 2)); }

bool TokenSharesStem(const std::string& w, const std::string& t) {
    if (w == t) return true;
    if (w.size() < 3 || t.size() < 3) return false;
    if (t.find(w) != std::string::npos) return true;
    if (t.size() >= 4 && w.find(t) != std::string::npos) return true;
    if (CommonPrefix(w, t) >= std::min<std::size_t>(4, std::min(w.size(), t.size()))) return true;
    if (w.size() >= 6 && t.find(Core(w)) != std::string::npos) return true;
    if (t.size() >= 6 && w.find(Core(t)) != std::string::npos) return true;
    return false;
}

bool NumberMatches(std::uint8_t want, std::uint8_t have) {
    if (want == kPl) return have == kPl || have == kInv;
    return have != kPl;
}

bool GenderMatches(std::uint8_t want, std::uint8_t have) {
    if (have == 0) return want != kFem;
    return (have & (want == kFem ? kFem : kMas)) != 0;
}

// The one tense and person an answer's clue is put in, when a verb form has
// several (MANGE is a present indicative, a subjunctive and an imperative).
std::uint16_t PickTense(std::uint16_t tenses) {
    for (std::uint16_t t : {kIpre, kIimp, kIpsi, kIfut, kCond, kSpre, kSimp, kImpe, kInfi, kPpre, kPpas})
        if (tenses & t) return t;
    return 0;
}

std::uint8_t PickPerson(std::uint8_t persons) {
    for (std::uint8_t p : {Person(3, false), Person(3, true), Person(1, false), Person(2, false),
                           Person(1, true), Person(2, true)})
        if (persons & p) return p;
    return 0;
}

// Forms nobody writes or reads in a grid unless they are common: the first
// and second persons of the imperfect subjunctive (fussiez, mangeassions)
// and of the plural past historic (mangeâmes), and any of these two tenses
// of verbs that are themselves rare, but for the third person singular of
// the past historic (pédala).
bool RareVerbForm(const Analysis& a, bool verbFrequent) {
    const std::uint16_t other = a.tenses & ~(kSimp | kIpsi);
    if (other) return false;
    const std::uint8_t third = Person(3, false) | Person(3, true);
    if (!(a.persons & third)) return a.persons & (Person(1, true) | Person(2, true)) || (a.tenses & kSimp);
    if (verbFrequent) return false;
    return (a.tenses & kSimp) || !(a.persons & Person(3, false));
}

int TenseRarity(std::uint16_t tenses) {
    if (tenses & ~(kSimp | kIpsi)) return 0;
    return tenses & kIpsi ? 1 : 2;
}

std::size_t Cp1252Bytes(const std::string& utf8) { return verbal::Utf8ToCp1252(utf8).size(); }

}  // namespace

const char* TierName(int tier) {
    static const char* const kNames[kTierCount] = {
        "listes écrites à la main", "lemmes fréquents", "flexions fréquentes (pluriels, féminins, participes)",
        "autres lemmes", "formes verbales fréquentes", "autres flexions",
        "formes de verbes fréquents", "formes de verbes rares"};
    return tier >= 0 && tier < kTierCount ? kNames[tier] : "?";
}

bool SharesStem(const std::string& word, const std::string& clue) {
    const std::vector<std::string> w = FoldedTokens(word);
    if (w.empty()) return false;
    for (const std::string& t : FoldedTokens(clue))
        for (const std::string& part : w)
            if (TokenSharesStem(part, t)) return true;
    return false;
}

struct Builder::Pick {
    std::string synonym;
    int rank = 0;      // place of the synonym in the word's list
    int backRank = 0;  // place of the word in the synonym's list
    int shared = 0;    // synonyms the two lists share
    int score = 0;
};

Builder::Builder(const Inputs& inputs) : m_in(inputs) { IndexForms(); }

void Builder::IndexForms() {
    const std::vector<Entry>& entries = m_in.hunspell->Entries();
    const std::vector<Form>& forms = m_in.hunspell->Forms();
    m_formsOfEntry.assign(entries.size(), {});
    m_entryGenders.assign(entries.size(), 0);
    for (std::uint32_t i = 0; i < forms.size(); ++i) {
        m_formsOfEntry[forms[i].analysis.entry].push_back(i);
        m_entryGenders[forms[i].analysis.entry] |= forms[i].analysis.gender;
        if (m_in.frequent->count(forms[i].surface))
            m_frequentLemmas.insert(entries[forms[i].analysis.entry].lemma);
    }
    std::map<std::string, std::uint32_t>& ids = m_lemmaIds;
    m_lemmaOfEntry.resize(entries.size());
    for (std::uint32_t e = 0; e < entries.size(); ++e) {
        auto [it, added] = ids.emplace(entries[e].lemma, static_cast<std::uint32_t>(m_lemmas.size()));
        if (added) {
            m_lemmas.push_back(entries[e].lemma);
            m_entriesOfLemma.emplace_back();
        }
        m_lemmaOfEntry[e] = it->second;
        m_entriesOfLemma[it->second].push_back(e);
    }
    for (const Form& f : forms) {
        if (!IsLowerFrenchWord(f.surface)) continue;
        std::set<std::uint32_t>& lemmas = m_lemmasOfWord[Fold(f.surface)];
        lemmas.insert(m_lemmaOfEntry[f.analysis.entry]);
        if (!f.analysis.tenses && (f.analysis.pos & (kNoun | kAdj)))
            m_nominalSurfaces.insert(f.surface);
    }
}

bool Builder::Blocked(const std::string& utf8Text) const {
    for (const std::string& t : FoldedTokens(utf8Text))
        if (m_in.lists->blocked.count(t)) return true;
    return false;
}

// Puts the synonym |lemma| in the inflection of the answer |like|.
bool Builder::Inflect(const std::string& lemma, std::uint8_t pos, const Analysis& like,
                      const Analysis& answerEntry, std::string& out) const {
    const auto found = m_lemmaIds.find(lemma);
    if (found == m_lemmaIds.end()) return false;
    const std::vector<Form>& forms = m_in.hunspell->Forms();
    const std::uint16_t tense = PickTense(like.tenses);
    const bool finite = tense && !(tense & (kInfi | kPpre | kPpas));
    if (pos == kVerb && finite && like.persons == 0) return false;
    const std::uint8_t person = finite ? PickPerson(like.persons) : 0;
    // A noun with a feminine of its own (chat, chatte) wants one in the clue.
    const bool nounGender = pos == kNoun && like.gender == kFem &&
                            (m_entryGenders[answerEntry.entry] & kMas);
    for (std::uint32_t e : m_entriesOfLemma[found->second]) {
        if (!(m_in.hunspell->Entries()[e].pos & pos)) continue;
        for (std::uint32_t fi : m_formsOfEntry[e]) {
            const Analysis& a = forms[fi].analysis;
            bool ok = false;
            if (pos == kVerb) {
                ok = (a.tenses & tense) && (person == 0 || (a.persons & person)) &&
                     // Participles agree exactly: an invariable one (pédalé)
                     // cannot stand for a feminine or a plural.
                     (tense != kPpas || (a.gender == like.gender && a.number == like.number));
            } else if (a.tenses) {
                ok = false;
            } else if (pos == kAdj) {
                ok = GenderMatches(like.gender, a.gender) && NumberMatches(like.number, a.number);
            } else if (pos == kNoun) {
                ok = NumberMatches(like.number, a.number) &&
                     (!nounGender || a.gender == kFem) &&
                     (nounGender || like.gender == kFem || a.gender != kFem ||
                      !(m_entryGenders[e] & kMas));
            } else {
                ok = forms[fi].surface == lemma;
            }
            if (ok) {
                out = forms[fi].surface;
                return true;
            }
        }
    }
    return false;
}

bool Builder::ClueFor(const Form& form, std::uint8_t pos, std::string& clue, int& score,
                      std::string& used) const {
    const std::string& lemma = m_in.hunspell->Entries()[form.analysis.entry].lemma;
    const Thesaurus& thes = *m_in.thesaurus;
    const std::vector<std::string>& syns = thes.Synonyms(lemma);
    if (syns.empty() || m_in.lists->excludedPairs.count({lemma, "*"})) return false;

    std::vector<Pick> picks;
    // Verbs have fewer senses in the thesaurus than nouns: their lists go a
    // little further before they wander. Noun lists soon turn to kinds and
    // neighbours of the thing (abeille: reine, bourdon; violon: alto).
    const int maxRank = pos == kVerb ? kMaxVerbRank : pos == kNoun ? kMaxNounRank : kMaxRank;
    for (std::size_t i = 0; i < syns.size() && static_cast<int>(i) <= maxRank; ++i) {
        const std::string& s = syns[i];
        if (!IsLowerFrenchWord(s) || !m_frequentLemmas.count(s)) continue;
        const std::vector<std::string>& back = thes.Synonyms(s);
        const auto where = std::find(back.begin(), back.end(), lemma);
        if (where == back.end() || where - back.begin() > maxRank) continue;
        if (SharesStem(lemma, s) || SharesStem(form.surface, s) || Blocked(s)) continue;
        if (m_in.lists->excludedPairs.count({lemma, s})) continue;
        Pick p;
        p.synonym = s;
        p.rank = static_cast<int>(i);
        p.backRank = static_cast<int>(where - back.begin());
        for (const std::string& b : back)
            if (std::find(syns.begin(), syns.end(), b) != syns.end()) ++p.shared;
        if (p.shared < (p.rank + p.backRank == 0 ? kMinSharedFirst : kMinShared)) continue;
        p.score = 100 - 15 * (p.rank + p.backRank) + 3 * std::min(p.shared, 10);
        picks.push_back(std::move(p));
    }
    std::stable_sort(picks.begin(), picks.end(),
                     [](const Pick& a, const Pick& b) { return a.score > b.score; });

    const Pick* first = nullptr;
    std::string firstText;
    for (const Pick& p : picks) {
        std::string text;
        if (!Inflect(p.synonym, pos, form.analysis, form.analysis, text)) continue;
        // A verb form that is also a noun or an adjective of another word
        // misleads (RIONS: "Marrons", BAIES: "Rêves").
        if (pos == kVerb && text != p.synonym && m_nominalSurfaces.count(text)) continue;
        if (SharesStem(form.surface, text) || Fold(text) == Fold(form.surface) || Blocked(text)) continue;
        if (!first) {
            first = &p;
            firstText = text;
            continue;
        }
        // A second synonym of the same sense makes the clue surer; for a
        // noun it is too often a neighbour rather than a synonym.
        if (pos == kNoun || p.rank > kMaxSecondRank || p.backRank > kMaxSecondRank) continue;
        if (!thes.Lists(first->synonym, p.synonym) || !thes.Lists(p.synonym, first->synonym)) continue;
        if (SharesStem(firstText, text)) continue;
        const std::string both = Capitalise(firstText) + ", " + text;
        if (Length(both) <= kMaxClueLength) {
            clue = both;
            score = first->score + 10;
            used = first->synonym + "," + p.synonym;
            return true;
        }
    }
    if (!first) return false;
    clue = Capitalise(firstText);
    score = first->score;
    used = first->synonym;
    return Length(clue) <= kMaxClueLength;
}

std::vector<Chosen> Builder::Candidates() {
    const std::vector<Form>& forms = m_in.hunspell->Forms();
    const std::vector<Entry>& entries = m_in.hunspell->Entries();
    std::map<std::string, Chosen> best;

    std::map<std::string, int> commonest;  // grid word: the least rare tense of its verb forms
    for (const Form& form : forms) {
        if (!form.analysis.tenses || !IsLowerFrenchWord(form.surface)) continue;
        const std::string word = Fold(form.surface);
        const auto it = commonest.find(word);
        const int rarity = TenseRarity(form.analysis.tenses);
        if (it == commonest.end() || rarity < it->second) commonest[word] = rarity;
    }
    for (const Form& form : forms) {
        if (!IsLowerFrenchWord(form.surface)) continue;
        const std::string word = Fold(form.surface);
        // Words of up to four letters are in every grid: they are all
        // written by hand.
        if (word.size() <= kHandOnly || word.size() > 15) continue;
        if (m_in.lists->excluded.count(word) || m_in.lists->blocked.count(word)) continue;
        const Analysis& a = form.analysis;
        const std::string& lemma = entries[a.entry].lemma;
        if (Blocked(lemma)) continue;
        const bool frequent = m_in.frequent->count(form.surface) != 0;
        // A grid word spelled like forms of several words (BAIES: baie and
        // bayer, CHUTE: chute and chuter) is read as its noun or adjective:
        // a clue from a conjugated verb would mislead.
        const bool homograph = m_lemmasOfWord[word].size() > 1;

        std::vector<std::pair<std::uint8_t, int>> tries;  // part of speech, tier
        if (a.tenses) {
            if (homograph && !(a.tenses & kInfi)) continue;
            if (a.tenses & kInfi) {
                tries.push_back({kVerb, frequent ? kTierFrequentLemma : kTierLemma});
            } else if (a.tenses & kPpas) {
                tries.push_back({kVerb, frequent ? kTierFrequentInflection : kTierInflection});
            } else if (frequent) {
                tries.push_back({kVerb, kTierFrequentVerbForm});
            } else {
                const bool verbFrequent = m_frequentLemmas.count(lemma) != 0;
                if (RareVerbForm(a, verbFrequent)) continue;
                tries.push_back({kVerb, verbFrequent ? kTierVerbForm : kTierRareVerbForm});
            }
        } else {
            const bool isLemma = form.surface == lemma;
            const int tier = isLemma ? (frequent ? kTierFrequentLemma : kTierLemma)
                                     : (frequent ? kTierFrequentInflection : kTierInflection);
            if (a.pos & kAdj) tries.push_back({kAdj, tier});
            if (a.pos & kNoun) tries.push_back({kNoun, tier});
            if (a.pos & kAdv) tries.push_back({kAdv, tier});
        }
        for (auto [pos, tier] : tries) {
            std::string clue;
            int score = 0;
            std::string used;
            if (!ClueFor(form, pos, clue, score, used)) continue;
            // A grid word that is several forms of one verb (RALENTIT,
            // ralentît) is read as its commonest one: a clue for a rarer
            // one would mislead.
            if (pos == kVerb && TenseRarity(a.tenses) > commonest[word]) continue;
            auto it = best.find(word);
            if (it != best.end() &&
                (it->second.tier < tier || (it->second.tier == tier && it->second.score >= score)))
                break;
            Chosen c;
            c.word = word;
            c.clue = clue;
            c.tier = tier;
            c.score = score;
            c.source = pos == kVerb ? "verbe" : pos == kAdj ? "adjectif" : pos == kNoun ? "nom" : "adverbe";
            c.lemma = lemma;
            c.synonyms = used;
            best[word] = c;
            break;
        }
    }

    // Hand entries win over everything; the first entry of a word counts.
    std::set<std::string> handDone;
    std::vector<Chosen> out;
    for (const HandEntry& h : m_in.lists->entries) {
        if (!handDone.insert(h.word).second) continue;
        if (SharesStem(h.word, h.clue) || Length(h.clue) > kMaxClueLength || m_in.lists->blocked.count(h.word) ||
            Blocked(h.clue))
            m_handFaults.push_back(h.source + ", ligne " + std::to_string(h.line) + " : " + h.word + " « " +
                                   h.clue + " »");
        best.erase(h.word);
        out.push_back({h.word, h.clue, kTierHand, h.source, 1000});
    }
    std::vector<Chosen> rest;
    for (auto& [word, c] : best) rest.push_back(std::move(c));
    std::stable_sort(rest.begin(), rest.end(), [](const Chosen& a, const Chosen& b) {
        if (a.tier != b.tier) return a.tier < b.tier;
        if (a.score != b.score) return a.score > b.score;
        return a.word < b.word;
    });
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

std::vector<Chosen> Builder::Select(const std::vector<Chosen>& candidates, const Limits& limits) const {
    std::vector<Chosen> letters;
    std::vector<Chosen> words;
    // The header line and the closing lines of the .lex, the header of the .dex.
    std::size_t lexBytes = 100;
    std::size_t lines = 4;
    std::size_t dexBytes = 60;
    // Short words make grids: every one that has a clue is taken first.
    std::vector<const Chosen*> order;
    for (const Chosen& c : candidates)
        if (c.word.size() <= kShortWord) order.push_back(&c);
    for (const Chosen& c : candidates)
        if (c.word.size() > kShortWord) order.push_back(&c);
    for (const Chosen* pc : order) {
        const Chosen& c = *pc;
        const std::size_t dexLine = c.word.size() + 1 + Cp1252Bytes(c.clue) + 2;
        if (c.word.size() == 1) {
            letters.push_back(c);
            dexBytes += dexLine;
            continue;
        }
        const std::size_t lexLine = c.word.size() + 3;
        if (c.tier != kTierHand) {
            if (limits.maxWords && words.size() >= limits.maxWords) continue;
            if (lexBytes + lexLine > limits.maxLexBytes || lines + 1 > limits.maxLines ||
                dexBytes + dexLine > limits.maxDexBytes)
                continue;
        }
        lexBytes += lexLine;
        dexBytes += dexLine;
        ++lines;
        words.push_back(c);
    }
    std::sort(letters.begin(), letters.end(), [](const Chosen& a, const Chosen& b) { return a.word < b.word; });
    // The shuffle draws its starting points from the first part of the file
    // only: the most useful words go there, each tier in a fixed pseudo-random
    // order so that no part of the alphabet is favoured.
    std::stable_sort(words.begin(), words.end(), [](const Chosen& a, const Chosen& b) {
        if (a.tier != b.tier) return a.tier < b.tier;
        const auto ha = Hash(a.word);
        const auto hb = Hash(b.word);
        return ha != hb ? ha < hb : a.word < b.word;
    });
    letters.insert(letters.end(), words.begin(), words.end());
    return letters;
}

}  // namespace lexbuild
