#include "VQBackGroundView.h"
#include "VQBaseView.h"
#include "VQBaseViewController.h"

#include "NotificationCenter.h"
#include "VQNotificationNames.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void postTitleUpdate()
{
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
}

class TitledView : public VQBaseView {
public:
    using VQBaseView::VQBaseView;
    void configTitle() override { ++titles; }
    int titles = 0;
};

class TitledPage : public VQBaseViewController {
public:
    void configUI() override { ++built; }
    void configTitle() override { ++titles; }
    int built = 0;
    int titles = 0;

protected:
    void viewDidLoad() override
    {
        VQBaseViewController::viewDidLoad();
        configUI();
        configTitle();
    }
};

TEST(VQBaseViewTest, ViewsAndPagesRetitleOnTheNotificationUntilDestroyed)
{
    auto* view = new TitledView;
    TitledPage page;
    EXPECT_FALSE(page.isViewLoaded());
    postTitleUpdate();
    EXPECT_EQ(view->titles, 1);
    EXPECT_EQ(page.titles, 0); // not registered before its view loads

    QWidget* pageView = page.view();
    ASSERT_NE(pageView, nullptr);
    EXPECT_EQ(page.view(), pageView); // loaded once
    EXPECT_EQ(page.built, 1);
    EXPECT_EQ(page.titles, 1);
    postTitleUpdate();
    EXPECT_EQ(view->titles, 2);
    EXPECT_EQ(page.titles, 2);

    delete view;
    postTitleUpdate(); // a destroyed view is not called (ASan would catch it)
    EXPECT_EQ(page.titles, 3);
}

TEST(VQBaseViewTest, APageViewBelongsToItsParentOnceGivenOne)
{
    QPointer<QWidget> orphan;
    {
        VQBaseViewController page;
        orphan = page.view();
        ASSERT_FALSE(orphan.isNull());
    }
    EXPECT_TRUE(orphan.isNull()); // deleted with the controller

    auto* container = new QWidget;
    VQBaseViewController page;
    QPointer<QWidget> adopted = page.view();
    adopted->setParent(container);
    delete container;
    EXPECT_TRUE(adopted.isNull());
    EXPECT_EQ(page.view(), nullptr); // not made again
}

// Records the presses that reach it.
class PressRecorder : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        ++presses;
        event->accept();
    }
};

TEST(VQBackGroundViewTest, ClicksStopAtTheBackground)
{
    PressRecorder window;
    window.resize(200, 200);
    VQBackGroundView background(&window);
    background.setGeometry(50, 50, 100, 100);
    window.show();

    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(window.presses, 0);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(window.presses, 1);
}

} // namespace
