#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QWidget>

// The magnifier: a round loupe that follows the pointer and shows the screens around it
// enlarged. Before the loupe maps, every screen is grabbed (ScreenGrabber, device pixels); the
// loupe shows the square of width / zoom points around the pointer cut from that snapshot,
// enlarged without smoothing, with a 5 x 5 centre marker in a 7 x 7 frame. It follows the
// pointer's motion events (InputMonitor) until dismiss; where no screen lies under the pointer
// it keeps its place and picture. It never magnifies its own picture. The program's main window
// is put away while the loupe shows (it stays out of the loupe and off the presentation); when
// the loupe goes, the application delegate decides what comes back (giveBackMainWindow).
//
// One shared controller; main thread only.
class PKWColorSamplerWindow;
class QColor;
class QImage;

// Told by a loupe window after each capture: the window, the capture (the square around the
// pointer, in device pixels), the colour of the capture's centre pixel and the pointer's global
// position.
class PKWColorSamplerDelegate {
public:
    virtual ~PKWColorSamplerDelegate() = default;
    virtual void colorSamplerDidCapture(QWidget* window, const QImage& image, const QColor& color,
                                        QPoint mouseLocation) = 0;
};

class PKWColorSampler : public QObject, public PKWColorSamplerDelegate {
    Q_OBJECT
public:
    static PKWColorSampler& sharedInstance();

    // Shows a new loupe (closing the previous one) of side zoomWidth points, centred on the
    // pointer, at the zoom. With takesFocus the loupe accepts the keyboard focus (taken again at
    // a click) and reports Escape pressed while it has it.
    static void zoomInPixelZoom(double zoom, double zoomWidth, bool takesFocus = false);
    // Hides and drops the current loupe, if any.
    static void dismiss();

    double zoomWidth() const { return m_zoomWidth; }
    // The current loupe window, nullptr when none shows.
    QWidget* screenPickerWindow() const;

    // The controller is the delegate of its loupe windows and does nothing with a capture.
    void colorSamplerDidCapture(QWidget* window, const QImage& image, const QColor& color,
                                QPoint mouseLocation) override;
    // Tests only: the delegate of the loupes shown from now on (nullptr: the controller).
    void setDelegateForTests(PKWColorSamplerDelegate* delegate) { m_delegateForTests = delegate; }

Q_SIGNALS:
    // A paint of the loupe has ended, showing the square around the global position.
    void loupePainted(QPoint globalCentre);
    // Escape was pressed while the loupe had the focus.
    void escapePressed();

private:
    friend class PKWColorSamplerWindow;

    PKWColorSampler();
    ~PKWColorSampler() override;

    double m_zoomWidth = 50;
    QPointer<PKWColorSamplerWindow> m_screenPickerWindow;
    bool m_mainWindowPutAway = false; // by the loupe; given back to the application delegate
    PKWColorSamplerDelegate* m_delegateForTests = nullptr;
};
