#pragma once

#include <QObject>
#include <QString>

// Keeps the voice-command store (VQCommandViewModel) current for matching and for the hot words
// sent with the audio, whether or not a page showing them was ever opened: the common list is
// fetched at start() and the common and custom lists (the custom one holds the hot words) at the
// information of each device other than the one last fetched for. A failed fetch is tried again
// at the next device-information report. "kUpdateHotWordListNotification" is posted once the
// custom list is stored.
//
// Started once by the composition root, after the command tables exist. Main thread only.
class VQCommandSyncService : public QObject {
    Q_OBJECT
public:
    static VQCommandSyncService& sharedInstance();

    void start();
    // The device's information arrived: fetches for a device not fetched for yet.
    void deviceInformationArrived();

private:
    VQCommandSyncService() = default;

    bool m_started = false;
    QString m_fetchedDevice; // product code and serial number of the last fetch; empty after a failure
};
