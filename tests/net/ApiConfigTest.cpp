// Server addresses taken from the environment, so the program can be pointed at another server.
#include "VQApiConfig.h"

#include <QStringList>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

using Endpoint = VQApiConfig::Endpoint;

const char* const kVariables[] = {"CORVANE_API_URL", "CORVANE_ACCOUNT_API_URL", "CORVANE_SPEECH_URL",
                                  "CORVANE_PROBE_URL", "CORVANE_CHAT_URL"};

class ApiConfigTest : public ::testing::Test {
protected:
    void SetUp() override { clear(); }
    void TearDown() override { clear(); }

    static void clear()
    {
        for (const char* name : kVariables)
            qunsetenv(name);
        VQApiConfig::resetForTests();
    }
};

TEST_F(ApiConfigTest, EnvironmentPointsEachServerElsewhereAndBadValuesAreIgnored)
{
    struct Case {
        const char* variable;
        const char* value;
        Endpoint endpoint;
        const char* expected; // nullptr: the built-in address stays
    };
    const Case cases[] = {
        {"CORVANE_API_URL", "http://127.0.0.1:8080/vq", Endpoint::Api, "http://127.0.0.1:8080/vq"},
        {"CORVANE_API_URL", "  https://staging.example.com/vq/ ", Endpoint::Api, "https://staging.example.com/vq/"},
        {"CORVANE_ACCOUNT_API_URL", "https://account.staging.example.com/member/", Endpoint::AccountApi,
         "https://account.staging.example.com/member/"},
        {"CORVANE_SPEECH_URL", "ws://127.0.0.1:9001", Endpoint::SpeechHost, "ws://127.0.0.1:9001"},
        {"CORVANE_SPEECH_URL", "wss://speech.example.com/", Endpoint::SpeechHost, "wss://speech.example.com"},
        {"CORVANE_PROBE_URL", "http://localhost/probe", Endpoint::ProbePage, "http://localhost/probe"},
        {"CORVANE_CHAT_URL", "http://localhost:3000/chat/", Endpoint::ChatPage, "http://localhost:3000/chat/"},
        // Not an address of the right kind: the built-in one stays.
        {"CORVANE_API_URL", "ftp://files.example.com/vq", Endpoint::Api, nullptr},
        {"CORVANE_API_URL", "api.example.com/vq", Endpoint::Api, nullptr},
        {"CORVANE_API_URL", "http://", Endpoint::Api, nullptr},
        {"CORVANE_API_URL", "http://exa mple.com/", Endpoint::Api, nullptr},
        {"CORVANE_API_URL", "", Endpoint::Api, nullptr},
        {"CORVANE_ACCOUNT_API_URL", "ws://account.example.com/", Endpoint::AccountApi, nullptr},
        {"CORVANE_SPEECH_URL", "https://speech.example.com", Endpoint::SpeechHost, nullptr},
        {"CORVANE_SPEECH_URL", "ws://speech.example.com/ws", Endpoint::SpeechHost, nullptr},
        {"CORVANE_CHAT_URL", "javascript:alert(1)", Endpoint::ChatPage, nullptr},
        {"CORVANE_PROBE_URL", "https://probe.example.com/?q=1#top", Endpoint::ProbePage, nullptr},
    };

    QStringList builtIn;
    for (Endpoint endpoint : {Endpoint::Api, Endpoint::AccountApi, Endpoint::SpeechHost, Endpoint::ProbePage,
                              Endpoint::ChatPage})
        builtIn.append(VQApiConfig::baseUrl(endpoint));

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.variable) + "=" + c.value);
        clear();
        qputenv(c.variable, c.value);
        VQApiConfig::resetForTests(); // what a launch with this environment reads
        const QString expected = c.expected ? QString::fromLatin1(c.expected) : builtIn.at(int(c.endpoint));
        EXPECT_EQ(VQApiConfig::baseUrl(c.endpoint), expected);
        // The other servers keep their built-in addresses.
        for (int other = 0; other < builtIn.size(); ++other) {
            if (other != int(c.endpoint)) {
                EXPECT_EQ(VQApiConfig::baseUrl(Endpoint(other)), builtIn.at(other));
            }
        }
    }

    // A test's own address still wins over the environment.
    clear();
    qputenv("CORVANE_API_URL", "http://127.0.0.1:8080/vq");
    VQApiConfig::resetForTests();
    VQApiConfig::setBaseUrl(Endpoint::Api, QStringLiteral("http://127.0.0.1:1/stand-in"));
    EXPECT_EQ(VQApiConfig::urlFor(Endpoint::Api, QStringLiteral("/ocr")), QStringLiteral("http://127.0.0.1:1/stand-in/ocr"));
}

} // namespace
