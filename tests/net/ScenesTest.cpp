// Every request description against the stand-in: the exact method, path, query and body that
// leave the program, and what the callback receives.
#include "NetTestFixture.h"

#include "MMString.h"
#include "VQAddCommandScene.h"
#include "VQCheckNetWorkScene.h"
#include "VQCommonCmdListScene.h"
#include "VQCustomInstructionScene.h"
#include "VQDeleteCommandScene.h"
#include "VQGetAppKeyScene.h"
#include "VQGetCustomerKeyScene.h"
#include "VQGetVerifyCodeScene.h"
#include "VQLoginScene.h"
#include "VQModifyPasswordScene.h"
#include "VQOTAUpdateScene.h"
#include "VQRegisterScene.h"
#include "VQResetCustomerKeyScene.h"
#include "VQSaveCustomerKeyScene.h"
#include "VQTranslateScene.h"
#include "VQUploadBurnerInfoScene.h"
#include "VQUserInfoScene.h"

#include <QJsonArray>
#include <QJsonObject>

using vqtest::StandInReply;
using vqtest::StandInRequest;
using Pairs = QList<std::pair<QString, QString>>;

namespace {

class ScenesTest : public vqtest::NetTest {
protected:
    // The common device parameters as the device record and the system give them.
    static Pairs expectedCommon(const QString& sn = QString::fromLatin1(kSn))
    {
        const QString mac = mm::vq_getMacAddress();
        return {{QStringLiteral("vid"), QString::number(kVid)},
                {QStringLiteral("pid"), QString::number(kPid)},
                {QStringLiteral("sn"), sn},
                {QStringLiteral("channelName"), QStringLiteral("VQ")},
                {QStringLiteral("macAddr"), mac.isNull() ? QString() : mac},
                {QStringLiteral("clientversion"), QStringLiteral(VQ_APP_VERSION)}};
    }

    // Sends the scene; the request must have reached its route.
    std::pair<VQHttpResult, StandInRequest> exchange(const VQNetBaseScene& scene)
    {
        const VQHttpResult result = send(scene);
        EXPECT_EQ(server.requestCount(), 1);
        const StandInRequest request = server.lastRequest();
        EXPECT_TRUE(request.accepted()) << request.rejection.toStdString();
        return {result, request};
    }
};

// ---- The maker's API: commands ----

TEST_F(ScenesTest, CommonCommandListPostsTheDeviceParametersAndHandsOverTheWholeReply)
{
    const QJsonArray list{QJsonObject{{QStringLiteral("customCmd"), QStringLiteral("打开浏览器")}}};
    server.setReply(api("/commonCmd"), StandInReply::api(list));

    const auto [result, request] = exchange(VQCommonCmdListScene());

    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, api("/commonCmd"));
    EXPECT_TRUE(request.rawQuery.isEmpty());
    EXPECT_TRUE(request.header("Content-Type").startsWith("application/x-www-form-urlencoded"));
    EXPECT_EQ(request.form, expectedCommon());

    ASSERT_TRUE(result.success);
    const QJsonObject whole = result.data.toObject();
    EXPECT_EQ(whole.value(QStringLiteral("code")).toInt(), 200);
    EXPECT_EQ(whole.value(QStringLiteral("data")).toArray(), list);
}

TEST_F(ScenesTest, CustomInstructionsAskWithTheSerialNumberOnly)
{
    server.setReply(api("/deviceCmd"), StandInReply::api(QJsonArray{}));
    {
        const auto [result, request] = exchange(VQCustomInstructionScene());
        EXPECT_EQ(request.method, "GET");
        EXPECT_EQ(request.path, api("/deviceCmd"));
        EXPECT_EQ(request.rawQuery, "sn=SN-0042");
        EXPECT_TRUE(result.success);
        EXPECT_TRUE(result.data.toObject().contains(QStringLiteral("code")));
    }
    server.clearRequests();
    VQUserInfoData::sharedInstance().mouseInfoItem().setSn(QString());
    const auto [result, request] = exchange(VQCustomInstructionScene());
    EXPECT_EQ(request.rawQuery, "sn=");
}

TEST_F(ScenesTest, AddAndDeleteCommandSendTheCallersParametersAfterTheDeviceParameters)
{
    const QJsonArray serverList{QJsonObject{{QStringLiteral("customCmd"), QStringLiteral("cmd & co")}}};
    server.setReply(api("/saveDeviceCmd"), StandInReply::api(serverList));
    VQAddCommandScene add;
    add.setMyParameters({{QStringLiteral("customName"), QStringLiteral("我的 命令")},
                         {QStringLiteral("customCmd"), QStringLiteral("https://x.example/?q=1&r=2#top")},
                         {QStringLiteral("cmdType"), 3}});
    {
        const auto [result, request] = exchange(add);
        EXPECT_EQ(request.method, "GET");
        EXPECT_EQ(request.path, api("/saveDeviceCmd"));
        EXPECT_EQ(request.query.mid(0, 6), expectedCommon());
        EXPECT_EQ(request.queryValue(QStringLiteral("customName")), QStringLiteral("我的 命令"));
        EXPECT_EQ(request.queryValue(QStringLiteral("customCmd")), QStringLiteral("https://x.example/?q=1&r=2#top"));
        EXPECT_EQ(request.queryValue(QStringLiteral("cmdType")), QStringLiteral("3"));
        EXPECT_EQ(request.query.size(), 9);
        ASSERT_TRUE(result.success);
        EXPECT_EQ(result.data.toArray(), serverList) << "the data member, not the whole reply";
    }

    server.clearRequests();
    server.setReply(api("/deleteDeviceCmd"), StandInReply::api(QJsonValue(QJsonValue::Null)));
    VQDeleteCommandScene remove;
    remove.setMyParameters({{QStringLiteral("customCmd"), QStringLiteral("cmd & co")}});
    const auto [result, request] = exchange(remove);
    EXPECT_EQ(request.path, api("/deleteDeviceCmd"));
    EXPECT_EQ(request.query, (expectedCommon() + Pairs{{QStringLiteral("customCmd"), QStringLiteral("cmd & co")}}));
    EXPECT_TRUE(result.success);
    EXPECT_TRUE(result.data.isNull());
}

TEST_F(ScenesTest, CallersParametersReplaceADeviceParameterInItsPlace)
{
    VQDeleteCommandScene remove;
    remove.setMyParameters({{QStringLiteral("sn"), QStringLiteral("OTHER")}, {QStringLiteral("customCmd"), QString()}});
    const auto [result, request] = exchange(remove);
    Pairs expected = expectedCommon(QStringLiteral("OTHER"));
    expected.append({QStringLiteral("customCmd"), QString()});
    EXPECT_EQ(request.query, expected);
    EXPECT_TRUE(result.success);
}

// ---- The maker's API: translation, model information, keys, firmware ----

TEST_F(ScenesTest, TranslationSendsTheTextWholeAndReturnsTheData)
{
    VQUserInfoData::sharedInstance().setAppKey(QStringLiteral("ak-123"));
    server.setReply(api("/translate"),
                    StandInReply::api(QJsonObject{{QStringLiteral("text"), QStringLiteral("A & B=C+D #中文")},
                                                  {QStringLiteral("transText"), QStringLiteral("A and B")}}));
    VQTranslateScene scene;
    scene.setFromLanguage(QStringLiteral("ZH_CN"));
    scene.setToLanguage(QStringLiteral("EN_US"));
    scene.setText(QStringLiteral("A & B=C+D #中文"));

    const auto [result, request] = exchange(scene);

    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.path, api("/translate"));
    EXPECT_EQ(request.rawQuery,
              "appkey=ak-123&from=ZH_CN&to=EN_US&text=A%20%26%20B%3DC%2BD%20%23%E4%B8%AD%E6%96%87");
    EXPECT_EQ(request.queryValue(QStringLiteral("text")), QStringLiteral("A & B=C+D #中文"));
    ASSERT_TRUE(result.success);
    EXPECT_EQ(result.data.toObject().value(QStringLiteral("transText")).toString(), QStringLiteral("A and B"));
}

TEST_F(ScenesTest, ModelInformationAsksForTheProductAndKeepsWhatItAskedFor)
{
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("41"));
    const QJsonObject record{{QStringLiteral("appkey"), QStringLiteral("srv-key")},
                             {QStringLiteral("functions"), QJsonArray{}}};
    server.setReply(api("/getCustomerKey"), StandInReply::api(record));

    const VQGetCustomerKeyScene scene;
    EXPECT_EQ(scene.productCode(), QStringLiteral("41"));
    EXPECT_EQ(scene.sn(), QString::fromLatin1(kSn));
    const auto [result, request] = exchange(scene);

    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.path, api("/getCustomerKey"));
    EXPECT_EQ(request.query, (expectedCommon() + Pairs{{QStringLiteral("productCode"), QStringLiteral("41")}}));
    ASSERT_TRUE(result.success);
    EXPECT_EQ(result.data.toObject(), record);
}

TEST_F(ScenesTest, SavingAKeyFunctionPostsEveryFieldUnsetOnesEmpty)
{
    VQSaveCustomerKeyScene scene;
    scene.setCmdId(QStringLiteral("12"));
    scene.setKeyId(QStringLiteral("3"));
    scene.setOpId(QStringLiteral("7"));
    scene.setSn(QStringLiteral("SN-0042"));
    scene.setUserModelId(QStringLiteral("m-9"));
    scene.setAttr0(QStringLiteral("a=b&c"));

    const auto [result, request] = exchange(scene);

    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, api("/saveCustomerKey"));
    EXPECT_TRUE(request.rawQuery.isEmpty());
    EXPECT_EQ(request.form, (expectedCommon() + Pairs{{QStringLiteral("cmdId"), QStringLiteral("12")},
                                                      {QStringLiteral("keyId"), QStringLiteral("3")},
                                                      {QStringLiteral("opId"), QStringLiteral("7")},
                                                      {QStringLiteral("userModelId"), QStringLiteral("m-9")},
                                                      {QStringLiteral("attr0"), QStringLiteral("a=b&c")},
                                                      {QStringLiteral("attr1"), QString()},
                                                      {QStringLiteral("attr2"), QString()}}));
    EXPECT_TRUE(result.success);
}

TEST_F(ScenesTest, ResettingKeyFunctionsPostsSerialNumberAndModel)
{
    VQResetCustomerKeyScene scene;
    scene.setSn(QString());
    scene.setUserModelId(QStringLiteral("m-9"));
    const auto [result, request] = exchange(scene);
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, api("/resetCustomerKey"));
    EXPECT_EQ(request.form, (expectedCommon(QString()) + Pairs{{QStringLiteral("userModelId"), QStringLiteral("m-9")}}));
    EXPECT_TRUE(result.success);
}

TEST_F(ScenesTest, AppKeyRequestCarriesNoParameters)
{
    VQUserInfoData::sharedInstance().mouseInfoItem().setMouseSource(VQMouseInfoItem::MouseSourceInternational);
    server.setReply(api("/getAppKey"), StandInReply::api(QJsonObject{{QStringLiteral("appkey"), QStringLiteral("k")}}));
    const auto [result, request] = exchange(VQGetAppKeyScene());
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.rawQuery, QByteArray());
    ASSERT_TRUE(result.success);
    EXPECT_EQ(result.data.toObject().value(QStringLiteral("appkey")).toString(), QStringLiteral("k"));
}

TEST_F(ScenesTest, HardwareRecordUploadSendsExactlyItsThreeFields)
{
    VQUploadBurnerInfoScene scene;
    scene.setChannel(QStringLiteral("VQ-Linux"));
    scene.setSoftVersion(QStringLiteral("41"));
    const auto [result, request] = exchange(scene);
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.path, api("/addHardware"));
    EXPECT_EQ(request.rawQuery, "channel=VQ-Linux&firmwareVersion=&softVersion=41");
    EXPECT_TRUE(result.success);
}

TEST_F(ScenesTest, FirmwareQuerySendsTheNormalisedVersionAndReturnsTheOffer)
{
    const QJsonObject offer{{QStringLiteral("version"), QStringLiteral("1.0.4")},
                            {QStringLiteral("fileName"), QStringLiteral("mouse.txt")},
                            {QStringLiteral("url"), QStringLiteral("http://files.example/mouse.txt")}};
    server.setReply(api("/otaUpdate"), StandInReply::api(offer));
    VQOTAUpdateScene scene;
    scene.setType(QString::fromLatin1(VQOTAUpdateScene::kTypeUsb));
    scene.setFirmwareVersion(QStringLiteral("v1.0.3v"));
    scene.setProductCode(QStringLiteral("114"));

    const auto [result, request] = exchange(scene);

    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.path, api("/otaUpdate"));
    EXPECT_EQ(request.query, (expectedCommon() + Pairs{{QStringLiteral("type"), QStringLiteral("USB")},
                                                       {QStringLiteral("version"), QStringLiteral("1.0.3")},
                                                       {QStringLiteral("productCode"), QStringLiteral("114")}}));
    ASSERT_TRUE(result.success);
    EXPECT_EQ(result.data.toObject(), offer);
}

// ---- The internet probe ----

TEST_F(ScenesTest, InternetProbeSucceedsOnAnyPageAndFailsOnAnErrorStatus)
{
    const auto [ok, request] = exchange(VQCheckNetWorkScene());
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.path, QString::fromLatin1(vqtest::StandInHttpServer::kProbePath));
    EXPECT_TRUE(request.rawQuery.isEmpty());
    EXPECT_TRUE(ok.success) << "an HTML page is a success for the probe";
    EXPECT_EQ(ok.httpStatus, 200);

    server.setReply(QString::fromLatin1(vqtest::StandInHttpServer::kProbePath),
                    StandInReply::html(500, "<html>down</html>"));
    const VQHttpResult failed = send(VQCheckNetWorkScene());
    EXPECT_FALSE(failed.success);
    EXPECT_FALSE(failed.message.isEmpty());
    EXPECT_EQ(failed.httpStatus, 500);
}

// ---- The account API ----

TEST_F(ScenesTest, LoginPostsItsThreeQueryParametersAndReturnsTheRecord)
{
    const QJsonObject record{{QStringLiteral("id"), 7}, {QStringLiteral("token"), QStringLiteral("tok-1")},
                             {QStringLiteral("account"), QStringLiteral("user@mail.com")}};
    server.setReply(account("login"), StandInReply::account(record));
    VQLoginScene scene;
    scene.setAccount(QStringLiteral("user@mail.com"));
    scene.setPassword(QStringLiteral("p@ss w&rd+#"));

    const auto [result, request] = exchange(scene);

    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, account("login"));
    EXPECT_EQ(request.rawQuery, "account=user%40mail.com&password=p%40ss%20w%26rd%2B%23&serialNo=SN-0042");
    EXPECT_TRUE(request.body.isEmpty());
    ASSERT_TRUE(result.success);
    EXPECT_EQ(result.data.toObject(), record);
    EXPECT_EQ(result.statusCode, 200);
}

TEST_F(ScenesTest, RefusedLoginGivesTheServersMessageAsTextAndErrorDomain)
{
    server.setReply(account("login"), StandInReply::account(QJsonValue(), 401, QStringLiteral("密码错误")));
    VQLoginScene scene;
    scene.setAccount(QStringLiteral("u"));
    scene.setPassword(QStringLiteral("p"));
    const VQHttpResult result = send(scene);
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.failure, VQHttpResult::Failure::Rejected);
    EXPECT_EQ(result.message, QStringLiteral("密码错误"));
    EXPECT_EQ(result.errorDomain, QStringLiteral("密码错误"));
    EXPECT_EQ(result.errorCode, 401);
}

TEST_F(ScenesTest, RegistrationCodeAndPasswordResetSendTheirQueryParametersInOrder)
{
    VQRegisterScene reg;
    reg.setAccount(QStringLiteral("13800000000"));
    reg.setCode(QStringLiteral("123456"));
    reg.setPassword(QStringLiteral("新密码"));
    reg.setType(QStringLiteral("PHONE"));
    server.setReply(account("register"), StandInReply::account(QJsonObject{{QStringLiteral("token"), QStringLiteral("t")}}));
    {
        const auto [result, request] = exchange(reg);
        EXPECT_EQ(request.method, "POST");
        EXPECT_EQ(request.path, account("register"));
        EXPECT_EQ(request.rawQuery,
                  "account=13800000000&code=123456&password=%E6%96%B0%E5%AF%86%E7%A0%81&type=PHONE");
        ASSERT_TRUE(result.success);
        EXPECT_EQ(result.data.toObject().value(QStringLiteral("token")).toString(), QStringLiteral("t"));
    }

    server.clearRequests();
    VQGetVerifyCodeScene code;
    code.setAccount(QStringLiteral("a@b.c"));
    code.setAccountType(QStringLiteral("EMAIL"));
    code.setCodeType(QStringLiteral("REGISTER"));
    {
        const auto [result, request] = exchange(code);
        EXPECT_EQ(request.method, "POST");
        EXPECT_EQ(request.path, account("getCode"));
        EXPECT_EQ(request.rawQuery, "account=a%40b.c&accountType=EMAIL&codeType=REGISTER&country=");
        EXPECT_TRUE(result.success);
    }

    server.clearRequests();
    VQModifyPasswordScene reset;
    reset.setAccount(QStringLiteral("a@b.c"));
    reset.setCode(QStringLiteral("999"));
    reset.setPassword(QStringLiteral("x=y"));
    const auto [result, request] = exchange(reset);
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, account("resetPwd"));
    EXPECT_EQ(request.rawQuery, "account=a%40b.c&code=999&password=x%3Dy");
    EXPECT_TRUE(result.success);
}

TEST_F(ScenesTest, MemberInformationGetsWithTheToken)
{
    const QJsonObject record{{QStringLiteral("expiredTime"), QStringLiteral("1700000000000")}};
    server.setReply(account("memberInfo"), StandInReply::account(record));
    VQUserInfoScene scene;
    scene.setToken(QStringLiteral("tok/+="));
    const auto [result, request] = exchange(scene);
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.path, account("memberInfo"));
    EXPECT_EQ(request.rawQuery, "token=tok%2F%2B%3D");
    ASSERT_TRUE(result.success);
    EXPECT_EQ(result.data.toObject(), record);
}

} // namespace
