// A local analytics server over real TLS on 127.0.0.1, with a certificate
// authority made for the test, and the client pointed at it.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>

#include "analytics_server.h"
#include "bi_deployment.h"
#include "test_certificates.h"
#include "test_support.h"
#include "transport.h"

namespace bitest {

// A host named by the server's own configuration ("url" member).
inline const char* const kEnvironmentHost = "eu.collector.test";

class ServerFixture : public testing::Test {
protected:
    void SetUp() override {
        certs = orvo_analytics::makeCertificates(
            dir.path(), {BI_ANALYTICS_HOST_DEFAULT, BI_ANALYTICS_HOST_STAGE, kEnvironmentHost});
        ASSERT_FALSE(certs.caFile.empty());
        orvo_analytics::ServerOptions options;
        options.certFile = certs.certFile;
        options.keyFile = certs.keyFile;
        options.databaseFile = dir.file("server-records.db");
        options.print = false;
        options.offerHttp2 = true;
        server = std::make_unique<orvo_analytics::AnalyticsServer>(options);
        ASSERT_TRUE(server->start());
        setenv(kBiConnectToVariable, ("127.0.0.1:" + std::to_string(server->port())).c_str(), 1);
        setenv(kBiCaFileVariable, certs.caFile.c_str(), 1);
    }
    void TearDown() override {
        server->stop();
        unsetenv(kBiConnectToVariable);
        unsetenv(kBiCaFileVariable);
    }

public:
    TempDir dir;
    orvo_analytics::CertificateFiles certs;
    std::unique_ptr<orvo_analytics::AnalyticsServer> server;
};

inline orvo_analytics::ScriptedAnswer statusAnswer(int status, std::string body = std::string()) {
    orvo_analytics::ScriptedAnswer a;
    a.status = status;
    a.body = std::move(body);
    return a;
}

inline orvo_analytics::ScriptedAnswer kindAnswer(orvo_analytics::ScriptedAnswer::Kind kind) {
    orvo_analytics::ScriptedAnswer a;
    a.kind = kind;
    return a;
}

}  // namespace bitest
