// Clues: once a grid is complete, every word of it, across and down, gets the
// clue of its line in the definitions file.
//
// A definition line is the word, a colon and the clue, ended by CR LF. The
// first line of the file is never matched and the first matching line wins;
// the colon must follow the word at once, so CHAT never takes the clue of
// CHATS.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "Codepage.h"
#include "FileIo.h"
#include "Scramble.h"
#include "VerbalineDoc.h"

namespace verbal {
namespace {

constexpr char CR = 13;
constexpr char LF = 10;

const char* const kNotFoundClue =
    "ATTENTION PROBLEME : La définition de ce mot n'a pas été trouvée !";
const char* const kNotFoundCaption = "Erreur au cours de la recherche d'une définitions !";
const char* const kNotFoundText =
    "La grille contient un mot qui n'a pas été trouvé dans le fichier des définitions cette "
    "grille n'est pas valide ! Si le problème se produit trop souvent, changez de dictionnaire. "
    "Consultez la rubrique d'aide relative aux dictionnaires et fichiers de définitions.";
const char* const kOpenFailedText = "Erreur d'ouverture du fichier de definitions.";

}  // namespace

void CVerbalineDoc::ClearWord() { std::memset(m_szColumn, 0, 30); }

void CVerbalineDoc::UnscrambleDefinitions() {
    Unscramble(m_szDefinitions, static_cast<std::size_t>(m_nDefinitionsLength));
}

int CVerbalineDoc::BuildClues() {
    std::vector<char> bytes;
    std::size_t size = 0;
    for (;;) {
        m_nDefSearchPos = 0;
        const ReadResult result = ReadWholeFile(m_strDefsPath, kDefinitionsSize, bytes, size);
        m_bDictOpened = result != ReadResult::CannotOpen;
        if (result == ReadResult::Ok) break;
        if (result == ReadResult::TooLarge) {
            Message(W("Le fichier des définitions (") + m_strDefsPath +
                        W(") est trop volumineux : il dépasse 4 000 000 octets. Les définitions "
                          "de cette grille n'ont pas pu être lues."),
                    text::kAppTitle, MsgButtons::Ok, MsgIcon::Stop, MsgOwner::App);
            return 0;
        }
        if (Message(kOpenFailedText, text::kAppTitle, MsgButtons::RetryCancel, MsgIcon::None,
                    MsgOwner::App) != IDRETRY)
            return 0;
    }
    TakeDefinitionsBytes(bytes.data(), size);
    LookUpAllClues();
    return 1;
}

void CVerbalineDoc::TakeDefinitionsBytes(const char* bytes, std::size_t size) {
    size = std::min(size, static_cast<std::size_t>(kDefinitionsSize));
    // Past the text the buffer stays zero, so no earlier file can answer.
    std::memcpy(m_szDefinitions, bytes, size);
    const auto previous = static_cast<std::size_t>(m_nDefinitionsLength);
    if (previous > size) std::memset(m_szDefinitions + size, 0, previous - size);
    m_nDefinitionsLength = static_cast<int>(size);
    UnscrambleDefinitions();
    m_definitionIndex.Clear();
}

void CVerbalineDoc::LookUpAllClues() {
    // One pass over the text finds the first line of every word of the grid;
    // the search then only runs for words without one.
    std::vector<std::string> words;
    for (int line = 0; line < 40; ++line) {
        const char* cells = line < 20 ? m_aSolution[line + 1] : m_aTransposed[line - 19];
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
    auto lookUpLine = [this](const char* cells, std::string* clues) {
        int i = 0;
        int word = 0;
        for (;;) {
            while (i < 30 && cells[i] == ' ') ++i;
            if (i >= 30 || cells[i] == 0) return;
            ++word;
            ClearWord();
            int k = 0;
            while (i < 30 && cells[i] != ' ' && cells[i] != 0) m_szColumn[k++] = cells[i++];
            std::string clue = LookupDefinition();
            if (word <= 10) clues[word - 1] = std::move(clue);
        }
    };
    for (int r = 1; r <= 20; ++r) lookUpLine(m_aSolution[r], m_astrClues[r - 1]);
    for (int c = 1; c <= 20; ++c) lookUpLine(m_aTransposed[c], m_astrClues[19 + c]);
}

std::string CVerbalineDoc::LookupDefinition() {
    // The search ends with the file's text: nothing past it is a definition.
    const int end = m_nDefinitionsLength;
    const char* const text = m_szDefinitions;
    const char* const word = m_szColumn;
    int pos = 0;
    m_strFoundDefinition = W(kNotFoundClue);
    if (m_bSearchIndexes) {
        const int clue = m_definitionIndex.Find(std::string_view(word, strnlen(word, 30)));
        if (clue >= 0) {
            int stop = clue;
            while (stop < end && text[stop] != CR) ++stop;
            m_strFoundDefinition.assign(text + clue, static_cast<std::size_t>(stop - clue));
            m_nDefSearchPos = clue;
            return m_strFoundDefinition;
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
    if (!found)
        Message(W(kNotFoundText), W(kNotFoundCaption), MsgButtons::Ok, MsgIcon::None,
                MsgOwner::View);
    return m_strFoundDefinition;
}

}  // namespace verbal
