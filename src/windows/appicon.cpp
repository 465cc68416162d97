#include "windows/appicon.h"

#include <QPainter>
#include <QPolygonF>

QPixmap applicationPixmap()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Leaning to the upper right, as a rocket climbing: drawn upright, then turned.
    painter.translate(8, 8);
    painter.rotate(45);
    painter.translate(-8, -8);
    painter.setBrush(QColor(250, 0, 0)); // fins
    painter.drawPolygon(QPolygonF({{6, 10}, {3, 15}, {6, 14}}));
    painter.drawPolygon(QPolygonF({{10, 10}, {13, 15}, {10, 14}}));
    painter.setBrush(QColor(150, 150, 150)); // body
    painter.drawRect(QRectF(6, 5, 4, 10));
    painter.setBrush(Qt::black); // nose
    painter.drawPolygon(QPolygonF({{8, 0}, {10, 5}, {6, 5}}));
    painter.setBrush(QColor(250, 250, 0)); // the name along the body
    painter.drawRect(QRectF(7.5, 7, 1, 5));
    return pixmap;
}

QIcon applicationIcon()
{
    return QIcon(applicationPixmap());
}
