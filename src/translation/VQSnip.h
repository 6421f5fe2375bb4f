#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>

class QScreen;
class VQSnipFullWindow;
class VQSnipToolView;

// Screen-region capture: freezes every screen, covers each with a dimmed overlay in which the
// user drags a rectangle, then offers the tool bar: recognise the text, recognise and translate
// it, save it as PNG, copy it, or cancel. Escape (the shortcut stored under "EscShortcutKey")
// cancels at any time.
//
// Every screen is grabbed before any overlay shows, and each overlay paints its screen's frozen
// picture, dimmed outside the selection; the crop is cut from the picture of the screen on which
// the mouse went down, so what the user saw at the start is what is recognised, saved or copied.
// Coordinates are logical pixels relative to that screen's top-left corner. A main window
// that is shown but not active is put away for the capture and shown again, not activated, when
// the capture ends.
//
// Main thread only.
class VQSnip : public QObject {
    Q_OBJECT
public:
    static constexpr char kEscShortcutKey[] = "EscShortcutKey";
    static constexpr char kCopySuccessText[] = "复制成功";
    static constexpr char kCopyFailedText[] = "复制失败";
    static constexpr char kSaveFailedText[] = "保存失败";
    static constexpr char kCaptureFailedText[] = "截图失败";
    static constexpr char kSuccessIconName[] = "success_icon";
    static constexpr char kInfoIconName[] = "info_icon";
    // How long after a capture its memory is kept for the next one.
    static constexpr int kMemoryReleaseDelayMs = 2000;

    enum Tool { RecogniseOnly = 0, RecogniseAndTranslate = 1, Save = 2, Copy = 3, Cancel = 4 };

    static VQSnip& sharedInstance();
    // Tests only: ends a running capture and forgets the selection and the pictures.
    static void resetForTests();

    // Starts a capture; nothing happens while one runs.
    void startSnip();
    // Accepts the mouse on the overlays and holds Escape until the capture ends.
    void startMouseMonitor();
    // The mouse went up: the drag is over and the tool bar shows under the selection.
    void stopMouseMonitor();
    // One overlay per screen, in the order of QGuiApplication::screens(), shown on top.
    void createFullWindow();
    // Ends the capture: the overlays and the tool bar go, Escape is released, and once the
    // overlays are deleted and no capture has started for kMemoryReleaseDelayMs, the memory of
    // the pictures goes back to the system (captures in a row reuse it).
    void dismissFullWindow();
    // Runs the tool of the index (see Tool); other indexes do nothing.
    void toolSelectedWithIndex(int index);
    // The selection cut from the frozen picture of its screen, in device pixels; a null image
    // when the selection is empty. The path is not used; nothing is written.
    QImage savePictureWithPath(const QString& path = QString()) const;
    // The whole screen as it shows now, in device pixels (through the platform's ScreenGrabber).
    static QPixmap screenshot(QScreen* screen);

    // How many times the captures' memory went back to the system.
    int memoryReleases() const { return m_memoryReleases; }
    // Tests only: the delay before the memory goes back; a pending release is rearmed with it.
    void setMemoryReleaseDelay(int ms);

    bool isSniping() const { return m_isSniping; }
    bool isStart() const { return m_isStart; }
    QRect imageRect() const { return m_imageRect; }
    int currentScreenIndex() const { return m_currentScreenIndex; }
    const QList<VQSnipFullWindow*>& allFullWindow() const { return m_allFullWindow; }
    VQSnipFullWindow* currentFullWindow() const;
    VQSnipToolView* toolView();

    // From the overlays: the left button went down, moved or came up over the overlay of the
    // screen at the index; the position is relative to that screen's top-left corner.
    void mouseDown(int screenIndex, QPoint position);
    void mouseDragged(int screenIndex, QPoint position);
    void mouseUp();

    // Where the tool bar goes for a selection on a screen of the given size: under the
    // selection's bottom-right corner, its right edge on the selection's; above the selection when
    // there is no room below; inside the selection's bottom edge when there is room on neither
    // side; never past the screen's left or right edge.
    static QRect toolBarFrame(const QRect& selection, const QSize& screenSize);

Q_SIGNALS:
    // The capture began (the overlays show) or ended.
    void snipStarted();
    void snipDismissed();

private:
    VQSnip();
    // Shows the main window the capture put away again, as it was: shown, not active.
    void restoreMainWindow();

    // Hands the memory of the frozen pictures and the overlays back to the system once the
    // overlays (deleted later) are gone.
    void releaseMemoryOnceGone(const QList<VQSnipFullWindow*>& overlays);

    QTimer m_memoryRelease;
    int m_memoryReleases = 0;
    QList<VQSnipFullWindow*> m_allFullWindow;
    QList<QPixmap> m_frozen; // per screen, taken at the start
    VQSnipToolView* m_toolView = nullptr;
    int m_currentScreenIndex = 0;
    QPoint m_startPoint;
    QRect m_imageRect;
    bool m_isStart = false;
    bool m_isSniping = false;
    bool m_monitoring = false;
    int m_escRegistration = 0;
    QPointer<QWidget> m_hiddenMainWindow;
};
