// launch_bench <OrvoCheck> <floor_window> <compDefault.json> [rounds]
//
// Starts each program in turn on the current display and measures, per run,
// the time from process start to the first frame the scene graph renders
// (reported by Qt's render-loop timing category on standard error, which
// OrvoCheck's log handler copies there too) and the peak resident memory
// (VmHWM) one second after that frame. Prints medians and the ratios
// OrvoCheck / floor.
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample {
    double firstFrameMs = -1;
    double cpuMs = -1;  // user + system time spent up to the first frame
    qint64 peakKb = -1;
};

// Wall-clock times swing with the machine's load; the processor time a
// process used up to its first frame is the steadier figure.
double cpuTimeMs(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return -1;
    const double ticks = fields.at(11).toDouble() + fields.at(12).toDouble();
    return ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

qint64 peakResidentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

Sample measure(const QString& program, const QString& workDir) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_LOGGING_RULES", "qt.scenegraph.time.renderloop.debug=true");
    env.insert("ORVOCHECK_CONTENT_URL", "");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.setProcessChannelMode(QProcess::SeparateChannels);

    Sample sample;
    QElapsedTimer clock;
    clock.start();
    process.start(program, QStringList());
    if (!process.waitForStarted(10000)) return sample;
    QByteArray err;
    while (clock.elapsed() < 20000 && sample.firstFrameMs < 0) {
        process.waitForReadyRead(5);
        err += process.readAllStandardError();
        if (err.contains("rame rendered")) {
            sample.firstFrameMs = clock.nsecsElapsed() / 1e6;
            sample.cpuMs = cpuTimeMs(process.processId());
        }
        if (process.state() == QProcess::NotRunning) break;
    }
    QThread::msleep(1000);
    sample.peakKb = peakResidentKb(process.processId());
    process.kill();
    process.waitForFinished(5000);
    return sample;
}

double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr,
                     "usage: launch_bench <OrvoCheck> <floor_window> <compDefault.json> [rounds]"
                     " [docs_window]\n");
        return 2;
    }
    const int rounds = args.size() > 4 ? args.at(4).toInt() : 10;
    struct Program {
        const char* label;
        QString path;
        std::vector<double> frame, cpu, peak;
    };
    std::vector<Program> programs{{"OrvoCheck", args.at(1), {}, {}, {}},
                                  {"floor", args.at(2), {}, {}, {}}};
    // The window documents alone, without the program's own libraries: splits
    // the distance to the floor into what the pages cost and what the rest
    // costs.
    if (args.size() > 5) programs.push_back({"documents", args.at(5), {}, {}, {}});

    QTemporaryDir dir;
    QDir(dir.path()).mkpath("run/comp");
    QFile::copy(args.at(3), dir.path() + "/run/comp/compDefault.json");
    const QString workDir = dir.path() + "/run";

    // Interleaved, after one warm-up run each, so all see the same caches.
    for (int round = -1; round < rounds; ++round) {
        for (Program& program : programs) {
            const Sample s = measure(program.path, workDir);
            if (round < 0) continue;
            if (s.firstFrameMs < 0 || s.peakKb < 0) {
                std::fprintf(stderr, "run %d of %s failed\n", round, qPrintable(program.path));
                return 1;
            }
            program.frame.push_back(s.firstFrameMs);
            program.cpu.push_back(s.cpuMs);
            program.peak.push_back(double(s.peakKb));
        }
    }
    auto minimum = [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
    };
    const Program& floor = programs.at(1);
    std::printf("rounds: %d; ratios against the floor (target <= 1.30)\n", rounds);
    std::printf("%-10s %22s %22s %18s %24s\n", "", "first frame median", "first frame best",
                "CPU to frame", "peak RSS median");
    for (const Program& p : programs) {
        std::printf(
            "%-10s %11.1f ms (%4.2fx) %11.1f ms (%4.2fx) %7.1f ms (%4.2fx) %9.0f KiB (%4.2fx)\n",
            p.label, median(p.frame), median(p.frame) / median(floor.frame), minimum(p.frame),
            minimum(p.frame) / minimum(floor.frame), median(p.cpu),
            median(p.cpu) / median(floor.cpu), median(p.peak), median(p.peak) / median(floor.peak));
    }
    return 0;
}
