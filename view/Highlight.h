// The colours of the current word and the current cell.
//
// The player chooses the grid's background and letter colours freely, so
// the highlight is derived from them rather than fixed: a light tint of an
// accent colour that stands out from the background, weak enough that the
// letters keep their contrast, and a stronger one for the current cell.
#pragma once

#include "ViewSettings.h"

namespace verbal {

struct CHighlightColours {
    COLORREF word = 0;     // fill of the current word's cells
    COLORREF cursor = 0;   // fill of the current cell
    COLORREF outline = 0;  // frame drawn inside the current cell
};

CHighlightColours HighlightColours(COLORREF gridBackground, COLORREF letters);

// Contrast ratio of two colours, 1 (same luminance) to 21 (black on white).
double ContrastRatio(COLORREF a, COLORREF b);
// Distance of two colours in RGB space, 0 to about 441.
double ColourDistance(COLORREF a, COLORREF b);

}  // namespace verbal
