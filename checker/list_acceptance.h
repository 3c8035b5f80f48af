#pragma once

#include <QByteArray>
#include <QString>

// Whether a downloaded comparison list may take the place of the shipped
// one: only when its signature verifies with a trusted key
// (listsig::trustedKeys) and its "Version" is not older than the shipped
// list's. Otherwise one line says which check failed, and the caller keeps
// to the shipped list.
bool downloadedListAccepted(const QByteArray& list, const QByteArray& signature,
                            const QString& shippedPath);
