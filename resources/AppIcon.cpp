#include "resources/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace marlo {

QImage applicationIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x5f, 0xa8));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // The device: a box with a serial connector on its front and an antenna on top.
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(12, 36, 40, 18), 4, 4);
    painter.setBrush(QColor(0x1f, 0x5f, 0xa8));
    painter.drawRoundedRect(QRectF(18, 41, 16, 8), 2, 2);
    painter.setBrush(QColor(0x5f, 0xd0, 0x6f));
    painter.drawEllipse(QPointF(44, 45), 3, 3);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(41, 22, 4, 14));

    QPen wave(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(wave);
    painter.setBrush(Qt::NoBrush);
    for (const qreal radius : {7.0, 14.0}) {
        const QRectF arc(43 - radius, 20 - radius, 2 * radius, 2 * radius);
        painter.drawArc(arc, 30 * 16, 120 * 16);
    }
    return image;
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(applicationIconImage(size)));
    }
    return icon;
}

} // namespace marlo
