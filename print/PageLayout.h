// The printed pages of a grid, laid out as a French daily lays out its
// crossword: a title line, the grid in black and white with the columns
// numbered 1, 2, 3 ... across the top and the rows I, II, III ... down the
// side, then the clues under "HORIZONTALEMENT" and "VERTICALEMENT" in two
// columns, each row's (column's) clues after its label, separated by a dash.
//
// The pages are laid out once, in millimetres, then painted with QPainter on
// whatever shows them: the preview, a printer, a PDF or an SVG file.
#pragma once

#include <QDate>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;

namespace verbal::print {

struct GridSheet;

enum class SolutionPlace { None, Foot, OwnPage };

struct PageOptions {
    bool playerLetters = false;  // the player's letters in the grid, else an empty grid
    SolutionPlace solution = SolutionPlace::None;
    QString title;  // "Mots croisés" when empty
    QDate date;     // today when null
};

// The paper the user's locale asks for (LC_PAPER): Letter where it says so,
// A4 everywhere else.
QPageSize DefaultPageSize();

class SheetPages {
public:
    // |paperMm| is the whole sheet, portrait.
    SheetPages(const GridSheet& sheet, const PageOptions& options, const QSizeF& paperMm);
    ~SheetPages();
    SheetPages(const SheetPages&) = delete;
    SheetPages& operator=(const SheetPages&) = delete;

    int PageCount() const;
    // The last pages that hold only the solution (0 or 1).
    int SolutionPageCount() const;
    // Draws page |index| (from 0) so that the sheet fills |paper|, in the
    // painter's coordinates.
    void Paint(QPainter& painter, int index, const QRectF& paper) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace verbal::print
