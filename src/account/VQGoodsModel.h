#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

#include <memory>

// One purchasable variant of a goods record: its name, price texts and choice state. Every text
// field is unset (null) when the JSON lacks its key; a JSON number arrives as its decimal text.
// isSelected is the choice a goods row shows: true for JSON true, a non-zero number or the text
// "true" or "1"; false otherwise, absent included.
class VQGoodsSpecsModel {
public:
    static std::shared_ptr<VQGoodsSpecsModel> fromJson(const QJsonObject& json);

    bool isSelected() const { return m_isSelected; }
    QString unit() const { return m_unit; }
    QString createTime() const { return m_createTime; }
    QString goodsId() const { return m_goodsId; }
    QString price() const { return m_price; }
    QString num() const { return m_num; }
    QString name() const { return m_name; }
    QString remark() const { return m_remark; }
    QString idStr() const { return m_idStr; } // JSON key "id"
    QString goodsName() const { return m_goodsName; }
    QString priceShow() const { return m_priceShow; }
    QString status() const { return m_status; }

    void setIsSelected(bool v) { m_isSelected = v; }
    void setUnit(const QString& v) { m_unit = v; }
    void setCreateTime(const QString& v) { m_createTime = v; }
    void setGoodsId(const QString& v) { m_goodsId = v; }
    void setPrice(const QString& v) { m_price = v; }
    void setNum(const QString& v) { m_num = v; }
    void setName(const QString& v) { m_name = v; }
    void setRemark(const QString& v) { m_remark = v; }
    void setIdStr(const QString& v) { m_idStr = v; }
    void setGoodsName(const QString& v) { m_goodsName = v; }
    void setPriceShow(const QString& v) { m_priceShow = v; }
    void setStatus(const QString& v) { m_status = v; }

private:
    bool m_isSelected = false;
    QString m_unit;
    QString m_createTime;
    QString m_goodsId;
    QString m_price;
    QString m_num;
    QString m_name;
    QString m_remark;
    QString m_idStr;
    QString m_goodsName;
    QString m_priceShow;
    QString m_status;
};

// A goods record with its options in the order of the JSON array "goodsSpecs" (members
// that are not objects are skipped). The list is a member: empty, never absent, when the JSON
// has none.
class VQGoodsModel {
public:
    static std::shared_ptr<VQGoodsModel> fromJson(const QJsonObject& json);

    QString alipa() const { return m_alipa; }
    QString createTime() const { return m_createTime; }
    QString name() const { return m_name; }
    QString wechat() const { return m_wechat; }
    QString remark() const { return m_remark; }
    QString idStr() const { return m_idStr; } // JSON key "id"
    QString type() const { return m_type; }
    QList<std::shared_ptr<VQGoodsSpecsModel>>& goodsSpecs() { return m_goodsSpecs; }
    const QList<std::shared_ptr<VQGoodsSpecsModel>>& goodsSpecs() const { return m_goodsSpecs; }
    QString status() const { return m_status; }

    void setAlipa(const QString& v) { m_alipa = v; }
    void setCreateTime(const QString& v) { m_createTime = v; }
    void setName(const QString& v) { m_name = v; }
    void setWechat(const QString& v) { m_wechat = v; }
    void setRemark(const QString& v) { m_remark = v; }
    void setIdStr(const QString& v) { m_idStr = v; }
    void setType(const QString& v) { m_type = v; }
    void setGoodsSpecs(const QList<std::shared_ptr<VQGoodsSpecsModel>>& v) { m_goodsSpecs = v; }
    void setStatus(const QString& v) { m_status = v; }

private:
    QString m_alipa;
    QString m_createTime;
    QString m_name;
    QString m_wechat;
    QString m_remark;
    QString m_idStr;
    QString m_type;
    QList<std::shared_ptr<VQGoodsSpecsModel>> m_goodsSpecs;
    QString m_status;
};
