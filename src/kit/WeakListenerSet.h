#pragma once

#include <QObject>
#include <QPointer>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace mm {

// A set of listeners held weakly, called as one: a listener that is destroyed leaves the set by
// itself, and forEach() calls every listener that implements Interface. Used from one thread
// (the thread that owns the listeners); not guarded by a lock.
template <typename Interface>
class WeakListenerSet {
public:
    // Adds the listener once; adding a member again, or a null pointer, does nothing.
    void add(QObject* listener)
    {
        if (listener == nullptr)
            return;
        prune();
        if (find(listener) != m_members.end())
            return;
        auto member = std::make_shared<Member>();
        member->object = listener;
        m_members.push_back(std::move(member));
    }

    void remove(QObject* listener)
    {
        const auto it = find(listener);
        if (it == m_members.end())
            return;
        (*it)->removed = true;
        m_members.erase(it);
    }

    // Calls fn for every live member that implements Interface, in the order they were added.
    // Members added during the loop are not called in it; members removed or destroyed during
    // the loop (also by fn itself) are not called after that.
    void forEach(const std::function<void(Interface&)>& fn)
    {
        if (!fn)
            return;
        const std::vector<std::shared_ptr<Member>> snapshot = m_members;
        for (const auto& member : snapshot) {
            if (member->removed)
                continue;
            QObject* object = member->object.data();
            if (object == nullptr)
                continue;
            if (auto* target = dynamic_cast<Interface*>(object))
                fn(*target);
        }
        prune();
    }

    // The number of live members.
    int count() const
    {
        return int(std::count_if(m_members.begin(), m_members.end(),
                                 [](const auto& member) { return !member->object.isNull(); }));
    }

private:
    struct Member {
        QPointer<QObject> object;
        bool removed = false;
    };

    typename std::vector<std::shared_ptr<Member>>::iterator find(QObject* listener)
    {
        return std::find_if(m_members.begin(), m_members.end(), [listener](const auto& member) {
            return !member->object.isNull() && member->object.data() == listener;
        });
    }

    void prune()
    {
        m_members.erase(std::remove_if(m_members.begin(), m_members.end(),
                                       [](const auto& member) { return member->object.isNull(); }),
                        m_members.end());
    }

    std::vector<std::shared_ptr<Member>> m_members;
};

} // namespace mm
