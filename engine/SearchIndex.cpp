#include "SearchIndex.h"

#include <algorithm>

namespace verbal {
namespace {

constexpr char LF = 10;
constexpr char TAB = 9;
// A column pattern has at most 20 cells; longer words need not be told apart.
constexpr std::size_t kLongestPattern = 20;
// The definitions search compares at most this many bytes of a key.
constexpr std::size_t kLongestKey = 29;

}  // namespace

void CPrefixIndex::Build(const char* table, const int bounds[16]) {
    for (int k = 0; k < 16; ++k) m_anBounds[k] = bounds[k];
    for (int k = 0; k < 15; ++k) {
        std::vector<std::string_view>& segment = m_aSegments[k];
        segment.clear();
        for (int p = bounds[k]; p < bounds[k + 1]; ++p) {
            if (table[p] != LF && table[p] != TAB) continue;
            // A pattern never holds a space or a zero: what follows them
            // cannot match.
            const char* word = table + p + 1;
            std::size_t length = 0;
            while (length < kLongestPattern && word[length] != ' ' && word[length] != 0) ++length;
            if (length > 0) segment.emplace_back(word, length);
        }
        std::sort(segment.begin(), segment.end());
    }
    m_bReady = true;
}

int CPrefixIndex::SegmentOf(int position) const {
    for (int k = 0; k < 16; ++k)
        if (m_anBounds[k] == position) return k;
    return -1;
}

bool CPrefixIndex::Find(std::string_view pattern, int from, int to) const {
    for (int k = from; k < to; ++k) {
        const std::vector<std::string_view>& segment = m_aSegments[k];
        const auto it = std::lower_bound(segment.begin(), segment.end(), pattern);
        if (it != segment.end() && it->substr(0, pattern.size()) == pattern) return true;
    }
    return false;
}

void CFetchIndex::Build(const char* table, const int bounds[16]) {
    m_bReady = false;
    for (int k = 0; k < 15; ++k) {
        std::vector<Entry>& group = m_aGroups[k];
        group.clear();
        for (int p = bounds[k]; p < bounds[k + 1]; ++p) {
            if (table[p] != LF && table[p] != TAB) continue;
            // The fetch copies the byte after the line feed, then every byte
            // up to the next space.
            std::uint32_t count = 1;
            for (int q = p + 2; table[q] != ' '; ++q) {
                if (table[q] == LF || table[q] == TAB || table[q] == 0 || count > 64) return;
                ++count;
            }
            if (table[p + 1] == LF || table[p + 1] == TAB) return;
            group.push_back({static_cast<std::uint32_t>(p), count});
            p += static_cast<int>(count);
        }
    }
    m_bReady = true;
}

void CEntryStarts::Build(const char* text, std::uint32_t length) {
    m_aPositions.clear();
    for (std::uint32_t p = 0; p < length; ++p)
        if (text[p] == LF) m_aPositions.push_back(p);
    m_aNext.resize(m_aPositions.size() + 1);
    for (std::size_t i = 0; i < m_aNext.size(); ++i) m_aNext[i] = static_cast<std::uint32_t>(i);
}

std::size_t CEntryStarts::Find(std::size_t index) {
    std::size_t root = index;
    while (m_aNext[root] != root) root = m_aNext[root];
    while (m_aNext[index] != root) {
        const std::size_t next = m_aNext[index];
        m_aNext[index] = static_cast<std::uint32_t>(root);
        index = next;
    }
    return root;
}

std::size_t CEntryStarts::NextFrom(std::uint32_t position) {
    const auto it = std::lower_bound(m_aPositions.begin(), m_aPositions.end(), position);
    return Find(static_cast<std::size_t>(it - m_aPositions.begin()));
}

void CEntryStarts::Take(std::uint32_t position) {
    const auto it = std::lower_bound(m_aPositions.begin(), m_aPositions.end(), position);
    const auto index = static_cast<std::size_t>(it - m_aPositions.begin());
    if (index < m_aPositions.size() && m_aPositions[index] == position)
        m_aNext[index] = static_cast<std::uint32_t>(index + 1);
}

void CDefinitionIndex::Build(const char* text, int length, int searchLimit) {
    m_map.clear();
    m_map.reserve(static_cast<std::size_t>(length / 24) + 16);
    // A line starts after every line feed or zero byte; its key runs to the
    // first colon.
    for (int q = 0; q + 1 < length; ++q) {
        if (text[q] != LF && text[q] != 0) continue;
        const int p = q + 1;
        if (p > searchLimit) break;
        int c = p;
        while (c < length && c - p <= static_cast<int>(kLongestKey) && text[c] != ':' &&
               text[c] != 0)
            ++c;
        if (c >= length || text[c] != ':' || c == p || c - p > static_cast<int>(kLongestKey))
            continue;
        m_map.emplace(std::string_view(text + p, static_cast<std::size_t>(c - p)), c + 1);
    }
}

int CDefinitionIndex::Find(std::string_view word) const {
    const auto it = m_map.find(word);
    return it == m_map.end() ? -1 : it->second;
}

}  // namespace verbal
