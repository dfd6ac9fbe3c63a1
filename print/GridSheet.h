// A grid as it leaves the window: its cells, its words and their clues in
// Unicode, read once through the document's door. The page, PDF, SVG and
// ipuz writers all work from this copy, so none of them touches the
// document's buffers.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace verbal {
class CVerbalineDoc;
}

namespace verbal::print {

// One word of a row (across) or a column (down).
struct SheetWord {
    int line = 0;    // its row (across) or column (down), from 1
    int start = 0;   // its first column (across) or row (down), from 1
    int length = 0;
    int number = 0;  // its rank in the line, as the clue box numbers it
    QString answer;
    QString clue;    // empty when the dictionary had none
};

struct GridSheet {
    int size = 0;
    // Row r - 1, column c - 1: 'A'..'Z', or ' ' for a black square.
    std::vector<std::string> solution;
    // The player's letters: 'A'..'Z', ' ' for a black square, 0 for an
    // empty cell.
    std::vector<std::string> player;
    std::vector<SheetWord> across;  // row by row, left to right
    std::vector<SheetWord> down;    // column by column, top to bottom
    QString dictName;
    int quality = 0;

    bool IsBlack(int row, int column) const { return solution[row - 1][column - 1] == ' '; }
    bool HasPlayerLetters() const;
};

// Why the document's grid cannot be printed or exported (in French), or an
// empty string when it can.
QString SheetProblem(const CVerbalineDoc& doc);
// The copy; call only when SheetProblem is empty.
GridSheet TakeSheet(const CVerbalineDoc& doc);

// I, II, III ... XX: how French papers label the rows.
QString RomanNumeral(int n);
// "mauvaise", "moyenne", "bonne", "très bonne".
QString QualityName(int quality);

// The clue as a paper prints it: a capital first letter, a closing full stop
// unless it already ends a sentence, and no-break spaces before the double
// punctuation so that "?" never starts a line, and curly apostrophes.
QString PrintedClue(const QString& clue);

}  // namespace verbal::print
