// The header's artwork: the close button in its two states and the logo.
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "artwork.h"

namespace {

// Drawn at twice the design size so the button stays sharp on large screens.
constexpr int kCloseSize = 28;

QImage closeButton(const QColor& colour) {
    QImage image = blankImage(kCloseSize, kCloseSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, 3.0, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    const qreal inset = 3.0;
    painter.drawLine(QPointF(inset, inset), QPointF(kCloseSize - inset, kCloseSize - inset));
    painter.drawLine(QPointF(kCloseSize - inset, inset), QPointF(inset, kCloseSize - inset));
    return image;
}

QImage logo(const QString& fontFamily) {
    // The window places the logo at its natural size, 156 by 38 pixels.
    QImage image = blankImage(156, 38);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    drawOrvoMark(painter);

    QFont font(fontFamily);
    font.setPixelSize(30);
    font.setWeight(QFont::Medium);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 3.0);
    QPainterPath word;
    word.addText(0, 0, font, QStringLiteral("ORVO"));
    const QRectF bounds = word.boundingRect();
    const qreal left = 44.0;
    const qreal availableWidth = image.width() - left - 2.0;
    painter.translate(left - bounds.left() + (availableWidth - bounds.width()) / 2.0,
                      (image.height() - bounds.height()) / 2.0 - bounds.top());
    painter.setBrush(QColor(0x22, 0x22, 0x22));
    painter.drawPath(word);
    return image;
}

}  // namespace

QList<ArtFile> headerArtwork(const QString& fontFamily) {
    return {
        pngArt(QStringLiteral("images/button_close.png"), closeButton(QColor(0x6e, 0x6e, 0x6e))),
        pngArt(QStringLiteral("images/button_close_hover.png"),
               closeButton(QColor(0x00, 0xb5, 0xe2))),
        pngArt(QStringLiteral("images/logo_orvo.png"), logo(fontFamily)),
    };
}
