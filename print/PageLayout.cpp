#include "PageLayout.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#if defined(__GLIBC__)
#include <langinfo.h>
#include <locale.h>
#endif

#include "GridSheet.h"

namespace verbal::print {
namespace {

// Lengths are kept in hundredths of a millimetre: fonts are sized in these
// units too, so that text measured here lines up on any device.
constexpr double kMm = 100.0;

constexpr double kMarginSide = 16 * kMm;
constexpr double kMarginTop = 14 * kMm;
constexpr double kMarginBottom = 16 * kMm;
constexpr double kFooterFromBottom = 9 * kMm;
constexpr double kGutter = 8 * kMm;
constexpr double kLargestCell = 10 * kMm;
constexpr double kLargestGrid = 150 * kMm;
constexpr double kLargestFootCell = 4.5 * kMm;
constexpr double kLargestFootGrid = 52 * kMm;

const QChar kNoBreakSpace(0x00A0);
const QChar kEnDash(0x2013);

QFont MakeFont(bool serif, double points, bool bold = false, bool italic = false) {
    QFont font(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 25.4 / 72.0 * kMm))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

// The words of one row or column that a paper gives a clue.
struct LineClues {
    int line = 0;
    QStringList clues;
};

std::vector<LineClues> PrintedLines(const std::vector<SheetWord>& words) {
    std::vector<LineClues> lines;
    for (const SheetWord& word : words) {
        if (word.length < 2) continue;  // a single letter gets no clue in print
        if (lines.empty() || lines.back().line != word.line) lines.push_back({word.line, {}});
        lines.back().clues << (word.clue.isEmpty() ? QString(QChar(0x2026)) : PrintedClue(word.clue));
    }
    return lines;
}

// What a page shows, placed in hundredths of a millimetre from the sheet's
// top left corner.
struct PlacedLine {
    const QTextLayout* layout = nullptr;
    int line = 0;
    QPointF topLeft;
};
struct PlacedText {
    QString text;
    QFont font;
    QPointF baseline;
};
struct PlacedGrid {
    QPointF topLeft;  // of the cells, labels outside
    double cell = 0;
    bool labels = true;
    enum Letters { None, Player, Solution } letters = None;
};
struct PlacedRule {
    QLineF line;
    double width = 0;
};
struct Page {
    std::vector<PlacedLine> lines;
    std::vector<PlacedText> texts;
    std::vector<PlacedGrid> grids;
    std::vector<PlacedRule> rules;
};

// One element of the clues' flow.
struct Block {
    enum Kind { Heading, Paragraph } kind = Paragraph;
    std::unique_ptr<QTextLayout> layout;
    std::vector<double> lineHeights;
    double spaceBefore = 0;
    double height = 0;  // of a heading
};

// Where each block (and each line of a paragraph) went.
struct Placement {
    int block = 0;
    int line = -1;
    int page = 0;
    QPointF topLeft;
};

struct FlowResult {
    std::vector<Placement> placements;
    int lastPage = 0;
    double lastBottom[2] = {0, 0};  // how far each column of the last page went
};

}  // namespace

QPageSize DefaultPageSize() {
#if defined(__GLIBC__)
    // The locale's paper, as glibc knows it (LC_PAPER, else LANG/LC_ALL).
    if (locale_t paper = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(0))) {
        const auto width = reinterpret_cast<std::intptr_t>(nl_langinfo_l(_NL_PAPER_WIDTH, paper));
        const auto height = reinterpret_cast<std::intptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, paper));
        freelocale(paper);
        if (width == 216 && height == 279) return QPageSize(QPageSize::Letter);
        return QPageSize(QPageSize::A4);
    }
#endif
    const QLocale::Territory territory = QLocale::system().territory();
    if (territory == QLocale::UnitedStates || territory == QLocale::Canada ||
        territory == QLocale::Mexico)
        return QPageSize(QPageSize::Letter);
    return QPageSize(QPageSize::A4);
}

struct SheetPages::Impl {
    const GridSheet& sheet;
    PageOptions options;
    QSizeF paper;  // hundredths of a millimetre
    std::vector<Page> pages;
    int solutionPages = 0;  // at the end of |pages|
    std::vector<Block> blocks;

    // Fonts.
    QFont titleFont = MakeFont(true, 17, true);
    QFont infoFont = MakeFont(true, 9.5, false, true);
    QFont headingFont = MakeFont(false, 9.5, true);
    QFont clueFont = MakeFont(true, 10);
    QFont labelFont = MakeFont(true, 10, true);
    QFont footerFont = MakeFont(false, 8);

    Impl(const GridSheet& s, const PageOptions& o, const QSizeF& mm)
        : sheet(s), options(o), paper(mm * kMm) {
        if (options.title.isEmpty()) options.title = QStringLiteral("Mots croisés");
        if (!options.date.isValid()) options.date = QDate::currentDate();
        headingFont.setLetterSpacing(QFont::AbsoluteSpacing, 0.25 * kMm);
        Layout();
    }

    double ContentWidth() const { return paper.width() - 2 * kMarginSide; }
    double ContentBottom() const { return paper.height() - kMarginBottom; }

    // --- the grid with its labels -----------------------------------------
    static QFont GridLabelFont(double cell) {
        return MakeFont(false, std::min(9.0, cell / kMm * 72 / 25.4 * 0.42), true);
    }
    double LabelWidth(double cell) const {
        const QFontMetricsF metrics(GridLabelFont(cell));
        double widest = 0;
        for (int r = 1; r <= sheet.size; ++r)
            widest = std::max(widest, metrics.horizontalAdvance(RomanNumeral(r)));
        return widest + 0.3 * cell;
    }
    double LabelHeight(double cell) const {
        return QFontMetricsF(GridLabelFont(cell)).height() + 0.12 * cell;
    }
    // The cell size that fits |width| with the labels, below |largest|.
    double CellFor(double width, double largestCell, double largestGrid) const {
        double cell = std::min(largestCell, largestGrid / sheet.size);
        while (cell > kMm && cell * sheet.size + LabelWidth(cell) > width) cell *= 0.95;
        return cell;
    }

    // --- title line ---------------------------------------------------------
    double PlaceTitle(Page& page, const QString& title) const {
        const QFontMetricsF big(titleFont);
        const double baseline = kMarginTop + big.ascent();
        page.texts.push_back({title, titleFont, QPointF(kMarginSide, baseline)});
        const QString info = QStringLiteral("Grille %1 × %1 · dictionnaire %2 · qualité %3 · %4")
                                 .arg(sheet.size)
                                 .arg(sheet.dictName, QualityName(sheet.quality),
                                      QLocale(QLocale::French, QLocale::France)
                                          .toString(options.date, QStringLiteral("d MMMM yyyy")));
        const QFontMetricsF small(infoFont);
        const double room = ContentWidth() - big.horizontalAdvance(title) - 4 * kMm;
        const QString shown = small.elidedText(info, Qt::ElideRight, std::max(room, 0.0));
        page.texts.push_back(
            {shown, infoFont,
             QPointF(kMarginSide + ContentWidth() - small.horizontalAdvance(shown), baseline)});
        const double ruleY = baseline + big.descent() + 1.2 * kMm;
        page.rules.push_back(
            {QLineF(kMarginSide, ruleY, kMarginSide + ContentWidth(), ruleY), 0.5 * kMm});
        page.rules.push_back({QLineF(kMarginSide, ruleY + 0.9 * kMm, kMarginSide + ContentWidth(),
                                     ruleY + 0.9 * kMm),
                              0.15 * kMm});
        return ruleY + 0.9 * kMm + 5 * kMm;
    }

    // The grid centred across the page below |top|; returns its bottom.
    double PlaceGrid(Page& page, double top, double cell, PlacedGrid::Letters letters) const {
        const double labelW = LabelWidth(cell);
        const double gridW = cell * sheet.size;
        const double left = kMarginSide + (ContentWidth() - gridW - labelW) / 2 + labelW;
        page.grids.push_back({QPointF(left, top + LabelHeight(cell)), cell, true, letters});
        return top + LabelHeight(cell) + gridW;
    }

    // --- the clues' flow ----------------------------------------------------
    void AddHeading(const QString& text, bool first) {
        Block block;
        block.kind = Block::Heading;
        block.layout = std::make_unique<QTextLayout>(text, headingFont);
        block.layout->beginLayout();
        QTextLine line = block.layout->createLine();
        line.setLineWidth(ContentWidth());
        block.layout->endLayout();
        block.spaceBefore = first ? 0 : 3.5 * kMm;
        block.height = QFontMetricsF(headingFont).height() + 1.4 * kMm;
        blocks.push_back(std::move(block));
    }

    void AddParagraph(const QString& label, const QStringList& clues, double width) {
        // The label stays with the first clue, and each dash with the clue
        // before it: a line may end on a dash, never begin with a blank.
        const QString head = label + QLatin1Char('.') + kNoBreakSpace;
        const QString sep = QString(kNoBreakSpace) + kEnDash + QLatin1Char(' ');
        Block block;
        block.layout = std::make_unique<QTextLayout>(head + clues.join(sep), clueFont);
        QTextCharFormat bold;
        bold.setFont(labelFont);
        block.layout->setFormats({{0, static_cast<int>(head.size()) - 1, bold}});
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        // Ragged right: without hyphenation, justified narrow columns gape.
        option.setAlignment(Qt::AlignLeft);
        block.layout->setTextOption(option);
        const double leading = QFontMetricsF(clueFont).lineSpacing() * 1.08;
        double y = 0;
        block.layout->beginLayout();
        for (QTextLine line = block.layout->createLine(); line.isValid();
             line = block.layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            const double h = std::max(leading, line.height());
            block.lineHeights.push_back(h);
            y += h;
        }
        block.layout->endLayout();
        block.spaceBefore = 0.6 * kMm;
        blocks.push_back(std::move(block));
    }

    double FootCell() const {
        return CellFor((ContentWidth() - kGutter) / 2, kLargestFootCell, kLargestFootGrid);
    }
    // The small solution grid at the end of the clues, with its heading.
    double FootHeight() const {
        const double cell = FootCell();
        return QFontMetricsF(headingFont).height() + 1.4 * kMm + LabelHeight(cell) +
               cell * sheet.size;
    }

    struct Column {
        double x, top, bottom;
    };

    // Pours the blocks into columns: two per page, the first page's below
    // the grid. The columns of page |limitPage| stop at |limitBottom|.
    // With |downApart|, "VERTICALEMENT" opens a column when it would fall in
    // the first column of the last page.
    FlowResult Flow(double firstTop, double laterTop, int limitPage, double limitBottom,
                    bool downApart = false) const {
        const double width = (ContentWidth() - kGutter) / 2;
        auto column = [&](int index) {
            const int page = index / 2;
            Column c;
            c.x = kMarginSide + (index % 2) * (width + kGutter);
            c.top = page == 0 ? firstTop : laterTop;
            c.bottom = page == limitPage ? limitBottom : ContentBottom();
            return c;
        };
        FlowResult result;
        int index = 0;
        Column col = column(0);
        double y = col.top;
        // A column too short for a few lines (the foot of a page kept for
        // the solution) is left empty.
        auto next = [&] {
            do {
                ++index;
                col = column(index);
            } while (col.bottom - col.top < 15 * kMm && index < 400);
            y = col.top;
        };
        if (col.bottom - col.top < 15 * kMm) next();
        auto place = [&](int block, int line, double h) {
            result.placements.push_back({block, line, index / 2, QPointF(col.x, y)});
            y += h;
            result.lastPage = index / 2;
            result.lastBottom[index % 2] = y;
            if (index % 2 == 0) result.lastBottom[1] = 0;
        };
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            const Block& block = blocks[b];
            const int bi = static_cast<int>(b);
            const double before = y > col.top ? block.spaceBefore : 0;
            if (block.kind == Block::Heading) {
                // A heading stays with the first two lines of what follows.
                double needed = block.height;
                if (b + 1 < blocks.size())
                    for (std::size_t l = 0; l < blocks[b + 1].lineHeights.size() && l < 2; ++l)
                        needed += blocks[b + 1].lineHeights[l];
                const bool apart = downApart && b > 0 && index % 2 == 0 && index / 2 == limitPage;
                if ((apart || y + before + needed > col.bottom) && y > col.top) next();
                y += y > col.top ? block.spaceBefore : 0;
                place(bi, -1, block.height);
            } else {
                const auto& heights = block.lineHeights;
                // No first line alone at the foot of a column.
                const double opening = heights[0] + (heights.size() > 1 ? heights[1] : 0);
                if (y + before + opening > col.bottom && y > col.top) next();
                y += y > col.top ? block.spaceBefore : 0;
                for (std::size_t l = 0; l < heights.size(); ++l) {
                    // Nor a last line alone at the top of the next one.
                    const bool lastTwo = heights.size() >= 3 && l == heights.size() - 2;
                    const double need = lastTwo ? heights[l] + heights[l + 1] : heights[l];
                    if (y + need > col.bottom && y > col.top) next();
                    place(bi, static_cast<int>(l), heights[l]);
                }
            }
            // A page that cannot hold even one line: stop rather than loop.
            if (index > 400) break;
        }
        return result;
    }

    void Layout() {
        const double width = (ContentWidth() - kGutter) / 2;
        AddHeading(QStringLiteral("HORIZONTALEMENT"), true);
        for (const LineClues& line : PrintedLines(sheet.across))
            AddParagraph(RomanNumeral(line.line), line.clues, width);
        AddHeading(QStringLiteral("VERTICALEMENT"), false);
        for (const LineClues& line : PrintedLines(sheet.down))
            AddParagraph(QString::number(line.line), line.clues, width);

        // The first page: title, grid.
        Page first;
        double top = PlaceTitle(first, options.title);
        const double cell = CellFor(ContentWidth(), kLargestCell, kLargestGrid);
        top = PlaceGrid(first, top, cell,
                        options.playerLetters ? PlacedGrid::Player : PlacedGrid::None);
        const double firstTop = top + 7 * kMm;
        Page later;
        const double laterTop = PlaceTitle(later, options.title);

        // The clues, and the small solution grid below them when it is asked
        // for there: pushed to the foot of the last page.
        const bool foot = options.solution == SolutionPlace::Foot;
        const double footHeight = foot ? FootHeight() + 5 * kMm : 0;
        FlowResult flow = Flow(firstTop, laterTop, -1, 0);
        int limitPage = -1;
        double limit = 0;
        if (foot) {
            for (int tries = 0; tries < 4; ++tries) {
                const int candidate = flow.lastPage;
                limitPage = candidate;
                limit = ContentBottom() - footHeight;
                flow = Flow(firstTop, laterTop, limitPage, limit);
                if (flow.lastPage == candidate) break;
            }
        }
        // The last page's two columns end level, as in a paper.
        if (flow.lastBottom[0] > 0) {
            const int last = flow.lastPage;
            const double top0 = last == 0 ? firstTop : laterTop;
            double low = top0;
            double high = limitPage == last ? limit : ContentBottom();
            for (int i = 0; i < 20 && high - low > 0.2 * kMm; ++i) {
                const double mid = (low + high) / 2;
                const FlowResult trial = Flow(firstTop, laterTop, last, mid);
                if (trial.lastPage == last)
                    high = mid;
                else
                    low = mid;
            }
            limitPage = last;
            limit = high;
            flow = Flow(firstTop, laterTop, limitPage, limit);
            // A short grid's two blocks side by side, as papers set them,
            // when that costs no more than a few lines of height.
            const double room = (foot ? ContentBottom() - footHeight : ContentBottom());
            const double slack = 4 * QFontMetricsF(clueFont).lineSpacing();
            const FlowResult apart = Flow(firstTop, laterTop, last, room, true);
            if (apart.lastPage == last &&
                std::max(apart.lastBottom[0], apart.lastBottom[1]) <= high + slack) {
                flow = apart;
                limit = room;
            }
        }

        const int count = flow.lastPage + 1;
        pages.assign(static_cast<std::size_t>(count), later);
        pages[0] = first;
        for (const Placement& p : flow.placements) {
            const Block& block = blocks[p.block];
            QPointF at = p.topLeft;
            if (block.kind != Block::Paragraph) {
                pages[p.page].lines.push_back({block.layout.get(), 0, at});
            } else {
                at.ry() -= block.layout->lineAt(p.line).y();
                pages[p.page].lines.push_back({block.layout.get(), p.line, at});
            }
        }
        if (foot) {
            Page& last = pages.back();
            const double fcell = FootCell();
            const double gridW = fcell * sheet.size + LabelWidth(fcell);
            const double left = kMarginSide + (ContentWidth() - gridW) / 2;
            const double y = ContentBottom() - FootHeight();
            QFont font = headingFont;
            font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
            const QFontMetricsF metrics(font);
            const QString heading = QStringLiteral("SOLUTION");
            last.texts.push_back({heading, font,
                                  QPointF(kMarginSide + (ContentWidth() -
                                                         metrics.horizontalAdvance(heading)) / 2,
                                          y + metrics.ascent())});
            last.grids.push_back({QPointF(left + LabelWidth(fcell),
                                          y + metrics.height() + 1.4 * kMm + LabelHeight(fcell)),
                                  fcell, true, PlacedGrid::Solution});
        }
        // Page numbers when the grid and its clues take more than one sheet;
        // the solution's own page is apart, and may be printed apart.
        const std::size_t numbered = pages.size();
        if (numbered > 1)
            for (std::size_t i = 0; i < numbered; ++i) {
                const QString text = QStringLiteral("%1/%2").arg(i + 1).arg(numbered);
                const QFontMetricsF metrics(footerFont);
                pages[i].texts.push_back(
                    {text, footerFont,
                     QPointF((paper.width() - metrics.horizontalAdvance(text)) / 2,
                             paper.height() - kFooterFromBottom)});
            }
        if (options.solution == SolutionPlace::OwnPage) {
            Page page;
            double y = PlaceTitle(page, options.title + QStringLiteral(" : solution"));
            PlaceGrid(page, y, cell, PlacedGrid::Solution);
            pages.push_back(page);
            solutionPages = 1;
        }
    }

    // --- painting -----------------------------------------------------------
    void PaintGrid(QPainter& painter, const PlacedGrid& grid) const {
        const int n = sheet.size;
        const double cell = grid.cell;
        const QPointF o = grid.topLeft;
        const double side = cell * n;
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                if (sheet.IsBlack(r, c))
                    painter.drawRect(QRectF(o.x() + (c - 1) * cell, o.y() + (r - 1) * cell, cell, cell));
        painter.setBrush(Qt::NoBrush);
        QPen thin(Qt::black, std::max(0.12 * kMm, cell * 0.02));
        thin.setCapStyle(Qt::FlatCap);
        painter.setPen(thin);
        for (int i = 1; i < n; ++i) {
            painter.drawLine(QLineF(o.x() + i * cell, o.y(), o.x() + i * cell, o.y() + side));
            painter.drawLine(QLineF(o.x(), o.y() + i * cell, o.x() + side, o.y() + i * cell));
        }
        QPen thick(Qt::black, std::max(0.3 * kMm, cell * 0.06));
        thick.setJoinStyle(Qt::MiterJoin);
        painter.setPen(thick);
        painter.drawRect(QRectF(o, QSizeF(side, side)));

        if (grid.labels) {
            const QFont font = GridLabelFont(cell);
            const QFontMetricsF metrics(font);
            painter.setFont(font);
            painter.setPen(Qt::black);
            const double gap = 0.15 * cell;
            for (int i = 1; i <= n; ++i) {
                const QString number = QString::number(i);
                painter.drawText(QPointF(o.x() + (i - 0.5) * cell -
                                             metrics.horizontalAdvance(number) / 2,
                                         o.y() - gap - metrics.descent()),
                                 number);
                const QString roman = RomanNumeral(i);
                painter.drawText(QPointF(o.x() - gap - metrics.horizontalAdvance(roman),
                                         o.y() + (i - 0.5) * cell +
                                             (metrics.ascent() - metrics.descent()) / 2),
                                 roman);
            }
        }
        if (grid.letters == PlacedGrid::None) return;
        const QFont letterFont = MakeFont(false, cell / kMm * 72 / 25.4 * 0.62);
        const QFontMetricsF metrics(letterFont);
        painter.setFont(letterFont);
        painter.setPen(Qt::black);
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                const char letter = grid.letters == PlacedGrid::Solution
                                        ? sheet.solution[r - 1][c - 1]
                                        : sheet.player[r - 1][c - 1];
                if (letter < 'A' || letter > 'Z') continue;
                const QString text(QLatin1Char{letter});
                const double x = o.x() + (c - 0.5) * cell - metrics.horizontalAdvance(text) / 2;
                const double y = o.y() + (r - 0.5) * cell + metrics.capHeight() / 2;
                painter.drawText(QPointF(x, y), text);
            }
    }

    void PaintPage(QPainter& painter, const Page& page) const {
        for (const PlacedRule& rule : page.rules) {
            QPen pen(Qt::black, rule.width);
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(rule.line);
        }
        painter.setPen(Qt::black);
        for (const PlacedText& text : page.texts) {
            painter.setFont(text.font);
            painter.drawText(text.baseline, text.text);
        }
        for (const PlacedLine& line : page.lines) {
            painter.setPen(Qt::black);
            line.layout->lineAt(line.line).draw(&painter, line.topLeft);
        }
        for (const PlacedGrid& grid : page.grids) PaintGrid(painter, grid);
    }
};

SheetPages::SheetPages(const GridSheet& sheet, const PageOptions& options, const QSizeF& paperMm)
    : d(std::make_unique<Impl>(sheet, options, paperMm)) {}

SheetPages::~SheetPages() = default;

int SheetPages::PageCount() const { return static_cast<int>(d->pages.size()); }

int SheetPages::SolutionPageCount() const { return d->solutionPages; }

void SheetPages::Paint(QPainter& painter, int index, const QRectF& paper) const {
    if (index < 0 || index >= PageCount()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(paper.topLeft());
    painter.scale(paper.width() / d->paper.width(), paper.height() / d->paper.height());
    painter.fillRect(QRectF(QPointF(0, 0), d->paper), Qt::white);
    d->PaintPage(painter, d->pages[static_cast<std::size_t>(index)]);
    painter.restore();
}

}  // namespace verbal::print
