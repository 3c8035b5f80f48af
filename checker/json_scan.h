#pragma once

#include <QByteArray>
#include <QHash>
#include <QVector>

// A JSON value's place in a text: bytes [begin, end).
struct JsonSpan {
    int begin = 0;
    int end = 0;
    bool isNull() const { return end <= begin; }
};

// Checks a JSON value without building it, keeping where the members of its
// objects and the elements of its arrays are, down to a given depth, so that
// single entries of a large value can be parsed on their own later. Stricter
// than the toolkit's parser: whatever it is unsure of (deep nesting, lone
// surrogates, numbers a double cannot hold, control characters) fails, and
// the caller then lets the toolkit's parser decide.
class JsonScan {
public:
    // Scans the value that starts at begin (after white space) and must end
    // at end (before white space); false when it is not valid JSON.
    bool scan(const QByteArray& text, int begin, int end, int keepDepth);

    // The members of the object at span (keys as written, without quotes)
    // and the elements of the array at span, as recorded by scan().
    QHash<QByteArray, JsonSpan> members(JsonSpan object) const;
    QVector<JsonSpan> elements(JsonSpan array) const;

private:
    int value(int at, int depth);
    int string(int at) const;
    int number(int at) const;
    int skipSpace(int at) const;

    const char* m_Text = nullptr;
    int m_End = 0;
    int m_KeepDepth = 0;
    QHash<int, QHash<QByteArray, JsonSpan>> m_Members;  // by the object's begin
    QHash<int, QVector<JsonSpan>> m_Elements;           // by the array's begin
};
