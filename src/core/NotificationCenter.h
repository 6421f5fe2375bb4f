#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <vector>

// One posted notification: its name, an optional object and optional extra values.
struct VQNotification {
    QString name;
    QVariant object;
    QVariantMap userInfo;
};

// The system's named notifications. Delivery is synchronous, on the posting thread, in the
// order observers were added. Observers are held weakly through their owner: an owner that is
// destroyed is removed at once and never called afterwards, also in the middle of a post.
class NotificationCenter {
public:
    using Handler = std::function<void(const VQNotification&)>;

    static NotificationCenter& defaultCenter();

    // Calls the handler for every post of the name while the owner lives. An owner may observe
    // one name several times; each handler is called.
    void addObserver(QObject* owner, const QString& name, Handler handler);
    void removeObserver(QObject* owner);
    void removeObserver(QObject* owner, const QString& name);

    void post(const QString& name, const QVariant& object = {}, const QVariantMap& userInfo = {});
    // Posts from the main thread's event loop (queued; also when called on the main thread).
    void postOnMain(const QString& name, const QVariant& object = {}, const QVariantMap& userInfo = {});

    int observerCount(const QString& name) const;

    // Tests only: drops every observer.
    void resetForTests();

private:
    struct Entry {
        QPointer<QObject> owner;
        QString name;
        Handler handler;
        std::shared_ptr<bool> alive;
    };
    void ownerDestroyed(QObject* owner);

    mutable QMutex m_mutex;
    std::vector<Entry> m_entries;
    std::vector<QObject*> m_watched; // owners whose destroyed() is connected
};
