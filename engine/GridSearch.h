// CGridSearch: the generator's inner search. It fills one row of the grid
// with words of the word table and tests every tentative word against the
// columns; the row loop around it belongs to the document.
//
// A row is filled greedily from the left: at each position the longest unused
// word that fits is tried first, in table order, then shorter ones, down to a
// single letter and a lone black square. A word is kept only if every column,
// read from the top, is still a word or the beginning of one within the
// quality level's look-ahead.
#pragma once

#include <cstdint>
#include <functional>

#include "SearchIndex.h"

namespace verbal {

class CGrid;
class CWordTable;

class CGridSearch {
public:
    // The message pump runs once every this many column tests.
    static constexpr int kPumpEvery = 500;

    // Figures of a computation, for the command line and benchmarks.
    struct Stats {
        std::uint64_t columnChecks = 0;  // column tests, as the byte scan counts them
        std::uint64_t rowsFilled = 0;    // calls of FillRow inside the grid
    };

    // The search reads and marks |table| and writes the rows of |grid|; both
    // outlive it.
    CGridSearch(CWordTable& table, CGrid& grid);
    CGridSearch(const CGridSearch&) = delete;
    CGridSearch& operator=(const CGridSearch&) = delete;

    // What runs every kPumpEvery column tests: the stop button, the picture.
    void SetPump(std::function<void()> pump) { m_fnPump = std::move(pump); }
    // A new computation: scan position, pump counter and figures from zero.
    void Start();
    // The word table changed: answers kept for columns no longer hold.
    void ForgetColumns() { m_columnCache.Clear(); }

    // Fills row r from scratch; 1 when the row is complete. Rows below the
    // grid succeed at once.
    int FillRow(int r);
    // The next unused entry of |fetch| + 1 letters from the scan position
    // into m_szCandidate; 0 when the group has no more.
    int FetchWord(int fetch);
    // The word just fetched is placed: its entry is used from now on.
    void MarkWordUsed();
    // Every column of the grid, with the row being filled as it stands.
    int CheckColumns();
    // The column test for a word just written in row r from column index
    // wordStart to pos - 1: the same answer as CheckColumns, from what is
    // known of each column.
    int CheckPlacement(int r, int wordStart, int pos);
    // The column in m_szColumn: its last fragment begins a word short enough
    // for the rows left and the quality.
    int CheckColumn();
    // An entry of shortest..longest letters begins with m_szPattern.
    int FindPrefix(int shortest, int longest);
    // Counts one column test towards the pump.
    void PollStop();

    // The search indexes only make the same answers quicker; without them
    // every answer comes from scanning the word table, as a check.
    bool m_bSearchIndexes = true;

    int m_nScanPos = 0;
    int m_nGroupStart = 0;
    int m_nGroupEnd = 0;
    char m_szCandidate[30];
    char m_szColumn[31];
    char m_szPattern[21];
    int m_nPumpCounter = 0;
    Stats m_stats;

private:
    // Prepares CheckPlacement for row r; false when the row or the rows below
    // hold cells, where only the full column test can answer.
    bool PrepareRowAnswers(int r);
    CColumnAnswers& AnswersFor(int c, int r, bool& shortColumn);
    // FillRow through the indexes: candidates are met in table order as the
    // byte scan meets them, and those the column test would reject are
    // passed over but still counted as tested.
    int FillRowIndexed(int r);
    int FetchFitting(int fetch, int pos, std::size_t& cursor);
    std::uint32_t AllowedValues(int c, int r);  // bits 0..25 letters, 26 black square
    bool AloneValue(int c, int r);
    void CountRejectedChecks(std::uint64_t count);
    bool ColumnPasses(int c, int r, char value);  // with |value| in row r

    CWordTable& m_table;
    CGrid& m_grid;
    std::function<void()> m_fnPump;
    CColumnCache m_columnCache;
    // Per row being filled: each column's answers, and whether the row
    // cannot change the column because an empty cell lies above it.
    CColumnAnswers* m_apRowAnswers[20] = {};
    bool m_abShortColumn[20] = {};
    int m_nFillingRow = 0;
};

}  // namespace verbal
