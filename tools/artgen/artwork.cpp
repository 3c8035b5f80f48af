#include "artwork.h"

#include <QBuffer>
#include <QPainter>
#include <QPen>

ArtFile pngArt(const QString& resourcePath, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {resourcePath, bytes};
}

QImage blankImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawOrvoMark(QPainter& painter) {
    const QColor accent(0x00, 0xb5, 0xe2);
    painter.save();
    painter.setPen(QPen(accent, 4.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(3, 3, 32, 32));
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent);
    painter.drawEllipse(QRectF(14, 14, 10, 10));
    painter.restore();
}
