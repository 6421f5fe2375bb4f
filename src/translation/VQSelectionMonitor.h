#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <memory>

class Clipboard;
class MMEventMonitor;
class VQSearchIconWindow;
struct MMEvent;

// Select-to-translate in other applications, and the outside click that closes the translation
// window.
//
// A selection gesture is a left-button drag (the release lies startDragDistance() or more from
// the press) or a double or triple click (a press within mouseDoubleClickInterval() and
// startDragDistance() of the previous press). Its selection is fresh when the primary selection
// changed hands between the press and kFreshSelectionMs after the release, or, for a program
// that keeps the selection across selections (a Tk text widget), when the selection's text then
// differs from the last text seen (a change of hands outside any gesture only sets what was
// seen); then the selection's text goes into VQUserInfoData::pasteboardContent and the search
// icon shows beside the release point. Nothing is copied: the user's clipboard stays as it is. Selections this program holds
// are ignored, and nothing shows unless VQUserInfoData::wordInputSwitch is on and a device is
// connected. The icon's click hides it and the main window and translates the selection; the
// next mouse press elsewhere hides it; a newer selection moves it.
//
// Any left or right press outside the translation window's content closes that window while it
// shows.
//
// Main thread only.
class VQSelectionMonitor : public QObject {
public:
    static constexpr int kFreshSelectionMs = 300;

    static VQSelectionMonitor& sharedInstance();
    // Tests only: stops watching and hides the icon.
    static void resetForTests();

    // Starts watching the mouse and the primary selection (idempotent). False (logged) when the
    // desktop cannot be watched.
    bool start();
    void stop();
    bool isStarted() const;

    // The device's selected-word action, once its copy is done: stores the clipboard's text
    // (cleared before the copy, so it is the copied word), else the primary selection, in
    // VQUserInfoData::pasteboardContent and translates it.
    static void translateCopiedWord();

    // The search icon, created on first use.
    VQSearchIconWindow* searchIcon();
    // The icon's action: hides the icon and the main window, then translates the selection.
    void searchBtnClicked();

private:
    VQSelectionMonitor();
    ~VQSelectionMonitor() override;

    void mouseEvent(const MMEvent& event);
    void selectionChanged();
    // The window after a release ended without a change of hands.
    void freshWindowEnded();
    void showSearchIcon(const QString& text);
    static bool isEnabled();

    std::unique_ptr<MMEventMonitor> m_mouseMonitor;
    Clipboard* m_clipboard = nullptr;
    int m_selectionHandlerId = 0;
    VQSearchIconWindow* m_searchIcon = nullptr;

    // The gesture in progress.
    bool m_pressed = false;
    bool m_pressIsMultiClick = false;
    bool m_selectionChangedDuringPress = false;
    QPoint m_pressPos;
    QPoint m_releasePos;
    // The previous press, for double and triple clicks.
    bool m_hasPreviousPress = false;
    QPoint m_previousPressPos;
    QElapsedTimer m_previousPressClock;
    // Runs from the release of a gesture whose selection has not changed yet.
    QTimer m_freshWindow;
    // The selection's text when a gesture last read it; unknown after a change of hands outside
    // a gesture, until the next gesture reads it.
    QString m_lastSelectionText;
    bool m_lastSelectionKnown = false;
};
