#include "RunOnMain.h"

#include <QCoreApplication>
#include <QThread>

namespace mm {

bool isMainThread()
{
    auto* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

void runOnMain(std::function<void()> fn)
{
    auto* app = QCoreApplication::instance();
    if (app == nullptr || !fn)
        return;
    QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}

void runOnMainOrNow(std::function<void()> fn)
{
    if (!fn)
        return;
    if (isMainThread())
        fn();
    else
        runOnMain(std::move(fn));
}

} // namespace mm
