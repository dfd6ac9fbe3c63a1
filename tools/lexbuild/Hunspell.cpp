#include "Hunspell.h"

#include <sstream>

#include "Text.h"

namespace lexbuild {
namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    std::string f;
    while (in >> f) out.push_back(f);
    return out;
}

std::vector<std::u32string> ParseCondition(const std::string& text) {
    std::vector<std::u32string> out;
    if (text == ".") return out;
    const std::u32string t = Decode(text);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == U'[') {
            std::u32string set;
            std::size_t j = i + 1;
            while (j < t.size() && t[j] != U']') set += t[j++];
            out.push_back(set);
            i = j;
        } else if (t[i] == U'.') {
            out.push_back(U"^");  // matches anything: an empty negated set
        } else {
            out.push_back(std::u32string(1, t[i]));
        }
    }
    return out;
}

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

bool PronominalOnly(const Entry& e) {
    const std::string& v = e.verbClass;
    return v.size() > 6 && (v[6] == 'p' || v[6] == 'r') && v[3] == '_' && v[4] == '_' && v[5] == '_';
}

bool TakesDirectObject(const Entry& e) { return e.verbClass.size() > 4 && e.verbClass[4] == 't'; }

bool ConjugatedWithEtre(const Entry& e) { return e.verbClass.size() > 8 && e.verbClass[8] == 'e'; }

bool ConditionMatches(const std::vector<std::u32string>& condition, const std::u32string& word) {
    if (condition.size() > word.size()) return false;
    const std::size_t base = word.size() - condition.size();
    for (std::size_t i = 0; i < condition.size(); ++i) {
        const std::u32string& set = condition[i];
        const char32_t c = word[base + i];
        const bool negated = !set.empty() && set[0] == U'^';
        const bool in = set.find(c, negated ? 1 : 0) != std::u32string::npos;
        if (in == negated) return false;
    }
    return true;
}

void ParseMorph(const std::string& morph, Analysis& a) {
    for (const std::string& f : Fields(morph)) {
        if (f.rfind("po:", 0) == 0) {
            // A final '!' marks an irregular form; "1isg"/"1jsg" are first
            // persons written for inversion (aimé-je).
            std::string v = f.substr(3);
            if (!v.empty() && v.back() == '!') v.pop_back();
            if (v == "1isg" || v == "1jsg") v = "1sg";
            if (v == "nom") a.pos |= kNoun;
            else if (v == "adj") a.pos |= kAdj;
            else if (v == "adv") a.pos |= kAdv;
            else if (v.size() > 1 && v[0] == 'v' && v[1] >= '0' && v[1] <= '3') a.pos |= kVerb;
            else if (v == "infi") a.tenses |= kInfi;
            else if (v == "ppre") a.tenses |= kPpre;
            else if (v == "ppas") a.tenses |= kPpas;
            else if (v == "ipre") a.tenses |= kIpre;
            else if (v == "iimp") a.tenses |= kIimp;
            else if (v == "ipsi") a.tenses |= kIpsi;
            else if (v == "ifut") a.tenses |= kIfut;
            else if (v == "cond") a.tenses |= kCond;
            else if (v == "spre") a.tenses |= kSpre;
            else if (v == "simp") a.tenses |= kSimp;
            else if (v == "impe") a.tenses |= kImpe;
            else if (v.size() == 3 && v[0] >= '1' && v[0] <= '3' && (v.substr(1) == "sg" || v.substr(1) == "pl"))
                a.persons |= Person(v[0] - '0', v.substr(1) == "pl");
            else a.pos |= kOther;
        } else if (f == "is:mas") {
            a.gender |= kMas;
        } else if (f == "is:fem") {
            a.gender |= kFem;
        } else if (f == "is:epi") {
            a.gender = kEpi;
        } else if (f == "is:sg") {
            a.number |= kSg;
        } else if (f == "is:pl") {
            a.number |= kPl;
        } else if (f == "is:inv") {
            a.number = kInv;
        }
    }
}

bool Hunspell::Load(const std::string& affText, const std::string& dicText, std::string& error) {
    std::istringstream aff(affText);
    std::string line;
    bool longFlags = false;
    while (std::getline(aff, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> f = Fields(line);
        if (f.empty() || f[0][0] == '#') continue;
        if (f[0] == "FLAG" && f.size() > 1) longFlags = f[1] == "long";
        else if (f[0] == "NEEDAFFIX" && f.size() > 1) m_needAffix = f[1];
        else if (f[0] == "FORBIDDENWORD" && f.size() > 1) m_forbidden = f[1];
        else if (f[0] == "SFX" && f.size() >= 5) {
            SuffixRule rule;
            rule.strip = f[2] == "0" ? "" : f[2];
            std::string add = f[3];
            const std::size_t slash = add.find('/');
            if (slash != std::string::npos) add = add.substr(0, slash);
            rule.add = add == "0" ? "" : add;
            rule.condition = ParseCondition(f[4]);
            for (std::size_t i = 5; i < f.size(); ++i) rule.morph += (i > 5 ? " " : "") + f[i];
            m_suffixes[f[1]].push_back(std::move(rule));
        }
    }
    if (!longFlags || m_suffixes.empty()) {
        error = "le fichier d'affixes n'a pas la forme attendue (FLAG long, règles SFX)";
        return false;
    }

    std::istringstream dic(dicText);
    bool first = true;
    while (std::getline(dic, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (first) {  // the entry count
            first = false;
            continue;
        }
        if (line.empty()) continue;
        const std::size_t space = line.find(' ');
        const std::string head = line.substr(0, space);
        const std::string morph = space == std::string::npos ? "" : line.substr(space + 1);
        const std::size_t slash = head.find('/');
        const std::string word = head.substr(0, slash);
        const std::string flags = slash == std::string::npos ? "" : head.substr(slash + 1);
        if (word.empty()) continue;
        Expand(word, flags, morph);
    }
    if (m_entries.size() < 1000) {
        error = "le dictionnaire Hunspell est vide ou illisible";
        return false;
    }
    return true;
}

void Hunspell::Expand(const std::string& word, const std::string& flags, const std::string& morph) {
    std::vector<std::string> flagList;
    for (std::size_t i = 0; i + 2 <= flags.size(); i += 2)
        flagList.push_back(flags.substr(i, 2));
    bool needAffix = false;
    for (const std::string& flag : flagList) {
        if (flag == m_forbidden) return;
        if (flag == m_needAffix) needAffix = true;
    }
    Analysis base;
    base.entry = static_cast<std::uint32_t>(m_entries.size());
    ParseMorph(morph, base);
    Entry entry{word, base.pos, {}};
    const std::size_t po = morph.find("po:v");
    if (po != std::string::npos) entry.verbClass = morph.substr(po + 3, morph.find(' ', po) - po - 3);
    m_entries.push_back(std::move(entry));

    if (!needAffix) m_forms.push_back({word, base});
    const std::u32string wide = Decode(word);
    for (const std::string& flag : flagList) {
        const auto it = m_suffixes.find(flag);
        if (it == m_suffixes.end()) continue;
        for (const SuffixRule& rule : it->second) {
            if (!EndsWith(word, rule.strip) || !ConditionMatches(rule.condition, wide)) continue;
            Form form;
            form.surface = word.substr(0, word.size() - rule.strip.size()) + rule.add;
            form.analysis = base;
            ParseMorph(rule.morph, form.analysis);
            m_forms.push_back(std::move(form));
        }
    }
}

}  // namespace lexbuild
