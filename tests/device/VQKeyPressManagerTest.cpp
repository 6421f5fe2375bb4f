// The key-press dispatcher: the chosen function of a key and press kind carried out, one test per
// group of functions (voice, shortcut, open, text, keys, DPI, lock, later subsystems), with the
// fakes of the platform and the simulated receiver; and the middle button's press classifier.
#include "DeviceTestFixture.h"
#include "FakeClipboard.h"
#include "FakeDesktopOpener.h"
#include "FakeInputMonitor.h"
#include "FakeKeySynthesizer.h"
#include "FakePowerControl.h"
#include "MacKeyMap.h"
#include "MouseSettingModel.h"
#include "VQKeyPressManager.h"
#include "VQToolManager.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

namespace {

using Event = FakeKeySynthesizer::Event;
constexpr quint64 kUp = MacKeyMap::kFlagNonCoalesced;

class VQKeyPressManagerTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        VQKeyPressManager::resetForTests();
        // The voice hub's part: codes 51-70 go to the dispatcher, every code is recorded.
        VQDeviceEvents::setHidCallback([this](int code) {
            codes.push_back(code);
            if (const auto press = VQKeyPressManager::pressForEventCode(code))
                manager().handlePressKeyEvent(press->first, press->second);
        });
        VQDeviceEvents::setCancelAsrHook([this] { ++cancels; });
        VQUserInfoData::sharedInstance().setCompatibleModeSwitch(false);
    }

    void TearDown() override
    {
        VQKeyPressManager::resetForTests();
        DeviceTest::TearDown();
    }

    static VQKeyPressManager& manager() { return VQKeyPressManager::sharedInstance(); }

    // Makes cmd (with attr0) the chosen function of the key and press kind ("sk", "dk", "lk"),
    // beside an unchosen one.
    void choose(const char* key, const char* operation, const char* cmd, const QString& attr0 = QString())
    {
        QJsonObject chosen{{QStringLiteral("id"), QStringLiteral("f%1").arg(++m_ids)},
                           {QStringLiteral("cmd"), QString::fromLatin1(cmd)},
                           {QStringLiteral("first"), QStringLiteral("1")},
                           {QStringLiteral("attr0"), attr0}};
        QJsonObject other{{QStringLiteral("cmd"), QStringLiteral("Action_LockScreen")}, {QStringLiteral("first"), QStringLiteral("0")}};
        QJsonObject press{{QStringLiteral("operation"), QString::fromLatin1(operation)},
                          {QStringLiteral("childs"), QJsonArray{other, chosen}}};
        MouseSettingModel::List list = VQUserInfoData::sharedInstance().mouseSettingArr();
        list.append(MouseSettingModel::fromJson(
            QJsonObject{{QStringLiteral("key"), QString::fromLatin1(key)}, {QStringLiteral("childs"), QJsonArray{press}}}));
        VQUserInfoData::sharedInstance().setMouseSettingArr(list);
    }

    void clearFunctions() { VQUserInfoData::sharedInstance().setMouseSettingArr({}); }

    // Keys the simulated device was asked to type, as "modifier:usage" in hex.
    QStringList typed()
    {
        QStringList out;
        for (const auto& key : receiver.device().typedKeys)
            out.append(QStringLiteral("%1:%2").arg(key.first, 2, 16, QLatin1Char('0')).arg(key.second, 2, 16, QLatin1Char('0')));
        return out;
    }

    FakeKeySynthesizer keys;
    FakeDesktopOpener opener;
    FakePowerControl power;
    FakeClipboard clipboard;
    FakeInputMonitor input;
    std::vector<int> codes;
    int cancels = 0;

private:
    int m_ids = 0;
};

} // namespace

TEST_F(VQKeyPressManagerTest, VoiceFunctionsRunWhileHeldOrBetweenTwoPresses)
{
    plugAndSettle();
    receiver.clearRecords();
    choose("voice_key", "lk", "Action_VI");
    choose("search_key", "sk", "Action_VS");
    choose("M_key", "dk", "Action_VI_VT");
    choose("AI_key", "sk", "Action_VI_VT_CHANGE");

    // A long press of key type 3, reported by the device as the codes 53 and 54.
    receiver.sendKey(53);
    ASSERT_TRUE(vqtest::waitUntil([this] { return codes.size() >= 2; }));
    EXPECT_EQ(manager().lastPressType(), 33);
    receiver.sendKey(54);
    ASSERT_TRUE(vqtest::waitUntil([this] { return codes.size() >= 4; }));
    EXPECT_EQ(codes, (std::vector<int>{53, 33, 54, 34}));
    EXPECT_EQ(manager().lastPressType(), 0);
    settle();
    EXPECT_EQ(receiver.receivedHex().filter(QRegularExpression(QStringLiteral("^0da54d042[01]4c$"))),
              (QStringList{QStringLiteral("0da54d04204c"), QStringLiteral("0da54d04214c")})); // microphone on, off

    // Voice search by single presses: the first starts it, the second ends it; meanwhile
    // another voice function is refused.
    codes.clear();
    manager().handlePressKeyEvent(1, 4);
    manager().handlePressKeyEvent(3, 3);
    manager().handlePressKeyEvent(4, 3);
    EXPECT_EQ(manager().lastPressType(), 35);
    manager().handlePressKeyEvent(1, 4);
    EXPECT_EQ(codes, (std::vector<int>{35, 36}));

    // Typing or translation by the mode; the mode switch cancels and announces the new mode.
    codes.clear();
    manager().handlePressKeyEvent(1, 7);
    EXPECT_TRUE(VQDeviceEvents::isTranslate());
    manager().handlePressKeyEvent(2, 6);
    manager().handlePressKeyEvent(2, 6);
    manager().handlePressKeyEvent(1, 7);
    EXPECT_FALSE(VQDeviceEvents::isTranslate());
    EXPECT_EQ(codes, (std::vector<int>{31, 37, 38, 30}));
    EXPECT_EQ(cancels, 2);

    // The popup closing resets the press type, so a stale one does not block the next start.
    manager().handlePressKeyEvent(1, 4);
    manager().setLastPressType(0);
    codes.clear();
    manager().handlePressKeyEvent(1, 4);
    EXPECT_EQ(codes, (std::vector<int>{35}));
}

TEST_F(VQKeyPressManagerTest, ShortcutOpenAndTextFunctionsUseTheirArgument)
{
    choose("voice_key", "sk", "Action_SK",
           QStringLiteral(R"({"keyCode":1,"modifierFlagsString":"⌘⇧","modifierFlags":1179648})"));
    choose("voice_key", "dk", "Action_OW", QStringLiteral("example.com/a b"));
    const QString file = VQToolManager::getFilePath(QStringLiteral("notes.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    UserDefaults::standard().setValue(file, QStringLiteral("bookmark"));
    choose("search_key", "sk", "Action_OF", file);
    choose("search_key", "dk", "Action_OFJ", QStringLiteral("/etc")); // never chosen in the editor
    choose("M_key", "lk", "Action_FT", QStringLiteral("你好, world"));

    manager().handlePressKeyEvent(1, 3);
    EXPECT_EQ(keys.events, (QList<Event>{{1, true, MacKeyMap::kFlagCommand | MacKeyMap::kFlagShift}, {1, false, kUp}}));

    manager().handlePressKeyEvent(2, 3);
    manager().handlePressKeyEvent(1, 4);
    manager().handlePressKeyEvent(2, 4);
    EXPECT_EQ(opener.opened, (QList<QUrl>{QUrl(QStringLiteral("http://example.com/a%20b")), QUrl::fromLocalFile(file)}));

    keys.events.clear();
    manager().handlePressKeyEvent(3, 6);
    manager().handlePressKeyEvent(4, 6); // the release runs nothing more
    EXPECT_EQ(clipboard.content, QStringLiteral("你好, world"));
    EXPECT_EQ(keys.events, (QList<Event>{{MacKeyMap::kKeyCodeV, true, MacKeyMap::kFlagCommand}, {MacKeyMap::kKeyCodeV, false, kUp}}));
}

TEST_F(VQKeyPressManagerTest, KeysAreTypedByTheDeviceInCompatibilityModeElseSynthesised)
{
    choose("voice_key", "sk", "GO_HOME");
    choose("voice_key", "dk", "Action_copy");
    choose("search_key", "sk", "Action_W_TAB");
    choose("search_key", "dk", "Action_back");
    choose("translate_key", "sk", "Action_ENTER");
    choose("translate_key", "dk", "Action_forward");
    choose("M_key", "lk", "DEL_OPT");
    const auto pressAll = [] {
        for (const auto& [press, key] : {std::pair{1, 3}, {2, 3}, {1, 4}, {2, 4}, {1, 5}, {2, 5}})
            manager().handlePressKeyEvent(press, key);
    };

    // No device (or compatibility mode off): synthesised keys, Alt for application and page moves.
    pressAll();
    EXPECT_EQ(keys.keyDowns(), (QList<Event>{{103, true, kUp},
                                             {MacKeyMap::kKeyCodeC, true, MacKeyMap::kFlagCommand},
                                             {MacKeyMap::kKeyCodeTab, true, MacKeyMap::kFlagOption},
                                             {MacKeyMap::kKeyCodeLeftArrow, true, MacKeyMap::kFlagOption},
                                             {MacKeyMap::kKeyCodeKeypadEnter, true, kUp},
                                             {MacKeyMap::kKeyCodeRightArrow, true, MacKeyMap::kFlagOption}}));

    // Delete repeats while the key is held, and stops at its release.
    keys.events.clear();
    manager().handlePressKeyEvent(3, 6);
    vqtest::spin(VQKeyPressManager::kDeleteRepeatMs * 3 + 50);
    manager().handlePressKeyEvent(4, 6);
    const qsizetype deletes = keys.keyDowns().size();
    EXPECT_GE(deletes, 2);
    EXPECT_LE(deletes, 5);
    vqtest::spin(VQKeyPressManager::kDeleteRepeatMs * 2);
    EXPECT_EQ(keys.keyDowns().size(), deletes);
    EXPECT_EQ(keys.keyDowns().first(), (Event{MacKeyMap::kKeyCodeDelete, true, kUp}));

    // Compatibility mode with a device: the device types them (Command as Control).
    plugAndSettle();
    receiver.clearRecords();
    VQUserInfoData::sharedInstance().setCompatibleModeSwitch(true);
    keys.events.clear();
    pressAll();
    settle();
    EXPECT_TRUE(keys.events.isEmpty());
    EXPECT_EQ(typed(), (QStringList{QStringLiteral("00:44"), QStringLiteral("01:06"), QStringLiteral("04:2b"),
                                    QStringLiteral("04:50"), QStringLiteral("00:28"), QStringLiteral("04:4f")}));
}

TEST_F(VQKeyPressManagerTest, NextDpiStepLockAndTheHooksOfLaterParts)
{
    choose("voice_key", "sk", "Action_DPI");
    choose("voice_key", "dk", "Action_LockScreen");
    choose("search_key", "sk", "Action_ST");
    choose("search_key", "dk", "Action_GPT");
    choose("search_key", "lk", "Action_OM_AI");
    choose("M_key", "sk", "Action_GetWord_Trans");
    choose("AI_key", "sk", "Action_IT");
    int snips = 0;
    int aiWindows = 0;
    QList<qint64> translatedAfter;
    QElapsedTimer clock;
    manager().hooks().snipTranslate = [&snips] { ++snips; };
    manager().hooks().showAIWindow = [&aiWindows] { ++aiWindows; };
    manager().hooks().hyperTranslate = [&] { translatedAfter.append(clock.elapsed()); };

    // Without a device: no DPI command, no screenshot translation; the AI window opens.
    manager().handlePressKeyEvent(1, 3);
    manager().handlePressKeyEvent(1, 4);
    manager().handlePressKeyEvent(2, 4);
    manager().handlePressKeyEvent(3, 4);
    EXPECT_EQ(snips, 0);
    EXPECT_EQ(aiWindows, 2);
    manager().handlePressKeyEvent(2, 3);
    vqtest::spin(20);
    EXPECT_EQ(power.requests, QStringList{QStringLiteral("suspend")});

    plugAndSettle();
    receiver.clearRecords();
    ASSERT_EQ(record().dpi(), 1);
    for (int i = 0; i < 3; ++i) {
        manager().handlePressKeyEvent(1, 3);
        settle();
    }
    // Steps 2 and 3 of the four default steps, then back to the first.
    EXPECT_EQ(receiver.receivedHex().filter(QStringLiteral("0da54d0516")),
              (QStringList{QStringLiteral("0da54d0516024c"), QStringLiteral("0da54d0516034c"), QStringLiteral("0da54d0516004c")}));
    manager().handlePressKeyEvent(1, 4);
    EXPECT_EQ(snips, 1);
    manager().handlePressKeyEvent(1, 7); // a DPI item of the page does nothing on a press

    // The selected word: the clipboard is emptied, the device copies, the translation follows.
    clipboard.content = QStringLiteral("old");
    receiver.clearRecords();
    clock.start();
    manager().handlePressKeyEvent(1, 6);
    EXPECT_EQ(clipboard.content, QString());
    ASSERT_TRUE(vqtest::waitUntil([&] { return !translatedAfter.isEmpty(); }));
    EXPECT_GE(translatedAfter.first(), VQKeyPressManager::kSelectedWordTranslateDelayMs - 25);
    EXPECT_EQ(typed(), QStringList{QStringLiteral("01:06")});
    EXPECT_TRUE(receiver.rejected().isEmpty());
}

TEST_F(VQKeyPressManagerTest, MiddleButtonPressesAreClassifiedSingleDoubleAndLong)
{
    choose("center_key", "sk", "Action_copy");
    choose("center_key", "dk", "Action_paste");
    choose("center_key", "lk", "Action_VI");
    ASSERT_TRUE(manager().start());
    EXPECT_EQ(input.monitorCount(), 1);
    const auto click = [this](int button = 2) {
        input.send(MMEventType::OtherMouseDown, {}, button);
        input.send(MMEventType::OtherMouseUp, {}, button);
    };

    click();
    vqtest::spin(VQMiddleButtonClassifier::kDoublePressMs / 2);
    EXPECT_TRUE(keys.events.isEmpty()); // it may still become a double press
    vqtest::spin(VQMiddleButtonClassifier::kDoublePressMs);
    EXPECT_EQ(keys.keyDowns(), (QList<Event>{{MacKeyMap::kKeyCodeC, true, MacKeyMap::kFlagCommand}}));

    keys.events.clear();
    click();
    vqtest::spin(50);
    click();
    vqtest::spin(VQMiddleButtonClassifier::kDoublePressMs + 50);
    EXPECT_EQ(keys.keyDowns(), (QList<Event>{{MacKeyMap::kKeyCodeV, true, MacKeyMap::kFlagCommand}}));

    // Held: the long press begins after kLongPressMs and ends with the release.
    input.send(MMEventType::OtherMouseDown, {}, 2);
    vqtest::spin(VQMiddleButtonClassifier::kLongPressMs / 2);
    EXPECT_TRUE(codes.empty());
    vqtest::spin(VQMiddleButtonClassifier::kLongPressMs);
    EXPECT_EQ(codes, std::vector<int>{33});
    input.send(MMEventType::OtherMouseUp, {}, 2);
    EXPECT_EQ(codes, (std::vector<int>{33, 34}));

    // Other buttons are not the middle button; nothing is left running when idle.
    keys.events.clear();
    click(3);
    vqtest::spin(VQMiddleButtonClassifier::kDoublePressMs + 50);
    EXPECT_TRUE(keys.events.isEmpty());
    manager().stop();
    EXPECT_EQ(input.monitorCount(), 0);
    click();
    vqtest::spin(VQMiddleButtonClassifier::kDoublePressMs + 50);
    EXPECT_TRUE(keys.events.isEmpty());

    EXPECT_EQ(VQKeyPressManager::pressForEventCode(51), (std::pair<int, int>{1, 3}));
    EXPECT_EQ(VQKeyPressManager::pressForEventCode(62), (std::pair<int, int>{4, 5}));
    EXPECT_EQ(VQKeyPressManager::pressForEventCode(70), (std::pair<int, int>{4, 7}));
    EXPECT_FALSE(VQKeyPressManager::pressForEventCode(50).has_value());
}
