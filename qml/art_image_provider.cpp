#include "art_image_provider.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QQmlEngine>
#include <QQuickImageProvider>

namespace {

class ArtImageProvider : public QQuickImageProvider {
public:
    ArtImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override {
        QFile file(QStringLiteral(":/images/") + id);
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning() << "[art] No image" << id;
            return QImage();
        }
        QImageReader reader(&file, QFileInfo(id).suffix().toLatin1());
        // Without this the reader would try every plugin on the bytes.
        reader.setAutoDetectImageFormat(false);
        const QSize natural = reader.size();
        if (size != nullptr) *size = natural;
        if (requestedSize.isValid() && natural.isValid() && requestedSize != natural)
            reader.setScaledSize(natural.scaled(requestedSize, Qt::IgnoreAspectRatio));
        QImage image = reader.read();
        if (image.isNull()) qWarning() << "[art] Cannot read" << id << reader.errorString();
        return image;
    }
};

}  // namespace

void installArtImageProvider(QQmlEngine& engine) {
    engine.addImageProvider(QStringLiteral("art"), new ArtImageProvider);  // engine owns it
}

QIcon programWindowIcon() {
    QIcon icon;
    const QDir images(QStringLiteral(":/images"));
    for (const QString& name : images.entryList({QStringLiteral("program_icon_*.png")})) {
        // QIcon::addFile would probe every installed image plugin on the
        // bytes; the format is known.
        QImageReader reader(images.filePath(name), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull()) qWarning() << "[art] Cannot read" << name << reader.errorString();
        else icon.addPixmap(QPixmap::fromImage(image));
    }
    if (icon.isNull()) qWarning() << "[art] No program icon in the resources";
    return icon;
}
