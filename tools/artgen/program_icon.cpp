// The program's icon: the Orvo mark filled white inside its ring, so that it
// reads on light and dark task bars alike, at every size Explorer and the
// task bar ask for.
#include <QBuffer>
#include <QDataStream>
#include <QPainter>

#include "artwork.h"

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 256};
// The mark is drawn on a 38-pixel square (drawOrvoMark).
constexpr qreal kMarkSize = 38.0;

QImage iconImage(int size) {
    QImage image = blankImage(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kMarkSize, size / kMarkSize);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(3, 3, 32, 32));
    drawOrvoMark(painter);
    return image;
}

// An icon image as Windows has stored them since its first icons: a 32-bit
// bottom-up bitmap of twice the height (colour rows, then the mask rows) and
// a 1-bit mask, set where the pixel is fully transparent.
QByteArray iconBitmap(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(size) << qint32(2 * size) << quint16(1) << quint16(32)
        << quint32(0) << quint32(size * size * 4 + size * maskStride) << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    for (int y = size - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) out << quint32(row[x]);  // B, G, R, A in the file
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(mask.constData(), mask.size());
    }
    return bytes;
}

// The .ico file: a directory of the images, then the images. The 256-pixel
// one is stored as PNG, as Windows takes it since Vista, which keeps the file
// small.
QByteArray icoFile(const QList<QImage>& images) {
    QList<QByteArray> data;
    for (const QImage& image : images) {
        data << (image.width() >= 256 ? pngArt(QString(), image).content : iconBitmap(image));
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const int size = images.at(i).width();
        const quint8 side = size >= 256 ? 0 : quint8(size);  // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(data.at(i).size()) << offset;
        offset += data.at(i).size();
    }
    for (const QByteArray& image : data) out.writeRawData(image.constData(), image.size());
    return bytes;
}

}  // namespace

ProgramIcon programIcon() {
    ProgramIcon icon;
    QList<QImage> images;
    for (const int size : kSizes) {
        images << iconImage(size);
        icon.windowIcon << pngArt(QStringLiteral("images/program_icon_%1.png").arg(size),
                                  images.last());
    }
    icon.ico = icoFile(images);
    return icon;
}
