#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

class QPainter;

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

// The Orvo mark, a ring with a dot (the headset's lens), on the 38 by 38
// pixel square at the painter's origin: the logo's left end and the program's
// icon.
void drawOrvoMark(QPainter& painter);

// Each group of artwork lives in its own file and is listed in main.cpp.
QList<ArtFile> headerArtwork(const QString& fontFamily);
QList<ArtFile> pageArtwork(const QString& fontFamily);

// The program's icon for Windows' resources (.ico) and the same images as the
// window icon's resource files.
struct ProgramIcon {
    QByteArray ico;
    QList<ArtFile> windowIcon;
};
ProgramIcon programIcon();
