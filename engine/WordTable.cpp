#include "WordTable.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "Codepage.h"
#include "FileIo.h"
#include "Random.h"
#include "Scramble.h"

namespace verbal {
namespace {

constexpr char CR = 13;
constexpr char LF = 10;
constexpr char TAB = 9;
constexpr std::uint32_t kTail = 35;        // last bytes of the text never searched
constexpr std::uint32_t kRunTail = 210;    // runs of the shuffle stop before these
constexpr int kEntriesPerRun = 11;
constexpr int kEndMarker = 200;
// Below this the tail bounds above would underflow: nothing useful fits anyway.
constexpr std::uint32_t kMinDictionaryLength = kTail + 1;

std::string Thousands(std::size_t n) {
    std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
        out += digits[i];
    }
    return out;
}

}  // namespace

CWordTable::CWordTable() {
    std::memset(m_szDictionary, 0, sizeof m_szDictionary);
    std::memset(m_szShuffled, 0, sizeof m_szShuffled);
    std::memset(m_anRandom, 0, sizeof m_anRandom);
    std::memset(m_anLengthEnd, 0, sizeof m_anLengthEnd);
}

std::uint32_t CWordTable::SearchLimit() const { return m_nDictionaryLength - kTail; }

CWordTable::Load CWordTable::LoadDictionary(const std::string& path, std::string& reason) {
    std::vector<char> bytes;
    std::size_t size = 0;
    // The rebuilt table adds 308 bytes to the text: refuse what would not fit
    // before a single byte reaches the buffer.
    const std::size_t maxBytes = kDictionarySize - kTableAdditions;
    const ReadResult result = ReadWholeFile(path, maxBytes, bytes, size);
    if (result == ReadResult::CannotOpen) return Load::CannotOpen;
    if (result == ReadResult::TooLarge)
        reason = W("Le fichier du dictionnaire est trop volumineux (") + ShownPath(path) +
                 W(") : il fait ") + Thousands(size) +
                 W(" octets, le programme en accepte au plus ") + Thousands(maxBytes) +
                 W(". Choisissez un autre dictionnaire.");
    else if (result == ReadResult::ReadError)
        reason = W("Le fichier du dictionnaire n'a pas pu être lu en entier (") + ShownPath(path) +
                 W("). Réessayez ou choisissez un autre dictionnaire.");
    else
        reason = TakeDictionaryBytes(bytes.data(), bytes.size(), path);
    return reason.empty() ? Load::Taken : Load::Refused;
}

std::string CWordTable::TakeDictionaryBytes(const char* bytes, std::size_t size,
                                            const std::string& path) {
    const std::string name = " (" + ShownPath(path) + ")";
    if (size > static_cast<std::size_t>(kDictionarySize - kTableAdditions))
        return W("Le fichier du dictionnaire est trop volumineux") + name +
               W(". Choisissez un autre dictionnaire.");
    if (size < kMinDictionaryLength)
        return W("Le fichier du dictionnaire est vide ou trop court pour contenir des mots") +
               name + W(". Choisissez un autre dictionnaire.");
    // Each line can start a run of the shuffle, and the random table holds a
    // start for 99,996 runs only.
    const auto lines = static_cast<std::size_t>(
        std::count(bytes, bytes + size, static_cast<char>(LF + kScrambleOffset)));
    if (lines >= static_cast<std::size_t>(kMaxShuffleRuns))
        return W("Le dictionnaire contient trop de lignes") + name + W(" : ") + Thousands(lines) +
               W(", le programme en accepte au plus ") + Thousands(kMaxShuffleRuns - 1) +
               W(". Choisissez un autre dictionnaire.");

    // What lies past the text stays zero, as in a fresh document, so that the
    // same file always gives the same table.
    std::memcpy(m_szDictionary, bytes, size);
    if (m_nDictionaryUsed > size) std::memset(m_szDictionary + size, 0, m_nDictionaryUsed - size);
    m_nDictionaryUsed = size;
    m_nDictionaryLength = static_cast<std::uint32_t>(size);
    UnscrambleDictionary();
    return std::string();
}

void CWordTable::UnscrambleDictionary() { Unscramble(m_szDictionary, m_nDictionaryLength); }

int CWordTable::ValidateWordTable() {
    m_nLengthStart = 1;
    m_prefixIndex.Clear();
    m_fetchIndex.Clear();
    const std::uint32_t limit = SearchLimit();
    std::uint32_t p = 0;
    for (int j = 1; j <= 14; ++j) {
        std::uint32_t i = p;
        for (;;) {
            // Only line feeds can start the entry looked for.
            if (i <= limit && m_szDictionary[i] != LF) {
                const void* lf = std::memchr(m_szDictionary + i, LF, limit - i + 1);
                i = lf ? static_cast<std::uint32_t>(static_cast<const char*>(lf) - m_szDictionary)
                       : limit + 1;
            }
            if (i > limit) return 0;
            if (m_szDictionary[i + j + 2] == ' ') break;
            ++i;
        }
        m_anLengthEnd[j] = static_cast<int>(i) - 1;
        p = i + 1;
    }
    // Every bound found, in increasing order: the column test can use the
    // index of the groups.
    int bounds[16];
    bounds[0] = m_nLengthStart;
    for (int j = 1; j <= 14; ++j) bounds[j] = m_anLengthEnd[j];
    bounds[15] = static_cast<int>(limit);
    m_fetchIndex.Build(m_szDictionary, bounds);
    m_prefixIndex.Build(m_szDictionary, bounds, m_fetchIndex);
    return 1;
}

int CWordTable::GroupStart(int length) const {
    if (length <= 1) return length == 1 ? m_nLengthStart : m_anLengthEnd[14];
    if (length >= 15) return m_anLengthEnd[14];
    return m_anLengthEnd[length - 1];
}

int CWordTable::GroupEnd(int length) const {
    if (length >= 15 || length <= 0) return static_cast<int>(SearchLimit());
    return m_anLengthEnd[length];
}

void CWordTable::DrawRandomTable(std::uint32_t seed) {
    CRandom random;
    random.Seed(seed);
    const std::uint32_t length = m_nDictionaryLength;
    for (int i = 0; i < kRandomDrawn; ++i)
        m_anRandom[i] = static_cast<std::uint32_t>(random.Next()) * 7u % length;
}

void CWordTable::ShuffleDictionary() {
    char* const src = m_szDictionary;
    char* const dst = m_szShuffled;
    const std::uint32_t length = m_nDictionaryLength;
    const std::uint32_t wrapAt = length - kTail;
    // Unsigned like the length: a text shorter than the run tail never stops a
    // run on it.
    const std::uint32_t runStop = length - kRunTail;
    // The entries not yet copied are the line feeds still in the text; they
    // are found through an index instead of scanning over copied ones.
    m_entryStarts.Build(src, length);

    int k = 3;
    std::uint32_t d = 0;
    for (;;) {
        if (d + 2 >= static_cast<std::uint32_t>(kDictionarySize)) break;
        dst[d] = CR;
        dst[d + 1] = LF;
        d += 1;
        const std::uint32_t s = k < kRandomCount ? m_anRandom[k] : 0;
        ++k;

        // The first entry not yet copied at or after s, up to the wrap before
        // the tail (a start inside the tail looks at its own byte only), then
        // from the start of the text up to the byte before s. The search ends
        // once every searchable byte has been seen: a start at 0 or inside
        // the tail has no byte before it to stop on, and ends after one turn.
        const std::uint32_t firstEnd = s <= wrapAt ? wrapAt : s;
        std::size_t found = m_entryStarts.NextFrom(s);
        if (found >= m_entryStarts.Count() || m_entryStarts.Position(found) > firstEnd) {
            found = m_entryStarts.Count();
            if (s > 0) {
                const std::uint32_t secondEnd = std::min(s - 1, wrapAt);
                const std::size_t wrapped = m_entryStarts.NextFrom(0);
                if (wrapped < m_entryStarts.Count() &&
                    m_entryStarts.Position(wrapped) <= secondEnd)
                    found = wrapped;
            }
        }
        if (found >= m_entryStarts.Count()) break;
        std::uint32_t p = m_entryStarts.Position(found);

        // Copy a run of up to 11 consecutive entries, marking each copied LF.
        src[p] = TAB;
        m_entryStarts.Take(p);
        int entries = 0;
        for (;;) {
            // Copy up to the next space. A damaged text (a line without its
            // space) must not carry the copy past the text or the buffer.
            const std::uint32_t room = std::min<std::uint32_t>(
                length - 1 - std::min(p, length - 1),
                static_cast<std::uint32_t>(kDictionarySize) - 2 - std::min<std::uint32_t>(d, kDictionarySize - 2));
            if (room == 0) break;
            const void* space = std::memchr(src + p + 1, ' ', room);
            const std::uint32_t count =
                space ? static_cast<std::uint32_t>(static_cast<const char*>(space) - (src + p)) : room;
            std::memcpy(dst + d + 1, src + p + 1, count);
            for (std::uint32_t q = p + 1; q <= p + count;) {
                const void* lf = std::memchr(src + q, LF, p + count + 1 - q);
                if (!lf) break;
                q = static_cast<std::uint32_t>(static_cast<const char*>(lf) - src);
                src[q] = TAB;
                m_entryStarts.Take(q);
                ++q;
            }
            p += count;
            d += count;
            if (!space) break;
            ++entries;
            if (entries >= kEntriesPerRun || src[p + 2] != LF || p >= runStop) break;
        }
        d += 1;
    }
    // Past the copy the buffer reads as zeros, as in a fresh document,
    // whatever an earlier computation left there.
    const std::size_t written = std::min<std::size_t>(d + 1, kDictionarySize);
    if (m_nShuffledUsed > written) std::memset(dst + written, 0, m_nShuffledUsed - written);
    m_nShuffledUsed = written;
}

void CWordTable::RebuildWordTable() {
    m_prefixIndex.Clear();  // it points into the table being rewritten
    m_fetchIndex.Clear();
    const char* const src = m_szShuffled;
    char* const out = m_szDictionary;
    const std::uint32_t length = m_nDictionaryLength;
    std::uint32_t w = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        out[w++] = CR;
        out[w++] = LF;
        out[w++] = letter;
        out[w++] = ' ';
    }
    out[w++] = CR;
    out[w++] = LF;
    out[w++] = ' ';
    out[w++] = ' ';

    // The shuffled copy is cut the same way for every word length: each
    // piece runs from a CR to the next space. One pass finds the pieces, then
    // each length takes its own in order.
    struct Piece {
        std::uint32_t cr;
        std::uint32_t space;
    };
    std::vector<Piece> pieces;
    pieces.reserve(length / 8 + 1);
    for (std::uint32_t q = 0; q < length;) {
        const void* cr = std::memchr(src + q, CR, length - q);
        if (!cr) break;
        const auto a = static_cast<std::uint32_t>(static_cast<const char*>(cr) - src);
        if (a + 1 >= length) break;
        const void* space = std::memchr(src + a + 1, ' ', length - a - 1);
        if (!space) break;
        const auto b = static_cast<std::uint32_t>(static_cast<const char*>(space) - src);
        pieces.push_back({a, b});
        q = b + 1;
    }

    // The size check at loading keeps the table inside the buffer; the bound
    // here only guards against a text that is not what it should be.
    const std::uint32_t room = kDictionarySize - kEndMarker - 20;
    // The pieces of each length, in the order of the shuffled copy: a
    // counting sort on the length.
    std::uint32_t start[19] = {};
    for (const Piece& piece : pieces) {
        const std::uint32_t d = piece.space - piece.cr;
        if (d >= 4 && d <= 17) ++start[d + 1];
    }
    for (int d = 5; d <= 18; ++d) start[d] += start[d - 1];
    std::vector<std::uint32_t> order(start[18]);
    for (std::uint32_t i = 0; i < pieces.size(); ++i) {
        const std::uint32_t d = pieces[i].space - pieces[i].cr;
        if (d >= 4 && d <= 17) order[start[d]++] = i;
    }
    for (const std::uint32_t i : order) {
        const Piece& piece = pieces[i];
        if (w >= room) break;
        out[w++] = CR;
        // The LF and the word: up to the space, or to a CR before it.
        const std::uint32_t from = piece.cr + 1;
        std::uint32_t to = from;
        while (to < piece.space && src[to] != CR) ++to;
        std::memcpy(out + w, src + from, to - from);
        w += to - from;
        out[w++] = ' ';
    }
    std::memset(out + w, '%', kEndMarker);
    m_nTableLength = w + kEndMarker;
    m_nDictionaryUsed = std::max<std::size_t>(m_nDictionaryUsed, m_nTableLength);
}

void CWordTable::MarkUsed(std::uint32_t lineFeed) {
    m_szDictionary[lineFeed] = TAB;
    m_fetchIndex.MarkUsed(lineFeed);
}

}  // namespace verbal
