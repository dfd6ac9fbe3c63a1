// CDefinitionsText: the definitions file of a dictionary, read whole once a
// grid is complete, and the clue of every word of the grid looked up in it.
//
// A definition line is the word, a colon and the clue, ended by CR LF. The
// first line of the file is never matched and the first matching line wins;
// the colon must follow the word at once, so CHAT never takes the clue of
// CHATS.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "Limits.h"
#include "SearchIndex.h"

namespace verbal {

class CGrid;

class CDefinitionsText {
public:
    // A fresh text is all zero.
    CDefinitionsText();
    CDefinitionsText(const CDefinitionsText&) = delete;
    CDefinitionsText& operator=(const CDefinitionsText&) = delete;

    // The file's bytes (at most kDefinitionsSize of them), unscrambled.
    void TakeDefinitionsBytes(const char* bytes, std::size_t size);
    void UnscrambleDefinitions();

    // Every word of |grid|, across in the rows of the solution and down in
    // the rows of the transposed copy, gets the clue of its line; a word
    // without one gets a warning as its clue, and |missing| is called.
    void LookUpAllClues(CGrid& grid, bool useIndexes, const std::function<void()>& missing);
    // The clue of |word| (at most 30 bytes) into m_strFoundDefinition;
    // false, and the warning there, when the text has none.
    bool LookupDefinition(const char* word, bool useIndexes);

    char m_szDefinitions[kDefinitionsSize];
    int m_nDefSearchPos = 0;
    int m_nDefinitionsLength = 0;
    std::string m_strFoundDefinition;

private:
    CDefinitionIndex m_definitionIndex;
};

}  // namespace verbal
