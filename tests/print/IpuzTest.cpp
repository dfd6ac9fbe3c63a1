// The ipuz file read back as another program reads it: every clue's number,
// direction and length must lead to the word it belongs to.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

#include "Documents.h"
#include "GridSheet.h"
#include "Ipuz.h"

namespace verbal::test {
namespace {

struct Parsed {
    QJsonObject root;
    int width = 0;
    int height = 0;
    std::vector<std::vector<QJsonValue>> puzzle;
};

Parsed Parse(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    Parsed parsed;
    parsed.root = json.object();
    parsed.width = parsed.root["dimensions"].toObject()["width"].toInt();
    parsed.height = parsed.root["dimensions"].toObject()["height"].toInt();
    for (const QJsonValue& row : parsed.root["puzzle"].toArray()) {
        std::vector<QJsonValue> cells;
        for (const QJsonValue& cell : row.toArray()) cells.push_back(cell);
        parsed.puzzle.push_back(cells);
    }
    return parsed;
}

// Reads the grid back from the file alone and checks each clue against the
// sheet's word at the numbered cell: its length as the blocks bound it, and
// the clue the test document gave that word.
void CheckClues(const Parsed& p, const print::GridSheet& sheet) {
    const QString block = p.root["block"].toString();
    ASSERT_EQ(p.width, sheet.size);
    ASSERT_EQ(p.height, sheet.size);
    ASSERT_EQ(static_cast<int>(p.puzzle.size()), sheet.size);
    std::map<int, std::pair<int, int>> where;
    for (int r = 0; r < sheet.size; ++r) {
        ASSERT_EQ(static_cast<int>(p.puzzle[r].size()), sheet.size);
        for (int c = 0; c < sheet.size; ++c) {
            const QJsonValue cell = p.puzzle[r][c];
            EXPECT_EQ(cell.isString() && cell.toString() == block, sheet.IsBlack(r + 1, c + 1));
            if (cell.isDouble() && cell.toInt() > 0) where[cell.toInt()] = {r, c};
        }
    }
    auto open = [&](int r, int c) {
        return r >= 0 && c >= 0 && r < sheet.size && c < sheet.size &&
               !(p.puzzle[r][c].isString() && p.puzzle[r][c].toString() == block);
    };
    for (const bool across : {true, false}) {
        const QJsonArray clues = p.root["clues"].toObject()[across ? "Across" : "Down"].toArray();
        const std::vector<print::SheetWord>& words = across ? sheet.across : sheet.down;
        int expected = 0;
        for (const print::SheetWord& w : words) expected += w.length >= 2;
        EXPECT_EQ(clues.size(), expected);
        int previous = 0;
        for (const QJsonValue& entry : clues) {
            const int number = entry.toArray()[0].toInt();
            const QString clue = entry.toArray()[1].toString();
            EXPECT_GT(number, previous) << "clues in order of their numbers";
            previous = number;
            ASSERT_TRUE(where.count(number)) << number;
            const auto [r, c] = where[number];
            const int dr = across ? 0 : 1, dc = across ? 1 : 0;
            EXPECT_FALSE(open(r - dr, c - dc)) << number << " does not begin a word";
            int length = 0;
            while (open(r + dr * length, c + dc * length)) ++length;
            EXPECT_GE(length, 2);
            const int line = across ? r + 1 : c + 1;
            const int start = across ? c + 1 : r + 1;
            bool found = false;
            for (const print::SheetWord& w : words)
                if (w.line == line && w.start == start) {
                    found = true;
                    EXPECT_EQ(w.length, length);
                    EXPECT_EQ(clue, w.clue);
                    EXPECT_EQ(clue, QStringLiteral("%1%2.%3")
                                        .arg(across ? "H" : "V")
                                        .arg(line)
                                        .arg(w.number));
                }
            EXPECT_TRUE(found) << "clue " << number << (across ? " across" : " down");
        }
    }
}

void CheckSolution(const Parsed& p, const print::GridSheet& sheet) {
    const QJsonArray rows = p.root["solution"].toArray();
    ASSERT_EQ(rows.size(), sheet.size);
    for (int r = 0; r < sheet.size; ++r)
        for (int c = 0; c < sheet.size; ++c) {
            const char letter = sheet.solution[r][c];
            EXPECT_EQ(rows[r].toArray()[c].toString(),
                      letter == ' ' ? QStringLiteral("#") : QString(QLatin1Char(letter)));
        }
}

TEST(Ipuz, GridWithoutBlackSquares) {
    const auto doc = ReadyDocument({"ABCDEF", "GHIJKL", "MNOPQR", "STUVWX", "YZABCD", "EFGHIJ"});
    const print::GridSheet sheet = print::TakeSheet(*doc);
    const Parsed p = Parse(print::IpuzBytes(sheet, QStringLiteral("Essai")));
    EXPECT_EQ(p.root["version"].toString(), QStringLiteral("http://ipuz.org/v2"));
    EXPECT_EQ(p.root["kind"].toArray()[0].toString(),
              QStringLiteral("http://ipuz.org/crossword#1"));
    EXPECT_EQ(p.root["title"].toString(), QStringLiteral("Essai"));
    EXPECT_EQ(p.root["language"].toString(), QStringLiteral("fr"));
    EXPECT_TRUE(p.root["notes"].toString().contains(QStringLiteral("Petit")));
    // The first row and the first column are numbered, nothing else.
    EXPECT_EQ(p.puzzle[0][5].toInt(), 6);
    EXPECT_EQ(p.puzzle[1][0].toInt(), 7);
    EXPECT_EQ(p.puzzle[5][0].toInt(), 11);
    EXPECT_EQ(p.puzzle[3][3].toInt(), 0);
    EXPECT_FALSE(p.root.contains("saved")) << "no letter of the player";
    CheckClues(p, sheet);
    CheckSolution(p, sheet);
}

TEST(Ipuz, SingleLettersAreNotWordsAndBlocksEndThem) {
    const auto doc = ReadyDocument({"ABCDEF", "GH#IJK", "L#MNOP", "QRSTU#", "V#WXYZ", "ABC#DE"});
    const print::GridSheet sheet = print::TakeSheet(*doc);
    const Parsed p = Parse(print::IpuzBytes(sheet, QStringLiteral("Essai")));
    CheckClues(p, sheet);
    CheckSolution(p, sheet);
    // (3, 1) "L" is alone across and ends column 1's word: no number.
    EXPECT_EQ(p.puzzle[2][0].toInt(), 0);
}

TEST(Ipuz, LargestGrid) {
    std::vector<std::string> rows;
    for (int r = 0; r < 20; ++r) {
        std::string row;
        for (int c = 0; c < 20; ++c)
            row += (r * 7 + c * 3) % 11 == 0 ? '#' : static_cast<char>('A' + (r * 5 + c) % 26);
        rows.push_back(row);
    }
    const auto doc = ReadyDocument(rows);
    const print::GridSheet sheet = print::TakeSheet(*doc);
    ASSERT_EQ(sheet.size, 20);
    const Parsed p = Parse(print::IpuzBytes(sheet, QStringLiteral("Vingt")));
    CheckClues(p, sheet);
    CheckSolution(p, sheet);
}

TEST(Ipuz, PlayersLettersAreSaved) {
    const auto doc = ReadyDocument({"ABCDEF", "GH#IJK", "L#MNOP", "QRSTU#", "V#WXYZ", "ABC#DE"});
    ASSERT_TRUE(doc->PlaceLetter(1, 1, 'A'));
    ASSERT_TRUE(doc->PlaceLetter(2, 4, 'Z'));  // a wrong letter is saved as written
    const print::GridSheet sheet = print::TakeSheet(*doc);
    const Parsed p = Parse(print::IpuzBytes(sheet, QStringLiteral("Essai")));
    const QJsonArray saved = p.root["saved"].toArray();
    ASSERT_EQ(saved.size(), 6);
    EXPECT_EQ(saved[0].toArray()[0].toString(), QStringLiteral("A"));
    EXPECT_EQ(saved[1].toArray()[3].toString(), QStringLiteral("Z"));
    EXPECT_EQ(saved[1].toArray()[2].toString(), QStringLiteral("#"));
    EXPECT_EQ(saved[0].toArray()[1].toString(), QString());
    CheckClues(p, sheet);
}

TEST(Ipuz, CluesFromStrangersAreDataNotJson) {
    const auto doc = ReadyDocument({"ABCDEF", "GHIJKL", "MNOPQR", "STUVWX", "YZABCD", "EFGHIJ"},
                                   nullptr, [](CGrid& grid) {
                                       grid.m_astrClues[0][0] = "Guillemets \" et \\ barre, \x0d\x0a fin";
                                   });
    const print::GridSheet sheet = print::TakeSheet(*doc);
    const Parsed p = Parse(print::IpuzBytes(sheet, QStringLiteral("« Titre » \"cité\"")));
    EXPECT_EQ(p.root["clues"].toObject()["Across"].toArray()[0].toArray()[1].toString(), sheet.across[0].clue);
    EXPECT_EQ(p.root["title"].toString(), QStringLiteral("« Titre » \"cité\""));
}

}  // namespace
}  // namespace verbal::test
