#pragma once

#include "KeySettingSubModel.h"

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

#include <memory>

// One press kind of a key (single, double or long press) with the functions it may carry
// (the second level of the key tree), and which of them is chosen.
//
// The chosen function is found by the selection rule: while selectKey is unset, every read of
// selectKey, selectValue or selectIndex walks the functions in order and takes each one marked
// first = "1" (so the last marked one wins): its idStr, name and position. When none is marked,
// selectIndex keeps its value and selectKey stays unset, and the next read walks again; once a
// marked function with an idStr was found, the stored values are returned without a walk.
class KeySettingModel {
public:
    using SubModelList = QList<std::shared_ptr<KeySettingSubModel>>;

    // Press kinds: the operation strings and the numbers derived from them.
    static constexpr char kOperationSingle[] = "sk";
    static constexpr char kOperationDouble[] = "dk";
    static constexpr char kOperationLong[] = "lk";

    // "sk" 1, "dk" 2, "lk" 3, anything else 0 (VQPressKind).
    static quint64 keyPressTypeForOperation(const QString& operation);

    static std::shared_ptr<KeySettingModel> fromJson(const QJsonObject& json);
    // Every set field and the functions, the derived "keyPressType" and the selection included.
    QJsonObject toJson() const;

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
    QString sort() const { return m_sort; }
    void setSort(const QString& value) { m_sort = value; }
    QString parentId() const { return m_parentId; }
    void setParentId(const QString& value) { m_parentId = value; }
    QString cmdId() const { return m_cmdId; }
    void setCmdId(const QString& value) { m_cmdId = value; }
    QString opName() const { return m_opName; }
    void setOpName(const QString& value) { m_opName = value; }
    QString productModelId() const { return m_productModelId; }
    void setProductModelId(const QString& value) { m_productModelId = value; }
    QString first() const { return m_first; }
    void setFirst(const QString& value) { m_first = value; }

    // The press-kind string; keyPressType() is derived from it on every read.
    QString operation() const { return m_operation; }
    void setOperation(const QString& value) { m_operation = value; }
    quint64 keyPressType() const { return keyPressTypeForOperation(m_operation); }

    // The display name in the current UI language (the key-setting row's title).
    QString name() const;
    QString storedName() const { return m_name; }
    void setName(const QString& value) { m_name = value; }
    QMap<QString, QString> names() const { return m_names; }
    void setNames(const QMap<QString, QString>& names) { m_names = names; }

    // The selectable functions, in order; changed in place by the key-setting rows.
    SubModelList& childs() { return m_childs; }
    const SubModelList& childs() const { return m_childs; }
    void setChilds(const SubModelList& childs) { m_childs = childs; }

    // The selection (see above).
    QString selectKey() const;
    void setSelectKey(const QString& value) { m_selectKey = value; }
    QString selectValue() const;
    void setSelectValue(const QString& value) { m_selectValue = value; }
    qint64 selectIndex() const;
    void setSelectIndex(qint64 index) { m_selectIndex = index; }

private:
    // The walk of the selection rule, while selectKey is unset.
    void updateSelection() const;

    QString m_idStr;
    QString m_edit;
    QString m_keyName;
    QString m_opId;
    QString m_keyId;
    QString m_sort;
    QString m_parentId;
    QString m_cmdId;
    QString m_opName;
    QString m_productModelId;
    QString m_first;
    QString m_operation;
    QString m_name;
    QMap<QString, QString> m_names;
    SubModelList m_childs;
    mutable QString m_selectKey;
    mutable QString m_selectValue;
    mutable qint64 m_selectIndex = 0;
};
