#include "PasteKeys.h"

#include "Clipboard.h"
#include "MMLog.h"
#include "MacKeyMap.h"

#include <QSet>

namespace {

// The macOS key code of the Help key, which sits where a PC keyboard has Insert.
constexpr int kKeyCodeInsert = 114;

// Terminal emulators that paste the primary selection with Shift+Insert.
const QSet<QString>& selectionPasters()
{
    static const QSet<QString> names{QStringLiteral("xterm"), QStringLiteral("uxterm"), QStringLiteral("koi8rxterm"),
                                     QStringLiteral("rxvt"),  QStringLiteral("urxvt"),  QStringLiteral("rxvt-unicode"),
                                     QStringLiteral("mrxvt")};
    return names;
}

// Terminal emulators that paste the clipboard with Control+Shift+V: the VTE-based ones, the Qt
// and KDE ones and the GPU-drawn ones.
const QSet<QString>& shiftedPasters()
{
    static const QSet<QString> names{
        QStringLiteral("gnome-terminal"),     QStringLiteral("gnome-terminal-server"), QStringLiteral("mate-terminal"),
        QStringLiteral("xfce4-terminal"),     QStringLiteral("lxterminal"),            QStringLiteral("terminator"),
        QStringLiteral("tilix"),              QStringLiteral("guake"),                 QStringLiteral("sakura"),
        QStringLiteral("tilda"),              QStringLiteral("roxterm"),               QStringLiteral("terminology"),
        QStringLiteral("lilyterm"),           QStringLiteral("termite"),               QStringLiteral("kgx"),
        QStringLiteral("org.gnome.console"),  QStringLiteral("ptyxis"),                QStringLiteral("org.gnome.ptyxis"),
        QStringLiteral("io.elementary.terminal"), QStringLiteral("pantheon-terminal"), QStringLiteral("deepin-terminal"),
        QStringLiteral("konsole"),            QStringLiteral("yakuake"),               QStringLiteral("qterminal"),
        QStringLiteral("cool-retro-term"),    QStringLiteral("kitty"),                 QStringLiteral("alacritty"),
        QStringLiteral("wezterm"),            QStringLiteral("org.wezfurlong.wezterm"), QStringLiteral("st"),
        QStringLiteral("st-256color"),        QStringLiteral("hyper"),                 QStringLiteral("tabby"),
        QStringLiteral("contour"),            QStringLiteral("foot"),                  QStringLiteral("blackbox"),
    };
    return names;
}

bool listed(const QSet<QString>& names, const KeySynthesizer::WindowClass& windowClass)
{
    return names.contains(windowClass.className.toLower()) || names.contains(windowClass.instanceName.toLower());
}

bool synthesise(PasteKeys::Chord chord)
{
    using namespace MacKeyMap;
    switch (chord) {
    case PasteKeys::Chord::ControlShiftV:
        return vqPostKeyEvent(kKeyCodeV, true, kFlagCommand | kFlagShift);
    case PasteKeys::Chord::ShiftInsert:
        return vqPostKeyEvent(kKeyCodeInsert, true, kFlagShift);
    case PasteKeys::Chord::ControlV:
        break;
    }
    return vqPostKeyEvent(kKeyCodeV, true, kFlagCommand);
}

} // namespace

namespace PasteKeys {

Chord chordForWindowClass(const KeySynthesizer::WindowClass& windowClass)
{
    if (listed(selectionPasters(), windowClass))
        return Chord::ShiftInsert;
    if (listed(shiftedPasters(), windowClass))
        return Chord::ControlShiftV;
    return Chord::ControlV;
}

const char* chordName(Chord chord)
{
    switch (chord) {
    case Chord::ControlShiftV:
        return "Control+Shift+V";
    case Chord::ShiftInsert:
        return "Shift+Insert";
    case Chord::ControlV:
        break;
    }
    return "Control+V";
}

bool pasteIntoFocusedWindow(const QString& text, const ChordTyper& typer)
{
    const KeySynthesizer::WindowClass windowClass = KeySynthesizer::instance().focusedWindowClass();
    const Chord chord = chordForWindowClass(windowClass);
    if (chord != Chord::ControlV)
        VQLogInfo(QStringLiteral("pasting with %1 into \"%2\"").arg(QLatin1String(chordName(chord)), windowClass.className));
    if (chord == Chord::ShiftInsert && !Clipboard::instance().setSelectionText(text)) {
        VQLogWarn(QStringLiteral("the primary selection refused the text: nothing pasted"));
        return false;
    }
    const bool typed = typer ? typer(chord) : synthesise(chord);
    if (!typed)
        VQLogWarn(QStringLiteral("the paste keys (%1) could not be typed").arg(QLatin1String(chordName(chord))));
    return typed;
}

} // namespace PasteKeys
