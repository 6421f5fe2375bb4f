// Pictures of the screen read by the X server into shared memory: each shows the screen as it
// was when it was taken, whether its memory is new, reused from a picture gone before, or taken
// while an earlier picture is still held.
#include "QtScreenGrabber.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class ColourWindow : public QWidget {
public:
    QColor colour;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour); }
};

TEST(QtScreenGrabberX11Test, EveryPictureShowsTheScreenOfItsMoment)
{
    QtScreenGrabber grabber;
    QScreen* screen = QGuiApplication::primaryScreen();
    ColourWindow window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    window.setGeometry(200, 200, 300, 200);
    window.show();
    const QPoint probe(350, 300);
    QPixmap held;
    const struct {
        QColor colour;
        bool hold; // kept while the next picture is taken
    } steps[] = {{QColor(200, 40, 40), false}, {QColor(40, 200, 40), true}, {QColor(40, 40, 200), false}, {QColor(240, 200, 0), false}};
    for (const auto& step : steps) {
        window.colour = step.colour;
        window.repaint();
        QPixmap picture;
        ASSERT_TRUE(vqtest::waitUntil([&] {
            picture = grabber.grabScreen(screen);
            return !picture.isNull() && picture.toImage().pixelColor(probe) == step.colour;
        })) << step.colour.name().toStdString();
        EXPECT_EQ(picture.size(), screen->size() * screen->devicePixelRatio());
        if (!held.isNull())
            EXPECT_NE(held.toImage().pixelColor(probe), step.colour) << "a held picture changed with the screen";
        if (step.hold)
            held = picture;
    }
}

} // namespace
