#include "VQOTAUpdateManager.h"

#include "MMLog.h"
#include "NotificationCenter.h"
#include "UserDefaults.h"
#include "VQFirmwareFile.h"
#include "VQHttpRequestManager.h"
#include "VQNetworkGuard.h"
#include "VQNotificationNames.h"
#include "VQOTAProtocol.h"
#include "VQOTAUpdateScene.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTemporaryFile>
#include <QUrl>

#include <cstdio>
#include <utility>

namespace {

constexpr int kMaxFileNameLength = 120;

QString kindText(VQOTAUpdateManager::Kind kind)
{
    return kind == VQOTAUpdateManager::Kind::Device ? QStringLiteral("device") : QStringLiteral("receiver");
}

int slot(VQOTAUpdateManager::Kind kind)
{
    return kind == VQOTAUpdateManager::Kind::Device ? 0 : 1;
}

} // namespace

struct VQOTAUpdateManager::Download {
    QPointer<QNetworkReply> reply;
    std::unique_ptr<QTemporaryFile> file;
    QString destination;
    QString productCode;
    QString version;
    QString offer;            // the key of the offer in m_refusedOffers
    qint64 maxImageBytes = 0; // the largest image the device's link carries
    qint64 received = 0;
    QString failure; // set when the download was abandoned while running
    quint64 id = 0;  // tells a check's result of this download from one of an earlier download
};

VQOTAUpdateManager& VQOTAUpdateManager::sharedInstance()
{
    static VQOTAUpdateManager* manager = new VQOTAUpdateManager();
    return *manager;
}

VQOTAUpdateManager::VQOTAUpdateManager()
{
    observeConnections();
}

void VQOTAUpdateManager::observeConnections()
{
    // A device that connects (a receiver plugged in, the Bluetooth LE mouse) may hear of a failed
    // download once more.
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.removeObserver(this);
    for (const char* name : {vq::kUSBInsertNotification, vq::kBleConnectNotification})
        center.addObserver(this, QString::fromLatin1(name), [this](const VQNotification&) { m_failureTold = false; });
}

VQOTAUpdateManager::~VQOTAUpdateManager() = default;

void VQOTAUpdateManager::resetForTests()
{
    VQOTAUpdateManager& m = sharedInstance();
    m.m_failureTold = false;
    m.observeConnections();
    for (auto& download : m.m_downloads) {
        if (!download)
            continue;
        std::unique_ptr<Download> dropped = std::move(download);
        if (dropped->reply) {
            dropped->reply->disconnect(&m);
            dropped->reply->abort();
            dropped->reply->deleteLater();
        }
    }
    m.m_refusedOffers.clear();
}

QNetworkAccessManager& VQOTAUpdateManager::network()
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    return *m_network;
}

void VQOTAUpdateManager::checkOTAInfo()
{
    check(Kind::Device);
}

void VQOTAUpdateManager::checkDongleOTAInfo()
{
    check(Kind::Receiver);
}

void VQOTAUpdateManager::check(Kind kind)
{
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    const QString productCode = state.productCode();
    if (safeFileName(productCode).isEmpty()) {
        VQLogInfo(QStringLiteral("no %1 firmware asked for: the product is not known").arg(kindText(kind)));
        return;
    }
    if (isDownloading(kind)) {
        VQLogInfo(QStringLiteral("%1 firmware is being downloaded; check skipped").arg(kindText(kind)));
        return;
    }
    const VQMouseInfoItem& record = state.mouseInfoItem();
    VQOTAUpdateScene scene;
    scene.setType(QString::fromLatin1(kind == Kind::Device ? VQOTAUpdateScene::kTypeMouse : VQOTAUpdateScene::kTypeUsb));
    scene.setFirmwareVersion(kind == Kind::Device ? record.firmwareVersion() : record.receiverVersion());
    scene.setProductCode(productCode);
    QPointer<VQOTAUpdateManager> self(this);
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(
        scene, [self, kind, productCode](const VQHttpResult& result) {
            if (!self)
                return;
            if (!result.success) {
                VQLogWarn(QStringLiteral("%1 firmware check failed: %2").arg(kindText(kind), result.message));
                return;
            }
            self->offerReceived(kind, productCode, result.data);
        });
}

void VQOTAUpdateManager::offerReceived(Kind kind, const QString& productCode, const QJsonValue& data)
{
    const QJsonObject offer = data.toObject();
    const QString address = offer.value(QLatin1String(kUrlField)).toString().trimmed();
    if (address.isEmpty()) {
        VQLogInfo(QStringLiteral("no newer %1 firmware offered").arg(kindText(kind)));
        return;
    }
    if (isDownloading(kind))
        return;
    const QUrl url(address, QUrl::StrictMode);
    QString fileName = safeFileName(offer.value(QLatin1String(kFileNameField)).toString());
    if (fileName.isEmpty())
        fileName = safeFileName(url.fileName());
    if (fileName.isEmpty())
        fileName = QString::fromLatin1(kFallbackFileName);
    const QString version = offer.value(QLatin1String(kVersionField)).toVariant().toString().trimmed();
    VQLogInfo(QStringLiteral("%1 firmware %2 offered as %3").arg(kindText(kind), version, fileName));
    const QString offerKey = QStringList{kindText(kind), productCode, version, address}.join(QLatin1Char('\n'));
    if (m_refusedOffers.contains(offerKey)) {
        VQLogInfo(QStringLiteral("%1 firmware %2 was refused already; not fetched again").arg(kindText(kind), version));
        return;
    }
    // Every device-information report asks again: a version already stored is not fetched twice.
    const QString stored = UserDefaults::standard().stringForKey(storageKey(kind, productCode));
    if (!version.isEmpty() && fileExists(stored)
        && UserDefaults::standard().stringForKey(versionKey(kind, productCode)) == version) {
        VQLogInfo(QStringLiteral("%1 firmware %2 is stored at %3 already").arg(kindText(kind), version, stored));
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAStatusNotification));
        return;
    }
    startDownload(kind, productCode, version, fileName, url, offerKey);
}

void VQOTAUpdateManager::startDownload(Kind kind, const QString& productCode, const QString& version,
                                       const QString& fileName, const QUrl& url, const QString& offer)
{
    auto download = std::make_unique<Download>();
    download->id = ++m_downloadCount;
    download->productCode = productCode;
    download->version = version;
    download->offer = offer;
    download->maxImageBytes = imageLimit();
    download->destination =
        VQToolManager::getFilePath(QString::fromLatin1(kFileNameFormat).arg(safeFileName(productCode), fileName));
    m_downloads[slot(kind)] = std::move(download);
    Download& d = *m_downloads[slot(kind)];

    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        finishDownload(kind, QStringLiteral("the offered address is not a web address"), Failure::Refused);
        return;
    }
    if (d.destination.isEmpty()) {
        finishDownload(kind, QStringLiteral("no Documents folder"), Failure::Silent);
        return;
    }
    d.file = std::make_unique<QTemporaryFile>(d.destination + QStringLiteral(".part-XXXXXX"));
    if (!d.file->open()) {
        finishDownload(kind, QStringLiteral("cannot create %1: %2").arg(d.file->fileName(), d.file->errorString()));
        return;
    }

    QNetworkRequest request(url);
    request.setTransferTimeout(kDownloadStallTimeoutMs);
    VQNetworkGuard::limitRedirects(request);
    QNetworkReply* reply = network().get(request);
    d.reply = reply;
    // The file is written as it arrives, never more of it than the limit.
    VQNetworkGuard::limitAnswer(reply, VQFirmwareFile::maxFileBytes(d.maxImageBytes), [this, kind, reply](const QByteArray& bytes) {
        write(kind, reply, bytes);
    });
    connect(reply, &QNetworkReply::finished, this, [this, kind] { downloadFinished(kind); });
}

void VQOTAUpdateManager::write(Kind kind, QNetworkReply* reply, const QByteArray& bytes)
{
    Download* d = m_downloads[slot(kind)].get();
    if (!d || d->reply != reply || !d->failure.isEmpty())
        return;
    d->received += bytes.size();
    if (d->file->write(bytes) == bytes.size())
        return;
    d->failure = QStringLiteral("cannot write %1: %2").arg(d->file->fileName(), d->file->errorString());
    // abort() may end the download at once: d is not used afterwards.
    reply->abort();
}

void VQOTAUpdateManager::downloadFinished(Kind kind)
{
    Download* d = m_downloads[slot(kind)].get();
    if (!d || !d->reply)
        return;
    QNetworkReply* reply = d->reply;
    // Larger than the device's link carries: the file itself is refused.
    if (VQNetworkGuard::oversized(reply)) {
        finishDownload(kind, QStringLiteral("the file is larger than %1 bytes").arg(VQFirmwareFile::maxFileBytes(d->maxImageBytes)),
                       Failure::Refused);
        return;
    }
    if (!d->failure.isEmpty()) {
        finishDownload(kind, d->failure);
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        finishDownload(kind, reply->errorString());
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299) {
        finishDownload(kind, QStringLiteral("HTTP status %1").arg(status));
        return;
    }
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() != d->received) {
        finishDownload(kind, QStringLiteral("%1 of %2 bytes arrived").arg(d->received).arg(announced.toLongLong()));
        return;
    }
    if (!d->file->flush()) {
        finishDownload(kind, QStringLiteral("cannot write %1: %2").arg(d->file->fileName(), d->file->errorString()));
        return;
    }
    // The file is read back and checked away from the main thread; the download counts as
    // running until then.
    d->reply->disconnect(this);
    const quint64 id = d->id;
    VQFirmwareFile::loadFile(d->file->fileName(), d->maxImageBytes,
                             [this, kind, id](VQFirmwareFile::ParseResult parsed) {
                                 const Download* running = m_downloads[slot(kind)].get();
                                 if (running && running->id == id)
                                     downloadChecked(kind, std::move(parsed));
                             });
}

void VQOTAUpdateManager::downloadChecked(Kind kind, VQFirmwareFile::ParseResult parsed)
{
    Download* d = m_downloads[slot(kind)].get();
    if (!parsed.ok()) {
        finishDownload(kind, parsed.error, Failure::Refused);
        return;
    }
    d->file->close();
    // rename() replaces an existing file in one step, so the destination is never half written.
    if (std::rename(QFile::encodeName(d->file->fileName()).constData(), QFile::encodeName(d->destination).constData())
        != 0) {
        finishDownload(kind, QStringLiteral("cannot move the file to %1").arg(d->destination));
        return;
    }
    d->file->setAutoRemove(false);

    UserDefaults& defaults = UserDefaults::standard();
    const QString key = storageKey(kind, d->productCode);
    const QString previous = defaults.stringForKey(key);
    // Written with the rest of the burst.
    defaults.setValue(key, d->destination);
    defaults.setValue(versionKey(kind, d->productCode), d->version);
    if (!previous.isEmpty() && previous != d->destination && fileExists(previous))
        VQToolManager::deleteFileWithPath(previous);
    VQLogInfo(QStringLiteral("%1 firmware of %2 bytes stored at %3")
                  .arg(kindText(kind))
                  .arg(parsed.bytes.size())
                  .arg(d->destination));
    finishDownload(kind, QString());
}

void VQOTAUpdateManager::finishDownload(Kind kind, QString failure, Failure how)
{
    std::unique_ptr<Download> done = std::move(m_downloads[slot(kind)]);
    if (done && !failure.isEmpty() && how == Failure::Refused)
        m_refusedOffers.insert(done->offer);
    if (done && done->reply) {
        done->reply->disconnect(this);
        done->reply->deleteLater();
    }
    if (!failure.isEmpty()) {
        VQLogWarn(QStringLiteral("%1 firmware download failed: %2").arg(kindText(kind), failure));
        // A newer version was offered but is not here: the user hears it (not "up to date"), once
        // per connection of a device whatever the kind and however often it is offered, and the
        // next offer downloads it again unless its file was refused.
        if (how != Failure::Silent && m_downloadFailedHook && !std::exchange(m_failureTold, true))
            m_downloadFailedHook(how == Failure::Refused ? kDownloadRefusedText : kDownloadFailedText);
    }
    done.reset(); // removes the temporary file unless it was moved into place
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAStatusNotification));
}

qint64 VQOTAUpdateManager::imageLimit()
{
    const VQDeviceProtocol::ChipPlan* plan = VQDeviceProtocol::chipPlan(VQUserInfoData::sharedInstance().chipPlan());
    return plan ? VQOTAProtocol::maxImageBytes(*plan) : VQOTAProtocol::largestImageBytes();
}

bool VQOTAUpdateManager::isDownloading(Kind kind) const
{
    return m_downloads[slot(kind)] != nullptr;
}

QString VQOTAUpdateManager::storageKey(Kind kind, const QString& productCode)
{
    return QString::fromLatin1(kind == Kind::Device ? kOTAFilePathKey : kOTAFilePathDongleKey) + productCode;
}

QString VQOTAUpdateManager::versionKey(Kind kind, const QString& productCode)
{
    return QString::fromLatin1(kind == Kind::Device ? kOTAFileVersionKey : kOTAFileVersionDongleKey) + productCode;
}

QString VQOTAUpdateManager::storedPath(Kind kind)
{
    return UserDefaults::standard().stringForKey(storageKey(kind, VQUserInfoData::sharedInstance().productCode()));
}

bool VQOTAUpdateManager::fileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString VQOTAUpdateManager::otaFilePath() const
{
    return storedPath(Kind::Device);
}

QString VQOTAUpdateManager::dongleOTAFilePath() const
{
    return storedPath(Kind::Receiver);
}

bool VQOTAUpdateManager::needUpdate() const
{
    return fileExists(storedPath(Kind::Device));
}

bool VQOTAUpdateManager::needUpdateDongle() const
{
    return fileExists(storedPath(Kind::Receiver));
}

void VQOTAUpdateManager::deleteOTAFile()
{
    deleteFile(Kind::Device);
}

void VQOTAUpdateManager::deleteDongleOTAFile()
{
    deleteFile(Kind::Receiver);
}

void VQOTAUpdateManager::deleteFile(Kind kind)
{
    const QString path = storedPath(kind);
    if (!fileExists(path))
        return;
    VQToolManager::deleteFileWithPath(path);
    UserDefaults& defaults = UserDefaults::standard();
    const QString productCode = VQUserInfoData::sharedInstance().productCode();
    defaults.setValue(storageKey(kind, productCode), QString(QLatin1String("")));
    defaults.setValue(versionKey(kind, productCode), QString(QLatin1String("")));
}

QString VQOTAUpdateManager::safeFileName(const QString& name)
{
    QString base = name;
    base.replace(QLatin1Char('\\'), QLatin1Char('/'));
    base = base.section(QLatin1Char('/'), -1).trimmed();
    QString out;
    out.reserve(base.size());
    for (const QChar c : base) {
        const bool keep = c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('_') || c == QLatin1Char('-');
        out.append(keep ? c : QLatin1Char('_'));
    }
    qsizetype dots = 0;
    while (dots < out.size() && out.at(dots) == QLatin1Char('.'))
        ++dots;
    out.remove(0, dots);
    return out.left(kMaxFileNameLength);
}
