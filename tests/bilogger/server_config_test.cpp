// Fetching, applying and caching the server configuration, with a clock the
// test moves.
#include "bi_log_store.h"
#include "bi_server_config.h"
#include "server_fixture.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace {

constexpr std::int64_t kStart = 1800000000;

class ConfigTest : public bitest::ServerFixture {
protected:
    void SetUp() override {
        ServerFixture::SetUp();
        store = std::make_unique<BiLogStore>(dir.file("c.bilogclient"));
    }
    std::unique_ptr<BiServerConfig> newConfig() {
        auto config = std::make_unique<BiServerConfig>([this] { return now; });
        config->setAppId("com.daxo.orvocheck");
        return config;
    }
    std::int64_t now = kStart;
    std::unique_ptr<BiLogStore> store;
};

TEST_F(ConfigTest, FetchCacheCountdownAndTakeUpInANewRun) {
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(store->saveLog("default", "{\"i\":\"" + std::to_string(i) + "\"}\n"));
    const std::string text = "{\"expire_time\":3600,\"package_line\":7}";
    server->setConfigText(text);

    auto config = newConfig();
    ASSERT_TRUE(config->refresh(*store, "default"));
    ASSERT_EQ(server->requests().size(), 1u);
    EXPECT_EQ(server->requests()[0].path, "/init/3/");
    EXPECT_EQ(server->requests()[0].body, "default");
    EXPECT_EQ(server->requests()[0].host, BI_ANALYTICS_HOST_DEFAULT);
    EXPECT_EQ(store->serverConfigText(), text);
    EXPECT_EQ(store->validCountdown(), 3600);
    EXPECT_EQ(store->expireEpoch(), kStart + 3600);
    EXPECT_EQ(config->packageLine, 7);

    now = kStart + 600;  // ten minutes later, same run
    ASSERT_TRUE(config->refresh(*store, "default"));
    EXPECT_EQ(server->requests().size(), 1u);
    EXPECT_EQ(store->validCountdown(), 3000);

    now = kStart + 1200;  // a new run twenty minutes after the fetch
    server->setConfigText("{\"package_line\":9}");
    auto nextRun = newConfig();
    ASSERT_TRUE(nextRun->refresh(*store, "default"));
    EXPECT_EQ(server->requests().size(), 1u) << "the cached text is taken up";
    EXPECT_EQ(nextRun->nextRefreshEpoch, kStart + 3600) << "now + countdown is past the expiry";
    EXPECT_EQ(nextRun->packageLine, 7);

    // A countdown shorter than the time to expiry ends the cache earlier.
    store->setValidCountdown(1000);
    auto thirdRun = newConfig();
    ASSERT_TRUE(thirdRun->refresh(*store, "default"));
    EXPECT_EQ(thirdRun->nextRefreshEpoch, kStart + 2200);
    EXPECT_EQ(server->requests().size(), 1u);

    now = kStart + 3600;  // expired: fetched again
    ASSERT_TRUE(thirdRun->refresh(*store, "stage"));
    ASSERT_EQ(server->requests().size(), 2u);
    EXPECT_EQ(server->requests()[1].body, "stage");
    EXPECT_EQ(thirdRun->packageLine, 9);
    EXPECT_EQ(store->expireEpoch(), kStart + 3600 + 3600);
}

TEST_F(ConfigTest, TimesPast2038ExpireLikeAnyOther) {
    now = (std::int64_t{1} << 31) + 1000;
    ASSERT_TRUE(newConfig()->refresh(*store, "default"));
    EXPECT_EQ(store->expireEpoch(), now + 3600);
    now += 3601;  // a later run, after the expiry: fetched anew
    ASSERT_TRUE(newConfig()->refresh(*store, "default"));
    EXPECT_EQ(server->requestsTo("/init/").size(), 2u);
}

TEST_F(ConfigTest, AnAnswerThatIsNotJsonIsReportedAndAskedAgain) {
    server->script(bitest::statusAnswer(502, "<html>Bad gateway</html>"));
    auto config = newConfig();
    CaptureStderr();
    EXPECT_FALSE(config->refresh(*store, "default"));
    const std::string message = GetCapturedStderr();
    EXPECT_EQ(message.rfind("Failed to parse server config: ", 0), 0u) << message;
    EXPECT_EQ(store->serverConfigText(), "{}");
    EXPECT_EQ(config->nextRefreshEpoch, 0);

    EXPECT_TRUE(config->refresh(*store, "default"));
    EXPECT_EQ(server->requestsTo("/init/").size(), 2u);
}

TEST_F(ConfigTest, AnEmptyAnswerOrNoServerIsAFailure) {
    server->script(bitest::statusAnswer(200, ""));
    auto config = newConfig();
    EXPECT_FALSE(config->refresh(*store, "default"));
    setenv(kBiConnectToVariable, "127.0.0.1:1", 1);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(config->refresh(*store, "default"));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("has occurred."), std::string::npos);
    EXPECT_EQ(config->packageLine, 0);
}

TEST_F(ConfigTest, ACachedTextThatCannotBeParsedIsReplacedAtOnce) {
    store->setServerConfigText("{\"package_size\":");
    store->setExpireEpoch(static_cast<int>(kStart + 5000));
    store->setValidCountdown(5000);
    server->setConfigText("{\"package_size\":1999}");
    auto config = newConfig();
    CaptureStderr();
    EXPECT_TRUE(config->refresh(*store, "default"));
    EXPECT_NE(GetCapturedStderr().find("Failed to parse server config: "), std::string::npos);
    EXPECT_EQ(server->requestsTo("/init/").size(), 1u);
    EXPECT_EQ(config->packageSize, 1999);
    EXPECT_EQ(config->packageLine, 20);
}

TEST_F(ConfigTest, ACachedTextThatCannotBeParsedNeverLeavesLimitsUnapplied) {
    store->setServerConfigText("not json");
    store->setExpireEpoch(static_cast<int>(kStart + 5000));
    store->setValidCountdown(5000);
    server->script(bitest::statusAnswer(500, ""), 2);
    auto config = newConfig();
    CaptureStderr();
    EXPECT_FALSE(config->refresh(*store, "default"));
    now += 10;
    EXPECT_FALSE(config->refresh(*store, "default")) << "no pass with limits never applied";
    GetCapturedStderr();
    EXPECT_EQ(server->requestsTo("/init/").size(), 2u);
}

struct ApplyCase {
    const char* name;
    const char* text;
    bool compress;
    std::map<std::string, std::string> hosts;
    bool stage;
    int packageSize;
    int packageLine;
};

void PrintTo(const ApplyCase& c, std::ostream* os) { *os << c.name; }

class ApplyTest : public testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyTest, ReadsMembersAndKeepsDefaultsForTheRest) {
    const ApplyCase& c = GetParam();
    BiLogStore noStore{std::string()};
    BiServerConfig config([] { return kStart; });
    config.setAppId("com.daxo.orvocheck");
    ASSERT_TRUE(config.applyConfigText(noStore, c.text, false));
    EXPECT_EQ(config.compress, c.compress);
    EXPECT_EQ(config.environmentHosts, c.hosts);
    EXPECT_EQ(config.useStageHost, c.stage);
    EXPECT_EQ(config.packageSize, c.packageSize);
    EXPECT_EQ(config.packageLine, c.packageLine);
    EXPECT_EQ(config.nextRefreshEpoch, 0) << "a cached text does not move the refresh time";

    for (const char* env : {"default", "stage", "other"}) {
        SCOPED_TRACE(env);
        std::string expected = BI_ANALYTICS_HOST_DEFAULT;
        if (c.stage) {
            expected = BI_ANALYTICS_HOST_STAGE;
        } else if (c.hosts.count(env)) {
            expected = c.hosts.at(env);
        }
        EXPECT_EQ(config.hostFor(env), expected);
    }
}

const std::map<std::string, std::string> kNoHosts;

INSTANTIATE_TEST_SUITE_P(
    Texts, ApplyTest,
    testing::Values(
        ApplyCase{"EmptyObject", "{}", true, kNoHosts, false, 20480, 20},
        ApplyCase{"NotAnObject", "[1,2,3]", true, kNoHosts, false, 20480, 20},
        ApplyCase{"Number", "42", true, kNoHosts, false, 20480, 20},
        ApplyCase{"AllSet",
                  R"({"compress":false,"package_size":2000,"package_line":5,"version":3})", false,
                  kNoHosts, false, 2000, 5},
        ApplyCase{
            "WrongTypes",
            R"({"compress":"no","package_size":"big","package_line":[1],)"
            R"("version":"0","expire_time":{},"url":["x"],"dev_app_id":"com.daxo.orvocheck"})",
            true, kNoHosts, false, 20480, 20},
        ApplyCase{"Fractions", R"({"package_size":100.5,"package_line":3.0})", true, kNoHosts,
                  false, 20480, 3},
        ApplyCase{"OutOfRange", R"({"package_size":99999999999,"package_line":-99999999999})", true,
                  kNoHosts, false, 20480, 20},
        ApplyCase{"NullMembers", R"({"compress":null,"package_size":null,"package_line":null})",
                  false, kNoHosts, false, 20480, 20},
        ApplyCase{"LimitsBeyondTheirBounds", R"({"package_size":1023,"package_line":501})", true,
                  kNoHosts, false, 20480, 20},
        ApplyCase{"LimitsAtTheirBounds", R"({"package_size":1048576,"package_line":1})", true,
                  kNoHosts, false, 1048576, 1},
        ApplyCase{"PackageLineBelowOne", R"({"package_line":0})", true, kNoHosts, false, 20480, 20},
        ApplyCase{"NegativePackageLine", R"({"package_line":-4})", true, kNoHosts, false, 20480,
                  20},
        ApplyCase{"StageUrl",
                  R"({"url":{"stage":"https://eu.collector.test/log"}})",
                  true,
                  {{"stage", "eu.collector.test"}},
                  false,
                  20480,
                  20},
        ApplyCase{
            "UrlsWithoutHost",
            R"({"url":{"a":"https://","b":"","c":null,"d":7,"e":"http:///x","f":"host.only/p"}})",
            true,
            {{"e", "x"}, {"f", "host.only"}},
            false,
            20480,
            20},
        ApplyCase{"DevAppIdIsOurs",
                  R"({"dev_app_id":["com.other",5,"com.daxo.orvocheck"],)"
                  R"("url":{"stage":"https://eu.collector.test/"}})",
                  true,
                  {{"stage", "eu.collector.test"}},
                  true,
                  20480,
                  20},
        ApplyCase{"DevAppIdIsNotOurs",
                  R"({"dev_app_id":["com.daxo.orvocheck2","COM.DAXO.ORVOCHECK"]})", true, kNoHosts,
                  false, 20480, 20},
        ApplyCase{"VersionZero", R"({"version":0})", true, kNoHosts, true, 20480, 20},
        ApplyCase{"TrailingComment", "{\"package_line\":4} // note", true, kNoHosts, false, 20480,
                  4}),
    [](const testing::TestParamInfo<ApplyCase>& info) { return info.param.name; });

TEST(ConfigStateTest, StageHostIsNeverTakenBack) {
    BiLogStore noStore{std::string()};
    BiServerConfig config([] { return kStart; });
    ASSERT_TRUE(config.applyConfigText(noStore, R"({"version":0})", false));
    ASSERT_TRUE(config.applyConfigText(noStore, R"({"version":2})", false));
    EXPECT_TRUE(config.useStageHost);
    EXPECT_EQ(config.hostFor("default"), BI_ANALYTICS_HOST_STAGE);
}

TEST(ConfigStateTest, AFailedParseChangesNothing) {
    BiLogStore noStore{std::string()};
    BiServerConfig config([] { return kStart; });
    ASSERT_TRUE(config.applyConfigText(noStore, R"({"compress":false,"url":{"x":"h/p"}})", false));
    CaptureStderr();
    EXPECT_FALSE(config.applyConfigText(noStore, "{\"compress\":true", false));
    // Nested deeper than the reader's stack limit, where it throws.
    EXPECT_FALSE(config.applyConfigText(noStore, "{\"url\":" + std::string(60000, '['), false));
    const std::string err = GetCapturedStderr();
    EXPECT_EQ(err.rfind("Failed to parse server config: ", 0), 0u);
    EXPECT_NE(err.find("\nFailed to parse server config: "), std::string::npos) << err;
    EXPECT_FALSE(config.compress);
    EXPECT_EQ(config.hostFor("x"), "h");
}

TEST(ExtractHostTest, TakesTheTextBetweenSchemeAndPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"https://eu.collector.test/log/f/", "eu.collector.test"},
        {"http://a.b", "a.b"},
        {"host.example/path", "host.example"},
        {"host.example", "host.example"},
        {"https:///x", "x"},
        {"https://", ""},
        {"", ""},
        {"https://h:8443/p", "h:8443"},
        {"//h/p", "h"},
    };
    for (const auto& [url, host] : cases) {
        EXPECT_EQ(BiServerConfig::extractHost(url), host) << url;
    }
}

}  // namespace
