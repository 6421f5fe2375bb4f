#pragma once

#include "GlobalShortcuts.h"

#include <QList>

#include <map>
#include <vector>

// Keeps registrations in memory; press() plays the part of the user pressing a combination.
// Combinations listed in inUse are refused as held by another program. Installs itself for its
// lifetime.
class FakeGlobalShortcuts : public GlobalShortcuts {
public:
    FakeGlobalShortcuts() { GlobalShortcuts::setInstance(this); }
    ~FakeGlobalShortcuts() override { GlobalShortcuts::setInstance(nullptr); }

    Registration registerShortcut(const KeyShortcut& shortcut, Action action) override
    {
        ++registerCalls;
        if (!shortcut.isValid())
            return {0, Status::InvalidKey};
        if (inUse.contains(shortcut))
            return {0, Status::InUse};
        const int id = m_nextId++;
        m_registrations.emplace(id, std::make_pair(shortcut, std::move(action)));
        return {id, Status::Ok};
    }

    void unregisterShortcut(int id) override { m_registrations.erase(id); }

    // Runs the actions registered for the combination; false when none is registered.
    bool press(const KeyShortcut& shortcut)
    {
        std::vector<int> ids;
        for (const auto& [id, registration] : m_registrations) {
            if (registration.first == shortcut)
                ids.push_back(id);
        }
        for (int id : ids) {
            const auto it = m_registrations.find(id);
            if (it == m_registrations.end())
                continue;
            const Action action = it->second.second;
            if (action)
                action();
        }
        return !ids.empty();
    }

    // The combinations registered now, one entry per registration.
    QList<KeyShortcut> registered() const
    {
        QList<KeyShortcut> shortcuts;
        for (const auto& [id, registration] : m_registrations)
            shortcuts.append(registration.first);
        return shortcuts;
    }

    QList<KeyShortcut> inUse;
    int registerCalls = 0;

private:
    std::map<int, std::pair<KeyShortcut, Action>> m_registrations;
    int m_nextId = 1;
};
