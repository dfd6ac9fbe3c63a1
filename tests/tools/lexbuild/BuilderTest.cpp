#include <gtest/gtest.h>

#include <map>

#include "Builder.h"
#include "Hunspell.h"
#include "Lists.h"
#include "Text.h"
#include "Thesaurus.h"

namespace lexbuild {
namespace {

// A few rules in the shape of the French dictionary's: plurals, feminines,
// and some tenses of first-group verbs.
const char* const kAff =
    "SET UTF-8\n"
    "FLAG long\n"
    "NEEDAFFIX ()\n"
    "SFX S. Y 2\n"
    "SFX S. 0 0/L'D'Q' [^sxz] is:sg\n"
    "SFX S. 0 s/D'Q' [^sxz] is:pl\n"
    "SFX F+ Y 4\n"
    "SFX F+ 0 0/L'D'Q' [^sxz] is:mas is:sg\n"
    "SFX F+ 0 s/D'Q' [^sxz] is:mas is:pl\n"
    "SFX F+ 0 te/L'D'Q' t is:fem is:sg\n"
    "SFX F+ 0 tes/D'Q' t is:fem is:pl\n"
    "SFX a0 Y 13\n"
    "SFX a0 er er/n'q' er po:infi\n"
    "SFX a0 er e/j'n' [^y]er po:ipre po:spre po:1sg po:3sg\n"
    "SFX a0 er ait/n' [^g]er po:iimp po:3sg\n"
    "SFX a0 ger geait/n' ger po:iimp po:3sg\n"
    "SFX a0 er ent/n' er po:ipre po:3pl!\n"
    "SFX a0 er é/n' er po:ppas po:adj is:mas is:sg\n"
    "SFX a0 er ât/n' [^g]er po:simp po:3sg\n"
    "SFX a0 er eât/n' ger po:simp po:3sg\n"
    "SFX a0 er assions/n' [^g]er po:simp po:1pl\n"
    "SFX a0 er ée/n' er po:ppas po:adj is:fem is:sg\n"
    "SFX a0 er a/n' [^g]er po:ipsi po:3sg\n"
    "SFX a0 ger gea/n' ger po:ipsi po:3sg\n"
    "SFX a0 er ai/n' [^g]er po:ipsi po:1sg\n";

const char* const kDic =
    "18\n"
    "chat/F+() po:nom\n"
    "matou/S.() po:nom is:mas\n"
    "félin/S.() po:nom is:mas\n"
    "chaton/S.() po:nom is:mas\n"
    "manger/a0() po:v1_it____a\n"
    "dévorer/a0() po:v1__t____a\n"
    "avaler/a0() po:v1__t____a\n"
    "bâfrer/a0() po:v1__t____a\n"
    "gober/a0() po:v1__t____a\n"
    "minet/S.() po:nom is:mas\n"
    "merde/S.() po:nom is:fem\n"
    "zinc/S.() po:nom is:mas\n"
    "ronfler/a0() po:v1_i_____a\n"
    "roupiller/a0() po:v1_i_____a\n"
    "pioncer/a0() po:v1_i_____a\n"
    "somnoler/a0() po:v1_i_____a\n"
    "bagarrer/a0() po:v1____p_e_\n"
    "disputer/a0() po:v1__t____a\n";

const char* const kThes =
    "UTF-8\n"
    "chat|1\n(Nom)|chaton|matou|félin|zinc|minet\n"
    "matou|1\n(Nom)|chat|félin|chaton|minet\n"
    "félin|1\n(Nom)|chat|matou|chaton|minet|merde\n"
    "minet|1\n(Nom)|chat|matou|félin|chaton\n"
    "chaton|1\n(Nom)|chat|matou|félin|minet\n"
    "zinc|1\n(Nom)|comptoir\n"
    "manger|1\n(Verbe)|dévorer|avaler|bâfrer|gober\n"
    "dévorer|1\n(Verbe)|manger|avaler|bâfrer|gober\n"
    "avaler|1\n(Verbe)|manger|dévorer|bâfrer|gober\n"
    "bâfrer|1\n(Verbe)|manger|dévorer|avaler|gober\n"
    "gober|1\n(Verbe)|manger|dévorer|avaler|bâfrer\n"
    "ronfler|1\n(Verbe)|roupiller|pioncer|somnoler\n"
    "roupiller|1\n(Verbe)|ronfler|pioncer|somnoler\n"
    "pioncer|1\n(Verbe)|ronfler|roupiller|somnoler\n"
    "somnoler|1\n(Verbe)|ronfler|roupiller|pioncer\n"
    "bagarrer|1\n(Verbe)|disputer\n"
    "disputer|1\n(Verbe)|bagarrer\n";

struct Fixture {
    Hunspell hunspell;
    Thesaurus thesaurus;
    std::set<std::string> frequent{"chat", "matou", "félin", "manger", "dévorer", "avaler", "roupiller",
                                   "disputer"};
    HandLists lists;
    std::map<std::string, Chosen> byWord;

    // Without |accepted| pairings, every pairing is tried as when a review
    // is being prepared.
    explicit Fixture(const std::vector<HandEntry>& hand = {},
                     const std::set<std::pair<std::string, std::string>>& excludedPairs = {},
                     const std::set<std::pair<std::string, std::string>>* accepted = nullptr) {
        std::string error;
        std::string dic = kDic;
        for (int i = 0; i < 1000; ++i) dic += "mot" + std::to_string(i) + " po:nom\n";
        EXPECT_TRUE(hunspell.Load(kAff, dic, error)) << error;
        std::string thes = kThes;
        for (int i = 0; i < 1000; ++i) thes += "rien" + std::to_string(i) + "|1\n(Nom)|autre\n";
        EXPECT_TRUE(thesaurus.Load(thes, error)) << error;
        lists.blocked = {"MERDE"};
        lists.entries = hand;
        lists.excludedPairs = excludedPairs;
        lists.reviewed = accepted != nullptr;
        if (accepted) lists.acceptedPairs = *accepted;
        Builder builder({&hunspell, &thesaurus, &frequent, &lists});
        for (const Chosen& c : builder.Candidates()) byWord[c.word] = c;
    }
    std::string Clue(const std::string& word) const {
        const auto it = byWord.find(word);
        return it == byWord.end() ? "" : it->second.clue;
    }
};

TEST(Hunspell, ExpandsSuffixRulesWithTheirAnalyses) {
    Fixture f;
    std::map<std::string, Analysis> forms;
    for (const Form& form : f.hunspell.Forms()) forms[form.surface] = form.analysis;
    ASSERT_TRUE(forms.count("chattes"));
    EXPECT_EQ(forms["chattes"].gender, kFem);
    EXPECT_EQ(forms["chattes"].number, kPl);
    ASSERT_TRUE(forms.count("mangeait"));  // the "ger" rule, not the plain "er" one
    EXPECT_FALSE(forms.count("mangait"));
    EXPECT_EQ(forms["mangeait"].tenses, kIimp);
    // "3pl!" marks an irregular form: still the third person plural.
    EXPECT_EQ(forms["mangent"].persons, Person(3, true));
    // NEEDAFFIX: the bare entry is a word only through its rules.
    EXPECT_EQ(std::count_if(f.hunspell.Forms().begin(), f.hunspell.Forms().end(),
                            [](const Form& x) { return x.surface == "matou"; }),
              1);
}

TEST(Builder, CluesTakeTheInflectionOfTheWord) {
    Fixture f;
    // A noun gets one synonym: its neighbours in the thesaurus are often
    // kinds of the thing rather than synonyms.
    EXPECT_EQ(f.Clue("CHATS"), "Matous");
    EXPECT_EQ(f.Clue("MANGER"), "Dévorer, avaler");
    EXPECT_EQ(f.Clue("MANGEAIT"), "Dévorait, avalait");
    EXPECT_EQ(f.Clue("MANGENT"), "Dévorent, avalent");
    // MANGE and MANGÉ are one grid word: it gets one clue, of one sense.
    EXPECT_EQ(f.Clue("MANGE"), "Dévoré, avalé");
}

TEST(Builder, LeavesOutWhatItCannotClueSafely) {
    Fixture f;
    // Words of up to four letters are in every grid: only the hand lists
    // clue them.
    EXPECT_EQ(f.Clue("CHAT"), "");
    // CHATTE: no synonym has a feminine of its own.
    EXPECT_EQ(f.Clue("CHATTE"), "");
    // ZINC lists COMPTOIR, which does not list it back (and is no entry).
    EXPECT_EQ(f.Clue("ZINCS"), "");
    // A blocked word is neither an answer nor part of a clue.
    EXPECT_EQ(f.Clue("MERDE"), "");
    for (const auto& [word, c] : f.byWord) EXPECT_EQ(Fold(c.clue).find("MERDE"), std::string::npos);
    // CHATON and CHAT share a stem: neither clues the other.
    EXPECT_EQ(f.Clue("CHATON"), "Matou");
    EXPECT_EQ(f.Clue("CHATS").find("haton"), std::string::npos);
}

TEST(Builder, KeepsOnlyTheVerbFormsADailyPrints) {
    Fixture f;
    // Never the imperfect subjunctive, whatever the person.
    EXPECT_EQ(f.byWord.count("MANGEASSIONS"), 0u);
    EXPECT_EQ(f.byWord.count("MANGEAT"), 0u);
    // The past historic: the third person of a verb people use, never the
    // first, and nothing of a rare verb (bâfrer is not in the frequent list).
    EXPECT_EQ(f.Clue("MANGEA"), "Dévora, avala");
    EXPECT_EQ(f.byWord.count("MANGEAI"), 0u);
    EXPECT_EQ(f.byWord.count("BAFRA"), 0u);
    EXPECT_EQ(f.Clue("BAFRAIT"), "Mangeait, dévorait");
    // A verb that exists only with "se" is neither an answer nor a clue.
    for (const char* w : {"BAGARRER", "BAGARRAIT", "BAGARRENT"}) EXPECT_EQ(f.byWord.count(w), 0u) << w;
    EXPECT_EQ(f.Clue("DISPUTER"), "");
    // A verb without a direct object has no feminine participle (RONFLEE),
    // but its invariable one and its conjugated forms are fine.
    EXPECT_EQ(f.byWord.count("RONFLEE"), 0u);
    EXPECT_EQ(f.Clue("RONFLE"), "Roupillé");
    EXPECT_EQ(f.Clue("RONFLAIT"), "Roupillait");
    EXPECT_EQ(f.byWord["RONFLER"].kind, kKindInfinitive);
    EXPECT_EQ(f.byWord["RONFLAIT"].kind, kKindFinite);
    EXPECT_EQ(f.byWord["CHATS"].kind, kKindNoun);
}

TEST(Builder, OnlyReviewedPairingsGiveClues) {
    const std::set<std::pair<std::string, std::string>> accepted{{"chat", "matou"}, {"manger", "avaler"}};
    Fixture f({}, {}, &accepted);
    EXPECT_EQ(f.Clue("CHATS"), "Matous");
    EXPECT_EQ(f.Clue("MANGEAIT"), "Avalait");
    // dévorer > manger was never reviewed.
    EXPECT_EQ(f.Clue("DEVORAIT"), "");
    EXPECT_EQ(f.byWord["CHATS"].source, kSourceReviewed);

    HandLists lists;
    std::string error;
    ASSERT_TRUE(ParsePairVerdicts("# relu\nchat > matou : ok\nfélin > chat : non hyperonyme\n", "paires.txt", lists,
                                  error))
        << error;
    EXPECT_EQ(lists.acceptedPairs, (std::set<std::pair<std::string, std::string>>{{"chat", "matou"}}));
    EXPECT_EQ(lists.excludedPairs.count({"félin", "chat"}), 1u);
    EXPECT_FALSE(ParsePairVerdicts("chat > matou : peut-être\n", "paires.txt", lists, error));
    EXPECT_NE(error.find("ligne 1"), std::string::npos) << error;
    EXPECT_FALSE(ParsePairVerdicts("chat matou ok\n", "paires.txt", lists, error));
}

TEST(Builder, ConjugatedFormsStayUnderTwoFifths) {
    std::vector<Chosen> candidates;
    for (int i = 0; i < 30; ++i) {
        Chosen finite{"VERBE" + std::string(1, char('A' + i % 26)) + std::string(i / 26 + 1, 'Z'), "Clue", kTierVerbForm, kSourceReviewed, 50};
        finite.kind = kKindFinite;
        candidates.push_back(finite);
    }
    for (int i = 0; i < 12; ++i) {
        Chosen noun{"NOMS" + std::string(1, char('A' + i)) + "X", "Clue", kTierLemma, kSourceReviewed, 50};
        noun.kind = kKindNoun;
        candidates.push_back(noun);
    }
    Fixture f;
    Builder b({&f.hunspell, &f.thesaurus, &f.frequent, &f.lists});
    int finite = 0;
    int all = 0;
    for (const Chosen& c : b.Select(candidates, Limits{})) {
        ++all;
        finite += c.kind == kKindFinite;
    }
    EXPECT_EQ(all, 12 + 8);
    EXPECT_EQ(finite, 8);  // 40 % of 20
}

TEST(Builder, ExcludedPairingsAreNeverUsed) {
    Fixture f({}, {{"chat", "matou"}, {"dévorer", "*"}, {"manger", "dévorer"}});
    // The next synonym takes the place of an excluded one.
    EXPECT_EQ(f.Clue("CHATS"), "Félins");
    EXPECT_EQ(f.Clue("MANGEAIT"), "Avalait");
    // "*" leaves the lemma without any automatic clue.
    EXPECT_EQ(f.Clue("DEVORER"), "");
    EXPECT_EQ(f.Clue("DEVORAIT"), "");
}

TEST(Lists, ExclusionsNameAnswersAndPairings) {
    HandLists lists;
    std::string error;
    ASSERT_TRUE(ParseExclusionList("# commentaire\nSOIT\nchat > matou\nmanger > *\nété\n", "exclus.txt",
                                   lists, error))
        << error;
    EXPECT_EQ(lists.excluded, (std::set<std::string>{"SOIT", "ETE"}));
    EXPECT_EQ(lists.excludedPairs.count({"chat", "matou"}), 1u);
    EXPECT_EQ(lists.excludedPairs.count({"manger", "*"}), 1u);
    // A malformed line is named with its number.
    EXPECT_FALSE(ParseExclusionList("SOIT\nChat > Matou, félin\n", "exclus.txt", lists, error));
    EXPECT_NE(error.find("ligne 2"), std::string::npos) << error;
}

TEST(Builder, HandEntriesWinAndAreCheckedForGivingTheAnswerAway) {
    Fixture f({{"CHAT", "Animal qui ronronne", "mots.txt", 1},
               {"CHAT", "Deuxième entrée ignorée", "mots.txt", 2}});
    EXPECT_EQ(f.Clue("CHAT"), "Animal qui ronronne");
    EXPECT_EQ(f.byWord["CHAT"].tier, kTierHand);

    std::set<std::string> none;
    HandLists lists;
    lists.entries = {{"CHAT", "Chaton adulte", "mots.txt", 3}, {"CAR", "Autocar", "mots3.txt", 4},
                     {"BUS", "Autocar", "mots3.txt", 5}};
    Builder b({&f.hunspell, &f.thesaurus, &none, &lists});
    b.Candidates();
    ASSERT_EQ(b.HandFaults().size(), 2u);
    EXPECT_NE(b.HandFaults()[0].find("ligne 3"), std::string::npos);
    EXPECT_NE(b.HandFaults()[1].find("ligne 4"), std::string::npos);
}

TEST(SharesStem, CatchesStemsButNotSharedEndings) {
    EXPECT_TRUE(SharesStem("CHATS", "Chatons"));
    EXPECT_TRUE(SharesStem("ABAISSER", "Rabaisser"));
    EXPECT_TRUE(SharesStem("DECOUVRIR", "Couvrir"));
    EXPECT_TRUE(SharesStem("MANGENT", "Mangeaient"));
    EXPECT_TRUE(SharesStem("SES", "Adjectif possessif"));
    EXPECT_FALSE(SharesStem("ABAISSEMENT", "Affaissement"));
    EXPECT_FALSE(SharesStem("MANGEAIENT", "Dévoraient"));
    EXPECT_FALSE(SharesStem("ADAGE", "Proverbe, dicton"));
    EXPECT_FALSE(SharesStem("OS", "Pièce du squelette"));
    // Whatever prefix either word carries, but not for a shared ending.
    EXPECT_TRUE(GivesAnswerAway("REPARAISSANT", "Réapparaissant"));
    EXPECT_TRUE(GivesAnswerAway("SURNOMMERAS", "Dénommeras"));
    EXPECT_TRUE(GivesAnswerAway("TRILINGUES", "Multilingues"));
    EXPECT_TRUE(GivesAnswerAway("ADMETTAIENT", "Permettaient"));
    EXPECT_FALSE(GivesAnswerAway("ACADIENNE", "Canadienne"));
    EXPECT_FALSE(GivesAnswerAway("ACCLIMATAIENT", "Adaptaient"));
    EXPECT_FALSE(GivesAnswerAway("PROMENADE", "Balade à pied"));
    EXPECT_FALSE(GivesAnswerAway("INTERDIT", "Défendu"));
    EXPECT_FALSE(GivesAnswerAway("PRESENTER", "Montrer, exposer"));
}

TEST(Text, FoldsFrenchWordsToGridLetters) {
    EXPECT_EQ(Fold("pêché"), "PECHE");
    EXPECT_EQ(Fold("œil"), "OEIL");
    EXPECT_EQ(Fold("Noël"), "NOEL");
    EXPECT_EQ(Fold("porte-clé"), "");
    EXPECT_EQ(Fold("l'eau"), "");
    EXPECT_EQ(Fold("niño"), "");
    EXPECT_TRUE(IsLowerFrenchWord("ambiguë"));
    EXPECT_FALSE(IsLowerFrenchWord("Paris"));
    EXPECT_EQ(Capitalise("écho"), "Écho");
    EXPECT_EQ(Capitalise("œuvre"), "Œuvre");
    EXPECT_TRUE(FitsCp1252("Œuvre, « chef-d'œuvre »"));
    EXPECT_FALSE(FitsCp1252("Ĉapelo"));
}

}  // namespace
}  // namespace lexbuild
