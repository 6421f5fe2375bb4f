#include "NotificationCenter.h"

#include "RunOnMain.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(QObject* owner, const QString& name, Handler handler)
{
    if (owner == nullptr || !handler)
        return;
    QMutexLocker lock(&m_mutex);
    m_entries.push_back(Entry{owner, name, std::move(handler), std::make_shared<bool>(true)});
    if (std::find(m_watched.begin(), m_watched.end(), owner) == m_watched.end()) {
        m_watched.push_back(owner);
        QObject::connect(owner, &QObject::destroyed, [this, owner] { ownerDestroyed(owner); });
    }
}

void NotificationCenter::ownerDestroyed(QObject* owner)
{
    QMutexLocker lock(&m_mutex);
    m_watched.erase(std::remove(m_watched.begin(), m_watched.end(), owner), m_watched.end());
    auto gone = [owner](const Entry& e) {
        // A destroyed owner's QPointer reads null already; compare the raw address too.
        if (e.owner.isNull() || e.owner.data() == owner) {
            *e.alive = false;
            return true;
        }
        return false;
    };
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), gone), m_entries.end());
}

void NotificationCenter::removeObserver(QObject* owner)
{
    if (owner == nullptr)
        return;
    QMutexLocker lock(&m_mutex);
    auto match = [owner](const Entry& e) {
        if (e.owner.data() != owner)
            return false;
        *e.alive = false;
        return true;
    };
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), match), m_entries.end());
}

void NotificationCenter::removeObserver(QObject* owner, const QString& name)
{
    if (owner == nullptr)
        return;
    QMutexLocker lock(&m_mutex);
    auto match = [owner, &name](const Entry& e) {
        if (e.owner.data() != owner || e.name != name)
            return false;
        *e.alive = false;
        return true;
    };
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), match), m_entries.end());
}

void NotificationCenter::post(const QString& name, const QVariant& object, const QVariantMap& userInfo)
{
    struct Call {
        QPointer<QObject> owner;
        Handler handler;
        std::shared_ptr<bool> alive;
    };
    std::vector<Call> calls;
    {
        QMutexLocker lock(&m_mutex);
        for (const Entry& e : m_entries) {
            if (e.name == name && !e.owner.isNull())
                calls.push_back(Call{e.owner, e.handler, e.alive});
        }
    }
    const VQNotification note{name, object, userInfo};
    for (const Call& call : calls) {
        // An observer removed or destroyed by an earlier handler of this post is skipped.
        if (!*call.alive || call.owner.isNull())
            continue;
        call.handler(note);
    }
}

void NotificationCenter::postOnMain(const QString& name, const QVariant& object, const QVariantMap& userInfo)
{
    mm::runOnMain([this, name, object, userInfo] { post(name, object, userInfo); });
}

int NotificationCenter::observerCount(const QString& name) const
{
    QMutexLocker lock(&m_mutex);
    return int(std::count_if(m_entries.begin(), m_entries.end(),
                             [&name](const Entry& e) { return e.name == name && !e.owner.isNull(); }));
}

void NotificationCenter::resetForTests()
{
    QMutexLocker lock(&m_mutex);
    for (const Entry& e : m_entries)
        *e.alive = false;
    m_entries.clear();
}
