// Reads a MyThes thesaurus: a first line naming the encoding, then for each
// headword a line "headword|n" followed by n lines "(labels)|synonym|...".
#pragma once

#include <map>
#include <string>
#include <vector>

namespace lexbuild {

class Thesaurus {
public:
    bool Load(const std::string& text, std::string& error);

    // Synonyms of |headword| (UTF-8, as spelled), in the thesaurus' order,
    // without repeats; empty when the word is no headword.
    const std::vector<std::string>& Synonyms(const std::string& headword) const;
    bool Lists(const std::string& headword, const std::string& synonym) const;
    std::size_t Size() const { return m_entries.size(); }
    const std::map<std::string, std::vector<std::string>>& Entries() const { return m_entries; }

private:
    std::map<std::string, std::vector<std::string>> m_entries;
};

}  // namespace lexbuild
