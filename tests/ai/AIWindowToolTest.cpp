// The AI window front and its controller over a fake page host: helper keys, the window flag,
// page calls in order, downloads through the save dialog, and what new windows may open.
#include "AppDelegate.h"
#include "FakeAIWebPageHost.h"
#include "FakeClipboard.h"
#include "FakeDesktopOpener.h"
#include "FakeFileChooser.h"
#include "StandInHttpServer.h"
#include "NotificationCenter.h"
#include "TestSupport.h"
#include "VQAIWebHostLoader.h"
#include "VQAIWebWindowController.h"
#include "VQAIWindowTool.h"
#include "VQApiConfig.h"
#include "VQAudioMonitorService.h"
#include "VQDeviceEvents.h"
#include "VQKeyPressManager.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"
#include "VQToolManager.h"
#include "VQButton.h"
#include "VQTextField.h"
#include "VQUserInfoData.h"

#include <QDate>
#include <QDir>
#include <QScreen>
#include <QFile>
#include <QJsonDocument>
#include <QLayout>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AIWindowToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VQUserInfoData::resetForTests();
        VQDeviceEvents::resetForTests();
        VQKeyPressManager::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQAIWindowTool::resetForTests();
        VQAIWebHostLoader::setRunningAsRootForTests(false);
        VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("7"));
        VQUserInfoData::sharedInstance().setChatGPTURL(QStringLiteral("http://srv.test/chat"));
        VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::DevicePageHost, QStringLiteral("https://www.maker.test"));
        VQAIWebHostLoader::setFactoryForTests([this] {
            host = new FakeAIWebPageHost();
            return host;
        });
        VQDeviceEvents::setHidCallback([this](int code) { codes.append(code); });
        VQDeviceEvents::setRecognitionRunningHook([this] { return recognising; });
        delegate = std::make_unique<AppDelegate>();
        // As the device link does once the voice chip's token arrived: the page waits for the first show.
        VQAIWindowTool::sharedInstance().initSubViews();
    }

    void TearDown() override
    {
        VQAIWindowTool::resetForTests();
        VQAIWebHostLoader::setFactoryForTests({});
        VQDeviceEvents::resetForTests();
        VQApiConfig::resetForTests();
        VQPopupWindowTool::resetForTests();
        delegate.reset();
    }

    static QString lastTip() { return VQPopupWindowTool::sharedInstance().tipWindow()->text(); }
    static VQAIWindowTool& tool() { return VQAIWindowTool::sharedInstance(); }

    FakeAIWebPageHost* host = nullptr; // owned by the controller
    QList<int> codes;
    bool recognising = false;
    std::unique_ptr<AppDelegate> delegate;
};

TEST_F(AIWindowToolTest, HelperKeysOpenAHelperAndToggleASpokenRequest)
{
    tool().handleAiKey(0x8B);
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(delegate->isShowAIWindow());
    EXPECT_EQ(VQUserInfoData::sharedInstance().keyAction(), 18);
    EXPECT_EQ(host->scripts.last(), QStringLiteral(R"(handlHelperInput("fileChange","",2))"));
    EXPECT_EQ(tool().helperId(), QStringLiteral("fileChange"));

    // The next recognised text goes to the pending helper, the one after as a plain question.
    tool().requestChatGPT(QStringLiteral("don't"));
    tool().requestChatGPT(QStringLiteral("next"));
    EXPECT_EQ(host->scripts.mid(1), (QStringList{QStringLiteral(R"(handlHelperInput("fileChange","don't",2))"),
                                                 QStringLiteral(R"(handlInputValue("next",2))")}));
    EXPECT_TRUE(tool().helperId().isEmpty());

    // Two toggles start and stop one recognition, whatever the key says.
    tool().handleAiKey(0x86);
    recognising = true;
    tool().handleAiKey(0x86);
    EXPECT_EQ(codes, (QList<int>{33, 34}));
    EXPECT_EQ(VQKeyPressManager::sharedInstance().lastPressType(), 0);
    // Another voice function running: the window shows and nothing else changes.
    VQKeyPressManager::sharedInstance().setLastPressType(35);
    tool().handleAiKey(0x87);
    EXPECT_EQ(codes, (QList<int>{33, 34}));
    EXPECT_EQ(VQKeyPressManager::sharedInstance().lastPressType(), 35);
    // An empty text while a helper waits is a plain question and clears it.
    tool().requestChatGPT(QString());
    EXPECT_EQ(host->scripts.last(), QStringLiteral(R"(handlInputValue("",2))"));
    EXPECT_TRUE(tool().helperId().isEmpty());
}

TEST_F(AIWindowToolTest, TheFlagFollowsTheWindowAndPagesAreBuiltOnceAtTheFirstShow)
{
    tool().initSubViews();
    EXPECT_EQ(host, nullptr) << "no web engine before the first show";
    tool().requestChatGPT(QStringLiteral("early"));
    tool().showInWindow();
    ASSERT_NE(host, nullptr);
    ASSERT_EQ(host->loads.size(), 1);
    tool().requestChatGPTWithHelperID(QStringLiteral("xml"), QStringLiteral("c"));
    tool().webWindow().initSubViews();
    ASSERT_EQ(host->events.size(), 2);
    EXPECT_TRUE(host->events.at(0).startsWith(QStringLiteral("load http://"))) << host->events.at(0).toStdString();
    EXPECT_EQ(host->events.at(1), QStringLiteral(R"(js handlHelperInput("xml","c",2))"));
    EXPECT_TRUE(delegate->isShowAIWindow());

    // Closing the window by any means clears the flag, so dictation is typed again.
    host->window()->close();
    EXPECT_FALSE(delegate->isShowAIWindow());
    tool().showInWindow();
    EXPECT_TRUE(delegate->isShowAIWindow());
    host->window()->hide();
    EXPECT_FALSE(delegate->isShowAIWindow());

    // A change of UI language rebuilds; the front's initSubViews rebuilds and hides.
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
    EXPECT_EQ(host->loads.size(), 2);
    tool().showInWindow();
    tool().initSubViews();
    EXPECT_EQ(host->loads.size(), 3);
    EXPECT_FALSE(host->window()->isVisible());
    EXPECT_FALSE(delegate->isShowAIWindow());

    // Dictation while the window shows goes into its page (as the program wires the hub); once
    // the window is closed it is typed into the focused application again.
    FakeClipboard clipboard;
    VQAudioMonitorService& hub = VQAudioMonitorService::sharedInstance();
    hub.setAiWindowHook([](const QString& text) { VQAIWindowTool::sharedInstance().requestChatGPT(text); });
    VQUserInfoData::sharedInstance().setKeyAction(VQAIWindowTool::kAiKeyAction);
    tool().showInWindow();
    const qsizetype eventsBefore = host->events.size();
    hub.copyAndPasteResult(QStringLiteral("dictated"));
    ASSERT_EQ(host->events.size(), eventsBefore + 1);
    EXPECT_TRUE(host->events.last().contains(QStringLiteral("\"dictated\""))) << host->events.last().toStdString();
    host->window()->close();
    hub.copyAndPasteResult(QStringLiteral("typed"));
    EXPECT_EQ(host->events.size(), eventsBefore + 1) << "nothing more reaches the closed page";
    EXPECT_EQ(clipboard.text(), QStringLiteral("typed"));
    hub.setAiWindowHook({});
}

TEST_F(AIWindowToolTest, DownloadsAreSavedWholeWhereTheUserChose)
{
    FakeFileChooser chooser;
    QTemporaryDir target;
    ASSERT_TRUE(target.isValid());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    QFile same(QDir(documents).filePath(QStringLiteral("t.xlsx")));
    ASSERT_TRUE(same.open(QIODevice::WriteOnly));
    same.write("keep");
    same.close();
    tool().showInWindow();
    ASSERT_NE(host, nullptr);
    const QByteArray bytes = QByteArray(300000, 'x') + QByteArray("\0end", 4);

    struct Row {
        const char* what;
        const char* mime;
        bool complete;
        bool cancel;
        const char* tip;
    };
    const Row rows[] = {
        {"spreadsheet saved", "application/vnd.ms-excel", true, false, "下载完成"},
        {"other type saved", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet", true, false, "导出完成"},
        {"cancelled", "application/vnd.ms-excel", true, true, nullptr},
        {"interrupted", "application/vnd.ms-excel", false, false, "下载失败，error=cut"},
    };
    quint32 id = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        VQPopupWindowTool::resetForTests();
        const QString destination = target.filePath(QStringLiteral("out%1.xlsx").arg(++id));
        chooser.answer = row.cancel ? QString() : destination;
        const int asked = chooser.proposedNames.size();
        VQAIWebPageHost::Download download;
        download.id = id;
        download.url = QUrl(QStringLiteral("http://h.test/files/t.xlsx?sig=1"));
        download.mimeType = QString::fromLatin1(row.mime);
        download.suggestedFileName = QStringLiteral("../t.xlsx");
        const QString path = host->handlers.downloadRequested(download);
        ASSERT_FALSE(path.isEmpty());
        EXPECT_FALSE(path.startsWith(documents));
        QFile part(path);
        ASSERT_TRUE(part.open(QIODevice::WriteOnly));
        part.write(bytes.left(1000));
        part.flush();
        // All received, told once by the end ("100%"), not by a progress tip too.
        host->handlers.downloadProgress(id, bytes.size(), bytes.size());
        EXPECT_EQ(lastTip(), QString());
        EXPECT_EQ(chooser.proposedNames.size(), asked) << "no dialog before the download is complete";
        part.write(bytes.mid(1000));
        part.close();
        host->handlers.downloadFinished(id, row.complete, row.complete ? QString() : QStringLiteral("cut"));
        EXPECT_EQ(chooser.proposedNames.size(), asked + (row.complete ? 1 : 0));
        if (row.complete) {
            EXPECT_EQ(chooser.proposedNames.last(), QStringLiteral("t.xlsx"));
            // In the user's download folder, made when missing (else the dialog shows the working folder).
            EXPECT_EQ(chooser.proposedFolders.last(), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
            EXPECT_TRUE(QFileInfo(chooser.proposedFolders.last()).isDir());
        }
        QFile saved(destination);
        if (row.complete && !row.cancel) {
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            EXPECT_EQ(saved.readAll(), bytes);
        } else {
            EXPECT_FALSE(saved.exists());
        }
        if (row.tip) {
            EXPECT_EQ(lastTip(), QString::fromUtf8(row.tip));
        }
        EXPECT_FALSE(QFileInfo::exists(path)) << "nothing left behind";
        EXPECT_FALSE(QFileInfo::exists(QFileInfo(path).path()));
    }
    ASSERT_TRUE(same.open(QIODevice::ReadOnly));
    EXPECT_EQ(same.readAll(), QByteArray("keep"));
}

// The question bar and the tabs, hidden as the window loads them: each control's page call in
// order, the field emptied by a question, Return sending nothing; the bar is rendered.
TEST_F(AIWindowToolTest, TheHiddenQuestionBarCallsThePage)
{
    tool().showInWindow();
    ASSERT_NE(host, nullptr);
    VQAIWebWindowController& web = tool().webWindow();
    EXPECT_FALSE(web.bottomView()->isVisible() || web.aiBtn()->isVisible() || web.pptBtn()->isVisible());
    EXPECT_EQ(web.questionTextField()->placeholderText(), QStringLiteral("请输入内容"));
    web.changeWebBtnClicked(web.pptBtn());
    EXPECT_TRUE(host->pptWebViewShown);
    web.changeWebBtnClicked(web.aiBtn());
    EXPECT_FALSE(host->pptWebViewShown);
    const qsizetype before = host->scripts.size();
    web.slider()->setValue(99);
    web.contextBtn()->performClick();
    web.contextBtn()->performClick();
    web.clearBtn()->performClick();
    web.questionTextField()->setText(QStringLiteral("it's"));
    QTest::keyClick(web.questionTextField(), Qt::Key_Return);
    web.sendBtn()->performClick();
    web.sendBtn()->performClick();
    EXPECT_EQ(host->scripts.mid(before), (QStringList{"fontSizeChange(50)", "switchChange(1)", "switchChange(2)", "clearBox()",
                                                      R"(handlInputValue("it's",2))", R"(handlInputValue("",2))"}));
    web.questionTextField()->setText(QStringLiteral("问一个问题"));
    web.bottomView()->layout()->activate();
    QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders"));
    EXPECT_TRUE(web.bottomView()->grab().save(QStringLiteral(VQ_BUILD_DIR "/renders/ai_question_bar.png")));
}

// A page's downloadFile message: the file is fetched into a private folder under a bare name (a
// name from the page reaches nowhere else, a file of the user's is neither replaced nor removed)
// and saved where the user chose; a failed fetch is told.
TEST_F(AIWindowToolTest, DownloadFileMessagesAreFetchedPrivatelyAndSaved)
{
    vqtest::StandInHttpServer files;
    ASSERT_TRUE(files.listen());
    files.setReply(QStringLiteral("/f/r.docx"), vqtest::StandInReply::text("report", "application/octet-stream"));
    FakeFileChooser chooser;
    QTemporaryDir target;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    QFile mine(QDir(documents).filePath(QStringLiteral("r.docx")));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly) && mine.write("keep") == 4);
    mine.close();
    tool().showInWindow();
    ASSERT_NE(host, nullptr);
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"r.docx", "/f/r.docx", "导出完成"}, {"../../r.docx", "/f/r.docx", "导出完成"}, {"x.docx", "/f/none", "导出失败，error=HTTP 404"}};
    for (const auto& [name, path, tipText] : rows) {
        SCOPED_TRACE(name);
        VQPopupWindowTool::resetForTests();
        const int asked = chooser.proposedNames.size();
        chooser.answer = target.filePath(QString::number(asked));
        const QJsonObject body{{"content", files.url(QString::fromLatin1(path))}, {"name", QString::fromLatin1(name)}};
        host->handlers.scriptMessage(QStringLiteral("downloadFile"), QString::fromUtf8(QJsonDocument(body).toJson()));
        ASSERT_TRUE(vqtest::waitUntil([&] { return lastTip() == QString::fromUtf8(tipText); })) << lastTip().toStdString();
        const bool saved = QString::fromLatin1(path) == QLatin1String("/f/r.docx");
        EXPECT_EQ(chooser.proposedNames.size(), asked + (saved ? 1 : 0));
        QFile copy(chooser.answer);
        EXPECT_EQ(copy.open(QIODevice::ReadOnly) ? copy.readAll() : QByteArray(), saved ? QByteArray("report") : QByteArray());
        if (saved)
            EXPECT_EQ(chooser.proposedNames.last(), QStringLiteral("r.docx"));
    }
    EXPECT_FALSE(QFileInfo::exists(QDir(documents).filePath(QStringLiteral("../../r.docx"))));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), QByteArray("keep"));
}

TEST_F(AIWindowToolTest, NewWindowsOpenOnlyWebAddressesAndTheDevicePageOpensTheApp)
{
    FakeDesktopOpener opener;
    FakeFileChooser chooser;
    chooser.openAnswer = {QStringLiteral("/tmp/a.txt")};
    tool().showInWindow();
    ASSERT_NE(host, nullptr);
    host->handlers.newWindowRequested(QUrl(QStringLiteral("http://y.test/a")));
    host->handlers.newWindowRequested(QUrl(QStringLiteral("file:///x?u=http://y")));
    EXPECT_EQ(opener.opened, (QList<QUrl>{QUrl(QStringLiteral("http://y.test/a"))}));

    VQUserInfoData::sharedInstance().setIsConnect(false);
    host->handlers.newWindowRequested(QUrl(QStringLiteral("https://www.maker.test/device?id=1")));
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(lastTip(), QStringLiteral("设备未连接"));

    // The page asking for files may get several, whatever it asked.
    QStringList given;
    host->handlers.chooseFiles(false, [&given](const QStringList& paths) { given = paths; });
    EXPECT_EQ(chooser.openRequests, (QList<bool>{true}));
    EXPECT_EQ(given, chooser.openAnswer);
}

// The window opens whole on its screen (800 x 600 offscreen): a larger one is shrunk to the free
// area and one placed beyond it comes back; a smaller one keeps its size.
TEST_F(AIWindowToolTest, TheWindowOpensWholeOnItsScreen)
{
    tool().showInWindow();
    ASSERT_NE(host, nullptr);
    QWidget* window = host->window();
    const QRect free = window->screen()->availableGeometry();
    const std::pair<QRect, bool> rows[] = { { QRect(0, 0, 1100, 760), false }, { QRect(free.right() - 50, 100, 300, 200), true }, { QRect(10, 10, 300, 200), true } };
    for (const auto& [wanted, keepsSize] : rows) {
        SCOPED_TRACE(wanted.width());
        window->hide();
        window->setGeometry(wanted);
        tool().showInWindow();
        EXPECT_TRUE(free.contains(window->frameGeometry())) << window->frameGeometry().width() << "x" << window->frameGeometry().height();
        if (keepsSize)
            EXPECT_EQ(window->size(), wanted.size());
    }
}

TEST_F(AIWindowToolTest, WithoutAWebEngineShowingTellsTheUser)
{
    VQAIWebHostLoader::setFactoryForTests([] { return nullptr; });
    tool().showInWindow();
    EXPECT_FALSE(delegate->isShowAIWindow());
    EXPECT_EQ(lastTip(), QStringLiteral("AI窗口无法打开"));
}

// The page's log lines: addresses without their query, and a page posting without end
// leaves a bounded log: each message cut, the excess counted in "n messages dropped" lines.
TEST_F(AIWindowToolTest, PageLogLinesCarryNoQueryAndAreBounded)
{
    const QString logPath = VQToolManager::getFilePath(QDate::currentDate().toString(QStringLiteral("'/Log/'yyyy-MM-dd'_log.txt'")));
    QFile::remove(logPath);
    tool().showInWindow();
    ASSERT_TRUE(host && host->loads.value(0).hasQuery());
    for (int i = 0; i < 300; ++i) {
        host->handlers.scriptMessage("fileSelected", QString(20000, u'm'));
        if (i == 0)
            host->handlers.navigationRequested(QUrl(QStringLiteral("http://srv.test/next")), QStringLiteral("script"), true);
    }
    // The last second of messages ends and its drops are counted.
    ASSERT_TRUE(vqtest::waitUntil([] { return !tool().webWindow().hasDropsToLog(); }, 3000));
    VQToolManager::waitForLogWorker();
    QFile file(logPath);
    const QStringList lines = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n') : QStringList();
    // The lines keep the order of their events.
    EXPECT_GT(lines.indexOf(QRegularExpression(".*decidePolicyForNavigationAction:http://srv.test/next.*")),
              lines.indexOf(QRegularExpression(".*didReceiveScriptMessage:fileSelected.*")));
    EXPECT_EQ(lines.filter("加载AI：").value(0).section(u' ', 2), "加载AI：http://srv.test/chat");
    const QStringList messages = lines.filter("didReceiveScriptMessage:fileSelected");
    int dropped = 0;
    for (const QString& line : lines.filter(QRegularExpression(" \\d+ messages dropped$")))
        dropped += line.section(u' ', -3, -3).toInt();
    EXPECT_TRUE(dropped > 0 && messages.size() + dropped == 300) << dropped << " " << messages.size();
    for (const QString& line : messages)
        EXPECT_LE(line.size(), 30 + VQAIWebWindowController::kMaxLoggedMessage);
}

// As root with the sandbox on, the web engine would end the program: the AI key only tells.
TEST_F(AIWindowToolTest, AsRootTheAiKeyOnlyTellsTheWindowCannotOpen)
{
    const QByteArray sandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    VQAIWebHostLoader::setRunningAsRootForTests(true);
    tool().handleAiKey(0x86);
    tool().handleAiKey(0x8B);
    if (!sandbox.isNull())
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandbox);
    EXPECT_TRUE(host == nullptr && codes.isEmpty() && tool().helperId().isEmpty() && !delegate->isShowAIWindow());
    EXPECT_EQ(lastTip(), VQAIWebWindowController::kRootText);
    EXPECT_NE(VQUserInfoData::sharedInstance().keyAction(), 18);
}

} // namespace

// The installed program takes the plugin from its install folder only, whatever the
// environment says; a program in its build tree from the build folder or the folder named.
TEST(AIWebHostLoaderTest, ThePluginComesFromTheInstallFolderUnlessRunFromTheBuildTree)
{
    const auto folder = [](const char* appDir, const char* variable) {
        return VQAIWebHostLoader::pluginFolder(appDir, "/b", "/b/plugins", "/usr/lib/cc", variable);
    };
    EXPECT_EQ(folder("/usr/bin", "/tmp/x"), "/usr/lib/cc");
    EXPECT_EQ(folder("/b-other/src", "/tmp/x"), "/usr/lib/cc");
    EXPECT_EQ(folder("/b/src", ""), "/b/plugins");
    EXPECT_EQ(folder("/b/src", "/tmp/x"), "/tmp/x");
}
