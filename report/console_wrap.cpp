#include "console_wrap.h"

#include <QStringList>
#include <QVector>

namespace {

bool isWide(uint c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

int cellsOf(uint c) { return isWide(c) ? 2 : 1; }

// A piece that is never broken unless it is longer than a line: a run of
// narrow characters, or one wide character with the narrow punctuation that
// clings to it (a Latin word after a wide character starts a new piece).
struct Piece {
    QVector<uint> chars;
    int cells = 0;
    bool spaceBefore = false;
};

QVector<Piece> piecesOf(const QVector<uint>& line, int from) {
    QVector<Piece> pieces;
    bool space = false;
    bool lastWide = false;
    for (int i = from; i < line.size(); ++i) {
        const uint c = line[i];
        if (c == ' ') {
            space = true;
            continue;
        }
        const bool wide = isWide(c);
        if (pieces.isEmpty() || space || wide || lastWide) {
            pieces.append(Piece());
            pieces.last().spaceBefore = space;
        }
        pieces.last().chars.append(c);
        pieces.last().cells += cellsOf(c);
        space = false;
        lastWide = wide;
    }
    return pieces;
}

QString fromUcs4(const QVector<uint>& chars) {
    return QString::fromUcs4(chars.constData(), chars.size());
}

QStringList wrapLine(const QString& text, int limit) {
    const QVector<uint> line = text.toUcs4();
    int indent = 0;
    while (indent < line.size() && line[indent] == ' ') ++indent;
    // An indentation that leaves too little room is dropped on later lines.
    const QString lead(indent * 2 <= limit ? indent : 0, QLatin1Char(' '));

    QStringList out;
    QVector<uint> current = line.mid(0, indent);
    int used = indent;
    bool empty = true;  // nothing but indentation on the current line
    auto finish = [&] {
        out << fromUcs4(current);
        current = lead.toUcs4();
        used = lead.size();
        empty = true;
    };
    for (const Piece& piece : piecesOf(line, indent)) {
        const int gap = piece.spaceBefore && !empty ? 1 : 0;
        if (!empty && used + gap + piece.cells > limit) finish();
        if (piece.spaceBefore && !empty) {
            current.append(' ');
            ++used;
        }
        for (const uint c : piece.chars) {
            // Only a piece wider than a whole line gets here with no room.
            if (used + cellsOf(c) > limit && !empty) finish();
            current.append(c);
            used += cellsOf(c);
            empty = false;
        }
    }
    out << fromUcs4(current);
    return out;
}

}  // namespace

int terminalCells(const QString& text) {
    int cells = 0;
    for (const uint c : text.toUcs4()) cells += cellsOf(c);
    return cells;
}

QString wrapToColumns(const QString& text, int columns) {
    if (columns < 2) return text;
    const int limit = columns - 1;
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (terminalCells(line) <= limit)
            lines << line;
        else
            lines << wrapLine(line, limit);
    }
    return lines.join(QLatin1Char('\n'));
}
