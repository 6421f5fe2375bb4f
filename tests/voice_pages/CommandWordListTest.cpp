// The command-word list: rows from the store, striped fillers, the read-only shortcut box, the
// device's list after a new device, and the delete confirmation.
#include "PagesFixture.h"

#include "CommandWordView.h"
#include "LogCapture.h"
#include "KeyShortcut.h"
#include "VQButton.h"
#include "VQCommandSyncService.h"
#include "VQLabel.h"
#include "VQRowTableView.h"
#include "VQShortcutRecorder.h"
#include "CommandWordRowView.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <sqlite3.h>

#include <memory>
#include <thread>

using namespace pagestest;

namespace {

class CommandWordListTest : public PagesFixture {
protected:
    std::unique_ptr<QWidget> showList()
    {
        auto host = std::make_unique<QWidget>();
        host->resize(800, 700);
        list = new CommandWordView(host.get());
        list->setGeometry(host->rect());
        host->show();
        return host;
    }
    // Waits for the first fetch of the custom list and the reload that follows.
    bool waitForRows(int filled)
    {
        return vqtest::waitUntil([&] {
            int count = 0;
            for (int r = 0; r < list->tableView()->rowCount(); ++r)
                count += list->cellAt(r)->model().has_value();
            return count == filled && requestsTo(QStringLiteral("/api/deviceCmd")) > 0;
        }, 10000);
    }
    QPushButton* confirmButton(const char* key) const
    {
        for (QAbstractButton* b : list->confirmBox()->buttons()) {
            if (b->text() == tr8(key))
                return static_cast<QPushButton*>(b);
        }
        return nullptr;
    }
    // The words of the rows that show a command.
    QStringList shownWords() const
    {
        QStringList out;
        for (int r = 0; r < list->tableView()->rowCount(); ++r) {
            if (list->cellAt(r)->model())
                out << list->cellAt(r)->wordLabel()->text();
        }
        return out;
    }
    static void setSerial(const char* sn) { VQUserInfoData::sharedInstance().mouseInfoItem().setSn(QString::fromLatin1(sn)); }
    CommandWordView* list = nullptr;
};

// Row counts never fall under ten; fillers show nothing; stripes alternate, the first tinted.
TEST_F(CommandWordListTest, RowsFollowTheStoreWithStripedFillers)
{
    struct Row {
        int commands;
        int rows;
    };
    const Row table[] = {{0, 10}, {3, 10}, {12, 12}};
    for (const Row& row : table) {
        SCOPED_TRACE(row.commands);
        held.clear();
        VQCommandViewModel::resetForTests();
        server.clearRequests();
        for (int i = 0; i < row.commands; ++i)
            held[QStringLiteral("SN-A")].append(item("text", QStringLiteral("词%1").arg(i), QStringLiteral("t%1").arg(i)));
        auto host = showList();
        ASSERT_TRUE(waitForRows(row.commands));
        ASSERT_EQ(list->tableView()->rowCount(), row.rows);
        for (int r = 0; r < row.rows; ++r) {
            CommandWordCellView* cell = list->cellAt(r);
            const bool filled = r < row.commands;
            EXPECT_EQ(cell->editBtn()->isVisibleTo(cell), filled) << r;
            EXPECT_EQ(cell->wordLabel()->isVisibleTo(cell), filled) << r;
            EXPECT_EQ(cell->typeImageView()->isVisibleTo(cell), filled) << r;
            if (filled) {
                EXPECT_EQ(cell->wordLabel()->text(), QStringLiteral("词%1").arg(r));
            }
        }
        // What the rows paint: an even row tinted, an odd row white.
        const QImage even = list->tableView()->rowViewAt(0)->grab().toImage();
        const QImage odd = list->tableView()->rowViewAt(1)->grab().toImage();
        EXPECT_EQ(even.pixelColor(2, 2), QColor(241, 244, 248));
        EXPECT_EQ(odd.pixelColor(2, 2), QColor(Qt::white));
        // No style sheet over the rows: its style keeps rule caches for every widget of every row.
        EXPECT_FALSE(list->cellAt(0)->editBtn()->style()->inherits("QStyleSheetStyle"));
        if (row.commands == 0)
            render(host.get(), QStringLiteral("command_list_empty"));
        // Add opens the editor over the host, also with no commands.
        list->addCommandBtn()->performClick();
        ASSERT_TRUE(list->editor());
        EXPECT_EQ(list->editor()->geometry(), host->rect());
        list->editor()->cancelBtnClicked();
    }
}

// Each type shows its own icon and its target; a shortcut shows its combination in a box that
// neither a click nor Backspace changes; an unreadable record shows no combination.
TEST_F(CommandWordListTest, EachTypeShowsItsTarget)
{
    const KeyShortcut ctrlAltK = KeyShortcut::fromQtKey(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    ASSERT_TRUE(ctrlAltK.isValid());
    held[QStringLiteral("SN-A")] = {
        item("file", QStringLiteral("报告"), QStringLiteral("file:///home/u/report.txt")),
        item("folder", QStringLiteral("文档"), QStringLiteral("file:///home/u/docs")),
        item("website", QStringLiteral("新闻"), QStringLiteral("https://news.example")),
        item("shortcuts", QStringLiteral("锁定"), ctrlAltK.toRecordJson()),
        item("text", QStringLiteral("签名"), QStringLiteral("Best regards")),
        item("shortcuts", QStringLiteral("坏的"), QStringLiteral("{\"modifierFlags\":1048576}")),
    };
    auto host = showList();
    ASSERT_TRUE(waitForRows(6));
    QList<QImage> icons;
    for (int r = 0; r < 5; ++r) {
        CommandWordCellView* cell = list->cellAt(r);
        const VQVoiceCommandItem& shown = *cell->model();
        const bool shortcut = shown.typeIndex() == VQVoiceCommandItem::kShortcutsIndex;
        EXPECT_EQ(cell->shortcutsView()->isVisibleTo(cell), shortcut) << r;
        EXPECT_EQ(cell->contentLabel()->isVisibleTo(cell), !shortcut) << r;
        if (!shortcut) {
            EXPECT_EQ(cell->contentLabel()->text(), shown.customName);
        }
        const QImage icon = cell->typeImageView()->pixmap().toImage();
        EXPECT_FALSE(icon.isNull()) << r;
        EXPECT_FALSE(icons.contains(icon)) << "icon of row " << r << " repeats another type's";
        icons.append(icon);
    }
    VQShortcutRecorder* box = list->cellAt(3)->shortcutsView();
    EXPECT_EQ(box->displayText(), ctrlAltK.displayText());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isRecording());
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->shortcutValue(), ctrlAltK);
    EXPECT_FALSE(list->cellAt(5)->shortcutsView()->shortcutValue().isValid());
    EXPECT_TRUE(list->cellAt(5)->shortcutsView()->displayText().isEmpty());
    render(host.get(), QStringLiteral("command_list_filled"));
}

// A new device's information: the program's sync service fetches its list; the view follows.
TEST_F(CommandWordListTest, NewDeviceFetchesItsList)
{
    held[QStringLiteral("SN-A")] = {item("text", QStringLiteral("甲"), QStringLiteral("a"))};
    held[QStringLiteral("SN-B")] = {item("text", QStringLiteral("乙"), QStringLiteral("b")),
                                    item("text", QStringLiteral("丙"), QStringLiteral("c"))};
    auto host = showList();
    ASSERT_TRUE(waitForRows(1));
    VQUserInfoData::sharedInstance().mouseInfoItem().setSn(QStringLiteral("SN-B"));
    VQCommandSyncService::sharedInstance().deviceInformationArrived();
    ASSERT_TRUE(vqtest::waitUntil([&] { return list->cellAt(1)->model().has_value(); }, 10000));
    EXPECT_EQ(list->cellAt(0)->wordLabel()->text(), QStringLiteral("乙"));
}

// "取消" sends nothing; "确定" deletes on the server and the row goes; a refusal is shown with the
// server's message and the row stays.
TEST_F(CommandWordListTest, DeleteAsksFirst)
{
    held[QStringLiteral("SN-A")] = {item("text", QStringLiteral("甲"), QStringLiteral("a")),
                                    item("text", QStringLiteral("乙"), QStringLiteral("b"))};
    auto host = showList();
    ASSERT_TRUE(waitForRows(2));
    const QString deletePath = QStringLiteral("/api/deleteDeviceCmd");

    list->cellAt(0)->delBtn()->performClick();
    ASSERT_TRUE(list->confirmBox());
    EXPECT_TRUE(list->confirmBox()->text().contains(QStringLiteral("甲")));
    EXPECT_EQ(list->confirmBox()->windowModality(), Qt::WindowModal);
    render(list->confirmBox(), QStringLiteral("command_delete_confirmation"));
    confirmButton("取消")->click();
    vqtest::spin(200);
    EXPECT_EQ(requestsTo(deletePath), 0);
    switchUiLanguage(2);
    list->cellAt(0)->delBtn()->performClick();
    ASSERT_TRUE(list->confirmBox());
    EXPECT_EQ(list->confirmBox()->text(), QString::fromUtf8("Delete the voice command \"甲\"?"));
    confirmButton("取消")->click();
    switchUiLanguage(0);
    ASSERT_TRUE(vqtest::waitUntil([&] { return !list->confirmBox(); }));

    struct Row {
        const char* name;
        bool refuse;
        QStringList heldAfter;
        QString firstRow;
        int errorCount;
    };
    const Row table[] = {
        {"refused", true, {"text:甲>a", "text:乙>b"}, QStringLiteral("甲"), 1},
        {"deleted", false, {"text:乙>b"}, QStringLiteral("乙"), 1},
    };
    int deletes = 0;
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        refuseDelete = row.refuse;
        ASSERT_TRUE(vqtest::waitUntil([&] { return !list->confirmBox(); }));
        list->cellAt(0)->delBtn()->performClick();
        ASSERT_TRUE(list->confirmBox());
        confirmButton("确定")->click();
        ASSERT_TRUE(waitForRequests(deletePath, ++deletes));
        ASSERT_TRUE(vqtest::waitUntil([&] {
            return list->cellAt(0)->wordLabel()->text() == row.firstRow && errors.size() == row.errorCount;
        }, 10000));
        EXPECT_EQ(heldWords(), row.heldAfter);
    }
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0].first, tr8("删除失败"));
    EXPECT_EQ(errors[0].second, QStringLiteral("不能删除"));
}

// An answer to a list request sent before a change confirmed here, or for the device connected
// before, never undoes what the user did: the page and the table keep it.
TEST_F(CommandWordListTest, LateListAnswersNeverUndoWhatTheUserDid)
{
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    const VQVoiceCommandItem old = item("text", QStringLiteral("旧"), QStringLiteral("o"));
    const std::tuple<const char*, std::function<void()>, QStringList> cases[] = {
        {"a create", [&] { store.requestCreateCustomizeCmd(item("text", QStringLiteral("新"), QStringLiteral("n"))); }, {"旧", "新"}},
        {"a delete", [&] { store.requestDeleteCustomizeCmd(old); }, {}},
        {"another device", [&] { setSerial("SN-B"); store.requestNetCustomizeCmdList(); }, {"乙"}},
    };
    for (const auto& [what, act, shown] : cases) {
        SCOPED_TRACE(what);
        held = {{QStringLiteral("SN-A"), {old}}, {QStringLiteral("SN-B"), {item("text", QStringLiteral("乙"), QStringLiteral("b"))}}};
        setSerial("SN-A");
        KVDSqliteOperation::shareOperation().delectAllDataBaseWithtableName(QString::fromLatin1(VQCommandViewModel::kCustomizeTableName));
        VQCommandViewModel::resetForTests();
        auto host = showList();
        ASSERT_TRUE(waitForRows(1)); // the page's own list is in
        slowListAnswers = 1;
        bool answered = false;
        const int lists = requestsTo(QStringLiteral("/api/deviceCmd"));
        store.requestNetCustomizeCmdList([&answered](bool, const VQHttpResult&) { answered = true; });
        ASSERT_TRUE(waitForRequests(QStringLiteral("/api/deviceCmd"), lists + 1));
        act();
        ASSERT_TRUE(vqtest::waitUntil([&] { return answered; }, 10000));
        vqtest::spin(100);
        EXPECT_EQ(shownWords(), shown);
        EXPECT_EQ(tableWords(), shown);
    }
}

// While another program holds the database, the page shows what the user and the server made of
// the list (the last command deleted, the list emptied); the table follows once the lock goes,
// and a page opened under a start-up lock while offline fills then.
TEST_F(CommandWordListTest, ALockNeverBringsBackWhatWasDeletedNorKeepsThePageEmpty)
{
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    const VQVoiceCommandItem old = item("text", QStringLiteral("旧"), QStringLiteral("o"));
    bool done = false;
    const auto finished = [&done](bool, const VQHttpResult&) { done = true; };
    struct Case {
        const char* what;
        const char* lock;
        QStringList before;
        std::function<void()> act;
        QStringList after;
    };
    const Case cases[] = {
        {"the last command deleted", "begin immediate", {"旧"}, [&] { store.requestDeleteCustomizeCmd(old, finished); }, {}},
        {"the server's list emptied", "begin exclusive", {"旧"}, [&] { held.clear(); store.requestNetCustomizeCmdList(finished); }, {}},
        {"opened offline", "begin exclusive", {}, [&] { done = true; }, {"旧"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        held = {{QStringLiteral("SN-A"), {old}}};
        done = false;
        store.requestNetCustomizeCmdList(finished);
        ASSERT_TRUE(vqtest::waitUntil([&] { return done && tableWords() == QStringList{QStringLiteral("旧")}; }));
        VQCommandViewModel::resetForTests();
        VQCommandViewModel::setTableRetryIntervalForTests(20);
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(dir.filePath(QStringLiteral("store.sqlite")).toUtf8().constData(), &other), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, c.lock, nullptr, nullptr, nullptr), SQLITE_OK);
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([offline = c.before.isEmpty()] { return offline; });
        auto host = showList();
        ASSERT_TRUE(vqtest::waitUntil([&] { return shownWords() == c.before; }));
        done = false;
        c.act();
        ASSERT_TRUE(vqtest::waitUntil([&] { return done; }));
        vqtest::spin(100);
        EXPECT_TRUE(shownWords().isEmpty());
        sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        EXPECT_TRUE(vqtest::waitUntil([&] { return shownWords() == c.after && tableWords() == c.after; }));
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
    }
}

// A table that cannot be written for another reason than a lock keeps the command in memory and
// is tried again ever less often, with one log line for the stretch; at quit, pending tables are
// written once more, waiting for a lock that goes meanwhile.
TEST_F(CommandWordListTest, UnwrittenTablesAreTriedLessOftenAndOnceMoreAtQuit)
{
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    const QString file = dir.filePath(QStringLiteral("store.sqlite"));
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &other), SQLITE_OK);
    // The store may still be checking the file on its worker: wait for its read to end.
    sqlite3_busy_timeout(other, 5000);
    const auto run = [other](const char* sql) { EXPECT_EQ(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql; };
    run("drop table DBCustomizeCmdList; create table DBCustomizeCmdList(a, b)");
    VQCommandViewModel::setTableRetryIntervalForTests(10);
    const vqtest::LogCapture log;
    auto host = showList();
    store.requestCreateCustomizeCmd(item("text", QStringLiteral("新"), QStringLiteral("n")));
    ASSERT_TRUE(vqtest::waitUntil([&] { return shownWords() == QStringList{QStringLiteral("新")}; }));
    QList<int> waits;
    while (waits.size() < 5 && vqtest::waitUntil([&] { return store.tableRetryIntervalMs() > (waits.isEmpty() ? 0 : waits.last()); }))
        waits << store.tableRetryIntervalMs();
    EXPECT_EQ(waits.size(), 5) << "the retries do not thin out";
    EXPECT_EQ(log.text().count(QStringLiteral("SQLite ")), 1) << log.text().toStdString();
    EXPECT_TRUE(store.hasPendingTableWrites());

    // The table of this program's form is back but locked; the lock goes while the quit waits.
    run("drop table DBCustomizeCmdList");
    store.createCommandTables();
    run("begin exclusive");
    VQCommandViewModel::setTableRetryIntervalForTests(60000);
    KVDSqliteOperation::setBusyTimeouts({10, 5000, 5000});
    std::thread holder([&run] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        run("commit");
    });
    store.writePendingTablesAtQuit();
    holder.join();
    sqlite3_close(other);
    EXPECT_FALSE(store.hasPendingTableWrites());
    EXPECT_EQ(tableWords(), QStringList{QStringLiteral("新")});
}

} // namespace
