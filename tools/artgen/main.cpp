// artgen <output dir> <qrc name> [font file [icon file]]
//
// Writes every generated image under <output dir> and a resource list
// <output dir>/<qrc name> naming them under their resource paths; the
// program's icon for Windows' resources goes to <icon file>.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "artwork.h"

namespace {

bool writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(content) == content.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: artgen <output dir> <qrc name> [font file [icon file]]\n");
        return 2;
    }
    const QString outDir = args.at(1);
    QString family = QStringLiteral("sans-serif");
    if (args.size() > 3) {
        const int id = QFontDatabase::addApplicationFont(args.at(3));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) family = families.first();
    }

    QList<ArtFile> files;
    files += headerArtwork(family);
    files += pageArtwork(family);
    const ProgramIcon icon = programIcon();
    files += icon.windowIcon;
    if (args.size() > 4 && !writeFile(args.at(4), icon.ico)) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(args.at(4)));
        return 1;
    }

    QByteArray qrc;
    QTextStream list(&qrc);
    list << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const ArtFile& art : files) {
        if (!writeFile(outDir + QLatin1Char('/') + art.resourcePath, art.content)) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(art.resourcePath));
            return 1;
        }
        list << "    <file>" << art.resourcePath << "</file>\n";
    }
    list << "</qresource>\n</RCC>\n";
    list.flush();
    if (!writeFile(outDir + QLatin1Char('/') + args.at(2), qrc)) {
        std::fprintf(stderr, "artgen: cannot write the resource list\n");
        return 1;
    }
    return 0;
}
