// The pen canvas on two offscreen screens (the second at device pixel ratio 2): strokes follow
// the pointer's motion events between mouseDown and mouseUp, one canvas per screen, and each
// canvas shows the strokes in their colour and width, crossing screens.
#include "FakeCursorHider.h"
#include "FakeInputMonitor.h"
#include "TestSupport.h"
#include "VQDrawView.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QEvent>
#include <QPaintEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>

#include <cmath>
#include <memory>

namespace {

struct Stroke {
    QColor color;
    qreal width;
    QList<QPoint> points; // global; the first is the press
};

// The canvas rendered over white, in device pixels.
QImage rendered(VQDrawView& canvas)
{
    const qreal ratio = canvas.devicePixelRatioF();
    QImage image((QSizeF(canvas.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    canvas.render(&image);
    return image;
}

QColor pixelAt(const QImage& image, QPointF local)
{
    const QPoint p = (local * image.devicePixelRatio()).toPoint();
    if (!image.rect().contains(p))
        return {};
    return image.pixelColor(p);
}

// Records the rectangles of the paint events a widget receives.
class PaintRecorder : public QObject {
public:
    QList<QRect> rects;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            rects.append(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

TEST(VQDrawViewTest, StrokesAreThePolylineInTheirColourAndWidthOnEveryScreen)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    FakeInputMonitor monitor;
    FakeCursorHider cursor;
    std::vector<std::unique_ptr<VQDrawView>> canvases;
    std::vector<std::unique_ptr<PaintRecorder>> recorders;
    for (QScreen* screen : QGuiApplication::screens()) {
        auto canvas = std::make_unique<VQDrawView>();
        canvas->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        canvas->setScreen(screen);
        canvas->setGeometry(screen->geometry());
        canvas->show();
        auto recorder = std::make_unique<PaintRecorder>();
        canvas->installEventFilter(recorder.get());
        canvases.push_back(std::move(canvas));
        recorders.push_back(std::move(recorder));
    }
    ASSERT_TRUE(vqtest::waitUntil([&] {
        return !recorders[0]->rects.isEmpty() && !recorders[1]->rects.isEmpty();
    }));
    // A first picture, so that finished strokes go into the cached one.
    for (auto& canvas : canvases)
        rendered(*canvas);

    // Left screen 1280x800 at 0,0; right screen 1024x768 at 1280,0 (ratio 2).
    const QList<Stroke> strokes = {
        {QColor(255, 0, 0), 10, {{200, 200}, {400, 220}, {400, 500}}},
        {QColor(0, 0, 255), 24, {{1100, 300}, {1500, 300}, {1700, 600}}}, // crosses the screens
        {QColor(0, 160, 0), 6, {{1400, 100}}},                            // a dot: the key held still
    };
    for (const Stroke& stroke : strokes) {
        for (auto& canvas : canvases) {
            canvas->setDrawColor(stroke.color);
            canvas->setLineWidth(stroke.width);
            canvas->mouseDown(stroke.points.first());
            EXPECT_FALSE(canvas->pathReleased());
        }
        EXPECT_TRUE(cursor.isHidden());
        for (const QPoint& p : stroke.points.mid(1)) {
            QCoreApplication::processEvents();
            for (auto& recorder : recorders)
                recorder->rects.clear();
            monitor.send(MMEventType::MouseMoved, p);
            // A step repaints only around its segment.
            ASSERT_TRUE(vqtest::waitUntil([&] {
                return !recorders[0]->rects.isEmpty() || !recorders[1]->rects.isEmpty();
            }));
            for (std::size_t i = 0; i < canvases.size(); ++i) {
                for (const QRect& r : std::as_const(recorders[i]->rects))
                    EXPECT_LT(r.width() * r.height(), canvases[i]->width() * canvases[i]->height() / 4) << r.width() << "x" << r.height();
            }
        }
        // The last step shows while the stroke is open, also when it came within a frame.
        for (auto& canvas : canvases) {
            const QPoint last = stroke.points.last() - canvas->geometry().topLeft();
            if (canvas->rect().contains(last))
                EXPECT_TRUE(vqtest::waitUntil([&] { return pixelAt(rendered(*canvas), last) == stroke.color; }));
        }
        for (auto& canvas : canvases)
            canvas->mouseUp();
        EXPECT_FALSE(cursor.isHidden());
    }
    EXPECT_EQ(monitor.monitorCount(), 0);
    // Nothing follows the pointer once released, and a release with no open stroke stores nothing.
    monitor.send(MMEventType::MouseMoved, QPoint(900, 700));
    for (auto& canvas : canvases) {
        canvas->mouseUp();
        EXPECT_EQ(canvas->drawPathArray().size(), strokes.size());
    }

    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    QDir().mkpath(dir);
    for (std::size_t i = 0; i < canvases.size(); ++i) {
        VQDrawView& canvas = *canvases[i];
        const QImage image = rendered(canvas);
        image.save(QStringLiteral("%1/laser_pen_strokes_screen%2.png").arg(dir).arg(i));
        const QRect screen = canvas.geometry();
        for (const Stroke& stroke : strokes) {
            QList<QPoint> points = stroke.points;
            if (points.size() == 1)
                points.append(points.first());
            for (int s = 0; s + 1 < points.size(); ++s) {
                const QPointF a = points[s];
                const QPointF b = points[s + 1];
                const QPointF d = b - a;
                const qreal length = std::hypot(d.x(), d.y());
                const QPointF normal = length > 0 ? QPointF(-d.y() / length, d.x() / length) : QPointF(0, 1);
                for (qreal t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
                    const QPointF on = a + d * t;
                    if (!QRectF(screen).adjusted(stroke.width, stroke.width, -stroke.width, -stroke.width).contains(on))
                        continue;
                    const QPointF local = on - QPointF(screen.topLeft());
                    SCOPED_TRACE(QStringLiteral("screen %1 at %2,%3").arg(i).arg(on.x()).arg(on.y()).toStdString());
                    // Inside the width: the colour; just outside it: what lies below.
                    EXPECT_EQ(pixelAt(image, local), stroke.color);
                    EXPECT_EQ(pixelAt(image, local + normal * (stroke.width / 2 - 1.5)), stroke.color);
                    if (length > 0 && t > 0 && t < 1) {
                        EXPECT_EQ(pixelAt(image, local + normal * (stroke.width / 2 + 2)), QColor(Qt::white));
                        EXPECT_EQ(pixelAt(image, local - normal * (stroke.width / 2 + 2)), QColor(Qt::white));
                    }
                }
            }
        }
    }

    // Clearing empties every canvas.
    for (auto& canvas : canvases) {
        canvas->clearDraw();
        EXPECT_TRUE(canvas->drawPathArray().isEmpty());
        const QImage image = rendered(*canvas);
        for (const Stroke& stroke : strokes) {
            for (const QPoint& p : stroke.points) {
                if (canvas->geometry().contains(p)) {
                    EXPECT_EQ(pixelAt(image, p - canvas->geometry().topLeft()), QColor(Qt::white));
                }
            }
        }
    }
}

// An image whose painters only add up what each paint asks for: path elements, polygon points,
// lines and the pixels of pictures drawn.
class WorkCounter : public QImage {
public:
    explicit WorkCounter(QSize size) : QImage(size, QImage::Format_ARGB32_Premultiplied) {}
    double work() const { return m_engine.work; }
    QPaintEngine* paintEngine() const override { return &m_engine; }

private:
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        Type type() const override { return QPaintEngine::User; }
        void drawPath(const QPainterPath& path) override { work += path.elementCount(); }
        void drawPolygon(const QPointF*, int count, PolygonDrawMode) override { work += count; }
        void drawLines(const QLineF*, int count) override { work += count; }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF& source) override { work += source.width() * source.height(); }
        void drawImage(const QRectF&, const QImage&, const QRectF& source, Qt::ImageConversionFlags) override { work += source.width() * source.height(); }
        double work = 0;
    };
    mutable Engine m_engine;
};

// The paint of one step costs the same after 1,910 steps of the open stroke as after 10: the
// stroke so far is not painted again.
TEST(VQDrawViewTest, AStepsPaintDoesNotGrowWithTheStroke)
{
    FakeInputMonitor monitor;
    FakeCursorHider cursor;
    VQDrawView canvas;
    canvas.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    canvas.setGeometry(QGuiApplication::screens().first()->geometry());
    canvas.show();
    const QPoint origin = canvas.geometry().topLeft() + QPoint(200, 200);
    canvas.mouseDown(origin);
    // Rows of 100 equal steps, one below the other and back to the top.
    const auto stepTo = [&](int i) { return origin + QPoint(8 * (i % 100), 40 * ((i / 100) % 2)); };
    const auto paintOfStep = [&](int i) {
        WorkCounter counter(canvas.size());
        const QRect step = QRect(stepTo(i - 1), stepTo(i)).normalized().translated(-canvas.geometry().topLeft());
        canvas.render(&counter, QPoint(), QRegion(step.adjusted(-8, -8, 8, 8)));
        return counter.work();
    };
    double early = 0;
    for (int i = 1; i <= 1910; ++i) {
        canvas.mouseDragged(stepTo(i));
        if (i == 10)
            early = paintOfStep(i);
    }
    ASSERT_GT(early, 0);
    EXPECT_LE(paintOfStep(1910), early * 1.5) << "early " << early;
    canvas.mouseUp();
}

} // namespace
