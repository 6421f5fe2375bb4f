// The four sections of the smart settings page against the settings they edit: first-start
// values, switches, the shared recognition language, the target language, new server lists, the
// inert exchange button, the search engine and a UI-language switch.
#include "InputSettingView.h"
#include "MMImage.h"
#include "QRNLocalizedString.h"
#include "SearchEngineView.h"
#include "SmartSettingFixture.h"
#include "TranslateSettingView.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQPopUpButton.h"

#include <QAction>
#include <QMenu>

#include <functional>

namespace {

void pick(VQPopUpButton* button, int index)
{
    const QList<QAction*> actions = button->menu()->actions();
    ASSERT_LT(index, actions.size());
    actions.at(index)->trigger();
}

bool showsImage(const VQButton* button, const char* name)
{
    return button->image().toImage() == mm::imageNamed(QString::fromLatin1(name)).toImage();
}

// Counts the posts of one notification while it lives.
struct PostCounter {
    explicit PostCounter(const char* name)
    {
        NotificationCenter::defaultCenter().addObserver(&owner, QString::fromLatin1(name),
                                                        [this](const VQNotification&) { ++count; });
    }
    QObject owner;
    int count = 0;
};

const QStringList kAudioCodes { QStringLiteral("ZH_CN"), QStringLiteral("EN_US"), QStringLiteral("JA_JP") };
const QStringList kToCodes { QStringLiteral("EN_US"), QStringLiteral("JA_JP"), QStringLiteral("KO_KR"),
                             QStringLiteral("FR_FR"), QStringLiteral("DE_DE"), QStringLiteral("ES_ES") };

using SmartSettingSectionsTest = SmartSettingTest;

TEST_F(SmartSettingSectionsTest, SwitchesStoreAtOnceAndShowTheirState)
{
    serveLists(kAudioCodes, kToCodes);
    InputSettingView input;
    EXPECT_EQ(input.viewHeight(), InputSettingView::collapsedHeight);

    struct Row {
        const char* name;
        VQButton* button;
        bool firstStart;
        std::function<bool()> stored;
    };
    const Row rows[] = {
        { "punctuation", input.punctuationBtn(), false, [] { return VQUserInfoData::sharedInstance().punctuationSwitch(); } },
        { "compatibility", input.compatibleModeBtn(), true, [] { return VQUserInfoData::sharedInstance().compatibleModeSwitch(); } },
        { "long speech", input.longVoiceModeBtn(), true, [] { return VQUserInfoData::sharedInstance().longVoiceModeSwitch(); } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.button->state() == 1, row.firstStart);
        EXPECT_TRUE(showsImage(row.button, row.firstStart ? "2_switch_on_icon" : "2_switch_off_icon"));
        for (bool expected : { !row.firstStart, row.firstStart }) {
            row.button->performClick();
            EXPECT_TRUE(showsImage(row.button, expected ? "2_switch_on_icon" : "2_switch_off_icon"));
            // Stored at once: a store read again from the defaults has it.
            VQUserInfoData::resetForTests();
            EXPECT_EQ(row.stored(), expected);
        }
    }
}

TEST_F(SmartSettingSectionsTest, LanguagesFollowEachOtherAndTheServerLists)
{
    serveLists(kAudioCodes, kToCodes);
    InputSettingView input;
    TranslateSettingView translate;
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    UserDefaults& defaults = UserDefaults::standard();
    PostCounter audioPosts(vq::kUpdateInputAudioNotification);

    // First start: the first recognition language, the fourth target.
    EXPECT_EQ(input.languageBtn()->markedIndex(), 0);
    EXPECT_EQ(translate.fromLanguageBtn()->markedIndex(), 0);
    EXPECT_EQ(translate.toLanguageBtn()->markedIndex(), 3);
    EXPECT_EQ(input.languageBtn()->itemsArr(), languages.readAudioLanguageNameList());
    EXPECT_EQ(translate.toLanguageBtn()->stringValue(), languages.readToLanguageNameList().at(3));

    // A recognition language picked in either section reaches the other one.
    struct Pick {
        VQPopUpButton* picked;
        VQPopUpButton* other;
        int index;
    };
    const Pick picks[] = { { input.languageBtn(), translate.fromLanguageBtn(), 2 },
                           { translate.fromLanguageBtn(), input.languageBtn(), 1 } };
    int posts = 0;
    for (const Pick& p : picks) {
        SCOPED_TRACE(p.index);
        pick(p.picked, p.index);
        EXPECT_EQ(audioPosts.count, ++posts);
        EXPECT_EQ(defaults.objectForKey(QString::fromLatin1(VQLanguageManager::audioLanguageIndexKey)).toInt(), p.index);
        EXPECT_EQ(p.other->markedIndex(), p.index);
        EXPECT_EQ(p.other->stringValue(), p.picked->stringValue());
    }

    // A target pick is stored and announced to no one.
    pick(translate.toLanguageBtn(), 5);
    EXPECT_EQ(defaults.objectForKey(QString::fromLatin1(VQLanguageManager::toLanguageIndexKey)).toInt(), 5);
    EXPECT_EQ(languages.readToLanguageCode(), kToCodes.at(5));
    EXPECT_EQ(audioPosts.count, posts);

    // The exchange button changes nothing.
    translate.changeLanguageBtn()->performClick();
    EXPECT_EQ(translate.fromLanguageBtn()->markedIndex(), 1);
    EXPECT_EQ(translate.toLanguageBtn()->markedIndex(), 5);
    EXPECT_EQ(languages.audioLanguageIndex(), 1);
    EXPECT_EQ(languages.toLanguageIndex(), 5);

    // Longer lists keep both choices; shorter ones read a source past the end as the first
    // language, mark no target and translate into "ZH_CN". Both stored indexes stay.
    serveLists(kAudioCodes + QStringList { QStringLiteral("KO_KR") }, kToCodes + QStringList { QStringLiteral("IT_IT") });
    EXPECT_EQ(input.languageBtn()->itemsArr().size(), 4);
    EXPECT_EQ(translate.fromLanguageBtn()->markedIndex(), 1);
    EXPECT_EQ(input.languageBtn()->markedIndex(), 1);
    EXPECT_EQ(translate.toLanguageBtn()->markedIndex(), 5);
    serveLists(kAudioCodes.mid(0, 1), kToCodes.mid(0, 2));
    EXPECT_EQ(languages.audioLanguageIndex(), 0);
    EXPECT_EQ(input.languageBtn()->markedIndex(), 0);
    EXPECT_EQ(translate.fromLanguageBtn()->markedIndex(), 0);
    EXPECT_EQ(translate.toLanguageBtn()->markedIndex(), -1);
    EXPECT_EQ(languages.readToLanguageCode(), QString::fromLatin1(VQLanguageManager::defaultLanguageCode));
    EXPECT_EQ(defaults.objectForKey(QString::fromLatin1(VQLanguageManager::audioLanguageIndexKey)).toInt(), 1);
    EXPECT_EQ(defaults.objectForKey(QString::fromLatin1(VQLanguageManager::toLanguageIndexKey)).toInt(), 5);
}

TEST_F(SmartSettingSectionsTest, SearchEngineIsStoredOnlyWhenItChanges)
{
    const QString key = QString::fromLatin1(VQLanguageManager::VQ_Search_Engine_Key);
    {
        SearchEngineView view;
        EXPECT_EQ(view.engineBtn()->markedIndex(), 0);
        EXPECT_EQ(view.engineBtn()->stringValue(), QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("百度")));
        int writes = 0;
        QObject::connect(&UserDefaults::standard(), &UserDefaults::changed, &view,
                         [&](const QString& changed) { writes += changed == key; });
        pick(view.engineBtn(), 2);
        EXPECT_EQ(writes, 1);
        EXPECT_EQ(UserDefaults::standard().objectForKey(key).toInt(), 2);
        pick(view.engineBtn(), 2);
        EXPECT_EQ(writes, 1);
        EXPECT_EQ(VQLanguageManager::sharedInstance().searchEngineTag(), 2);
    }
    // A stored tag without an engine marks none.
    UserDefaults::standard().setValue(key, qint64(7));
    VQLanguageManager::resetForTests();
    SearchEngineView view;
    EXPECT_EQ(view.engineBtn()->markedIndex(), -1);
    EXPECT_EQ(view.engineBtn()->itemsArr().size(), 3);
}

TEST_F(SmartSettingSectionsTest, UiLanguageSwitchRetitlesAndKeepsEverySelection)
{
    serveLists(kAudioCodes, kToCodes);
    VQLanguageManager::sharedInstance().setAudioLanguageIndex(2);
    VQLanguageManager::sharedInstance().setToLanguageIndex(4);
    VQLanguageManager::sharedInstance().setSearchEngineTag(1);
    InputSettingView input;
    TranslateSettingView translate;
    SearchEngineView engine;

    struct Text {
        const VQLabel* label;
        const char* key;
    };
    const Text texts[] = { { input.titleLabel(), "输入设置" },          { input.functionLabels()[1], "打字兼容模式" },
                           { input.functionLabels()[6], "语音搜索快捷键" }, { translate.titleLabel(), "翻译设置" },
                           { translate.functionLabel2(), "翻译语种" },    { engine.titleLabel(), "语音搜索引擎" } };
    const QString chineseEngine = engine.engineBtn()->stringValue();
    const QString chineseTarget = translate.toLanguageBtn()->stringValue();

    setUiLanguage(2);
    for (const Text& text : texts) {
        SCOPED_TRACE(text.key);
        EXPECT_NE(text.label->text(), QString::fromUtf8(text.key));
        EXPECT_EQ(text.label->text(), QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(text.key)));
    }
    EXPECT_NE(engine.engineBtn()->stringValue(), chineseEngine);
    EXPECT_NE(translate.toLanguageBtn()->stringValue(), chineseTarget);
    EXPECT_EQ(engine.engineBtn()->markedIndex(), 1);
    EXPECT_EQ(input.languageBtn()->markedIndex(), 2);
    EXPECT_EQ(translate.fromLanguageBtn()->markedIndex(), 2);
    EXPECT_EQ(translate.toLanguageBtn()->markedIndex(), 4);
    EXPECT_EQ(input.languageBtn()->stringValue(), QStringLiteral("JA_JP 2"));
}

} // namespace
