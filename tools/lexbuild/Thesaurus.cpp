#include "Thesaurus.h"

#include <algorithm>
#include <sstream>

#include "Text.h"

namespace lexbuild {

bool Thesaurus::Load(const std::string& text, std::string& error) {
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);  // the encoding
    std::string head;
    int pending = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (pending == 0) {
            const std::size_t bar = line.rfind('|');
            if (bar == std::string::npos) continue;
            head = Trim(line.substr(0, bar));
            pending = std::atoi(line.c_str() + bar + 1);
            m_entries[head];
            continue;
        }
        --pending;
        std::vector<std::string> fields = Split(line, '|');
        std::vector<std::string>& list = m_entries[head];
        for (std::size_t i = 1; i < fields.size(); ++i) {
            const std::string syn = Trim(fields[i]);
            if (syn.empty() || syn == head) continue;
            if (std::find(list.begin(), list.end(), syn) == list.end()) list.push_back(syn);
        }
    }
    if (m_entries.size() < 1000) {
        error = "le thésaurus est vide ou illisible";
        return false;
    }
    return true;
}

const std::vector<std::string>& Thesaurus::Synonyms(const std::string& headword) const {
    static const std::vector<std::string> kNone;
    const auto it = m_entries.find(headword);
    return it == m_entries.end() ? kNone : it->second;
}

bool Thesaurus::Lists(const std::string& headword, const std::string& synonym) const {
    const std::vector<std::string>& list = Synonyms(headword);
    return std::find(list.begin(), list.end(), synonym) != list.end();
}

}  // namespace lexbuild
