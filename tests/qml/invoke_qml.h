#pragma once

#include <QMetaObject>
#include <QObject>
#include <QVariant>
#include <QVariantList>

// Calls a function of a window document with up to four arguments and
// returns its result, as the program's own code calls setRank and friends.
inline QVariant call(QObject* object, const char* function, const QVariantList& args = {}) {
    QVariant result;
    QGenericArgument a[4];
    for (int i = 0; i < args.size() && i < 4; ++i) a[i] = Q_ARG(QVariant, args.at(i));
    QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), a[0], a[1], a[2],
                              a[3]);
    return result;
}
