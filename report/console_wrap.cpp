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
    int spacesBefore = 0;  // kept as they are inside a line: table columns stay
};

QVector<Piece> piecesOf(const QVector<uint>& line, int from) {
    QVector<Piece> pieces;
    int spaces = 0;
    bool lastWide = false;
    for (int i = from; i < line.size(); ++i) {
        const uint c = line[i];
        if (c == ' ') {
            ++spaces;
            continue;
        }
        const bool wide = isWide(c);
        if (pieces.isEmpty() || spaces > 0 || wide || lastWide) {
            pieces.append(Piece());
            pieces.last().spacesBefore = spaces;
        }
        pieces.last().chars.append(c);
        pieces.last().cells += cellsOf(c);
        spaces = 0;
        lastWide = wide;
    }
    return pieces;
}

QString fromUcs4(const QVector<uint>& chars) {
    return QString::fromUcs4(chars.constData(), chars.size());
}

QStringList wrapLine(const QString& text, int limit) {
    const QVector<uint> line = text.toUcs4();
    int leading = 0;
    while (leading < line.size() && line[leading] == ' ') ++leading;
    const QVector<Piece> pieces = piecesOf(line, leading);
    // Continuation lines line up with the last column of a table row (after
    // a gap of two spaces or more), else with the line's own indentation; an
    // indentation that would leave too little room shrinks to two spaces.
    int hang = leading;
    int at = leading;
    for (int i = 0; i < pieces.size(); ++i) {
        at += pieces[i].spacesBefore;
        if (i > 0 && pieces[i].spacesBefore >= 2) hang = at;
        at += pieces[i].cells;
    }
    if (hang * 2 > limit) hang = qMin(leading, 2);
    const QVector<uint> first(leading * 2 > limit ? qMin(leading, 2) : leading, ' ');

    QStringList out;
    QVector<uint> current = first;
    int used = current.size();
    bool empty = true;  // nothing but indentation on the current line
    auto finish = [&] {
        out << fromUcs4(current);
        current = QVector<uint>(hang, ' ');
        used = hang;
        empty = true;
    };
    for (const Piece& piece : pieces) {
        const int gap = empty ? 0 : piece.spacesBefore;
        if (!empty && used + gap + piece.cells > limit) finish();
        if (!empty) {
            current += QVector<uint>(piece.spacesBefore, ' ');
            used += piece.spacesBefore;
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
