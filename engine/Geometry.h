// A point in pixels: where the view draws the grid, saved with it.
#pragma once

namespace verbal {

struct CPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
};

}  // namespace verbal
