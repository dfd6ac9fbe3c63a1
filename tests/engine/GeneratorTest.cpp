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
const Golden kGoldens[] = {
    {6, 0, 1, {"LIGNER", "ADRET#", "TEE#AH", "#ECSTA", "AL#A#B", "B#VIA#"}, 28460, 6},
    {6, 0, 2, {"SB#SB#", "TRIPE#", "RU#ADO", "ILS#ES", "GOIM#S", "ETC#AU"}, 34404, 6},
    {6, 1, 1, {"LERCHE", "NOUEUR", "#NEPER", "A#RE#E", "TH#ELU", "MOI##R"}, 26972, 8},
    {6, 1, 2, {"SR#GOI", "TAPER#", "RIEL#D", "INNE#U", "GENER#", "ERE#AB"}, 35286, 8},
    {6, 2, 1, {"LERCHE", "IBIDEM", "SEC#MI", "#NID#E", "DENUER", "E##OS#"}, 26190, 8},
    {6, 2, 2, {"SLAVE#", "TOPO#A", "RUPIN#", "IPECA#", "GELIF#", "ERE#ED"}, 39515, 10},
    {6, 3, 1, {"LERCHE", "IBIDEM", "SEC#PP", "#NID#A", "PENIEN", "C##TH#"}, 86129, 17},
    {6, 3, 2, {"SLAVE#", "TOPO#A", "RUPIN#", "IPECA#", "GELIF#", "ERE#ED"}, 114728, 22},
};

class GoldenGrid : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenGrid, TheSameSeedGivesTheSameGridWithEveryClue) {
    const Golden& golden = GetParam();
    FakeHost host;
    host.seconds = golden.seed;
    auto doc = Prepared(host, SmallDictionaryPath(), golden.size, golden.quality);
    doc->GenerateGrid();
    ASSERT_EQ(doc->m_bGridReady, 1);
    EXPECT_EQ(SolutionRows(*doc), golden.rows);
    EXPECT_EQ(doc->m_stats.columnChecks, golden.checks);
    EXPECT_EQ(doc->m_stats.rowsFilled, golden.fills);
    EXPECT_EQ(host.Count("MessageBox"), 0) << (host.messages.empty() ? "" : host.messages[0].caption);

    // The grid is a crossword: every run of letters across and down is a
    // dictionary word or a letter, and has its clue.
    const std::vector<std::string> words = SmallWordList();
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

INSTANTIATE_TEST_SUITE_P(SmallDictionary, GoldenGrid, ::testing::ValuesIn(kGoldens),
                         [](const ::testing::TestParamInfo<Golden>& info) {
                             const Golden& g = info.param;
                             return "Size" + std::to_string(g.size) + "Quality" +
                                    std::to_string(g.quality) + "Seed" + std::to_string(g.seed);
                         });

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
