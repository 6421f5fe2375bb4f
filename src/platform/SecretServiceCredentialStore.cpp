#include "SecretServiceCredentialStore.h"

#include "MMLog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QMetaObject>
#include <QPointer>

#include <qt6keychain/keychain.h>

namespace {

CredentialStore::Result failureOf(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoError:
        return CredentialStore::Result::Stored;
    case QKeychain::EntryNotFound:
        return CredentialStore::Result::NotFound;
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        return CredentialStore::Result::Unavailable;
    default:
        return CredentialStore::Result::Failed;
    }
}

// Answers from the event loop, never inside the caller's call.
void answerLater(CredentialStore::Callback done, CredentialStore::Result result, const QString& secret = {})
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [done = std::move(done), result, secret] {
            if (done)
                done(result, secret);
        },
        Qt::QueuedConnection);
}

template <class Job>
Job* makeJob(const QString& key)
{
    auto* job = new Job(QString::fromLatin1(CredentialStore::kServiceName));
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    return job;
}

constexpr char kSecretServiceName[] = "org.freedesktop.secrets";
constexpr int kNameQueryTimeoutMs = 5000;

// Runs start once the Secret Service's name is owned on the session bus; answers Unavailable
// when there is no bus or nobody owns the name. The name is never activated: a keyring daemon
// started by activation has no unlocked keyring, prompts, and its jobs would wait for ever.
void whenServiceRuns(CredentialStore::Callback done, std::function<void(CredentialStore::Callback)> start)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        VQLogWarn(QStringLiteral("Keyring: no session bus"));
        answerLater(std::move(done), CredentialStore::Result::Unavailable);
        return;
    }
    const QString busName = QStringLiteral("org.freedesktop.DBus");
    QDBusMessage query = QDBusMessage::createMethodCall(busName, QStringLiteral("/org/freedesktop/DBus"), busName,
                                                        QStringLiteral("NameHasOwner"));
    query << QString::fromLatin1(kSecretServiceName);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(query, kNameQueryTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [done = std::move(done), start = std::move(start)](QDBusPendingCallWatcher* finished) mutable {
                         finished->deleteLater();
                         const QDBusPendingReply<bool> owned = *finished;
                         if (owned.isError() || !owned.value()) {
                             VQLogWarn(QStringLiteral("Keyring: no Secret Service on the session bus%1")
                                           .arg(owned.isError() ? QStringLiteral(" (") + owned.error().message() + u')' : QString()));
                             if (done)
                                 done(CredentialStore::Result::Unavailable, {});
                             return;
                         }
                         start(std::move(done));
                     });
}

} // namespace

SecretServiceCredentialStore::SecretServiceCredentialStore()
{
    if (qEnvironmentVariableIsSet("QT_NO_GLIB")) {
        m_usable = false;
        VQLogWarn(QStringLiteral("Keyring: the event loop runs without glib, so keyring jobs could never finish; not used"));
    }
}

SecretServiceCredentialStore::~SecretServiceCredentialStore() = default;

void SecretServiceCredentialStore::store(const QString& key, const QString& secret, Callback done)
{
    if (!m_usable) {
        answerLater(std::move(done), Result::Unavailable);
        return;
    }
    whenServiceRuns(std::move(done), [key, secret](Callback done) {
        auto* job = makeJob<QKeychain::WritePasswordJob>(key);
        job->setTextData(secret);
        QObject::connect(job, &QKeychain::Job::finished, job, [done = std::move(done)](QKeychain::Job* finished) {
            const Result result = failureOf(finished->error());
            if (result != Result::Stored)
                VQLogWarn(QStringLiteral("Keyring: store %1: %2").arg(QLatin1String(resultName(result)), finished->errorString()));
            if (done)
                done(result, {});
        });
        job->start();
    });
}

void SecretServiceCredentialStore::load(const QString& key, Callback done)
{
    if (!m_usable) {
        answerLater(std::move(done), Result::Unavailable);
        return;
    }
    whenServiceRuns(std::move(done), [key](Callback done) {
        auto* job = makeJob<QKeychain::ReadPasswordJob>(key);
        QObject::connect(job, &QKeychain::Job::finished, job, [done = std::move(done)](QKeychain::Job* finished) {
            Result result = failureOf(finished->error());
            QString secret;
            if (result == Result::Stored) {
                result = Result::Found;
                secret = static_cast<QKeychain::ReadPasswordJob*>(finished)->textData();
            } else if (result != Result::NotFound) {
                VQLogWarn(QStringLiteral("Keyring: load %1: %2").arg(QLatin1String(resultName(result)), finished->errorString()));
            }
            if (done)
                done(result, secret);
        });
        job->start();
    });
}

void SecretServiceCredentialStore::remove(const QString& key, Callback done)
{
    if (!m_usable) {
        answerLater(std::move(done), Result::Unavailable);
        return;
    }
    whenServiceRuns(std::move(done), [key](Callback done) {
        auto* job = makeJob<QKeychain::DeletePasswordJob>(key);
        QObject::connect(job, &QKeychain::Job::finished, job, [done = std::move(done)](QKeychain::Job* finished) {
            Result result = failureOf(finished->error());
            if (result == Result::Stored)
                result = Result::NotFound;
            if (result != Result::NotFound)
                VQLogWarn(QStringLiteral("Keyring: remove %1: %2").arg(QLatin1String(resultName(result)), finished->errorString()));
            if (done)
                done(result, {});
        });
        job->start();
    });
}
