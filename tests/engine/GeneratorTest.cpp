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
#include "FakeHost.h"
#include "GridText.h"
#include "VerbalineDoc.h"

namespace verbal::test {
namespace {

std::string DefsOf(const std::string& lex) { return lex.substr(0, lex.size() - 3) + "dex"; }

// A document ready to compute, as "Calculer" leaves it before the generator.
std::unique_ptr<CVerbalineDoc> Prepared(FakeHost& host, const std::string& lex, int size,
                                        int quality) {
    auto doc = std::make_unique<CVerbalineDoc>(&host);
    doc->OnNewDocument();
    const char* sounds[] = {"zip", "tuttut", "ding", "tiou", "bip"};
    for (int i = 0; i < 5; ++i) doc->m_strSound[i] = sounds[i];
    doc->m_strDictPath = lex;
    doc->m_strDefsPath = DefsOf(lex);
    doc->m_nGridLast = size - 1;
    doc->m_nQuality = quality;
    doc->m_bGridDrawn = 1;
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
    {"Standard", 6, 0, 1, {"PICOLE", "HISSES", "I##TUS", "#EX#RE", "WHIG##", "C##AIX"}, 34265, 6},
    {"Standard", 6, 0, 2, {"COMPTA", "SUITES", "#FE#E#", "A#NA#A", "IV#SOS", "NOM#B#"}, 33803, 6},
    {"Standard", 6, 0, 3, {"OUTILS", "BRAVER", "II##I#", "T#XE#A", "#AINSI", "DU##IX"}, 31679, 6},
    {"Standard", 6, 0, 4, {"VALS#H", "EUX#BA", "RB#EUT", "RUTS#I", "ARAS#F", "INN#AS"}, 47635, 11},
    {"Standard", 6, 0, 5, {"NB#OBI", "AIES#R", "RATERA", "RIES#K", "ESS#B#", "SE#ARA"}, 28681, 6},
    {"Standard", 6, 1, 1, {"PICOLE", "TOISON", "#TEST#", "VALUES", "A####A", "RODEES"}, 49615, 10},
    {"Standard", 6, 1, 2, {"COMPTA", "HUCHES", "ET#IR#", "RIE#NA", "IL#DIX", "ESSORE"}, 22794, 6},
    {"Standard", 6, 1, 3, {"OUTILS", "BRAVER", "INNES#", "TE#SET", "##A##A", "CALINS"}, 23801, 6},
    {"Standard", 6, 1, 4, {"CC#AMI", "OIT#US", "USAGES", "TER#RU", "ELIS#E", "SES#AS"}, 22093, 10},
    {"Standard", 6, 1, 5, {"NET#HA", "AXAIT#", "RANI#A", "RUT#SI", "ECOLES", "SET#CE"}, 25086, 6},
    {"Standard", 6, 2, 1, {"BUTOIR", "EPERON", "CARET#", "AS#SAC", "N#A##A", "EPIEES"}, 20430, 8},
    {"Standard", 6, 2, 2, {"COMPTA", "HUCHES", "ET#ILS", "RIE#SI", "SLOW#E", "#SN#MD"}, 29178, 6},
    {"Standard", 6, 2, 3, {"OUTILS", "ETIREE", "I#FAIM", "LES##A", "SA#XE#", "#USINE"}, 43304, 8},
    {"Standard", 6, 2, 4, {"CC#AMI", "OIT#US", "USAGES", "TER#RU", "ELIS#E", "SES#AS"}, 185274, 39},
    {"Standard", 6, 2, 5, {"NIB#BE", "ANOMAL", "RHIN#F", "RIT#SE", "EBENES", "SES#C#"}, 21527, 6},
    {"Standard", 6, 3, 1, {"BUTOIR", "EPERON", "CARET#", "AS#SAC", "N#A##A", "EPIEES"}, 31010, 10},
    {"Standard", 6, 3, 2, {"COMPTA", "HUCHES", "IV#ILS", "CRU#EU", "OINS#M", "TRICHA"}, 135407, 24},
    {"Standard", 6, 3, 3, {"OUTILS", "ETIREE", "I#REND", "LEI#TU", "SUEZ#I", "##Z#HT"}, 31799, 6},
    {"Standard", 6, 3, 4, {"CC#AMI", "OIT#US", "USAGES", "TER#RU", "ELIS#E", "SES#AS"}, 185274, 39},
    {"Standard", 6, 3, 5, {"NIB#BE", "ANOMAL", "RHIN#F", "RIT#SE", "EBENES", "SES#C#"}, 30889, 8},
    {"Standard", 8, 0, 1, {"AGILITES", "SEVERITE", "#L#SENE#", "GATES#SB", "ETA##A#A", "L#FORGER", "EX#BIENS", "RECIFS##"}, 226460, 11},
    {"Standard", 8, 0, 2, {"AJOUTENT", "RECRUTEE", "SU#EBAT#", "#NIEE#SC", "BEN##A#A", "ES#DARDS", "C#CONCUE", "SUITES#S"}, 147111, 8},
    {"Standard", 8, 0, 3, {"MAGIQUES", "CHORISTE", "##I##A#C", "XE#FUIES", "ENFANTS#", "##ERS#SB", "TORT#ZEE", "HUA#BR#C"}, 253189, 11},
    {"Standard", 8, 0, 4, {"ILS#AUX#", "MECS#TES", "PV#AGI#A", "RUTS#LAS", "IRES#IX#", "MESA#SEP", "EST#XE#I", "Z#SAISIS"}, 165785, 10},
    {"Standard", 8, 0, 5, {"DOL#OBIT", "EN#EN#DE", "BECS#FER", "URI#BR#N", "TER#REGI", "EUES#MER", "ESSE#IRA", "SE#CARS#"}, 153048, 8},
    {"Standard", 8, 1, 1, {"AGILITES", "INCOLORE", "NOIR#TEL", "EU#IRAS#", "##A#OU#A", "OR#RIXES", "VALUS#UT", "EBAT#KSI"}, 365413, 17},
    {"Standard", 8, 1, 2, {"AJOUTENT", "LESSIVEE", "BATELEUR", "IN#ET#F#", "##PS#PSI", "FAT#TV#C", "IV#DU#SI", "SERVEUR#"}, 336728, 19},
    {"Standard", 8, 1, 3, {"MAGIQUES", "MARXISME", "#RU##AIN", "A#ECRITE", "XE#SET##", "ALU#A#MA", "NUNUCHES", "TEST#ET#"}, 135239, 8},
    {"Standard", 8, 1, 4, {"IDEM#ART", "MISER#AU", "PV#RUAI#", "RUGIT#SB", "ILET#RIE", "MG#AHAN#", "EUX#IV#K", "ZEE#CIAO"}, 152810, 10},
    {"Standard", 8, 1, 5, {"DC#ANES#", "EUE#UNAU", "BINAIT#R", "URDU#EPI", "TAON#NA#", "ESSE#DRU", "ESS#ARES", "SEAU#ERE"}, 141124, 8},
    {"Standard", 8, 2, 1, {"AGILITES", "ENVENIME", "DURS#SEN", "E#E#HOTE", "SB#BAN##", "#UNISSON", "TRACT#RB", "HE##SUS#"}, 146392, 8},
    {"Standard", 8, 2, 2, {"AJOUTENT", "DECLARES", "MU#VOS#A", "INDE#AIR", "REA#ET##", "OSLO#ZUT", "N#LIE#NA", "SCAT#SIC"}, 529189, 28},
    {"Standard", 8, 2, 3, {"MAGIQUES", "CREDIBLE", "#UNE#AIN", "AMI#ACTE", "A#EMIS##", "REZ#D#XE", "#A#LEGER", "AUGURE#E"}, 223821, 10},
    {"Standard", 8, 2, 4, {"RARE#CIL", "EPAULAS#", "CIVE#BOB", "ETA#KOLA", "VOL#OSER", "OYEZ#SR#", "NEE#PEAN", "SES#DES#"}, 580106, 30},
    {"Standard", 8, 2, 5, {"DC#ANES#", "EUE#UT#O", "BINAIENT", "URDU#RIE", "TAON#NA#", "ESSE#II#", "ESS#ASTI", "SEAU#E#F"}, 145931, 8},
    {"Standard", 8, 3, 1, {"AGILITES", "ENVENIME", "DURS#SEN", "E#E#HOTE", "SI#FONT#", "#CREUSER", "OINTE#UN", "B##A#OR#"}, 201411, 10},
    {"Standard", 8, 3, 3, {"MAGIQUES", "CREDIBLE", "#GRE#AIN", "SOS#ACTE", "HT#RIS##", "A#SUR#MA", "HONNETES", "#B#ES#C#"}, 287265, 13},
    {"Standard", 8, 3, 5, {"DANSOTTA", "EMUE#H#I", "BOIRIEZ#", "UR#RN#ET", "TCHAD#BU", "EAU#RARE", "EGAIEREZ", "SEIN#SR#"}, 140709, 8},
    {"Standard", 10, 0, 1, {"ECLAIRANTE", "TRILINGUES", "EUE###AIRS", "SERVEURS#E", "###OST##A#", "VETS##BORD", "OHE#PRESSE", "L#ETHERE#S", "SB#VIA#RB#", "#DV##LX#EU"}, 1270882, 25},
    {"Standard", 10, 0, 2, {"COMPORTENT", "AUGUREES#A", "RI#TSAR#HG", "SEC##C#FEE", "##DIX#LEU#", "IV#RIVIERE", "FIGE#UNS#H", "SE#SAS##A#", "#SC#G#OINS", "A#STIMULEE"}, 862361, 16},
};

class GoldenGrid : public ::testing::TestWithParam<Golden> {};

std::string PathOf(const Golden& golden) {
    return golden.dictionary == "Petit" ? SmallDictionaryPath() : ShippedDictionaryPath();
}

TEST_P(GoldenGrid, TheSameSeedGivesTheSameGridWithEveryClue) {
    const Golden& golden = GetParam();
    FakeHost host;
    host.seconds = golden.seed;
    auto doc = Prepared(host, PathOf(golden), golden.size, golden.quality);
    doc->GenerateGrid();
    ASSERT_EQ(doc->m_bGridReady, 1);
    EXPECT_EQ(SolutionRows(*doc), golden.rows);
    EXPECT_EQ(doc->m_stats.columnChecks, golden.checks);
    EXPECT_EQ(doc->m_stats.rowsFilled, golden.fills);
    EXPECT_EQ(host.Count("MessageBox"), 0) << (host.messages.empty() ? "" : host.messages[0].caption);

    // The grid is a crossword: every run of letters across and down is a
    // dictionary word or a letter, and has its clue.
    const std::vector<std::string> words = WordsOfDictionary(PathOf(golden));
    const std::set<std::string> known(words.begin(), words.end());
    for (int line = 0; line < 40; ++line) {
        const char* cells = line < 20 ? doc->m_aSolution[line + 1] : doc->m_aTransposed[line - 19];
        for (const LineWord& word : WordsOfLine(cells, 20)) {
            if (word.word.size() > 1) {
                EXPECT_TRUE(known.count(word.word)) << word.word;
            }
            EXPECT_FALSE(doc->m_astrClues[line][word.number - 1].empty()) << word.word;
        }
    }
    // Black squares reach the player's grid, and only they.
    EXPECT_EQ(doc->CountBlackSquares(), static_cast<unsigned>(std::count(
                                            &doc->m_aPlayer[0][0], &doc->m_aPlayer[0][0] + 400, ' ')));
    EXPECT_EQ(doc->CountFilledCells(), 0u);
    EXPECT_EQ(doc->m_nRowsDone, 20);
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
    auto doc = Prepared(host, SmallDictionaryPath(), 6, 0);
    doc->GenerateGrid();
    ASSERT_EQ(doc->m_bGridReady, 1);

    const std::vector<std::string> names = host.Names();
    const std::vector<std::string> start(names.begin(), names.begin() + 8);
    EXPECT_EQ(start, (std::vector<std::string>{"BeginWaitCursor", "InvalidateAll", "CreateWaitBox",
                                               "PlaySound", "DestroyWaitBox", "EndWaitCursor",
                                               "CreateStopBox", "RedrawRectNow"}));
    const std::vector<std::string> end(names.end() - 3, names.end());
    EXPECT_EQ(end, (std::vector<std::string>{"PlaySound", "InvalidateAll", "DestroyStopBox"}));
    EXPECT_EQ(host.Sounds().back(), "tuttut");
    EXPECT_EQ(host.waitCursorDepth, 0);
    EXPECT_FALSE(host.stopBoxShown);
    EXPECT_FALSE(host.waitBoxShown);
    EXPECT_EQ(doc->m_bComputing, 0);
    EXPECT_EQ(doc->m_ptGridOrigin, (CPoint{80, 60}));
    // The pump runs once every 500 column checks.
    EXPECT_EQ(host.checkStopCalls, static_cast<int>(doc->m_stats.columnChecks / 500));
}

TEST(Generator, ASmallGridShowsItsLastProgressOnEnteringTheRowBelowIt) {
    FakeHost host;
    host.seconds = 1;
    auto doc = Prepared(host, SmallDictionaryPath(), 6, 0);
    std::vector<int> progress;  // rows done at each computing sound of the row loop
    bool prepared = false;
    host.onCall = [&](const FakeHost::Call& call) {
        if (call.name != "PlaySound" || call.detail != "zip") return;
        if (!prepared) prepared = true;  // the first one comes with the word table
        else progress.push_back(doc->m_nRowsDone);
    };
    doc->GenerateGrid();
    ASSERT_EQ(doc->m_bGridReady, 1);
    // Golden 6x6 quality 0 seed 1 fills each row at the first try.
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(doc->m_nRowsDone, 20);
}

TEST(Generator, TheStopButtonEmptiesTheGridAndFallsBackToSixBySix) {
    FakeHost host;
    host.seconds = 1;
    auto doc = Prepared(host, SmallDictionaryPath(), 8, 3);
    doc->m_astrClues[0][0] = "ancien";
    host.stopAt = [](int call) { return call == 3; };
    doc->GenerateGrid();
    EXPECT_EQ(doc->m_bGridReady, 0);
    EXPECT_EQ(doc->m_bGridDrawn, 0);
    EXPECT_EQ(doc->m_nGridLast, 5);
    EXPECT_EQ(doc->m_bComputing, 0);
    EXPECT_TRUE(SolutionRows(*doc) == std::vector<std::string>(6, "......"));
    EXPECT_EQ(doc->m_astrClues[0][0], "");
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
    auto doc = Prepared(host, dir.File("Absent.lex"), 6, 1);
    doc->GenerateGrid();
    EXPECT_EQ(doc->m_bGridReady, 0);
    EXPECT_EQ(host.Names(), (std::vector<std::string>{"BeginWaitCursor", "MessageBox",
                                                      "EndWaitCursor", "DestroyStopBox"}));
    EXPECT_EQ(host.Captions(), std::vector<std::string>{"Erreur d'ouverture de fichier!"});
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(host.waitCursorDepth, 0);
    EXPECT_EQ(doc->m_bComputing, 0);
}

TEST(Generator, SoundsSetToAucunAreNotPlayed) {
    FakeHost host;
    host.seconds = 1;
    auto doc = Prepared(host, SmallDictionaryPath(), 6, 0);
    doc->m_strSound[0] = "Aucun";
    doc->m_strSound[1] = "aucun";  // a file name, not the word that switches sounds off
    doc->GenerateGrid();
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
        if (r > m_nGridLast + 1) return 1;
        entered.push_back(r);
        auto& outcomes = script[r];
        if (outcomes.empty()) {
            ADD_FAILURE() << "row " << r << " entered once too often";
            m_dlgStop.m_bStopRequested = 1;
            return 0;
        }
        const std::string row = outcomes.front();
        outcomes.pop_front();
        for (std::size_t c = 0; c < row.size(); ++c)
            m_aSolution[r][c] = row[c] == '#' ? ' ' : row[c];
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
        doc = std::make_unique<ScriptedDoc>(&host);
        doc->OnNewDocument();
        for (auto& sound : doc->m_strSound) sound = "Aucun";
        doc->m_strDictPath = SmallDictionaryPath();
        doc->m_strDefsPath = DefsOf(SmallDictionaryPath());
        doc->m_nGridLast = 5;
        host.seconds = 1;
    }

    void Script(int row, std::initializer_list<std::string> outcomes) {
        doc->script[row] = outcomes;
    }

    FakeHost host;
    std::unique_ptr<ScriptedDoc> doc;
};

TEST_F(RowLoop, FailedFirstRowsStartOverAndARowTwoEchoingRowOneIsDropped) {
    // Row 2 starting with row 1's second letter is dropped without counting
    // a failure.
    Script(1, {"", "ABCDEF", "GHIJKL", "MNOPQR"});
    Script(2, {"", "HXXXXX", "XXXXXX"});
    for (int r = 3; r <= 6; ++r) Script(r, {"YYYYYY"});
    doc->GenerateGrid();
    EXPECT_EQ(doc->entered, (std::vector<int>{1, 1, 2, 1, 2, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(doc->m_bGridReady, 1);
}

TEST_F(RowLoop, FourFailuresSinceTheDeepestRowBackUpTwoRows) {
    Script(1, {"AAAAAA", "AAAAAA"});
    Script(2, {"BBBBBB", "BBBBBB", "BBBBBB", "BBBBBB", "BBBBBB"});
    Script(3, {"", "", "", "", "CCCCCC"});
    Script(4, {"DDDDDD"});
    Script(5, {"EEEEEE"});
    Script(6, {"FFFFFF"});
    doc->GenerateGrid();
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
    doc->GenerateGrid();
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
    doc->GenerateGrid();
    EXPECT_EQ(doc->entered, (std::vector<int>{1, 2, 3, 4, 2, 3, 4, 5, 6}));
    EXPECT_EQ(doc->m_bGridReady, 1);
}

}  // namespace
}  // namespace verbal::test
