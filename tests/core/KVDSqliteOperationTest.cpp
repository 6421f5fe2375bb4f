#include "KVDSqliteOperation.h"
#include "LogCapture.h"
#include "TestSupport.h"
#include "VQToolManager.h"

#include <QDateTime>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/mount.h>
#include <unistd.h>

#include <future>

namespace {

const QString kTable = QStringLiteral("DBCustomizeCmdList");

// A row with the columns of a voice command (or the names given); a property without an entry
// has no value.
class CommandRow : public KVDSqliteModel {
public:
    explicit CommandRow(QStringList names = { QStringLiteral("cmdType"), QStringLiteral("customCmd"), QStringLiteral("customName"),
                                              QStringLiteral("cmdWord"), QStringLiteral("cmdExecute"), QStringLiteral("typeIndex") })
        : names(std::move(names))
    {
    }
    QStringList propertyNames() const override { return names; }
    std::optional<QString> propertyText(const QString& name) const override
    {
        return values.contains(name) ? std::optional<QString>(values.value(name)) : std::nullopt;
    }
    void setPropertyText(const QString& name, const QString& text) override { values.insert(name, text); }

    QStringList names;
    QMap<QString, QString> values;
};

CommandRow row(const QString& customCmd, const QString& customName)
{
    CommandRow r;
    r.values = { { QStringLiteral("cmdType"), QStringLiteral("file") }, { QStringLiteral("customCmd"), customCmd },
                 { QStringLiteral("customName"), customName }, { QStringLiteral("typeIndex"), QStringLiteral("0") } };
    return r;
}

struct Probe {
    int calls = 0;
    bool ok = false;
    QString error;
    KVDSqliteOperation::Completion callback()
    {
        return [this](bool success, const QString& message) {
            ++calls;
            ok = success;
            error = message;
        };
    }
};

class KVDSqliteOperationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("store.sqlite"));
        KVDSqliteOperation::resetForTests(path);
        ASSERT_TRUE(store().createTableWithtableName(kTable, CommandRow()));
        ASSERT_TRUE(vqtest::waitUntil([] { return !store().checkRunning(); }));
    }
    void TearDown() override { KVDSqliteOperation::resetForTests(); }
    static KVDSqliteOperation& store() { return KVDSqliteOperation::shareOperation(); }
    std::vector<std::unique_ptr<CommandRow>> rows() { return store().selectAllDataBaseWithtableName<CommandRow>(kTable); }

    // One column as the file holds it, read through a connection of its own: (type, bytes) per row.
    std::vector<std::pair<int, QByteArray>> rawColumn(const char* sql) const
    {
        std::vector<std::pair<int, QByteArray>> out;
        sqlite3* db = nullptr;
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        while (st != nullptr && sqlite3_step(st) == SQLITE_ROW)
            out.emplace_back(sqlite3_column_type(st, 0),
                             QByteArray(static_cast<const char*>(sqlite3_column_blob(st, 0)), sqlite3_column_bytes(st, 0)));
        sqlite3_finalize(st);
        sqlite3_close(db);
        return out;
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(KVDSqliteOperationTest, HostileTextsComeBackByteIdenticalAndInjectNothing)
{
    ASSERT_TRUE(store().createTableWithtableName(QStringLiteral("x"), CommandRow()));
    const QStringList texts = { QStringLiteral("it's \"quoted\" ''twice''"), QStringLiteral("'); drop table x; --"),
                                QStringLiteral("line one\nline two\r\n\ttab"), QStringLiteral("emoji 😀👍🏽 中文"),
                                QStringLiteral("nul") + QChar(0) + QStringLiteral("inside"), QString(100000, QLatin1Char('\'')) };
    std::vector<CommandRow> batch;
    for (const QString& text : texts)
        batch.push_back(row(text, QStringLiteral("target ") + text));

    Probe probe;
    EXPECT_TRUE(store().insertsDataBaseWithtableName(kTable, batch, probe.callback()));
    EXPECT_EQ(probe.calls, 1);
    EXPECT_TRUE(probe.ok);
    EXPECT_TRUE(probe.error.isEmpty());

    const auto models = rows();
    ASSERT_EQ(models.size(), batch.size());
    for (size_t i = 0; i < batch.size(); ++i)
        EXPECT_EQ(models[i]->values, batch[i].values) << "row " << i;
    // The file holds the plain text, not an escaped form of it.
    const auto stored = rawColumn("select customCmd from DBCustomizeCmdList order by rowid");
    ASSERT_EQ(stored.size(), texts.size());
    for (size_t i = 0; i < stored.size(); ++i)
        EXPECT_EQ(stored[i], std::make_pair(SQLITE_TEXT, texts[qsizetype(i)].toUtf8()));
    EXPECT_EQ(rawColumn("select name from sqlite_master where name = 'x'").size(), 1u);
}

TEST_F(KVDSqliteOperationTest, OnlyPropertiesWithAValueAreWrittenAndUnknownColumnsAreSkipped)
{
    Probe empty;
    EXPECT_TRUE(store().insertsDataBaseWithtableName(kTable, std::vector<CommandRow>(), empty.callback()));
    EXPECT_EQ(empty.calls, 1);
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(rows().empty());

    CommandRow sparse;
    sparse.values = { { QStringLiteral("cmdType"), QStringLiteral("phrase") }, { QStringLiteral("customCmd"), QString() } };
    const CommandRow nothing;
    const CommandRow full = row(QStringLiteral("a"), QStringLiteral("b"));
    // Rows with different properties set, alternating within one batch.
    ASSERT_TRUE(store().insertsDataBaseWithtableName(kTable, std::vector<const KVDSqliteModel*> { &sparse, &nothing, &full, &sparse }));

    const auto customCmd = rawColumn("select customCmd from DBCustomizeCmdList order by rowid");
    const auto customName = rawColumn("select customName from DBCustomizeCmdList order by rowid");
    ASSERT_EQ(customCmd.size(), 4u);
    EXPECT_EQ(customCmd[0], std::make_pair(SQLITE_TEXT, QByteArray())); // an empty text is a value
    EXPECT_EQ(customName[0].first, SQLITE_NULL);
    EXPECT_EQ(customCmd[1].first, SQLITE_NULL);
    EXPECT_EQ(customName[2], std::make_pair(SQLITE_TEXT, QByteArray("b")));

    const auto models = rows();
    ASSERT_EQ(models.size(), 4u);
    EXPECT_EQ(models[0]->values, sparse.values);
    EXPECT_TRUE(models[1]->values.isEmpty());
    EXPECT_EQ(models[2]->values, full.values);

    const auto narrow = store().selectAllDataBaseWithtableName(kTable, [] {
        return std::make_unique<CommandRow>(QStringList { QStringLiteral("customName") });
    });
    ASSERT_EQ(narrow.size(), 4u);
    EXPECT_EQ(static_cast<const CommandRow&>(*narrow[2]).values, (QMap<QString, QString> { { QStringLiteral("customName"), QStringLiteral("b") } }));
}

TEST_F(KVDSqliteOperationTest, FailedBatchInsertsNoRowAtAll)
{
    const CommandRow good = row(QStringLiteral("one"), QStringLiteral("1"));
    CommandRow unknown({ QStringLiteral("customCmd"), QStringLiteral("notAColumn") });
    unknown.values = { { QStringLiteral("notAColumn"), QStringLiteral("v") } };

    Probe probe;
    EXPECT_FALSE(store().insertsDataBaseWithtableName(kTable, std::vector<const KVDSqliteModel*> { &good, &unknown, &good }, probe.callback()));
    EXPECT_EQ(probe.calls, 1);
    EXPECT_FALSE(probe.ok);
    EXPECT_TRUE(probe.error.contains(QStringLiteral("notAColumn"))) << probe.error.toStdString();
    EXPECT_TRUE(rows().empty());
    EXPECT_TRUE(store().insertsDataBaseWithtableName(kTable, std::vector<CommandRow> { good, good })); // rolled back, usable
    EXPECT_EQ(rows().size(), 2u);
}

TEST_F(KVDSqliteOperationTest, UpdateAndDeleteMatchTheExactTextOnly)
{
    const QString hostile = QStringLiteral("x' or '1'='1");
    ASSERT_TRUE(store().insertsDataBaseWithtableName(kTable, std::vector<CommandRow> { row(QStringLiteral("a"), QStringLiteral("1")),
                                                                                      row(hostile, QStringLiteral("2")),
                                                                                      row(QStringLiteral("a"), QStringLiteral("3")) }));
    CommandRow change;
    change.values = { { QStringLiteral("customCmd"), QStringLiteral("a") }, { QStringLiteral("customName"), QStringLiteral("new") } };
    Probe updated;
    EXPECT_TRUE(store().updataTableWithtableName(kTable, QStringLiteral("customCmd"), change, updated.callback()));
    EXPECT_EQ(updated.calls, 1);
    EXPECT_TRUE(updated.ok);
    auto models = rows();
    ASSERT_EQ(models.size(), 3u);
    EXPECT_EQ(models[0]->values.value(QStringLiteral("customName")), QStringLiteral("new"));
    EXPECT_EQ(models[0]->values.value(QStringLiteral("cmdType")), QStringLiteral("file")); // not in the model: kept
    EXPECT_EQ(models[1]->values.value(QStringLiteral("customName")), QStringLiteral("2"));
    EXPECT_EQ(models[2]->values.value(QStringLiteral("customName")), QStringLiteral("new"));

    // Without a value to find the rows by nothing changes, and the failure is reported.
    CommandRow noKey;
    noKey.values = { { QStringLiteral("customName"), QStringLiteral("everything") } };
    Probe refused;
    EXPECT_FALSE(store().updataTableWithtableName(kTable, QStringLiteral("customCmd"), noKey, refused.callback()));
    EXPECT_EQ(refused.calls, 1);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(rawColumn("select 1 from DBCustomizeCmdList where customName = 'everything'").empty());

    Probe deleted;
    EXPECT_TRUE(store().delectDataBaseWithtableName(kTable, QStringLiteral("customCmd"), QStringLiteral("a' or '1'='1"), deleted.callback()));
    EXPECT_EQ(deleted.calls, 1);
    EXPECT_TRUE(deleted.ok);
    EXPECT_EQ(rows().size(), 3u);
    EXPECT_TRUE(store().delectDataBaseWithtableName(kTable, QStringLiteral("customCmd"), QStringLiteral("a")));
    models = rows();
    ASSERT_EQ(models.size(), 1u);
    EXPECT_EQ(models[0]->values.value(QStringLiteral("customCmd")), hostile);
    EXPECT_TRUE(store().delectAllDataBaseWithtableName(kTable));
    EXPECT_TRUE(rows().empty());
}

TEST_F(KVDSqliteOperationTest, NamesThatAreNoPlainIdentifiersAreRefused)
{
    const CommandRow r = row(QStringLiteral("c"), QStringLiteral("n"));
    for (const QString& bad : { QString(), QStringLiteral("x; drop table DBCustomizeCmdList"), QStringLiteral("t\""), QStringLiteral("名字") }) {
        SCOPED_TRACE(bad.toStdString());
        CommandRow badColumn({ QStringLiteral("ok"), bad });
        badColumn.values.insert(bad, QStringLiteral("v"));
        EXPECT_FALSE(store().createTableWithtableName(bad, CommandRow()));
        EXPECT_FALSE(store().createTableWithtableName(QStringLiteral("fine"), badColumn));
        std::vector<Probe> probes(5);
        EXPECT_FALSE(store().insertDataBaseWithtableName(bad, r, probes[0].callback()));
        EXPECT_FALSE(store().insertDataBaseWithtableName(kTable, badColumn, probes[1].callback()));
        EXPECT_FALSE(store().delectAllDataBaseWithtableName(bad, probes[2].callback()));
        EXPECT_FALSE(store().delectDataBaseWithtableName(kTable, bad, QStringLiteral("c"), probes[3].callback()));
        EXPECT_FALSE(store().updataTableWithtableName(kTable, bad, r, probes[4].callback()));
        for (const Probe& probe : probes) {
            EXPECT_EQ(probe.calls, 1);
            EXPECT_FALSE(probe.ok);
            EXPECT_TRUE(probe.error.startsWith(QStringLiteral("Invalid"))) << probe.error.toStdString();
        }
        EXPECT_TRUE(store().selectAllDataBaseWithtableName<CommandRow>(bad).empty());
    }
    EXPECT_EQ(rawColumn("select name from sqlite_master").size(), 1u);
    // SQL keywords are plain names and work.
    EXPECT_TRUE(store().createTableWithtableName(QStringLiteral("select"), CommandRow({ QStringLiteral("from") })));
}

TEST_F(KVDSqliteOperationTest, UnopenableDatabaseReportsFailureNeverSuccess)
{
    const QString plainFile = dir.filePath(QStringLiteral("plain-file"));
    for (const QString& file : { plainFile }) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'g'));
    }
    for (const QString& target : QStringList { plainFile + QStringLiteral("/store.sqlite") }) {
        SCOPED_TRACE(target.toStdString());
        KVDSqliteOperation::resetForTests(target);
        const CommandRow r = row(QStringLiteral("c"), QStringLiteral("n"));
        std::vector<Probe> probes(4);
        EXPECT_FALSE(store().createTableWithtableName(kTable, CommandRow()));
        EXPECT_FALSE(store().insertDataBaseWithtableName(kTable, r, probes[0].callback()));
        EXPECT_FALSE(store().insertsDataBaseWithtableName(kTable, std::vector<CommandRow> { r, r }, probes[1].callback()));
        EXPECT_FALSE(store().updataTableWithtableName(kTable, QStringLiteral("customCmd"), r, probes[2].callback()));
        EXPECT_FALSE(store().delectAllDataBaseWithtableName(kTable, probes[3].callback()));
        for (const Probe& probe : probes) {
            EXPECT_EQ(probe.calls, 1);
            EXPECT_FALSE(probe.ok);
            EXPECT_FALSE(probe.error.isEmpty());
        }
        EXPECT_TRUE(rows().empty());
    }
}

TEST_F(KVDSqliteOperationTest, DefaultDatabaseIsInDocumentsAndNeverATemporaryOne)
{
    KVDSqliteOperation::resetForTests();
    const QString expected = VQToolManager::getFilePath(QStringLiteral("/VQSqliteDataBase.sqlite"));
    ASSERT_FALSE(expected.isEmpty());
    ASSERT_TRUE(store().createTableWithtableName(kTable, CommandRow()));
    ASSERT_TRUE(store().delectAllDataBaseWithtableName(kTable));
    ASSERT_TRUE(store().insertDataBaseWithtableName(kTable, row(QStringLiteral("kept"), QString())));
    EXPECT_TRUE(QFile::exists(expected));

    // Without a Documents folder every operation fails rather than writing to a throw-away database.
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(path)); // a file: no Documents folder can be made in it
    KVDSqliteOperation::resetForTests();
    Probe probe;
    const bool inserted = store().insertDataBaseWithtableName(kTable, row(QStringLiteral("lost"), QString()), probe.callback());
    qputenv("HOME", savedHome);
    EXPECT_FALSE(inserted);
    EXPECT_EQ(probe.calls, 1);
    EXPECT_FALSE(probe.ok);
    EXPECT_TRUE(probe.error.contains(QStringLiteral("Documents"))) << probe.error.toStdString();

    KVDSqliteOperation::resetForTests();
    const auto models = rows();
    ASSERT_EQ(models.size(), 1u);
    EXPECT_EQ(models[0]->values.value(QStringLiteral("customCmd")), QStringLiteral("kept"));
}

// Writes bytes at offset; without bytes the file ends there.
void rewrite(const QString& file, qint64 offset, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && (bytes.isEmpty() ? f.resize(offset) : f.seek(offset) && f.write(bytes) == bytes.size()));
}

QByteArray contentOf(const QString& file)
{
    QFile f(file);
    return !file.isEmpty() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs SQL on a connection of its own (writable_schema lets it write entries a newer SQLite made).
void exec(const QString& file, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// Only a file that is no database, or whose pages the check finds damaged, is set aside (under
// a name of its own, also within one second) and replaced by a new one; a sound file with a
// schema entry this SQLite cannot parse (a newer one's syntax) is left as it is and told once as
// unusable. The check runs off the caller's thread: operations return while it is held.
TEST_F(KVDSqliteOperationTest, OnlyDamageFoundByTheCheckSetsAFileAside)
{
    QByteArray noise(4096, 0);
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    const auto newerView = [](const char* select) {
        return [select](const QString& file) {
            exec(file, QStringLiteral("pragma writable_schema=on; insert into sqlite_master values('view','v','v',0,'create view v as %1')")
                           .arg(QLatin1String(select)).toUtf8().constData());
        };
    };
    const std::tuple<const char*, bool, std::function<void(const QString&)>> files[] = {
        {"random bytes", true, [&](const QString& file) { QFile::remove(file); rewrite(file, 0, noise + noise); }},
        {"truncated", true, [&](const QString& file) { rewrite(file, QFileInfo(file).size() / 2, {}); }},
        {"one page overwritten", true, [&](const QString& file) { rewrite(file, 4096, noise); }},
        {"a folder at its place", true, [&](const QString& file) { QFile::remove(file); ASSERT_TRUE(QDir().mkpath(file)); }},
        {"ORDER BY inside an aggregate", false, newerView("select group_concat(customCmd order by customCmd) from DBCustomizeCmdList")},
        {"a 1_000_000 literal", false, newerView("select 1_000_000")},
    };
    QList<std::pair<KVDSqliteOperation::Problem, QString>> problems;
    KVDSqliteOperation::setProblemHandler([&](KVDSqliteOperation::Problem problem, const QString& detail) { problems.append({problem, detail}); });
    int serial = 0;
    for (const auto& [name, setAside, apply] : files) {
        SCOPED_TRACE(name);
        problems.clear();
        const QString file = dir.filePath(QStringLiteral("damaged-%1.sqlite").arg(++serial));
        KVDSqliteOperation::resetForTests(file);
        ASSERT_TRUE(store().createTableWithtableName(kTable, CommandRow()));
        std::vector<CommandRow> many;
        for (int i = 0; i < 60; ++i)
            many.push_back(row(QStringLiteral("command %1").arg(i), QString(120, u'n')));
        ASSERT_TRUE(store().insertsDataBaseWithtableName(kTable, many));
        ASSERT_TRUE(vqtest::waitUntil([] { return !store().checkRunning(); }));
        KVDSqliteOperation::resetForTests(file);
        apply(file);
        const QByteArray before = contentOf(file);
        // Earlier files set aside this second and the next ones are not overwritten.
        QStringList taken;
        for (int s = -1; s <= 3; ++s) {
            taken << file + QStringLiteral(".corrupt-") + QDateTime::currentDateTime().addSecs(s).toString(QStringLiteral("yyyyMMdd-HHmmss"));
            rewrite(taken.last(), 0, "earlier");
        }
        std::promise<void> release;
        KVDSqliteOperation::setCheckGateForTests([held = release.get_future().share()] { held.wait(); });
        const bool folder = QFileInfo(file).isDir(); // set aside at once: no database to check
        store().createTableWithtableName(kTable, CommandRow());
        EXPECT_EQ(store().checkRunning(), !folder) << "the caller waited for the check";
        release.set_value();
        ASSERT_TRUE(vqtest::waitUntil([] { return !store().checkRunning(); }));
        KVDSqliteOperation::setCheckGateForTests({});
        EXPECT_EQ(store().createTableWithtableName(kTable, CommandRow()), setAside);
        EXPECT_EQ(store().insertDataBaseWithtableName(kTable, row(QStringLiteral("after"), QStringLiteral("n"))), setAside);
        for (const QString& earlier : taken)
            EXPECT_EQ(contentOf(earlier), "earlier");
        const QString aside = store().recoveredDatabaseFile();
        ASSERT_EQ(problems.size(), 1);
        if (setAside) {
            EXPECT_EQ(rows().size(), 1u);
            EXPECT_TRUE(aside.startsWith(file + QStringLiteral(".corrupt-"))) << aside.toStdString();
            EXPECT_FALSE(taken.contains(aside));
            EXPECT_TRUE(QFileInfo::exists(aside));
            EXPECT_EQ(problems.at(0), std::make_pair(KVDSqliteOperation::Problem::Recovered, aside));
        } else {
            EXPECT_TRUE(aside.isEmpty());
            EXPECT_EQ(contentOf(file), before);
            EXPECT_EQ(problems.at(0).first, KVDSqliteOperation::Problem::Unavailable);
            EXPECT_TRUE(problems.at(0).second.contains(file)) << problems.at(0).second.toStdString();
        }
    }
    KVDSqliteOperation::setProblemHandler({});
}

// A database that cannot be used for a reason other than damage or a lock stays where and as it
// is: the user hears of it once per failing stretch, the log has one line for it, and a write that
// works again ends the stretch. Rows marked "mount" need root for a tmpfs of their own.
TEST_F(KVDSqliteOperationTest, UnusableDatabaseIsToldOncePerStretchAndLeftAsItIs)
{
    const QString mountPoint = dir.filePath(QStringLiteral("mnt"));
    ASSERT_TRUE(QDir().mkpath(mountPoint));
    const QString inMount = mountPoint + QStringLiteral("/store.sqlite");
    const auto freshMount = [&] {
        ::umount2(mountPoint.toUtf8().constData(), MNT_DETACH);
        return geteuid() == 0 && ::mount("tmpfs", mountPoint.toUtf8().constData(), "tmpfs", 0, "size=256k") == 0;
    };
    const bool canMount = freshMount();
    const auto readOnly = [&] { return ::mount(nullptr, mountPoint.toUtf8().constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; };
    // Files copied while a connection of the test keeps its transaction or log open.
    const auto copyOpen = [&](const char* setup, const char* suffix) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, setup, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        for (const QString& f : { QString(), QString::fromLatin1(suffix) })
            ASSERT_TRUE(QFile::copy(path + f, inMount + f));
        sqlite3_close(db);
        ASSERT_TRUE(readOnly());
    };
    const QString homeDocumentsFile = dir.filePath(QStringLiteral("home"));
    struct Case {
        const char* name;
        bool mount;
        QString file; // also what the user is told of; the default database path where empty
        std::function<void()> apply, cure;
    };
    const Case cases[] = {
        {"Documents is a file", false, QString(), [&] {
             ASSERT_TRUE(QDir().mkpath(homeDocumentsFile));
             rewrite(homeDocumentsFile + QStringLiteral("/Documents"), 0, "file");
             qputenv("HOME", QFile::encodeName(homeDocumentsFile));
         }, {}},
        {"a hot journal in a read-only folder", true, inMount, [&] {
             copyOpen("pragma cache_size=1; begin; insert into DBCustomizeCmdList(customCmd) select hex(zeroblob(400)) from "
                      "(with recursive n(i) as (select 1 union all select i+1 from n where i<300) select i from n)", "-journal");
         }, {}},
        {"a write-ahead log without its -shm in a read-only folder", true, inMount,
         [&] { copyOpen("pragma journal_mode=wal; insert into DBCustomizeCmdList(customCmd) values('in the log')", "-wal"); }, {}},
        {"a full disk", true, inMount, [&] {
             QFile::copy(path, inMount);
             QFile filler(mountPoint + QStringLiteral("/filler"));
             filler.open(QIODevice::WriteOnly);
             while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
             }
         }, [&] { QFile::remove(mountPoint + QStringLiteral("/filler")); }},
        {"a table of another form", false, path, [&] { exec(path, "drop table DBCustomizeCmdList; create table DBCustomizeCmdList(a, b)"); },
         [&] { exec(path, "drop table DBCustomizeCmdList"); store().createTableWithtableName(kTable, CommandRow()); }},
    };
    const QByteArray savedHome = qgetenv("HOME");
    QList<KVDSqliteOperation::Problem> problems;
    QString told;
    KVDSqliteOperation::setProblemHandler([&](KVDSqliteOperation::Problem problem, const QString& detail) {
        problems.append(problem);
        told = detail;
    });
    for (const Case& c : cases) {
        if (c.mount && !(canMount && freshMount()))
            continue;
        SCOPED_TRACE(c.name);
        problems.clear();
        KVDSqliteOperation::resetForTests(c.file);
        c.apply();
        const QByteArray before = contentOf(c.file);
        const vqtest::LogCapture log;
        for (int attempt = 0; attempt < 3; ++attempt)
            EXPECT_FALSE(store().insertDataBaseWithtableName(kTable, row(QString(2000, u'w'), QString(2000, u'n'))));
        EXPECT_TRUE(vqtest::waitUntil([] { return !store().checkRunning(); }));
        EXPECT_EQ(problems, QList<KVDSqliteOperation::Problem>{KVDSqliteOperation::Problem::Unavailable});
        const QString database = c.file.isEmpty() ? homeDocumentsFile + QStringLiteral("/Documents/VQSqliteDataBase.sqlite") : c.file;
        EXPECT_TRUE(told.contains(database)) << told.toStdString();
        EXPECT_EQ(log.text().count(QStringLiteral("failed")), 1) << log.text().toStdString();
        EXPECT_EQ(contentOf(c.file), before);
        EXPECT_EQ(store().lastFailure(), KVDSqliteOperation::Failure::Unavailable);
        if (c.cure) {
            c.cure();
            EXPECT_TRUE(store().insertDataBaseWithtableName(kTable, row(QStringLiteral("c"), QStringLiteral("n"))));
            c.apply();
            EXPECT_FALSE(store().insertDataBaseWithtableName(kTable, row(QString(2000, u'w'), QString(2000, u'n'))));
            EXPECT_EQ(problems.size(), 2) << "a new stretch is told again";
        }
        qputenv("HOME", savedHome);
    }
    KVDSqliteOperation::setProblemHandler({});
    if (canMount)
        ::umount2(mountPoint.toUtf8().constData(), MNT_DETACH);
    else
        GTEST_SKIP() << "not root or no tmpfs: the read-only and full-disk rows did not run";
}

// Another program holding the database locked costs the main thread a moment per operation,
// not seconds; the user hears of it once per locked stretch.
TEST_F(KVDSqliteOperationTest, ALockHeldElsewhereFailsFastAndIsToldOncePerStretch)
{
    int locked = 0;
    KVDSqliteOperation::setProblemHandler([&](KVDSqliteOperation::Problem problem, const QString&) {
        locked += problem == KVDSqliteOperation::Problem::Locked ? 1 : 0;
    });
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    for (int stretch = 1; stretch <= 2; ++stretch) {
        SCOPED_TRACE(stretch);
        ASSERT_EQ(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(store().insertDataBaseWithtableName(kTable, row(QStringLiteral("c"), QStringLiteral("n"))));
        EXPECT_TRUE(rows().empty());
        EXPECT_LT(clock.elapsed(), 2000) << "the main thread waited for the lock";
        EXPECT_EQ(locked, stretch);
        ASSERT_EQ(sqlite3_exec(other, "commit", nullptr, nullptr, nullptr), SQLITE_OK);
        EXPECT_TRUE(store().insertDataBaseWithtableName(kTable, row(QStringLiteral("c"), QStringLiteral("n"))));
    }
    EXPECT_EQ(rows().size(), 2u);
    sqlite3_close(other);
    KVDSqliteOperation::setProblemHandler({});
}

} // namespace
