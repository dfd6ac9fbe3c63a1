// Indexes that let the generator answer, in logarithmic or constant time,
// the questions it would otherwise answer by scanning the word table. Each
// answer is the one the scan gives, byte for byte: the indexes change how long
// a grid takes, never which grid comes out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace verbal {

// The entries the word fetch meets in each group, in table order, with the
// length it counts for each. A table whose words hold a line feed or a tab
// (a damaged dictionary) is not indexed: the fetch then scans the bytes.
class CFetchIndex {
public:
    struct Entry {
        std::uint32_t opener;  // position of the entry's line feed (or tab)
        std::uint32_t count;   // bytes the fetch copies for it
    };
    // Codes of the first two bytes: 0..25 a letter, 26 a space (the black
    // square), 27 anything else, 28 none (a one-byte word).
    static constexpr std::uint8_t kSpaceCode = 26;
    static constexpr std::uint8_t kOtherCode = 27;
    static constexpr std::uint8_t kNoCode = 28;

    void Build(const char* table, const int bounds[16]);
    void Clear() { m_bReady = false; }
    bool Ready() const { return m_bReady; }
    const std::vector<Entry>& Group(int segment) const { return m_aGroups[segment]; }
    // Per entry of a group, in the same order: its first two codes, and
    // whether it is used (its line feed replaced by a tab).
    const std::vector<std::uint8_t>& First(int segment) const { return m_aFirst[segment]; }
    const std::vector<std::uint8_t>& Second(int segment) const { return m_aSecond[segment]; }
    const std::vector<std::uint8_t>& Used(int segment) const { return m_aUsed[segment]; }
    // True when every entry of the group counts |length| bytes.
    bool Uniform(int segment, std::uint32_t length) const {
        return m_anUniformCount[segment] == length;
    }
    // The entry opened at |opener| has just been marked used in the table.
    void MarkUsed(std::uint32_t opener);

    // How many leading bytes have bit sets of their codes.
    static constexpr int kCodedBytes = 4;
    // The same facts as bit sets, 64 entries a word: which entries are
    // unused, and which have code |code| at byte |index| (kNoCode once the
    // word is over).
    const std::uint64_t* UnusedBits(int segment) const { return m_aUnusedBits[segment].data(); }
    const std::uint64_t* CodeBits(int segment, int index, int code) const {
        return m_aCodeBits[segment][index][code].data();
    }

private:
    bool m_bReady = false;
    std::vector<Entry> m_aGroups[15];
    std::vector<std::uint8_t> m_aFirst[15];
    std::vector<std::uint8_t> m_aSecond[15];
    std::vector<std::uint8_t> m_aUsed[15];
    std::uint32_t m_anUniformCount[15] = {};
    std::vector<std::uint64_t> m_aUnusedBits[15];
    std::vector<std::uint64_t> m_aCodeBits[15][kCodedBytes][kNoCode + 1];
};

// "Does an entry between these two table positions begin with this
// pattern?" The table's group bounds cut it into 15 segments (the letters,
// then words of 2, 3, ... 15 letters); a range always runs from the start of
// one segment to the end of another, so each segment keeps its entries'
// words sorted and a range is answered by one binary search per segment.
class CPrefixIndex {
public:
    // |bounds| holds the 16 segment bounds in increasing order; entries open
    // with a line feed or a tab.
    // The fetch index, when ready, already knows every entry.
    void Build(const char* table, const int bounds[16], const CFetchIndex& entries);
    void Clear() { m_bReady = false; }
    bool Ready() const { return m_bReady; }
    // Segment number of a bound, or -1 when |position| is not one.
    int SegmentOf(int position) const;
    // True when an entry of segments [from, to) begins with |pattern|.
    bool Find(std::string_view pattern, int from, int to) const;

private:
    // A word and its first eight bytes as one number, so that most
    // comparisons are of numbers.
    struct Key {
        std::uint64_t head;
        std::string_view word;
        bool operator<(const Key& o) const { return head != o.head ? head < o.head : word < o.word; }
    };
    static std::uint64_t Head(std::string_view word);
    bool m_bReady = false;
    int m_anBounds[16] = {};
    std::vector<Key> m_aSegments[15];
};

// What the column test answers for a column, by what lies above the row being
// filled. A column's answer depends only on its cells, so it is kept for the
// whole computation and reused whenever the same column comes back.
struct CColumnAnswers {
    // Bit v (0..25 for 'A'..'Z', 26 for a black square): known / passes.
    std::uint32_t known = 0;
    std::uint32_t passes = 0;
    // The answer for the column as it stands, with nothing in the row.
    signed char alone = -1;  // -1 unknown, 0 fails, 1 passes
};

class CColumnCache {
public:
    void Clear() { m_map.clear(); }
    CColumnAnswers& For(const std::string& cellsAbove) { return m_map[cellsAbove]; }
    std::size_t Size() const { return m_map.size(); }

private:
    std::unordered_map<std::string, CColumnAnswers> m_map;
};

// The line feeds of the dictionary text still to be copied by the shuffle,
// in position order, with a quick way to the next one at or after a position.
class CEntryStarts {
public:
    void Build(const char* text, std::uint32_t length);
    // Index of the first line feed at or after |position| not yet taken, or
    // Count() when there is none.
    std::size_t NextFrom(std::uint32_t position);
    std::uint32_t Position(std::size_t index) const { return m_aPositions[index]; }
    std::size_t Count() const { return m_aPositions.size(); }
    // The line feed at |position| has been taken (it must be one).
    void Take(std::uint32_t position);

private:
    std::size_t Find(std::size_t index);
    std::vector<std::uint32_t> m_aPositions;
    std::vector<std::uint32_t> m_aNext;  // union-find towards the next untaken
    std::size_t m_nHint = 0;             // where the next Take most likely is
};

// The first line of each word of a grid in a definitions text, found in one
// pass instead of one scan per word.
class CDefinitionIndex {
public:
    // Lines starting after |searchLimit| are left to the full search.
    void Build(const char* text, int length, int searchLimit,
               const std::vector<std::string>& words);
    void Clear() { m_map.clear(); }
    // Position of the clue (just past the colon) of |word|, or -1 when the
    // word was not asked for or has no line up to the search limit.
    int Find(std::string_view word) const;

private:
    std::unordered_map<std::string, int> m_map;
};

}  // namespace verbal
