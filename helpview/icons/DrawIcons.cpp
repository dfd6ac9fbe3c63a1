// Draws the toolbar pictures of helpview as PNG files, at 64 x 64 and at
// 128 x 128 for screens that double their pixels.
// Usage: helpview_icons OUTPUT_DIR   (QT_QPA_PLATFORM=offscreen is enough)
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

const QColor kOutline(40, 40, 48);

QPen Outline(qreal width = 2.0) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A glyph of a bold font, centred on a point, filled.
void Glyph(QPainter& p, const QString& text, qreal pixelSize, QPointF centre, QColor colour) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(pixelSize));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void Badge(QPainter& p, QPointF centre, qreal radius, QColor light, QColor dark) {
    QRadialGradient g(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(Outline());
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// A small crossword grid with a question mark: the help of the program.
void DrawHelp(QPainter& p) {
    const QRectF grid(5, 5, 42, 42);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(grid);
    const qreal cell = grid.width() / 3;
    p.setBrush(kOutline);
    p.drawRect(QRectF(grid.left() + 2 * cell, grid.top(), cell, cell));
    p.drawRect(QRectF(grid.left(), grid.top() + 2 * cell, cell, cell));
    p.setPen(QPen(kOutline, 2));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(grid.left() + i * cell, grid.top()),
                   QPointF(grid.left() + i * cell, grid.bottom()));
        p.drawLine(QPointF(grid.left(), grid.top() + i * cell),
                   QPointF(grid.right(), grid.top() + i * cell));
    }
    p.setPen(QPen(kOutline, 3));
    p.drawRect(grid);
    Glyph(p, QStringLiteral("A"), 11, QPointF(grid.left() + cell / 2, grid.top() + cell / 2),
          kOutline);
    Badge(p, QPointF(44, 44), 17, QColor(110, 170, 255), QColor(20, 80, 190));
    Glyph(p, QStringLiteral("?"), 26, QPointF(44, 44.5), Qt::white);
}

// A globe: the author's web page.
void DrawSite(QPainter& p) {
    const QPointF c(32, 32);
    const qreal r = 27;
    Badge(p, c, r, QColor(120, 190, 255), QColor(20, 90, 180));
    // Two continents, kept inside the globe.
    QPainterPath globe;
    globe.addEllipse(c, r - 1, r - 1);
    p.save();
    p.setClipPath(globe);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 170, 70));
    QPainterPath land;
    land.moveTo(14, 16);
    land.cubicTo(22, 8, 32, 12, 30, 20);
    land.cubicTo(28, 28, 20, 26, 22, 36);
    land.cubicTo(23, 44, 14, 42, 10, 34);
    land.cubicTo(6, 26, 10, 20, 14, 16);
    p.drawPath(land);
    QPainterPath land2;
    land2.moveTo(38, 30);
    land2.cubicTo(46, 26, 56, 30, 54, 40);
    land2.cubicTo(52, 50, 44, 56, 40, 50);
    land2.cubicTo(36, 44, 34, 34, 38, 30);
    p.drawPath(land2);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.6));
    p.setBrush(Qt::NoBrush);
    for (qreal w : {0.0, 0.45, 0.85}) p.drawEllipse(c, r * w + 0.5, r);
    for (qreal y : {-0.5, 0.0, 0.5}) {
        const qreal half = r * std::sqrt(1 - y * y);
        p.drawLine(QPointF(c.x() - half, c.y() + y * r), QPointF(c.x() + half, c.y() + y * r));
    }
    p.restore();
    p.setPen(Outline());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
}

// A compass: other horizons, any address.
void DrawOther(QPainter& p) {
    const QPointF c(32, 32);
    QRadialGradient g(c, 28);
    g.setColorAt(0, QColor(255, 252, 235));
    g.setColorAt(1, QColor(225, 205, 150));
    p.setPen(QPen(kOutline, 2));
    p.setBrush(QColor(200, 150, 60));
    p.drawEllipse(c, 28, 28);
    p.setBrush(g);
    p.drawEllipse(c, 23, 23);
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        const qreal inner = (i % 2 == 0) ? 17 : 20;
        p.drawLine(c + QPointF(std::cos(a) * inner, std::sin(a) * inner),
                   c + QPointF(std::cos(a) * 22, std::sin(a) * 22));
    }
    p.save();
    p.translate(c);
    p.rotate(40);
    QPolygonF north{QPointF(0, -21), QPointF(6, 0), QPointF(-6, 0)};
    QPolygonF south{QPointF(0, 21), QPointF(6, 0), QPointF(-6, 0)};
    p.setPen(QPen(kOutline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(215, 40, 40));
    p.drawPolygon(north);
    p.setBrush(QColor(235, 235, 240));
    p.drawPolygon(south);
    p.restore();
    p.setBrush(kOutline);
    p.drawEllipse(c, 2.5, 2.5);
}

QPainterPath ArrowRight() {
    QPainterPath path;
    path.moveTo(6, 24);
    path.lineTo(32, 24);
    path.lineTo(32, 10);
    path.lineTo(58, 32);
    path.lineTo(32, 54);
    path.lineTo(32, 40);
    path.lineTo(6, 40);
    path.closeSubpath();
    return path;
}

void DrawArrow(QPainter& p, bool bLeft) {
    QPainterPath arrow = ArrowRight();
    if (bLeft) arrow = QTransform(-1, 0, 0, 1, 64, 0).map(arrow);
    QLinearGradient g(0, 10, 0, 54);
    g.setColorAt(0, QColor(120, 215, 100));
    g.setColorAt(1, QColor(30, 135, 40));
    p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(arrow);
}

// A red octagon with a white cross: stop loading.
void DrawStop(QPainter& p) {
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = M_PI / 8 + i * M_PI / 4;
        octagon << QPointF(32 + 28 * std::cos(a), 32 + 28 * std::sin(a));
    }
    QLinearGradient g(0, 4, 0, 60);
    g.setColorAt(0, QColor(245, 90, 80));
    g.setColorAt(1, QColor(175, 20, 20));
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPolygon(octagon);
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 22), QPointF(42, 42));
    p.drawLine(QPointF(42, 22), QPointF(22, 42));
}

// A circular arrow: load the page again.
void DrawRefresh(QPainter& p) {
    const QPointF c(32, 33);
    const qreal r = 20;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 60);
    arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 60, 270);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 13, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(QColor(40, 150, 220), 8, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    // The head sits at the start of the arc (60 degrees), pointing along it.
    const qreal a = 60 * M_PI / 180;
    const QPointF tip = c + QPointF(r * std::cos(a), -r * std::sin(a));
    const QPointF along(std::sin(a), std::cos(a));   // direction of travel (clockwise)
    const QPointF across(std::cos(a), -std::sin(a));  // outwards
    QPolygonF head{tip + along * 16, tip - along * 2 + across * 11, tip - along * 2 - across * 11};
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(40, 150, 220));
    p.drawPolygon(head);
}

// A blue disc with an "i": the browser's information page.
void DrawInfo(QPainter& p) {
    Badge(p, QPointF(32, 32), 27, QColor(110, 170, 255), QColor(20, 80, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(32, 17), 5, 5);
    p.drawRoundedRect(QRectF(27, 26, 10, 24), 3, 3);
}

// An open door with an arrow going out: quit.
void DrawQuit(QPainter& p) {
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(8, 6, 30, 52));
    QPolygonF door{QPointF(8, 6), QPointF(26, 12), QPointF(26, 62), QPointF(8, 58)};
    QLinearGradient g(8, 0, 26, 0);
    g.setColorAt(0, QColor(200, 140, 80));
    g.setColorAt(1, QColor(140, 85, 40));
    p.setBrush(g);
    p.drawPolygon(door);
    p.setBrush(QColor(250, 215, 90));
    p.drawEllipse(QPointF(22, 36), 2, 2);
    QPainterPath arrow;
    arrow.moveTo(30, 27);
    arrow.lineTo(45, 27);
    arrow.lineTo(45, 18);
    arrow.lineTo(60, 32);
    arrow.lineTo(45, 46);
    arrow.lineTo(45, 37);
    arrow.lineTo(30, 37);
    arrow.closeSubpath();
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(225, 50, 40));
    p.drawPath(arrow);
}

bool Write(const QString& dir, const QString& name, const std::function<void(QPainter&)>& draw) {
    for (int scale : {1, 2}) {
        QImage image(64 * scale, 64 * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        const QString file = QDir(dir).filePath(name + (scale == 2 ? "@2x.png" : ".png"));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage : helpview_icons DOSSIER\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const std::vector<std::pair<const char*, std::function<void(QPainter&)>>> icons = {
        {"help", DrawHelp},
        {"site", DrawSite},
        {"other", DrawOther},
        {"back", [](QPainter& p) { DrawArrow(p, true); }},
        {"stop", DrawStop},
        {"forward", [](QPainter& p) { DrawArrow(p, false); }},
        {"refresh", DrawRefresh},
        {"info", DrawInfo},
        {"quit", DrawQuit},
        {"helpview", DrawHelp},
    };
    for (const auto& [name, draw] : icons)
        if (!Write(dir, QString::fromLatin1(name), draw)) return 1;
    return 0;
}
