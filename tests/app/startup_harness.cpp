// The program's start-up with another window document: the last argument
// is the document's URL.
#include <QUrl>

#include "startup.h"

int main(int argc, char* argv[]) {
    if (argc < 2) return 2;
    int toolkitArgc = argc - 1;
    const QUrl document(QString::fromLocal8Bit(argv[argc - 1]));
    return runOrvoCheck(toolkitArgc, argv, document);
}
