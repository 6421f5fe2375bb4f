#pragma once

#include <QString>

// The addresses of the maker's services, in one place. Each has a built-in value; tests point
// them at local stand-in servers with setBaseUrl() and undo that with resetForTests().
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

    // The address in use: the override when one is set, else the built-in value.
    static QString baseUrl(Endpoint endpoint);

    // The base address of the endpoint joined with the path by exactly one "/". An empty path
    // gives the base address unchanged.
    static QString urlFor(Endpoint endpoint, const QString& path);

    // Tests only: replaces the address of one endpoint until resetForTests().
    static void setBaseUrl(Endpoint endpoint, const QString& url);
    // Tests only: back to the built-in addresses.
    static void resetForTests();
};
