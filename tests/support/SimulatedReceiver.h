#pragma once

#include "HidTransport.h"
#include "InOrderDelivery.h"
#include "SimulatedLink.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// A USB receiver behind the HID transport, speaking docs/device-protocol.md for one chip plan:
// it appears and disappears (plug, unplug), checks every output report strictly (length, report
// id, prefix, frame, zero padding, arguments), answers through its SimulatedDevice, and sends
// key, pen and battery reports on request. It can answer late, answer garbage or stay silent.
//
// Alongside its command interface it lists the receiver's ordinary mouse interface (usage page
// 1), which the program must not open. Installs itself as the transport for its lifetime.
class SimulatedReceiver : public QObject, public HidTransport, public SimulatedLink {
    Q_OBJECT
public:
    // The receiver's identity and frame (sections 1 and 2 of the protocol page).
    struct Model {
        int vendorId = 0x248A;
        int productId = 0x61AB;
        int usagePage = 0xFF00;
        int usage = 0x01;
        int reportId = 0x0D;
        QByteArray prefix = QByteArray(1, char(0xA5));
        int reportLength = 33;
        int plan = 1;
    };

    static Model mouseReceiver();    // plan 1
    static Model laserPenReceiver(); // plan 6, 248a:62ab
    static Model laserPenPlan2();    // plan 2, 27ba:26ab
    static Model keyboardReceiver(); // plan 3, 64-byte reports
    static Model voiceReceiver16k(); // plan 4, 248a:64ab, 64-byte reports, voice decoded to 16 kHz

    struct Written {
        QByteArray report;
        qint64 atNs = 0; // steady clock of the write call
    };

    explicit SimulatedReceiver(Model model = mouseReceiver(), QObject* parent = nullptr);
    ~SimulatedReceiver() override;

    const Model& model() const { return m_model; }

    // Attached or not. plug() and unplug() report to the hot-plug watcher; unplug() also fails
    // the open handle, as a real device's reads do.
    void plug();
    void unplug();
    bool isPlugged() const { return m_plugged; }

    // The next n open() calls fail.
    int failOpens = 0;
    // Every write fails (as a device that stalls).
    bool failWrites = false;
    // Writes of a report of zeros fail, as on a receiver whose reports are numbered.
    bool refuseZeroReports = false;
    // How long a write takes to be reported done after the report left.
    int writeDurationMs = 0;

    // The device's information report (the other input reports: SimulatedLink).
    void sendDeviceInfo();
    int voiceRate() const override;

    // What the program did.
    const QList<Written>& written() const { return m_written; }
    // Frames (without padding) that the device understood, in order, laser-pen commands included.
    QStringList receivedHex() const;
    // Reports of zeros, and reports with another plan's report id (the device ignores both).
    int zeroReports() const { return m_zeroReports; }
    int foreignReports() const { return m_foreignReports; }
    bool isOpen() const { return m_handle != 0; }
    int openCount() const { return m_openCount; }
    // True while an answer waits to be delivered (a late one for its delay).
    bool isAnswerDue() const { return m_delivery.isPending(); }
    bool isWatched() const { return bool(m_hotplug); }
    void clearRecords();

    // The paths of the command interface and of the ordinary mouse interface.
    QString commandPath() const;
    QString mousePath() const;

    // HidTransport
    QList<HidDeviceInfo> enumerate() override;
    void watchHotplug(HotplugHandler handler) override;
    int open(const QString& path, ReportHandler onReport, ErrorHandler onError, QString* error) override;
    void write(int handle, const QByteArray& report, WriteDone done) override;
    void close(int handle) override;

private:
    InOrderDelivery m_delivery{this}; // answers leave in the order they were made
    QByteArray frame(const QByteArray& payload) const override;
    void deliver(const QByteArray& report, int delayMs) override;
    void understood(const QByteArray& frameBytes) override { m_received.append(frameBytes); }
    void handleReport(const QByteArray& report);

    Model m_model;
    bool m_plugged = false;
    int m_handle = 0;
    int m_nextHandle = 1;
    int m_openCount = 0;
    ReportHandler m_onReport;
    ErrorHandler m_onError;
    HotplugHandler m_hotplug;
    QList<Written> m_written;
    QList<QByteArray> m_received;
    int m_zeroReports = 0;
    int m_foreignReports = 0;
};
