#pragma once

#include "KeySettingModel.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

#include <memory>

// One configurable key of the device (the first level of the key tree): its identifier, its
// press kinds and their functions. VQUserInfoData keeps the device's list of keys
// (mouseSettingArr), which the key-press dispatcher walks to find the function to carry out.
class MouseSettingModel {
public:
    using KeySettingList = QList<std::shared_ptr<KeySettingModel>>;
    using List = QList<std::shared_ptr<MouseSettingModel>>;

    // Key identifiers and the key types derived from them.
    static constexpr char kKeyDpi[] = "dpi_set";
    static constexpr char kKeyCenter[] = "center_key";
    static constexpr char kKeyVoice[] = "voice_key";
    static constexpr char kKeySearch[] = "search_key";
    static constexpr char kKeyTranslate[] = "translate_key";
    static constexpr char kKeyM[] = "M_key";
    static constexpr char kKeyAI[] = "AI_key";
    // The locally built auxiliary item of the mouse page (key type 0).
    static constexpr char kKeyAuxiliary[] = "Auxiliary_set";
    // UI text (key of QRNLocalizedString) of the auxiliary item.
    static constexpr char kAuxiliaryNameText[] = "辅助设置";

    // The key type of a key identifier (VQKeyType); anything else is 0.
    static quint64 keyTypeForKey(const QString& key);

    // A new, childless key item named with the localised "辅助设置" and the key "Auxiliary_set".
    static std::shared_ptr<MouseSettingModel> createMouseAuxiliarySetModel();

    static std::shared_ptr<MouseSettingModel> fromJson(const QJsonObject& json);
    // Every set field and the press kinds, the derived "keyType" included.
    QJsonObject toJson() const;
    // The key list as stored in user defaults, and back; elements that are not objects are
    // skipped.
    static List listFromJson(const QJsonArray& array);
    static QJsonArray listToJson(const List& list);

    // The function chosen for a key event: in every key of the list whose key type is keyType,
    // every press kind whose press type is pressKind (4, the release of a long press, counts as
    // 3), every function marked chosen; the last one found. Null when there is none.
    static std::shared_ptr<KeySettingSubModel> chosenFunction(const List& list, quint64 keyType, int pressKind);

    QString idStr() const { return m_idStr; }
    void setIdStr(const QString& value) { m_idStr = value; }
    QString edit() const { return m_edit; }
    void setEdit(const QString& value) { m_edit = value; }
    QString keyName() const { return m_keyName; }
    void setKeyName(const QString& value) { m_keyName = value; }
    QString opId() const { return m_opId; }
    void setOpId(const QString& value) { m_opId = value; }
    QString keyId() const { return m_keyId; }
    void setKeyId(const QString& value) { m_keyId = value; }
    QString keyUp() const { return m_keyUp; }
    void setKeyUp(const QString& value) { m_keyUp = value; }
    QString keyDown() const { return m_keyDown; }
    void setKeyDown(const QString& value) { m_keyDown = value; }
    QString sort() const { return m_sort; }
    void setSort(const QString& value) { m_sort = value; }
    QString parentId() const { return m_parentId; }
    void setParentId(const QString& value) { m_parentId = value; }
    QString cmdId() const { return m_cmdId; }
    void setCmdId(const QString& value) { m_cmdId = value; }
    QString productModelId() const { return m_productModelId; }
    void setProductModelId(const QString& value) { m_productModelId = value; }
    QString first() const { return m_first; }
    void setFirst(const QString& value) { m_first = value; }

    // The key identifier; keyType() is derived from it on every read.
    QString key() const { return m_key; }
    void setKey(const QString& value) { m_key = value; }
    quint64 keyType() const { return keyTypeForKey(m_key); }

    // The display name in the current UI language.
    QString name() const;
    QString storedName() const { return m_name; }
    void setName(const QString& value) { m_name = value; }
    QMap<QString, QString> names() const { return m_names; }
    void setNames(const QMap<QString, QString>& names) { m_names = names; }

    // The press kinds, in order.
    KeySettingList& childs() { return m_childs; }
    const KeySettingList& childs() const { return m_childs; }
    void setChilds(const KeySettingList& childs) { m_childs = childs; }

private:
    QString m_idStr;
    QString m_edit;
    QString m_keyName;
    QString m_opId;
    QString m_keyId;
    QString m_keyUp;
    QString m_keyDown;
    QString m_sort;
    QString m_parentId;
    QString m_cmdId;
    QString m_productModelId;
    QString m_first;
    QString m_key;
    QString m_name;
    QMap<QString, QString> m_names;
    KeySettingList m_childs;
};
