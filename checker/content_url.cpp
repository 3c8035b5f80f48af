#include "content_url.h"

#include "checker_config.h"

#include <QByteArray>
#include <QtGlobal>

QString comparisonDownloadUrl() {
    if (qEnvironmentVariableIsSet("ORVOCHECK_CONTENT_URL"))
        return qEnvironmentVariable("ORVOCHECK_CONTENT_URL");
    return QStringLiteral(ORVO_CONTENT_URL);
}
