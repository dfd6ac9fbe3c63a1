#include "GridSheet.h"

#include "Codepage.h"
#include "VerbalineDoc.h"

namespace verbal::print {
namespace {

// Text from a file, for pages and files other programs read: a control
// character has no glyph, and would make an SVG file invalid XML; it is shown
// as the replacement character.
QString FromStored(const std::string& cp1252) {
    QString text = QString::fromStdString(Cp1252ToUtf8(cp1252));
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control) c = QChar::ReplacementCharacter;
    return text;
}

std::vector<SheetWord> LineWords(const CVerbalineDoc& doc, Direction direction) {
    std::vector<SheetWord> words;
    for (int line = 1; line <= doc.GridSize(); ++line)
        for (const LineWord& word : doc.Words(direction, line)) {
            SheetWord w;
            w.line = line;
            w.start = word.start + 1;
            w.length = static_cast<int>(word.word.size());
            w.number = word.number;
            w.answer = QString::fromLatin1(word.word.data(), w.length);
            w.clue = FromStored(doc.Clue(direction, line, word.number)).trimmed();
            words.push_back(w);
        }
    return words;
}

}  // namespace

bool GridSheet::HasPlayerLetters() const {
    for (const std::string& row : player)
        for (char c : row)
            if (c >= 'A' && c <= 'Z') return true;
    return false;
}

QString SheetProblem(const CVerbalineDoc& doc) {
    if (doc.IsComputing())
        return QStringLiteral("La grille est en cours de calcul : attendez la fin du calcul.");
    if (!doc.GridReady())
        return QStringLiteral("Cette fenêtre ne contient pas de grille calculée : il n'y a rien "
                              "à imprimer ni à exporter.");
    const int n = doc.GridSize();
    bool complete = n >= 2 && n <= 20;
    for (int r = 1; complete && r <= n; ++r)
        for (int c = 1; complete && c <= n; ++c) {
            const char cell = doc.SolutionCell(r, c);
            complete = cell == ' ' || (cell >= 'A' && cell <= 'Z');
        }
    if (!complete)
        return QStringLiteral("La grille est incomplète ou endommagée : elle ne peut être ni "
                              "imprimée ni exportée.");
    return {};
}

GridSheet TakeSheet(const CVerbalineDoc& doc) {
    GridSheet sheet;
    sheet.size = doc.GridSize();
    for (int r = 1; r <= sheet.size; ++r) {
        std::string solution, player;
        for (int c = 1; c <= sheet.size; ++c) {
            const char cell = doc.SolutionCell(r, c);
            solution += cell;
            const char mine = doc.PlayerCell(r, c);
            player += cell == ' ' ? ' ' : (mine >= 'A' && mine <= 'Z' ? mine : '\0');
        }
        sheet.solution.push_back(solution);
        sheet.player.push_back(player);
    }
    sheet.across = LineWords(doc, Direction::Across);
    sheet.down = LineWords(doc, Direction::Down);
    sheet.dictName = FromStored(doc.DictName());
    sheet.quality = doc.Quality();
    return sheet;
}

QString RomanNumeral(int n) {
    static const struct {
        int value;
        const char* text;
    } kDigits[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                   {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                   {5, "V"},    {4, "IV"},   {1, "I"}};
    QString roman;
    for (const auto& digit : kDigits)
        while (n >= digit.value) {
            roman += QLatin1String(digit.text);
            n -= digit.value;
        }
    return roman;
}

QString QualityName(int quality) {
    static const char* const kNames[] = {"mauvaise", "moyenne", "bonne", "très bonne"};
    if (quality < 0 || quality > 3) return QString::number(quality);
    return QString::fromUtf8(kNames[quality]);
}

QString PrintedClue(const QString& clue) {
    QString text = clue.simplified();
    if (text.isEmpty()) return text;
    text[0] = text[0].toUpper();
    // French spacing: the space before ? ! ; : does not break, and the
    // inside of « » neither.
    for (int i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (text[i - 1] == QLatin1Char(' ') &&
            (c == QLatin1Char('?') || c == QLatin1Char('!') || c == QLatin1Char(';') ||
             c == QLatin1Char(':') || c == QChar(0x00BB)))
            text[i - 1] = QChar(0x00A0);
        if (c == QLatin1Char(' ') && text[i - 1] == QChar(0x00AB)) text[i] = QChar(0x00A0);
    }
    text.replace(QLatin1Char('\''), QChar(0x2019));  // the typographer's apostrophe
    const QChar last = text.back();
    if (last != QLatin1Char('.') && last != QLatin1Char('?') && last != QLatin1Char('!') &&
        last != QChar(0x2026))
        text += QLatin1Char('.');
    return text;
}

}  // namespace verbal::print
