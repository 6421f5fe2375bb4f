#pragma once

#include "VQFirmwareFile.h"

#include <QJsonValue>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QtGlobal>

#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

// The firmware files of the device and of its USB receiver: asks the maker's API whether newer
// firmware is offered (VQOTAUpdateScene), downloads it into the Documents folder as
// "<product code>_<file name>", remembers the file's path under a key per product and deletes
// the file once it is no longer wanted.
//
// A download is written to a temporary file next to its destination and moved into place only
// when it is complete and is a valid firmware file (VQFirmwareFile); only then is its path
// stored, replacing (and deleting) an earlier file, together with the offered version. An offer of
// the version whose file is stored is not downloaded again: the stored file is used. A file that
// is refused (no web address, larger than the connected device's link can carry, not a firmware
// file) is fetched once per offered version and address while the program runs; a download that
// failed on the way is tried again at the next offer. "kUpdateOTAStatusNotification" is posted
// when a download ends, whether it succeeded or failed. The server's file name is reduced to a
// safe base name. Downloads run on the main thread's event loop and never block it (the complete
// file is read back and checked on a worker thread); one per kind at a time (a check while one
// runs, its file check included, is skipped).
//
// Main thread only.
class VQOTAUpdateManager : public QObject {
    Q_OBJECT
public:
    // User-defaults keys of the stored paths, followed by the product code.
    static constexpr char kOTAFilePathKey[] = "kOTAFilePathKey_";
    static constexpr char kOTAFilePathDongleKey[] = "kOTAFilePathDongleKey_";
    // User-defaults keys of the stored files' versions, followed by the product code.
    static constexpr char kOTAFileVersionKey[] = "kOTAFileVersionKey_";
    static constexpr char kOTAFileVersionDongleKey[] = "kOTAFileVersionDongleKey_";
    // The file's name inside the Documents folder: product code, file name.
    static constexpr char kFileNameFormat[] = "/%1_%2";
    // The name used when the server's file name leaves nothing usable.
    static constexpr char kFallbackFileName[] = "firmware.txt";
    // Fields of the offer.
    static constexpr char kVersionField[] = "version";
    static constexpr char kFileNameField[] = "fileName";
    static constexpr char kUrlField[] = "url";

    // UI string (key of QRNLocalizedString): a download of an offered file failed.
    static constexpr char kDownloadFailedText[] = "固件下载失败，将在下次检查时重试";
    // UI string: the offered file was refused; this version is not downloaded again.
    static constexpr char kDownloadRefusedText[] = "固件文件无效，此版本不再下载";
    // A download that receives nothing for this long is abandoned.
    static constexpr int kDownloadStallTimeoutMs = 60000;

    enum class Kind { Device, Receiver };

    static VQOTAUpdateManager& sharedInstance();
    // Tests only: abandons downloads without notifications and forgets them.
    static void resetForTests();

    // Asks for device firmware (type "MOUSE", the record's firmware version) and downloads an
    // offered file. Nothing is asked while the product code is unknown.
    void checkOTAInfo();
    // The same for the receiver (type "USB", the record's receiver version).
    void checkDongleOTAInfo();

    // True when a file exists at the path stored under the device's / the receiver's key.
    bool needUpdate() const;
    bool needUpdateDongle() const;

    // Removes the file when it exists, then stores an empty path under its key.
    void deleteOTAFile();
    void deleteDongleOTAFile();

    // The paths stored under the keys of the current product ("" when none).
    QString otaFilePath() const;
    QString dongleOTAFilePath() const;

    // Called when the download of an offered file failed, at most once from one device's
    // connection to the next (a receiver plugged in, the Bluetooth LE mouse connecting), with the
    // UI string (key) that tells the user: kDownloadFailedText (the next offer downloads the file
    // again), or kDownloadRefusedText (the file was refused: its version is not downloaded again).
    void setDownloadFailedHook(std::function<void(const char* text)> hook) { m_downloadFailedHook = std::move(hook); }

    // True while a download of that kind runs.
    bool isDownloading(Kind kind) const;

    // The server's file name reduced to a safe base name: no folders, no leading dots (so no
    // ".." and no hidden file), only letters, digits, ".", "_" and "-" (anything else becomes
    // "_"), at most 120 characters. Empty when nothing usable is left.
    static QString safeFileName(const QString& name);

private:
    struct Download;

    VQOTAUpdateManager();
    ~VQOTAUpdateManager() override;

    void observeConnections();
    void check(Kind kind);
    void offerReceived(Kind kind, const QString& productCode, const QJsonValue& data);
    void startDownload(Kind kind, const QString& productCode, const QString& version, const QString& fileName,
                       const QUrl& url, const QString& offer);
    // Writes bytes of the reply's answer to the download's temporary file; a failure ends it.
    void write(Kind kind, QNetworkReply* reply, const QByteArray& bytes);
    void downloadFinished(Kind kind);
    // The complete download was read back and checked (on a worker thread): keeps it or not.
    void downloadChecked(Kind kind, VQFirmwareFile::ParseResult parsed);
    enum class Failure { Retry, Refused, Silent };
    // Ends the download of the kind: logs the failure (when failed), tells the user (unless
    // Silent), remembers a refused offer and posts the status.
    void finishDownload(Kind kind, QString failure, Failure how = Failure::Retry);
    // The limit of the image the connected device's link carries (any plan's when none is known).
    static qint64 imageLimit();
    static QString storageKey(Kind kind, const QString& productCode);
    static QString versionKey(Kind kind, const QString& productCode);
    static QString storedPath(Kind kind);
    static bool fileExists(const QString& path);
    void deleteFile(Kind kind);

    QNetworkAccessManager& network();

    QNetworkAccessManager* m_network = nullptr;
    std::unique_ptr<Download> m_downloads[2];
    quint64 m_downloadCount = 0;
    std::function<void(const char* text)> m_downloadFailedHook;
    bool m_failureTold = false; // since the device connected
    // Offers whose file was refused: kind, product code, version and address.
    QSet<QString> m_refusedOffers;
};
