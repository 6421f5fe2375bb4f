// The key-function models: their JSON mapping, the name and selection rules, the operation types
// and the lookup of the function chosen for a key event.
#include "KeySettingModel.h"
#include "KeySettingSubModel.h"
#include "MouseModelSettingModel.h"
#include "MouseSettingModel.h"
#include "UserDefaults.h"
#include "VQLanguageManager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QJsonObject json(const char* text)
{
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray(text));
    EXPECT_TRUE(document.isObject()) << text;
    return document.object();
}

QJsonObject function(const char* id, const char* cmd, const char* first, const char* attr0 = "")
{
    return QJsonObject{{QStringLiteral("id"), QString::fromLatin1(id)},
                       {QStringLiteral("cmd"), QString::fromLatin1(cmd)},
                       {QStringLiteral("first"), QString::fromLatin1(first)},
                       {QStringLiteral("attr0"), QString::fromLatin1(attr0)}};
}

QJsonObject pressKind(const char* operation, const QJsonArray& functions)
{
    return QJsonObject{{QStringLiteral("operation"), QString::fromLatin1(operation)},
                       {QStringLiteral("childs"), functions}};
}

QJsonObject keyItem(const char* key, const QJsonArray& pressKinds)
{
    return QJsonObject{{QStringLiteral("key"), QString::fromLatin1(key)}, {QStringLiteral("childs"), pressKinds}};
}

class KeySettingModelsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0); // ZH_CN
    }
};

} // namespace

TEST_F(KeySettingModelsTest, CommandStringsGiveTheOperationTypesExactly)
{
    const std::pair<const char*, quint32> table[] = {
        {"Action_IT", 1},     {"Action_VI", 2},     {"Action_VS", 3},        {"Action_VT", 4},
        {"Action_SK", 5},     {"Action_OW", 6},     {"Action_OF", 7},        {"Action_OFJ", 8},
        {"Action_ST", 9},     {"Action_FT", 10},    {"GO_HOME", 11},         {"DEL_OPT", 12},
        {"Action_ENTER", 13}, {"Action_VI_VT", 14}, {"Action_VI_VT_CHANGE", 15}, {"Action_W_TAB", 16},
        {"Action_DPI", 17},   {"Action_GPT", 18},   {"Action_copy", 19},     {"Action_paste", 20},
        {"Action_forward", 21}, {"Action_back", 22}, {"Action_LockScreen", 23}, {"Action_GetWord_Trans", 24},
        {"Action_ReportRate", 25}, {"Action_OM_AI", 26},
    };
    for (const auto& [cmd, type] : table)
        EXPECT_EQ(quint32(KeySettingSubModel::operationTypeForCmd(QString::fromLatin1(cmd))), type) << cmd;
    for (const char* other : {"action_vi", "ACTION_COPY", "Action_VI ", "", "go_home"})
        EXPECT_EQ(KeySettingSubModel::operationTypeForCmd(QString::fromLatin1(other)), VQKeyOperationType::None) << other;

    // Derived on every read: a changed command changes the type, an unset one gives 0.
    KeySettingSubModel sub;
    EXPECT_EQ(sub.operationType(), VQKeyOperationType::None);
    sub.setCmd(QStringLiteral("DEL_OPT"));
    EXPECT_EQ(sub.operationType(), VQKeyOperationType::Delete);

    EXPECT_EQ(MouseSettingModel::keyTypeForKey(QStringLiteral("center_key")), 2u);
    EXPECT_EQ(MouseSettingModel::keyTypeForKey(QStringLiteral("AI_key")), 7u);
    EXPECT_EQ(MouseSettingModel::keyTypeForKey(QStringLiteral("Auxiliary_set")), 0u);
    EXPECT_EQ(KeySettingModel::keyPressTypeForOperation(QStringLiteral("lk")), 3u);
    EXPECT_EQ(KeySettingModel::keyPressTypeForOperation(QStringLiteral("LK")), 0u);
}

TEST_F(KeySettingModelsTest, ModelInformationIsReadFromJsonAndWrittenBackWhole)
{
    const QJsonObject reply = json(R"({
        "id": 77, "idStr": "ignored", "productId": "p9", "name": "VQ mouse",
        "keyInfos": [{
            "id": "k1", "key": "voice_key", "keyType": 99, "names": {"ZH_CN": "语音键", "EN_US": "Voice key"},
            "childs": [{
                "id": "op1", "operation": "sk", "opId": "5", "keyPressType": 42,
                "childs": [{"id": "f1", "cmd": "Action_OW", "first": "1", "edit": "1",
                            "attr0": "example.com", "keyId": "k1", "opId": "5", "cmdId": "c1", "operationType": 3},
                           "not an object"]
            }]
        }, 17]
    })");
    const auto model = MouseModelSettingModel::fromJson(reply);
    EXPECT_EQ(model->modelId(), QStringLiteral("77")); // a number is read as its text
    EXPECT_EQ(model->productId(), QStringLiteral("p9"));
    EXPECT_TRUE(model->memberId().isNull()); // missing: unset
    ASSERT_EQ(model->keyInfos().size(), 1);   // elements that are no object are skipped
    const auto key = model->keyInfos().first();
    EXPECT_EQ(key->idStr(), QStringLiteral("k1"));
    EXPECT_EQ(key->keyType(), 3u); // derived, the stored 99 is not read
    ASSERT_EQ(key->childs().size(), 1);
    const auto press = key->childs().first();
    EXPECT_EQ(press->keyPressType(), 1u);
    ASSERT_EQ(press->childs().size(), 1);
    const auto sub = press->childs().first();
    EXPECT_EQ(sub->operationType(), VQKeyOperationType::OpenWebPage);
    EXPECT_EQ(sub->attr0(), QStringLiteral("example.com"));
    EXPECT_TRUE(sub->attr1().isNull());

    // The key list as stored in user defaults: every property, the derived numbers included.
    const QJsonArray stored = MouseSettingModel::listToJson(model->keyInfos());
    const QJsonObject storedKey = stored.at(0).toObject();
    EXPECT_EQ(storedKey.value(QStringLiteral("keyType")).toInt(), 3);
    EXPECT_EQ(storedKey.value(QStringLiteral("id")).toString(), QStringLiteral("k1"));
    EXPECT_FALSE(storedKey.contains(QStringLiteral("idStr")));
    const QJsonObject storedPress = storedKey.value(QStringLiteral("childs")).toArray().at(0).toObject();
    EXPECT_EQ(storedPress.value(QStringLiteral("keyPressType")).toInt(), 1);
    EXPECT_EQ(storedPress.value(QStringLiteral("selectKey")).toString(), QStringLiteral("f1"));
    const QJsonObject storedSub = storedPress.value(QStringLiteral("childs")).toArray().at(0).toObject();
    EXPECT_EQ(storedSub.value(QStringLiteral("operationType")).toInt(), 6);
    EXPECT_FALSE(storedSub.contains(QStringLiteral("attr1")));

    // Read back, the list is the same.
    const MouseSettingModel::List again = MouseSettingModel::listFromJson(stored);
    EXPECT_EQ(MouseSettingModel::listToJson(again), stored);
    EXPECT_EQ(again.first()->names().value(QStringLiteral("EN_US")), QStringLiteral("Voice key"));
}

TEST_F(KeySettingModelsTest, NamesFollowTheUiLanguageOnEveryRead)
{
    const auto key = MouseSettingModel::fromJson(
        json(R"({"key": "M_key", "name": "M键", "names": {"EN_US": "M key", "ZH_CN": ""}})"));
    EXPECT_EQ(key->name(), QString()); // the entry for ZH_CN is empty, and it wins
    EXPECT_FALSE(key->name().isNull());
    VQLanguageManager::sharedInstance().setUiLanguageIndex(2); // EN_US
    EXPECT_EQ(key->name(), QStringLiteral("M key"));
    VQLanguageManager::sharedInstance().setUiLanguageIndex(4);
    EXPECT_EQ(key->name(), QStringLiteral("M键")); // no entry: the stored name

    const auto unnamed = KeySettingSubModel::fromJson(json(R"({"names": {"EN_US": "Copy"}})"));
    EXPECT_TRUE(unnamed->name().isEmpty());
    EXPECT_FALSE(unnamed->name().isNull());

    const auto auxiliary = MouseSettingModel::createMouseAuxiliarySetModel();
    EXPECT_EQ(auxiliary->key(), QStringLiteral("Auxiliary_set"));
    EXPECT_EQ(auxiliary->keyType(), 0u);
    EXPECT_TRUE(auxiliary->childs().isEmpty());
    EXPECT_FALSE(auxiliary->name().isEmpty());
}

TEST_F(KeySettingModelsTest, SelectionTakesTheLastMarkedFunctionAndWalksUntilOneHasAnId)
{
    // Nothing marked: index 0, key unset; the walk happens again at the next read.
    const auto press = KeySettingModel::fromJson(
        pressKind("dk", {function("a", "Action_copy", "0"), function("b", "Action_paste", "0")}));
    EXPECT_EQ(press->selectIndex(), 0);
    EXPECT_TRUE(press->selectKey().isNull());
    press->childs().at(1)->setFirst(QStringLiteral("1"));
    EXPECT_EQ(press->selectKey(), QStringLiteral("b"));
    EXPECT_EQ(press->selectIndex(), 1);

    // Once set, the stored values are returned without a walk.
    press->childs().at(1)->setFirst(QStringLiteral("0"));
    press->childs().at(0)->setFirst(QStringLiteral("1"));
    EXPECT_EQ(press->selectKey(), QStringLiteral("b"));

    // Two marked: the later one wins, its name is the select value.
    QJsonObject named = function("y", "Action_back", "1");
    named.insert(QStringLiteral("name"), QStringLiteral("Back"));
    const auto two = KeySettingModel::fromJson(pressKind("sk", {function("x", "Action_forward", "1"), named}));
    EXPECT_EQ(two->selectKey(), QStringLiteral("y"));
    EXPECT_EQ(two->selectValue(), QStringLiteral("Back"));
    EXPECT_EQ(two->selectIndex(), 1);

    // Locally built items have no id: their marked function is found at every read.
    auto local = std::make_shared<KeySettingModel>();
    for (int i = 0; i < 3; ++i)
        local->childs().append(std::make_shared<KeySettingSubModel>());
    local->childs().at(2)->setFirst(QStringLiteral("1"));
    EXPECT_EQ(local->selectIndex(), 2);
    local->childs().at(2)->setFirst(QStringLiteral("0"));
    local->childs().at(0)->setFirst(QStringLiteral("1"));
    EXPECT_EQ(local->selectIndex(), 0);
    EXPECT_TRUE(local->selectKey().isNull());
}

TEST_F(KeySettingModelsTest, ChosenFunctionOfAKeyEventIsTheLastMarkedOneOfItsKeyAndPressKind)
{
    const MouseSettingModel::List list = MouseSettingModel::listFromJson(QJsonArray{
        keyItem("center_key", {pressKind("sk", {function("1", "Action_copy", "1")}),
                               pressKind("lk", {function("2", "Action_VI", "0"), function("3", "Action_VS", "1")})}),
        keyItem("voice_key", {pressKind("sk", {function("4", "Action_paste", "1")})}),
        // A second item of the same key: its marked function comes later and wins.
        keyItem("center_key", {pressKind("sk", {function("5", "Action_ENTER", "1"), function("6", "DEL_OPT", "0")})}),
        keyItem("Auxiliary_set", {pressKind("sk", {function("7", "Action_GPT", "1")})}),
    });
    const auto chosen = [&list](quint64 keyType, int press) {
        const auto sub = MouseSettingModel::chosenFunction(list, keyType, press);
        return sub ? sub->idStr() : QString();
    };
    EXPECT_EQ(chosen(2, 1), QStringLiteral("5"));
    EXPECT_EQ(chosen(2, 3), QStringLiteral("3"));
    EXPECT_EQ(chosen(2, 4), QStringLiteral("3")); // the release of a long press counts as long
    EXPECT_EQ(chosen(3, 1), QStringLiteral("4"));
    EXPECT_EQ(chosen(2, 2), QString());            // no double press
    EXPECT_EQ(chosen(4, 1), QString());            // no such key
    EXPECT_EQ(chosen(0, 1), QString());            // the auxiliary item matches no key
    EXPECT_EQ(chosen(2, 0), QString());
}
