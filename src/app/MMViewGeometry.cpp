#include "MMViewGeometry.h"

#include <QPropertyAnimation>
#include <QTimer>
#include <QWidget>

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

} // namespace mm
