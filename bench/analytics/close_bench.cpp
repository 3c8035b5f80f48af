// Time from the close click (consent kept, after a check with two adapters)
// to the end of the process, for three states of the analytics server:
// answering, down (nothing listens), and accepting without ever answering.
#include <QCoreApplication>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "analytics_server.h"
#include "fixture_tree.h"
#include "http_test_server.h"
#include "program_run.h"
#include "test_certificates.h"
#include "two_adapter_machine.h"

namespace {

enum class ServerState { Answering, Down, Hanging };

struct Mode {
    const char* name;
    ServerState state;
    int rounds;
    double targetSeconds;
};

struct Context {
    FixtureTree tree;
    QTemporaryDir certDir;
    orvo_analytics::CertificateFiles certs;
};

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

// One run; the close-to-exit time in ms, or -1 when the run went wrong.
qint64 measureOnce(Context& context, ServerState state) {
    std::unique_ptr<orvo_analytics::AnalyticsServer> server;
    quint16 port = HttpTestServer::closedPort();
    if (state != ServerState::Down) {
        orvo_analytics::ServerOptions options;
        options.certFile = context.certs.certFile;
        options.keyFile = context.certs.keyFile;
        options.print = false;
        server = std::make_unique<orvo_analytics::AnalyticsServer>(options);
        if (state == ServerState::Hanging) {
            orvo_analytics::ScriptedAnswer hang;
            hang.kind = orvo_analytics::ScriptedAnswer::Kind::Hang;
            server->script(hang, 1000);
        }
        if (!server->start()) return -1;
        port = quint16(server->port());
    }
    StagedFolder folder(QStringLiteral(ORVO_SHIPPED_COMPARISON));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ORVOCHECK_SYSFS_ROOT", context.tree.sysfsRoot());
    env.insert("ORVOCHECK_PROCFS_ROOT", context.tree.procfsRoot());
    env.insert("ORVOCHECK_CONTENT_URL", "");
    env.insert("ORVOCHECK_ANALYTICS_CONNECT_TO", "127.0.0.1:" + QString::number(port));
    env.insert("ORVOCHECK_ANALYTICS_CA_FILE", QString::fromStdString(context.certs.caFile));
    ProgramRun run(QStringLiteral(ORVO_PROGRAM), folder, env);
    if (!run.start() || !run.click(ProgramRun::kStartX, ProgramRun::kStartY) ||
        !run.waitForLogLine("Load result page")) {
        return -1;
    }
    QTest::qWait(300);
    if (!run.click(ProgramRun::kCloseX, ProgramRun::kCloseY) || !run.waitForExit(120000) ||
        run.exitCode() != 0) {
        return -1;
    }
    const int left = storedRows(folder.databaseFile()).size();
    const bool expectEmpty = state == ServerState::Answering;
    if ((left == 0) != expectEmpty) {
        out() << "  unexpected: " << left << " records left in the database\n";
    }
    if (server) server->stop();
    return run.msFromLastClickToExit();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        out() << "close_bench needs an X display (run it through run_close_bench.sh)\n";
        return 2;
    }
    Context context;
    buildTwoAdapterMachine(context.tree, "5d4c3b2a-1f0e-4d9c-8b7a-695847362514", "6.1.0-bench");
    std::vector<std::string> hosts;
    for (const QString& h : QString(ORVO_ANALYTICS_HOSTS).split(',')) {
        hosts.push_back(h.toStdString());
    }
    context.certs = orvo_analytics::makeCertificates(context.certDir.path().toStdString(), hosts);
    if (context.certs.caFile.empty()) return 1;

    const Mode modes[] = {
        {"server answering", ServerState::Answering, rounds, 3.0},
        {"server down", ServerState::Down, rounds, 6.5},
        {"server never answering", ServerState::Hanging, std::max(1, rounds / 2), 45.0},
    };
    out() << "Close click to process end (" << rounds << " rounds; fewer when never answering)\n";
    bool allMet = true;
    for (const Mode& mode : modes) {
        std::vector<qint64> times;
        for (int r = 0; r < mode.rounds; ++r) {
            const qint64 ms = measureOnce(context, mode.state);
            if (ms < 0) {
                out() << "  " << mode.name << ": run " << r + 1 << " failed\n";
                return 1;
            }
            times.push_back(ms);
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2] / 1000.0;
        const bool met = median <= mode.targetSeconds;
        allMet = allMet && met;
        out() << QString("  %1: median %2 s (min %3 s, max %4 s), target <= %5 s %6\n")
                     .arg(mode.name, -24)
                     .arg(median, 0, 'f', 2)
                     .arg(times.front() / 1000.0, 0, 'f', 2)
                     .arg(times.back() / 1000.0, 0, 'f', 2)
                     .arg(mode.targetSeconds, 0, 'f', 1)
                     .arg(met ? "met" : "MISSED");
        out().flush();
    }
    return allMet ? 0 : 1;
}
