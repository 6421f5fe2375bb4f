#pragma once

#include "PowerControl.h"

#include <QMetaObject>
#include <QObject>
#include <QStringList>

// Records "suspend" and "lock" requests and completes them from the event loop with ok and
// error. Installs itself for its lifetime.
class FakePowerControl : public QObject, public PowerControl {
public:
    FakePowerControl() { PowerControl::setInstance(this); }
    ~FakePowerControl() override { PowerControl::setInstance(nullptr); }

    void suspend(Completion done) override { record(QStringLiteral("suspend"), std::move(done)); }
    void lockSession(Completion done) override { record(QStringLiteral("lock"), std::move(done)); }

    QStringList requests;
    bool ok = true;
    QString error;

private:
    void record(const QString& what, Completion done)
    {
        requests.append(what);
        const bool result = ok;
        const QString message = error;
        QMetaObject::invokeMethod(
            this, [done = std::move(done), result, message] { if (done) done(result, message); }, Qt::QueuedConnection);
    }
};
