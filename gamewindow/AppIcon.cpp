#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace AppIcon {

QImage Draw(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1C, 0x54, 0xB0));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(0x0E, 0x2A, 0x58));
    p.drawRoundedRect(QRectF(8, 8, 48, 48), 6, 6);
    auto trail = [&p](const QColor& c, std::initializer_list<QPointF> points) {
        QPainterPath path;
        auto it = points.begin();
        path.moveTo(*it);
        for (++it; it != points.end(); ++it) path.lineTo(*it);
        p.setPen(QPen(c, 5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(points.end()[-1], 4, 4);
    };
    trail(QColor(0x80, 0x80, 0xFF), {{14, 46}, {30, 46}, {30, 20}, {44, 20}});
    trail(QColor(0xFF, 0x80, 0x80), {{50, 14}, {50, 34}, {38, 34}});
    return image;
}

QIcon Icon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(Draw(size)));
    return icon;
}

} // namespace AppIcon
