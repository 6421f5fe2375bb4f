#include "MMViewGeometry.h"

#include <QApplication>
#include <QPropertyAnimation>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace mm {

namespace {

// The object name of the running move animation of a widget, so a new one can replace it.
constexpr char kMoveAnimationName[] = "mmMoveAnimation";

} // namespace

QSize size(const QWidget* view)
{
    return view ? view->size() : QSize(0, 0);
}

int width(const QWidget* view)
{
    return view ? view->width() : 0;
}

int height(const QWidget* view)
{
    return view ? view->height() : 0;
}

int left(const QWidget* view)
{
    return view ? view->x() : 0;
}

int right(const QWidget* view)
{
    return view ? view->x() + view->width() : 0;
}

int top(const QWidget* view)
{
    return view ? view->y() : 0;
}

int bottom(const QWidget* view)
{
    return view ? view->y() + view->height() : 0;
}

int centerX(const QWidget* view)
{
    return view ? view->x() + view->width() / 2 : 0;
}

int centerY(const QWidget* view)
{
    return view ? view->y() + view->height() / 2 : 0;
}

void moveAnimationWithView(QWidget* view, const QRect& location, std::function<void()> completion)
{
    if (!view)
        return;
    const QString name = QString::fromLatin1(kMoveAnimationName);
    const auto running = view->findChildren<QPropertyAnimation*>(name, Qt::FindDirectChildrenOnly);
    for (QPropertyAnimation* animation : running) {
        animation->stop(); // deletes itself
    }
    auto* animation = new QPropertyAnimation(view, "geometry", view);
    animation->setObjectName(name);
    animation->setDuration(moveAnimationDurationMs);
    animation->setStartValue(view->geometry());
    animation->setEndValue(location);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    if (completion)
        QTimer::singleShot(moveAnimationDurationMs, view, std::move(completion));
}

void keepOnScreen(QWidget* window)
{
    QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    QMargins frame(window->geometry().left() - window->frameGeometry().left(), window->geometry().top() - window->frameGeometry().top(),
                   window->frameGeometry().right() - window->geometry().right(), window->frameGeometry().bottom() - window->geometry().bottom());
    if (frame.isNull() && !window->testAttribute(Qt::WA_WState_Created))
        frame.setTop(QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize room = free.size().shrunkBy(frame);
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    // The frame's top left, kept inside the free area.
    QPoint topLeft = window->frameGeometry().topLeft();
    topLeft.setX(std::clamp(topLeft.x(), free.left(), std::max(free.left(), free.right() + 1 - size.width() - frame.left() - frame.right())));
    topLeft.setY(std::clamp(topLeft.y(), free.top(), std::max(free.top(), free.bottom() + 1 - size.height() - frame.top() - frame.bottom())));
    if (topLeft != window->frameGeometry().topLeft())
        window->move(topLeft);
}

} // namespace mm
