#include "Icons.h"

#include <QPainter>
#include <QSvgRenderer>

namespace verbal::shell {

QPixmap RenderPicture(const QString& name, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    return pixmap;
}

QIcon ProgramIcon(const QString& name) {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128}) icon.addPixmap(RenderPicture(name, QSize(side, side)));
    return icon;
}

}  // namespace verbal::shell
