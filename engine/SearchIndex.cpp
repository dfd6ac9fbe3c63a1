#include "SearchIndex.h"

#include <algorithm>
#include <cstring>

namespace verbal {
namespace {

constexpr char LF = 10;
constexpr char TAB = 9;
// A column pattern has at most 20 cells; longer words need not be told apart.
constexpr std::size_t kLongestPattern = 20;
// The definitions search compares at most this many bytes of a key.
constexpr std::size_t kLongestKey = 29;

}  // namespace

std::uint64_t CPrefixIndex::Head(std::string_view word) {
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i)
        head = (head << 8) | (i < word.size() ? static_cast<unsigned char>(word[i]) : 0u);
    return head;
}

void CPrefixIndex::Build(const char* table, const int bounds[16], const CFetchIndex& entries) {
    for (int k = 0; k < 16; ++k) m_anBounds[k] = bounds[k];
    for (int k = 0; k < 15; ++k) {
        std::vector<Key>& segment = m_aSegments[k];
        segment.clear();
        if (entries.Ready()) {
            // Every line feed or tab opens an entry of the fetch index, and
            // its word holds neither a space nor a zero.
            for (const CFetchIndex::Entry& entry : entries.Group(k)) {
                const char* word = table + entry.opener + 1;
                if (word[0] == ' ') continue;
                const std::string_view view(word, std::min<std::size_t>(entry.count, kLongestPattern));
                segment.push_back({Head(view), view});
            }
            std::sort(segment.begin(), segment.end());
            continue;
        }
        for (int p = bounds[k]; p < bounds[k + 1]; ++p) {
            if (table[p] != LF && table[p] != TAB) continue;
            // A pattern never holds a space or a zero: what follows them
            // cannot match.
            const char* word = table + p + 1;
            std::size_t length = 0;
            while (length < kLongestPattern && word[length] != ' ' && word[length] != 0) ++length;
            if (length > 0) {
                const std::string_view view(word, length);
                segment.push_back({Head(view), view});
            }
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
    const std::uint64_t head = Head(pattern);
    // Words that begin with a pattern of up to eight bytes have heads in one
    // range; longer patterns also compare the rest of the word.
    const std::uint64_t span =
        pattern.size() >= 8 ? 1 : std::uint64_t{1} << (8 * (8 - pattern.size()));
    for (int k = from; k < to; ++k) {
        const std::vector<Key>& segment = m_aSegments[k];
        const auto it = std::lower_bound(segment.begin(), segment.end(), Key{head, pattern});
        if (it == segment.end() || it->head - head >= span) continue;
        if (pattern.size() <= 8 || it->word.substr(0, pattern.size()) == pattern) return true;
    }
    return false;
}

namespace {
std::uint8_t Code(char b) {
    if (b >= 'A' && b <= 'Z') return static_cast<std::uint8_t>(b - 'A');
    return b == ' ' ? CFetchIndex::kSpaceCode : CFetchIndex::kOtherCode;
}
}  // namespace

void CFetchIndex::Build(const char* table, const int bounds[16]) {
    m_bReady = false;
    for (int k = 0; k < 15; ++k) {
        std::vector<Entry>& group = m_aGroups[k];
        group.clear();
        m_aFirst[k].clear();
        m_aSecond[k].clear();
        m_aUsed[k].clear();
        m_anUniformCount[k] = 0;
        // Roughly one entry per eight bytes of text.
        const auto expected = static_cast<std::size_t>(std::max(0, bounds[k + 1] - bounds[k]) / 8 + 1);
        group.reserve(expected);
        m_aFirst[k].reserve(expected);
        m_aSecond[k].reserve(expected);
        m_aUsed[k].reserve(expected);
        for (int p = bounds[k]; p < bounds[k + 1]; ++p) {
            if (table[p] != LF && table[p] != TAB) continue;
            // The fetch copies the byte after the line feed, then every byte
            // up to the next space. A word holding a line feed, a tab or a
            // zero (a damaged table) is left to the byte scan.
            const char* word = table + p + 1;
            std::uint32_t count = 1;
            while (word[count] != ' ' && count <= 64) ++count;
            if (count > 64) return;
            for (std::uint32_t i = 0; i < count; ++i)
                if (word[i] == LF || word[i] == TAB || word[i] == 0) return;
            group.push_back({static_cast<std::uint32_t>(p), count});
            m_aFirst[k].push_back(Code(table[p + 1]));
            m_aSecond[k].push_back(count > 1 ? Code(word[1]) : kNoCode);
            m_aUsed[k].push_back(table[p] == TAB ? 1 : 0);
            p += static_cast<int>(count);
        }
        if (!group.empty()) {
            m_anUniformCount[k] = group[0].count;
            for (const Entry& entry : group)
                if (entry.count != group[0].count) m_anUniformCount[k] = 0;
        }
        const std::size_t words = (group.size() + 63) / 64;
        m_aUnusedBits[k].assign(words, 0);
        for (auto& index : m_aCodeBits[k])
            for (auto& bits : index) bits.assign(words, 0);
        for (std::size_t o = 0; o < group.size(); ++o) {
            const std::uint64_t bit = std::uint64_t{1} << (o % 64);
            if (!m_aUsed[k][o]) m_aUnusedBits[k][o / 64] |= bit;
            const char* word = table + group[o].opener + 1;
            for (int i = 0; i < kCodedBytes; ++i) {
                const std::uint8_t code =
                    static_cast<std::uint32_t>(i) < group[o].count ? Code(word[i]) : kNoCode;
                m_aCodeBits[k][i][code][o / 64] |= bit;
            }
        }
    }
    m_bReady = true;
}

void CFetchIndex::MarkUsed(std::uint32_t opener) {
    if (!m_bReady) return;
    for (int k = 0; k < 15; ++k) {
        const std::vector<Entry>& group = m_aGroups[k];
        if (group.empty() || opener < group.front().opener || opener > group.back().opener) continue;
        const auto it = std::lower_bound(group.begin(), group.end(), opener,
                                         [](const Entry& e, std::uint32_t o) { return e.opener < o; });
        if (it != group.end() && it->opener == opener) {
            const auto o = static_cast<std::size_t>(it - group.begin());
            m_aUsed[k][o] = 1;
            m_aUnusedBits[k][o / 64] &= ~(std::uint64_t{1} << (o % 64));
        }
        return;
    }
}

void CEntryStarts::Build(const char* text, std::uint32_t length) {
    m_aPositions.clear();
    m_aPositions.reserve(length / 8 + 1);
    for (std::uint32_t p = 0; p < length;) {
        const void* lf = std::memchr(text + p, LF, length - p);
        if (!lf) break;
        p = static_cast<std::uint32_t>(static_cast<const char*>(lf) - text);
        m_aPositions.push_back(p++);
    }
    m_nHint = 0;
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
    // A run takes line feeds in order: the next one is most often the hint.
    std::size_t index = m_nHint;
    if (index >= m_aPositions.size() || m_aPositions[index] != position) {
        const auto it = std::lower_bound(m_aPositions.begin(), m_aPositions.end(), position);
        index = static_cast<std::size_t>(it - m_aPositions.begin());
    }
    if (index < m_aPositions.size() && m_aPositions[index] == position) {
        m_aNext[index] = static_cast<std::uint32_t>(index + 1);
        m_nHint = index + 1;
    }
}

void CDefinitionIndex::Build(const char* text, int length, int searchLimit,
                             const std::vector<std::string>& words) {
    m_map.clear();
    // A quick sieve before the map: which first bytes and which lengths are
    // asked for.
    bool firstByte[256] = {};
    bool keyLength[kLongestKey + 1] = {};
    for (const std::string& word : words) {
        if (word.empty() || word.size() > kLongestKey) continue;
        m_map.emplace(word, -1);
        firstByte[static_cast<unsigned char>(word[0])] = true;
        keyLength[word.size()] = true;
    }
    if (m_map.empty() || length <= 0) return;
    const bool hasZeros = std::memchr(text, 0, static_cast<std::size_t>(length)) != nullptr;
    std::size_t left = m_map.size();
    // A line starts after every line feed or zero byte; its key runs to the
    // first colon.
    int q = 0;
    while (left > 0) {
        if (hasZeros) {
            while (q < length && text[q] != LF && text[q] != 0) ++q;
        } else {
            const void* lf = std::memchr(text + q, LF, static_cast<std::size_t>(length - q));
            q = lf ? static_cast<int>(static_cast<const char*>(lf) - text) : length;
        }
        const int p = q + 1;
        if (p >= length || p > searchLimit) break;
        q = p;
        if (!firstByte[static_cast<unsigned char>(text[p])]) continue;
        const int span = std::min(static_cast<int>(kLongestKey) + 1, length - p);
        const void* colon = std::memchr(text + p, ':', static_cast<std::size_t>(span));
        if (!colon) continue;
        const int c = static_cast<int>(static_cast<const char*>(colon) - text);
        const auto keyLengthHere = static_cast<std::size_t>(c - p);
        if (keyLengthHere == 0 || !keyLength[keyLengthHere]) continue;
        if (hasZeros && std::memchr(text + p, 0, keyLengthHere)) continue;
        const auto it = m_map.find(std::string(text + p, keyLengthHere));
        if (it != m_map.end() && it->second < 0) {
            it->second = c + 1;
            --left;
        }
    }
}

int CDefinitionIndex::Find(std::string_view word) const {
    const auto it = m_map.find(std::string(word));
    return it == m_map.end() ? -1 : it->second;
}

}  // namespace verbal
