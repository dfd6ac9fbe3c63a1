// Filling one row of the working grid, and the column test that every
// tentative word must pass.
#include "GridSearch.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "Grid.h"
#include "Limits.h"
#include "WordTable.h"

namespace verbal {
namespace {
constexpr char LF = 10;
constexpr char TAB = 9;

// Bits set in a word (without the processor's instruction, which the
// baseline x86-64 lacks).
std::uint64_t BitCount(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return (x * 0x0101010101010101ULL) >> 56;
}
}  // namespace

CGridSearch::CGridSearch(CWordTable& table, CGrid& grid) : m_table(table), m_grid(grid) {
    std::memset(m_szCandidate, 0, sizeof m_szCandidate);
    std::memset(m_szColumn, 0, sizeof m_szColumn);
    std::memset(m_szPattern, 0, sizeof m_szPattern);
}

void CGridSearch::Start() {
    m_nPumpCounter = 0;
    m_nScanPos = 0;
    m_stats = Stats{};
}

void CGridSearch::PollStop() {
    if (++m_nPumpCounter < kPumpEvery) return;
    if (m_fnPump) m_fnPump();
    m_nPumpCounter = 0;
}

int CGridSearch::FillRow(int r) {
    const int n = m_grid.m_nGridLast + 1;
    if (r > n) return 1;
    ++m_stats.rowsFilled;
    char* const row = m_grid.m_aSolution[r];
    const bool known = m_bSearchIndexes && PrepareRowAnswers(r);
    if (known && m_table.m_fetchIndex.Ready()) return FillRowIndexed(r);

    int pos = 0;
    m_nScanPos = 0;
    int fetch = n - 1;
    for (;;) {
        if (FetchWord(fetch)) {
            const int wordStart = pos;
            for (const char* c = m_szCandidate; *c && pos < n; ++c) row[pos++] = *c;
            if (pos <= n - 1 && row[pos - 1] != ' ') row[pos++] = ' ';
            if (known ? CheckPlacement(r, wordStart, pos) : CheckColumns()) {
                MarkWordUsed();
                if (pos > n - 1) return 1;
                fetch = n - 1 - pos;
                m_nScanPos = 0;
            } else {
                while (pos > wordStart) row[--pos] = 0;
            }
        } else {
            --fetch;
            m_nScanPos = 0;
            if (fetch < 0) return 0;
        }
    }
}

int CGridSearch::FetchWord(int fetch) {
    const int length = std::min(fetch + 1, 15);
    m_nGroupStart = m_table.GroupStart(length);
    m_nGroupEnd = m_table.GroupEnd(length);
    if (m_nScanPos == 0) m_nScanPos = m_nGroupStart;
    // Group bounds come from the table; the limit only matters for a table
    // whose bounds could not all be found.
    const int limit = std::min(m_nGroupEnd, kDictionarySize - 32);
    for (;;) {
        std::memset(m_szCandidate, 0, sizeof m_szCandidate);
        if (m_nScanPos >= limit) return 0;
        if (m_table.m_szDictionary[m_nScanPos] == LF) {
            ++m_nScanPos;
            int count = 0;
            m_szCandidate[count++] = m_table.m_szDictionary[m_nScanPos];
            while (m_nScanPos + 2 < kDictionarySize && m_table.m_szDictionary[m_nScanPos + 1] != ' ') {
                ++m_nScanPos;
                if (count < static_cast<int>(sizeof m_szCandidate) - 1)
                    m_szCandidate[count] = m_table.m_szDictionary[m_nScanPos];
                ++count;
            }
            ++m_nScanPos;  // on the space after the word
            if (count == fetch + 1) return 1;
        } else {
            ++m_nScanPos;
        }
    }
}

void CGridSearch::MarkWordUsed() {
    // Letters and the black square can be used again and again.
    const int s = m_nScanPos;
    const char* const table = m_table.m_szDictionary;
    if (s < 2 || table[s - 1] == LF || table[s - 2] == LF) return;
    int p = s - 1;
    while (p > 0 && table[p] != LF) --p;
    if (table[p] == LF) m_table.MarkUsed(static_cast<std::uint32_t>(p));
}

int CGridSearch::CheckColumns() {
    ++m_stats.columnChecks;
    PollStop();
    const int n = m_grid.m_nGridLast + 1;
    for (int c = 1; c <= n; ++c) {
        // Rows 1..30 of the column; row 30 does not exist and reads as empty.
        for (int r = 1; r <= 30; ++r)
            m_szColumn[r - 1] = r < CGrid::kSolutionRows ? m_grid.m_aSolution[r][c - 1] : 0;
        m_szColumn[30] = 0;
        if (!CheckColumn()) return 0;
    }
    return 1;
}

int CGridSearch::CheckColumn() {
    const int length = static_cast<int>(std::strlen(m_szColumn));
    if (length == 0) return 1;
    int i = length - 1;
    bool closed = false;
    if (m_szColumn[i] == ' ') {
        // The column's last word has just been closed by a black square.
        closed = true;
        --i;
        if (i < 0) return 1;
    }
    const int n = m_grid.m_nGridLast + 1;
    const int lookAhead = closed ? 0 : std::min((n - 1) - i, m_grid.m_nQuality);

    int start = i;
    while (start >= 0 && m_szColumn[start] != ' ') --start;
    ++start;
    const int fragment = i - start + 1;
    std::memset(m_szPattern, 0, sizeof m_szPattern);
    std::memcpy(m_szPattern, m_szColumn + start,
                static_cast<std::size_t>(std::min(fragment, static_cast<int>(sizeof m_szPattern) - 1)));
    return FindPrefix(fragment, fragment + lookAhead);
}

int CGridSearch::FindPrefix(int shortest, int longest) {
    const int length = static_cast<int>(std::strlen(m_szPattern));
    if (length == 0) return 0;  // nothing begins with nothing
    const int from = m_table.GroupStart(shortest);
    const int to = std::min(m_table.GroupEnd(longest), kDictionarySize - 32);
    if (m_bSearchIndexes && m_table.m_prefixIndex.Ready()) {
        const int first = m_table.m_prefixIndex.SegmentOf(from);
        const int last = m_table.m_prefixIndex.SegmentOf(to);
        if (first >= 0 && last >= 0)
            return first < last && m_table.m_prefixIndex.Find(std::string_view(m_szPattern,
                                                                       static_cast<std::size_t>(length)),
                                                      first, last);
    }
    for (int p = std::max(from, 0); p < to; ++p) {
        const char b = m_table.m_szDictionary[p];
        if (b != LF && b != TAB) continue;
        if (std::memcmp(m_table.m_szDictionary + p + 1, m_szPattern, static_cast<std::size_t>(length)) == 0)
            return 1;
    }
    return 0;
}

// What the column test knows of each column while row r is filled. The
// columns left of a tentative word were checked with the words before it and
// have not changed since; the columns right of it hold nothing in row r yet;
// so only the word's own cells can change the answer, and a column's answer
// for a value in row r depends only on the cells above it.
bool CGridSearch::PrepareRowAnswers(int r) {
    const int n = m_grid.m_nGridLast + 1;
    if (r < 1 || r >= CGrid::kSolutionRows || n > 20) return false;
    for (int row = r; row < CGrid::kSolutionRows; ++row)
        for (int c = 0; c < CGrid::kSolutionRows; ++c)
            if (m_grid.m_aSolution[row][c] != 0) return false;
    for (int c = 0; c < n; ++c) m_apRowAnswers[c] = &AnswersFor(c, r, m_abShortColumn[c]);
    return true;
}

CColumnAnswers& CGridSearch::AnswersFor(int c, int r, bool& shortColumn) {
    // The key: the size and quality (tests change them between rows), then
    // the cells above row r down to the first empty one.
    std::string key;
    key += static_cast<char>(m_grid.m_nGridLast);
    key += static_cast<char>(m_grid.m_nQuality);
    shortColumn = false;
    for (int row = 1; row < r; ++row) {
        const char cell = m_grid.m_aSolution[row][c];
        if (cell == 0) {
            shortColumn = true;
            break;
        }
        key += cell;
    }
    if (shortColumn) key += '\0';
    return m_columnCache.For(key);
}

bool CGridSearch::ColumnPasses(int c, int r, char value) {
    for (int row = 1; row <= 30; ++row)
        m_szColumn[row - 1] = row < CGrid::kSolutionRows ? m_grid.m_aSolution[row][c] : 0;
    m_szColumn[30] = 0;
    if (value != 0) m_szColumn[r - 1] = value;
    return CheckColumn() != 0;
}

int CGridSearch::CheckPlacement(int r, int wordStart, int pos) {
    ++m_stats.columnChecks;
    PollStop();
    const int n = m_grid.m_nGridLast + 1;
    const char* const row = m_grid.m_aSolution[r];
    for (int c = wordStart; c < n; ++c) {
        CColumnAnswers& answers = *m_apRowAnswers[c];
        // A column whose cells stop above the row, or a cell still empty,
        // leaves the column as it was.
        if (c >= pos || m_abShortColumn[c]) {
            if (answers.alone < 0) {
                const char saved = m_grid.m_aSolution[r][c];
                m_grid.m_aSolution[r][c] = 0;
                answers.alone = ColumnPasses(c, r, 0) ? 1 : 0;
                m_grid.m_aSolution[r][c] = saved;
            }
            if (!answers.alone) return 0;
            continue;
        }
        const char value = row[c];
        int bit = -1;
        if (value >= 'A' && value <= 'Z') bit = value - 'A';
        else if (value == ' ') bit = 26;
        if (bit < 0) {
            if (!ColumnPasses(c, r, value)) return 0;  // not a letter: never kept
            continue;
        }
        const std::uint32_t mask = 1u << bit;
        if (!(answers.known & mask)) {
            answers.known |= mask;
            if (ColumnPasses(c, r, value)) answers.passes |= mask;
        }
        if (!(answers.passes & mask)) return 0;
    }
    return 1;
}

bool CGridSearch::AloneValue(int c, int r) {
    CColumnAnswers& answers = *m_apRowAnswers[c];
    if (answers.alone < 0) {
        const char saved = m_grid.m_aSolution[r][c];
        m_grid.m_aSolution[r][c] = 0;
        answers.alone = ColumnPasses(c, r, 0) ? 1 : 0;
        m_grid.m_aSolution[r][c] = saved;
    }
    return answers.alone != 0;
}

std::uint32_t CGridSearch::AllowedValues(int c, int r) {
    constexpr std::uint32_t kAll = (1u << 27) - 1;
    if (m_abShortColumn[c]) return AloneValue(c, r) ? kAll : 0;
    CColumnAnswers& answers = *m_apRowAnswers[c];
    if (answers.known != kAll) {
        const char saved = m_grid.m_aSolution[r][c];
        for (int bit = 0; bit < 27; ++bit) {
            const std::uint32_t mask = 1u << bit;
            if (answers.known & mask) continue;
            answers.known |= mask;
            if (ColumnPasses(c, r, bit == 26 ? ' ' : static_cast<char>('A' + bit)))
                answers.passes |= mask;
        }
        m_grid.m_aSolution[r][c] = saved;
    }
    return answers.passes;
}

void CGridSearch::CountRejectedChecks(std::uint64_t count) {
    // As many column tests as the byte scan would have run, with the message
    // pump at the same moments.
    m_stats.columnChecks += count;
    while (count >= static_cast<std::uint64_t>(kPumpEvery - m_nPumpCounter)) {
        count -= static_cast<std::uint64_t>(kPumpEvery - m_nPumpCounter);
        m_nPumpCounter = kPumpEvery - 1;
        PollStop();
    }
    m_nPumpCounter += static_cast<int>(count);
}

int CGridSearch::FetchFitting(int fetch, int pos, std::size_t& cursor) {
    const int n = m_grid.m_nGridLast + 1;
    const int length = fetch + 1;
    const std::vector<CFetchIndex::Entry>& group = m_table.m_fetchIndex.Group(std::min(length, 15) - 1);
    const int r = m_nFillingRow;
    // What a candidate writes: its letters, then a black square unless it
    // reaches the edge or ends with one (the lone black square); the columns
    // right of that stay as they are.
    const int end = pos + length;
    auto aloneFrom = [&](int from) {
        for (int c = from; c < n; ++c)
            if (!AloneValue(c, r)) return false;
        return true;
    };
    const bool restWithBlack = end <= n - 1 && ((AllowedValues(end, r) >> 26) & 1) && aloneFrom(end + 1);
    const bool restWithout = aloneFrom(end);
    std::uint32_t allowed[20] = {};
    bool lettersPossible = end <= n;
    for (int i = 0; lettersPossible && i < length; ++i) {
        allowed[i] = AllowedValues(pos + i, r);
        if (!allowed[i]) lettersPossible = false;
    }
    const bool possible = lettersPossible && (restWithBlack || restWithout);

    // Most candidates fail on their first two letters: those are told apart
    // from compact codes, without reading the table.
    const int segment = std::min(length, 15) - 1;
    const std::uint8_t* const first = m_table.m_fetchIndex.First(segment).data();
    const std::uint8_t* const second = m_table.m_fetchIndex.Second(segment).data();
    const std::uint8_t* const used = m_table.m_fetchIndex.Used(segment).data();
    const bool uniform = m_table.m_fetchIndex.Uniform(segment, static_cast<std::uint32_t>(length));
    const std::size_t size = group.size();
    constexpr std::uint32_t kOther = 1u << CFetchIndex::kOtherCode;
    const std::uint32_t firstMask = possible ? (allowed[0] | kOther) : 0;
    const std::uint32_t secondMask =
        possible ? ((length > 1 ? allowed[1] : 0) | kOther | (1u << CFetchIndex::kNoCode)) : 0;

    // The test of a candidate that passed its first two letters.
    const char* const dictionary = m_table.m_szDictionary;
    auto fits = [&](std::size_t o) {
        const char* word = dictionary + group[o].opener + 1;
        int i = 0;
        for (; i < length; ++i) {
            const char b = word[i];
            int bit;
            if (b >= 'A' && b <= 'Z') bit = b - 'A';
            else if (b == ' ') bit = 26;
            else return true;  // not a letter: the full test decides
            if (!((allowed[i] >> bit) & 1)) return false;
        }
        const bool trailingBlack = end <= n - 1 && word[length - 1] != ' ';
        return trailingBlack ? restWithBlack : restWithout;
    };

    std::uint64_t rejected = 0;
    if (uniform) {
        // Sixty-four entries at a time: unused, with an allowed first and
        // second byte. Every unused entry passed over counts as tested.
        // For each coded byte, the bit sets of the codes allowed there: a
        // letter the column takes, anything that is not a letter (the full
        // test decides), and the end of a shorter word.
        constexpr int kCoded = CFetchIndex::kCodedBytes;
        constexpr int kCodes = CFetchIndex::kNoCode + 1;
        // Every entry has exactly one code at each byte, so the entries with
        // an allowed code are also those without a refused one: whichever
        // list is shorter is ORed. Bytes that allow fewest codes go first,
        // as they rule out the most entries.
        const std::uint64_t* codeSets[kCoded][kCodes];
        int codeCounts[kCoded] = {};
        bool complement[kCoded] = {};
        int order[kCoded];
        for (int i = 0; i < kCoded; ++i) {
            const std::uint32_t mask = (i < length ? allowed[i] : 0) | kOther |
                                       (i > 0 ? 1u << CFetchIndex::kNoCode : 0);
            const int allowedCount = static_cast<int>(BitCount(mask));
            complement[i] = allowedCount > kCodes - allowedCount;
            for (int code = 0; code < kCodes; ++code)
                if (((mask >> code) & 1) != (complement[i] ? 1u : 0u))
                    codeSets[i][codeCounts[i]++] = m_table.m_fetchIndex.CodeBits(segment, i, code);
            order[i] = i;
        }
        std::sort(order, order + kCoded, [&](int a, int b) {
            const auto weight = [&](int i) { return complement[i] ? kCodes - codeCounts[i] : codeCounts[i]; };
            return weight(a) < weight(b);
        });
        const std::uint64_t* const unusedBits = m_table.m_fetchIndex.UnusedBits(segment);
        const std::size_t words = (size + 63) / 64;
        for (std::size_t w = cursor / 64; w < words; ++w) {
            std::uint64_t unused = unusedBits[w];
            if (w == cursor / 64) unused &= ~std::uint64_t{0} << (cursor % 64);
            std::uint64_t candidates = possible ? unused : 0;
            for (int j = 0; j < kCoded && candidates; ++j) {
                const int i = order[j];
                std::uint64_t bits = 0;
                for (int k = 0; k < codeCounts[i]; ++k) bits |= codeSets[i][k][w];
                candidates &= complement[i] ? ~bits : bits;
            }
            while (candidates) {
                const int bit = __builtin_ctzll(candidates);
                const std::size_t o = w * 64 + static_cast<std::size_t>(bit);
                if (fits(o)) {
                    rejected += BitCount(unused & ((std::uint64_t{1} << bit) - 1));
                    CountRejectedChecks(rejected);
                    cursor = o;
                    return static_cast<int>(o);
                }
                candidates &= candidates - 1;
            }
            rejected += BitCount(unused);
        }
        cursor = size;
        CountRejectedChecks(rejected);
        return -1;
    }

    for (; cursor < size; ++cursor) {
        if (used[cursor]) continue;  // the scan steps over used entries
        if (group[cursor].count != static_cast<std::uint32_t>(length)) continue;
        if (!((firstMask >> first[cursor]) & 1) || !((secondMask >> second[cursor]) & 1) ||
            !fits(cursor)) {
            ++rejected;
            continue;
        }
        CountRejectedChecks(rejected);
        return static_cast<int>(cursor);
    }
    CountRejectedChecks(rejected);
    return -1;
}

int CGridSearch::FillRowIndexed(int r) {
    const int n = m_grid.m_nGridLast + 1;
    char* const row = m_grid.m_aSolution[r];
    m_nFillingRow = r;
    int pos = 0;
    int fetch = n - 1;
    std::size_t cursor = 0;
    for (;;) {
        const int found = fetch + 1 <= 15 || fetch == 14 ? FetchFitting(fetch, pos, cursor) : -1;
        if (found < 0) {
            --fetch;
            cursor = 0;
            if (fetch < 0) return 0;
            continue;
        }
        const CFetchIndex::Entry& entry = m_table.m_fetchIndex.Group(std::min(fetch + 1, 15) - 1)[found];
        std::memset(m_szCandidate, 0, sizeof m_szCandidate);
        std::memcpy(m_szCandidate, m_table.m_szDictionary + entry.opener + 1,
                    std::min<std::size_t>(entry.count, sizeof m_szCandidate - 1));
        m_nScanPos = static_cast<int>(entry.opener + entry.count + 1);
        const int wordStart = pos;
        for (const char* c = m_szCandidate; *c && pos < n; ++c) row[pos++] = *c;
        if (pos <= n - 1 && row[pos - 1] != ' ') row[pos++] = ' ';
        if (CheckPlacement(r, wordStart, pos)) {
            MarkWordUsed();
            if (pos > n - 1) return 1;
            fetch = n - 1 - pos;
            cursor = 0;
        } else {
            while (pos > wordStart) row[--pos] = 0;
            ++cursor;
        }
    }
}

}  // namespace verbal
