#pragma once

#include <QMetaObject>
#include <QObject>
#include <QVariant>
#include <QVariantList>

// Calls a function of a window document with up to six arguments and
// returns its result, as the program's own code calls setRank and friends.
// A call that finds no such function says so: the page would silently lack
// what it sets.
inline QVariant call(QObject* object, const char* function, const QVariantList& args = {}) {
    QVariant result;
    QGenericArgument a[6];
    for (int i = 0; i < args.size() && i < 6; ++i) a[i] = Q_ARG(QVariant, args.at(i));
    if (!QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), a[0], a[1],
                                   a[2], a[3], a[4], a[5]))
        qWarning("call: %s(%d arguments) not found", function, int(args.size()));
    return result;
}
