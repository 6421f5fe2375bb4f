#include "MacKeyMap.h"

#include <Qt>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <array>

namespace MacKeyMap {

namespace {

struct KeyRow {
    int macKeyCode;
    quint32 keysym;
    int qtKey;
    bool keypad;
};

// macOS virtual key code -> X keysym and Qt key.
constexpr std::array kRows{
    KeyRow{0, XK_a, Qt::Key_A, false},
    KeyRow{1, XK_s, Qt::Key_S, false},
    KeyRow{2, XK_d, Qt::Key_D, false},
    KeyRow{3, XK_f, Qt::Key_F, false},
    KeyRow{4, XK_h, Qt::Key_H, false},
    KeyRow{5, XK_g, Qt::Key_G, false},
    KeyRow{6, XK_z, Qt::Key_Z, false},
    KeyRow{7, XK_x, Qt::Key_X, false},
    KeyRow{8, XK_c, Qt::Key_C, false},
    KeyRow{9, XK_v, Qt::Key_V, false},
    KeyRow{11, XK_b, Qt::Key_B, false},
    KeyRow{12, XK_q, Qt::Key_Q, false},
    KeyRow{13, XK_w, Qt::Key_W, false},
    KeyRow{14, XK_e, Qt::Key_E, false},
    KeyRow{15, XK_r, Qt::Key_R, false},
    KeyRow{16, XK_y, Qt::Key_Y, false},
    KeyRow{17, XK_t, Qt::Key_T, false},
    KeyRow{18, XK_1, Qt::Key_1, false},
    KeyRow{19, XK_2, Qt::Key_2, false},
    KeyRow{20, XK_3, Qt::Key_3, false},
    KeyRow{21, XK_4, Qt::Key_4, false},
    KeyRow{22, XK_6, Qt::Key_6, false},
    KeyRow{23, XK_5, Qt::Key_5, false},
    KeyRow{24, XK_equal, Qt::Key_Equal, false},
    KeyRow{25, XK_9, Qt::Key_9, false},
    KeyRow{26, XK_7, Qt::Key_7, false},
    KeyRow{27, XK_minus, Qt::Key_Minus, false},
    KeyRow{28, XK_8, Qt::Key_8, false},
    KeyRow{29, XK_0, Qt::Key_0, false},
    KeyRow{30, XK_bracketright, Qt::Key_BracketRight, false},
    KeyRow{31, XK_o, Qt::Key_O, false},
    KeyRow{32, XK_u, Qt::Key_U, false},
    KeyRow{33, XK_bracketleft, Qt::Key_BracketLeft, false},
    KeyRow{34, XK_i, Qt::Key_I, false},
    KeyRow{35, XK_p, Qt::Key_P, false},
    KeyRow{36, XK_Return, Qt::Key_Return, false},
    KeyRow{37, XK_l, Qt::Key_L, false},
    KeyRow{38, XK_j, Qt::Key_J, false},
    KeyRow{39, XK_apostrophe, Qt::Key_Apostrophe, false},
    KeyRow{40, XK_k, Qt::Key_K, false},
    KeyRow{41, XK_semicolon, Qt::Key_Semicolon, false},
    KeyRow{42, XK_backslash, Qt::Key_Backslash, false},
    KeyRow{43, XK_comma, Qt::Key_Comma, false},
    KeyRow{44, XK_slash, Qt::Key_Slash, false},
    KeyRow{45, XK_n, Qt::Key_N, false},
    KeyRow{46, XK_m, Qt::Key_M, false},
    KeyRow{47, XK_period, Qt::Key_Period, false},
    KeyRow{48, XK_Tab, Qt::Key_Tab, false},
    KeyRow{49, XK_space, Qt::Key_Space, false},
    KeyRow{50, XK_grave, Qt::Key_QuoteLeft, false},
    KeyRow{51, XK_BackSpace, Qt::Key_Backspace, false},
    KeyRow{53, XK_Escape, Qt::Key_Escape, false},
    KeyRow{55, XK_Control_L, Qt::Key_Control, false},
    KeyRow{54, XK_Control_R, Qt::Key_Control, false},
    KeyRow{56, XK_Shift_L, Qt::Key_Shift, false},
    KeyRow{57, XK_Caps_Lock, Qt::Key_CapsLock, false},
    KeyRow{58, XK_Alt_L, Qt::Key_Alt, false},
    KeyRow{59, XK_Super_L, Qt::Key_Meta, false},
    KeyRow{60, XK_Shift_R, Qt::Key_Shift, false},
    KeyRow{61, XK_Alt_R, Qt::Key_Alt, false},
    KeyRow{62, XK_Super_R, Qt::Key_Meta, false},
    KeyRow{64, XK_F17, Qt::Key_F17, false},
    KeyRow{65, XK_KP_Decimal, Qt::Key_Period, true},
    KeyRow{67, XK_KP_Multiply, Qt::Key_Asterisk, true},
    KeyRow{69, XK_KP_Add, Qt::Key_Plus, true},
    KeyRow{71, XK_Clear, Qt::Key_Clear, false},
    KeyRow{72, XF86XK_AudioRaiseVolume, Qt::Key_VolumeUp, false},
    KeyRow{73, XF86XK_AudioLowerVolume, Qt::Key_VolumeDown, false},
    KeyRow{74, XF86XK_AudioMute, Qt::Key_VolumeMute, false},
    KeyRow{75, XK_KP_Divide, Qt::Key_Slash, true},
    KeyRow{76, XK_KP_Enter, Qt::Key_Enter, true},
    KeyRow{78, XK_KP_Subtract, Qt::Key_Minus, true},
    KeyRow{79, XK_F18, Qt::Key_F18, false},
    KeyRow{80, XK_F19, Qt::Key_F19, false},
    KeyRow{81, XK_KP_Equal, Qt::Key_Equal, true},
    KeyRow{82, XK_KP_0, Qt::Key_0, true},
    KeyRow{83, XK_KP_1, Qt::Key_1, true},
    KeyRow{84, XK_KP_2, Qt::Key_2, true},
    KeyRow{85, XK_KP_3, Qt::Key_3, true},
    KeyRow{86, XK_KP_4, Qt::Key_4, true},
    KeyRow{87, XK_KP_5, Qt::Key_5, true},
    KeyRow{88, XK_KP_6, Qt::Key_6, true},
    KeyRow{89, XK_KP_7, Qt::Key_7, true},
    KeyRow{90, XK_F20, Qt::Key_F20, false},
    KeyRow{91, XK_KP_8, Qt::Key_8, true},
    KeyRow{92, XK_KP_9, Qt::Key_9, true},
    KeyRow{96, XK_F5, Qt::Key_F5, false},
    KeyRow{97, XK_F6, Qt::Key_F6, false},
    KeyRow{98, XK_F7, Qt::Key_F7, false},
    KeyRow{99, XK_F3, Qt::Key_F3, false},
    KeyRow{100, XK_F8, Qt::Key_F8, false},
    KeyRow{101, XK_F9, Qt::Key_F9, false},
    KeyRow{103, XK_F11, Qt::Key_F11, false},
    KeyRow{105, XK_F13, Qt::Key_F13, false},
    KeyRow{106, XK_F16, Qt::Key_F16, false},
    KeyRow{107, XK_F14, Qt::Key_F14, false},
    KeyRow{109, XK_F10, Qt::Key_F10, false},
    KeyRow{111, XK_F12, Qt::Key_F12, false},
    KeyRow{113, XK_F15, Qt::Key_F15, false},
    // The Help key of a Mac keyboard sits where a PC keyboard has Insert.
    KeyRow{114, XK_Insert, Qt::Key_Insert, false},
    KeyRow{115, XK_Home, Qt::Key_Home, false},
    KeyRow{116, XK_Prior, Qt::Key_PageUp, false},
    KeyRow{117, XK_Delete, Qt::Key_Delete, false},
    KeyRow{118, XK_F4, Qt::Key_F4, false},
    KeyRow{119, XK_End, Qt::Key_End, false},
    KeyRow{120, XK_F2, Qt::Key_F2, false},
    KeyRow{121, XK_Next, Qt::Key_PageDown, false},
    KeyRow{122, XK_F1, Qt::Key_F1, false},
    KeyRow{123, XK_Left, Qt::Key_Left, false},
    KeyRow{124, XK_Right, Qt::Key_Right, false},
    KeyRow{125, XK_Down, Qt::Key_Down, false},
    KeyRow{126, XK_Up, Qt::Key_Up, false},
};

struct Alias {
    quint32 value;
    int macKeyCode;
};

// Other keysyms of the same keys: the keypad without NumLock, Alt's other names, Shift+Tab.
constexpr std::array kKeysymAliases{
    Alias{XK_KP_Insert, 82},
    Alias{XK_KP_End, 83},
    Alias{XK_KP_Down, 84},
    Alias{XK_KP_Next, 85},
    Alias{XK_KP_Left, 86},
    Alias{XK_KP_Begin, 87},
    Alias{XK_KP_Right, 88},
    Alias{XK_KP_Home, 89},
    Alias{XK_KP_Up, 91},
    Alias{XK_KP_Prior, 92},
    Alias{XK_KP_Delete, 65},
    Alias{XK_Meta_L, 58},
    Alias{XK_Meta_R, 61},
    Alias{XK_ISO_Level3_Shift, 61},
    Alias{XK_ISO_Left_Tab, 48},
};

// Qt reports the shifted symbol of a key held with Shift; these are the keys of a US layout.
constexpr std::array kShiftedQtKeys{
    Alias{Qt::Key_Exclam, 18},
    Alias{Qt::Key_At, 19},
    Alias{Qt::Key_NumberSign, 20},
    Alias{Qt::Key_Dollar, 21},
    Alias{Qt::Key_Percent, 23},
    Alias{Qt::Key_AsciiCircum, 22},
    Alias{Qt::Key_Ampersand, 26},
    Alias{Qt::Key_Asterisk, 28},
    Alias{Qt::Key_ParenLeft, 25},
    Alias{Qt::Key_ParenRight, 29},
    Alias{Qt::Key_Underscore, 27},
    Alias{Qt::Key_Plus, 24},
    Alias{Qt::Key_BraceLeft, 33},
    Alias{Qt::Key_BraceRight, 30},
    Alias{Qt::Key_Bar, 42},
    Alias{Qt::Key_Colon, 41},
    Alias{Qt::Key_QuoteDbl, 39},
    Alias{Qt::Key_Less, 43},
    Alias{Qt::Key_Greater, 47},
    Alias{Qt::Key_Question, 44},
    Alias{Qt::Key_AsciiTilde, 50},
    Alias{Qt::Key_Backtab, 48},
};

const KeyRow* rowForCode(int macKeyCode)
{
    for (const KeyRow& row : kRows) {
        if (row.macKeyCode == macKeyCode)
            return &row;
    }
    return nullptr;
}

} // namespace

quint32 keysymForMacKeyCode(int macKeyCode)
{
    const KeyRow* row = rowForCode(macKeyCode);
    return row ? row->keysym : 0;
}

int macKeyCodeForKeysym(quint32 keysym)
{
    if (keysym >= XK_A && keysym <= XK_Z)
        keysym += XK_a - XK_A;
    for (const KeyRow& row : kRows) {
        if (row.keysym == keysym)
            return row.macKeyCode;
    }
    for (const Alias& alias : kKeysymAliases) {
        if (alias.value == keysym)
            return alias.macKeyCode;
    }
    return -1;
}

int qtKeyForMacKeyCode(int macKeyCode)
{
    const KeyRow* row = rowForCode(macKeyCode);
    return row ? row->qtKey : 0;
}

bool isKeypadKey(int macKeyCode)
{
    const KeyRow* row = rowForCode(macKeyCode);
    return row && row->keypad;
}

int macKeyCodeForQtKey(int qtKey, bool keypad)
{
    // Enter is the keypad's key whether or not Qt marks it so.
    if (qtKey == Qt::Key_Enter)
        keypad = true;
    for (const KeyRow& row : kRows) {
        if (row.qtKey == qtKey && row.keypad == keypad)
            return row.macKeyCode;
    }
    if (keypad) {
        // A keypad key without a keypad row (none today) falls back to the main block.
        for (const KeyRow& row : kRows) {
            if (row.qtKey == qtKey)
                return row.macKeyCode;
        }
    }
    for (const Alias& alias : kShiftedQtKeys) {
        if (static_cast<int>(alias.value) == qtKey)
            return alias.macKeyCode;
    }
    return -1;
}

bool isFunctionKey(int macKeyCode)
{
    const KeyRow* row = rowForCode(macKeyCode);
    return row && row->qtKey >= Qt::Key_F1 && row->qtKey <= Qt::Key_F20;
}

int modifierKeysymsForFlags(quint64 macFlags, quint32 (&keysyms)[4])
{
    int count = 0;
    if (macFlags & kFlagShift)
        keysyms[count++] = XK_Shift_L;
    if (macFlags & kFlagCommand)
        keysyms[count++] = XK_Control_L;
    if (macFlags & kFlagOption)
        keysyms[count++] = XK_Alt_L;
    if (macFlags & kFlagControl)
        keysyms[count++] = XK_Super_L;
    return count;
}

} // namespace MacKeyMap
