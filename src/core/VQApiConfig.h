#pragma once

#include <QString>

// The addresses of the maker's services, in one place. Each has a built-in value, which an
// environment variable can replace to point the program at a staging or local server:
//
//     CORVANE_API_URL          the maker's API           http(s) URL, e.g. http://127.0.0.1:8080/vq
//     CORVANE_ACCOUNT_API_URL  the account API           http(s) URL
//     CORVANE_SPEECH_URL       the speech websocket host ws(s) URL without path, e.g. ws://127.0.0.1:9001
//                              (only its host and port are used)
//     CORVANE_PROBE_URL        the reachability probe    http(s) URL
//     CORVANE_CHAT_URL         the AI chat page          http(s) URL
//
// The environment is read once, at first use. A value that is not such a URL (another scheme,
// no host, a query or fragment, a path for the speech host) is ignored with a logged warning.
// Tests point the addresses at local stand-in servers with setBaseUrl() (which wins over the
// environment) and undo that with resetForTests().
//
// Safe to call from any thread.
class VQApiConfig {
public:
    enum class Endpoint {
        Api,        // the maker's API: device commands, model information, translation, OCR, chat
        AccountApi, // the account API: login, registration, codes, password reset, member info
        SpeechHost, // host (and port) of the speech recognition websocket, without scheme
        ProbePage,  // the public web page fetched to tell whether the internet is reachable
        ChatPage,   // the maker's AI chat page
    };

    static constexpr char kApiBaseUrl[] = "https://api.corvane.com/vq";
    static constexpr char kAccountApiBaseUrl[] = "https://account.corvane.com/member/";
    static constexpr char kSpeechHost[] = "api.corvane.com";
    static constexpr char kProbePageUrl[] = "https://www.baidu.com/";
    static constexpr char kChatPageUrl[] = "http://chat.corvane.com/";

    // The environment variable of each endpoint, in Endpoint order.
    static constexpr const char* kEnvironmentVariables[] = {
        "CORVANE_API_URL", "CORVANE_ACCOUNT_API_URL", "CORVANE_SPEECH_URL", "CORVANE_PROBE_URL", "CORVANE_CHAT_URL",
    };

    // The address in use: a test's override, else the environment's, else the built-in value.
    static QString baseUrl(Endpoint endpoint);

    // The base address of the endpoint joined with the path by exactly one "/". An empty path
    // gives the base address unchanged.
    static QString urlFor(Endpoint endpoint, const QString& path);

    // Tests only: replaces the address of one endpoint until resetForTests().
    static void setBaseUrl(Endpoint endpoint, const QString& url);
    // Tests only: drops the overrides and reads the environment again.
    static void resetForTests();
};
