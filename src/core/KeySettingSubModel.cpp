#include "KeySettingSubModel.h"

#include "VQModelJson.h"

#include <array>
#include <utility>

namespace {

constexpr char kIdKey[] = "id";
constexpr char kNameKey[] = "name";
constexpr char kNamesKey[] = "names";
constexpr char kOperationTypeKey[] = "operationType";

using Sub = KeySettingSubModel;

constexpr std::array<std::pair<const char*, VQKeyOperationType>, 26> kCommands{{
    {Sub::kCmdDpiStep, VQKeyOperationType::DpiStep},
    {Sub::kCmdVoiceTyping, VQKeyOperationType::VoiceTyping},
    {Sub::kCmdVoiceSearch, VQKeyOperationType::VoiceSearch},
    {Sub::kCmdVoiceTranslation, VQKeyOperationType::VoiceTranslation},
    {Sub::kCmdShortcut, VQKeyOperationType::Shortcut},
    {Sub::kCmdOpenWebPage, VQKeyOperationType::OpenWebPage},
    {Sub::kCmdOpenFile, VQKeyOperationType::OpenFile},
    {Sub::kCmdOpenFolder, VQKeyOperationType::OpenFolder},
    {Sub::kCmdScreenshotTranslation, VQKeyOperationType::ScreenshotTranslation},
    {Sub::kCmdFixedText, VQKeyOperationType::FixedText},
    {Sub::kCmdShowDesktop, VQKeyOperationType::ShowDesktop},
    {Sub::kCmdDelete, VQKeyOperationType::Delete},
    {Sub::kCmdEnter, VQKeyOperationType::Enter},
    {Sub::kCmdVoiceTypingOrTranslation, VQKeyOperationType::VoiceTypingOrTranslation},
    {Sub::kCmdSwitchTypingTranslationMode, VQKeyOperationType::SwitchTypingTranslationMode},
    {Sub::kCmdSwitchApplication, VQKeyOperationType::SwitchApplication},
    {Sub::kCmdNextDpiStep, VQKeyOperationType::NextDpiStep},
    {Sub::kCmdAIWindow, VQKeyOperationType::AIWindow},
    {Sub::kCmdCopy, VQKeyOperationType::Copy},
    {Sub::kCmdPaste, VQKeyOperationType::Paste},
    {Sub::kCmdForward, VQKeyOperationType::Forward},
    {Sub::kCmdBack, VQKeyOperationType::Back},
    {Sub::kCmdLockScreen, VQKeyOperationType::LockScreen},
    {Sub::kCmdTranslateSelectedWord, VQKeyOperationType::TranslateSelectedWord},
    {Sub::kCmdReportRate, VQKeyOperationType::ReportRate},
    {Sub::kCmdOpenAIWindow, VQKeyOperationType::OpenAIWindow},
}};

// The carried text fields and their JSON keys.
using TextField = VQModelJson::TextField<Sub>;

constexpr std::array<TextField, 15> kTextFields{{
    {kIdKey, &Sub::idStr, &Sub::setIdStr},
    {"keyName", &Sub::keyName, &Sub::setKeyName},
    {"opName", &Sub::opName, &Sub::setOpName},
    {"cmdName", &Sub::cmdName, &Sub::setCmdName},
    {"parentId", &Sub::parentId, &Sub::setParentId},
    {"productModelId", &Sub::productModelId, &Sub::setProductModelId},
    {"keyId", &Sub::keyId, &Sub::setKeyId},
    {"opId", &Sub::opId, &Sub::setOpId},
    {"cmdId", &Sub::cmdId, &Sub::setCmdId},
    {"cmd", &Sub::cmd, &Sub::setCmd},
    {"first", &Sub::first, &Sub::setFirst},
    {"edit", &Sub::edit, &Sub::setEdit},
    {"attr0", &Sub::attr0, &Sub::setAttr0},
    {"attr1", &Sub::attr1, &Sub::setAttr1},
    {"attr2", &Sub::attr2, &Sub::setAttr2},
}};

} // namespace

VQKeyOperationType KeySettingSubModel::operationTypeForCmd(const QString& cmd)
{
    for (const auto& [text, type] : kCommands) {
        if (cmd == QLatin1String(text))
            return type;
    }
    return VQKeyOperationType::None;
}

std::shared_ptr<KeySettingSubModel> KeySettingSubModel::fromJson(const QJsonObject& json)
{
    auto model = std::make_shared<KeySettingSubModel>();
    VQModelJson::readTextFields(*model, json, kTextFields);
    model->m_name = VQModelJson::text(json, QLatin1String(kNameKey));
    model->m_names = VQModelJson::textMap(json, QLatin1String(kNamesKey));
    return model;
}

QJsonObject KeySettingSubModel::toJson() const
{
    QJsonObject json;
    VQModelJson::writeTextFields(*this, json, kTextFields);
    VQModelJson::setText(json, QLatin1String(kNameKey), m_name);
    json.insert(QLatin1String(kNamesKey), VQModelJson::textMapJson(m_names));
    json.insert(QLatin1String(kOperationTypeKey), qint64(operationType()));
    return json;
}

QString KeySettingSubModel::name() const
{
    return VQModelJson::localizedName(m_names, m_name);
}
