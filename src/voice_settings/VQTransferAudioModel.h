#pragma once

#include "KVDSqliteModel.h"

#include <QObject>
#include <QString>

// One audio-file transcription; also one row of the table "DBTransferAudioList", whose columns
// are the property names below. The service's progress and end signals carry the row as a
// QObject.
class VQTransferAudioModel : public QObject, public KVDSqliteModel {
    Q_OBJECT
public:
    static constexpr char kTableName[] = "DBTransferAudioList";
    static constexpr char kIdKey[] = "idStr";

    enum Status { Running = 0, Done = 1, Failed = 2 };

    explicit VQTransferAudioModel(QObject* parent = nullptr);

    QString idStr;      // the row's key: Unix seconds, "_1", "_2" ... added for a second run in one second
    QString path;       // the result text file
    QString updateTime; // creation, "yyyy-MM-dd HH:mm:ss"
    QString result;     // the recognised text
    int status = Running;

    // KVDSqliteModel
    QStringList propertyNames() const override;
    std::optional<QString> propertyText(const QString& name) const override;
    void setPropertyText(const QString& name, const QString& text) override;
};
