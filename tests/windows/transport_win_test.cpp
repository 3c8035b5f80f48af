// The WinHTTP transport against the local analytics server, which the test
// script runs natively on 127.0.0.1 with a certificate authority of its own.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "bi_deployment.h"
#include "transport.h"
#include "win_test_support.h"

namespace {

class WinHttpTransport : public testing::Test {
protected:
    void SetUp() override {
        servers = wintest::requireLocalServers();
        if (HasFailure()) GTEST_SKIP();
        setTransportTimeouts(BiTransportTimeouts{5000, 15000});
    }
    void TearDown() override { wintest::setEnvironment(kBiConnectToVariable, ""); }

    void connectTo(const std::string& endpoint) {
        wintest::setEnvironment(kBiConnectToVariable, endpoint);
    }

    wintest::LocalServers servers;
};

const std::string kRecordLine = "{\"app_id\":\"orvo-win-transport\",\"category\":\"probe\"}\n";

TEST_F(WinHttpTransport, AcceptedUploadIsSuccess) {
    connectTo(servers.accepting);
    testing::internal::CaptureStdout();
    const bool accepted = postForSuccess(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", kRecordLine.data(),
                                         kRecordLine.size());
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(accepted);
    EXPECT_EQ(out, "");
}

TEST_F(WinHttpTransport, StatusOtherThan200IsNoSuccess) {
    connectTo(servers.refusing);
    EXPECT_EQ(httpsPost(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", kRecordLine.data(),
                        kRecordLine.size(), nullptr),
              500u);
    EXPECT_FALSE(postForSuccess(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", kRecordLine.data(),
                                kRecordLine.size()));
}

TEST_F(WinHttpTransport, LongResponseBodyIsReadWholeFromItsPieces) {
    // The configuration the server answers is far larger than one read.
    ASSERT_GT(servers.configText.size(), 32u * 1024u);
    connectTo(servers.accepting);
    const std::string environment = "default";
    const std::string body = postForResponse(BI_ANALYTICS_HOST_DEFAULT, "/init/0/",
                                             environment.data(), environment.size());
    EXPECT_EQ(body.size(), servers.configText.size());
    EXPECT_TRUE(body == servers.configText);
}

TEST_F(WinHttpTransport, BodyWithZeroBytesIsSentWhole) {
    connectTo(servers.accepting);
    // Not a valid batch (the zero byte), so the server refuses it; what matters
    // is that the exchange completed with the full length announced.
    const std::string withZero = std::string("{\"a\":\"1\"}\n") + '\0' + "tail\n";
    const std::uint32_t status =
        httpsPost(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", withZero.data(), withZero.size(), nullptr);
    EXPECT_NE(status, 0u);
}

TEST_F(WinHttpTransport, UnreachableHostGivesOneErrorLine) {
    connectTo("127.0.0.1:1");
    const std::regex errorLine(R"(^Error \d+ has occurred\.\r?\n$)");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(postForSuccess(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", kRecordLine.data(),
                                kRecordLine.size()));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(std::regex_match(out, errorLine)) << out;

    testing::internal::CaptureStdout();
    EXPECT_EQ(postForResponse(BI_ANALYTICS_HOST_DEFAULT, "/init/0/", "default", 7), "");
    out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(std::regex_match(out, errorLine)) << out;
}

TEST_F(WinHttpTransport, UnknownAuthorityIsRefused) {
    // Verification stays on: this server's authority is in no store.
    const std::string untrusted = wintest::environment("ORVO_WIN_TEST_UNTRUSTED_SERVER");
    ASSERT_FALSE(untrusted.empty());
    connectTo(untrusted);
    testing::internal::CaptureStdout();
    EXPECT_EQ(httpsPost(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", kRecordLine.data(),
                        kRecordLine.size(), nullptr),
              0u);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find(" has occurred."), std::string::npos) << out;
}

TEST_F(WinHttpTransport, PathThatIsNotUtf8IsReportedNotThrown) {
    connectTo(servers.accepting);
    testing::internal::CaptureStdout();
    EXPECT_EQ(httpsPost(BI_ANALYTICS_HOST_DEFAULT, "/log/\xff/", "x", 1, nullptr), 0u);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("Error 1113 has occurred."), 0u) << out;
}

// Each case its own server, which the test script started.
std::string serverOf(const char* variable) {
    const std::string endpoint = wintest::environment(variable);
    EXPECT_FALSE(endpoint.empty()) << variable << " is not set: run scripts/windows-tests.sh";
    return endpoint;
}

TEST_F(WinHttpTransport, AnAnswerLongerThanTheLimitIsAFailedRequest) {
    connectTo(serverOf("ORVO_WIN_TEST_OVERSIZED_SERVER"));
    std::string response;
    testing::internal::CaptureStdout();
    EXPECT_EQ(httpsPost(BI_ANALYTICS_HOST_DEFAULT, "/init/0/", "default", 7, &response), 0u);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(response.empty());
    EXPECT_EQ(out.find("Error 122 has occurred."), 0u) << out;
}

TEST_F(WinHttpTransport, ARedirectIsTheAnswerSoNothingIsDeleted) {
    // The server redirects to one that would answer; an upload pass deletes
    // records only when postForSuccess is true.
    connectTo(serverOf("ORVO_WIN_TEST_REDIRECTING_SERVER"));
    EXPECT_EQ(httpsPost(BI_ANALYTICS_HOST_DEFAULT, "/init/0/", "default", 7, nullptr), 302u);
    EXPECT_FALSE(postForSuccess(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", kRecordLine.data(),
                                kRecordLine.size()));
}

// Handshakes the server refused: it logs every TLS alert it sends or gets.
int refusedHandshakes(const std::string& serverLog) {
    std::ifstream in(serverLog);
    int alerts = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("TLS alert ", 0) == 0) ++alerts;
    }
    return alerts;
}

TEST_F(WinHttpTransport, OnlyCurrentTlsIsAskedFor) {
    // Windows 7 and 8.1 speak TLS 1.0 unless asked for 1.2: a server stuck on
    // 1.1 is refused. The server must have seen the handshake and ended it
    // with an alert (under Wine's TLS it is "decode error"), so the request
    // did not fail on something before the handshake.
    const std::string serverLog = serverOf("ORVO_WIN_TEST_OUTDATED_LOG");
    const int before = refusedHandshakes(serverLog);
    connectTo(serverOf("ORVO_WIN_TEST_OUTDATED_SERVER"));
    testing::internal::CaptureStdout();
    EXPECT_EQ(httpsPost(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", "x", 1, nullptr), 0u);
    testing::internal::GetCapturedStdout();
    // The server writes its line as the alert goes out: give it a moment.
    int after = refusedHandshakes(serverLog);
    for (int i = 0; i < 50 && after == before; ++i) {
        Sleep(100);
        after = refusedHandshakes(serverLog);
    }
    EXPECT_GT(after, before) << "no refused handshake in " << serverLog;
}

TEST_F(WinHttpTransport, AServerThatNeverAnswersEndsTheRequestAtTheDeadline) {
    connectTo(serverOf("ORVO_WIN_TEST_SILENT_SERVER"));
    setTransportTimeouts(BiTransportTimeouts{1000, 2000});
    testing::internal::CaptureStdout();
    EXPECT_FALSE(postForSuccess(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", kRecordLine.data(),
                                kRecordLine.size()));
    const std::string out = testing::internal::GetCapturedStdout();
    // A time-out: Windows says ERROR_WINHTTP_TIMEOUT, Wine the socket's WSAETIMEDOUT.
    EXPECT_TRUE(std::regex_match(out, std::regex(R"(^Error (12002|10060) has occurred\.\r?\n$)")))
        << out;
}

TEST_F(WinHttpTransport, TheDeadlineIsForTheWholeRequestNotForEachRead) {
    // Every byte comes within the deadline of the one before; the answer as a
    // whole does not.
    connectTo(serverOf("ORVO_WIN_TEST_TRICKLING_SERVER"));
    setTransportTimeouts(BiTransportTimeouts{1000, 2000});
    std::string response;
    testing::internal::CaptureStdout();
    httpsPost(BI_ANALYTICS_HOST_DEFAULT, "/init/0/", "default", 7, &response);
    testing::internal::GetCapturedStdout();
    EXPECT_LT(response.size(), 6u) << response;
}

}  // namespace
