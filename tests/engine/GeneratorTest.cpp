// The generator end to end: golden grids, the row loop's back-up rules, the
// stop button, and what the person sees along the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Codepage.h"
#include "DictWriter.h"
#include "Documents.h"
#include "FakeHost.h"
#include "GridText.h"
#include "VerbalineDoc.h"

namespace verbal::test {
namespace {

// A grid computed as "Calculer" computes it once its dialog is answered.
std::unique_ptr<CVerbalineDoc> Computed(FakeHost& host, const std::string& lex, int size,
                                        int quality) {
    auto doc = NewDocument(&host, NamedSounds());
    doc->Compute(Choice(lex, size, quality));
    return doc;
}

// --- golden grids -------------------------------------------------------

struct Golden {
    std::string dictionary;
    int size;
    int quality;
    std::int64_t seed;
    std::vector<std::string> rows;
    std::uint64_t checks;
    std::uint64_t fills;
};

// Grids of the small test dictionary. They fix the generator's behaviour
// step for step: any change to the shuffle, the candidate order, the column
// test or the back-up rules changes them.
const Golden kSmallGoldens[] = {
    {"Petit", 6, 0, 1, {"LIGNER", "ADRET#", "TEE#AH", "#ECSTA", "AL#A#B", "B#VIA#"}, 28460, 6},
    {"Petit", 6, 0, 2, {"SB#SB#", "TRIPE#", "RU#ADO", "ILS#ES", "GOIM#S", "ETC#AU"}, 34404, 6},
    {"Petit", 6, 1, 1, {"LERCHE", "NOUEUR", "#NEPER", "A#RE#E", "TH#ELU", "MOI##R"}, 26972, 8},
    {"Petit", 6, 1, 2, {"SR#GOI", "TAPER#", "RIEL#D", "INNE#U", "GENER#", "ERE#AB"}, 35286, 8},
    {"Petit", 6, 2, 1, {"LERCHE", "IBIDEM", "SEC#MI", "#NID#E", "DENUER", "E##OS#"}, 26190, 8},
    {"Petit", 6, 2, 2, {"SLAVE#", "TOPO#A", "RUPIN#", "IPECA#", "GELIF#", "ERE#ED"}, 39515, 10},
    {"Petit", 6, 3, 1, {"LERCHE", "IBIDEM", "SEC#PP", "#NID#A", "PENIEN", "C##TH#"}, 86129, 17},
    {"Petit", 6, 3, 2, {"SLAVE#", "TOPO#A", "RUPIN#", "IPECA#", "GELIF#", "ERE#ED"}, 114728, 22},
};

// Grids of the shipped dictionary, as the full scans of the word table give
// them (the search indexes off). They change with data/Standard.lex: after a
// rebuild of the dictionary, compute them again with the indexes off.
const Golden kShippedGoldens[] = {
    {"Standard", 6, 0, 1, {"SHERIF", "NATALE", "#NASSE", "A#TH#S", "SUS#A#", "#N#BIC"}, 47641, 6},
    {"Standard", 6, 0, 2, {"AVISEE", "GALETS", "ARETE#", "R#S#SB", "#A#A#A", "FRONTS"}, 32824, 6},
    {"Standard", 6, 0, 3, {"FIACRE", "AVISES", "C#E#A#", "ESSE#A", "SU#NES", "#TV#H#"}, 44835, 6},
    {"Standard", 6, 0, 4, {"CILS#A", "ONU#OB", "UV#MUA", "PISE#T", "ETES#T", "SECS#U"}, 35405, 6},
    {"Standard", 6, 0, 5, {"TESTES", "AGA#XE", "BALS#B", "ALUN#I", "CET#IL", "SES#RE"}, 24661, 6},
    {"Standard", 6, 1, 1, {"SHERIF", "CALINE", "ALIGNA", "TETA#L", "#RE#A#", "A#SUIT"}, 33005, 6},
    {"Standard", 6, 1, 2, {"AVISEE", "REFUSA", "MUSA#U", "EX#NO#", "E#ATRE", "SON#SU"}, 38035, 6},
    {"Standard", 6, 1, 3, {"FIACRE", "AVISES", "NES#CS", "ASEXUE", "L#SIL#", "#A##SU"}, 39442, 6},
    {"Standard", 6, 1, 4, {"CC#EMU", "OURSON", "URES#S", "PANEL#", "EGO#O#", "SEMAIT"}, 64653, 9},
    {"Standard", 6, 1, 5, {"TOTON#", "ALOI#S", "BERNEE", "ARES#L", "COR#AL", "SNOB#E"}, 30559, 6},
    {"Standard", 6, 2, 1, {"SHERIF", "CORAIL", "OUST#A", "TEE#YS", "C##BAH", "HAN#K#"}, 61523, 10},
    {"Standard", 6, 2, 2, {"AVISEE", "FRONTS", "FANA#C", "LI#CAR", "U#OK#O", "XX#SEC"}, 132010, 19},
    {"Standard", 6, 2, 3, {"FIACRE", "ONDEES", "USANTS", "LEGERE", "ERE#O#", "SE#A#A"}, 57697, 10},
    {"Standard", 6, 2, 4, {"CC#PHI", "OUIRA#", "URDU#C", "PAIN#A", "EGOUTS", "SETS#H"}, 173478, 23},
    {"Standard", 6, 2, 5, {"TEST#U", "ACCENT", "BLAME#", "AUTOS#", "CS#I#R", "SEANCE"}, 34762, 6},
    {"Standard", 6, 3, 1, {"SHERIF", "CORAIL", "OUST#A", "TEE#YS", "C##BAH", "HAN#K#"}, 61523, 10},
    {"Standard", 6, 3, 2, {"AVISEE", "COTEAU", "CRESUS", "RAMA##", "OC#MOL", "CELERI"}, 41048, 10},
    {"Standard", 6, 3, 3, {"FIACRE", "ONDEES", "USANTS", "LEGERE", "ERE#O#", "SE#A#A"}, 92384, 16},
    {"Standard", 6, 3, 4, {"CM#BAL", "OEIL#E", "URBAIN", "PLIS#S", "EIDER#", "SN#REA"}, 37205, 6},
    {"Standard", 6, 3, 5, {"TEST#U", "ACCENT", "BLAME#", "AUTOS#", "CS#I#R", "SEANCE"}, 34762, 6},
    {"Standard", 8, 0, 1, {"SEMBLAIT", "ANNUAIRE", "C##TIRER", "SUISSES#", "#NO##S#A", "RENIA#NU", "ASSOIRA#", "B##NEE#A"}, 171103, 8},
    {"Standard", 8, 0, 2, {"EXECUTIF", "HESITERA", "##T##SEC", "LI#MATS#", "VIRAGE#A", "##ELARGI", "LOGERA#E", "IBIS#SUS"}, 195318, 8},
    {"Standard", 8, 0, 3, {"LEUCEMIE", "ATTENDIT", "DE#P###A", "S#DECHET", "#FUSIONS", "NES#LU##", "IR#USAGE", "BUIS##ON"}, 170690, 8},
    {"Standard", 8, 0, 4, {"SB#IFS#S", "LAON#UNE", "OBIT#POP", "VOLA#PIS", "AU#COLS#", "QI#TUEES", "UNES#ES#", "E#X#AS#A"}, 183006, 10},
    {"Standard", 8, 0, 5, {"CM#AS#AH", "RAB#UT#A", "UT#IRAS#", "CU#FERU#", "IRES#TIC", "AIX#AIT#", "UT#INNES", "XE#REA#U"}, 306498, 11},
    {"Standard", 8, 1, 1, {"SEMBLAIT", "BOUDERIE", "#N##VA#C", "A#BOA#OK", "PREVINT#", "RETENUES", "EGO#SISE", "#INN#S#C"}, 427413, 14},
    {"Standard", 8, 1, 2, {"EXECUTIF", "VISITERA", "E#TV#SIX", "#POINTS#", "RECLUS#A", "OU#SE#LI", "DRU#SUEE", "ESSE#SUS"}, 174489, 8},
    {"Standard", 8, 1, 3, {"LEUCEMIE", "ATTENDIT", "SU#TV##A", "SIL#OMIT", "ASOCIAL#", "I#THEIER", "TITANS#A", "#VERT#VI"}, 360276, 14},
    {"Standard", 8, 1, 4, {"ECOLES#R", "NOIERA#U", "VUS#GLAS", "EROS#OSA", "RANCONS#", "RN#II#IL", "ETRES#DU", "ZEE#EAUX"}, 176148, 8},
    {"Standard", 8, 1, 5, {"CM#GAULE", "ROBOTS#N", "UT#URES#", "COTTE#OC", "IRES#ILE", "AIT#PRES", "USEES#I#", "XE#XI#LA"}, 183274, 8},
    {"Standard", 8, 2, 1, {"SEMBLAIT", "BOUDERIE", "#NA#IR#C", "A##A#EUH", "ODORAT#N", "URNES#NO", "TOCS#OB#", "#P##YS#A"}, 451592, 15},
    {"Standard", 8, 2, 2, {"EXECUTIF", "VISITERA", "A#CLIMAT", "SIR#LOI#", "A#OBEI#A", "NOCE#NOS", "TUS#PSI#", "#F#LI#EX"}, 565915, 25},
    {"Standard", 8, 2, 3, {"LEUCEMIE", "ATTENDIT", "POINT##A", "SULTANE#", "#RE#MOTS", "BD#DONNE", "OISON#AU", "A#INSU#L"}, 901881, 32},
    {"Standard", 8, 2, 4, {"ECARTERA", "NOVA#COL", "VUES#LIT", "ERRATA#O", "RAS#OTA#", "RN#TIENS", "ETNA#EON", "ZEBU#SN#"}, 678789, 28},
    {"Standard", 8, 2, 5, {"PV#MIAOU", "RIEUR#PT", "ESCRIME#", "MIRADOR#", "UTILITES", "NET#UT#U", "IR#EMET#", "EAUX#SIC"}, 398329, 21},
    {"Standard", 8, 3, 1, {"SEMBLAIT", "BOUDERIE", "#NI#IR#C", "A#DV#EUH", "YS#RAT#N", "ATLAS#MO", "NA#ITOU#", "TRI#IREZ"}, 326944, 12},
    {"Standard", 8, 3, 3, {"LEUCEMIE", "IMPOSAIT", "ABATTU#A", "ROSIERE#", "DU#ERE#A", "#TER#SUS", "HISSE#N#", "ART#USES"}, 867123, 41},
    {"Standard", 8, 3, 5, {"PV#MIAOU", "RIEUR#PT", "ESCRIME#", "MIRADOR#", "UTILITES", "NET#UT#U", "IR#EMET#", "EAUX#SIC"}, 398208, 21},
    {"Standard", 10, 0, 1, {"OBTIENNENT", "REVISION#A", "SN##TES#YS", "#ICI#E#OS#", "UNION#IR#A", "N#L#ENNEMI", "ESSIEU#SIX", "SE#OSER#E#", "#PIN#RAFLE", "PSI#A#BA#H"}, 1163521, 19},
    {"Standard", 10, 0, 2, {"INJOUABLES", "REECRIRAS#", "EST#ELUS#A", "S#ANSES#LI", "#A#A#E#YIN", "DRU#USES#E", "ECRAN#H#YS", "S#EUES#CS#", "#RE#SUEE#A", "PH#A#ESSAI"}, 1049822, 16},
};

class GoldenGrid : public ::testing::TestWithParam<Golden> {};

std::string PathOf(const Golden& golden) {
    return golden.dictionary == "Petit" ? SmallDictionaryPath() : ShippedDictionaryPath();
}

TEST_P(GoldenGrid, TheSameSeedGivesTheSameGridWithEveryClue) {
    const Golden& golden = GetParam();
    FakeHost host;
    host.seconds = golden.seed;
    auto doc = Computed(host, PathOf(golden), golden.size, golden.quality);
    ASSERT_TRUE(doc->GridReady());
    EXPECT_EQ(SolutionRows(*doc), golden.rows);
    EXPECT_EQ(doc->SearchStats().columnChecks, golden.checks);
    EXPECT_EQ(doc->SearchStats().rowsFilled, golden.fills);
    EXPECT_EQ(host.Count("MessageBox"), 0) << (host.messages.empty() ? "" : host.messages[0].caption);

    // The grid is a crossword: every run of letters across and down is a
    // dictionary word or a letter, and has its clue.
    const std::vector<std::string> words = WordsOfDictionary(PathOf(golden));
    const std::set<std::string> known(words.begin(), words.end());
    for (Direction direction : {Direction::Across, Direction::Down})
        for (int line = 1; line <= golden.size; ++line)
            for (const LineWord& word : doc->Words(direction, line)) {
                if (word.word.size() > 1) {
                    EXPECT_TRUE(known.count(word.word)) << word.word;
                }
                EXPECT_FALSE(doc->Clue(direction, line, word.number).empty()) << word.word;
            }
    // Black squares reach the player's grid, and only they.
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 20; ++c)
            EXPECT_EQ(doc->PlayerCell(r, c) == ' ', doc->SolutionCell(r, c) == ' ') << r << "," << c;
    EXPECT_EQ(doc->CountFilledCells(), 0u);
    EXPECT_EQ(doc->RowsDone(), 20);
    EXPECT_TRUE(doc->GridDrawn());
}

std::string GoldenName(const ::testing::TestParamInfo<Golden>& info) {
    const Golden& g = info.param;
    return "Size" + std::to_string(g.size) + "Quality" + std::to_string(g.quality) + "Seed" +
           std::to_string(g.seed);
}

INSTANTIATE_TEST_SUITE_P(SmallDictionary, GoldenGrid, ::testing::ValuesIn(kSmallGoldens),
                         GoldenName);
INSTANTIATE_TEST_SUITE_P(ShippedDictionary, GoldenGrid, ::testing::ValuesIn(kShippedGoldens),
                         GoldenName);

// --- what the person sees ---------------------------------------------

TEST(Generator, AComputationShowsTheWaitBoxThenTheStopBoxAndPlaysItsSounds) {
    FakeHost host;
    host.seconds = 1;
    auto doc = Computed(host, SmallDictionaryPath(), 6, 0);
    ASSERT_TRUE(doc->GridReady());

    const std::vector<std::string> names = host.Names();
    const std::vector<std::string> start(names.begin(), names.begin() + 8);
    EXPECT_EQ(start, (std::vector<std::string>{"BeginWaitCursor", "InvalidateAll", "CreateWaitBox",
                                               "PlaySound", "DestroyWaitBox", "EndWaitCursor",
                                               "CreateStopBox", "ProgressChanged"}));
    const std::vector<std::string> end(names.end() - 3, names.end());
    EXPECT_EQ(end, (std::vector<std::string>{"PlaySound", "InvalidateAll", "DestroyStopBox"}));
    EXPECT_EQ(host.Sounds().back(), "tuttut");
    EXPECT_EQ(host.waitCursorDepth, 0);
    EXPECT_FALSE(host.stopBoxShown);
    EXPECT_FALSE(host.waitBoxShown);
    EXPECT_FALSE(doc->IsComputing());
    EXPECT_EQ(doc->GridOrigin(), (CPoint{80, 60}));
    // The pump runs once every 500 column checks, and shows the progress.
    EXPECT_EQ(host.checkStopCalls, static_cast<int>(doc->SearchStats().columnChecks / 500));
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        if (names[i] == "CheckStop") {
            EXPECT_EQ(names[i + 1], "ProgressChanged") << i;
        }
    }
}

TEST(Generator, ASmallGridShowsItsLastProgressOnEnteringTheRowBelowIt) {
    FakeHost host;
    host.seconds = 1;
    auto doc = NewDocument(&host, NamedSounds());
    std::vector<int> progress;  // rows done at each computing sound of the row loop
    std::string shown;          // the progress told to the host just before
    bool prepared = false;
    host.onCall = [&](const FakeHost::Call& call) {
        if (call.name == "ProgressChanged") shown = call.detail;
        if (call.name != "PlaySound" || call.detail != "zip") return;
        if (!prepared) {
            prepared = true;  // the first one comes with the word table
            return;
        }
        progress.push_back(doc->RowsDone());
        EXPECT_EQ(shown, std::to_string(doc->RowsDone()));
    };
    doc->Compute(Choice(SmallDictionaryPath(), 6, 0));
    ASSERT_TRUE(doc->GridReady());
    // Golden 6x6 quality 0 seed 1 fills each row at the first try.
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(doc->RowsDone(), 20);
}

TEST(Generator, TheStopButtonEmptiesTheGridAndFallsBackToSixBySix) {
    FakeHost host;
    host.seconds = 1;
    // A grid first, whose clues the stopped computation must not leave.
    auto doc = Computed(host, SmallDictionaryPath(), 6, 0);
    ASSERT_FALSE(doc->Clue(Direction::Across, 1, 1).empty());
    host.Clear();
    host.stopAt = [](int call) { return call == 3; };
    doc->Compute(Choice(SmallDictionaryPath(), 8, 3));
    EXPECT_FALSE(doc->GridReady());
    EXPECT_FALSE(doc->GridDrawn());
    EXPECT_EQ(doc->GridSize(), 6);
    EXPECT_FALSE(doc->IsComputing());
    EXPECT_TRUE(SolutionRows(*doc) == std::vector<std::string>(6, "......"));
    EXPECT_EQ(PlayerRows(*doc), std::vector<std::string>(6, "......"));
    EXPECT_EQ(doc->Clue(Direction::Across, 1, 1), "");
    // The wait box comes at the pump that saw the request and goes at the end;
    // no clue is looked up and no grid-ready sound played.
    const std::vector<std::string> names = host.Names();
    const std::vector<std::string> end(names.end() - 4, names.end());
    EXPECT_EQ(end, (std::vector<std::string>{"InvalidateAll", "DestroyWaitBox", "EndWaitCursor",
                                             "DestroyStopBox"}));
    EXPECT_EQ(host.Count("CreateWaitBox"), 2);
    EXPECT_EQ(host.Count("MessageBox"), 0);
    for (const std::string& sound : host.Sounds()) EXPECT_EQ(sound, "zip");
    EXPECT_EQ(host.waitCursorDepth, 0);
    EXPECT_FALSE(host.stopBoxShown);
}

TEST(Generator, AMissingDictionaryShowsOneBoxAndLeavesNothingOnScreen) {
    FakeHost host;
    TempDir dir;
    auto doc = Computed(host, dir.File("Absent.lex"), 6, 1);
    EXPECT_FALSE(doc->GridReady());
    EXPECT_FALSE(doc->DictionaryOpened());
    EXPECT_EQ(host.Names(), (std::vector<std::string>{"BeginWaitCursor", "MessageBox",
                                                      "EndWaitCursor", "DestroyStopBox"}));
    EXPECT_EQ(host.Captions(), std::vector<std::string>{"Erreur d'ouverture de fichier !"});
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(host.waitCursorDepth, 0);
    EXPECT_FALSE(doc->IsComputing());
}

TEST(Generator, ADictionaryThatCannotFitIsRefusedWithItsReason) {
    FakeHost host;
    TempDir dir;
    WriteFile(dir.File("Gros.dex"), "x");
    WriteFile(dir.File("Gros.lex"), std::string(kDictionarySize - kTableAdditions + 1, 'A'));
    auto doc = Computed(host, dir.File("Gros.lex"), 6, 1);
    EXPECT_FALSE(doc->GridReady());
    EXPECT_TRUE(doc->DictionaryOpened());
    EXPECT_EQ(host.Names(), (std::vector<std::string>{"BeginWaitCursor", "MessageBox",
                                                      "EndWaitCursor", "DestroyStopBox"}));
    EXPECT_EQ(host.Captions(), std::vector<std::string>{"Dictionnaire non conforme."});
    EXPECT_NE(Cp1252ToUtf8(host.messages[0].text).find("trop volumineux (" + dir.File("Gros.lex")),
              std::string::npos);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(host.messages[0].owner, MsgOwner::View);
}

// A word table with a length missing would keep the search going for ever:
// the box is shown, the search never starts, and the grid there before the
// command comes back whole.
TEST(Generator, AWordTableWithAMissingLengthEndsTheComputationAndGivesTheGridBack) {
    FakeHost host;
    host.seconds = 1;
    TempDir dir;
    std::vector<std::string> words;
    for (int length = 2; length <= 15; ++length)
        if (length != 9) words.push_back(std::string(length, static_cast<char>('A' + length)));
    const std::string lex = WriteDictionaryPair(dir.Path(), "Trou", words);
    auto doc = Computed(host, SmallDictionaryPath(), 6, 0);
    ASSERT_TRUE(doc->GridReady());
    const std::vector<char> before = doc->WriteGridBytes();
    host.Clear();

    doc->Compute(Choice(lex, 8, 2));
    EXPECT_EQ(host.Captions(), std::vector<std::string>{"Dictionnaire non conforme."});
    EXPECT_EQ(host.Count("CreateStopBox"), 0);
    EXPECT_EQ(host.Count("CheckStop"), 0);
    EXPECT_EQ(host.waitCursorDepth, 0);
    EXPECT_FALSE(doc->IsComputing());
    EXPECT_TRUE(doc->GridReady());
    EXPECT_EQ(doc->GridSize(), 6);
    EXPECT_EQ(doc->WriteGridBytes(), before);
}

TEST(Generator, WordsWithoutADefinitionGetAWarningAndOneBoxPerGrid) {
    FakeHost host;
    host.seconds = 1;
    TempDir dir;
    // The small dictionary, with definitions for the letters only.
    WriteFile(dir.File("Petit.lex"), ReadFile(SmallDictionaryPath()));
    std::vector<std::pair<std::string, std::string>> letters;
    for (char c = 'A'; c <= 'Z'; ++c) letters.emplace_back(std::string(1, c), "Lettre");
    WriteScrambled(dir.File("Petit.dex"), DefinitionsText(letters));
    auto doc = Computed(host, dir.File("Petit.lex"), 6, 0);
    ASSERT_TRUE(doc->GridReady());
    int longWords = 0;
    for (Direction direction : {Direction::Across, Direction::Down})
        for (int line = 1; line <= 6; ++line)
            for (const LineWord& word : doc->Words(direction, line)) {
                const std::string clue = Cp1252ToUtf8(doc->Clue(direction, line, word.number));
                if (word.word.size() == 1) {
                    EXPECT_EQ(clue, "Lettre");
                } else {
                    ++longWords;
                    EXPECT_EQ(clue, "ATTENTION PROBLEME : La définition de ce mot n'a pas été trouvée !");
                }
            }
    EXPECT_GT(longWords, 1);
    ASSERT_EQ(host.messages.size(), 1u) << "once per grid, not once per word";
    EXPECT_EQ(host.Captions()[0], "Erreur au cours de la recherche d'une définition !");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(host.messages[0].owner, MsgOwner::View);
    // The grid-ready sound comes after the last box.
    EXPECT_EQ(host.Sounds().back(), "tuttut");
}

TEST(Generator, AMissingDefinitionsFileOffersRetryThenLeavesTheCluesEmpty) {
    FakeHost host;
    host.seconds = 1;
    TempDir dir;
    WriteFile(dir.File("Petit.lex"), ReadFile(SmallDictionaryPath()));
    host.messageAnswers = {IDRETRY, IDCANCEL};
    auto doc = Computed(host, dir.File("Petit.lex"), 6, 0);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(Cp1252ToUtf8(host.messages[0].text), "Erreur d'ouverture du fichier de définitions.");
    EXPECT_EQ(host.messages[0].caption, "Verbaline 2000");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(host.messages[0].owner, MsgOwner::App);
    // The grid is ready all the same, without clues.
    ASSERT_TRUE(doc->GridReady());
    EXPECT_EQ(doc->Clue(Direction::Across, 1, 1), "");

    // Too large for the buffer: refused with one message, nothing read.
    WriteFile(dir.File("Petit.dex"), std::string(kDefinitionsSize + 1, 'x'));
    host.Clear();
    doc->Compute(Choice(dir.File("Petit.lex"), 6, 0));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(Cp1252ToUtf8(host.messages[0].text).find("trop volumineux"), std::string::npos);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Stop);
    EXPECT_TRUE(doc->GridReady());
}

TEST(Generator, SoundsSetToAucunAreNotPlayed) {
    FakeHost host;
    host.seconds = 1;
    Sounds sounds = NamedSounds();
    sounds[0] = "Aucun";
    sounds[1] = "aucun";  // a file name, not the word that switches sounds off
    auto doc = NewDocument(&host, sounds);
    doc->Compute(Choice(SmallDictionaryPath(), 6, 0));
    EXPECT_EQ(host.Sounds(), std::vector<std::string>{"aucun"});
}

// --- the row loop's back-up rules -------------------------------------

// Rows come from a script instead of the word table: each entry of a row
// takes the next scripted outcome (a row of text, or "" for a failure).
class ScriptedDoc : public CVerbalineDoc {
public:
    using CVerbalineDoc::CVerbalineDoc;
    std::map<int, std::deque<std::string>> script;
    std::deque<int> duplicates;  // outcomes of the duplicate test, 1 when empty
    std::vector<int> entered;

    int FillRow(int r) override {
        if (r > GridSize()) return 1;
        entered.push_back(r);
        auto& outcomes = script[r];
        if (outcomes.empty()) {
            ADD_FAILURE() << "row " << r << " entered once too often";
            RequestStop();
            return 0;
        }
        const std::string row = outcomes.front();
        outcomes.pop_front();
        for (std::size_t c = 0; c < row.size(); ++c) SolutionRow(r)[c] = row[c] == '#' ? ' ' : row[c];
        return row.empty() ? 0 : 1;
    }
    int CheckDuplicates() const override {
        auto& queue = const_cast<std::deque<int>&>(duplicates);
        if (queue.empty()) return 1;
        const int result = queue.front();
        queue.pop_front();
        return result;
    }
};

class RowLoop : public ::testing::Test {
protected:
    void SetUp() override {
        doc = NewDocument<ScriptedDoc>(&host);
        host.seconds = 1;
    }

    void Generate() { doc->Compute(Choice(SmallDictionaryPath(), 6, 0)); }

    void Script(int row, std::initializer_list<std::string> outcomes) {
        doc->script[row] = outcomes;
    }

    FakeHost host;
    std::unique_ptr<ScriptedDoc> doc;
};

// Rows that fail before any column test never reach the counted polls: the
// row loop polls on its own, so the stop button still ends the search.
TEST_F(RowLoop, RowsThatNeverReachAColumnTestStillHearTheStopButton) {
    doc->script[1].assign(100000, "");
    host.stopAt = [](int call) { return call == 3; };
    Generate();
    EXPECT_EQ(host.checkStopCalls, 3);
    EXPECT_FALSE(doc->GridReady());
    EXPECT_LE(doc->entered.size(), 3u * CGridSearch::kPumpEvery);
}

TEST_F(RowLoop, FailedFirstRowsStartOverAndARowTwoEchoingRowOneIsDropped) {
    // Row 2 starting with row 1's second letter is dropped without counting
    // a failure.
    Script(1, {"", "ABCDEF", "GHIJKL", "MNOPQR"});
    Script(2, {"", "HXXXXX", "XXXXXX"});
    for (int r = 3; r <= 6; ++r) Script(r, {"YYYYYY"});
    Generate();
    EXPECT_EQ(doc->entered, (std::vector<int>{1, 1, 2, 1, 2, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(doc->GridReady());
}

TEST_F(RowLoop, FourFailuresSinceTheDeepestRowBackUpTwoRows) {
    Script(1, {"AAAAAA", "AAAAAA"});
    Script(2, {"BBBBBB", "BBBBBB", "BBBBBB", "BBBBBB", "BBBBBB"});
    Script(3, {"", "", "", "", "CCCCCC"});
    Script(4, {"DDDDDD"});
    Script(5, {"EEEEEE"});
    Script(6, {"FFFFFF"});
    Generate();
    // Three failures back up one row; the fourth backs up two and clears
    // both rows.
    EXPECT_EQ(doc->entered,
              (std::vector<int>{1, 2, 3, 2, 3, 2, 3, 2, 3, 1, 2, 3, 4, 5, 6}));
}

TEST_F(RowLoop, ReachingADeeperRowForgetsEarlierFailures) {
    Script(1, {"AAAAAA"});
    Script(2, {"BBBBBB", "BBBBBB", "BBBBBB", "BBBBBB"});
    Script(3, {"", "CCCCCC", "CCCCCC", "CCCCCC"});
    Script(4, {"", "", "DDDDDD"});
    Script(5, {"EEEEEE"});
    Script(6, {"FFFFFF"});
    Generate();
    // One failure at row 3, then two at row 4: never four since row 4 was
    // reached.
    EXPECT_EQ(doc->entered, (std::vector<int>{1, 2, 3, 2, 3, 4, 3, 4, 3, 4, 5, 6}));
}

TEST_F(RowLoop, ARepeatedWordDropsTheRowAndTheOneAbove) {
    Script(1, {"AAAAAA"});
    Script(2, {"BBBBBB", "BBBBBB"});
    Script(3, {"CCCCCC", "CCCCCC"});
    Script(4, {"DDDDDD", "DDDDDD"});
    Script(5, {"EEEEEE"});
    Script(6, {"FFFFFF"});
    doc->duplicates = {1, 0};  // row 3 passes, row 4 repeats a word
    Generate();
    EXPECT_EQ(doc->entered, (std::vector<int>{1, 2, 3, 4, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(doc->GridReady());
}

}  // namespace
}  // namespace verbal::test
