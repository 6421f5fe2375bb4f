#pragma once

#include "InputMonitor.h"

#include <map>
#include <vector>

// Keeps monitors in memory; send() plays the part of the user's mouse or keyboard. With
// available false every addMonitor fails. Installs itself for its lifetime.
class FakeInputMonitor : public InputMonitor {
public:
    FakeInputMonitor() { InputMonitor::setInstance(this); }
    ~FakeInputMonitor() override { InputMonitor::setInstance(nullptr); }

    int addMonitor(MMEventMask mask, Handler handler) override
    {
        if (!available)
            return 0;
        const int id = m_nextId++;
        m_monitors.emplace(id, std::make_pair(mask, std::move(handler)));
        return id;
    }

    void removeMonitor(int id) override { m_monitors.erase(id); }

    // Delivers the event to every monitor whose mask holds its type.
    void send(const MMEvent& event)
    {
        std::vector<int> ids;
        for (const auto& [id, monitor] : m_monitors) {
            if (monitor.first & mmEventMask(event.type))
                ids.push_back(id);
        }
        for (int id : ids) {
            const auto it = m_monitors.find(id);
            if (it == m_monitors.end())
                continue;
            const Handler handler = it->second.second;
            if (handler)
                handler(event);
        }
    }

    void send(MMEventType type, QPoint location = {}, int buttonNumber = 0)
    {
        MMEvent event;
        event.type = type;
        event.location = location;
        event.buttonNumber = buttonNumber;
        send(event);
    }

    int monitorCount() const { return static_cast<int>(m_monitors.size()); }

    bool available = true;

private:
    std::map<int, std::pair<MMEventMask, Handler>> m_monitors;
    int m_nextId = 1;
};
