// Filling one row of the working grid, and the column test that every
// tentative word must pass.
//
// A row is filled greedily from the left: at each position the longest unused
// word that fits is tried first, in table order, then shorter ones, down to a
// single letter and a lone black square. A word is kept only if every column,
// read from the top, is still a word or the beginning of one within the
// quality level's look-ahead.
#include <algorithm>
#include <cstring>

#include "VerbalineDoc.h"

namespace verbal {
namespace {
constexpr char LF = 10;
constexpr char TAB = 9;
}  // namespace

void CVerbalineDoc::ClearRow(int r) {
    // Rows are named 1..30, but the working grid has rows 0..29 only.
    if (r >= 0 && r < kSolutionRows) std::memset(m_aSolution[r], 0, sizeof m_aSolution[r]);
}

int CVerbalineDoc::FillRow(int r) {
    const int n = m_nGridLast + 1;
    if (r > n) return 1;
    ++m_stats.rowsFilled;
    char* const row = m_aSolution[r];

    int pos = 0;
    m_nScanPos = 0;
    int fetch = n - 1;
    for (;;) {
        if (FetchWord(fetch)) {
            const int wordStart = pos;
            for (const char* c = m_szCandidate; *c && pos < n; ++c) row[pos++] = *c;
            if (pos <= n - 1 && row[pos - 1] != ' ') row[pos++] = ' ';
            if (CheckColumns()) {
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

int CVerbalineDoc::FetchWord(int fetch) {
    const int length = std::min(fetch + 1, 15);
    m_nGroupStart = GroupStart(length);
    m_nGroupEnd = GroupEnd(length);
    if (m_nScanPos == 0) m_nScanPos = m_nGroupStart;
    // Group bounds come from the table; the limit only matters for a table
    // whose bounds could not all be found.
    const int limit = std::min(m_nGroupEnd, kDictionarySize - 32);
    for (;;) {
        std::memset(m_szCandidate, 0, sizeof m_szCandidate);
        if (m_nScanPos >= limit) return 0;
        if (m_szDictionary[m_nScanPos] == LF) {
            ++m_nScanPos;
            int count = 0;
            m_szCandidate[count++] = m_szDictionary[m_nScanPos];
            while (m_nScanPos + 2 < kDictionarySize && m_szDictionary[m_nScanPos + 1] != ' ') {
                ++m_nScanPos;
                if (count < static_cast<int>(sizeof m_szCandidate) - 1)
                    m_szCandidate[count] = m_szDictionary[m_nScanPos];
                ++count;
            }
            ++m_nScanPos;  // on the space after the word
            if (count == fetch + 1) return 1;
        } else {
            ++m_nScanPos;
        }
    }
}

void CVerbalineDoc::MarkWordUsed() {
    // Letters and the black square can be used again and again.
    const int s = m_nScanPos;
    if (s < 2 || m_szDictionary[s - 1] == LF || m_szDictionary[s - 2] == LF) return;
    int p = s - 1;
    while (p > 0 && m_szDictionary[p] != LF) --p;
    if (m_szDictionary[p] == LF) m_szDictionary[p] = TAB;
}

int CVerbalineDoc::CheckColumns() {
    ++m_stats.columnChecks;
    PollStop();
    const int n = m_nGridLast + 1;
    for (int c = 1; c <= n; ++c) {
        // Rows 1..30 of the column; row 30 does not exist and reads as empty.
        for (int r = 1; r <= 30; ++r)
            m_szColumn[r - 1] = r < kSolutionRows ? m_aSolution[r][c - 1] : 0;
        m_szColumn[30] = 0;
        if (!CheckColumn()) return 0;
    }
    return 1;
}

int CVerbalineDoc::CheckColumn() {
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
    const int n = m_nGridLast + 1;
    const int lookAhead = closed ? 0 : std::min((n - 1) - i, m_nQuality);

    int start = i;
    while (start >= 0 && m_szColumn[start] != ' ') --start;
    ++start;
    const int fragment = i - start + 1;
    std::memset(m_szPattern, 0, sizeof m_szPattern);
    std::memcpy(m_szPattern, m_szColumn + start,
                static_cast<std::size_t>(std::min(fragment, static_cast<int>(sizeof m_szPattern) - 1)));
    return FindPrefix(fragment, fragment + lookAhead);
}

int CVerbalineDoc::FindPrefix(int shortest, int longest) {
    const int length = static_cast<int>(std::strlen(m_szPattern));
    if (length == 0) return 0;  // nothing begins with nothing
    const int from = GroupStart(shortest);
    const int to = std::min(GroupEnd(longest), kDictionarySize - 32);
    for (int p = std::max(from, 0); p < to; ++p) {
        const char b = m_szDictionary[p];
        if (b != LF && b != TAB) continue;
        if (std::memcmp(m_szDictionary + p + 1, m_szPattern, static_cast<std::size_t>(length)) == 0)
            return 1;
    }
    return 0;
}

}  // namespace verbal
