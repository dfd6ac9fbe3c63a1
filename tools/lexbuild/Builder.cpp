#include "Builder.h"

#include <algorithm>
#include <map>

#include "Codepage.h"
#include "Text.h"

namespace lexbuild {
namespace {

constexpr std::size_t kMaxClueLength = 40;      // a synonym or two
constexpr std::size_t kMaxHandClueLength = 60;  // a periphrasis, as a daily writes it
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

// Prefixes French stacks on a stem: REPARAITRE and REAPPARAITRE,
// SURNOMMER and DENOMMER, TRILINGUE and MULTILINGUE share one.
const char* const kPrefixes[] = {"RE", "RA", "DE", "DES", "DIS", "SUR", "SOUS", "SUB", "IN", "IM", "IR", "IL",
                                 "EN", "EM", "A", "AC", "AD", "AF", "AG", "AP", "AR", "AS", "AT", "CO",
                                 "COM", "CON", "COR", "PRE", "PRO", "PER", "PAR", "TRANS", "INTER", "SUPER",
                                 "TRI", "BI", "MULTI", "MONO", "POLY", "ANTI", "AUTO", "CONTRE", "ENTRE",
                                 "MAL", "MES", "EX", "OB", "OUTRE", "SEMI", "HYPER", "HYPO", "MICRO", "MACRO",
                                 "TELE", "PSEUDO", "QUADRI", "UNI", "PLURI"};

// The word without one or two of those prefixes, keeping five letters at least.
std::vector<std::string> Stems(const std::string& w) {
    std::vector<std::string> out{w};
    for (std::size_t round = 0; round < 2; ++round) {
        const std::size_t n = out.size();
        for (std::size_t i = 0; i < n; ++i)
            for (const char* p : kPrefixes) {
                const std::string prefix(p);
                if (out[i].size() >= prefix.size() + 5 && out[i].compare(0, prefix.size(), prefix) == 0)
                    out.push_back(out[i].substr(prefix.size()));
            }
    }
    return out;
}

// Stems meet at their start: endings are shared by every verb of a group.
bool StemsMeet(const std::string& a, const std::string& b) { return CommonPrefix(a, b) >= 5; }

bool TokenSharesRoot(const std::string& w, const std::string& t) {
    if (w.size() < 7 || t.size() < 7) return false;
    const std::vector<std::string> ws = Stems(w);
    const std::vector<std::string> ts = Stems(t);
    for (std::size_t i = 0; i < ws.size(); ++i)
        for (std::size_t j = 0; j < ts.size(); ++j)
            if ((i || j) && StemsMeet(ws[i], ts[j])) return true;
    return false;
}

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

// The finite forms a daily prints: the third persons of the present,
// imperfect, future and conditional; for verbs people use, the third persons
// of the past historic too and the other persons of the four main tenses.
// Never the imperfect subjunctive (gelât, lissassent), the past historic of
// a first or second person (osai, bêchas), nor a form that is only a
// subjunctive or an imperative. Narrows |a| to the tenses and persons kept
// and returns how plain the form is (0 plainest), or -1 to leave it out.
int DailyForm(Analysis& a, bool common) {
    const std::uint16_t main = kIpre | kIimp | kIfut | kCond;
    const std::uint8_t third = Person(3, false) | Person(3, true);
    if ((a.tenses & main) && (a.persons & third)) {
        a.tenses &= main;
        a.persons &= third;
        return 0;
    }
    if (!common) return -1;
    if ((a.tenses & kIpsi) && (a.persons & third)) {
        a.tenses = kIpsi;
        a.persons &= third;
        return 1;
    }
    if ((a.tenses & main) && (a.persons & ~third)) {
        a.tenses &= main;
        a.persons &= static_cast<std::uint8_t>(~third);
        return 2;
    }
    return -1;
}

std::size_t Cp1252Bytes(const std::string& utf8) { return verbal::Utf8ToCp1252(utf8).size(); }

}  // namespace

const char* KindName(int kind) {
    static const char* const kNames[] = {"noms", "adjectifs", "adverbes", "infinitifs", "participes",
                                         "formes conjuguées", "autres (lieux, sigles, mots des listes)", "lettres"};
    return kind >= 0 && kind <= kKindLetter ? kNames[kind] : "?";
}

const char* TierName(int tier) {
    static const char* const kNames[kTierCount] = {
        "listes écrites à la main", "lemmes fréquents", "flexions fréquentes (pluriels, féminins, participes)",
        "autres lemmes", "formes verbales fréquentes", "autres flexions",
        "formes de verbes fréquents", "formes de verbes rares"};
    return tier >= 0 && tier < kTierCount ? kNames[tier] : "?";
}

bool SharesRoot(const std::string& word, const std::string& clue) {
    const std::vector<std::string> w = FoldedTokens(word);
    for (const std::string& t : FoldedTokens(clue))
        for (const std::string& part : w)
            if (TokenSharesRoot(part, t)) return true;
    return false;
}

bool GivesAnswerAway(const std::string& word, const std::string& clue) {
    return SharesStem(word, clue) || SharesRoot(word, clue);
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
        if ((f.analysis.tenses & kInfi) && m_in.frequent->count(f.surface)) m_commonVerbs.insert(f.surface);
        if (!IsLowerFrenchWord(f.surface)) continue;
        // What a hand-clued word counts as: its least conjugated reading.
        const Analysis& a = f.analysis;
        const Kind kind = !a.tenses ? (a.pos & kNoun ? kKindNoun : a.pos & kAdj ? kKindAdjective
                                                                : a.pos & kAdv ? kKindAdverb : kKindOther)
                          : a.tenses & kInfi ? kKindInfinitive
                          : a.tenses & (kPpas | kPpre) ? kKindParticiple : kKindFinite;
        auto known = m_kindOfWord.emplace(Fold(f.surface), kind);
        if (!known.second && kind < known.first->second) known.first->second = kind;
        std::set<std::uint32_t>& lemmas = m_lemmasOfWord[Fold(f.surface)];
        lemmas.insert(m_lemmaOfEntry[f.analysis.entry]);
        if (!f.analysis.tenses && (f.analysis.pos & (kNoun | kAdj)))
            m_nominalSurfaces.insert(f.surface);
    }
}

bool Builder::AgreeingParticiple(const Entry& verb) const {
    return (TakesDirectObject(verb) || ConjugatedWithEtre(verb)) && !m_in.lists->intransitive.count(verb.lemma);
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

// A clue verb must be usable in the answer's form: not a verb that needs
// "se", and able to agree where the answer's participle agrees.
bool Builder::SynonymVerbFits(const std::string& synonym, const Analysis& like) const {
    const auto found = m_lemmaIds.find(synonym);
    if (found == m_lemmaIds.end()) return false;
    const bool agrees = (like.tenses & kPpas) && (like.gender == kFem || like.number == kPl);
    for (std::uint32_t e : m_entriesOfLemma[found->second]) {
        const Entry& entry = m_in.hunspell->Entries()[e];
        if (!(entry.pos & kVerb)) continue;
        if (PronominalOnly(entry)) return false;
        if (agrees && !AgreeingParticiple(entry)) return false;
    }
    return true;
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
        if (GivesAnswerAway(lemma, s) || GivesAnswerAway(form.surface, s) || Blocked(s)) continue;
        if (m_in.lists->excludedPairs.count({lemma, s})) continue;
        if (m_in.lists->reviewed && !m_in.lists->acceptedPairs.count({lemma, s})) continue;
        if (pos == kVerb && !SynonymVerbFits(s, form.analysis)) continue;
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
        if (GivesAnswerAway(form.surface, text) || Fold(text) == Fold(form.surface) || Blocked(text)) continue;
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

    // A grid word that is several forms of one verb (RALENTIT, ralentît) is
    // read as its plainest one: a clue for a rarer one would mislead.
    std::map<std::string, int> plainest;
    for (const Form& form : forms) {
        if (!form.analysis.tenses || !IsLowerFrenchWord(form.surface)) continue;
        if (form.analysis.tenses & (kInfi | kPpre | kPpas)) continue;
        Analysis narrowed = form.analysis;
        const int rank = DailyForm(narrowed, m_commonVerbs.count(entries[form.analysis.entry].lemma) != 0);
        if (rank < 0) continue;
        const std::string word = Fold(form.surface);
        const auto it = plainest.find(word);
        if (it == plainest.end() || rank < it->second) plainest[word] = rank;
    }
    for (const Form& original : forms) {
        if (!IsLowerFrenchWord(original.surface)) continue;
        const std::string word = Fold(original.surface);
        // Words of up to four letters are in every grid: they are all
        // written by hand.
        if (word.size() <= kHandOnly || word.size() > 15) continue;
        if (m_in.lists->excluded.count(word) || m_in.lists->blocked.count(word)) continue;
        Form form = original;
        Analysis& a = form.analysis;
        const Entry& entry = entries[a.entry];
        const std::string& lemma = entry.lemma;
        if (Blocked(lemma)) continue;
        const bool frequent = m_in.frequent->count(form.surface) != 0;
        // A grid word spelled like forms of several words (BAIES: baie and
        // bayer, CHUTE: chute and chuter) is read as its noun or adjective:
        // a clue from a conjugated verb would mislead.
        const bool homograph = m_lemmasOfWord[word].size() > 1;

        std::vector<std::pair<std::uint8_t, int>> tries;  // part of speech, tier
        Kind kind = kKindFinite;
        if (a.tenses) {
            // Verbs that exist only with "se" lose their pronoun in a grid
            // (BAGARRENT, ENFUIRAS): a daily does not print them.
            if (PronominalOnly(entry)) continue;
            if (homograph && !(a.tenses & kInfi)) continue;
            if (a.tenses & kInfi) {
                a.tenses = kInfi;
                kind = kKindInfinitive;
                tries.push_back({kVerb, frequent ? kTierFrequentLemma : kTierLemma});
            } else if (a.tenses & (kPpas | kPpre)) {
                a.tenses &= kPpas | kPpre;
                // A feminine or plural participle needs a verb that takes a
                // direct object or is conjugated with être (COLLABOREES).
                if ((a.tenses & kPpas) && (a.gender == kFem || a.number == kPl) && !AgreeingParticiple(entry))
                    continue;
                kind = kKindParticiple;
                tries.push_back({kVerb, frequent ? kTierFrequentInflection : kTierInflection});
            } else {
                const bool common = m_commonVerbs.count(lemma) != 0;
                const int rank = DailyForm(a, common);
                if (rank < 0 || rank > plainest[word]) continue;
                tries.push_back({kVerb, frequent ? kTierFrequentVerbForm
                                                 : rank == 0 && common ? kTierVerbForm : kTierRareVerbForm});
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
            auto it = best.find(word);
            if (it != best.end() &&
                (it->second.tier < tier || (it->second.tier == tier && it->second.score >= score)))
                break;
            Chosen c;
            c.word = word;
            c.clue = clue;
            c.tier = tier;
            c.score = score;
            c.source = kSourceReviewed;
            c.kind = pos == kVerb ? kind : pos == kAdj ? kKindAdjective : pos == kNoun ? kKindNoun : kKindAdverb;
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
        if (GivesAnswerAway(h.word, h.clue) || Length(h.clue) > kMaxHandClueLength || m_in.lists->blocked.count(h.word) ||
            Blocked(h.clue))
            m_handFaults.push_back(h.source + ", ligne " + std::to_string(h.line) + " : " + h.word + " « " +
                                   h.clue + " »");
        best.erase(h.word);
        Chosen c{h.word, h.clue, kTierHand, h.source, 1000};
        const auto kind = m_kindOfWord.find(h.word);
        c.kind = h.word.size() == 1 ? kKindLetter : kind == m_kindOfWord.end() ? kKindOther : kind->second;
        out.push_back(std::move(c));
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
    // Conjugated forms make at most two fifths of the words: a daily's long
    // answers are nouns, adjectives, infinitives and participles.
    std::size_t others = 0;
    for (const Chosen* pc : order)
        if (pc->kind != kKindFinite && pc->word.size() >= 2) ++others;
    const std::size_t maxFinite = others * 2 / 3;
    std::size_t finite = 0;
    for (const Chosen* pc : order) {
        const Chosen& c = *pc;
        if (c.kind == kKindFinite && c.tier != kTierHand) {
            if (finite >= maxFinite) continue;
            ++finite;
        }
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
