#pragma once

#include <QString>

// The addresses of the maker's services, in one place. Each has a built-in value, which an
// environment variable can replace to point the program at a staging or local server:
//
//     CORVANE_API_URL          the maker's API           http(s) URL, e.g. http://127.0.0.1:8080/vq
//     CORVANE_ACCOUNT_API_URL  the account API           http(s) URL
//     CORVANE_SPEECH_URL       the speech websocket host ws(s) URL without path, e.g. ws://127.0.0.1:9001
//                              (its scheme, host and port are used: wss:// connects over TLS)
//     CORVANE_PROBE_URL        the reachability probe    http(s) URL
//     CORVANE_CHAT_URL         the AI chat page          http(s) URL
//     CORVANE_AI_CHAT_HOST_URL       the maker's AI chat host (default AI page, other UI languages)
//     CORVANE_AI_CHAT_PAGE_HOST_URL  the maker's chat-page host (default AI page)
//     CORVANE_AI_LANGUAGE_HOST_URL   the maker's chat host of the per-language pages
//     CORVANE_AI_VOICE_CHIP_HOST_URL the maker's voice-chip chat host (only tested against addresses)
//     CORVANE_AI_PARTNER_A_URL ... CORVANE_AI_PARTNER_E_URL   the partners' AI page hosts
//     CORVANE_DEVICE_PAGE_URL        the maker's web host whose "/device" page the AI page may open
//     CORVANE_WEB_SITE_URL           the maker's web site with the privacy policy and user agreement
//     CORVANE_WEB_SPEECH_URL         the web text-to-speech host ("/translate_tts", any language)
//     CORVANE_WEB_SPEECH_ZH_URL      the Chinese web text-to-speech host ("/text2audio")
//     CORVANE_AI_PARTNER_C_TOKEN     the bearer token of partner C's page (not an address; empty
//                                    by default)
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
        SpeechHost, // host (and port) of the speech recognition websocket; "ws://" or "wss://" in front
                    // when it names its scheme, else ws:// is meant
        ProbePage,  // the public web page fetched to tell whether the internet is reachable
        ChatPage,   // the maker's AI chat page
        AiChatHost,        // the maker's AI chat host: the default AI page in UI languages other than ZH_CN
        AiChatPageHost,    // the maker's chat-page host: the default AI page when the server's address names it
        AiLanguageHost,    // the maker's chat host of the per-language AI pages
        AiVoiceChipHost,   // the maker's voice-chip chat host
        AiPartnerA,        // partner A's chat host (product 216)
        AiPartnerB,        // partner B's page host (products 229, 217, 166)
        AiPartnerC,        // partner C's page host (products 44, 282, 523)
        AiPartnerD,        // partner D's presentation host (product 266)
        AiPartnerE,        // partner E's page host (products 209, 285)
        DevicePageHost,    // the maker's web host; its "/device" page opens the main window
        WebSite,           // the maker's web site: the privacy policy and the user agreement pages
        WebSpeech,         // the web text-to-speech host of every language ("/translate_tts")
        WebSpeechChinese,  // the Chinese web text-to-speech host ("/text2audio")
    };

    static constexpr char kApiBaseUrl[] = "https://api.corvane.com/vq";
    static constexpr char kAccountApiBaseUrl[] = "https://account.corvane.com/member/";
    static constexpr char kSpeechHost[] = "api.corvane.com";
    static constexpr char kProbePageUrl[] = "https://www.baidu.com/";
    static constexpr char kChatPageUrl[] = "http://chat.corvane.com/";
    static constexpr char kAiChatHostUrl[] = "http://aichat.corvane.com";
    static constexpr char kAiChatPageHostUrl[] = "http://chatpage.corvane.com";
    static constexpr char kAiLanguageHostUrl[] = "http://chrome.corvane.com";
    static constexpr char kAiVoiceChipHostUrl[] = "http://chipchat.corvane.com";
    static constexpr char kAiPartnerAUrl[] = "https://write.partner-a.corvane-ai.com";
    static constexpr char kAiPartnerBUrl[] = "https://page.partner-b.corvane-ai.com";
    static constexpr char kAiPartnerCUrl[] = "https://page.partner-c.corvane-ai.com";
    static constexpr char kAiPartnerDUrl[] = "https://slides.partner-d.corvane-ai.com";
    static constexpr char kAiPartnerEUrl[] = "https://page.partner-e.corvane-ai.com";
    static constexpr char kDevicePageHostUrl[] = "https://www.corvane.com";
    static constexpr char kWebSiteUrl[] = "http://www.corvane.com";
    static constexpr char kWebSpeechUrl[] = "https://tts.corvane-speech.com";
    static constexpr char kWebSpeechChineseUrl[] = "https://tts-zh.corvane-speech.com";

    // The environment variable of each endpoint, in Endpoint order.
    static constexpr const char* kEnvironmentVariables[] = {
        "CORVANE_API_URL", "CORVANE_ACCOUNT_API_URL", "CORVANE_SPEECH_URL", "CORVANE_PROBE_URL", "CORVANE_CHAT_URL",
        "CORVANE_AI_CHAT_HOST_URL", "CORVANE_AI_CHAT_PAGE_HOST_URL", "CORVANE_AI_LANGUAGE_HOST_URL",
        "CORVANE_AI_VOICE_CHIP_HOST_URL", "CORVANE_AI_PARTNER_A_URL", "CORVANE_AI_PARTNER_B_URL",
        "CORVANE_AI_PARTNER_C_URL", "CORVANE_AI_PARTNER_D_URL", "CORVANE_AI_PARTNER_E_URL", "CORVANE_DEVICE_PAGE_URL",
        "CORVANE_WEB_SITE_URL", "CORVANE_WEB_SPEECH_URL", "CORVANE_WEB_SPEECH_ZH_URL",
    };
    static constexpr char kPartnerCTokenVariable[] = "CORVANE_AI_PARTNER_C_TOKEN";

    // The address in use: a test's override, else the environment's, else the built-in value.
    static QString baseUrl(Endpoint endpoint);

    // The base address of the endpoint joined with the path by exactly one "/". An empty path
    // gives the base address unchanged.
    static QString urlFor(Endpoint endpoint, const QString& path);

    // The bearer token partner C's page expects: the environment's, else empty (then the page
    // address carries an empty token). Tests set it with setPartnerCTokenForTests().
    static QString partnerCToken();
    static void setPartnerCTokenForTests(const QString& token);

    // Tests only: replaces the address of one endpoint until resetForTests().
    static void setBaseUrl(Endpoint endpoint, const QString& url);
    // Tests only: drops the overrides and reads the environment again.
    static void resetForTests();
};
