#include "SimulatedUsbPort.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

struct PlanFrame {
    int plan;
    int reportId;
    int prefix; // -1: none
    int reportLength;
};

// Section 1 of the protocol page.
constexpr PlanFrame kPlans[] = {
    {1, 0x0D, 0xA5, 33}, {2, 0x0D, 0xA5, 33}, {3, 0x0F, 0xA6, 64}, {4, 0x0F, 0xA7, 64},
    {5, 0x0E, 0xA8, 64}, {6, 0x0C, -1, 33},   {7, 0x0B, 0xA9, 64},
};

struct ReceiverRow {
    int vendorId;
    int productId;
    int usagePage;
    int plan;
};

// Section 2 of the protocol page.
constexpr ReceiverRow kReceivers[] = {
    {0x248A, 0x61AB, 0xFF00, 1}, {0x248A, 0x62AB, 0xFF00, 6}, {0x248A, 0x63AB, 0xFF00, 6},
    {0x248A, 0x64AB, 0xFF00, 4}, {0x248A, 0x65AB, 0xFF00, 7}, {0x248A, 0x66AB, 0xFF00, 5},
    {0x27BA, 0x26AB, 0xFF00, 2}, {0x3151, 0x23AB, 0xFF00, 2}, {0x13BA, 0x12AB, 0xFF01, 3},
    {0x13CA, 0x12AC, 0xFF01, 3},
};

} // namespace

SimulatedUsbPort::SimulatedUsbPort() = default;

SimulatedUsbPort::~SimulatedUsbPort() = default;

std::optional<SimulatedReceiver::Model> SimulatedUsbPort::modelFor(int vendorId, int productId)
{
    for (const ReceiverRow& row : kReceivers) {
        if (row.vendorId != vendorId || row.productId != productId)
            continue;
        for (const PlanFrame& frame : kPlans) {
            if (frame.plan != row.plan)
                continue;
            SimulatedReceiver::Model model;
            model.vendorId = vendorId;
            model.productId = productId;
            model.usagePage = row.usagePage;
            model.usage = 0x01;
            model.reportId = frame.reportId;
            model.prefix = frame.prefix < 0 ? QByteArray() : QByteArray(1, char(frame.prefix));
            model.reportLength = frame.reportLength;
            model.plan = frame.plan;
            return model;
        }
    }
    return std::nullopt;
}

SimulatedReceiver* SimulatedUsbPort::plug(const SimulatedReceiver::Model& model)
{
    if (plugged() != nullptr)
        return nullptr;
    // A simulated receiver installs itself as the transport while it lives; the port stays the
    // transport the program talks to.
    m_receiver.reset();
    m_receiver = std::make_unique<SimulatedReceiver>(model);
    // A laser pen's own receiver (plans 6 and 2) answers the device information as a laser pen.
    if (model.plan == 6 || model.plan == 2)
        m_receiver->device().values.deviceType = 2;
    HidTransport::setInstance(this);
    m_receiver->watchHotplug([this](bool added, const QString& path) {
        if (m_hotplug)
            m_hotplug(added, path);
    });
    m_receiver->plug();
    return m_receiver.get();
}

bool SimulatedUsbPort::unplug()
{
    SimulatedReceiver* receiver = plugged();
    if (receiver == nullptr)
        return false;
    receiver->unplug();
    return true;
}

SimulatedReceiver* SimulatedUsbPort::plugged() const
{
    return m_receiver && m_receiver->isPlugged() ? m_receiver.get() : nullptr;
}

QList<HidDeviceInfo> SimulatedUsbPort::enumerate()
{
    return m_receiver ? m_receiver->enumerate() : QList<HidDeviceInfo>();
}

void SimulatedUsbPort::watchHotplug(HotplugHandler handler)
{
    m_hotplug = std::move(handler);
}

int SimulatedUsbPort::open(const QString& path, ReportHandler onReport, ErrorHandler onError, QString* error)
{
    if (m_receiver)
        return m_receiver->open(path, std::move(onReport), std::move(onError), error);
    if (error)
        *error = QStringLiteral("No such device");
    return 0;
}

void SimulatedUsbPort::write(int handle, const QByteArray& report, WriteDone done)
{
    if (m_receiver) {
        m_receiver->write(handle, report, std::move(done));
        return;
    }
    if (done) {
        QTimer::singleShot(0, QCoreApplication::instance(),
                           [done = std::move(done)] { done(false, QStringLiteral("No such device"), 0); });
    }
}

void SimulatedUsbPort::close(int handle)
{
    if (m_receiver)
        m_receiver->close(handle);
}
