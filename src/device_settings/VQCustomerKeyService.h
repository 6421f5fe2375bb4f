#pragma once

#include "MouseModelSettingModel.h"
#include "MouseSettingModel.h"

#include <QImage>

#include <atomic>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class KeySettingSubModel;
class QNetworkAccessManager;
class QNetworkReply;

// The connected device's model information (the customer key) from the maker's server: fetch,
// the two caches in user defaults, and its application to VQUserInfoData and VQLanguageManager;
// the device-information steps (firmware checks, the English defaults of product 114 and of lit
// products), the
// product image, the save of a chosen key function and the reset of all of them. No widgets:
// the mouse page forwards its operations here and rebuilds on recordApplied().
//
// Started once at data set-up, so the record is applied also when the mouse page is never
// shown. Main thread only.
class VQCustomerKeyService : public QObject {
    Q_OBJECT
public:
    // User-defaults keys.
    static constexpr char kMouseSettingArrKey[] = "kMouseSettingArrKey";
    static constexpr char kMouseCustomerKey[] = "kMouseCustomerKey";
    static constexpr char kLastProductCode[] = "kLastProductCode";
    static constexpr char kLastSN[] = "kLastSN";
    static constexpr char kManualSelect114Key[] = "isManualSelect_114";
    // Set once the English default of a lit product (RGB product 41 or the ambient-light
    // feature) was applied: once per installation.
    static constexpr char kSelectedLanguageKey[] = "isSelectedLanguage";
    static constexpr char kRgbProduct[] = "41";
    // The per-device cache key: product code and serial number.
    static constexpr char kPerDeviceKeyFormat[] = "%1_%2";
    // Log text of a fetch.
    static constexpr char kFetchLogText[] = "获取按键设置";
    // The product that defaults to English until the user picks a language.
    static constexpr char kEnglishDefaultProduct[] = "114";
    static constexpr int kEnglishUiLanguageIndex = 2;
    // The product image: the longest its download may take, the most bytes it may have and the
    // most pixels it may decode to. Only http and https addresses are fetched.
    static constexpr int kImageTimeoutMs = 10000;
    static constexpr qint64 kMaxImageBytes = 4 * 1024 * 1024;
    static constexpr qint64 kMaxImagePixels = 4096 * 4096;
    static constexpr char kErrorIcon[] = "error_icon";

    static VQCustomerKeyService& sharedInstance();
    // Tests only: forgets the record, the key list, the image and pending answers.
    static void resetForTests();

    // Observes device information and the reset notification, then fetches. Once.
    void start();
    bool isStarted() const { return m_started; }

    // Fetch and apply; nothing is asked for a device without an AI page (isDisableDevice).
    void getCustomerKey();
    // After a change of the key functions: keeps the scroll position, then fetches.
    void updateCustomerKey();
    // The device's information arrived: fetch, firmware checks, product 114's language, the
    // English default of lit products (also applied with each record, which may name the feature).
    void hadUSBInfoNotification();
    // Asks the server to reset the device's key functions; the record is fetched again.
    void resetKeyFunctions();
    // Saves a chosen key function (nothing for a DPI step). A refused save of a function with
    // ids is shown as a tip; one without ids (a report rate) is only logged.
    void saveCustomerKey(const std::shared_ptr<KeySettingSubModel>& function);

    // True while no record is at hand because the last fetch failed (offline, or the server
    // failed) and no cache of the device was stored: the key functions could not be loaded.
    bool isRecordMissing() const { return m_recordMissing; }
    // Fetches again when no record is at hand and no fetch runs (a visit of the mouse page).
    void fetchAgainIfMissing();

    // Applies a record (anything but a dictionary counts as absent, see the caches) for the
    // device the request asked about.
    void handleModelInfo(const QJsonValue& data, const QString& productCode, const QString& sn);

    // The record last applied; null until one was applied or when none was at hand.
    std::shared_ptr<MouseModelSettingModel> model() const { return m_model; }
    // The key list shared with VQUserInfoData once a record was applied. Read from
    // "kMouseSettingArrKey" the first time, so the last known keys show before any reply.
    MouseSettingModel::List& keyList();
    // The page changed the list (its auxiliary item): hand it on to the key-press dispatcher.
    void keyListChanged();

    // Set at start-up and on device information, cleared by updateCustomerKey(): the next
    // rebuild of the page scrolls to the top.
    bool isScrollTop() const { return m_scrollTop; }
    void setScrollTop(bool top) { m_scrollTop = top; }

    // The record's "images" and the product image of the current UI language. hasProductImages()
    // false: no image at all; productImage() null while none is loaded (the placeholder shows).
    QJsonArray imagesArr() const { return m_imagesArr; }
    bool hasProductImages() const { return !m_imagesArr.isEmpty(); }
    QImage productImage() const { return m_productImage; }
    // Loads the product image of the current UI language (also on a change of language).
    void showProductImage();
    // The image address for a UI language code; empty when the record has none.
    static QString productImageUrl(const QJsonArray& images, const QString& languageCode);
    // The saved image's file name "<product code>_<sno>.png": every character outside
    // A-Z a-z 0-9 . _ - replaced and no "..", so it stays in the files folder.
    static QString productImageFileName(const QString& productCode, const QString& sno);

    // A JSON value read as a truth value, as the server's "code" of a feature.
    static bool truthValue(const QJsonValue& value);

Q_SIGNALS:
    // A record (or the absence of one) was applied; the page rebuilds.
    void recordApplied();
    // The product image changed (also to none).
    void productImageChanged();
    // The device's information arrived and was handled (the page shows or hides its RGB row).
    void deviceInformationHandled();

private:
    VQCustomerKeyService();
    ~VQCustomerKeyService() override;

    QString perDeviceKey(const QString& productCode, const QString& sn) const;
    bool isConnectedDevice(const QString& productCode, const QString& sn) const;
    void replayCache(const QString& productCode, const QString& sn);
    void applyRecord(const QJsonObject* record);
    void applyFunctions(const QJsonValue& functions);
    void applyChatAddress(const QJsonValue& value);
    void storeKeyList();
    void applyLitProductLanguage();
    void loadSavedProductImage();
    // On a worker: writes the image to the file when its request is still the newest.
    static void saveProductImage(const QImage& image, const QString& path, quint64 ticket, const std::atomic<quint64>& newest);

    bool m_started = false;
    bool m_scrollTop = true;
    quint64 m_fetchTicket = 0;
    bool m_fetching = false;
    bool m_recordMissing = false;
    std::shared_ptr<MouseModelSettingModel> m_model;
    MouseSettingModel::List m_keyList;
    bool m_keyListRead = false;
    bool m_keyListHandedOver = false;
    QJsonArray m_imagesArr;
    QImage m_productImage;
    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_imageReply;
    quint64 m_imageTicket = 0;
    // The newest request's ticket, for the workers that save the image: only its image is saved.
    std::shared_ptr<std::atomic<quint64>> m_newestImageTicket = std::make_shared<std::atomic<quint64>>(0);
};
