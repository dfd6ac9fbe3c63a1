#include "Text.h"

#include "Codepage.h"

namespace lexbuild {

std::u32string Decode(const std::string& s) { return verbal::Utf8ToUtf32(s); }

std::string Encode(const std::u32string& text) { return verbal::Utf32ToUtf8(text); }

namespace {

// The capital without accent of a lower-case French letter, 0 for anything
// else; œ and æ are handled by the caller.
char FoldLetter(char32_t c) {
    if (c >= U'a' && c <= U'z') return static_cast<char>(c - U'a' + 'A');
    if (c >= U'A' && c <= U'Z') return static_cast<char>(c);
    switch (c) {
    case U'à': case U'â': case U'ä': case U'À': case U'Â': case U'Ä': return 'A';
    case U'ç': case U'Ç': return 'C';
    case U'é': case U'è': case U'ê': case U'ë': case U'É': case U'È': case U'Ê': case U'Ë': return 'E';
    case U'î': case U'ï': case U'Î': case U'Ï': return 'I';
    case U'ô': case U'ö': case U'Ô': case U'Ö': return 'O';
    case U'ù': case U'û': case U'ü': case U'Ù': case U'Û': case U'Ü': return 'U';
    case U'ÿ': case U'Ÿ': return 'Y';
    default: return 0;
    }
}

}  // namespace

std::string Fold(const std::string& utf8) {
    std::string out;
    for (char32_t c : Decode(utf8)) {
        if (c == U'œ' || c == U'Œ') {
            out += "OE";
        } else if (c == U'æ' || c == U'Æ') {
            out += "AE";
        } else {
            const char f = FoldLetter(c);
            if (!f) return {};
            out += f;
        }
    }
    return out;
}

std::vector<std::string> FoldedTokens(const std::string& utf8) {
    std::vector<std::string> out;
    std::string token;
    for (char32_t c : Decode(utf8)) {
        const std::string f = Fold(Encode(std::u32string(1, c)));
        if (!f.empty()) {
            token += f;
        } else if (!token.empty()) {
            out.push_back(token);
            token.clear();
        }
    }
    if (!token.empty()) out.push_back(token);
    return out;
}

bool IsLowerFrenchWord(const std::string& utf8) {
    const std::u32string text = Decode(utf8);
    if (text.empty()) return false;
    for (char32_t c : text) {
        if (c == U'œ' || c == U'æ') continue;
        if (c >= U'A' && c <= U'Z') return false;
        const char f = FoldLetter(c);
        if (!f) return false;
        if (c > 0x7F && c < 0xE0) return false;  // an accented capital
    }
    return true;
}

std::string Lower(const std::string& utf8) {
    std::u32string text = Decode(utf8);
    for (char32_t& c : text) {
        if (c >= U'A' && c <= U'Z') c = c - U'A' + U'a';
        else if (c == U'Œ') c = U'œ';
        else if (c == U'Æ') c = U'æ';
        else if (c == U'Ÿ') c = U'ÿ';
        else if (c >= 0xC0 && c <= 0xDE && c != 0xD7) c += 0x20;
    }
    return Encode(text);
}

std::string Capitalise(const std::string& utf8) {
    std::u32string text = Decode(utf8);
    if (text.empty()) return utf8;
    char32_t& c = text[0];
    if (c >= U'a' && c <= U'z') c = c - U'a' + U'A';
    else if (c == U'œ') c = U'Œ';
    else if (c == U'æ') c = U'Æ';
    else if (c == U'ÿ') c = U'Ÿ';
    else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c -= 0x20;
    return Encode(text);
}

std::size_t Length(const std::string& utf8) { return Decode(utf8).size(); }

bool FitsCp1252(const std::string& utf8) {
    for (char32_t c : Decode(utf8))
        if (c == U'\uFFFD' || c < 0x20) return false;
    return verbal::Cp1252ToUtf8(verbal::Utf8ToCp1252(utf8)) == utf8;
}

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> out;
    std::string field;
    for (char c : text) {
        if (c == sep) {
            out.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    out.push_back(field);
    return out;
}

std::string Trim(const std::string& text) {
    std::size_t a = 0;
    std::size_t b = text.size();
    while (a < b && (text[a] == ' ' || text[a] == '\t' || text[a] == '\r' || text[a] == '\n')) ++a;
    while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t' || text[b - 1] == '\r' || text[b - 1] == '\n')) --b;
    return text.substr(a, b - a);
}

unsigned long long Hash(const std::string& text) {
    unsigned long long h = 1469598103934665603ULL;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    // FNV alone leaves words that differ in their last letters close
    // together; a final mix spreads them.
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

}  // namespace lexbuild
