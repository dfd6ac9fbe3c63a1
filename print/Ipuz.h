// The open ipuz crossword format (version 2), which other crossword players
// and editors read.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace verbal::print {

struct GridSheet;

// Standard numbering: a number on each cell that begins a word of two
// letters or more, across or down, counted in reading order. Row r - 1,
// column c - 1; 0 for a cell that begins nothing.
std::vector<std::vector<int>> CellNumbers(const GridSheet& sheet);

// The ipuz document: dimensions, block character, numbered cells, solution,
// the player's letters as "saved" when there are any, the clues of every
// word of two letters or more under "Across" and "Down", title, language
// and a note naming the dictionary. UTF-8 JSON.
QByteArray IpuzBytes(const GridSheet& sheet, const QString& title);

}  // namespace verbal::print
