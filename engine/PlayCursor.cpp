#include "PlayCursor.h"

#include <algorithm>
#include <tuple>

namespace verbal {
namespace {

int Size(const CVerbalineDoc& doc) { return std::min(doc.GridSize(), 20); }

bool IsWhite(const CVerbalineDoc& doc, int row, int column) {
    const int n = Size(doc);
    if (row < 1 || row > n || column < 1 || column > n) return false;
    const char cell = doc.SolutionCell(row, column);
    return cell >= 'A' && cell <= 'Z';
}

Direction Other(Direction d) {
    return d == Direction::Across ? Direction::Down : Direction::Across;
}

// A single letter that a longer word crosses is typed with that word.
bool WorthTyping(const CVerbalineDoc& doc, const CWordSpan& word) {
    if (word.length > 1) return true;
    return WordAt(doc, Other(word.direction), word.Row(0), word.Column(0)).length <= 1;
}

}  // namespace

bool CWordSpan::Contains(int row, int column) const { return IndexOf(row, column) >= 0; }

int CWordSpan::IndexOf(int row, int column) const {
    if (length <= 0) return -1;
    const int along = direction == Direction::Across ? column : row;
    const int across = direction == Direction::Across ? row : column;
    if (across != line || along < start || along >= start + length) return -1;
    return along - start;
}

bool CWordSpan::Before(const CWordSpan& o) const {
    return std::make_tuple(direction == Direction::Down, line, number) <
           std::make_tuple(o.direction == Direction::Down, o.line, o.number);
}

std::vector<CWordSpan> GridWords(const CVerbalineDoc& doc) {
    std::vector<CWordSpan> words;
    if (!doc.GridReady()) return words;
    const int n = Size(doc);
    for (Direction d : {Direction::Across, Direction::Down})
        for (int line = 1; line <= n; ++line)
            for (const LineWord& w : doc.Words(d, line)) {
                CWordSpan span;
                span.direction = d;
                span.line = line;
                span.number = w.number;
                span.start = w.start + 1;
                span.length = static_cast<int>(w.word.size());
                words.push_back(span);
            }
    return words;
}

CWordSpan WordAt(const CVerbalineDoc& doc, Direction direction, int row, int column) {
    CWordSpan span;
    span.direction = direction;
    if (!IsWhite(doc, row, column)) return span;
    const bool across = direction == Direction::Across;
    span.line = across ? row : column;
    auto white = [&](int along) {
        return across ? IsWhite(doc, row, along) : IsWhite(doc, along, column);
    };
    int first = across ? column : row;
    while (white(first - 1)) --first;
    int last = across ? column : row;
    while (white(last + 1)) ++last;
    span.start = first;
    span.length = last - first + 1;
    span.number = doc.WordNumberAt(direction, row, column);
    return span;
}

int FirstEmptyIndex(const CVerbalineDoc& doc, const CWordSpan& word) {
    for (int i = 0; i < word.length; ++i)
        if (doc.PlayerCell(word.Row(i), word.Column(i)) == 0) return i;
    return 0;
}

bool WordFilled(const CVerbalineDoc& doc, const CWordSpan& word) {
    for (int i = 0; i < word.length; ++i) {
        const char c = doc.PlayerCell(word.Row(i), word.Column(i));
        if (c < 'A' || c > 'Z') return false;
    }
    return word.length > 0;
}

char FoldLetter(char32_t c) {
    if (c >= U'A' && c <= U'Z') return static_cast<char>(c);
    if (c >= U'a' && c <= U'z') return static_cast<char>(c - U'a' + 'A');
    switch (c) {
    case U'à': case U'â': case U'ä': case U'À': case U'Â': case U'Ä': return 'A';
    case U'ç': case U'Ç': return 'C';
    case U'é': case U'è': case U'ê': case U'ë':
    case U'É': case U'È': case U'Ê': case U'Ë': return 'E';
    case U'î': case U'ï': case U'Î': case U'Ï': return 'I';
    case U'ô': case U'ö': case U'Ô': case U'Ö': return 'O';
    case U'û': case U'ù': case U'ü': case U'Û': case U'Ù': case U'Ü': return 'U';
    case U'ÿ': case U'Ÿ': return 'Y';
    default: return 0;
    }
}

void CPlayCursor::Set(int row, int column, Direction direction) {
    m_bActive = true;
    m_nRow = row;
    m_nColumn = column;
    m_direction = direction;
}

void CPlayCursor::Start(const CVerbalineDoc& doc) {
    for (const CWordSpan& word : GridWords(doc))
        if (WorthTyping(doc, word)) {
            GoToWord(doc, word);
            return;
        }
}

bool CPlayCursor::Place(const CVerbalineDoc& doc, int row, int column) {
    if (!IsWhite(doc, row, column)) return false;
    Direction d = m_direction;
    if (WordAt(doc, d, row, column).length == 1 && WordAt(doc, Other(d), row, column).length > 1)
        d = Other(d);
    Set(row, column, d);
    return true;
}

void CPlayCursor::SwitchDirection() { m_direction = Other(m_direction); }

void CPlayCursor::Arrow(const CVerbalineDoc& doc, int dRow, int dColumn) {
    const Direction along = dColumn != 0 ? Direction::Across : Direction::Down;
    if (along != m_direction) {
        m_direction = along;
        return;
    }
    const int n = Size(doc);
    int row = m_nRow + dRow;
    int column = m_nColumn + dColumn;
    while (row >= 1 && row <= n && column >= 1 && column <= n) {
        if (IsWhite(doc, row, column)) {
            Set(row, column, m_direction);
            return;
        }
        row += dRow;
        column += dColumn;
    }
}

bool CPlayCursor::Advance(const CVerbalineDoc& doc) {
    const CWordSpan word = CurrentWord(doc);
    const int i = word.IndexOf(m_nRow, m_nColumn);
    if (i < 0 || i + 1 >= word.length) return false;
    Set(word.Row(i + 1), word.Column(i + 1), m_direction);
    return true;
}

bool CPlayCursor::Retreat(const CVerbalineDoc& doc) {
    const CWordSpan word = CurrentWord(doc);
    const int i = word.IndexOf(m_nRow, m_nColumn);
    if (i <= 0) return false;
    Set(word.Row(i - 1), word.Column(i - 1), m_direction);
    return true;
}

void CPlayCursor::NextWord(const CVerbalineDoc& doc, bool backwards) {
    std::vector<CWordSpan> words = GridWords(doc);
    words.erase(std::remove_if(words.begin(), words.end(),
                               [&](const CWordSpan& w) { return !WorthTyping(doc, w); }),
                words.end());
    if (words.empty()) return;
    const CWordSpan current = CurrentWord(doc);
    if (!backwards) {
        for (const CWordSpan& w : words)
            if (current.Before(w)) {
                GoToWord(doc, w);
                return;
            }
        GoToWord(doc, words.front());
    } else {
        for (auto it = words.rbegin(); it != words.rend(); ++it)
            if (it->Before(current)) {
                GoToWord(doc, *it);
                return;
            }
        GoToWord(doc, words.back());
    }
}

void CPlayCursor::GoToWord(const CVerbalineDoc& doc, const CWordSpan& word) {
    if (word.length <= 0) return;
    const int i = FirstEmptyIndex(doc, word);
    Set(word.Row(i), word.Column(i), word.direction);
}

CWordSpan CPlayCursor::CurrentWord(const CVerbalineDoc& doc) const {
    if (!m_bActive) return CWordSpan{};
    return WordAt(doc, m_direction, m_nRow, m_nColumn);
}

}  // namespace verbal
