// Pictures of windows, for the help pages and for people to look at.
#pragma once

#include <QImage>

namespace verbal::test {

// A picture of a window has few colours: its 256 most frequent ones keep it
// sharp at a fraction of the size of a full-colour one.
QImage Indexed(const QImage& image);

}  // namespace verbal::test
