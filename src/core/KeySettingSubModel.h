#pragma once

#include "VQKeyOperationType.h"

#include <QJsonObject>
#include <QMap>
#include <QString>

#include <memory>

// One selectable function of a press kind of a key (the third level of the key tree the
// server describes per product): its identifiers, its command string, whether it is the chosen
// one and its arguments.
//
// Text fields are null while unset (missing from the JSON) and are sent as "" wherever they go
// into a request. The JSON key of each field is its name, except idStr, which is "id".
class KeySettingSubModel {
public:
    // The command strings of the functions, exactly as the server sends them.
    static constexpr char kCmdDpiStep[] = "Action_IT";
    static constexpr char kCmdVoiceTyping[] = "Action_VI";
    static constexpr char kCmdVoiceSearch[] = "Action_VS";
    static constexpr char kCmdVoiceTranslation[] = "Action_VT";
    static constexpr char kCmdShortcut[] = "Action_SK";
    static constexpr char kCmdOpenWebPage[] = "Action_OW";
    static constexpr char kCmdOpenFile[] = "Action_OF";
    static constexpr char kCmdOpenFolder[] = "Action_OFJ";
    static constexpr char kCmdScreenshotTranslation[] = "Action_ST";
    static constexpr char kCmdFixedText[] = "Action_FT";
    static constexpr char kCmdShowDesktop[] = "GO_HOME";
    static constexpr char kCmdDelete[] = "DEL_OPT";
    static constexpr char kCmdEnter[] = "Action_ENTER";
    static constexpr char kCmdVoiceTypingOrTranslation[] = "Action_VI_VT";
    static constexpr char kCmdSwitchTypingTranslationMode[] = "Action_VI_VT_CHANGE";
    static constexpr char kCmdSwitchApplication[] = "Action_W_TAB";
    static constexpr char kCmdNextDpiStep[] = "Action_DPI";
    static constexpr char kCmdAIWindow[] = "Action_GPT";
    static constexpr char kCmdCopy[] = "Action_copy";
    static constexpr char kCmdPaste[] = "Action_paste";
    static constexpr char kCmdForward[] = "Action_forward";
    static constexpr char kCmdBack[] = "Action_back";
    static constexpr char kCmdLockScreen[] = "Action_LockScreen";
    static constexpr char kCmdTranslateSelectedWord[] = "Action_GetWord_Trans";
    static constexpr char kCmdReportRate[] = "Action_ReportRate";
    static constexpr char kCmdOpenAIWindow[] = "Action_OM_AI";

    // Values of first and edit.
    static constexpr char kMarked[] = "1";
    static constexpr char kUnmarked[] = "0";

    // The operation type of a command string; exact and case-sensitive, anything else is None.
    static VQKeyOperationType operationTypeForCmd(const QString& cmd);

    static std::shared_ptr<KeySettingSubModel> fromJson(const QJsonObject& json);
    // Every set field, the derived "operationType" included.
    QJsonObject toJson() const;

    QString idStr() const { return m_idStr; }
    void setIdStr(const QString& value) { m_idStr = value; }
    QString keyName() const { return m_keyName; }
    void setKeyName(const QString& value) { m_keyName = value; }
    QString opName() const { return m_opName; }
    void setOpName(const QString& value) { m_opName = value; }
    QString cmdName() const { return m_cmdName; }
    void setCmdName(const QString& value) { m_cmdName = value; }
    QString parentId() const { return m_parentId; }
    void setParentId(const QString& value) { m_parentId = value; }
    QString productModelId() const { return m_productModelId; }
    void setProductModelId(const QString& value) { m_productModelId = value; }

    // The identifiers of key, press kind and function sent when this function is chosen.
    QString keyId() const { return m_keyId; }
    void setKeyId(const QString& value) { m_keyId = value; }
    QString opId() const { return m_opId; }
    void setOpId(const QString& value) { m_opId = value; }
    QString cmdId() const { return m_cmdId; }
    void setCmdId(const QString& value) { m_cmdId = value; }

    // The command string; operationType() is derived from it on every read.
    QString cmd() const { return m_cmd; }
    void setCmd(const QString& value) { m_cmd = value; }
    VQKeyOperationType operationType() const { return operationTypeForCmd(m_cmd); }

    // "1" when this function is the chosen one of its press kind.
    QString first() const { return m_first; }
    void setFirst(const QString& value) { m_first = value; }
    bool isChosen() const { return m_first == QLatin1String(kMarked); }
    // "1" when the user may edit the argument (read for "Action_OW" only).
    QString edit() const { return m_edit; }
    void setEdit(const QString& value) { m_edit = value; }

    // The arguments; attr0 holds the path, address, text or shortcut record of the function.
    QString attr0() const { return m_attr0; }
    void setAttr0(const QString& value) { m_attr0 = value; }
    QString attr1() const { return m_attr1; }
    void setAttr1(const QString& value) { m_attr1 = value; }
    QString attr2() const { return m_attr2; }
    void setAttr2(const QString& value) { m_attr2 = value; }

    // The display name in the current UI language: the entry of names, else the stored name,
    // else "".
    QString name() const;
    QString storedName() const { return m_name; }
    void setName(const QString& value) { m_name = value; }
    QMap<QString, QString> names() const { return m_names; }
    void setNames(const QMap<QString, QString>& names) { m_names = names; }

private:
    QString m_idStr;
    QString m_keyName;
    QString m_opName;
    QString m_cmdName;
    QString m_parentId;
    QString m_productModelId;
    QString m_keyId;
    QString m_opId;
    QString m_cmdId;
    QString m_cmd;
    QString m_first;
    QString m_edit;
    QString m_attr0;
    QString m_attr1;
    QString m_attr2;
    QString m_name;
    QMap<QString, QString> m_names;
};
