#pragma once

#include <QString>

// Terminal cells a text takes: East Asian wide characters take two, every
// other character one.
int terminalCells(const QString& text);

// The text with every line longer than columns - 1 cells broken at word
// boundaries (spaces, and between East Asian wide characters, which need
// none), so that a console of that width never breaks inside a word. The
// last column stays free: a console moves to the next line by itself when
// it is filled, and the line end would then add an empty line. Continuation
// lines keep the indentation of the line they continue; a word longer than
// a whole line is cut. Columns below 2 leave the text as it is.
QString wrapToColumns(const QString& text, int columns);
