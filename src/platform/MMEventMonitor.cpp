#include "MMEventMonitor.h"

std::unique_ptr<MMEventMonitor> MMEventMonitor::bothMonitorWithEvent(MMEventMask mask, Handler handler)
{
    return std::make_unique<MMEventMonitor>(mask, std::move(handler));
}

MMEventMonitor::MMEventMonitor(MMEventMask mask, Handler handler)
    : m_mask(mask)
    , m_handler(std::move(handler))
{
}

MMEventMonitor::~MMEventMonitor()
{
    stop();
}

bool MMEventMonitor::start()
{
    stop();
    InputMonitor& monitor = InputMonitor::instance();
    // The handler is copied into the registration, so the monitor object may go away first.
    m_id = monitor.addMonitor(m_mask, m_handler);
    if (m_id == 0)
        return false;
    m_monitor = &monitor;
    return true;
}

void MMEventMonitor::stop()
{
    if (m_id != 0 && m_monitor)
        m_monitor->removeMonitor(m_id);
    m_id = 0;
    m_monitor = nullptr;
}
