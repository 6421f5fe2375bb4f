#include "VQCommandSyncService.h"

#include "MMLog.h"
#include "NotificationCenter.h"
#include "VQCommandViewModel.h"
#include "VQNotificationNames.h"
#include "VQUserInfoData.h"

#include <QPointer>

VQCommandSyncService& VQCommandSyncService::sharedInstance()
{
    static VQCommandSyncService* service = new VQCommandSyncService;
    return *service;
}

void VQCommandSyncService::start()
{
    if (m_started)
        return;
    m_started = true;
    NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(vq::HadUSBInfoNotification),
                                                    [this](const VQNotification&) { deviceInformationArrived(); });
    // A device whose information came first is fetched for at once (with the common list).
    deviceInformationArrived();
    if (m_fetchedDevice.isEmpty())
        VQCommandViewModel::sharedInstance().requestNetCommonCmdList();
}

void VQCommandSyncService::deviceInformationArrived()
{
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    const QString sn = info.mouseInfoItem().sn();
    const QString device = info.productCode() + QLatin1Char('/') + sn;
    // A device reports its information several times per connection: one fetch serves them.
    if (sn.isEmpty() || device == m_fetchedDevice)
        return;
    m_fetchedDevice = device;
    VQLogInfo(QStringLiteral("voice commands and hot words fetched for %1").arg(device));
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    store.requestNetCommonCmdList();
    QPointer<VQCommandSyncService> self(this);
    store.requestNetCustomizeCmdList([self, device](bool ok, const VQHttpResult&) {
        if (ok) {
            NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateHotWordListNotification));
        } else if (self && self->m_fetchedDevice == device) {
            self->m_fetchedDevice.clear();
        }
    });
}
