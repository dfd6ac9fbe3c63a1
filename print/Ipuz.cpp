#include "Ipuz.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "GridSheet.h"

namespace verbal::print {
namespace {

const char kBlock[] = "#";

// The clues of one direction, keyed by the number of their first cell.
QJsonArray Clues(const std::vector<SheetWord>& words, const std::vector<std::vector<int>>& numbers,
                 bool across) {
    // Down words come column by column, but readers list clues by number.
    std::vector<std::pair<int, QString>> numbered;
    for (const SheetWord& word : words) {
        if (word.length < 2) continue;
        const int row = across ? word.line : word.start;
        const int column = across ? word.start : word.line;
        numbered.emplace_back(numbers[row - 1][column - 1], word.clue);
    }
    std::sort(numbered.begin(), numbered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    QJsonArray clues;
    for (const auto& [number, text] : numbered) clues.append(QJsonArray{number, text});
    return clues;
}

}  // namespace

std::vector<std::vector<int>> CellNumbers(const GridSheet& sheet) {
    const int n = sheet.size;
    std::vector<std::vector<int>> numbers(n, std::vector<int>(n, 0));
    auto letter = [&](int r, int c) {
        return r >= 1 && r <= n && c >= 1 && c <= n && !sheet.IsBlack(r, c);
    };
    int next = 1;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (!letter(r, c)) continue;
            const bool across = !letter(r, c - 1) && letter(r, c + 1);
            const bool down = !letter(r - 1, c) && letter(r + 1, c);
            if (across || down) numbers[r - 1][c - 1] = next++;
        }
    return numbers;
}

QByteArray IpuzBytes(const GridSheet& sheet, const QString& title) {
    const int n = sheet.size;
    const std::vector<std::vector<int>> numbers = CellNumbers(sheet);
    QJsonArray puzzle, solution, saved;
    for (int r = 1; r <= n; ++r) {
        QJsonArray puzzleRow, solutionRow, savedRow;
        for (int c = 1; c <= n; ++c) {
            if (sheet.IsBlack(r, c)) {
                puzzleRow.append(QLatin1String(kBlock));
                solutionRow.append(QLatin1String(kBlock));
                savedRow.append(QLatin1String(kBlock));
                continue;
            }
            puzzleRow.append(numbers[r - 1][c - 1]);
            solutionRow.append(QString(QLatin1Char(sheet.solution[r - 1][c - 1])));
            const char mine = sheet.player[r - 1][c - 1];
            savedRow.append(mine ? QString(QLatin1Char(mine)) : QString());
        }
        puzzle.append(puzzleRow);
        solution.append(solutionRow);
        saved.append(savedRow);
    }

    QJsonObject clues;
    clues.insert(QStringLiteral("Across"), Clues(sheet.across, numbers, true));
    clues.insert(QStringLiteral("Down"), Clues(sheet.down, numbers, false));

    QJsonObject root;
    root.insert(QStringLiteral("version"), QStringLiteral("http://ipuz.org/v2"));
    root.insert(QStringLiteral("kind"), QJsonArray{QStringLiteral("http://ipuz.org/crossword#1")});
    root.insert(QStringLiteral("title"), title);
    root.insert(QStringLiteral("language"), QStringLiteral("fr"));
    root.insert(QStringLiteral("notes"),
                QStringLiteral("Grille de %1 × %1, dictionnaire %2, qualité %3.")
                    .arg(n)
                    .arg(sheet.dictName, QualityName(sheet.quality)));
    root.insert(QStringLiteral("dimensions"),
                QJsonObject{{QStringLiteral("width"), n}, {QStringLiteral("height"), n}});
    root.insert(QStringLiteral("block"), QLatin1String(kBlock));
    root.insert(QStringLiteral("empty"), 0);
    root.insert(QStringLiteral("puzzle"), puzzle);
    root.insert(QStringLiteral("solution"), solution);
    if (sheet.HasPlayerLetters()) root.insert(QStringLiteral("saved"), saved);
    root.insert(QStringLiteral("clues"), clues);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace verbal::print
