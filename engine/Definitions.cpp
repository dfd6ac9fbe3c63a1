#include "Definitions.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "Codepage.h"
#include "Grid.h"
#include "Scramble.h"

namespace verbal {
namespace {

constexpr char CR = 13;
constexpr char LF = 10;

const char* const kNotFoundClue =
    "ATTENTION PROBLEME : La définition de ce mot n'a pas été trouvée !";

}  // namespace

CDefinitionsText::CDefinitionsText() { std::memset(m_szDefinitions, 0, sizeof m_szDefinitions); }

void CDefinitionsText::UnscrambleDefinitions() {
    Unscramble(m_szDefinitions, static_cast<std::size_t>(m_nDefinitionsLength));
}

void CDefinitionsText::TakeDefinitionsBytes(const char* bytes, std::size_t size) {
    size = std::min(size, static_cast<std::size_t>(kDefinitionsSize));
    // Past the text the buffer stays zero, so no earlier file can answer.
    std::memcpy(m_szDefinitions, bytes, size);
    const auto previous = static_cast<std::size_t>(m_nDefinitionsLength);
    if (previous > size) std::memset(m_szDefinitions + size, 0, previous - size);
    m_nDefinitionsLength = static_cast<int>(size);
    UnscrambleDefinitions();
    m_definitionIndex.Clear();
}

void CDefinitionsText::LookUpAllClues(CGrid& grid, bool useIndexes,
                                      const std::function<void()>& missing) {
    // One pass over the text finds the first line of every word of the grid;
    // the search then only runs for words without one.
    std::vector<std::string> words;
    for (int line = 0; line < 40; ++line) {
        const char* cells = line < 20 ? grid.m_aSolution[line + 1] : grid.m_aTransposed[line - 19];
        std::string word;
        for (int i = 0; i <= 30; ++i) {
            const char cell = i < 30 ? cells[i] : 0;
            if (cell != ' ' && cell != 0) {
                word += cell;
            } else if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
            if (cell == 0) break;
        }
    }
    m_definitionIndex.Build(m_szDefinitions, m_nDefinitionsLength, kDefsSearchLimit, words);
    // Rows of the solution give the words across (lines 0..19), rows of the
    // transposed copy the words down (lines 20..39).
    auto lookUpLine = [&](const char* cells, std::string* clues) {
        int i = 0;
        int number = 0;
        for (;;) {
            while (i < 30 && cells[i] == ' ') ++i;
            if (i >= 30 || cells[i] == 0) return;
            ++number;
            char word[31] = {};
            int k = 0;
            while (i < 30 && cells[i] != ' ' && cells[i] != 0) word[k++] = cells[i++];
            if (!LookupDefinition(word, useIndexes) && missing) missing();
            if (number <= 10) clues[number - 1] = m_strFoundDefinition;
        }
    };
    for (int r = 1; r <= 20; ++r) lookUpLine(grid.m_aSolution[r], grid.m_astrClues[r - 1]);
    for (int c = 1; c <= 20; ++c) lookUpLine(grid.m_aTransposed[c], grid.m_astrClues[19 + c]);
}

bool CDefinitionsText::LookupDefinition(const char* word, bool useIndexes) {
    // The search ends with the file's text: nothing past it is a definition.
    const int end = m_nDefinitionsLength;
    const char* const text = m_szDefinitions;
    int pos = 0;
    m_strFoundDefinition = W(kNotFoundClue);
    if (useIndexes) {
        const int clue = m_definitionIndex.Find(std::string_view(word, strnlen(word, 30)));
        if (clue >= 0) {
            int stop = clue;
            while (stop < end && text[stop] != CR) ++stop;
            m_strFoundDefinition.assign(text + clue, static_cast<std::size_t>(stop - clue));
            m_nDefSearchPos = clue;
            return true;
        }
    }
    bool found = false;
    for (;;) {
        // Next line start.
        while (pos < end && text[pos] != LF && text[pos] != 0) ++pos;
        ++pos;
        if (pos >= end) break;
        if (text[pos] != word[0]) {
            if (pos > kDefsSearchLimit) break;
            continue;
        }
        int k = 0;
        while (pos < end && text[pos] == word[k] && k < 29 && text[pos] != 0) {
            ++pos;
            ++k;
        }
        if (word[k] == 0 && pos < end && text[pos] == ':') {
            ++pos;
            m_strFoundDefinition.clear();
            int stop = pos;
            while (stop < end && text[stop] != CR) ++stop;
            m_strFoundDefinition.assign(text + pos, static_cast<std::size_t>(stop - pos));
            found = true;
            break;
        }
    }
    m_nDefSearchPos = pos;
    return found;
}

}  // namespace verbal
