#include "FakeGlobalShortcuts.h"
#include "MacKeyMap.h"
#include "UserDefaults.h"
#include "VQShortcutBinder.h"
#include "VQShortcutRecorder.h"
#include "VQShortcutValidator.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kKey = QStringLiteral("SnipShortcutKey");

class VQShortcutRecorderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDefaults::resetStandardForTests();
        validator.setAllowAnyShortcutWithOptionModifier(true);
        recorder.setShortcutValidator(&validator);
        recorder.resize(200, 30);
        recorder.show();
    }
    void TearDown() override
    {
        VQShortcutBinder::sharedBinder().resetForTests();
        UserDefaults::resetStandardForTests();
    }

    void startRecording() { QTest::mouseClick(&recorder, Qt::LeftButton); }

    FakeGlobalShortcuts shortcuts;
    VQShortcutValidator validator;
    VQShortcutRecorder recorder;
};

TEST_F(VQShortcutRecorderTest, AKeyPressBecomesTheRecordAndTheRecordShowsAgain)
{
    recorder.setAssociatedUserDefaultsKey(kKey);
    startRecording();
    ASSERT_TRUE(recorder.isRecording());
    QTest::keyClick(&recorder, Qt::Key_S, Qt::AltModifier);
    EXPECT_FALSE(recorder.isRecording());

    const KeyShortcut value = recorder.shortcutValue();
    EXPECT_EQ(value, KeyShortcut(MacKeyMap::kKeyCodeS, MacKeyMap::kFlagOption));
    const QJsonObject record = QJsonDocument::fromJson(value.toRecordJson().toUtf8()).object();
    EXPECT_EQ(record.value("keyCode").toInt(), 1);
    EXPECT_EQ(record.value("modifierFlags").toInteger(), qint64(0x80000));
    EXPECT_EQ(record.value("modifierFlagsString").toString(), QString::fromUtf8("⌥"));
    EXPECT_EQ(VQShortcutBinder::shortcutForDefaultsKey(kKey), value) << "stored under the associated key";

    // Back: a record read from a command shows as this system writes the combination.
    VQShortcutRecorder other;
    other.setShortcutValue(KeyShortcut::fromRecordJson(
        QString::fromUtf8(R"({"keyCode":9,"modifierFlags":1179648,"modifierFlagsString":"⇧⌘"})")));
    EXPECT_EQ(other.shortcutValue(), KeyShortcut(9, MacKeyMap::kFlagCommand | MacKeyMap::kFlagShift));
    EXPECT_EQ(other.displayText(), QStringLiteral("Ctrl+Shift+V"));
}

TEST_F(VQShortcutRecorderTest, ControlAndSuperRecordAsCommandAndControl)
{
    startRecording();
    QTest::keyClick(&recorder, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(recorder.shortcutValue(), KeyShortcut(MacKeyMap::kKeyCodeC, MacKeyMap::kFlagCommand));
    startRecording();
    QTest::keyClick(&recorder, Qt::Key_B, Qt::MetaModifier | Qt::ShiftModifier);
    EXPECT_EQ(recorder.shortcutValue(), KeyShortcut(11, MacKeyMap::kFlagControl | MacKeyMap::kFlagShift));
    startRecording();
    QTest::keyClick(&recorder, Qt::Key_F2);
    EXPECT_EQ(recorder.shortcutValue(), KeyShortcut(MacKeyMap::kKeyCodeF2, 0));
}

TEST_F(VQShortcutRecorderTest, RefusedCombinationsKeepRecording)
{
    recorder.setShortcutValue(KeyShortcut(MacKeyMap::kKeyCodeF1, 0));
    QSignalSpy changed(&recorder, &VQShortcutRecorder::shortcutValueChanged);
    startRecording();
    QTest::keyClick(&recorder, Qt::Key_A);                      // a plain letter
    QTest::keyClick(&recorder, Qt::Key_A, Qt::ShiftModifier);   // a capital
    EXPECT_TRUE(recorder.isRecording());
    validator.setAllowAnyShortcutWithOptionModifier(false);
    QTest::keyClick(&recorder, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(recorder.isRecording());
    EXPECT_EQ(recorder.shortcutValue(), KeyShortcut(MacKeyMap::kKeyCodeF1, 0));
    EXPECT_EQ(changed.size(), 0);
}

TEST_F(VQShortcutRecorderTest, EscapeCancelsAndBackspaceClears)
{
    recorder.setAssociatedUserDefaultsKey(kKey);
    recorder.setShortcutValue(KeyShortcut(MacKeyMap::kKeyCodeS, MacKeyMap::kFlagOption));
    startRecording();
    QTest::keyClick(&recorder, Qt::Key_Escape);
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_EQ(recorder.shortcutValue(), KeyShortcut(MacKeyMap::kKeyCodeS, MacKeyMap::kFlagOption));

    UserDefaults::standard().registerDefaults({{kKey, KeyShortcut(MacKeyMap::kKeyCodeS, MacKeyMap::kFlagOption).toVariant()}});
    startRecording();
    QTest::keyClick(&recorder, Qt::Key_Backspace);
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_FALSE(recorder.shortcutValue().isValid());
    EXPECT_FALSE(VQShortcutBinder::shortcutForDefaultsKey(kKey).isValid()) << "a cleared shortcut stays cleared";
}

TEST_F(VQShortcutRecorderTest, RecordingSuspendsBoundShortcutsSoTheyCanBeRecordedAgain)
{
    recorder.setAssociatedUserDefaultsKey(kKey);
    recorder.setShortcutValue(KeyShortcut(MacKeyMap::kKeyCodeS, MacKeyMap::kFlagOption));
    VQShortcutBinder::sharedBinder().bindShortcutWithDefaultsKey(kKey, [] {});
    ASSERT_EQ(shortcuts.registered().size(), 1);

    startRecording();
    EXPECT_TRUE(shortcuts.registered().isEmpty());
    QTest::keyClick(&recorder, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(shortcuts.registered(), QList<KeyShortcut>{KeyShortcut(2, MacKeyMap::kFlagCommand)});

    // Leaving the box ends recording as well, and the grabs come back.
    startRecording();
    EXPECT_TRUE(shortcuts.registered().isEmpty());
    recorder.hide();
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_EQ(shortcuts.registered().size(), 1);
}

TEST_F(VQShortcutRecorderTest, FollowsTheKeyWhenItChangesElsewhere)
{
    recorder.setAssociatedUserDefaultsKey(kKey);
    QSignalSpy changed(&recorder, &VQShortcutRecorder::shortcutValueChanged);
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, KeyShortcut(MacKeyMap::kKeyCodeF3, 0));
    EXPECT_EQ(recorder.shortcutValue(), KeyShortcut(MacKeyMap::kKeyCodeF3, 0));
    EXPECT_EQ(recorder.displayText(), QStringLiteral("F3"));
    EXPECT_EQ(changed.size(), 1);
}

TEST_F(VQShortcutRecorderTest, ADisabledBoxDoesNotRecord)
{
    recorder.setEnabled(false);
    startRecording();
    EXPECT_FALSE(recorder.isRecording());
}

TEST(VQShortcutValidatorTest, AcceptsWhatCannotBeTypedAndOptionOnlyWhenAllowed)
{
    VQShortcutValidator validator;
    EXPECT_TRUE(validator.isShortcutValid(KeyShortcut(MacKeyMap::kKeyCodeF1, 0)));
    EXPECT_TRUE(validator.isShortcutValid(KeyShortcut(MacKeyMap::kKeyCodeF1, MacKeyMap::kFlagShift)));
    EXPECT_TRUE(validator.isShortcutValid(KeyShortcut(MacKeyMap::kKeyCodeV, MacKeyMap::kFlagCommand)));
    EXPECT_TRUE(validator.isShortcutValid(KeyShortcut(MacKeyMap::kKeyCodeV, MacKeyMap::kFlagControl)));
    EXPECT_FALSE(validator.isShortcutValid(KeyShortcut(MacKeyMap::kKeyCodeV, 0)));
    EXPECT_FALSE(validator.isShortcutValid(KeyShortcut(MacKeyMap::kKeyCodeV, MacKeyMap::kFlagShift)));
    EXPECT_FALSE(validator.isShortcutValid(KeyShortcut(MacKeyMap::kKeyCodeEscape, 0)));
    EXPECT_FALSE(validator.isShortcutValid(KeyShortcut()));

    const KeyShortcut optionS(MacKeyMap::kKeyCodeS, MacKeyMap::kFlagOption);
    EXPECT_FALSE(validator.isShortcutValid(optionS));
    validator.setAllowAnyShortcutWithOptionModifier(true);
    EXPECT_TRUE(validator.isShortcutValid(optionS));
    EXPECT_TRUE(validator.isShortcutValid(KeyShortcut(MacKeyMap::kKeyCodeS, MacKeyMap::kFlagOption | MacKeyMap::kFlagShift)));
}

} // namespace
