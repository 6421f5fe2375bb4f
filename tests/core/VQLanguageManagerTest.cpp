#include "UserDefaults.h"
#include "VQLanguageManager.h"

#include <QCoreApplication>
#include <QLocale>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace {

QVariantMap entry(const QString& code, const QVariantMap& names = {})
{
    QVariantMap map = names;
    map.insert(QStringLiteral("code"), code);
    return map;
}

// A list of n entries with the codes "L0", "L1", ...
QVariantList codedList(int n)
{
    QVariantList list;
    for (int i = 0; i < n; ++i)
        list.append(entry(QStringLiteral("L%1").arg(i)));
    return list;
}

// What the settings file holds once the event loop has turned, read back through a store of its own.
qint64 integerOnDisk(const char* key)
{
    QCoreApplication::processEvents();
    UserDefaults onDisk(UserDefaults::standard().filePath());
    return onDisk.integerForKey(QString::fromLatin1(key));
}

class VQLanguageManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
    }
    void TearDown() override
    {
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
    }

    VQLanguageManager& manager = VQLanguageManager::sharedInstance();
};

TEST_F(VQLanguageManagerTest, CodesFallBackToChineseForEmptyListsAndIndexesPastTheEnd)
{
    // Fresh install: no server lists yet.
    EXPECT_EQ(manager.readAudioLanguageCode(), "ZH_CN");
    EXPECT_EQ(manager.readToScreenshotsTranslateFromLanguageCode(), "ZH_CN");
    EXPECT_TRUE(manager.readAudioLanguageNameList().isEmpty());
    EXPECT_TRUE(manager.readScreenshotsFromNameList().isEmpty());

    // The built-in targets: index 3 and 1 are the defaults of the translation and screenshot targets.
    EXPECT_EQ(manager.readToLanguageCode(), "ZH_SC");
    EXPECT_EQ(manager.readToScreenshotsTranslateLanguageCode(), "KO_KR");
    EXPECT_EQ(manager.readToHyperTranslateLanguageCode(), "ZH_CN");

    manager.setToLanguageIndex(6);
    manager.setWordInputTag(5);
    manager.setScreenshotsTag(100);
    manager.setScreenshotsFromTag(2);
    EXPECT_EQ(manager.readToLanguageCode(), "ZH_CN");
    EXPECT_EQ(manager.readToHyperTranslateLanguageCode(), "EN_US");
    EXPECT_EQ(manager.readToScreenshotsTranslateLanguageCode(), "ZH_CN");

    manager.setScreenshotsTranslateFromLanguageArray(codedList(2));
    EXPECT_EQ(manager.readToScreenshotsTranslateFromLanguageCode(), "ZH_CN");
    manager.setScreenshotsFromTag(1);
    EXPECT_EQ(manager.readToScreenshotsTranslateFromLanguageCode(), "L1");

    // An entry without a code, or not a dictionary at all, has no code to read.
    manager.setScreenshotsTranslateFromLanguageArray({QVariantMap{{QStringLiteral("name"), QStringLiteral("x")}},
                                                      QStringLiteral("not an entry")});
    EXPECT_EQ(manager.readToScreenshotsTranslateFromLanguageCode(), QString());
    manager.setScreenshotsFromTag(0);
    EXPECT_EQ(manager.readToScreenshotsTranslateFromLanguageCode(), QString());
    EXPECT_EQ(manager.readScreenshotsFromNameList(), QStringList({"x", ""}));
}

TEST_F(VQLanguageManagerTest, SelectedTextSourceHasAutoInFrontOfTheTargets)
{
    EXPECT_EQ(manager.readFromHyperTranslateLanguageCode(), "auto");
    manager.setFromWordInputTag(1);
    EXPECT_EQ(manager.readFromHyperTranslateLanguageCode(), "ZH_CN");
    manager.setFromWordInputTag(6);
    EXPECT_EQ(manager.readFromHyperTranslateLanguageCode(), "EN_US");
    manager.setFromWordInputTag(7);
    EXPECT_EQ(manager.readFromHyperTranslateLanguageCode(), "ZH_CN");

    const QStringList names = manager.readFromWordInputNameList();
    ASSERT_EQ(names.size(), 7);
    EXPECT_EQ(names.first(), QStringLiteral("自动检测"));
    EXPECT_EQ(names.mid(1), manager.readToLanguageNameList());
}

TEST_F(VQLanguageManagerTest, DisplayNamesFollowTheUiLanguage)
{
    const QVariantList list = {
        entry(QStringLiteral("EN_US"), {{QStringLiteral("name"), QStringLiteral("英语")},
                                        {QStringLiteral("nameEn"), QStringLiteral("English")},
                                        {QStringLiteral("nameMay_may"), QStringLiteral("Inggeris")}}),
        entry(QStringLiteral("JA_JP"), {{QStringLiteral("name"), QStringLiteral("日语")}}),
        entry(QStringLiteral("XX_XX")),
    };
    manager.setAudioLanguageArr(list);
    manager.setScreenshotsTranslateFromLanguageArray(list);

    EXPECT_EQ(manager.readAudioLanguageNameList(), QStringList({"英语", "日语", ""}));
    manager.setUiLanguageIndex(2);
    EXPECT_EQ(manager.readAudioLanguageNameList(), QStringList({"English", "日语", ""}));
    EXPECT_EQ(manager.readScreenshotsFromNameList(), QStringList({"English", "日语", ""}));
    manager.setUiLanguageIndex(16);
    EXPECT_EQ(manager.readAudioLanguageNameList(), QStringList({"Inggeris", "日语", ""}));
    // Past the last UI language the last name key is used.
    manager.setUiLanguageIndex(40);
    EXPECT_EQ(manager.readAudioLanguageNameList(), QStringList({"Inggeris", "日语", ""}));

    // The built-in targets have a name in every UI language.
    for (int ui = 0; ui < VQLanguageManager::uiLanguageCount; ++ui) {
        manager.setUiLanguageIndex(ui);
        const QStringList names = manager.readToLanguageNameList();
        ASSERT_EQ(names.size(), 6) << ui;
        for (const QString& name : names)
            EXPECT_FALSE(name.isEmpty()) << ui;
    }
    manager.setUiLanguageIndex(2);
    EXPECT_EQ(manager.readWordInputNameList(),
              QStringList({"Chinese (Simplified)", "Korean", "Chinese (Traditional)", "Sichuanese", "Cantonese",
                           "English"}));
}

TEST_F(VQLanguageManagerTest, SavedRecognitionLanguageSurvivesAStartWithoutTheList)
{
    manager.setAudioLanguageArr(codedList(10));
    manager.setAudioLanguageIndex(5);

    // Next start: the server's list has not arrived yet; the one last received stands in.
    VQLanguageManager::resetForTests();
    EXPECT_EQ(manager.audioLanguageIndex(), 5);
    EXPECT_EQ(manager.readAudioLanguageCode(), "L5");
    EXPECT_EQ(manager.readAudioLanguageNameList().size(), 10);

    // A shorter list reads as its first entry and keeps the choice for a longer one.
    manager.setAudioLanguageArr(codedList(3));
    EXPECT_EQ(manager.readAudioLanguageCode(), "L0");
    manager.setAudioLanguageArr(codedList(6));
    EXPECT_EQ(manager.readAudioLanguageCode(), "L5");

    // Picking the first entry while the index reads as 0 is still stored.
    manager.setAudioLanguageArr({});
    manager.setAudioLanguageIndex(0);
    manager.setAudioLanguageArr(codedList(10));
    EXPECT_EQ(manager.audioLanguageIndex(), 0);
    EXPECT_EQ(integerOnDisk(VQLanguageManager::audioLanguageIndexKey), 0);
}

TEST_F(VQLanguageManagerTest, ChoicesArePersistedAndReadAtStart)
{
    manager.setUiLanguageIndex(2);
    manager.setToLanguageIndex(1);
    manager.setFromWordInputTag(2);
    manager.setWordInputTag(3);
    manager.setScreenshotsFromTag(4);
    manager.setScreenshotsTag(0);
    manager.setSearchEngineTag(2);
    const QVariantList serverTargets = {entry(QStringLiteral("FR_FR")), entry(QStringLiteral("DE_DE"))};
    manager.setToLanguageArr(serverTargets);
    manager.setScreenshotsTranslateFromLanguageArray(codedList(5));

    // The settings file holds them once the event loop has turned.
    EXPECT_EQ(integerOnDisk(VQLanguageManager::uiLanguageIndexKey), 2);
    EXPECT_EQ(integerOnDisk(VQLanguageManager::VQ_Search_Engine_Key), 2);
    EXPECT_EQ(integerOnDisk(VQLanguageManager::VQ_ScreenshotsTag_Key), 0);
    EXPECT_EQ(UserDefaults(UserDefaults::standard().filePath())
                  .arrayForKey(QString::fromLatin1(VQLanguageManager::toLanguageArrKey)),
              serverTargets);

    VQLanguageManager::resetForTests();
    EXPECT_EQ(manager.uiLanguageIndex(), 2);
    EXPECT_EQ(manager.toLanguageIndex(), 1);
    EXPECT_EQ(manager.fromWordInputTag(), 2);
    EXPECT_EQ(manager.wordInputTag(), 3);
    EXPECT_EQ(manager.screenshotsFromTag(), 4);
    EXPECT_EQ(manager.screenshotsTag(), 0);
    EXPECT_EQ(manager.searchEngineTag(), 2);
    EXPECT_EQ(manager.toLanguageArr(), serverTargets);
    EXPECT_EQ(manager.readToLanguageCode(), "DE_DE");
    EXPECT_EQ(manager.readFromHyperTranslateLanguageCode(), "DE_DE");
    EXPECT_EQ(manager.readToScreenshotsTranslateFromLanguageCode(), "L4");
}

TEST_F(VQLanguageManagerTest, SettersWriteOnlyChangesAndIgnoreNegativeIndexes)
{
    UserDefaults& defaults = UserDefaults::standard();
    manager.setWordInputTag(2);
    manager.setToLanguageArr(codedList(4));
    QCoreApplication::processEvents();
    const int writes = defaults.writeCount();

    manager.setWordInputTag(2);
    manager.setToLanguageIndex(3); // the default
    manager.setScreenshotsTag(1);  // the default
    manager.setToLanguageArr(codedList(4));
    manager.setUiLanguageIndex(0);
    EXPECT_EQ(defaults.writeCount(), writes);

    // A pop-up that loses its items reports -1; the choice stays.
    manager.setWordInputTag(-1);
    manager.setSearchEngineTag(-1);
    manager.setAudioLanguageIndex(-1);
    EXPECT_EQ(defaults.writeCount(), writes);
    EXPECT_EQ(manager.readToHyperTranslateLanguageCode(), "L2");

    manager.setWordInputTag(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(defaults.writeCount(), writes + 1);
    EXPECT_EQ(integerOnDisk(VQLanguageManager::VQ_Word_Input_Key), 1);

    // An emptied server list brings back the built-in targets.
    manager.setToLanguageArr({});
    EXPECT_EQ(manager.toLanguageArr().size(), 6);
}

TEST_F(VQLanguageManagerTest, UiLanguageCodeResetsAnIndexOutOfRange)
{
    manager.setUiLanguageIndex(2);
    EXPECT_EQ(manager.readUILanguageCode(), "EN_US");
    manager.setUiLanguageIndex(6);
    EXPECT_EQ(manager.readUILanguageCode(), "AR_EG");
    manager.setUiLanguageIndex(16);
    EXPECT_EQ(manager.readUILanguageCode(), "MAY_MAY");

    manager.setUiLanguageIndex(17);
    EXPECT_EQ(manager.readUILanguageCode(), "ZH_CN");
    EXPECT_EQ(manager.uiLanguageIndex(), 0);
    EXPECT_EQ(integerOnDisk(VQLanguageManager::uiLanguageIndexKey), 0);
}

TEST_F(VQLanguageManagerTest, SearchEngineNamesAreRebuiltForANewUiLanguage)
{
    EXPECT_EQ(manager.readSearchEngineNameList(), QStringList({"百度", "谷歌", "雅虎"}));
    manager.setUiLanguageIndex(2);
    manager.shouldRefreshData();
    EXPECT_EQ(manager.readSearchEngineNameList(), QStringList({"Baidu", "Google", "Yahoo"}));
    manager.setUiLanguageIndex(1);
    manager.shouldRefreshData();
    EXPECT_EQ(manager.readSearchEngineNameList(), QStringList({"百度", "Google", "Yahoo"}));
}

TEST_F(VQLanguageManagerTest, LocalesMapToTheirUiLanguage)
{
    EXPECT_EQ(VQLanguageManager::uiLanguageIndexForLocale(QLocale(QStringLiteral("zh_CN"))), 0);
    EXPECT_EQ(VQLanguageManager::uiLanguageIndexForLocale(QLocale(QStringLiteral("zh_TW"))), 1);
    EXPECT_EQ(VQLanguageManager::uiLanguageIndexForLocale(QLocale(QStringLiteral("zh-Hant-HK"))), 1);
    EXPECT_EQ(VQLanguageManager::uiLanguageIndexForLocale(QLocale(QStringLiteral("zh-Hans-HK"))), 0);
    EXPECT_EQ(VQLanguageManager::uiLanguageIndexForLocale(QLocale(QStringLiteral("en_GB"))), 2);
    EXPECT_EQ(VQLanguageManager::uiLanguageIndexForLocale(QLocale(QStringLiteral("ar_SA"))), 6);
    EXPECT_EQ(VQLanguageManager::uiLanguageIndexForLocale(QLocale(QStringLiteral("fil_PH"))), 15);
    EXPECT_EQ(VQLanguageManager::uiLanguageIndexForLocale(QLocale(QStringLiteral("ms_MY"))), 16);
    EXPECT_EQ(VQLanguageManager::uiLanguageIndexForLocale(QLocale(QStringLiteral("pl_PL"))), -1);
    EXPECT_EQ(VQLanguageManager::uiLanguageIndexForLocale(QLocale::c()), -1);
}

} // namespace
