#include "checker_test_support.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace fixture {
const char* const kGoodOS = "Debian GNU/Linux 12 (bookworm)";
const char* const kBadOS = "Windows 7";
const char* const kGoodCPU = "Intel(R) Core(TM) i7-8700K CPU @ 3.70GHz";
const char* const kBadCPU = "Intel(R) Core(TM)2 Duo CPU E8400 @ 3.00GHz";
const TestAdapter kGoodGPU{QStringLiteral("NVIDIA GeForce GTX 1080"), QStringLiteral("10DE"),
                           QStringLiteral("1B80")};
const TestAdapter kBadGPU{QStringLiteral("AMD Radeon HD 7450"), QStringLiteral("1002"),
                          QStringLiteral("6779")};
const TestAdapter kUnknownGPU{QStringLiteral("Intel UHD Graphics 630"), QStringLiteral("8086"),
                              QStringLiteral("3E92")};
}  // namespace fixture

WorkerThread::WorkerThread() : m_Context(new QObject) {
    m_Context->moveToThread(&m_Thread);
    m_Thread.start();
}

WorkerThread::~WorkerThread() {
    m_Context->deleteLater();
    m_Thread.quit();
    m_Thread.wait();
}

void WorkerThread::run(const std::function<void()>& work) {
    QMetaObject::invokeMethod(m_Context, work, Qt::BlockingQueuedConnection);
}

TempWorkDir::TempWorkDir() : m_Previous(QDir::currentPath()) {
    if (!m_Dir.isValid()) return;
    QDir::setCurrent(m_Dir.path());
    QDir().mkpath(QStringLiteral("comp"));
}

TempWorkDir::~TempWorkDir() { QDir::setCurrent(m_Previous); }

void TestEngine::setMachine(const QString& osName, bool is64Bit, const QString& cpuName,
                            double memoryGB, const QList<TestAdapter>& adapters) {
    m_OSName = osName;
    m_Is64Bit = is64Bit;
    m_CPUName = cpuName;
    m_MemorySize = memoryGB;
    m_GPUs.clear();
    m_GPUNames.clear();
    for (const TestAdapter& adapter : adapters) {
        GpuInfo info;
        info.name = adapter.name;
        info.vendorId = adapter.vendorId;
        info.pciDeviceId = adapter.deviceId;
        m_GPUs.append(info);
        m_GPUNames.append(adapter.name);
    }
}

LoaderRun::LoaderRun(const QString& url, const QString& savePath, int totalTimeLimitMs,
                     qint64 maxBodyBytes) {
    m_Worker.run([&] {
        m_Loader = new TestWebLoader(totalTimeLimitMs, maxBodyBytes);
        QObject::connect(m_Loader, &WebLoader::downloaded, &m_Receiver, [this](bool succ) {
            m_Result = succ;
            m_ElapsedMs = m_Clock.elapsed();
            ++m_Emissions;
        });
        m_Clock.start();
        m_Loader->download(url, savePath);
    });
}

LoaderRun::~LoaderRun() {
    m_Worker.run([this] { delete m_Loader; });
}

void LoaderRun::inspect(const std::function<void(const TestWebLoader&)>& look) {
    m_Worker.run([&] { look(*m_Loader); });
}

QJsonObject validComparison(const QString& version) {
    const auto names = [](std::initializer_list<const char*> list) {
        QJsonArray array;
        for (const char* name : list) array.append(QString::fromUtf8(name));
        return array;
    };
    const auto pair = [](const TestAdapter& adapter) {
        return QJsonArray{adapter.vendorId, adapter.deviceId};
    };
    return QJsonObject{
        {QStringLiteral("Version"), version},
        {QStringLiteral("OS"),
         QJsonObject{{QStringLiteral("Good list"), names({fixture::kGoodOS, "Windows 10"})},
                     {QStringLiteral("Bad list"), names({fixture::kBadOS})}}},
        {QStringLiteral("CPU"),
         QJsonObject{{QStringLiteral("Good list"), names({fixture::kGoodCPU})},
                     {QStringLiteral("Bad list"), names({fixture::kBadCPU})}}},
        {QStringLiteral("GPU"),
         QJsonObject{{QStringLiteral("Good list"), QJsonArray{pair(fixture::kGoodGPU)}},
                     {QStringLiteral("Bad list"), QJsonArray{pair(fixture::kBadGPU)}}}},
        {QStringLiteral("Memory"), QJsonObject{{QStringLiteral("Good min"), 8}}},
    };
}

QByteArray toJsonBytes(const QJsonObject& object) { return QJsonDocument(object).toJson(); }

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

