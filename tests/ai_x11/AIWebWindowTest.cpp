// The AI web window with the real web engine plugin, the real controller and the stand-in page
// host: page addresses as the partners check them, page calls, script messages, new windows and
// downloads.
#include "FakeDesktopOpener.h"
#include "FakeFileChooser.h"
#include "MMLog.h"
#include "MMString.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "StandInAIPageHost.h"
#include "TestSupport.h"
#include "VQAIWebHostLoader.h"
#include "VQAIWebPageHost.h"
#include "VQAIWebWindowController.h"
#include "VQApiConfig.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"
#include "VQToolManager.h"
#include "VQNewWebWindowController.h"
#include "VQUserInfoData.h"
#include "VQWKWebViewDrop.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using vqtest::StandInAIPageHost;
using vqtest::waitUntil;

namespace {

constexpr int kPageTimeoutMs = 20000;

// Runs the script in the host's page (after the page in progress) and waits for its result.
QVariant evaluate(VQAIWebPageHost& host, const QString& script)
{
    auto done = std::make_shared<bool>(false);
    auto value = std::make_shared<QVariant>();
    host.runJavaScript(script, [done, value](const QVariant& result) {
        *value = result;
        *done = true;
    });
    EXPECT_TRUE(waitUntil([&] { return *done; }, kPageTimeoutMs)) << script.toStdString();
    return *value;
}

QJsonArray recordedCalls(VQAIWebPageHost& host)
{
    return QJsonDocument::fromJson(evaluate(host, QString::fromLatin1(StandInAIPageHost::kCallsScript)).toString().toUtf8())
        .array();
}

QString tipText()
{
    return VQPopupWindowTool::sharedInstance().tipWindow()->text();
}

QString loc(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

class AIWebWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pages.listen());
        pages.installAsAIHosts();
        VQApiConfig::setPartnerCTokenForTests(QStringLiteral("stand-in-token"));
        VQUserInfoData& user = VQUserInfoData::sharedInstance();
        user.setSno(QStringLiteral("SN2024A1"));
        user.setIsConnect(true);
        user.setProductCode(QStringLiteral("523"));
    }
    void TearDown() override
    {
        controller.reset();
        VQAIWebHostLoader::setFactoryForTests({});
        VQApiConfig::resetForTests();
        VQPopupWindowTool::resetForTests();
    }

    // Shows the window on a real host from the plugin; the host stays reachable for the test.
    VQAIWebPageHost& showWindow()
    {
        VQAIWebPageHost* real = VQAIWebHostLoader::createHost();
        EXPECT_NE(real, nullptr) << "the web engine plugin did not load";
        EXPECT_TRUE(VQAIWebHostLoader::isPluginLoaded());
        VQAIWebHostLoader::setFactoryForTests([real] { return real; });
        controller = std::make_unique<VQAIWebWindowController>();
        controller->initSubViews();
        EXPECT_TRUE(controller->showWindow());
        VQAIWebHostLoader::setFactoryForTests({});
        return *real;
    }

    StandInAIPageHost pages;
    std::unique_ptr<VQAIWebWindowController> controller;
};

// Each partner checks its page address as it would: sign, data and cc recomputed from the
// address's own values, serial number, MAC address and time; a build without a refresh loads
// nothing; the window with its page is rendered.
TEST_F(AIWebWindowTest, PartnerPagesCarryValidAddresses)
{
    const int products[] = {523, 216, 229, 266, 209, 44};
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("523"));
    VQAIWebPageHost& host = showWindow();
    for (int product : products) {
        SCOPED_TRACE(product);
        VQUserInfoData::sharedInstance().setProductCode(QString::number(product));
        controller->refresh();
        const QUrl address(evaluate(host, QStringLiteral("location.href")).toString());
        EXPECT_EQ(StandInAIPageHost::checkAddress(address, product, QStringLiteral("SN2024A1"), mm::vq_getMacAddress(),
                                                  QStringLiteral("stand-in-token")),
                  QString())
            << address.toString().toStdString();
        EXPECT_EQ(evaluate(host, QStringLiteral("typeof handlInputValue")).toString(), QStringLiteral("function"));
    }

    const int requests = pages.server().requestCount();
    controller->initSubViews();
    vqtest::spin(500);
    EXPECT_EQ(pages.server().requestCount(), requests);

    vqtest::spin(500); // the engine draws a moment after the load
    const QString renders = QStringLiteral(VQ_BUILD_DIR "/renders");
    QDir().mkpath(renders);
    EXPECT_TRUE(controller->window()->grab().save(renders + QStringLiteral("/ai_web_window.png")));
}

// Text and ids reach the page functions unchanged, whatever quotes, backslashes, line breaks,
// closing script tags and line separators they hold.
TEST_F(AIWebWindowTest, PageCallsCarryTextUnchanged)
{
    const QString awkward = QStringLiteral("don't \"quote\" \\ back\nline </script> ") + QChar(0x2028) + QStringLiteral(" end");
    VQAIWebPageHost& host = showWindow();
    controller->requestChatGPT(awkward);
    controller->requestChatGPTWithHelperID(QStringLiteral("fileChange"), QString());
    controller->requestChatGPTWithHelperID(awkward, awkward);

    const QJsonArray calls = recordedCalls(host);
    ASSERT_EQ(calls.size(), 3) << QJsonDocument(calls).toJson().toStdString();
    EXPECT_EQ(calls[0].toArray(), (QJsonArray{QStringLiteral("handlInputValue"), awkward, 2}));
    EXPECT_EQ(calls[1].toArray(), (QJsonArray{QStringLiteral("handlHelperInput"), QStringLiteral("fileChange"), QString(), 2}));
    EXPECT_EQ(calls[2].toArray(), (QJsonArray{QStringLiteral("handlHelperInput"), awkward, awkward, 2}));
}

// The program's own page, in the UI language and its direction, names a helper request as such (its
// id is a code, not words) and asks to connect the device only while none is, also as it changes.
TEST_F(AIWebWindowTest, OwnPageShowsHelperRequestsAndWhatToDoNow)
{
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("7"));
    VQLanguageManager::sharedInstance().setUiLanguageIndex(int(VQLanguageManager::uiLanguageCodes().indexOf(QStringLiteral("AR_EG"))));
    VQAIWebPageHost& host = showWindow();
    evaluate(host, QStringLiteral("handlHelperInput('aiImg','',2); handlHelperInput('og8n92sxc6jd_v1','a cat',2); 1"));
    const QString shown = evaluate(host, QStringLiteral("document.getElementById('questions').innerText")).toString();
    EXPECT_EQ(evaluate(host, QStringLiteral("document.querySelectorAll('#questions .helper').length")).toInt(), 2);
    EXPECT_FALSE(shown.contains(QStringLiteral("aiImg")) || shown.contains(QStringLiteral("og8n92sxc6jd_v1"))) << shown.toStdString();
    const auto notice = [&] { return evaluate(host, QStringLiteral("document.getElementById('notice').textContent")).toString(); };
    const QString connected = notice();
    VQUserInfoData::sharedInstance().setIsConnect(false);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUSBRemoveNotification));
    EXPECT_NE(notice(), connected);
    EXPECT_TRUE(connected.isRightToLeft() && shown.isRightToLeft());
    EXPECT_EQ(evaluate(host, QStringLiteral("document.documentElement.dir")).toString(), QStringLiteral("rtl"));
    VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
}

// window.open of an http address reaches the desktop opener and opens no window; a file address
// carrying "http://" in its query does not.
TEST_F(AIWebWindowTest, NewWindowsGoToTheBrowserOnlyForWebAddresses)
{
    FakeDesktopOpener opener;
    VQAIWebPageHost& host = showWindow();
    evaluate(host, QStringLiteral("window.open('file:///x?u=http://y'); window.open('http://example.test/a?b=1'); 1"));
    ASSERT_TRUE(waitUntil([&] { return !opener.opened.isEmpty(); }, kPageTimeoutMs));
    vqtest::spin(300);
    EXPECT_EQ(opener.opened, (QList<QUrl>{QUrl(QStringLiteral("http://example.test/a?b=1"))}));
}

// A clicked .xlsx link: progress tips first, then the bytes exactly where the chooser said and the
// completion tip; Cancel writes nothing; a cut download tips failure and opens no dialog.
TEST_F(AIWebWindowTest, LinkDownloadsAreSavedWholeOrNotAtAll)
{
    QTemporaryDir target;
    FakeFileChooser chooser;
    VQAIWebPageHost& host = showWindow();

    chooser.answer = target.filePath(QStringLiteral("chosen.xlsx"));
    QStringList tips;
    evaluate(host, QStringLiteral("document.getElementById('slow').click(); 1"));
    ASSERT_TRUE(waitUntil(
        [&] {
            if (!tipText().isEmpty() && (tips.isEmpty() || tips.last() != tipText()))
                tips << tipText();
            return tipText() == loc("下载完成");
        },
        kPageTimeoutMs))
        << tips.join(QLatin1Char('|')).toStdString();
    QFile saved(chooser.answer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), StandInAIPageHost::trickleBytes());
    EXPECT_EQ(chooser.proposedNames.size(), 1);
    EXPECT_TRUE(tips.first().startsWith(loc("已下载%1%").arg(QString()).chopped(1))) << tips.join(QLatin1Char('|')).toStdString();

    chooser.answer.clear();
    VQPopupWindowTool::sharedInstance().tipWindow()->closeTip();
    evaluate(host, QStringLiteral("document.getElementById('xlsx').click(); 1"));
    ASSERT_TRUE(waitUntil([&] { return chooser.proposedNames.size() == 2; }, kPageTimeoutMs));
    vqtest::spin(300);
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files), QStringList{QStringLiteral("chosen.xlsx")});

    evaluate(host, QStringLiteral("document.getElementById('cut').click(); 1"));
    ASSERT_TRUE(waitUntil([&] { return tipText().startsWith(loc("下载失败，error=%1").arg(QString())); }, kPageTimeoutMs))
        << tipText().toStdString();
    EXPECT_EQ(chooser.proposedNames.size(), 2);
}

// A script navigation or a form that sends its fields in the address, to a picture or a markdown
// text (also one the server calls a web page), is fetched once, saved through the chooser and
// leaves the AI page in place; one to a web page shows it. The navigations and loads reach the
// daily log file.
TEST_F(AIWebWindowTest, ScriptAndFormNavigationsToFilesAreSavedAndTheAIPageStays)
{
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, '\x42');
    pages.server().setReply(QStringLiteral("/files/picture.png"), vqtest::StandInReply::text(png, "image/png"));
    pages.server().setReply(QStringLiteral("/files/notes.md"), vqtest::StandInReply::text("# notes\n", "text/markdown"));
    pages.server().setReply(QStringLiteral("/files/page.md"), vqtest::StandInReply::html(200, "<p>a page</p>"));
    pages.server().setReply(QStringLiteral("/next.html"), vqtest::StandInReply::html(200, "<p id=next>next page</p>"));
    QTemporaryDir target;
    FakeFileChooser chooser;
    VQAIWebPageHost& host = showWindow();
    const std::pair<const char*, QByteArray> rows[] = {
        {"location.href = '/files/picture.png'; 'picture.png'", png},
        {"var f = document.createElement('form'); f.action = '/files/notes.md'; f.method = 'get';"
         "var i = document.createElement('input'); i.name = 'q'; i.value = 'a b'; f.appendChild(i);"
         "document.body.appendChild(f); f.submit(); 'notes.md'",
         "# notes\n"},
        {"location.href = '/files/page.md'; 'page.md'", "<p>a page</p>"},
    };
    for (const auto& [script, bytes] : rows) {
        SCOPED_TRACE(script);
        chooser.answer = target.filePath(QString::number(chooser.proposedNames.size()));
        const QString savedAs = evaluate(host, QString::fromLatin1(script)).toString();
        QFile saved(chooser.answer);
        ASSERT_TRUE(waitUntil([&] { return saved.size() == bytes.size(); }, kPageTimeoutMs));
        EXPECT_EQ(chooser.proposedNames.last(), savedAs);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), bytes);
        EXPECT_EQ(evaluate(host, QStringLiteral("typeof handlInputValue")).toString(), QStringLiteral("function"));
    }

    // A web page is shown as the script asked.
    evaluate(host, QStringLiteral("location.href = '/next.html'; 1"));
    ASSERT_TRUE(waitUntil([&] { return evaluate(host, QStringLiteral("!!document.getElementById('next')")).toBool(); }, kPageTimeoutMs));
    EXPECT_EQ(chooser.proposedNames.size(), 3);
    const QList<vqtest::StandInRequest> requests = pages.server().requests();
    EXPECT_EQ(std::count_if(requests.begin(), requests.end(), [](const vqtest::StandInRequest& r) { return r.path.startsWith(QLatin1String("/files/")); }), 3);
    VQToolManager::waitForLogWorker();
    QFile logFile(VQToolManager::getFilePath(QDate::currentDate().toString(QStringLiteral("'/Log/'yyyy-MM-dd'_log.txt'"))));
    const QString log = logFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(logFile.readAll()) : QString();
    EXPECT_TRUE(log.contains(QStringLiteral("decidePolicyForNavigationAction:") + pages.url(QStringLiteral("/files/picture.png"))))
        << log.right(2000).toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("didFinishNavigation:") + pages.url(QStringLiteral("/next.html")))) << log.right(2000).toStdString();
}

// A script navigation to a one-time address (a sign-in callback) is fetched once and shown; the
// page's console, flooded, stays within the page's bound; no token of an address, the console's
// script source included, reaches the rolling log or the daily log file.
TEST_F(AIWebWindowTest, OneTimeAddressesLoadAndTheirTokensStayOutOfTheLogs)
{
    QTemporaryDir logs;
    ASSERT_TRUE(mm::setupLogging(logs.path()));
    pages.server().setReply(QStringLiteral("/noisy.js"), vqtest::StandInReply::text(
        "for (var i = 0; i < 300; ++i) console.error('step ' + i + ' of ' + location.origin + '/cb?token=TOK-in-text');",
        "text/javascript"));
    pages.server().setReply(QStringLiteral("/noisy"), vqtest::StandInReply::html(200, "<script src='/noisy.js?sig=SIG-of-script'></script>"));
    int onceFetches = 0;
    pages.server().setResponder(QStringLiteral("/signin/callback"), [&onceFetches](const vqtest::StandInRequest&) {
        return ++onceFetches == 1 ? vqtest::StandInReply::html(200, "<p id=in>signed in</p>")
                                  : vqtest::StandInReply::html(410, "<p id=used>link used up</p>");
    });
    VQAIWebPageHost& host = showWindow();
    evaluate(host, QStringLiteral("location.href = '/noisy'; 1"));
    ASSERT_TRUE(waitUntil([&] { return evaluate(host, QStringLiteral("location.pathname")).toString() == QStringLiteral("/noisy"); }, kPageTimeoutMs));
    evaluate(host, QStringLiteral("location.href = '/signin/callback?code=ONCE-code&state=2'; 1"));
    ASSERT_TRUE(waitUntil([&] { return evaluate(host, QStringLiteral("!!document.getElementById('in') || !!document.getElementById('used')")).toBool(); },
                          kPageTimeoutMs));
    EXPECT_TRUE(evaluate(host, QStringLiteral("!!document.getElementById('in')")).toBool());
    EXPECT_EQ(onceFetches, 1);

    // The second of the flood ends: its dropped lines are counted.
    ASSERT_TRUE(vqtest::waitUntil([this] { return !controller->hasDropsToLog(); }, 3000));
    VQToolManager::waitForLogWorker();
    mm::flushLogs();
    QString rolling;
    for (const QString& name : QDir(logs.path()).entryList(QDir::Files)) {
        QFile file(QDir(logs.path()).filePath(name));
        rolling += file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    mm::setupLogging(mm::defaultLogDirectory());
    QFile dailyFile(VQToolManager::getFilePath(QDate::currentDate().toString(QStringLiteral("'/Log/'yyyy-MM-dd'_log.txt'"))));
    const QString daily = dailyFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(dailyFile.readAll()) : QString();
    for (const QString& log : {rolling, daily}) {
        EXPECT_TRUE(log.contains(QStringLiteral("page console: step 0 of ") + pages.url(QStringLiteral("/cb"))));
        // Each console line is logged or counted as dropped, and some were dropped.
        int dropped = 0;
        for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("(\\d+) messages dropped")).globalMatch(log))
            dropped += m.captured(1).toInt();
        EXPECT_GT(dropped, 0);
        EXPECT_EQ(log.count(QStringLiteral("page console: step")) + dropped, 300);
        for (const char* secret : {"TOK-in-text", "SIG-of-script", "ONCE-code"})
            EXPECT_FALSE(log.contains(QLatin1String(secret))) << secret << "\n" << log.right(3000).toStdString();
    }
}

class RecordingReader : public VQReadFileViewDelegate {
public:
    Qt::DropAction queryDragOperation(const QList<QUrl>&) override { return Qt::LinkAction; }
    void receivedFileUrlList(const QList<QUrl>& urls) override { received.append(urls); }
    QList<QUrl> received;
};

// The plugin's web views: the drop-taking one answers drags by the program's rules, on itself and
// on the engine's widget inside it alike; the plain window shows its page (rendered). The AI
// window's presentation tab takes the page's place and gives it back.
TEST_F(AIWebWindowTest, WebViewsTakeDropsByTheRulesAndShowTheirPages)
{
    VQAIWebPageHost& host = showWindow();
    controller->changeWebBtnClicked(controller->pptBtn());
    EXPECT_TRUE(host.isPptWebViewShown());
    controller->changeWebBtnClicked(controller->aiBtn());
    EXPECT_EQ(evaluate(host, QStringLiteral("typeof handlInputValue")).toString(), QStringLiteral("function"));

    VQNewWebWindowController plain;
    ASSERT_NE(plain.window(), nullptr);
    ASSERT_NE(plain.webView(), nullptr);
    RecordingReader reader;
    VQAIWebView* drop = VQAIWebHostLoader::createDropWebView(VQWKWebViewDrop::rulesFor(&reader), plain.window());
    ASSERT_NE(drop, nullptr);
    QSignalSpy loaded(plain.webView()->widget(), SIGNAL(loadFinished(bool)));
    QSignalSpy dropLoaded(drop->widget(), SIGNAL(loadFinished(bool)));
    plain.webView()->load(QUrl(pages.url()));
    drop->load(QUrl(pages.url()));
    plain.window()->show();
    ASSERT_TRUE(waitUntil([&] { return !loaded.isEmpty() && !dropLoaded.isEmpty(); }, kPageTimeoutMs));
    QWidget* engineWidget = drop->widget()->focusProxy();
    ASSERT_NE(engineWidget, nullptr);

    const QUrl file = QUrl::fromLocalFile(QStringLiteral("/tmp/a b.docx"));
    struct Row {
        QWidget* target;
        QList<QUrl> urls;
        Qt::DropActions allowed;
        Qt::DropAction taken; // IgnoreAction: refused
    };
    const Row rows[] = {{drop->widget(), {file}, Qt::CopyAction, Qt::CopyAction},
                        {engineWidget, {file}, Qt::CopyAction | Qt::LinkAction, Qt::LinkAction},
                        {engineWidget, {QUrl(QStringLiteral("http://x.test/a"))}, Qt::CopyAction, Qt::IgnoreAction},
                        {engineWidget, {file}, Qt::MoveAction, Qt::IgnoreAction}};
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.allowed));
        reader.received.clear();
        QMimeData data;
        data.setUrls(row.urls);
        QDragEnterEvent enter(QPoint(10, 10), row.allowed, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(row.target, &enter);
        EXPECT_EQ(enter.isAccepted() ? enter.dropAction() : Qt::IgnoreAction, row.taken);
        QDropEvent dropped(QPointF(10, 10), row.allowed, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(row.target, &dropped);
        EXPECT_EQ(dropped.isAccepted(), row.taken != Qt::IgnoreAction);
        EXPECT_EQ(reader.received, row.taken != Qt::IgnoreAction ? row.urls : QList<QUrl>());
    }
    drop->widget()->hide();
    vqtest::spin(500); // the engine draws a moment after the load
    EXPECT_TRUE(plain.window()->grab().save(QStringLiteral(VQ_BUILD_DIR "/renders/new_web_window.png")));
}

// The plugin's own promises, on a bare host: scripts sent while a page loads run after it in
// order, and a message the page posts before the channel is up still arrives.
TEST_F(AIWebWindowTest, HostQueuesScriptsAndEarlyMessages)
{
    std::unique_ptr<VQAIWebPageHost> host(VQAIWebHostLoader::createHost());
    ASSERT_NE(host, nullptr);
    QStringList messages;
    VQAIWebPageHost::Handlers handlers;
    handlers.scriptMessage = [&](const QString& name, const QString& body) { messages << name + QLatin1Char(':') + body; };
    host->setHandlers(handlers);
    pages.server().setReply(QStringLiteral("/early"),
                            vqtest::StandInReply::html(200, "<script>window.order=[];"
                                                            "window.webkit.messageHandlers.fileSelected.postMessage({a:[1,'x']});"
                                                            "</script><p>early</p>"));
    host->load(QUrl(pages.url(QStringLiteral("/early"))));
    host->runJavaScript(QStringLiteral("window.order.push(1)"));
    host->runJavaScript(QStringLiteral("window.order.push(2)"));
    EXPECT_EQ(evaluate(*host, QStringLiteral("window.order.join(',')")).toString(), QStringLiteral("1,2"));
    ASSERT_TRUE(waitUntil([&] { return !messages.isEmpty(); }, kPageTimeoutMs));
    EXPECT_EQ(messages, QStringList{QStringLiteral("fileSelected:{\"a\":[1,\"x\"]}")});
}

} // namespace
