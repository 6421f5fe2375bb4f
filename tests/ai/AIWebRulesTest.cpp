// The AI web window's rules: page addresses (goldens computed outside the program), page calls,
// helper keys, download names and the new-window decision.
#include "VQAIWebRules.h"
#include "VQWKWebViewDrop.h"

#include <QJSEngine>
#include <QJSValue>
#include <QMimeData>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

using namespace VQAIWebRules;

Hosts testHosts()
{
    Hosts h;
    h.aiChat = QStringLiteral("http://aichat.test");
    h.chatPage = QStringLiteral("http://chatpage.test:81/");
    h.partnerA = QStringLiteral("https://a.test");
    h.partnerB = QStringLiteral("https://b.test/");
    h.partnerC = QStringLiteral("https://c.test");
    h.partnerD = QStringLiteral("https://d.test");
    h.partnerE = QStringLiteral("https://e.test");
    h.language = QStringLiteral("http://lang.test:82/");
    h.voiceChip = QStringLiteral("http://chip.test");
    return h;
}

TEST(AIWebRules, EachProductGetsItsPageAddress)
{
    struct Row {
        const char* product;
        bool disabled;
        const char* chatUrl;
        const char* gpts;
        const char* language;
        PageKind kind;
        const char* expected; // encoded address; nullptr: no page
    };
    const Row rows[] = {
        {"216", false, "", "", "ZH_CN", PageKind::PartnerA,
         "https://a.test/web/#/?mouseDeviceId=SN123&sign=61eff4f23541eadaf4f605b1af4160c0&time=1700000000"},
        {"229", false, "", "", "ZH_CN", PageKind::PartnerB, "https://b.test?time=1700000000"},
        {"166", false, "", "", "ZH_CN", PageKind::PartnerB, "https://b.test?time=1700000000"},
        {"44", false, "", "", "ZH_CN", PageKind::PartnerC,
         "https://c.test/#/home?key=AI&data=MhpWGiISXhQRXX9eWHAeNScbVBETHlZ2K3dzXAdwFz81F1tJeEMUOxtQJlN1F0ASE0h0N3YzdnE9fHgocnAOOTwXRAAtGkJ2SQ5yXgRmSmBhQhEAIxxXJUVRJhwaNBU0KFxEHStRUygMUC0ACTUWOTIZ&cc=6dacc3d10c15409c5d449e03ff302a39"},
        {"523", false, "", "", "ZH_CN", PageKind::PartnerC,
         "https://c.test/#/home?key=VQ&data=KxhSHToLVAgYNghGNU1WKD4ZUBYLB1xqIhwERGpNXyIsFV9OYVwLcQExXBJkKnN3CjIJMBdUfBNLF3BMHy0UOSEdVgAgD1UnTGMCRmlbAn14QANVIAFTMh9vXRIrRVAiLAkdAD0JHjYSJlwZN1ZAKC8ZQAcxHB40BCFBGTQOQAQsTQJEZ14Mb0NrAEBoWwZ1e0cBRWE=&cc=cd7d8e871712a35bb7262b6eb97dd789"},
        {"266", false, "", "", "ZH_CN", PageKind::PartnerD, "https://d.test/workspace?sno=SN123&time=1700000000"},
        {"209", false, "", "", "ZH_CN", PageKind::PartnerE,
         "https://e.test/web/#/?sn=SN123&sign=de270e23cbfdaee4da48a4415bfc35c6&timestamp=1700000000"},
        {"285", false, "", "", "ZH_CN", PageKind::PartnerE,
         "https://e.test/web/#/?sn=SN123&sign=de270e23cbfdaee4da48a4415bfc35c6&timestamp=1700000000"},
        {"282", true, "", "", "ZH_CN", PageKind::None, nullptr},
        {"328", true, "http://srv.test/chat", "", "ZH_CN", PageKind::None, nullptr},
        {"7", false, "", "", "EN_US", PageKind::LocalPage, "qrc:/ai/chrome.html"},
        {"7", false, "http://srv.test/chat", "", "ZH_CN", PageKind::DefaultChat,
         "http://srv.test/chat?language=ZH_CN&xfText=%E7%94%B1%E8%AE%AF%E9%A3%9E%E6%98%9F%E7%81%AB%E8%AE%A4%E7%9F%A5"
         "%E5%A4%A7%E6%A8%A1%E5%9E%8B%E6%8A%80%E6%9C%AF%E6%94%AF%E6%8C%81&sn=SN123&logo=ZEZAZEZI&logom=divuvuzu"
         "&corvaneAI=TAMSEL%20AI&gpts=1,2,3,4,5,6,7,8"},
        {"7", false, "http://x.test/chatpage/", "3,4", "JA_JP", PageKind::DefaultChat,
         "http://chatpage.test:81?language=ZH_CN&xfText=Powered%20by%20ChatGPT%20&sn=SN123&logo=ZEZAZEZI"
         "&logom=divuvuzu&corvaneAI=TAMSEL%20AI&gpts=3,4"},
        {"7", false, "http://srv.test/chat", "", "EN_US", PageKind::DefaultChat,
         "http://aichat.test?language=EN_US&xfText=Powered%20by%20ChatGPT%20&sn=SN123&logo=ZEZAZEZI"
         "&logom=divuvuzu&corvaneAI=TAMSEL%20AI&gpts=1,2,3,4,5,6,7,8"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.product) + " " + row.language + " " + row.chatUrl);
        PageInputs in;
        in.productCode = QString::fromLatin1(row.product);
        in.disabledDevice = row.disabled;
        in.serialNumber = QStringLiteral("SN123");
        in.macAddress = QStringLiteral("AA:BB:CC:DD:EE:FF");
        in.time = QStringLiteral("1700000000");
        in.chatGptUrl = QString::fromLatin1(row.chatUrl);
        in.serviceGpts = QString::fromLatin1(row.gpts);
        in.uiLanguageCode = QString::fromLatin1(row.language);
        in.partnerCToken = QStringLiteral("hdr.body.sig");
        in.localPage = QUrl(QStringLiteral("qrc:/ai/chrome.html"));
        const PageChoice choice = choosePage(in, testHosts());
        EXPECT_EQ(choice.kind, row.kind);
        if (row.expected)
            EXPECT_EQ(QString::fromUtf8(choice.url.toEncoded()), QString::fromUtf8(row.expected));
        else
            EXPECT_TRUE(choice.url.isEmpty());
    }
}

// The page of each UI language: the server's page in Chinese (signed in with the chip's token on
// the voice-chip host), the maker's page per language (overseas in region "out"), else none.
TEST(AIWebRules, EachUiLanguageGetsItsPage)
{
    struct Row {
        int index;
        const char* chatUrl;
        const char* region;
        const char* expected; // nullptr: no page
    };
    const Row rows[] = {
        {0, "http://srv.test/chat", "", "http://srv.test/chat?appkey=K1&ts=1700000000&ppt=iframe&sno=SN123&ua=IOS"},
        {0, "http://chip.test/c", "", "http://chip.test/c?appkey=K1&ts=1700000000&sno=SN123&token=T9"},
        {0, "", "", nullptr},
        {1, "", "", "http://lang.test:82/v2/tcchrome_tw.html?ppt=iframe"},
        {1, "http://srv.test/chat", "out", "http://lang.test:82/v2/tcchrome_tw_out.html?ppt=iframe"},
        {2, "", "cn", "http://lang.test:82/v2/tcchrome_en.html?ppt=iframe"},
        {6, "", "", "http://lang.test:82/v2/tcchrome_ar.html?ppt=iframe"},
        {13, "", "out", "http://lang.test:82/v2/tcchrome_tr_out.html?ppt=iframe"},
        {14, "http://srv.test/chat", "", nullptr},
        {16, "", "", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.index) + " " + row.chatUrl);
        LanguagePageInputs in{row.index, QString::fromLatin1(row.chatUrl), QStringLiteral("K1"), QStringLiteral("1700000000"),
                              QStringLiteral("SN123"), QStringLiteral("T9"), QString::fromLatin1(row.region)};
        const std::optional<QUrl> page = languagePage(in, testHosts());
        EXPECT_EQ(page ? page->toString() : QString(), QString::fromLatin1(row.expected));
    }
}

TEST(AIWebRules, QuestionsAndHelpersUseEachProductsPageCall)
{
    struct Row {
        int product;
        const char* expected;
    };
    const Row rows[] = {
        {523, R"(handlInputValue("it's \"x\"",2))"},
        {7, R"(handlInputValue("it's \"x\"",2))"},
        {216, R"(idallSendMessage("QKXRDPWLMZTNHBVCYFGJSAUEO","it's \"x\"",true))"},
        {229, R"(MESSAGE_SEND("it's \"x\"",{"sign":"05a770c4c10b8fa2988ee7103aa1b81e","sn":"SN123","timestamp":1700000000}))"},
        {44, R"(externalFunc("send","it's \"x\""))"},
        {285, R"(externalFunc("send","it's \"x\""))"},
        {266, R"(aiMouseExternalFunc("send","it's \"x\""))"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.product);
        EXPECT_EQ(questionCall(row.product, QStringLiteral("it's \"x\""), QStringLiteral("SN123"), QStringLiteral("1700000000")),
                  QString::fromUtf8(row.expected));
    }
    EXPECT_EQ(helperCall(QStringLiteral("fileChange"), QString()), QStringLiteral(R"(handlHelperInput("fileChange","",2))"));
}

TEST(AIWebRules, RandomTextsSurviveAsScriptLiterals)
{
    QJSEngine engine;
    QRandomGenerator random(20261207);
    const char16_t special[] = {u'\'', u'"', u'\\', u'\n', u'\r', 0x2028, 0x2029, 0, u'<', u'/', 0xD800, 0xDC00, 0xFFFF};
    constexpr int kBatches = 100;
    constexpr int kPerBatch = 1000;
    for (int batch = 0; batch < kBatches; ++batch) {
        QStringList texts;
        QString script = QStringLiteral("[");
        for (int i = 0; i < kPerBatch; ++i) {
            QString text;
            const int length = random.bounded(12);
            for (int c = 0; c < length; ++c) {
                const int pick = random.bounded(4);
                if (pick == 0)
                    text.append(QChar(special[random.bounded(int(std::size(special)))]));
                else if (pick == 1)
                    text.append(QChar(static_cast<char16_t>(random.bounded(0x80))));
                else
                    text.append(QChar(static_cast<char16_t>(random.bounded(0x10000))));
            }
            texts.append(text);
            script += jsStringLiteral(text) + QLatin1Char(',');
        }
        script += QLatin1Char(']');
        const QJSValue values = engine.evaluate(script);
        ASSERT_FALSE(values.isError()) << values.toString().toStdString();
        for (int i = 0; i < kPerBatch; ++i)
            ASSERT_EQ(values.property(i).toString(), texts.at(i)) << "batch " << batch << " item " << i;
    }
}

TEST(AIWebRules, HelperKeysOpenOrToggleTheirHelper)
{
    using A = HelperKey::Action;
    struct Row {
        int key;
        const char* helper; // nullptr: no helper key
        A action;
    };
    const Row rows[] = {
        {0x84, "aiImg", A::Open},          {0x86, "aiImg", A::ToggleOn},        {0x87, "aiImg", A::ToggleOff},
        {0x8B, "fileChange", A::Open},     {0x97, "template", A::Open},         {0xAE, "ppt", A::ToggleOn},
        {0xC3, "lohuy8eicunq_v1", A::ToggleOff},
        {0x85, nullptr, A::Open},          {0x89, nullptr, A::Open},            {0x00, nullptr, A::Open},
        {0xC1, nullptr, A::Open},          {0x80, nullptr, A::Open},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        const auto key = helperKeyFor(row.key);
        ASSERT_EQ(key.has_value(), row.helper != nullptr);
        if (key) {
            EXPECT_EQ(key->helperId, QString::fromLatin1(row.helper));
            EXPECT_EQ(key->action, row.action);
        }
    }
}

TEST(AIWebRules, DownloadsAreNamedAsBareFiles)
{
    struct Row {
        const char* suggested;
        const char* mime;
        const char* url;
        const char* expected;
        bool downloadable;
    };
    const QString time = QStringLiteral("1700000000");
    const Row rows[] = {
        {"report.xlsx", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet", "http://h/x", "report.xlsx", true},
        {"", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet", "http://h/files/t.xlsx?sig=1/2", "t.xlsx", true},
        {"Unknown", "application/vnd.ms-excel", "http://h/a", "1700000000.xlsx", true},
        {"", "attachment/file", "http://h/a", "1700000000.xlsx", true},
        {"", "application/vnd.ms-word", "http://h/a", "1700000000.docx", true},
        {"", "image/png", "http://h/a", "1700000000.png", true},
        {"", "application/zip", "http://h/dir/", "1700000000.zip", true},
        {"", "application/zip", "http://h/..", "1700000000.zip", true},
        {"../../etc/passwd", "text/plain", "http://h/a", "passwd", false},
        {"a%2Fb", "text/markdown", "http://h/a", "a%2Fb", true},
        {"", "text/markdown", "http://h/a%2F..", "1700000000.md", true},
        {"", "text/html", "http://h/page", "page", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.suggested) + " " + row.url);
        EXPECT_EQ(downloadFileName(QString::fromUtf8(row.suggested), QString::fromLatin1(row.mime),
                                   QUrl(QString::fromLatin1(row.url)), time),
                  QString::fromUtf8(row.expected));
        EXPECT_EQ(isDownloadableMimeType(QString::fromLatin1(row.mime)), row.downloadable);
    }
    // Long names fit a file system (255 bytes, with room for a temporary suffix) and keep their
    // extension; their stem loses its end.
    for (const QString& stem : QStringList{QStringLiteral("report-") + QString(300, u'x'), QString(120, QChar(0x4E2D)),
                                QString::fromUtf8("\xF0\x9F\x98\x80").repeated(70)}) {
        const QString name = downloadFileName(stem + QStringLiteral(".xlsx"), QStringLiteral("application/vnd.ms-excel"), QUrl(), time);
        EXPECT_LE(name.toUtf8().size(), 240);
        EXPECT_TRUE(name.endsWith(QStringLiteral(".xlsx")) && stem.startsWith(name.chopped(5))) << name.toStdString();
        EXPECT_EQ(QString::fromUtf8(name.toUtf8()), name) << "a character cut in half";
    }

    QRandomGenerator random(7);
    const char16_t alphabet[] = {u'/', 0, u'.', u'?', u'%', u'a', u'\\', u'#', 0x4E2D, u' '};
    for (int i = 0; i < 100000; ++i) {
        QString text;
        const int length = random.bounded(10);
        for (int c = 0; c < length; ++c)
            text.append(QChar(alphabet[random.bounded(int(std::size(alphabet)))]));
        const bool asUrl = random.bounded(2) == 0;
        const QString name = asUrl ? downloadFileName(QString(), QStringLiteral("text/plain"),
                                                      QUrl(QStringLiteral("http://h/") + text), time)
                                   : downloadFileName(text, QStringLiteral("text/plain"), QUrl(), time);
        ASSERT_FALSE(name.isEmpty()) << text.toStdString();
        ASSERT_FALSE(name.contains(QLatin1Char('/'))) << text.toStdString();
        ASSERT_FALSE(name.contains(QChar(0))) << text.toStdString();
        ASSERT_NE(name, QStringLiteral("."));
        ASSERT_NE(name, QStringLiteral(".."));
    }
}

TEST(AIWebRules, OnlyWebAddressesLeaveThePage)
{
    struct Row {
        const char* url;
        NewWindowAction expected;
    };
    const Row rows[] = {
        {"http://y.test/a", NewWindowAction::OpenInBrowser},
        {"HTTPS://y.test/a", NewWindowAction::OpenInBrowser},
        {"file:///x?u=http://y", NewWindowAction::Ignore},
        {"mailto:a@b.test?body=https://y", NewWindowAction::Ignore},
        {"javascript:alert('http://y')", NewWindowAction::Ignore},
        {"", NewWindowAction::Ignore},
        {"https://www.maker.test/device/12", NewWindowAction::DevicePage},
        {"http://WWW.maker.test/device?sn=1", NewWindowAction::DevicePage},
        {"https://login.test/?back=http://www.maker.test/device", NewWindowAction::DevicePage},
        {"https://www.maker.test/shop/device", NewWindowAction::OpenInBrowser},
        {"https://maker.test/device", NewWindowAction::OpenInBrowser},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.url);
        EXPECT_EQ(newWindowAction(QUrl(QString::fromLatin1(row.url)), QStringLiteral("https://www.maker.test/")), row.expected);
    }
}

class RecordingReader : public VQReadFileViewDelegate {
public:
    Qt::DropAction queryDragOperation(const QList<QUrl>& items) override
    {
        asked.append(items);
        return Qt::LinkAction;
    }
    void receivedFileUrlList(const QList<QUrl>& urls) override { received.append(urls); }
    QList<QUrl> asked;
    QList<QUrl> received;
};

TEST(AIWebRules, DropsOfFilesReachTheReaderAsFileUrls)
{
    struct Row {
        const char* what;
        QList<QUrl> urls;
        const char* text; // nullptr: none
        Qt::DropActions allowed;
        bool withReader;
        Qt::DropAction entered;
        QList<QUrl> delivered;
    };
    const QUrl file = QUrl::fromLocalFile(QStringLiteral("/tmp/a b.docx"));
    const Row rows[] = {
        {"copy only, no reader", {file}, nullptr, Qt::CopyAction, false, Qt::CopyAction, {}},
        {"link asks the reader", {file}, nullptr, Qt::CopyAction | Qt::LinkAction, true, Qt::LinkAction, {file}},
        {"link without a reader", {file}, nullptr, Qt::LinkAction, false, Qt::IgnoreAction, {}},
        {"no files", {}, "plain words", Qt::CopyAction, true, Qt::IgnoreAction, {QUrl::fromLocalFile(QStringLiteral("plain words"))}},
        {"text paths", {file}, "/tmp/c.txt\n", Qt::CopyAction, true, Qt::CopyAction,
         {file, QUrl::fromLocalFile(QStringLiteral("/tmp/c.txt"))}},
        {"move only", {file}, nullptr, Qt::MoveAction, true, Qt::IgnoreAction, {file}},
        {"a web link is no file", {QUrl(QStringLiteral("http://x.test/a"))}, nullptr, Qt::CopyAction | Qt::LinkAction, true,
         Qt::IgnoreAction, {QUrl(QStringLiteral("http://x.test/a"))}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QMimeData data;
        if (!row.urls.isEmpty())
            data.setUrls(row.urls);
        if (row.text)
            data.setText(QString::fromUtf8(row.text));
        RecordingReader reader;
        VQReadFileViewDelegate* delegate = row.withReader ? &reader : nullptr;
        EXPECT_EQ(VQWKWebViewDrop::dragEnteredAction(&data, row.allowed, delegate), row.entered);
        EXPECT_TRUE(VQWKWebViewDrop::performDrop(&data, delegate));
        EXPECT_EQ(reader.received, row.withReader ? row.delivered : QList<QUrl>());
    }
}

} // namespace
