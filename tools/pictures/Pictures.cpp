#include "Pictures.h"

#include <QHash>
#include <QList>
#include <QVector>
#include <algorithm>

namespace verbal::pictures {

QImage Indexed(const QImage& image) {
    QHash<QRgb, int> counts;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) ++counts[line[x]];
    }
    QList<QRgb> colours = counts.keys();
    std::sort(colours.begin(), colours.end(),
              [&](QRgb a, QRgb b) { return counts[a] != counts[b] ? counts[a] > counts[b] : a < b; });
    if (colours.size() > 256) colours.resize(256);
    return rgb.convertToFormat(QImage::Format_Indexed8, QVector<QRgb>(colours.begin(), colours.end()),
                               Qt::ThresholdDither);
}

}  // namespace verbal::pictures
