// Voice commands: the search key's text matched against the custom and then the common commands,
// a matched command carried out with its fall-backs, text that matches nothing searched on the
// web; and end to end, an utterance of the stand-in speech server ending at a URL handler.
#include "../device/DeviceTestFixture.h"
#include "FakeAudioCaptureBackend.h"
#include "FakeClipboard.h"
#include "FakeDesktopOpener.h"
#include "FakeGlobalShortcuts.h"
#include "FakeKeySynthesizer.h"
#include "QRNLocalizedString.h"
#include "UserDefaults.h"
#include "VQCmdService.h"
#include "VQCommandViewModel.h"
#include "VQLanguageManager.h"
#include "VoiceHubFixture.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrlQuery>

namespace {

VQVoiceCommandItem customCommand(const QString& word, const char* type, const QString& target)
{
    VQVoiceCommandItem item;
    item.cmdType = QString::fromLatin1(type);
    item.customCmd = word;
    item.customName = target;
    return item;
}

VQVoiceCommandItem commonCommand(const QString& word, const char* type, const QString& target)
{
    VQVoiceCommandItem item;
    item.cmdType = QString::fromLatin1(type);
    item.cmdWord = word;
    item.cmdExecute = target;
    return item;
}

// "search<tag>:<decoded query value>" for an address of a search engine, else "open:<address>".
QString describeOpened(const QUrl& url)
{
    for (int tag = 0; tag < 3; ++tag) {
        if (url.host() != QUrl(VQAudioMonitorService::searchAddress(tag, QString())).host())
            continue;
        const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
        return QStringLiteral("search%1:%2").arg(tag).arg(items.isEmpty() ? QString() : items.last().second);
    }
    return QStringLiteral("open:") + url.toString();
}

class VoiceCommandTest : public DeviceTest {
protected:
    explicit VoiceCommandTest(SimulatedReceiver::Model model = SimulatedReceiver::mouseReceiver())
        : DeviceTest(std::move(model))
    {
    }

    void SetUp() override
    {
        DeviceTest::SetUp();
        voicetest::resetVoice();
        VQCommandViewModel::resetForTests();
        VQCommandViewModel::sharedInstance().createCommandTables();
        VQLanguageManager::resetForTests();
        ASSERT_TRUE(files.isValid());
        file = files.filePath(QStringLiteral("计划 v2.txt"));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.close();
        UserDefaults::standard().setValue(file, QByteArray("granted"));
        gone = files.filePath(QStringLiteral("gone.txt"));
        UserDefaults::standard().setValue(gone, QByteArray("granted"));
    }

    void TearDown() override
    {
        VQCommandViewModel::resetForTests();
        voicetest::resetVoice();
        DeviceTest::TearDown();
        VQLanguageManager::resetForTests(); // the engine of the cleared settings
    }

    // Every action seen, in the order: desktop, pastes, posted keys.
    QStringList effects() const
    {
        QStringList seen;
        for (const QUrl& url : opener.opened)
            seen << describeOpened(url);
        for (const QString& text : clipboard.writes)
            seen << QStringLiteral("paste:") + text;
        for (const FakeKeySynthesizer::Event& key : keys.keyDowns())
            seen << QStringLiteral("key:%1/%2").arg(key.keyCode).arg(key.flags, 0, 16);
        return seen;
    }

    FakeGlobalShortcuts shortcuts;
    FakeAudioCaptureBackend microphone;
    FakeDesktopOpener opener;
    FakeKeySynthesizer keys;
    FakeClipboard clipboard;
    QTemporaryDir files;
    QString file; // exists, with its stored marker
    QString gone; // stored marker, but no longer on disk
};

TEST_F(VoiceCommandTest, TextRunsTheFirstMatchingCommandOrIsSearched)
{
    const QString calc = QStringLiteral("计算器");
    const QString shortcut = QStringLiteral(R"({"keyCode":1,"modifierFlagsString":"⌘"})");
    struct Row {
        const char* name;
        QString text;
        QList<VQVoiceCommandItem> custom;
        QList<VQVoiceCommandItem> common;
        QStringList expected; // effects(); "$URL" stands for the granted file's address
        int engineTag = 0;
    };
    const Row rows[] = {
        {"custom beats common for the same word", calc, {customCommand(calc, "website", QStringLiteral("custom.example"))},
         {commonCommand(calc, "website", QStringLiteral("common.example"))}, {QStringLiteral("open:http://custom.example")}},
        {"common list when no custom command matches", calc, {customCommand(QStringLiteral("记事本"), "text", QStringLiteral("x"))},
         {commonCommand(calc, "website", QStringLiteral("https://common.example/a"))},
         {QStringLiteral("open:https://common.example/a")}},
        {"equality ignores case", QStringLiteral("Safari"), {}, {commonCommand(QStringLiteral("safari"), "website", QStringLiteral("s.example"))},
         {QStringLiteral("open:http://s.example")}},
        {"containment keeps case: searched", QStringLiteral("open Safari now"), {},
         {commonCommand(QStringLiteral("safari"), "website", QStringLiteral("s.example"))}, {QStringLiteral("search0:open Safari now")}},
        {"containment as spoken", QStringLiteral("打开计算器吧"), {}, {commonCommand(calc, "website", QStringLiteral("c.example"))},
         {QStringLiteral("open:http://c.example")}},
        {"marks of the set trimmed at both ends only", QStringLiteral(" （a-b）、 "), {},
         {commonCommand(QStringLiteral("A-B"), "website", QStringLiteral("ab.example"))}, {QStringLiteral("open:http://ab.example")}},
        {"a tab is not trimmed", QStringLiteral("\tsafari"), {}, {commonCommand(QStringLiteral("Safari"), "website", QStringLiteral("s.example"))},
         {QStringLiteral("search0:\tsafari")}},
        {"an empty word never matches; the untrimmed text is searched", QStringLiteral(" 天气 "),
         {customCommand(QString(), "website", QStringLiteral("empty.example"))}, {}, {QStringLiteral("search0: 天气 ")}},
        {"the granted file opens", calc, {customCommand(calc, "file", QStringLiteral("$FILE"))}, {}, {QStringLiteral("open:$URL")}},
        {"a file gone from disk opens nothing: the word is searched", QStringLiteral("打开计算器"),
         {customCommand(calc, "file", QStringLiteral("$GONE"))}, {}, {QStringLiteral("search0:") + calc}},
        {"both targets fail: the command's word is searched", QStringLiteral("打开计算器"),
         {customCommand(calc, "folder", QStringLiteral("/nowhere/granted-never"))}, {}, {QStringLiteral("search0:") + calc}},
        {"a shortcut is posted", calc, {customCommand(calc, "shortcuts", shortcut)}, {}, {QStringLiteral("key:1/100000")}},
        {"a text is pasted", calc, {customCommand(calc, "text", QStringLiteral("C++ & 你好"))}, {},
         {QStringLiteral("paste:C++ & 你好"), QStringLiteral("key:9/100000")}},
        {"the second engine", QStringLiteral("C++ AT&T #1 100% a+b 中文"), {}, {}, {QStringLiteral("search1:C++ AT&T #1 100% a+b 中文")}, 1},
        {"the third engine", QStringLiteral("a=b;c?d/e"), {}, {}, {QStringLiteral("search2:a=b;c?d/e")}, 2},
        {"a tag beyond the engines uses the first", QStringLiteral("%20 stays"), {}, {}, {QStringLiteral("search0:%20 stays")}, 7},
    };
    // Each row right after the lists changed (scanned on a worker while their indexes are built),
    // then once the indexes are ready.
    for (const Row& row : rows) {
      for (const bool indexed : {false, true}) {
        SCOPED_TRACE(std::string(row.name) + (indexed ? ", indexed" : ", lists just changed"));
        opener.opened.clear();
        clipboard.writes.clear();
        keys.events.clear();
        VQLanguageManager::sharedInstance().setSearchEngineTag(row.engineTag);
        QList<VQVoiceCommandItem> custom = row.custom;
        for (VQVoiceCommandItem& item : custom) {
            item.customName.replace(QStringLiteral("$FILE"), file);
            item.customName.replace(QStringLiteral("$GONE"), gone);
        }
        VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
        VQAudioMonitorService& hub = VQAudioMonitorService::sharedInstance();
        store.customizeCmdListArray() = custom;
        store.setCommonCmdListArray(row.common);
        if (indexed)
            ASSERT_TRUE(vqtest::waitUntil([&] { return hub.areCommandIndexesReady(); }));
        hub.requestMatchingCmd(row.text);

        QStringList expected = row.expected;
        expected.replaceInStrings(QStringLiteral("$URL"), QUrl::fromLocalFile(file).toString());
        if (indexed)
            EXPECT_EQ(effects(), expected) << "the indexed match runs at once";
        else
            EXPECT_TRUE(vqtest::waitUntil([&] { return effects() == expected; })) << effects().join(u' ').toStdString();
      }
    }
}

TEST_F(VoiceCommandTest, OnlyStartedActionsReportSuccess)
{
    VQCmdService& service = VQCmdService::sharedInstance();
    keys.accept = false;
    clipboard.acceptWrites = false;
    const struct {
        QString target;
        const char* type;
        bool started;
    } rows[] = {
        {QString(), "website", false},
        {QStringLiteral("example.com"), "website", true},
        {QStringLiteral("HTTPS://example.com/x"), "", true},
        {QStringLiteral("javascript:alert(1)"), "website", false},
        {QStringLiteral("/no/marker/stored"), "file", false},
        {QStringLiteral("$GONE"), "file", false},
        {QStringLiteral("$FILE"), "folder", true},
        {QStringLiteral(R"({"keyCode":1})"), "shortcuts", false}, // the keyboard refuses
        {QStringLiteral("hi"), "text", false},                    // the clipboard refuses
    };
    for (const auto& row : rows) {
        QString target = row.target;
        target.replace(QStringLiteral("$GONE"), gone).replace(QStringLiteral("$FILE"), file);
        EXPECT_EQ(service.openFileWithCmdPath(target, QString::fromLatin1(row.type)), row.started)
            << row.type << " " << target.toStdString();
    }
    EXPECT_EQ(opener.opened.size(), 3);

    // A web search the desktop refuses is reported to the user.
    opener.result = false;
    EXPECT_FALSE(VQAudioMonitorService::sharedInstance().openBrowserWithCmdString(QStringLiteral("天气")));
    EXPECT_EQ(VQPopupWindowTool::sharedInstance().tipWindow()->text(),
              QRNLocalizedString::qrnAppLocalizedString(VQAudioMonitorService::browserFailedText()));
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

// The search key from the device, the final text from the stand-in speech server.
class VoiceSearchEndToEndTest : public VoiceCommandTest {
protected:
    VoiceSearchEndToEndTest()
        : VoiceCommandTest(SimulatedReceiver::voiceReceiver16k())
    {
    }

    void SetUp() override
    {
        VoiceCommandTest::SetUp();
        plugAndSettle();
        ASSERT_TRUE(speech.start());
        voicetest::installVoice(speech, &popup);
        VQAudioMonitorService::Timings timings;
        timings.minStartSpacingMs = 0;
        timings.minSearchHoldMs = 200;
        VQAudioMonitorService::setTimingsForTests(timings);
    }

    void say(const QString& finalText)
    {
        speech.clearScript();
        speech.addAnswer(vqtest::StandInSpeechServer::kOnEnd, vqtest::SpeechAnswer::last(finalText));
        receiver.voice().setUtterance(QByteArray(4 * 256, '\0'));
        receiver.sendKey(35);
        receiver.voice().start();
        ASSERT_TRUE(vqtest::waitUntil([] { return VQAudioMonitorService::sharedInstance().hadStart(); }));
        vqtest::spin(300); // held longer than the shortest search
        receiver.sendKey(36);
        receiver.voice().stop(); // the device's voice end
        ASSERT_TRUE(vqtest::waitUntil(voicetest::hubIsIdle, 10000));
        settle();
    }

    vqtest::StandInSpeechServer speech;
    voicetest::RecordingSpeechPopup popup;
};

TEST_F(VoiceSearchEndToEndTest, AnUtteranceEndsInItsCommandOrItsSearch)
{
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    store.customizeCmdListArray() = {customCommand(QStringLiteral("保存"), "shortcuts", QStringLiteral(R"({"keyCode":1,"modifierFlagsString":"⌘"})")),
                                     customCommand(QStringLiteral("签名"), "text", QStringLiteral("此致 敬礼")),
                                     customCommand(QStringLiteral("计划"), "file", file)};

    say(QStringLiteral("保存。"));
    say(QStringLiteral("签名!"));
    say(QStringLiteral("打开计划"));
    EXPECT_EQ(effects(), (QStringList{QStringLiteral("open:") + QUrl::fromLocalFile(file).toString(),
                                      QStringLiteral("paste:此致 敬礼"), QStringLiteral("key:1/100000"),
                                      QStringLiteral("key:9/100000")}));

    // No command: the real desktop opener hands the search to the URL handler.
    DesktopOpener::setInstance(nullptr);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    VQLanguageManager::sharedInstance().setSearchEngineTag(1);
    const QString spoken = QStringLiteral("C++ 与 AT&T #1");
    say(spoken + QStringLiteral("。"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(describeOpened(catcher.urls[0]), QStringLiteral("search1:") + spoken);
    EXPECT_EQ(catcher.urls[0].toString(QUrl::RemoveQuery), QUrl(VQAudioMonitorService::searchAddress(1, {})).toString(QUrl::RemoveQuery));
    EXPECT_TRUE(speech.violations().isEmpty()) << speech.violations().join(QLatin1Char('\n')).toStdString();
}

} // namespace

#include "VoiceCommandMatchTest.moc"
