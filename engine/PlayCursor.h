// Playing from the keyboard: the current cell and direction, how the keys
// move them over the grid, and which capital a typed character stands for.
//
// Everything here reads the grid through the document's door and draws
// nothing; the view turns keys into these calls and paints the result.
#pragma once

#include <vector>

#include "VerbalineDoc.h"

namespace verbal {

// One word of the grid: a run of white cells of a row (across) or a column
// (down), numbered as the clue box numbers it.
struct CWordSpan {
    Direction direction = Direction::Across;
    int line = 0;    // its row (across) or column (down), 1..N
    int number = 0;  // 1 for the first word of the line
    int start = 0;   // first cell's column (across) or row (down)
    int length = 0;  // 0: no word

    int Row(int i) const { return direction == Direction::Across ? line : start + i; }
    int Column(int i) const { return direction == Direction::Across ? start + i : line; }
    bool Contains(int row, int column) const;
    // Index of (row, column) in the word, -1 when it is not in it.
    int IndexOf(int row, int column) const;
    // Clue order: across before down, then line, then number.
    bool Before(const CWordSpan& o) const;
    bool Same(const CWordSpan& o) const {
        return direction == o.direction && line == o.line && number == o.number;
    }
};

// Every word of a ready grid in clue order, single letters included.
std::vector<CWordSpan> GridWords(const CVerbalineDoc& doc);
// The word of |direction| that holds the white cell (row, column); length 0
// on a black square or outside the grid.
CWordSpan WordAt(const CVerbalineDoc& doc, Direction direction, int row, int column);
// The word's first empty cell, or its first cell when it is full.
int FirstEmptyIndex(const CVerbalineDoc& doc, const CWordSpan& word);
// Every cell of the word holds a letter.
bool WordFilled(const CVerbalineDoc& doc, const CWordSpan& word);

// The capital a typed character writes: a..z and A..Z, and the accented
// letters of French, which the grid writes without their accent. 0 for any
// other character, œ and æ included (they would fill two cells).
char FoldLetter(char32_t c);

class CPlayCursor {
public:
    // Until the player clicks a cell or presses a key, there is no cursor
    // and nothing of it is drawn.
    bool Active() const { return m_bActive; }
    int Row() const { return m_nRow; }
    int Column() const { return m_nColumn; }
    Direction Dir() const { return m_direction; }
    void Hide() { m_bActive = false; }

    // Shows the cursor where play begins: the first word worth typing, at
    // its first empty cell.
    void Start(const CVerbalineDoc& doc);
    // Makes the white cell (row, column) current; false, and nothing
    // changes, on a black square or outside the grid. The direction stays,
    // unless its word there is a single letter and the other one is longer.
    bool Place(const CVerbalineDoc& doc, int row, int column);
    void SwitchDirection();
    // An arrow: across the current direction it only switches direction;
    // along it, it moves to the next white cell that way, over black
    // squares, and stays at the edge of the grid.
    void Arrow(const CVerbalineDoc& doc, int dRow, int dColumn);
    // The next (previous) cell of the current word; false, and the cursor
    // stays, at its end (start).
    bool Advance(const CVerbalineDoc& doc);
    bool Retreat(const CVerbalineDoc& doc);
    // Tab and Shift+Tab: the next (previous) word in clue order, wrapping
    // round, at its first empty cell. A single letter is skipped when the
    // word that crosses it is longer: it is typed with that word.
    void NextWord(const CVerbalineDoc& doc, bool backwards);
    // Goes to the word, at its first empty cell, in its direction.
    void GoToWord(const CVerbalineDoc& doc, const CWordSpan& word);
    // The word the cursor is in, in its direction.
    CWordSpan CurrentWord(const CVerbalineDoc& doc) const;

private:
    void Set(int row, int column, Direction direction);

    bool m_bActive = false;
    int m_nRow = 1;
    int m_nColumn = 1;
    Direction m_direction = Direction::Across;
};

}  // namespace verbal
