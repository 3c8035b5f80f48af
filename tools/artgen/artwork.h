#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// One file of artwork: where it goes in the resources (relative to "qrc:/")
// and its bytes.
struct ArtFile {
    QString resourcePath;
    QByteArray content;
};

// Encodes an image as PNG.
ArtFile pngArt(const QString& resourcePath, const QImage& image);

// A transparent ARGB image of the given size, ready to paint on.
QImage blankImage(int width, int height);

// Each group of artwork lives in its own file and is listed in main.cpp.
QList<ArtFile> headerArtwork(const QString& fontFamily);
QList<ArtFile> pageArtwork(const QString& fontFamily);
