#pragma once

#include "CredentialStore.h"

#include <QCoreApplication>
#include <QMap>
#include <QMetaObject>
#include <QPointer>
#include <QStringList>

#include <functional>

// A keyring in memory. Installs itself for its lifetime. Answers from the event loop like the
// real one; with `available` false every operation answers Unavailable and nothing is kept;
// `holdLoads` keeps load answers back until releaseLoads().
class FakeCredentialStore : public CredentialStore {
public:
    FakeCredentialStore() { CredentialStore::setInstance(this); }
    ~FakeCredentialStore() override { CredentialStore::setInstance(nullptr); }

    void store(const QString& key, const QString& secret, Callback done) override
    {
        operations.append(QStringLiteral("store ") + key);
        if (available)
            items.insert(key, secret);
        answer(std::move(done), available ? Result::Stored : Result::Unavailable, {});
    }
    void load(const QString& key, Callback done) override
    {
        operations.append(QStringLiteral("load ") + key);
        Result result = Result::Unavailable;
        if (available)
            result = items.contains(key) ? Result::Found : Result::NotFound;
        const QString secret = items.value(key);
        if (holdLoads) {
            m_heldLoads.append([done, result, secret] { done(result, secret); });
            return;
        }
        answer(std::move(done), result, secret);
    }
    void remove(const QString& key, Callback done) override
    {
        operations.append(QStringLiteral("remove ") + key);
        if (available)
            items.remove(key);
        answer(std::move(done), available ? Result::NotFound : Result::Unavailable, {});
    }

    void releaseLoads()
    {
        const auto held = std::exchange(m_heldLoads, {});
        for (const auto& run : held)
            run();
    }

    QMap<QString, QString> items;
    QStringList operations;
    bool available = true;
    bool holdLoads = false;

private:
    static void answer(Callback done, Result result, const QString& secret)
    {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [done = std::move(done), result, secret] {
                if (done)
                    done(result, secret);
            },
            Qt::QueuedConnection);
    }

    QList<std::function<void()>> m_heldLoads;
};
