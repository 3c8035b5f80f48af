// The pages' artwork: the three rank icons, the neutral icon of an unknown
// headset connection line, the consent box in its two
// states and the frames of the checking animation.
#include "artwork.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QtMath>

#include <array>

namespace {

constexpr int kIconSize = 28;
constexpr int kBoxSize = 16;
constexpr int kFrameSize = 24;
constexpr int kFrameCount = 59;

const QColor kBlue(0x00, 0xb5, 0xe2);
const QColor kRed(0xd0, 0x01, 0x1b);
const QColor kOrange(0xff, 0x9f, 0x35);
const QColor kGrey(0x9b, 0x9b, 0x9b);

// A filled circle with a white glyph of the given font centred in it.
QImage glyphIcon(const QColor& colour, const QString& glyph, const QString& fontFamily) {
    QImage image = blankImage(kIconSize, kIconSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0.5, 0.5, kIconSize - 1.0, kIconSize - 1.0));

    QFont font(fontFamily);
    font.setPixelSize(19);
    font.setWeight(QFont::Bold);
    QPainterPath path;
    path.addText(0, 0, font, glyph);
    const QRectF bounds = path.boundingRect();
    painter.translate((kIconSize - bounds.width()) / 2.0 - bounds.left(),
                      (kIconSize - bounds.height()) / 2.0 - bounds.top());
    painter.setBrush(Qt::white);
    painter.drawPath(path);
    return image;
}

QImage tickIcon() {
    QImage image = blankImage(kIconSize, kIconSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    painter.drawEllipse(QRectF(0.5, 0.5, kIconSize - 1.0, kIconSize - 1.0));
    QPen pen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(8.0, 14.5);
    tick.lineTo(12.5, 19.0);
    tick.lineTo(20.5, 9.5);
    painter.drawPath(tick);
    return image;
}

QImage emptyBox() {
    QImage image = blankImage(kBoxSize, kBoxSize);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(0xaa, 0xa9, 0xaa), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0.5, 0.5, kBoxSize - 1.0, kBoxSize - 1.0));
    return image;
}

// Vector, so the ticked box stays sharp at any scale.
QByteArray checkedBoxSvg() {
    return QByteArrayLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\" "
        "viewBox=\"0 0 16 16\">\n"
        "  <rect x=\"0\" y=\"0\" width=\"16\" height=\"16\" fill=\"#00B5E2\"/>\n"
        "  <path d=\"M3.5 8.2 L6.6 11.2 L12.5 4.8\" fill=\"none\" stroke=\"#FFFFFF\" "
        "stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"
        "</svg>\n");
}

// The four places of the two-by-two grid in the order the empty place
// visits them: bottom right, bottom left, top left, top right.
constexpr int kTile = 10;
constexpr int kNear = 1;
constexpr int kFar = kNear + kTile + 2;
const std::array<QPointF, 4> kPlaces = {QPointF(kFar, kFar), QPointF(kNear, kFar),
                                        QPointF(kNear, kNear), QPointF(kFar, kNear)};

// One frame: the empty place rests for a while at each place, then the
// tile at the next place slides into it, so the gap moves on clockwise.
QImage checkingFrame(int frame) {
    const qreal t = 4.0 * frame / kFrameCount;
    const int from = qFloor(t) % 4;
    const int to = (from + 1) % 4;
    const qreal phase = t - qFloor(t);
    const qreal restShare = 0.4;
    qreal move = phase <= restShare ? 0.0 : (phase - restShare) / (1.0 - restShare);
    move = move * move * (3.0 - 2.0 * move);  // ease in and out

    QImage image = blankImage(kFrameSize, kFrameSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Whole pixels keep the tiles' edges sharp at this small size.
    const QPointF gap = (kPlaces[from] + (kPlaces[to] - kPlaces[from]) * move).toPoint();
    const QPointF slider = (kPlaces[to] + (kPlaces[from] - kPlaces[to]) * move).toPoint();
    painter.setPen(QPen(kBlue, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(gap + QPointF(0.5, 0.5), QSizeF(kTile - 1.0, kTile - 1.0)));

    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    for (int place = 0; place < 4; ++place) {
        if (place == from || place == to) continue;
        painter.drawRect(QRectF(kPlaces[place], QSizeF(kTile, kTile)));
    }
    painter.drawRect(QRectF(slider, QSizeF(kTile, kTile)));
    return image;
}

}  // namespace

QList<ArtFile> pageArtwork(const QString& fontFamily) {
    QList<ArtFile> files = {
        pngArt(QStringLiteral("images/icon_done.png"), tickIcon()),
        pngArt(QStringLiteral("images/icon_failed.png"),
               glyphIcon(kRed, QStringLiteral("!"), fontFamily)),
        pngArt(QStringLiteral("images/icon_error.png"),
               glyphIcon(kOrange, QStringLiteral("?"), fontFamily)),
        // Neutral: the system told nothing, so nothing is wrong either.
        pngArt(QStringLiteral("images/icon_unknown.png"),
               glyphIcon(kGrey, QStringLiteral("?"), fontFamily)),
        pngArt(QStringLiteral("images/Checkbox.png"), emptyBox()),
        {QStringLiteral("images/checkbox_checked.svg"), checkedBoxSvg()},
    };
    for (int frame = 0; frame < kFrameCount; ++frame) {
        files += pngArt(QStringLiteral("images/Compatibility_checking_sequence/"
                                       "Compatibility_checking_%1.png")
                            .arg(frame, 5, 10, QLatin1Char('0')),
                        checkingFrame(frame));
    }
    return files;
}
