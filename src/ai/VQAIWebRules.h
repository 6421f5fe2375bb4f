#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The rules of the AI web window as pure functions: which page a product gets and its address,
// the page calls, the device's helper keys, download names and the new-window decision. Clock,
// serial number, MAC address and hosts are passed in, so each rule gives one answer per input.
namespace VQAIWebRules {

// Fixed material of the partners' pages.
inline constexpr char kPartnerAToken[] = "QKXRDPWLMZTNHBVCYFGJSAUEO";
inline constexpr char kPartnerCKey[] = "Qr7tLw2Kx9Bn4VzP";         // products 44 and 282
inline constexpr char kPartnerCRegisterKey[] = "Hp3sTn8WqR5vYk2M"; // product 523
inline constexpr char kPartnerCCustomerId[] = "1730482956104837265";
inline constexpr char kPartnerESigningKey[] = "9c3e71b0d5f2a846";
inline constexpr char kMessageSendSalt[] = "tiqamorelvunsa";
inline constexpr char kDefaultGpts[] = "1,2,3,4,5,6,7,8";
// The user agent of the AI page.
inline constexpr char kUserAgent[] =
    "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/14.1 Safari/605.1.15";

// The hosts the addresses are built on (whole base URLs, e.g. "https://host:port").
struct Hosts {
    QString aiChat;     // the maker's AI chat host
    QString chatPage;   // the maker's chat-page host
    QString partnerA;
    QString partnerB;
    QString partnerC;
    QString partnerD;
    QString partnerE;
    QString language;   // the maker's chat host of the per-language pages
    QString voiceChip;  // the maker's voice-chip chat host (only looked for in the chat address)
};
// The hosts of VQApiConfig.
Hosts configuredHosts();

struct PageInputs {
    QString productCode;     // as the server gave it; read as an integer
    bool disabledDevice = false;
    QString serialNumber;    // "" when unknown
    QString macAddress;      // "" when unknown
    QString time;            // Unix seconds as decimal text
    QString chatGptUrl;      // the server's chat page address, may be empty
    QString serviceGpts;     // may be empty
    QString uiLanguageCode;  // e.g. "ZH_CN"
    QString partnerCToken;
    QUrl localPage;          // the program's own page
};

enum class PageKind { None, PartnerA, PartnerB, PartnerC, PartnerD, PartnerE, LocalPage, DefaultChat };

struct PageChoice {
    PageKind kind = PageKind::None;
    QUrl url;
};

// The page of a product; kind None (no page) for a disabled device.
PageChoice choosePage(const PageInputs& inputs, const Hosts& hosts);

struct LanguagePageInputs {
    int uiLanguageIndex = 0;
    QString chatGptUrl;      // the server's chat page address, may be empty
    QString appKey;
    QString time;            // Unix seconds as decimal text
    QString serialNumber;
    QString voiceChipToken;
    QString region;          // "out" for overseas
};
// The page of the UI language: index 0 the server's chat page with the app key (signed in with
// the voice chip's token when that address is on the voice-chip host), 1 to 13 the maker's page
// of the language (its overseas page in region "out"). Nothing for index 14 and above, nor for
// index 0 while the server has given no chat page address.
std::optional<QUrl> languagePage(const LanguagePageInputs& inputs, const Hosts& hosts);

// Lower-case hexadecimal MD5 of the text's UTF-8 bytes.
QString md5Hex(const QString& text);
// Partner C's scramble: each UTF-16 unit XOR the key's unit at the same position modulo its
// length, then Base64 of the UTF-8 bytes of the result.
QString partnerCData(const QString& query, const QString& key);
// Partner C's query (before scrambling) for a product.
QString partnerCQuery(int productCode, const QString& serialNumber, const QString& macAddress,
                      const QString& time, const QString& token);

// The text as a JavaScript string literal (double-quoted) that evaluates to the same text, in
// any script context: JSON string encoding plus the two line separators JSON leaves raw.
QString jsStringLiteral(const QString& text);

// MESSAGE_SEND's second argument: {"sn":..,"timestamp":..,"sign":..} as compact JSON.
QString messageSendObject(const QString& serialNumber, const QString& time);
// The page call that puts a question into the product's page.
QString questionCall(int productCode, const QString& text, const QString& serialNumber, const QString& time);
// The page call of a helper request (the same for every product).
QString helperCall(const QString& helperId, const QString& content);

// The question bar's page calls: the page's font size (the slider's 14 to 50), whether the page
// uses the chat's context (the switch), and clearing the page's chat.
QString fontSizeCall(int size);
QString contextSwitchCall(bool on);
QString clearBoxCall();

// A device's AI helper key.
struct HelperKey {
    enum class Action { Open, ToggleOn, ToggleOff };
    QString helperId;
    Action action = Action::Open;
};
// The helper of a key byte; nothing for a key that is no helper key.
std::optional<HelperKey> helperKeyFor(int keyByte);

// Whether a response of this MIME type is saved as a file.
bool isDownloadableMimeType(const QString& mimeType);
// A navigation worth fetching first: its address names a file (by the extension of its last
// path segment) of a downloadable type, which the page would otherwise show or replace itself by.
bool looksLikeDownloadableFile(const QUrl& url);
// The local name of a download: the suggested name, else (empty or "Unknown") by the MIME type,
// else the last part of the URL's path. Always a bare file name: no folder, no query, no NUL;
// "", "." and ".." become "<time>.<suffix>"; a name over 200 bytes of UTF-8 loses the end of its
// stem and keeps its suffix.
QString downloadFileName(const QString& suggestedName, const QString& mimeType, const QUrl& url, const QString& time);

// What a request of the page for a new window does.
enum class NewWindowAction { Ignore, DevicePage, OpenInBrowser };
// Only http and https addresses go anywhere; an address that contains the maker's device page
// (the host of devicePageHost followed by "/device", any scheme) opens the main window instead of
// the browser.
NewWindowAction newWindowAction(const QUrl& url, const QString& devicePageHost);

} // namespace VQAIWebRules
