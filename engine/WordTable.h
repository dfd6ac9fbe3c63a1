// CWordTable: the dictionary of one computation. The file is read whole and
// unscrambled, its words are shuffled from random starts and rebuilt as the
// word table grouped by length, and the group bounds are found.
//
// The word table is text: entries CR LF word space, the 26 letters first,
// then the black-square entry (its word is one space), then the words of 2 to
// 15 letters grouped by length, then 200 '%'. A used word has the LF of its
// entry replaced by a tab. The exact bytes matter: the row filling walks
// them, and the same seed must give the same grid on every machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Limits.h"
#include "SearchIndex.h"

namespace verbal {

class CWordTable {
public:
    static constexpr int kRandomCount = 100000;
    static constexpr int kRandomDrawn = 99000;

    // A fresh table is all zero, as every computation expects past the text.
    CWordTable();
    CWordTable(const CWordTable&) = delete;
    CWordTable& operator=(const CWordTable&) = delete;

    // Reads the dictionary file whole and takes it. Refused, |reason| says
    // why in French, naming the file, and the buffer is untouched.
    enum class Load { Taken, CannotOpen, Refused };
    Load LoadDictionary(const std::string& path, std::string& reason);
    // The checks and the copy that follow reading the file: empty when the
    // text was taken, else the reason it was refused.
    std::string TakeDictionaryBytes(const char* bytes, std::size_t size, const std::string& path);
    void UnscrambleDictionary();

    // The random table from the classic generator seeded with |seed|, then
    // the shuffle of the text into m_szShuffled, then the rebuild of the
    // word table into m_szDictionary.
    void DrawRandomTable(std::uint32_t seed);
    // The random bit that transposes the finished grid.
    bool TransposeDrawn() const { return m_anRandom[97856] % 2 != 0; }
    void ShuffleDictionary();
    void RebuildWordTable();

    // Finds the group bounds and builds the search indexes: 1 when every
    // length from 2 to 15 has a word, 0 otherwise (the bounds from the first
    // missing length on keep their values).
    int ValidateWordTable();
    // Group bounds: [start, end) of the words of |length| letters (1: the
    // letters and the black square; 15 and more: the last group).
    int GroupStart(int length) const;
    int GroupEnd(int length) const;
    // The last position a search may look at: the text's length minus 35.
    std::uint32_t SearchLimit() const;

    // The entry whose line feed is at |lineFeed| has been placed in the grid.
    void MarkUsed(std::uint32_t lineFeed);

    char m_szDictionary[kDictionarySize];
    char m_szShuffled[kDictionarySize];
    std::uint32_t m_anRandom[kRandomCount];
    std::uint32_t m_nDictionaryLength = 0;
    int m_nLengthStart = 0;
    int m_anLengthEnd[15];  // entries 1..14

    // Indexes of the current table (see SearchIndex.h).
    CPrefixIndex m_prefixIndex;
    CFetchIndex m_fetchIndex;

private:
    CEntryStarts m_entryStarts;
    std::uint32_t m_nTableLength = 0;  // bytes of the rebuilt word table
    // How far earlier computations wrote into the two buffers: what lies
    // beyond is still zero.
    std::size_t m_nDictionaryUsed = 0;
    std::size_t m_nShuffledUsed = 0;
};

}  // namespace verbal
