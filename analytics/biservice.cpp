#include "biservice.h"

#include <QDebug>

// Placeholder until the analytics client lands: records nothing, ends the run.
BIService::BIService() = default;
BIService::~BIService() = default;

void BIService::initSession() {}

void BIService::addInfoRecord(const QString&, const QString&, const QString&, const QString&,
                              const QString&, const QString&, const QString&, const QString&,
                              const QString&, qint32, qint32, qint32, const QString&) {}

void BIService::addGpuRecord(const QString&, const QString&) {}

void BIService::sendBI() {
    qDebug() << "[BIService]sendBI() start";
    qDebug() << "[BIService]sendBI() Done";
    emit close();
}
