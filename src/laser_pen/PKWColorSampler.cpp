#include "PKWColorSampler.h"

#include "AppDelegate.h"
#include "CompositingManager.h"
#include "CursorHider.h"
#include "InputMonitor.h"
#include "MMLog.h"
#include "ScreenGrabber.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QTimer>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <cmath>
#include <utility>
#include <vector>

namespace {

// Each channel of the premultiplied pixel times alpha / 255.
inline uint byteMul(uint pixel, uint alpha)
{
    uint t = (pixel & 0xff00ff) * alpha;
    t = ((t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    pixel = ((pixel >> 8) & 0xff00ff) * alpha;
    pixel = (pixel + ((pixel >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return pixel | t;
}

} // namespace

// The loupe: a round, frameless window on top that never takes the focus. It shows its part of
// the snapshot taken before it mapped, so it never sees itself; under a compositing manager the
// windows below it are read at every move and laid over the snapshot, so it shows the live screen.
class PKWColorSamplerWindow : public QWidget {
public:
    struct Snapshot {
        QRect geometry; // the screen's, in Qt's global coordinates
        QImage picture; // device pixels, carrying the screen's ratio
        QPointer<QScreen> screen;
    };

    PKWColorSamplerWindow(double zoom, int side, QList<Snapshot> snapshots, bool composited, bool takesFocus,
                          PKWColorSamplerDelegate* delegate)
        : QWidget(nullptr,
                  Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool
                      | Qt::X11BypassWindowManagerHint
                      | (takesFocus ? Qt::WindowFlags() : Qt::WindowFlags(Qt::WindowDoesNotAcceptFocus)))
        , m_zoom(zoom > 0 ? zoom : 1)
        , m_snapshots(std::move(snapshots))
        , m_takesFocus(takesFocus)
        , m_delegate(delegate)
        , m_live(composited)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
        setAttribute(Qt::WA_DeleteOnClose);
        if (composited)
            setAttribute(Qt::WA_TranslucentBackground);
        else
            setAttribute(Qt::WA_NoSystemBackground);
        setWindowTitle(QStringLiteral("magnifier"));
        setFixedSize(side, side);
        // Round with or without a compositor; with one the edge is smoothed by the paint.
        setMask(QRegion(rect(), QRegion::Ellipse));
        m_monitor = InputMonitor::instance().addMonitor(
            MMEventMasks::kMouseMoved | MMEventMasks::kAnyMouseDragged,
            [this](const MMEvent& event) { follow(event.location); });
        if (m_monitor <= 0) {
            m_monitor = 0;
            VQLogWarn(QStringLiteral("magnifier: the pointer's motion cannot be followed"));
        }
        m_frameTimer.setSingleShot(true);
        m_frameTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_frameTimer, &QTimer::timeout, this, [this] { showCentre(); });
    }

    ~PKWColorSamplerWindow() override
    {
        if (m_monitor > 0)
            InputMonitor::instance().removeMonitor(m_monitor);
    }

    // Centres the loupe on the global position and shows the square around it. Where no screen
    // lies under the position the loupe keeps its place and picture.
    void follow(QPoint global)
    {
        const Snapshot* snapshot = nullptr;
        for (const Snapshot& candidate : m_snapshots) {
            if (candidate.geometry.contains(global)) {
                snapshot = &candidate;
                break;
            }
        }
        if (!snapshot)
            return;
        m_centre = global;
        m_source = snapshot;
        // At most one move and paint per frame: motion faster than that lands on the next one.
        if (m_frameClock.isValid() && m_frameClock.elapsed() < kFrameMs) {
            if (!m_frameTimer.isActive())
                m_frameTimer.start(int(kFrameMs - m_frameClock.elapsed()));
            return;
        }
        showCentre();
    }

    void showCentre()
    {
        m_frameClock.start();
        move(m_centre - QPoint(width() / 2, height() / 2));
        readSquare();
        update();
        tellDelegate();
    }

    // The delegate gets the square the loupe now shows and the colour of its centre pixel.
    void tellDelegate()
    {
        if (!m_delegate || m_square.isNull())
            return;
        const QImage& capture = m_square;
        const QColor centre = capture.pixelColor(capture.width() / 2, capture.height() / 2);
        if (centre.isValid())
            m_delegate->colorSamplerDidCapture(this, capture, centre, m_centre);
    }

    // The square of width / zoom points around the centre, in its screen's device pixels: its
    // part of the snapshot (black beyond the screen's edge), under a compositing manager with
    // what the windows below show now laid over it.
    void readSquare()
    {
        m_square = QImage();
        if (!m_source || m_source->picture.isNull())
            return;
        const qreal ratio = m_source->picture.devicePixelRatio();
        const int side = int(std::floor(width() / m_zoom));
        const QRect area(m_centre - QPoint(side / 2, side / 2), QSize(side, side));
        const QRect pixels = QRectF(QPointF(area.topLeft() - m_source->geometry.topLeft()) * ratio, QSizeF(side, side) * ratio)
                                 .toAlignedRect();
        QImage square = m_source->picture.copy(pixels);
        square.setDevicePixelRatio(1);
        if (m_live && m_source->screen) {
            QImage live = ScreenGrabber::instance().grabBelow(m_source->screen, area, this);
            if (!live.isNull()) {
                live.setDevicePixelRatio(1);
                QPainter painter(&square);
                painter.drawImage(QPoint(0, 0), live);
            }
        }
        m_square = square;
    }

    QPoint centre() const { return m_centre; }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        event->accept();
        if (m_takesFocus)
            activateWindow();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() != Qt::Key_Escape || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QWidget::keyPressEvent(event);
        event->accept();
        Q_EMIT PKWColorSampler::sharedInstance().escapePressed();
    }

    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatioF();
        if (m_frame.isNull() || !qFuzzyCompare(m_frame.devicePixelRatio(), ratio))
            buildFrame(ratio);
        composeLoupe();
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), m_loupe);
        painter.end();
        Q_EMIT PKWColorSampler::sharedInstance().loupePainted(m_centre);
    }

private:
    static constexpr qint64 kFrameMs = 12;

    bool m_takesFocus = false;
    PKWColorSamplerDelegate* m_delegate = nullptr;
    bool m_live = false; // the windows below are read at every move
    QElapsedTimer m_frameClock;
    QTimer m_frameTimer;
    double m_zoom = 1.5;
    QList<Snapshot> m_snapshots;
    const Snapshot* m_source = nullptr;
    QPoint m_centre;
    int m_monitor = 0;
    QImage m_square; // the square shown, device pixels of its screen (null: none, black)
    QImage m_circle; // opaque inside the circle, clear outside, smooth between
    QImage m_frame;  // the centre marker and the rim over clear
    QImage m_loupe;  // what the window shows, device pixels

    // The square enlarged onto the loupe without smoothing (each screen pixel a sharp block), cut
    // round where the window is translucent (elsewhere its mask cuts it), the marker and rim over
    // it. One pass over the pixels: the painter's general paths for a scaled, masked image hand
    // each paint to worker threads, which costs more than the work.
    void composeLoupe()
    {
        const QSize pixels = m_frame.size();
        if (m_loupe.size() != pixels) {
            m_loupe = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            m_loupe.setDevicePixelRatio(m_frame.devicePixelRatio());
        }
        const bool round = testAttribute(Qt::WA_TranslucentBackground);
        const int sourceWidth = m_square.width();
        const int sourceHeight = m_square.height();
        std::vector<int> column(size_t(pixels.width()));
        for (int x = 0; x < pixels.width(); ++x)
            column[size_t(x)] = int((x + 0.5) * sourceWidth / pixels.width());
        for (int y = 0; y < pixels.height(); ++y) {
            const uint* source = m_square.isNull()
                ? nullptr
                : reinterpret_cast<const uint*>(m_square.constScanLine(int((y + 0.5) * sourceHeight / pixels.height())));
            const uint* circle = reinterpret_cast<const uint*>(m_circle.constScanLine(y));
            const uint* frame = reinterpret_cast<const uint*>(m_frame.constScanLine(y));
            uint* out = reinterpret_cast<uint*>(m_loupe.scanLine(y));
            for (int x = 0; x < pixels.width(); ++x) {
                uint pixel = (source ? source[column[size_t(x)]] : 0) | 0xff000000;
                if (round)
                    pixel = byteMul(pixel, qAlpha(circle[x]));
                const uint over = frame[x];
                if (const uint alpha = qAlpha(over))
                    pixel = over + byteMul(pixel, 255 - alpha);
                out[x] = pixel;
            }
        }
    }

    // The parts that never change, painted once per size and ratio.
    void buildFrame(qreal ratio)
    {
        const QSize pixels = (QSizeF(size()) * ratio).toSize();
        const QRectF bounds = rect();
        m_circle = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_circle.setDevicePixelRatio(ratio);
        m_circle.fill(Qt::transparent);
        {
            QPainter painter(&m_circle);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::black);
            painter.drawEllipse(bounds);
        }
        m_frame = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_frame.setDevicePixelRatio(ratio);
        m_frame.fill(Qt::transparent);
        QPainter painter(&m_frame);
        // The centre marker: 5 x 5 points in a 7 x 7 frame.
        const qreal w = width();
        const qreal h = height();
        const qreal p = 5;
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        const QRectF marker(std::floor(w / 2 - p / 2), std::floor(h / 2 - p / 2), p, p);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(marker.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(marker.adjusted(-1, -1, 0, 0));
        // The rim: a dark ring inside a light one.
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawEllipse(bounds.adjusted(1.5, 1.5, -1.5, -1.5));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawEllipse(bounds.adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

PKWColorSampler::PKWColorSampler() = default;
PKWColorSampler::~PKWColorSampler() = default;

PKWColorSampler& PKWColorSampler::sharedInstance()
{
    static PKWColorSampler* sampler = new PKWColorSampler;
    return *sampler;
}

void PKWColorSampler::zoomInPixelZoom(double zoom, double zoomWidth, bool takesFocus)
{
    PKWColorSampler& sampler = sharedInstance();
    sampler.m_zoomWidth = zoomWidth;
    // Only one loupe, and none in the snapshot of the next.
    if (sampler.m_screenPickerWindow) {
        PKWColorSamplerWindow* previous = sampler.m_screenPickerWindow;
        sampler.m_screenPickerWindow = nullptr;
        previous->hide();
        delete previous;
    }

    // The main window goes away first: it must not cover the presentation nor be in the snapshot.
    if (AppDelegate* delegate = AppDelegate::sharedDelegate()) {
        QWidget* main = delegate->window();
        if (main && main->isVisible()) {
            main->hide();
            sampler.m_mainWindowPutAway = true;
        }
    }

    QList<PKWColorSamplerWindow::Snapshot> snapshots;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QPixmap picture = ScreenGrabber::instance().grabScreen(screen);
        if (picture.isNull()) {
            VQLogWarn(QStringLiteral("magnifier: screen %1 could not be read").arg(screen->name()));
            continue;
        }
        QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(picture.devicePixelRatio());
        snapshots.append({screen->geometry(), image, screen});
    }

    const int side = std::max(1, int(std::lround(zoomWidth)));
    PKWColorSamplerDelegate* delegate = sampler.m_delegateForTests ? sampler.m_delegateForTests : &sampler;
    auto* window = new PKWColorSamplerWindow(zoom, side, std::move(snapshots),
                                             CompositingManager::instance().isCompositing(), takesFocus, delegate);
    sampler.m_screenPickerWindow = window;
    const QPoint pointer = QCursor::pos();
    window->move(pointer - QPoint(side / 2, side / 2));
    window->follow(pointer);
    window->show();
    window->raise();
    CursorHider::instance().hide();
}

void PKWColorSampler::dismiss()
{
    PKWColorSampler& sampler = sharedInstance();
    if (sampler.m_screenPickerWindow) {
        PKWColorSamplerWindow* window = sampler.m_screenPickerWindow;
        sampler.m_screenPickerWindow = nullptr;
        window->hide();
        delete window;
        // Only the loupe's own hiding is undone: another effect may keep the pointer hidden.
        CursorHider::instance().show();
    }
    if (std::exchange(sampler.m_mainWindowPutAway, false)) {
        // The tray keeps it away; without one the face of the devices still connected comes back,
        // without taking the focus from the presentation.
        if (AppDelegate* delegate = AppDelegate::sharedDelegate())
            delegate->giveBackMainWindow();
    }
}

void PKWColorSampler::colorSamplerDidCapture(QWidget*, const QImage&, const QColor&, QPoint) { }

QWidget* PKWColorSampler::screenPickerWindow() const
{
    return m_screenPickerWindow;
}
