// The HTTPS exchange against the local server over real TLS.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <regex>

#include "bi_gzip.h"
#include "server_fixture.h"

using orvo_analytics::ScriptedAnswer;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

class TransportTest : public bitest::ServerFixture {};

const std::regex kOneErrorLine("Error [0-9]+ has occurred\\.\n");

// A port on 127.0.0.1 where nothing listens.
int closedPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return ntohs(addr.sin_port);
}

TEST_F(TransportTest, OnlyStatus200IsSuccess) {
    const struct {
        int status;
        bool success;
    } cases[] = {{200, true},  {201, false}, {204, false}, {400, false},
                 {404, false}, {500, false}, {503, false}};
    const std::string body = "{\"a\":\"1\"}\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        server->script(bitest::statusAnswer(c.status));
        EXPECT_EQ(
            httpsPost(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", body.data(), body.size(), nullptr),
            static_cast<std::uint32_t>(c.status));
        server->script(bitest::statusAnswer(c.status));
        EXPECT_EQ(postForSuccess(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", body.data(), body.size()),
                  c.success);
    }
    ASSERT_EQ(server->requests().size(), 14u);
    for (const auto& r : server->requests()) {
        EXPECT_EQ(r.host, BI_ANALYTICS_HOST_DEFAULT) << "name kept, default port not written";
        EXPECT_EQ(r.path, "/log/f/");
        EXPECT_EQ(r.userAgent, "ZEVURerevu Library Win32");
        EXPECT_FALSE(r.hasContentType);
        EXPECT_FALSE(r.hasContentEncoding);
        EXPECT_EQ(r.contentLength, std::to_string(body.size()));
        EXPECT_EQ(r.body, body);
    }
}

TEST_F(TransportTest, ResponseTextIsReturnedWhateverTheStatus) {
    server->script(bitest::statusAnswer(503, "busy today"));
    EXPECT_EQ(postForResponse(BI_ANALYTICS_HOST_DEFAULT, "/init/0/", "stage", 5), "busy today");
    server->setConfigText("{\"compress\":false}");
    EXPECT_EQ(postForResponse(BI_ANALYTICS_HOST_DEFAULT, "/init/0/", "stage", 5),
              "{\"compress\":false}");
    ASSERT_EQ(server->requests().size(), 2u);
    EXPECT_EQ(server->requests()[1].body, "stage");
}

TEST_F(TransportTest, PiecesAreJoinedAndEachStopsAtAZeroByte) {
    ScriptedAnswer pieces;
    pieces.kind = ScriptedAnswer::Kind::Pieces;
    pieces.pieces = {"hello ", std::string("wor\0ld", 6), "!"};
    server->script(pieces);
    EXPECT_EQ(postForResponse(BI_ANALYTICS_HOST_DEFAULT, "/init/1/", "default", 7), "hello wor!");

    server->script(bitest::statusAnswer(200, std::string("abc\0def", 7)));
    EXPECT_EQ(postForResponse(BI_ANALYTICS_HOST_DEFAULT, "/init/1/", "default", 7), "abc");
}

TEST_F(TransportTest, AnAnswerLongerThanTheLimitIsAFailedRequest) {
    for (const size_t length : {kBiMaxResponseBytes, kBiMaxResponseBytes + 1}) {
        const bool fits = length <= kBiMaxResponseBytes;
        server->script(bitest::statusAnswer(200, std::string(length, 'x')));
        CaptureStdout();
        EXPECT_EQ(postForResponse(BI_ANALYTICS_HOST_DEFAULT, "/init/0/", "default", 7).size(),
                  fits ? length : 0u);
        const std::string out = GetCapturedStdout();
        EXPECT_TRUE(fits ? out.empty() : std::regex_match(out, kOneErrorLine)) << out;
    }
}

TEST_F(TransportTest, BinaryBodyIsSentWhole) {
    std::string gz;
    ASSERT_TRUE(gzipBatch("{\"x\":\"y\"}\n", 20480, gz));
    ASSERT_NE(gz.find('\0'), std::string::npos);
    EXPECT_TRUE(postForSuccess(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", gz.data(), gz.size()));
    ASSERT_EQ(server->requests().size(), 1u);
    EXPECT_EQ(server->requests()[0].body, gz);
    EXPECT_EQ(server->requests()[0].contentLength, std::to_string(gz.size()));
    EXPECT_EQ(server->records(), std::vector<std::string>{"{\"x\":\"y\"}"});
}

TEST_F(TransportTest, EmptyBodyIsAnEmptyPost) {
    EXPECT_EQ(postForResponse(BI_ANALYTICS_HOST_DEFAULT, "/init/0/", nullptr, 0), "{}");
    ASSERT_EQ(server->requests().size(), 1u);
    EXPECT_EQ(server->requests()[0].contentLength, "0");
}

struct FailureCase {
    const char* name;
    std::function<void(bitest::ServerFixture&)> arrange;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class TransportFailureTest : public bitest::ServerFixture,
                             public testing::WithParamInterface<FailureCase> {};

TEST_P(TransportFailureTest, GivesStatusZeroAndOneErrorLine) {
    setTransportTimeouts({1000, 1500});
    GetParam().arrange(*this);
    CaptureStdout();
    EXPECT_FALSE(postForSuccess(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", "{}\n", 3));
    const std::string first = GetCapturedStdout();
    EXPECT_TRUE(std::regex_match(first, kOneErrorLine)) << first;

    GetParam().arrange(*this);
    CaptureStdout();
    EXPECT_EQ(postForResponse(BI_ANALYTICS_HOST_DEFAULT, "/init/0/", "default", 7), "");
    const std::string second = GetCapturedStdout();
    EXPECT_TRUE(std::regex_match(second, kOneErrorLine)) << second;
    EXPECT_TRUE(server->records().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Failures, TransportFailureTest,
    testing::Values(
        FailureCase{"Unreachable",
                    [](bitest::ServerFixture&) {
                        setenv(kBiConnectToVariable,
                               ("127.0.0.1:" + std::to_string(closedPort())).c_str(), 1);
                    }},
        FailureCase{"UnknownCertificateAuthority",
                    [](bitest::ServerFixture&) { unsetenv(kBiCaFileVariable); }},
        FailureCase{"ClosedWithoutAnswer",
                    [](bitest::ServerFixture& f) {
                        f.server->script(bitest::kindAnswer(ScriptedAnswer::Kind::Close));
                    }},
        FailureCase{"NeverAnswers",
                    [](bitest::ServerFixture& f) {
                        f.server->script(bitest::kindAnswer(ScriptedAnswer::Kind::Hang));
                    }}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(TransportTest, ProxySettingsOfTheEnvironmentAreIgnored) {
    const int dead = closedPort();
    for (const char* name : {"https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) {
        setenv(name, ("http://127.0.0.1:" + std::to_string(dead)).c_str(), 1);
    }
    EXPECT_TRUE(postForSuccess(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", "{}\n", 3));
    for (const char* name : {"https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) {
        unsetenv(name);
    }
}

TEST_F(TransportTest, EveryRequestUsesANewConnection) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(postForSuccess(BI_ANALYTICS_HOST_STAGE, "/log/f/", "{}\n", 3));
    }
    EXPECT_EQ(server->connectionCount(), 3);
    EXPECT_EQ(server->requests().back().host, BI_ANALYTICS_HOST_STAGE);
}

TEST_F(TransportTest, EveryRequestIsHttp11ThoughTheServerOffersHttp2) {
    EXPECT_NE(postForResponse(BI_ANALYTICS_HOST_DEFAULT, "/init/0/", "default", 7), "");
    EXPECT_TRUE(postForSuccess(BI_ANALYTICS_HOST_DEFAULT, "/log/f/", "{}\n", 3));
    EXPECT_EQ(server->negotiatedProtocols(), (std::vector<std::string>{"http/1.1", "http/1.1"}));
}

}  // namespace
