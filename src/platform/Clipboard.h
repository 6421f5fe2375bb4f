#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <map>

// The desktop's clipboard (what copy and paste use) and the X11 primary selection (the text the
// user last selected, in any application).
class Clipboard {
public:
    virtual ~Clipboard();

    // Replaces the clipboard's content with the text. True when the clipboard now holds it.
    virtual bool setText(const QString& text) = 0;
    // Replaces the clipboard's content with the image. True when the clipboard now holds it; a
    // null image is refused (false) and leaves the clipboard as it was.
    virtual bool setImage(const QImage& image) = 0;
    // The clipboard's text, "" when it holds none.
    virtual QString text() const = 0;
    // The primary selection's text, "" when nothing is selected or the system has no selection.
    virtual QString selectionText() const = 0;
    // Makes the text the primary selection, which this program then holds (the programs that
    // paste the selection get it). True when the selection now holds it; false where the system
    // has no primary selection.
    virtual bool setSelectionText(const QString& text);
    // True while this program itself holds the primary selection.
    virtual bool ownsSelection() const { return false; }

    // Calls the handler on the main thread whenever the primary selection changes hands or
    // content (another program's selection included). Returns an id > 0 for
    // removeSelectionChangedHandler(). Main thread only.
    int addSelectionChangedHandler(std::function<void()> handler);
    // Unknown ids are ignored; safe to call from inside a handler.
    void removeSelectionChangedHandler(int id);

    // The implementation in use: the installed one, else the Qt one, created on first use.
    // Main thread only.
    static Clipboard& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(Clipboard* clipboard);

protected:
    // Implementations call this when the primary selection changed.
    void notifySelectionChanged();
    // Called when the first handler is added: an implementation starts watching the selection.
    virtual void startWatchingSelection() { }

private:
    std::map<int, std::function<void()>> m_selectionHandlers;
    int m_nextSelectionHandlerId = 1;
};

namespace mm {

// Puts a non-empty text on the clipboard; true when it is there. An empty text is refused
// (false) and leaves the clipboard as it was.
bool mm_generalPasteboardSetString(const QString& text);

} // namespace mm
