// orvo-analytics-server: the local analytics server for watching a real
// upload. It makes its own certificate authority unless given certificates,
// and prints how to point the program at it.
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <thread>

#include "analytics_server.h"
#include "test_certificates.h"

namespace {

volatile sig_atomic_t g_stop = 0;
void onSignal(int) { g_stop = 1; }

void usage() {
    std::cout << "usage: orvo-analytics-server [options]\n"
                 "  --port N          port on 127.0.0.1 (default 8443; 0 picks one)\n"
                 "  --dir DIR         certificates and records.db go here (default .)\n"
                 "  --hosts A,B,...   names the certificate is valid for\n"
                 "                    (default: the production and staging analytics hosts)\n"
                 "  --config TEXT     configuration text answered to /init/<n>/ (default {})\n"
                 "  --status N        answer status N ...\n"
                 "  --times N         ... to the next N requests (default 1)\n"
                 "  --location URL    ... with this Location header (a redirect)\n"
                 "  --hang            never answer the next request\n"
                 "  --trickle         answer the next request with 6 bytes, one every 1.5 s\n"
                 "  --close           close the connection of the next request\n"
                 "  --quiet           do not print requests and records\n"
                 "  --rsa             RSA keys instead of EC P-256 (for clients under Wine)\n"
                 "  --outdated-tls    speak TLS 1.0 and 1.1 only\n";
}

}  // namespace

int main(int argc, char** argv) {
    int port = 8443;
    std::string dir = ".";
    std::string hosts = ANALYTICS_HOSTS;
    std::string config = "{}";
    std::string location;
    int status = 0, times = 1;
    bool hang = false, trickle = false, closeNext = false, quiet = false, rsa = false;
    bool outdatedTls = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--port" && hasValue) {
            port = std::atoi(argv[++i]);
        } else if (arg == "--dir" && hasValue) {
            dir = argv[++i];
        } else if (arg == "--hosts" && hasValue) {
            hosts = argv[++i];
        } else if (arg == "--config" && hasValue) {
            config = argv[++i];
        } else if (arg == "--status" && hasValue) {
            status = std::atoi(argv[++i]);
        } else if (arg == "--location" && hasValue) {
            location = argv[++i];
        } else if (arg == "--times" && hasValue) {
            times = std::atoi(argv[++i]);
        } else if (arg == "--hang") {
            hang = true;
        } else if (arg == "--trickle") {
            trickle = true;
        } else if (arg == "--close") {
            closeNext = true;
        } else if (arg == "--quiet") {
            quiet = true;
        } else if (arg == "--rsa") {
            rsa = true;
        } else if (arg == "--outdated-tls") {
            outdatedTls = true;
        } else {
            usage();
            return arg == "--help" ? 0 : 2;
        }
    }
    mkdir(dir.c_str(), 0755);
    std::vector<std::string> names;
    for (size_t start = 0; start <= hosts.size();) {
        const size_t comma = hosts.find(',', start);
        const std::string name = hosts.substr(start, comma - start);
        if (!name.empty()) names.push_back(name);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    const orvo_analytics::CertificateFiles certs = orvo_analytics::makeCertificates(
        dir, names,
        rsa ? orvo_analytics::CertificateKeys::Rsa : orvo_analytics::CertificateKeys::Ec);
    if (certs.caFile.empty()) {
        std::cerr << "cannot write certificates into " << dir << std::endl;
        return 1;
    }

    orvo_analytics::ServerOptions options;
    options.certFile = certs.certFile;
    options.keyFile = certs.keyFile;
    options.databaseFile = dir + "/records.db";
    options.port = port;
    options.print = !quiet;
    options.outdatedTlsOnly = outdatedTls;
    orvo_analytics::AnalyticsServer server(options);
    server.setConfigText(config);
    if (status != 0) {
        orvo_analytics::ScriptedAnswer a;
        a.status = status;
        a.location = location;
        server.script(a, times);
    }
    if (hang || closeNext) {
        orvo_analytics::ScriptedAnswer a;
        a.kind = hang ? orvo_analytics::ScriptedAnswer::Kind::Hang
                      : orvo_analytics::ScriptedAnswer::Kind::Close;
        server.script(a, times);
    }
    if (trickle) {
        orvo_analytics::ScriptedAnswer a;
        a.kind = orvo_analytics::ScriptedAnswer::Kind::Pieces;
        a.pieces.assign(6, "x");
        a.pause = std::chrono::milliseconds(1500);
        server.script(a, times);
    }
    if (!server.start()) {
        std::cerr << "cannot listen on 127.0.0.1:" << port << std::endl;
        return 1;
    }
    std::cout << "Analytics server on 127.0.0.1:" << server.port() << "; records in "
              << options.databaseFile << ". Run the program with:\n"
              << "  export ORVOCHECK_ANALYTICS_CONNECT_TO=127.0.0.1:" << server.port() << "\n"
              << "  export ORVOCHECK_ANALYTICS_CA_FILE=" << certs.caFile << std::endl;

    signal(SIGINT, onSignal);
    signal(SIGTERM, onSignal);
    while (!g_stop) std::this_thread::sleep_for(std::chrono::milliseconds(200));
    server.stop();
    std::cout << "connections: " << server.connectionCount()
              << ", records: " << server.records().size() << std::endl;
    return 0;
}
