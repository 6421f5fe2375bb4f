#include "KeyShortcut.h"
#include "MacKeyMap.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

namespace {

using MacKeyMap::kFlagCommand;
using MacKeyMap::kFlagControl;
using MacKeyMap::kFlagOption;
using MacKeyMap::kFlagShift;

TEST(KeyShortcutTest, RecordHoldsKeyCodeFlagsAndSymbols)
{
    const KeyShortcut shortcut(9, kFlagCommand | kFlagShift);
    const QJsonObject record = QJsonDocument::fromJson(shortcut.toRecordJson().toUtf8()).object();
    EXPECT_EQ(record.size(), 3);
    EXPECT_EQ(record.value("keyCode").toInt(), 9);
    EXPECT_EQ(record.value("modifierFlags").toInteger(), qint64(0x120000));
    EXPECT_EQ(record.value("modifierFlagsString").toString(), QString::fromUtf8("⇧⌘"));
    EXPECT_EQ(KeyShortcut::fromRecordJson(shortcut.toRecordJson()), shortcut);
}

TEST(KeyShortcutTest, SymbolsComeInControlOptionShiftCommandOrder)
{
    const KeyShortcut all(0, kFlagCommand | kFlagShift | kFlagOption | kFlagControl);
    EXPECT_EQ(all.modifierFlagsString(), QString::fromUtf8("⌃⌥⇧⌘"));
    EXPECT_EQ(KeyShortcut(0, 0).modifierFlagsString(), QString());
    EXPECT_EQ(KeyShortcut::modifierFlagsFromString(QString::fromUtf8("⌘⌥x⇧")), kFlagCommand | kFlagOption | kFlagShift);
    EXPECT_EQ(KeyShortcut::modifierFlagsFromString(QString::fromUtf8("⌃")), kFlagControl);
    // Flags other than the four modifiers are not part of a shortcut.
    EXPECT_EQ(KeyShortcut(0, kFlagOption | 0x100 | 0x800000).modifierFlags(), kFlagOption);
}

TEST(KeyShortcutTest, RecordsWithoutAUsableKeyCodeAreEmpty)
{
    const char* bad[] = {
        "",
        "   ",
        "not json",
        "[1, 2]",
        "{}",
        R"({"keyCode": "9"})",
        R"({"keyCode": 9.5})",
        R"({"keyCode": -1})",
        R"({"keyCode": 70000})",
        R"({"keyCode": null, "modifierFlags": 1048576})",
        R"({"keycode": 9})",
    };
    for (const char* text : bad)
        EXPECT_FALSE(KeyShortcut::fromRecordJson(QString::fromUtf8(text)).isValid()) << text;
}

TEST(KeyShortcutTest, RecordWithOnlySymbolsTakesTheFlagsFromThem)
{
    const KeyShortcut shortcut = KeyShortcut::fromRecordJson(QString::fromUtf8(R"({"keyCode": 8, "modifierFlagsString": "⌘"})"));
    EXPECT_EQ(shortcut, KeyShortcut(8, kFlagCommand));
    // A number written with a fraction of zero is still an integer.
    EXPECT_EQ(KeyShortcut::fromRecordJson(QStringLiteral(R"({"keyCode": 122.0})")), KeyShortcut(122, 0));
}

TEST(KeyShortcutTest, StoredFormRoundTripsThroughJsonNumbers)
{
    const KeyShortcut shortcut(1, kFlagOption);
    const QVariant stored = shortcut.toVariant();
    EXPECT_EQ(KeyShortcut::fromVariant(stored), shortcut);
    // A JSON file gives numbers back as doubles.
    const QVariant reloaded = QJsonDocument::fromJson(QJsonDocument(QJsonObject::fromVariantMap(stored.toMap())).toJson())
                                  .object()
                                  .toVariantMap();
    EXPECT_EQ(KeyShortcut::fromVariant(reloaded), shortcut);
    // A record's text is accepted as well; anything else is no shortcut.
    EXPECT_EQ(KeyShortcut::fromVariant(shortcut.toRecordJson()), shortcut);
    EXPECT_FALSE(KeyShortcut::fromVariant(QVariantMap()).isValid());
    EXPECT_FALSE(KeyShortcut::fromVariant(QVariant(42)).isValid());
    EXPECT_FALSE(KeyShortcut().toVariant().isValid());
    EXPECT_EQ(KeyShortcut().toRecordJson(), QString());
}

TEST(KeyShortcutTest, QtKeyEventsBecomeMacCodesAndBack)
{
    const KeyShortcut paste = KeyShortcut::fromQtKey(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(paste, KeyShortcut(9, kFlagCommand | kFlagShift));
    EXPECT_EQ(paste.displayText(), QStringLiteral("Ctrl+Shift+V"));

    const KeyShortcut snip = KeyShortcut::fromQtKey(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(snip, KeyShortcut(1, kFlagOption));
    EXPECT_EQ(snip.displayText(), QStringLiteral("Alt+S"));

    EXPECT_EQ(KeyShortcut::fromQtKey(Qt::Key_B, Qt::MetaModifier), KeyShortcut(11, kFlagControl));
    EXPECT_EQ(KeyShortcut::fromQtKey(Qt::Key_1, Qt::KeypadModifier), KeyShortcut(83, 0));
    EXPECT_EQ(KeyShortcut::fromQtKey(Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier),
              KeyShortcut(18, kFlagShift | kFlagCommand));
    EXPECT_EQ(KeyShortcut(122, 0).displayText(), QStringLiteral("F1"));
    EXPECT_FALSE(KeyShortcut::fromQtKey(Qt::Key_Eacute, Qt::AltModifier).isValid());
}

} // namespace
