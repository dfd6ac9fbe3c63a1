#include "DictWriter.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "Scramble.h"

#ifndef VERBAL_TEST_DATA_DIR
#error "VERBAL_TEST_DATA_DIR must name tests/data"
#endif

namespace verbal::test {
void WriteScrambled(const std::string& path, const std::string& plain) {
    std::string bytes = plain;
    Scramble(bytes.data(), bytes.size());
    WriteFile(path, bytes);
}

std::string DictionaryText(const std::vector<std::string>& words) {
    std::string text = "DICTIONNAIRE DE TEST\r\n";
    for (const std::string& word : words) text += word + " \r\n";
    // The last 35 bytes are never searched: end with a line that is no word.
    return text + std::string(40, '-') + " \r\n";
}

std::string DefinitionsText(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string text = "DEFINITIONS DE TEST\r\n";
    for (const auto& [word, clue] : entries) text += word + ":" + clue + "\r\n";
    return text;
}

std::string WriteDictionaryPair(const std::string& dir, const std::string& name,
                                const std::vector<std::string>& words) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        entries.emplace_back(std::string(1, letter), std::string("Lettre ") + letter);
    for (const std::string& word : words) entries.emplace_back(word, "Indice de " + word);
    const std::string lex = dir + "/" + name + ".lex";
    WriteScrambled(lex, DictionaryText(words));
    WriteScrambled(dir + "/" + name + ".dex", DefinitionsText(entries));
    return lex;
}

std::vector<std::string> SmallWordList() {
    std::ifstream file(std::string(VERBAL_TEST_DATA_DIR) + "/petit.txt");
    std::vector<std::string> words;
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos && colon > 0) words.push_back(line.substr(0, colon));
    }
    return words;
}

std::vector<std::string> WordsOfDictionary(const std::string& path) {
    std::string text = ReadFile(path);
    Unscramble(text.data(), text.size());
    std::vector<std::string> words;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);  // the first line is never a word
    while (std::getline(in, line)) {
        const std::size_t space = line.find(' ');
        if (space != std::string::npos && space > 0) words.push_back(line.substr(0, space));
    }
    return words;
}

std::string ShippedDictionaryPath() {
    return std::string(VERBAL_TEST_DATA_DIR) + "/../../data/Standard.lex";
}

std::string SmallDictionaryPath() { return std::string(VERBAL_TEST_DATA_DIR) + "/Petit.lex"; }
std::string SmallDefinitionsPath() { return std::string(VERBAL_TEST_DATA_DIR) + "/Petit.dex"; }

}  // namespace verbal::test
