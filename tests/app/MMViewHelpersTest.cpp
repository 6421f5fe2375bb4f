#include "MMScrollArea.h"
#include "MMViewGeometry.h"
#include "NSAnimateImageView.h"

#include "TestSupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

TEST(MMViewGeometryTest, EdgesAndCentreOfTheFrame)
{
    QWidget parent;
    QWidget view(&parent);
    view.setGeometry(10, 20, 101, 50);
    EXPECT_EQ(mm::size(&view), QSize(101, 50));
    EXPECT_EQ(mm::left(&view), 10);
    EXPECT_EQ(mm::right(&view), 111); // past the last pixel, unlike QRect::right()
    EXPECT_EQ(mm::top(&view), 20);
    EXPECT_EQ(mm::bottom(&view), 70);
    EXPECT_EQ(mm::centerX(&view), 60);
    EXPECT_EQ(mm::centerY(&view), 45);
    EXPECT_EQ(mm::right(nullptr), 0);
    EXPECT_EQ(mm::size(nullptr), QSize(0, 0));
}

TEST(MMViewGeometryTest, MoveAnimationEndsAtTheTargetAndRunsTheCompletionOnce)
{
    QWidget parent;
    parent.resize(400, 400);
    QWidget view(&parent);
    view.setGeometry(0, 0, 50, 50);
    parent.show();

    int completions = 0;
    QElapsedTimer clock;
    clock.start();
    qint64 completedAt = -1;
    mm::moveAnimationWithView(&view, QRect(200, 100, 80, 60), [&] {
        ++completions;
        completedAt = clock.elapsed();
    });
    EXPECT_EQ(completions, 0); // never inside the call
    vqtest::spin(150);
    EXPECT_NE(view.geometry(), QRect(0, 0, 50, 50)); // moving
    EXPECT_NE(view.geometry(), QRect(200, 100, 80, 60));
    ASSERT_TRUE(vqtest::waitUntil([&] { return completions == 1; }, 2000));
    EXPECT_GE(completedAt, 340);
    vqtest::spin(60);
    EXPECT_EQ(view.geometry(), QRect(200, 100, 80, 60));
    EXPECT_EQ(completions, 1);
}

TEST(MMViewGeometryTest, ADestroyedViewSkipsItsCompletion)
{
    QWidget parent;
    auto* view = new QWidget(&parent);
    bool ran = false;
    mm::moveAnimationWithView(view, QRect(10, 10, 10, 10), [&] { ran = true; });
    delete view;
    vqtest::spin(450);
    EXPECT_FALSE(ran);
    mm::moveAnimationWithView(nullptr, QRect(), [&] { ran = true; });
    vqtest::spin(10);
    EXPECT_FALSE(ran);
}

TEST(MMScrollAreaTest, ScrollsToTheEdgesOfContentJustAdded)
{
    QScrollArea area;
    area.resize(200, 100);
    area.setWidgetResizable(true);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    area.setWidget(content);
    area.show();
    for (int i = 0; i < 30; ++i) {
        auto* row = new QLabel(QStringLiteral("第 %1 行").arg(i));
        row->setFixedHeight(30);
        layout->addWidget(row);
    }
    // No event loop in between: the new rows must count already.
    mm::scrollToBottom(&area);
    QScrollBar* bar = area.verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(content->height() - bar->value(), area.viewport()->height()); // bottom edge in view

    mm::scrollToTop(&area);
    EXPECT_EQ(bar->value(), 0);

    QScrollArea empty;
    mm::scrollToBottom(&empty); // no content: nothing happens
    mm::scrollToTop(nullptr);
    EXPECT_EQ(empty.verticalScrollBar()->value(), 0);
}

QList<QPixmap> frames(int count)
{
    QList<QPixmap> list;
    for (int i = 0; i < count; ++i) {
        QPixmap frame(8, 8);
        frame.fill(QColor(i * 20, 0, 0));
        list.append(frame);
    }
    return list;
}

TEST(NSAnimateImageViewTest, CyclesOnlyWhileAnimatingAndVisible)
{
    QWidget window;
    NSAnimateImageView view(&window);
    view.setFrameInterval(10);
    view.setImages(frames(3));
    window.show();
    EXPECT_FALSE(view.isTimerActive()); // idle until started

    view.startAnimation();
    EXPECT_TRUE(view.isTimerActive());
    QList<int> seen;
    ASSERT_TRUE(vqtest::waitUntil([&] {
        if (!seen.contains(view.currentFrame()))
            seen.append(view.currentFrame());
        return seen.size() == 3;
    }, 2000));

    view.hide();
    EXPECT_FALSE(view.isTimerActive());
    EXPECT_TRUE(view.isAnimating());
    view.show();
    EXPECT_TRUE(view.isTimerActive());

    window.hide(); // hidden with its window
    EXPECT_FALSE(view.isTimerActive());
    window.show();
    EXPECT_TRUE(view.isTimerActive());

    view.stopAnimation();
    EXPECT_FALSE(view.isTimerActive());
    EXPECT_EQ(view.currentFrame(), 0);

    // One frame or none: nothing to cycle, no timer.
    view.setImages(frames(1));
    view.startAnimation();
    EXPECT_FALSE(view.isTimerActive());
    view.setImages({});
    EXPECT_FALSE(view.isTimerActive());
    view.setImages(frames(2));
    EXPECT_TRUE(view.isTimerActive());
}

// Named frames are read as they show and given back when the view (or its window) is hidden;
// shown again, the view takes up its frame where it was.
TEST(NSAnimateImageViewTest, NamedFramesHeldOnlyWhileSeen)
{
    QWidget window;
    NSAnimateImageView view(&window);
    view.setFrameInterval(10);
    view.setImageNames({QStringLiteral("start_00000"), QStringLiteral("start_00001"), QStringLiteral("start_00002")}, QSize(40, 40));
    EXPECT_EQ(view.frameCount(), 3);
    EXPECT_EQ(view.heldFrameCount(), 0); // nothing read before it can be seen
    view.startAnimation();
    window.show();
    ASSERT_TRUE(vqtest::waitUntil([&] { return view.heldFrameCount() == 3; }, 2000));
    ASSERT_FALSE(view.pixmap().isNull());
    EXPECT_EQ(view.pixmap().deviceIndependentSize().toSize(), QSize(40, 40));

    for (QWidget* hidden : {static_cast<QWidget*>(&view), &window}) {
        hidden->hide();
        const int frame = view.currentFrame();
        EXPECT_EQ(view.heldFrameCount(), 0);
        EXPECT_TRUE(view.pixmap().isNull());
        hidden->show();
        EXPECT_EQ(view.currentFrame(), frame);
        EXPECT_GE(view.heldFrameCount(), 1);
        EXPECT_FALSE(view.pixmap().isNull());
    }
    view.setImages(frames(2)); // given pixmaps are the caller's: kept while hidden
    window.hide();
    EXPECT_EQ(view.heldFrameCount(), 2);
}

} // namespace
