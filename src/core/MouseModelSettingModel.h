#pragma once

#include "MouseSettingModel.h"

#include <QJsonObject>
#include <QString>

#include <memory>

// The model information of one product as the server describes it: its identifiers and its
// list of configurable keys. The JSON key of modelId is "id"; it is sent as "userModelId" when a
// key function is saved or the keys are reset.
class MouseModelSettingModel {
public:
    static std::shared_ptr<MouseModelSettingModel> fromJson(const QJsonObject& json);
    QJsonObject toJson() const;

    QString modelId() const { return m_modelId; }
    void setModelId(const QString& value) { m_modelId = value; }
    QString productId() const { return m_productId; }
    void setProductId(const QString& value) { m_productId = value; }
    QString productModelId() const { return m_productModelId; }
    void setProductModelId(const QString& value) { m_productModelId = value; }
    QString type() const { return m_type; }
    void setType(const QString& value) { m_type = value; }
    QString name() const { return m_name; }
    void setName(const QString& value) { m_name = value; }
    QString memberId() const { return m_memberId; }
    void setMemberId(const QString& value) { m_memberId = value; }
    QString sno() const { return m_sno; }
    void setSno(const QString& value) { m_sno = value; }
    QString first() const { return m_first; }
    void setFirst(const QString& value) { m_first = value; }

    // The keys, in order ("keyInfos").
    MouseSettingModel::List& keyInfos() { return m_keyInfos; }
    const MouseSettingModel::List& keyInfos() const { return m_keyInfos; }
    void setKeyInfos(const MouseSettingModel::List& keys) { m_keyInfos = keys; }

private:
    QString m_modelId;
    QString m_productId;
    QString m_productModelId;
    QString m_type;
    QString m_name;
    QString m_memberId;
    QString m_sno;
    QString m_first;
    MouseSettingModel::List m_keyInfos;
};
