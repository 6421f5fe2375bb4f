#include "VQCustomerKeyService.h"

#include "KeySettingSubModel.h"
#include "MMLog.h"
#include "MMLoggedAddress.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "UserDefaults.h"
#include "VQDeviceSettingsHooks.h"
#include "VQGetCustomerKeyScene.h"
#include "VQHidCommandManager.h"
#include "VQHttpRequestManager.h"
#include "VQLanguageManager.h"
#include "VQNetworkGuard.h"
#include "VQNotificationNames.h"
#include "VQOTAUpdateManager.h"
#include "VQPopupWindowTool.h"
#include "VQResetCustomerKeyScene.h"
#include "VQSaveCustomerKeyScene.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"
#include "RunOnMain.h"
#include "MMFile.h"
#include "MMImage.h"

#include <QBuffer>
#include <QImageReader>
#include <QJsonDocument>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThreadPool>
#include <QUrl>

namespace {

VQCustomerKeyService* g_instance = nullptr;

QString compactJson(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The dictionary stored as JSON text under a key; null when missing or not a dictionary.
std::optional<QJsonObject> storedRecord(const QString& key)
{
    const QString text = UserDefaults::standard().stringForKey(key);
    if (text.isEmpty())
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

// A feature's "code" read as text: a text as it is, a number as its decimal text.
QString codeText(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 16);
    return {};
}

void post(const char* name)
{
    NotificationCenter::defaultCenter().post(QString::fromLatin1(name));
}

} // namespace

VQCustomerKeyService& VQCustomerKeyService::sharedInstance()
{
    if (!g_instance)
        g_instance = new VQCustomerKeyService;
    return *g_instance;
}

void VQCustomerKeyService::resetForTests()
{
    delete g_instance;
    g_instance = nullptr;
}

VQCustomerKeyService::VQCustomerKeyService() = default;

VQCustomerKeyService::~VQCustomerKeyService()
{
    NotificationCenter::defaultCenter().removeObserver(this);
    if (m_imageReply)
        m_imageReply->abort();
}

void VQCustomerKeyService::start()
{
    if (m_started)
        return;
    m_started = true;
    m_scrollTop = true;
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QString::fromLatin1(vq::HadUSBInfoNotification),
                       [this](const auto&) { hadUSBInfoNotification(); });
    center.addObserver(this, QString::fromLatin1(vq::kUpdateMouseSettingNotification),
                       [this](const auto&) { updateCustomerKey(); });
    center.addObserver(this, QString::fromLatin1(vq::kUpdateTitleNotification),
                       [this](const auto&) { showProductImage(); });
    getCustomerKey();
}

QString VQCustomerKeyService::perDeviceKey(const QString& productCode, const QString& sn) const
{
    return QString::fromLatin1(kPerDeviceKeyFormat).arg(productCode, sn);
}

bool VQCustomerKeyService::isConnectedDevice(const QString& productCode, const QString& sn) const
{
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    return info.productCode() == productCode && info.mouseInfoItem().sn() == sn;
}

void VQCustomerKeyService::getCustomerKey()
{
    if (VQUserInfoData::sharedInstance().isDisableDevice())
        return;
    VQToolManager::writeLog(QString::fromUtf8(kFetchLogText));
    const VQGetCustomerKeyScene scene;
    const quint64 ticket = ++m_fetchTicket;
    const QString productCode = scene.productCode();
    const QString sn = scene.sn();
    m_fetching = true;
    QPointer<VQCustomerKeyService> self(this);
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(
        scene, [self, ticket, productCode, sn](const VQHttpResult& result) {
            if (!self)
                return;
            if (ticket == self->m_fetchTicket)
                self->m_fetching = false;
            // Only the latest request counts, and only for the device that is still connected.
            if (ticket != self->m_fetchTicket || !self->isConnectedDevice(productCode, sn)) {
                VQLogInfo(QStringLiteral("Model information for %1 / %2 dropped: a newer request or another device")
                              .arg(productCode, sn));
                return;
            }
            if (result.success && result.data.isObject()) {
                const QJsonObject record = result.data.toObject();
                self->handleModelInfo(record, productCode, sn);
                if (!record.isEmpty()) {
                    UserDefaults::standard().setValue(self->perDeviceKey(productCode, sn), compactJson(record));
                }
                return;
            }
            if (result.success)
                VQLogWarn(QStringLiteral("Model information of %1 is no dictionary; the caches are used").arg(productCode));
            else
                VQLogWarn(QStringLiteral("Model information of %1 failed: %2").arg(productCode, result.message));
            self->replayCache(productCode, sn);
        });
}

void VQCustomerKeyService::fetchAgainIfMissing()
{
    if (m_recordMissing && !m_fetching) {
        VQLogInfo(QStringLiteral("No model information at hand: fetched again"));
        getCustomerKey();
    }
}

void VQCustomerKeyService::replayCache(const QString& productCode, const QString& sn)
{
    const std::optional<QJsonObject> cached = storedRecord(perDeviceKey(productCode, sn));
    handleModelInfo(cached ? QJsonValue(*cached) : QJsonValue(), productCode, sn);
}

void VQCustomerKeyService::updateCustomerKey()
{
    m_scrollTop = false;
    getCustomerKey();
}

void VQCustomerKeyService::hadUSBInfoNotification()
{
    m_scrollTop = true;
    getCustomerKey();
    VQOTAUpdateManager::sharedInstance().checkOTAInfo();
    VQOTAUpdateManager::sharedInstance().checkDongleOTAInfo();
    Q_EMIT VQDeviceSettingsHooks::shared().firmwareRequested();

    if (VQUserInfoData::sharedInstance().productCode() == QLatin1String(kEnglishDefaultProduct)
        && !UserDefaults::standard().boolForKey(QString::fromLatin1(kManualSelect114Key))) {
        VQLanguageManager& languages = VQLanguageManager::sharedInstance();
        if (languages.uiLanguageIndex() != kEnglishUiLanguageIndex) {
            languages.setUiLanguageIndex(kEnglishUiLanguageIndex);
            languages.shouldRefreshData();
            post(vq::kUpdateTitleNotification);
        }
    }
    applyLitProductLanguage();
    Q_EMIT deviceInformationHandled();
}

void VQCustomerKeyService::applyLitProductLanguage()
{
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    UserDefaults& defaults = UserDefaults::standard();
    const bool lit = info.productCode() == QLatin1String(kRgbProduct) || info.isAmbientLightSwitch();
    if (!lit || defaults.boolForKey(QString::fromLatin1(kSelectedLanguageKey)))
        return;
    defaults.setValue(QString::fromLatin1(kSelectedLanguageKey), true);
    defaults.synchronize();
    VQLanguageManager::sharedInstance().setUiLanguageIndex(kEnglishUiLanguageIndex);
    VQLanguageManager::sharedInstance().shouldRefreshData();
    post(vq::kUpdateTitleNotification);
}

void VQCustomerKeyService::handleModelInfo(const QJsonValue& data, const QString& productCode, const QString& sn)
{
    VQToolManager::writeLog(QStringLiteral("handleModelInfoWithInfoData"));
    UserDefaults& defaults = UserDefaults::standard();
    std::optional<QJsonObject> record;
    if (data.isObject()) {
        record = data.toObject();
        if (!record->isEmpty()) {
            defaults.setValue(QString::fromLatin1(kLastProductCode), productCode);
            defaults.setValue(QString::fromLatin1(kLastSN), sn);
            defaults.setValue(QString::fromLatin1(kMouseCustomerKey), compactJson(*record));
        }
    } else if (defaults.stringForKey(QString::fromLatin1(kLastProductCode)) == productCode
               && defaults.stringForKey(QString::fromLatin1(kLastSN)) == sn) {
        record = storedRecord(QString::fromLatin1(kMouseCustomerKey));
    }
    m_recordMissing = !record;
    if (!record)
        VQLogWarn(QStringLiteral("No model information at hand for %1; every feature is off").arg(productCode));
    applyRecord(record ? &*record : nullptr);
}

void VQCustomerKeyService::applyRecord(const QJsonObject* record)
{
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    const QJsonObject empty;
    const QJsonObject& r = record ? *record : empty;
    // Texts: a member of another kind counts as missing.
    const auto text = [&r, record](const char* key) -> QString {
        const QJsonValue value = r.value(QLatin1String(key));
        if (value.isString())
            return value.toString();
        return record ? QStringLiteral("") : QString();
    };
    info.setAppKey(text("appkey"));
    info.setRegion(text("region"));
    info.setSno(text("sno"));

    const QJsonValue images = r.value(QLatin1String("images"));
    m_imagesArr = images.isArray() ? images.toArray() : QJsonArray();
    showProductImage();

    const QJsonValue xfocr = r.value(QLatin1String("xfocr"));
    if (xfocr.isObject()) {
        const QJsonObject ocr = xfocr.toObject();
        const QJsonValue appId = ocr.value(QLatin1String("appId"));
        const QJsonValue appKey = ocr.value(QLatin1String("appKey"));
        if (appId.isString())
            info.setXunFeiAppId(appId.toString());
        if (appKey.isString())
            info.setXunFeiAppKey(appKey.toString());
        const QJsonValue ocrLanguages = ocr.value(QLatin1String("languages"));
        if (ocrLanguages.isArray()) {
            languages.setScreenshotsTranslateFromLanguageArray(ocrLanguages.toArray().toVariantList());
            post(vq::kUpdateOCRListNotification);
        }
    }
    const QJsonValue audioLanguages = r.value(QLatin1String("languages"));
    if (audioLanguages.isArray()) {
        languages.setAudioLanguageArr(audioLanguages.toArray().toVariantList());
        post(vq::kUpdateInputAudioListNotification);
    }
    const QJsonValue toLanguages = r.value(QLatin1String("transLanguages"));
    if (toLanguages.isArray()) {
        languages.setToLanguageArr(toLanguages.toArray().toVariantList());
        post(vq::kUpdateTranslateListNotification);
    }

    applyFunctions(r.value(QLatin1String("functions")));
    applyLitProductLanguage();
    post(vq::kUpdateLeftItemNotification);

    m_model = record ? MouseModelSettingModel::fromJson(*record) : nullptr;
    m_keyList = m_model ? m_model->keyInfos() : MouseSettingModel::List();
    m_keyListRead = true;
    m_keyListHandedOver = true;
    storeKeyList();

    Q_EMIT recordApplied();
    applyChatAddress(r.value(QLatin1String("chatChromeUrl")));
}

void VQCustomerKeyService::applyFunctions(const QJsonValue& functions)
{
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    info.setReportRateArr({});
    info.setServiceDpiArr({});
    info.setIsLaser(false);
    info.setIsVoice(false);
    info.setIsIFlytekChip(false);
    info.setIsAmbientLightSwitch(false);
    info.setIsKeyboard(false);
    info.setServiceGPTS(QStringLiteral(""));
    if (!functions.isArray())
        return;
    for (const QJsonValue& entryValue : functions.toArray()) {
        if (!entryValue.isObject())
            continue;
        const QJsonObject entry = entryValue.toObject();
        const QJsonValue nameValue = entry.value(QLatin1String("name"));
        if (!nameValue.isString())
            continue;
        const QString name = nameValue.toString();
        const QJsonValue code = entry.value(QLatin1String("code"));
        if (name == QLatin1String("Laser")) {
            info.setIsLaser(truthValue(code));
        } else if (name == QLatin1String("Voice")) {
            info.setIsVoice(truthValue(code));
        } else if (name == QLatin1String("IFlytekChip")) {
            info.setIsIFlytekChip(truthValue(code));
            if (info.isIFlytekChip())
                VQHidCommandManager::sharedInstance().sendGetXunFeiChipDeviceInfoData();
        } else if (name == QLatin1String("ReportRate")) {
            info.setReportRateArr(codeText(code).split(QLatin1Char(',')));
        } else if (name == QLatin1String("DPI")) {
            info.setServiceDpiArr(codeText(code).split(QLatin1Char(',')));
        } else if (name == QLatin1String("AmbientLightSwitch")) {
            info.setIsAmbientLightSwitch(truthValue(code));
        } else if (name == QLatin1String("GPTS")) {
            info.setServiceGPTS(code.isString() ? code.toString() : QStringLiteral(""));
        } else if (name == QLatin1String("IS_PRODUCT_TYPE")) {
            if (code.isString() && code.toString() == QLatin1String("keyboard"))
                info.setIsKeyboard(true);
        }
    }
}

void VQCustomerKeyService::applyChatAddress(const QJsonValue& value)
{
    if (!value.isString())
        return;
    const QString address = value.toString();
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    if (address.isEmpty() || address == info.chatGPTURL())
        return;
    info.setChatGPTURL(address);
    const auto& reload = VQDeviceSettingsHooks::shared().reloadAIWindow;
    if (reload)
        reload();
    else
        VQLogInfo(QStringLiteral("New AI chat address stored; no AI window to reload"));
}

bool VQCustomerKeyService::truthValue(const QJsonValue& value)
{
    if (value.isBool())
        return value.toBool();
    if (value.isDouble())
        return value.toDouble() != 0;
    if (!value.isString())
        return false;
    // As a text: "Y", "y", "T", "t" or a number other than 0 at its start.
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return false;
    const QChar first = text.at(0);
    if (first == QLatin1Char('Y') || first == QLatin1Char('y') || first == QLatin1Char('T') || first == QLatin1Char('t'))
        return true;
    qsizetype i = (first == QLatin1Char('+') || first == QLatin1Char('-')) ? 1 : 0;
    while (i < text.size() && text.at(i) == QLatin1Char('0'))
        ++i;
    return i < text.size() && text.at(i) >= QLatin1Char('1') && text.at(i) <= QLatin1Char('9');
}

MouseSettingModel::List& VQCustomerKeyService::keyList()
{
    if (!m_keyListRead) {
        m_keyListRead = true;
        const QJsonDocument document =
            QJsonDocument::fromJson(UserDefaults::standard().stringForKey(QString::fromLatin1(kMouseSettingArrKey)).toUtf8());
        if (document.isArray())
            m_keyList = MouseSettingModel::listFromJson(document.array());
    }
    return m_keyList;
}

void VQCustomerKeyService::keyListChanged()
{
    if (m_keyListHandedOver)
        VQUserInfoData::sharedInstance().setMouseSettingArr(m_keyList);
}

void VQCustomerKeyService::storeKeyList()
{
    VQUserInfoData::sharedInstance().setMouseSettingArr(m_keyList);
    const QJsonArray array = MouseSettingModel::listToJson(m_keyList);
    UserDefaults::standard().setValue(QString::fromLatin1(kMouseSettingArrKey),
                                      QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}

void VQCustomerKeyService::resetKeyFunctions()
{
    VQResetCustomerKeyScene scene;
    scene.setSn(VQUserInfoData::sharedInstance().mouseInfoItem().sn());
    scene.setUserModelId(m_model ? m_model->modelId() : QString());
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(scene, [](const VQHttpResult& result) {
        if (result.success) {
            post(vq::kUpdateMouseSettingNotification);
            return;
        }
        VQLogWarn(QStringLiteral("Reset of the key functions failed: %1").arg(result.message));
        VQPopupWindowTool::sharedInstance().showTipMessage(result.message, QString::fromLatin1(kErrorIcon));
    });
}

void VQCustomerKeyService::saveCustomerKey(const std::shared_ptr<KeySettingSubModel>& function)
{
    if (!function || function->cmd() == QLatin1String(KeySettingSubModel::kCmdDpiStep))
        return;
    VQSaveCustomerKeyScene scene;
    scene.setCmdId(function->cmdId());
    scene.setKeyId(function->keyId());
    scene.setOpId(function->opId());
    scene.setSn(VQUserInfoData::sharedInstance().mouseInfoItem().sn());
    scene.setUserModelId(m_model ? m_model->modelId() : QString());
    scene.setAttr0(function->attr0());
    scene.setAttr1(function->attr1());
    scene.setAttr2(function->attr2());
    const bool hasIds = !function->cmdId().isEmpty() || !function->keyId().isEmpty() || !function->opId().isEmpty();
    const QString cmd = function->cmd();
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(scene, [hasIds, cmd](const VQHttpResult& result) {
        if (result.success)
            return;
        VQLogWarn(QStringLiteral("Save of the key function %1 failed: %2").arg(cmd, result.message));
        if (hasIds)
            VQPopupWindowTool::sharedInstance().showTipMessage(result.message, QString::fromLatin1(kErrorIcon));
    });
}

QString VQCustomerKeyService::productImageUrl(const QJsonArray& images, const QString& languageCode)
{
    for (const QJsonValue& element : images) {
        const QJsonValue entry = element.toObject().value(languageCode);
        if (!entry.isArray())
            continue;
        const QJsonValue address = entry.toArray().at(0).toObject().value(QLatin1String("img"));
        if (address.isString() && !address.toString().isEmpty())
            return address.toString();
    }
    return {};
}

QString VQCustomerKeyService::productImageFileName(const QString& productCode, const QString& sno)
{
    QString name = productCode + QLatin1Char('_') + sno;
    for (QChar& c : name) {
        const char16_t u = c.unicode();
        const bool kept = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'.'
                          || u == u'_' || u == u'-';
        if (!kept)
            c = QLatin1Char('_');
    }
    while (name.contains(QLatin1String("..")))
        name.replace(QLatin1String(".."), QLatin1String("_"));
    return name + QLatin1String(".png");
}

void VQCustomerKeyService::showProductImage()
{
    VQToolManager::writeLog(QStringLiteral("showProductImage"));
    const quint64 ticket = ++m_imageTicket;
    m_newestImageTicket->store(ticket);
    if (m_imageReply)
        m_imageReply->abort();
    m_productImage = QImage();
    if (m_imagesArr.isEmpty()) {
        Q_EMIT productImageChanged();
        return;
    }
    const QString address = productImageUrl(m_imagesArr, VQLanguageManager::sharedInstance().readUILanguageCode());
    Q_EMIT productImageChanged();
    if (address.isEmpty())
        return;
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if ((scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty()) {
        VQLogWarn(QStringLiteral("Product image address %1 is no http(s) address; the saved image is shown")
                      .arg(mm::loggedAddress(url)));
        loadSavedProductImage();
        return;
    }
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request{url};
    request.setTransferTimeout(kImageTimeoutMs);
    VQNetworkGuard::limitRedirects(request);
    QNetworkReply* reply = m_network->get(request);
    m_imageReply = reply;
    // A larger image is not read at all: its announced size or the bytes so far end it.
    VQNetworkGuard::limitAnswer(reply, kMaxImageBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply, ticket] {
        reply->deleteLater();
        if (ticket != m_imageTicket)
            return;
        if (reply->error() != QNetworkReply::NoError) {
            VQLogWarn(QStringLiteral("Product image not loaded (%1); the saved one is shown")
                          .arg(VQNetworkGuard::oversized(reply) ? QStringLiteral("larger than %1 bytes").arg(kMaxImageBytes)
                                                                : reply->errorString()));
            loadSavedProductImage();
            return;
        }
        const QByteArray bytes = reply->readAll();
        const QString path = VQToolManager::getFilePath(
            productImageFileName(VQUserInfoData::sharedInstance().productCode(), VQUserInfoData::sharedInstance().sno()));
        // Decoded and saved on a worker: the UI never waits for either.
        QPointer<VQCustomerKeyService> self(this);
        QThreadPool::globalInstance()->start([self, ticket, newest = m_newestImageTicket, bytes, path] {
            QBuffer buffer;
            buffer.setData(bytes);
            QImageReader reader(&buffer);
            const QSize size = reader.size();
            QImage image;
            QString why;
            if (size.isValid() && qint64(size.width()) * size.height() > kMaxImagePixels)
                why = QStringLiteral("%1x%2 pixels is too large").arg(size.width()).arg(size.height());
            else if (!reader.read(&image))
                why = reader.errorString();
            if (!image.isNull() && !path.isEmpty())
                saveProductImage(image, path, ticket, *newest);
            mm::runOnMain([self, ticket, image, why] {
                if (!self || ticket != self->m_imageTicket)
                    return;
                if (image.isNull()) {
                    VQLogWarn(QStringLiteral("Product image not loaded (%1); the saved one is shown").arg(why));
                    self->loadSavedProductImage();
                    return;
                }
                self->m_productImage = image;
                VQToolManager::writeLog(QStringLiteral("showProductImage---显示产品图片"));
                Q_EMIT self->productImageChanged();
            });
        });
    });
}

void VQCustomerKeyService::saveProductImage(const QImage& image, const QString& path, quint64 ticket,
                                            const std::atomic<quint64>& newest)
{
    // Workers of successive requests may save at once, and the page may read the file meanwhile:
    // the file is replaced whole, and only by the newest request's image.
    static QMutex saving;
    if (ticket != newest.load())
        return; // a newer request came meanwhile: not even encoded
    const QByteArray png = mm::mm_PNGData(image);
    QMutexLocker lock(&saving);
    if (ticket != newest.load())
        return;
    QString why = png.isEmpty() ? QStringLiteral("cannot encode it") : QString();
    if (why.isEmpty())
        mm::writeFileAtomically(path, png, &why, 0644);
    if (!why.isEmpty())
        VQLogWarn(QStringLiteral("Product image not saved to %1: %2").arg(path, why));
}

void VQCustomerKeyService::loadSavedProductImage()
{
    const QString path = VQToolManager::getFilePath(
        productImageFileName(VQUserInfoData::sharedInstance().productCode(), VQUserInfoData::sharedInstance().sno()));
    QImage image;
    if (!path.isEmpty())
        image.load(path);
    m_productImage = image;
    VQToolManager::writeLog(QStringLiteral("showProductImage---显示产品图片"));
    Q_EMIT productImageChanged();
}
