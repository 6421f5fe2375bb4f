#pragma once

#include "KeySynthesizer.h"

#include <QString>

#include <functional>

// The keys that paste the clipboard's text in the program whose window has the focus. Terminal
// emulators take Control+V as a control character: most of them paste with Control+Shift+V,
// xterm and rxvt paste the primary selection with Shift+Insert. Every other program pastes
// with Control+V. The program is told by the WM_CLASS of its window.
namespace PasteKeys {

enum class Chord {
    ControlV,
    ControlShiftV,
    ShiftInsert, // pastes the primary selection
};

// The chord of a window's program (names compared ignoring case).
Chord chordForWindowClass(const KeySynthesizer::WindowClass& windowClass);
const char* chordName(Chord chord);

// Types the chord (a device typing it); false when it could not.
using ChordTyper = std::function<bool(Chord chord)>;

// Pastes the text, which the caller already put on the clipboard, into the focused window: the
// chord of its program, after making the text the primary selection too for Shift+Insert; the
// chord is typed by the typer, or synthesised without one. False (logged) when the selection
// refused the text or the chord could not be typed.
bool pasteIntoFocusedWindow(const QString& text, const ChordTyper& typer = {});

} // namespace PasteKeys
