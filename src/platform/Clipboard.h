#pragma once

#include <QString>

// The desktop's clipboard (what copy and paste use) and the X11 primary selection (the text the
// user last selected, in any application).
class Clipboard {
public:
    virtual ~Clipboard();

    // Replaces the clipboard's content with the text. True when the clipboard now holds it.
    virtual bool setText(const QString& text) = 0;
    // The clipboard's text, "" when it holds none.
    virtual QString text() const = 0;
    // The primary selection's text, "" when nothing is selected or the system has no selection.
    virtual QString selectionText() const = 0;

    // The implementation in use: the installed one, else the Qt one, created on first use.
    // Main thread only.
    static Clipboard& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(Clipboard* clipboard);
};

namespace mm {

// Puts a non-empty text on the clipboard; true when it is there. An empty text is refused
// (false) and leaves the clipboard as it was.
bool mm_generalPasteboardSetString(const QString& text);

} // namespace mm
