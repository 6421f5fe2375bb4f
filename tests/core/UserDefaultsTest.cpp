#include "UserDefaults.h"

#include "MMFile.h"
#include "SmallFileSystem.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <limits>
#include <utility>
#include <vector>

namespace {

class UserDefaultsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.path() + QStringLiteral("/settings/defaults.json"); }
};

TEST_F(UserDefaultsTest, EveryValueTypeSurvivesANewStoreReadingTheSameFile)
{
    const QString fileKey = QStringLiteral("/home/user/Documents/report.pdf");
    const QVariantMap nested{{QStringLiteral("code"), QStringLiteral("ZH_CN")},
                             {QStringLiteral("formatSize"), 1280},
                             {QStringLiteral("list"), QVariantList{1, QStringLiteral("two"), true}}};
    const QByteArray bytes("\x00\x01\xff bookmark", 13);
    {
        UserDefaults store(path());
        store.setValue(QStringLiteral("flag"), true);
        store.setValue(QStringLiteral("count"), qint64(-42));
        store.setValue(QStringLiteral("big"), std::numeric_limits<qint64>::max());
        store.setValue(QStringLiteral("ratio"), 2.0);
        store.setValue(QStringLiteral("text"), QStringLiteral("中文 \"quoted\" 🎉"));
        store.setValue(fileKey, bytes);
        store.setValue(QStringLiteral("list"), QVariantList{QStringLiteral("800dpi"), 1600});
        store.setValue(QStringLiteral("map"), nested);
        EXPECT_TRUE(store.synchronize());
    }
    UserDefaults reread(path());
    EXPECT_TRUE(reread.recoveredCorruptFile().isEmpty());
    EXPECT_TRUE(reread.boolForKey(QStringLiteral("flag")));
    EXPECT_EQ(reread.integerForKey(QStringLiteral("count")), -42);
    EXPECT_EQ(reread.integerForKey(QStringLiteral("big")), std::numeric_limits<qint64>::max());
    // A double that happens to be whole stays a double, not an integer.
    EXPECT_EQ(reread.objectForKey(QStringLiteral("ratio")).typeId(), QMetaType::Double);
    EXPECT_EQ(reread.doubleForKey(QStringLiteral("ratio")), 2.0);
    EXPECT_EQ(reread.stringForKey(QStringLiteral("text")), QStringLiteral("中文 \"quoted\" 🎉"));
    EXPECT_EQ(reread.dataForKey(fileKey), bytes);
    EXPECT_EQ(reread.arrayForKey(QStringLiteral("list")),
              (QVariantList{QStringLiteral("800dpi"), qint64(1600)}));
    const QVariantMap map = reread.dictionaryForKey(QStringLiteral("map"));
    EXPECT_EQ(map.value(QStringLiteral("code")).toString(), QStringLiteral("ZH_CN"));
    EXPECT_EQ(map.value(QStringLiteral("formatSize")).toLongLong(), 1280);
    EXPECT_EQ(map.value(QStringLiteral("list")).toList().size(), 3);
}

TEST_F(UserDefaultsTest, ReadsAgreeBeforeAndAfterAReload)
{
    UserDefaults store(path());
    store.setValue(QStringLiteral("n"), 7); // an int is kept as a 64-bit integer
    const QVariant before = store.objectForKey(QStringLiteral("n"));
    store.synchronize();
    UserDefaults reread(path());
    EXPECT_EQ(reread.objectForKey(QStringLiteral("n")), before);
}

TEST_F(UserDefaultsTest, FileIsPrivateToTheUser)
{
    UserDefaults store(path());
    store.setValue(QStringLiteral("passwordKey"), QStringLiteral("secret"));
    ASSERT_TRUE(store.synchronize());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// A settings file kept in another folder through links stays linked: each write reaches the file
// the links lead to (made when missing), private to the user, and one that cannot be read is set
// aside there.
TEST_F(UserDefaultsTest, WritesReachTheFileBehindLinks)
{
    const struct {
        const char* name;
        std::vector<std::pair<const char*, const char*>> links; // link -> target; "%1" is the test folder
        const char* written;
        QByteArray old = R"({"format": 1, "values": {"a": 1}})";
    } rows[] = {
        {"a link into a dotfiles folder", {{"settings/defaults.json", "%1/dotfiles/defaults.json"}}, "dotfiles/defaults.json"},
        {"a relative link", {{"settings/defaults.json", "../dotfiles/defaults.json"}}, "dotfiles/defaults.json"},
        {"a chain of links", {{"settings/defaults.json", "../dotfiles/link.json"}, {"dotfiles/link.json", "%1/dotfiles/deep/defaults.json"}},
         "dotfiles/deep/defaults.json"},
        {"a link that leads nowhere yet", {{"settings/defaults.json", "../dotfiles/new.json"}}, "dotfiles/new.json"},
        {"a link to a file that cannot be read", {{"settings/defaults.json", "../dotfiles/defaults.json"}}, "dotfiles/defaults.json", "{\"values\": tru"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (const char* folder : {"settings", "dotfiles"})
            ASSERT_TRUE(QDir(dir.filePath(QLatin1String(folder))).removeRecursively() && QDir(dir.path()).mkpath(QLatin1String(folder) + QStringLiteral("/deep")));
        ASSERT_TRUE(mm::writeFileAtomically(dir.filePath(QStringLiteral("dotfiles/defaults.json")), row.old, nullptr, 0644));
        for (const auto& [link, target] : row.links)
            ASSERT_TRUE(QFile::link(QString::fromUtf8(target).replace(QStringLiteral("%1"), dir.path()), dir.filePath(QLatin1String(link))));
        UserDefaults store(path());
        EXPECT_EQ(QDir(dir.filePath(QStringLiteral("dotfiles"))).entryList({QStringLiteral("defaults.json.corrupt-*")}).size(), row.old.contains("format") ? 0 : 1);
        store.setValue(QStringLiteral("b"), 2);
        EXPECT_TRUE(store.synchronize());
        EXPECT_TRUE(QFileInfo(path()).isSymLink());
        for (const char* folder : {"settings", "dotfiles", "dotfiles/deep"})
            EXPECT_EQ(QDir(dir.filePath(QLatin1String(folder))).entryList({QStringLiteral("*.json.??????")}, QDir::Files), QStringList()) << "left behind";
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(dir.filePath(QLatin1String(row.written))).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        UserDefaults reread(dir.filePath(QLatin1String(row.written)));
        EXPECT_EQ(reread.integerForKey(QStringLiteral("b")), 2);
    }
}

TEST_F(UserDefaultsTest, CorruptFileIsKeptAsideAndDefaultsLoad)
{
    QDir().mkpath(dir.path() + QStringLiteral("/settings"));
    for (const QByteArray& garbage : {QByteArray("{\"values\": {\"a\": tru"), QByteArray("[1,2,3]"),
                                      QByteArray("not json at all"), QByteArray("{\"values\": [1]}")}) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(garbage);
        file.close();

        UserDefaults store(path());
        store.registerDefaults({{QStringLiteral("compatibleModeSwitchKey"), true}});
        EXPECT_TRUE(store.boolForKey(QStringLiteral("compatibleModeSwitchKey")));
        EXPECT_FALSE(store.hasValueForKey(QStringLiteral("a")));
        const QString aside = store.recoveredCorruptFile();
        ASSERT_FALSE(aside.isEmpty());
        ASSERT_NE(aside, path());
        QFile kept(aside);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), garbage) << "the unreadable file must be kept byte for byte";
        kept.remove();
    }
}

TEST_F(UserDefaultsTest, ValueOfAnUnexpectedShapeIsDroppedAndTheRestKept)
{
    const QByteArray good = R"("passwordKey": "secret", "uiLanguageIndexKey": 2,
        "WordShortcutKey": "{\"keyCode\":122}", "ratio": {"d": 0.5})";
    const QByteArray bad[] = {
        R"({"zz": 1})",                  // an unknown tag
        R"({"i": "twelve"})",            // an integer that is no number
        R"({"i": 12})",                  // an integer tag around a number
        R"({"b": "@@not base64@@"})",    // bytes that are not base64
        R"({"d": "many"})",              // a double that is no number
        R"({"m": [1, 2]})",              // a map tag around a list
        R"({"m": {"x": {"q": 0}}})",     // a map holding a bad value
        R"([1, {"b": 5}])",              // a list holding a bad value
        R"({"i": "1", "d": 2})",         // two tags
    };
    QDir().mkpath(dir.path() + QStringLiteral("/settings"));
    for (const QByteArray& value : bad) {
        SCOPED_TRACE(value.toStdString());
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("{\"format\": 1, \"values\": {" + good + ", \"broken\": " + value + "}}");
        file.close();

        {
            UserDefaults store(path());
            EXPECT_FALSE(store.hasValueForKey(QStringLiteral("broken")));
            EXPECT_EQ(store.stringForKey(QStringLiteral("passwordKey")), QStringLiteral("secret"));
            EXPECT_EQ(store.integerForKey(QStringLiteral("uiLanguageIndexKey")), 2);
            EXPECT_EQ(store.stringForKey(QStringLiteral("WordShortcutKey")), QStringLiteral("{\"keyCode\":122}"));
            EXPECT_EQ(store.doubleForKey(QStringLiteral("ratio")), 0.5);
            EXPECT_EQ(store.droppedKeys(), QStringList{QStringLiteral("broken")});
            // The file as it was is kept for the user, and the file itself stays in place.
            const QString aside = store.recoveredCorruptFile();
            ASSERT_FALSE(aside.isEmpty());
            EXPECT_TRUE(QFile::exists(path()));
            QFile::remove(aside);
        }
        // The next launch reads a clean file.
        UserDefaults next(path());
        EXPECT_TRUE(next.droppedKeys().isEmpty());
        EXPECT_TRUE(next.recoveredCorruptFile().isEmpty());
        EXPECT_EQ(next.stringForKey(QStringLiteral("passwordKey")), QStringLiteral("secret"));
    }
}

TEST_F(UserDefaultsTest, RegisteredDefaultsAnswerOnlyUnsetKeysAndAreNeverWritten)
{
    UserDefaults store(path());
    store.registerDefaults({{QStringLiteral("toLanguageIndexKey"), 3}, {QStringLiteral("name"), QStringLiteral("x")}});
    EXPECT_EQ(store.integerForKey(QStringLiteral("toLanguageIndexKey")), 3);
    store.setValue(QStringLiteral("toLanguageIndexKey"), 0);
    EXPECT_EQ(store.integerForKey(QStringLiteral("toLanguageIndexKey")), 0);
    store.removeObjectForKey(QStringLiteral("toLanguageIndexKey"));
    EXPECT_EQ(store.integerForKey(QStringLiteral("toLanguageIndexKey")), 3);
    store.synchronize();

    UserDefaults reread(path());
    EXPECT_FALSE(reread.objectForKey(QStringLiteral("name")).isValid());
}

TEST_F(UserDefaultsTest, EqualValueChangesNothingAndWritesNothing)
{
    UserDefaults store(path());
    QSignalSpy changed(&store, &UserDefaults::changed);
    store.setValue(QStringLiteral("k"), QStringLiteral("v"));
    ASSERT_TRUE(store.synchronize());
    const int writes = store.writeCount();
    store.setValue(QStringLiteral("k"), QStringLiteral("v"));
    store.synchronize();
    EXPECT_EQ(store.writeCount(), writes);
    EXPECT_EQ(changed.count(), 1);
    // A value of another type under the key is a change.
    store.setValue(QStringLiteral("k"), 1);
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(UserDefaultsTest, ChangesReachTheFileWithoutAnExplicitSynchronise)
{
    UserDefaults store(path());
    store.setValue(QStringLiteral("a"), 1);
    store.setValue(QStringLiteral("b"), 2);
    ASSERT_TRUE(vqtest::waitUntil([&] { return store.writeCount() > 0; }));
    EXPECT_EQ(store.writeCount(), 1) << "changes made together are written together";
    UserDefaults reread(path());
    EXPECT_EQ(reread.integerForKey(QStringLiteral("b")), 2);
}

TEST_F(UserDefaultsTest, PendingChangesAreWrittenWhenTheStoreGoes)
{
    {
        UserDefaults store(path());
        store.setValue(QStringLiteral("late"), QStringLiteral("kept"));
    }
    UserDefaults reread(path());
    EXPECT_EQ(reread.stringForKey(QStringLiteral("late")), QStringLiteral("kept"));
}

TEST_F(UserDefaultsTest, UnwritableLocationReportsFailureAndKeepsTheValue)
{
    QFile blocker(dir.path() + QStringLiteral("/settings"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    UserDefaults store(path());
    QSignalSpy failures(&store, &UserDefaults::writeFailed);
    store.setValue(QStringLiteral("k"), 5);
    EXPECT_FALSE(store.synchronize());
    store.setValue(QStringLiteral("k"), 6);
    EXPECT_FALSE(store.synchronize());
    EXPECT_EQ(store.integerForKey(QStringLiteral("k")), 6);
    ASSERT_EQ(failures.count(), 1) << "the user is told once per failing stretch";
    EXPECT_EQ(failures.at(0).at(0).toString(), path());
    EXPECT_FALSE(failures.at(0).at(1).toString().isEmpty());
    blocker.remove();
    EXPECT_TRUE(store.synchronize()) << "the failed write is retried";
    UserDefaults reread(path());
    EXPECT_EQ(reread.integerForKey(QStringLiteral("k")), 6);
    ASSERT_TRUE(QDir(dir.path() + QStringLiteral("/settings")).removeRecursively());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    store.setValue(QStringLiteral("k"), 7);
    EXPECT_FALSE(store.synchronize());
    EXPECT_EQ(failures.count(), 2) << "a new failing stretch is told again";
}

// On a full disk no write replaces the file, the user is told once, and the values reach the
// file when space returns; a value that cannot be read stays in the file as read until the file
// as it was is copied beside it.
TEST_F(UserDefaultsTest, AFullDiskLosesNothing)
{
    const vqtest::SmallFileSystem disk(dir.path() + QStringLiteral("/settings"));
    if (!disk.why.empty())
        GTEST_SKIP() << disk.why;
    const auto read = [](const QString& name) { QFile f(name); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); };
    for (const QByteArray old : {R"({"format": 1, "values": {"a": "x"}})", R"({"format": 1, "values": {"a": "x", "broken": {"zz": 1}}})"}) {
        SCOPED_TRACE(old.toStdString());
        ASSERT_TRUE(mm::writeFileAtomically(path(), old));
        EXPECT_FALSE(mm::writeFileAtomically(path(), {})) << "no bytes replace a file that has some";
        disk.fill();
        {
            UserDefaults store(path());
            store.setRetryIntervalMs(1);
            QSignalSpy failures(&store, &UserDefaults::writeFailed);
            store.setValue(QStringLiteral("b"), 2);
            EXPECT_FALSE(store.synchronize() || store.synchronize());
            EXPECT_EQ(read(path()), old) << "the old file stays whole";
            EXPECT_EQ(failures.count(), 1);
            EXPECT_EQ(store.droppedKeys().size(), old.count("broken"));
            EXPECT_TRUE(store.recoveredCorruptFile().isEmpty()) << "no copy could be made";
            disk.free();
            EXPECT_TRUE(vqtest::waitUntil([&] { return store.writeCount() > 0; })) << "written when space returns";
            EXPECT_EQ(read(store.recoveredCorruptFile()), old.contains("broken") ? old : QByteArray());
            QFile::remove(store.recoveredCorruptFile());
        }
        UserDefaults reread(path());
        EXPECT_EQ(reread.stringForKey(QStringLiteral("a")) + reread.stringForKey(QStringLiteral("b")), QStringLiteral("x2"));
        EXPECT_TRUE(reread.droppedKeys().isEmpty());
    }
}

// A cached answer of absurd size is no setting: it is not stored, and the file stays small.
TEST_F(UserDefaultsTest, ValueOverTheLimitIsNotStored)
{
    UserDefaults store(path());
    store.setValue(QStringLiteral("record"), QStringLiteral("{\"small\":1}"));
    store.setValue(QStringLiteral("record"), QString(UserDefaults::kValueLimitBytes, u'x'));
    store.setValue(QStringLiteral("list"), QVariantList(UserDefaults::kValueLimitBytes / 2, QVariant(1)));
    ASSERT_TRUE(store.synchronize());
    EXPECT_EQ(store.stringForKey(QStringLiteral("record")), QStringLiteral("{\"small\":1}"));
    EXPECT_FALSE(store.hasValueForKey(QStringLiteral("list")));
    EXPECT_LT(QFileInfo(path()).size(), 4096);
}

TEST_F(UserDefaultsTest, TypedReadersConvertLikeTheCallersExpect)
{
    UserDefaults store(path());
    store.setValue(QStringLiteral("num"), 12);
    store.setValue(QStringLiteral("text"), QStringLiteral("YES"));
    store.setValue(QStringLiteral("zero"), QStringLiteral("0"));
    EXPECT_EQ(store.stringForKey(QStringLiteral("num")), QStringLiteral("12"));
    EXPECT_TRUE(store.boolForKey(QStringLiteral("num")));
    EXPECT_TRUE(store.boolForKey(QStringLiteral("text")));
    EXPECT_FALSE(store.boolForKey(QStringLiteral("zero")));
    EXPECT_EQ(store.integerForKey(QStringLiteral("text")), 0);
    EXPECT_TRUE(store.arrayForKey(QStringLiteral("num")).isEmpty());
    EXPECT_TRUE(store.dataForKey(QStringLiteral("text")).isEmpty());
}

TEST_F(UserDefaultsTest, IntegerReaderGivesZeroForNaNAndClampsNumbersBeyondItsRange)
{
    UserDefaults store(path());
    store.setValue(QStringLiteral("nan"), std::numeric_limits<double>::quiet_NaN());
    store.setValue(QStringLiteral("nanText"), QStringLiteral("nan"));
    store.setValue(QStringLiteral("huge"), 1e300);
    store.setValue(QStringLiteral("hugeText"), QStringLiteral("1e300"));
    store.setValue(QStringLiteral("tiny"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(store.integerForKey(QStringLiteral("nan")), 0);
    EXPECT_EQ(store.integerForKey(QStringLiteral("nanText")), 0);
    EXPECT_EQ(store.integerForKey(QStringLiteral("huge")), std::numeric_limits<qint64>::max());
    EXPECT_EQ(store.integerForKey(QStringLiteral("hugeText")), std::numeric_limits<qint64>::max());
    EXPECT_EQ(store.integerForKey(QStringLiteral("tiny")), std::numeric_limits<qint64>::min());
}

} // namespace
