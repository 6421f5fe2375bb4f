#include "MacKeyMap.h"

#include <gtest/gtest.h>

#include <QSet>
#include <Qt>

#include <X11/keysym.h>

namespace {

// Keys that share their Qt key with another one (the right-hand modifiers).
const QSet<int> kSharedQtKeys{54, 60, 61, 62};

TEST(MacKeyMapTest, EveryKnownKeyMapsToAKeysymAndBack)
{
    int known = 0;
    for (int code = 0; code < 128; ++code) {
        const quint32 keysym = MacKeyMap::keysymForMacKeyCode(code);
        if (keysym == 0)
            continue;
        ++known;
        EXPECT_EQ(MacKeyMap::macKeyCodeForKeysym(keysym), code) << "key code " << code;
    }
    // Letters, digits, punctuation, editing keys, arrows, F1-F20, the keypad and modifiers.
    EXPECT_GE(known, 110);
}

TEST(MacKeyMapTest, KeysTheProgramPostsAndBindsSitWhereMacKeyboardsHaveThem)
{
    EXPECT_EQ(MacKeyMap::keysymForMacKeyCode(MacKeyMap::kKeyCodeV), quint32(XK_v));
    EXPECT_EQ(MacKeyMap::keysymForMacKeyCode(MacKeyMap::kKeyCodeS), quint32(XK_s));
    EXPECT_EQ(MacKeyMap::keysymForMacKeyCode(MacKeyMap::kKeyCodeKeypadEnter), quint32(XK_KP_Enter));
    EXPECT_EQ(MacKeyMap::keysymForMacKeyCode(MacKeyMap::kKeyCodeF3), quint32(XK_F3));
    EXPECT_EQ(MacKeyMap::keysymForMacKeyCode(MacKeyMap::kKeyCodeDelete), quint32(XK_BackSpace));
    // Codes without a key on a Mac keyboard, and nonsense.
    EXPECT_EQ(MacKeyMap::keysymForMacKeyCode(52), 0u);
    EXPECT_EQ(MacKeyMap::keysymForMacKeyCode(-1), 0u);
    EXPECT_EQ(MacKeyMap::keysymForMacKeyCode(0xFFFF), 0u);
}

TEST(MacKeyMapTest, OtherSymbolsOfAKeyFindTheKey)
{
    EXPECT_EQ(MacKeyMap::macKeyCodeForKeysym(XK_V), 9);      // Shift or CapsLock held
    EXPECT_EQ(MacKeyMap::macKeyCodeForKeysym(XK_KP_Home), 89); // keypad 7 without NumLock
    EXPECT_EQ(MacKeyMap::macKeyCodeForKeysym(XK_ISO_Left_Tab), 48);
    EXPECT_EQ(MacKeyMap::macKeyCodeForKeysym(XK_eacute), -1);
}

TEST(MacKeyMapTest, QtKeysOfKeyEventsGiveTheKeyCode)
{
    for (int code = 0; code < 128; ++code) {
        const int qtKey = MacKeyMap::qtKeyForMacKeyCode(code);
        if (qtKey == 0 || kSharedQtKeys.contains(code))
            continue;
        EXPECT_EQ(MacKeyMap::macKeyCodeForQtKey(qtKey, MacKeyMap::isKeypadKey(code)), code) << "key code " << code;
    }
    // Keypad digits differ from the row above the letters.
    EXPECT_EQ(MacKeyMap::macKeyCodeForQtKey(Qt::Key_1, false), 18);
    EXPECT_EQ(MacKeyMap::macKeyCodeForQtKey(Qt::Key_1, true), 83);
    // Held with Shift, Qt reports the shifted symbol.
    EXPECT_EQ(MacKeyMap::macKeyCodeForQtKey(Qt::Key_Exclam, false), 18);
    EXPECT_EQ(MacKeyMap::macKeyCodeForQtKey(Qt::Key_Question, false), 44);
    EXPECT_EQ(MacKeyMap::macKeyCodeForQtKey(Qt::Key_Backtab, false), 48);
    EXPECT_EQ(MacKeyMap::macKeyCodeForQtKey(Qt::Key_Enter, false), 76);
    EXPECT_EQ(MacKeyMap::macKeyCodeForQtKey(Qt::Key_Eacute, false), -1);
}

TEST(MacKeyMapTest, CommandIsControlAndControlIsSuper)
{
    quint32 keysyms[4] = {};
    ASSERT_EQ(MacKeyMap::modifierKeysymsForFlags(MacKeyMap::kFlagCommand, keysyms), 1);
    EXPECT_EQ(keysyms[0], quint32(XK_Control_L));
    ASSERT_EQ(MacKeyMap::modifierKeysymsForFlags(MacKeyMap::kFlagControl, keysyms), 1);
    EXPECT_EQ(keysyms[0], quint32(XK_Super_L));
    ASSERT_EQ(MacKeyMap::modifierKeysymsForFlags(MacKeyMap::kShortcutModifierMask | MacKeyMap::kFlagNonCoalesced, keysyms), 4);
    EXPECT_EQ(keysyms[0], quint32(XK_Shift_L));
    EXPECT_EQ(keysyms[1], quint32(XK_Control_L));
    EXPECT_EQ(keysyms[2], quint32(XK_Alt_L));
    EXPECT_EQ(keysyms[3], quint32(XK_Super_L));
    // The flags of a key up hold no modifier.
    EXPECT_EQ(MacKeyMap::modifierKeysymsForFlags(MacKeyMap::kFlagNonCoalesced, keysyms), 0);
}

} // namespace
