#pragma once

#include <QByteArray>

#include "http_test_server.h"

// The list's detached signature by the test key made at build time, from the
// generator's own signing command; the key's public half in hex, for
// ORVOCHECK_LIST_KEY.
QByteArray signatureByTestKey(const QByteArray& list);
QByteArray testListKeyHex();
// Serves the list at the default address, signed by the test key beside it.
HttpResponsePlan signedListPlan(const QByteArray& list);
