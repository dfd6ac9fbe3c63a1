#include "Highlight.h"

#include <algorithm>
#include <cmath>

namespace verbal {
namespace {

double Linear(int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(COLORREF c) {
    return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

COLORREF Mix(COLORREF from, COLORREF to, double t) {
    auto channel = [t](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * t));
    };
    return MakeColorRef(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
                        channel(BlueOf(from), BlueOf(to)));
}

struct Candidate {
    CHighlightColours colours;
    bool good = false;
};

// The tints of |accent| over the background, if they keep the letters
// readable and can be told apart from the background and from each other.
Candidate Try(COLORREF background, COLORREF letters, COLORREF accent, double wordAmount,
              double cursorAmount) {
    Candidate c;
    c.colours.word = Mix(background, accent, wordAmount);
    c.colours.cursor = Mix(background, accent, cursorAmount);
    // The frame: the accent itself, or pushed towards the letters' colour
    // when the accent is too close to the cell it frames.
    c.colours.outline = accent;
    if (ColourDistance(accent, c.colours.cursor) < 90) c.colours.outline = Mix(accent, letters, 0.6);

    const double readable = std::min(ContrastRatio(letters, background), 4.5);
    c.good = ColourDistance(c.colours.word, background) >= 30 &&
             ColourDistance(c.colours.cursor, c.colours.word) >= 25 &&
             ContrastRatio(letters, c.colours.cursor) >= 0.6 * readable &&
             ContrastRatio(letters, c.colours.word) >= 0.75 * readable &&
             ColourDistance(c.colours.outline, c.colours.cursor) >= 60;
    return c;
}

}  // namespace

double ContrastRatio(COLORREF a, COLORREF b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double ColourDistance(COLORREF a, COLORREF b) {
    const double dr = RedOf(a) - RedOf(b);
    const double dg = GreenOf(a) - GreenOf(b);
    const double db = BlueOf(a) - BlueOf(b);
    return std::sqrt(dr * dr + dg * dg + db * db);
}

CHighlightColours HighlightColours(COLORREF background, COLORREF letters) {
    // Blue first, as most players use it; then colours far from it for the
    // backgrounds where blue would not show.
    static const COLORREF kAccents[] = {
        MakeColorRef(40, 120, 235),  MakeColorRef(255, 140, 0),  MakeColorRef(0, 170, 90),
        MakeColorRef(200, 40, 200),  MakeColorRef(255, 255, 255), MakeColorRef(0, 0, 0),
    };
    // Light tints first; stronger ones where they do not show; fainter ones
    // where stronger ones would eat into the letters' contrast.
    static const double kAmounts[][2] = {
        {0.22, 0.45}, {0.3, 0.55}, {0.4, 0.7}, {0.15, 0.3}, {0.12, 0.25}};
    for (const auto& amounts : kAmounts)
        for (COLORREF accent : kAccents) {
            const Candidate c = Try(background, letters, accent, amounts[0], amounts[1]);
            if (c.good) return c.colours;
        }
    // Background and letters too close for any tint to leave the letters
    // readable: shades of the letters' own colour, which at least show.
    CHighlightColours plain;
    plain.word = Mix(background, letters, 0.15);
    plain.cursor = Mix(background, letters, 0.3);
    plain.outline = letters;
    return plain;
}

}  // namespace verbal
