// The model information of the connected device against the stand-in API server and the
// simulated receiver: what a record sets, the two caches when the server cannot be reached, the
// replies that must not spoil state or caches, members of the wrong kind, the chip read, the AI
// chat address, product 114's language, and where the product image is written.

#include "DeviceTestFixture.h"
#include "KeySettingModel.h"
#include "MouseSettingModel.h"
#include "StandInHttpServer.h"
#include "VQApiConfig.h"
#include "VQCustomerKeyService.h"
#include "VQDeviceSettingsHooks.h"
#include "VQHttpRequestManager.h"
#include "VQLanguageManager.h"
#include "VQOTAUpdateManager.h"
#include "VQToolManager.h"
#include "MMImage.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QThreadPool>
#include <QUrlQuery>

namespace {

using vqtest::StandInHttpServer;
using vqtest::StandInParams;
using vqtest::StandInReply;
using vqtest::StandInRequest;

QJsonObject object(const char* json)
{
    return QJsonDocument::fromJson(QByteArray(json)).object();
}

QJsonValue value(const char* json)
{
    return QJsonDocument::fromJson(QByteArray("[") + json + "]").array().at(0);
}

VQCustomerKeyService& service()
{
    return VQCustomerKeyService::sharedInstance();
}

// What a record leaves behind, for comparing a fetched state with a replayed one.
struct Snapshot {
    QString region, sno, xunFeiAppKey;
    bool isLaser = false, isVoice = false;
    QStringList rates, dpis;
    QString modelId;
    QStringList keys;

    static Snapshot take()
    {
        VQUserInfoData& info = VQUserInfoData::sharedInstance();
        Snapshot s{info.region(), info.sno(), info.xunFeiAppKey(), info.isLaser(), info.isVoice(),
                   info.reportRateArr(), info.serviceDpiArr(), {}, {}};
        if (service().model())
            s.modelId = service().model()->modelId();
        for (const auto& key : info.mouseSettingArr())
            s.keys << key->key();
        return s;
    }
    bool operator==(const Snapshot&) const = default;
};

constexpr char kRecord[] = R"({
    "id": "M7", "appkey": "ak", "region": "out", "sno": "S-1",
    "xfocr": {"appId": "xi", "appKey": "xk", "languages": [{"code": "en", "name": "English"}]},
    "languages": [{"code": "EN_US", "name": "English"}],
    "transLanguages": [{"code": "fr", "name": "French"}],
    "functions": [{"name": "Laser", "code": true}, {"name": "ReportRate", "code": "125,500,1000"},
                  {"name": "DPI", "code": "800,1600"}],
    "keyInfos": [{"id": "k1", "key": "center_key", "name": "Middle",
                  "childs": [{"id": "p1", "operation": "sk", "name": "Press",
                              "childs": [{"id": "f1", "cmd": "Action_VI", "first": "1", "name": "Typing"}]}]}]
})";

class CustomerKeyServiceTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        VQCustomerKeyService::resetForTests();
        VQLanguageManager::resetForTests();
        VQOTAUpdateManager::resetForTests();
        ASSERT_TRUE(server.listen());
        server.installAsMakerServices();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        record().setSn(QStringLiteral("SN-A"));
        QObject::connect(&service(), &VQCustomerKeyService::recordApplied, &owner, [this] { ++applied; });
        for (const char* name : {vq::kUpdateInputAudioListNotification, vq::kUpdateTranslateListNotification,
                                 vq::kUpdateOCRListNotification, vq::kUpdateLeftItemNotification})
            NotificationCenter::defaultCenter().addObserver(&owner, QString::fromLatin1(name),
                                                            [this](const VQNotification& n) { posted << n.name; });
    }

    void TearDown() override
    {
        VQCustomerKeyService::resetForTests();
        VQDeviceSettingsHooks::shared().reloadAIWindow = nullptr;
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQApiConfig::resetForTests();
        DeviceTest::TearDown();
    }

    void serve(const QJsonValue& data) { server.setReply(QStringLiteral("/api/getCustomerKey"), StandInReply::api(data)); }

    // Fetches and waits until the answer was applied.
    void fetch()
    {
        const int before = applied;
        service().getCustomerKey();
        ASSERT_TRUE(vqtest::waitUntil([&] { return applied > before; }, 15000));
    }

    QString perDeviceKey() const { return VQUserInfoData::sharedInstance().productCode() + QStringLiteral("_SN-A"); }
    static QString stored(const QString& key) { return UserDefaults::standard().stringForKey(key); }

    StandInHttpServer server;
    QObject owner;
    int applied = 0;
    QStringList posted;
};

TEST_F(CustomerKeyServiceTest, FunctionsSetTheFeatures)
{
    struct Case {
        const char* functions; // the member's JSON; nullptr: no member
        bool laser, voice, keyboard, ambient;
        QStringList rates, dpis;
        QString gpts;
    };
    const Case cases[] = {
        {nullptr, false, false, false, false, {}, {}, ""},
        {R"([{"name": "ReportRate", "code": "125,500,1000"}])", false, false, false, false,
         {"125", "500", "1000"}, {}, ""},
        {R"([{"name": "ReportRate", "code": ""}])", false, false, false, false, {}, {}, ""},
        {R"([{"name": "IS_PRODUCT_TYPE", "code": "Keyboard"}])", false, false, false, false, {}, {}, ""},
        {R"([{"name": "IS_PRODUCT_TYPE", "code": "keyboard"}])", false, false, true, false, {}, {}, ""},
        {R"([{"name": "Laser", "code": true}, {"name": "Voice", "code": "1"}, {"name": "AmbientLightSwitch", "code": 1},
             {"name": "DPI", "code": "800, 1600"}, {"name": "GPTS", "code": "g1"}])",
         true, true, false, true, {}, {"800", "1600"}, "g1"},
        // Entries and codes of the wrong kind are skipped alone.
        {R"(["Laser", {"name": 5, "code": true}, {"name": "Laser", "code": {}}, {"name": "GPTS", "code": [1]},
             {"name": "Voice", "code": "yes"}])",
         false, true, false, false, {}, {}, ""},
        {R"({"name": "Laser", "code": true})", false, false, false, false, {}, {}, ""},
    };
    for (const Case& c : cases) {
        // Every feature on first, so that the record must turn off what it does not name.
        VQUserInfoData& info = VQUserInfoData::sharedInstance();
        info.setIsLaser(true);
        info.setIsVoice(true);
        info.setIsKeyboard(true);
        info.setIsAmbientLightSwitch(true);
        info.setReportRateArr({QStringLiteral("1")});
        QJsonObject r{{"id", "M1"}};
        if (c.functions)
            r.insert(QStringLiteral("functions"), value(c.functions));
        service().handleModelInfo(r, info.productCode(), record().sn());
        const std::string label = c.functions ? c.functions : "none";
        EXPECT_EQ(info.isLaser(), c.laser) << label;
        EXPECT_EQ(info.isVoice(), c.voice) << label;
        EXPECT_EQ(info.isKeyboard(), c.keyboard) << label;
        EXPECT_EQ(info.isAmbientLightSwitch(), c.ambient) << label;
        EXPECT_EQ(info.reportRateArr(), c.rates) << label;
        EXPECT_EQ(info.serviceDpiArr(), c.dpis) << label;
        EXPECT_EQ(info.serviceGPTS(), c.gpts) << label;
    }
}

TEST_F(CustomerKeyServiceTest, FetchedRecordIsReplayedFromTheCachesOffline)
{
    serve(object(kRecord));
    const int writes = UserDefaults::standard().writeCount();
    fetch();
    vqtest::spin(100);
    // Everything the record changed reaches the settings file in one write.
    EXPECT_EQ(UserDefaults::standard().writeCount(), writes + 1);
    const Snapshot online = Snapshot::take();
    EXPECT_EQ(online.region, QStringLiteral("out"));
    EXPECT_EQ(online.rates, (QStringList{"125", "500", "1000"}));
    EXPECT_EQ(online.keys, QStringList{QStringLiteral("center_key")});
    EXPECT_EQ(online.modelId, QStringLiteral("M7"));
    EXPECT_EQ(posted, (QStringList{vq::kUpdateOCRListNotification, vq::kUpdateInputAudioListNotification,
                                   vq::kUpdateTranslateListNotification, vq::kUpdateLeftItemNotification}));
    EXPECT_TRUE(stored(VQCustomerKeyService::kMouseSettingArrKey).contains(QStringLiteral("center_key")));
    EXPECT_EQ(stored(VQCustomerKeyService::kLastSN), QStringLiteral("SN-A"));
    EXPECT_FALSE(stored(perDeviceKey()).isEmpty());

    server.close();
    // From each cache in turn, then from neither.
    struct Step {
        const char* what;
        std::function<void()> prepare;
        bool replayed;
    };
    const Step steps[] = {
        {"per-device cache", [] {}, true},
        {"last record", [this] { UserDefaults::standard().removeObjectForKey(perDeviceKey()); }, true},
        {"nothing", [] { UserDefaults::standard().setValue(QString::fromLatin1(VQCustomerKeyService::kLastSN), QStringLiteral("SN-B")); }, false},
    };
    for (const Step& step : steps) {
        step.prepare();
        service().handleModelInfo(QJsonObject{}, QStringLiteral("0"), QStringLiteral("x"));
        ASSERT_NE(Snapshot::take(), online) << step.what;
        fetch();
        if (step.replayed) {
            EXPECT_EQ(Snapshot::take(), online) << step.what;
            continue;
        }
        const Snapshot none = Snapshot::take();
        EXPECT_TRUE(none.sno.isNull()) << step.what;
        EXPECT_TRUE(none.rates.isEmpty() && !none.isLaser && none.keys.isEmpty()) << step.what;
        EXPECT_EQ(service().model(), nullptr) << step.what;
        EXPECT_EQ(stored(VQCustomerKeyService::kMouseSettingArrKey), QStringLiteral("[]")) << step.what;
    }
}

TEST_F(CustomerKeyServiceTest, RepliesWithoutARecordSpoilNoCache)
{
    serve(object(kRecord));
    fetch();
    const Snapshot good = Snapshot::take();
    const QString lastRecord = stored(VQCustomerKeyService::kMouseCustomerKey);
    const QString deviceRecord = stored(perDeviceKey());
    struct Case {
        const char* data;
        bool replayed; // false: applied as a record without members
    };
    const Case cases[] = {{"[1, 2]", true}, {R"("text")", true}, {"null", true}, {"{}", false}};
    for (const Case& c : cases) {
        serve(value(c.data));
        fetch();
        if (c.replayed) {
            EXPECT_EQ(Snapshot::take(), good) << c.data;
        } else {
            EXPECT_FALSE(VQUserInfoData::sharedInstance().isLaser()) << c.data;
            EXPECT_TRUE(VQUserInfoData::sharedInstance().mouseSettingArr().isEmpty()) << c.data;
        }
        EXPECT_EQ(stored(VQCustomerKeyService::kMouseCustomerKey), lastRecord) << c.data;
        EXPECT_EQ(stored(perDeviceKey()), deviceRecord) << c.data;
    }
}

TEST_F(CustomerKeyServiceTest, OnlyTheLatestReplyForTheConnectedDeviceApplies)
{
    server.setResponder(QStringLiteral("/api/getCustomerKey"), [](const StandInRequest& request) {
        QString sn;
        for (const auto& [name, v] : request.query)
            if (name == QLatin1String("sn"))
                sn = v;
        StandInReply reply = StandInReply::api(QJsonObject{{"id", sn}, {"sno", sn}});
        if (sn == QLatin1String("SN-A"))
            reply.delayMs = 500;
        return reply;
    });
    service().getCustomerKey();
    record().setSn(QStringLiteral("SN-B"));
    fetch();
    EXPECT_EQ(VQUserInfoData::sharedInstance().sno(), QStringLiteral("SN-B"));
    // The first device's answer arrives later and is dropped.
    ASSERT_TRUE(vqtest::waitUntil([this] { return server.requestCount() == 2; }));
    ASSERT_TRUE(vqtest::waitUntil([] { return VQHttpRequestManager::sharedInstance().openReplyCount() == 0; }));
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(VQUserInfoData::sharedInstance().sno(), QStringLiteral("SN-B"));
    EXPECT_FALSE(stored(QStringLiteral("%1_SN-B").arg(VQUserInfoData::sharedInstance().productCode())).isEmpty());
    EXPECT_TRUE(stored(perDeviceKey()).isEmpty());
}

TEST_F(CustomerKeyServiceTest, MembersOfTheWrongKindAreSkippedAlone)
{
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    service().handleModelInfo(object(R"({"appkey": 5, "region": "r", "sno": ["s"], "images": "pic",
        "xfocr": {"appId": 7, "appKey": "k", "languages": "en"}, "languages": {"code": "EN"},
        "transLanguages": [{"code": "de", "name": "German"}], "chatChromeUrl": 9, "keyInfos": "none"})"),
                              info.productCode(), record().sn());
    EXPECT_EQ(info.region(), QStringLiteral("r"));
    EXPECT_EQ(info.sno(), QStringLiteral(""));
    EXPECT_TRUE(info.xunFeiAppId().isNull());
    EXPECT_EQ(info.xunFeiAppKey(), QStringLiteral("k"));
    EXPECT_FALSE(service().hasProductImages());
    EXPECT_TRUE(info.chatGPTURL().isNull());
    EXPECT_EQ(posted, (QStringList{vq::kUpdateTranslateListNotification, vq::kUpdateLeftItemNotification}));
    ASSERT_NE(service().model(), nullptr);
    EXPECT_TRUE(service().model()->keyInfos().isEmpty());
}

TEST_F(CustomerKeyServiceTest, ChipReadChatAddressAndEnglishDefault)
{
    plugAndSettle();
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    int reloads = 0;
    VQDeviceSettingsHooks::shared().reloadAIWindow = [&reloads] { ++reloads; };
    const QString chipRead = QStringLiteral("0da54d040e4c");
    struct Case {
        const char* record;
        bool chipRead;
        int reloads;
    };
    const Case cases[] = {
        {R"({"functions": [{"name": "IFlytekChip", "code": false}], "chatChromeUrl": "http://a"})", false, 1},
        {R"({"functions": [{"name": "IFlytekChip", "code": true}], "chatChromeUrl": "http://a"})", true, 1},
        {R"({"chatChromeUrl": ""})", false, 1},
        {R"({"chatChromeUrl": "http://b"})", false, 2},
    };
    for (const Case& c : cases) {
        receiver.clearRecords();
        service().handleModelInfo(object(c.record), info.productCode(), record().sn());
        if (c.chipRead) {
            EXPECT_TRUE(vqtest::waitUntil([&] { return writtenHex().contains(chipRead); })) << c.record;
        } else {
            vqtest::spin(HIDDevice::kSendIntervalMs * 3);
            EXPECT_FALSE(writtenHex().contains(chipRead)) << c.record;
        }
        EXPECT_EQ(reloads, c.reloads) << c.record;
    }

    // Product 114 is shown in English until the user has chosen a language.
    info.setProductCode(QString::fromLatin1(VQCustomerKeyService::kEnglishDefaultProduct));
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    for (const bool chosen : {true, false}) {
        languages.setUiLanguageIndex(0);
        UserDefaults::standard().setValue(QString::fromLatin1(VQCustomerKeyService::kManualSelect114Key), chosen);
        service().hadUSBInfoNotification();
        EXPECT_EQ(languages.uiLanguageIndex(), chosen ? 0 : VQCustomerKeyService::kEnglishUiLanguageIndex);
    }
    // A lit product switches to English at its device information, with no page made, once.
    info.setProductCode(QString::fromLatin1(VQCustomerKeyService::kRgbProduct));
    UserDefaults::standard().removeObjectForKey(QString::fromLatin1(VQCustomerKeyService::kSelectedLanguageKey));
    for (const int expected : {VQCustomerKeyService::kEnglishUiLanguageIndex, 0}) {
        languages.setUiLanguageIndex(0);
        service().hadUSBInfoNotification();
        EXPECT_EQ(languages.uiLanguageIndex(), expected);
    }
}

TEST_F(CustomerKeyServiceTest, ProductImageStaysInTheFilesFolder)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    server.addRoute({"GET", QStringLiteral("/img/p.png"), StandInParams::None, {}, QStringLiteral("code"),
                     StandInReply::text(png, "image/png")});
    const QString code = VQLanguageManager::sharedInstance().readUILanguageCode();
    QJsonObject address;
    address.insert(QStringLiteral("img"), server.url(QStringLiteral("/img/p.png")));
    QJsonObject images;
    images.insert(code, QJsonArray{address});
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    info.setProductCode(QStringLiteral("7/../"));
    service().handleModelInfo(QJsonObject{{"sno", "../../x"}, {"images", QJsonArray{images}}}, info.productCode(),
                              record().sn());
    ASSERT_TRUE(vqtest::waitUntil([] { return !service().productImage().isNull(); }, 15000));
    const QString folder = QFileInfo(VQToolManager::getFilePath(QStringLiteral("probe"))).absolutePath();
    const QString name = VQCustomerKeyService::productImageFileName(info.productCode(), info.sno());
    EXPECT_FALSE(name.contains(QLatin1String("..")) || name.contains(QLatin1Char('/')));
    const QFileInfo written(VQToolManager::getFilePath(name));
    EXPECT_TRUE(written.exists());
    EXPECT_EQ(written.absolutePath(), folder);
    EXPECT_FALSE(QFileInfo::exists(QDir(folder).absoluteFilePath(QStringLiteral("../../x.png"))));
}

// The product image is fetched only over http(s), only up to its byte and pixel limits; any
// other address or image leaves the saved one (none here) in place.
TEST_F(CustomerKeyServiceTest, ProductImageOnlyOverHttpAndWithinItsLimits)
{
    const auto serve = [this](const char* name, const QImage& picture, qsizetype padTo) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        png += QByteArray(qMax<qsizetype>(0, padTo - png.size()), '\0'); // a decoder ignores the tail
        server.addRoute({"GET", QStringLiteral("/img/") + name, StandInParams::None, {}, "code", StandInReply::text(png, "image/png")});
        return server.url(QStringLiteral("/img/") + name);
    };
    QImage small(8, 8, QImage::Format_RGB32), huge(5000, 5000, QImage::Format_Mono);
    small.fill(Qt::blue);
    huge.fill(0);
    ASSERT_TRUE(small.save(VQToolManager::getFilePath("local.png"), "PNG"));
    const std::pair<QString, bool> rows[] = {{QUrl::fromLocalFile(VQToolManager::getFilePath("local.png")).toString(), false},
                                             {serve("big", small, VQCustomerKeyService::kMaxImageBytes + 1), false},
                                             {serve("huge", huge, 0), false}, {serve("fine", small, 0), true}};
    int changes = 0;
    QObject::connect(&service(), &VQCustomerKeyService::productImageChanged, &owner, [&] { ++changes; });
    for (const auto& [address, shown] : rows) {
        changes = 0;
        const QJsonObject images{{VQLanguageManager::sharedInstance().readUILanguageCode(), QJsonArray{QJsonObject{{"img", address}}}}};
        service().handleModelInfo(QJsonObject{{"sno", address.section(u'/', -1)}, {"images", QJsonArray{images}}},
                                  VQUserInfoData::sharedInstance().productCode(), record().sn());
        EXPECT_TRUE(vqtest::waitUntil([&] { return changes >= 2; }, 15000)) << address.toStdString();
        EXPECT_EQ(!service().productImage().isNull(), shown) << address.toStdString();
    }
}

// A request's large image is still being decoded when the next request's small one arrives:
// the file ends with the newest request's image, whichever worker finishes last.
TEST_F(CustomerKeyServiceTest, ProductImageFileKeepsTheNewestRequestsImage)
{
    const auto request = [this](const QString& name, int side) {
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(Qt::red);
        server.addRoute({"GET", "/img/" + name, StandInParams::None, {}, "code", StandInReply::text(mm::mm_PNGData(picture), "image/png")});
        const QJsonObject images{{VQLanguageManager::sharedInstance().readUILanguageCode(), QJsonArray{QJsonObject{{"img", server.url("/img/" + name)}}}}};
        service().handleModelInfo(QJsonObject{{"sno", "S-7"}, {"images", QJsonArray{images}}}, VQUserInfoData::sharedInstance().productCode(), "");
    };
    request(QStringLiteral("large.png"), 4000);
    ASSERT_TRUE(vqtest::waitUntil([] { return QThreadPool::globalInstance()->activeThreadCount() > 0; }, 15000));
    request(QStringLiteral("small.png"), 8);
    ASSERT_TRUE(vqtest::waitUntil([] { return service().productImage().size() == QSize(8, 8); }, 15000));
    QThreadPool::globalInstance()->waitForDone();
    const QString name = VQCustomerKeyService::productImageFileName(VQUserInfoData::sharedInstance().productCode(), "S-7");
    EXPECT_EQ(QImage(VQToolManager::getFilePath(name)).size(), QSize(8, 8));
}

// Random records, mutated from a full one, through the apply: every value that arrives has
// its kind (texts stay texts, lists lists), whatever the server sent.
TEST_F(CustomerKeyServiceTest, MutatedRecordsApplyWithTheirKinds)
{
    const QJsonObject base = object(kRecord);
    const QJsonValue junk[] = {QJsonValue(), QJsonValue(true), QJsonValue(3.5), QJsonValue(QStringLiteral("t")),
                               QJsonArray{1, "a"}, QJsonObject{{"x", 1}}, QJsonArray{QJsonObject{}}};
    QRandomGenerator random(20);
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    const QStringList members = base.keys() << QStringLiteral("images") << QStringLiteral("chatChromeUrl");
    // VQ_RECORD_MUTATIONS=1000000 for the long run.
    const int rounds = qEnvironmentVariableIsSet("VQ_RECORD_MUTATIONS") ? qEnvironmentVariableIntValue("VQ_RECORD_MUTATIONS") : 1000;
    for (int round = 0; round < rounds; ++round) {
        QJsonObject r = base;
        for (int m = 0; m < 3; ++m)
            r.insert(members[random.bounded(int(members.size()))], junk[random.bounded(int(std::size(junk)))]);
        service().handleModelInfo(r, info.productCode(), record().sn());
        for (const QString& rate : info.reportRateArr())
            ASSERT_FALSE(rate.trimmed().isEmpty());
        ASSERT_FALSE(info.region().isNull());
        for (const QVariant& entry : VQLanguageManager::sharedInstance().audioLanguageArr())
            ASSERT_TRUE(entry.isValid());
        if (service().model()) {
            for (const auto& key : service().model()->keyInfos())
                ASSERT_NE(key, nullptr);
        }
    }
}

} // namespace
