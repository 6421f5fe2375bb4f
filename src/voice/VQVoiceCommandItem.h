#pragma once

#include "KVDSqliteModel.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// One voice command or hot word; also one row of the command tables.
//
// The text members are "not set" while null (QString()); an empty text counts as set. Only set
// members are written to a row, and typeIndex, computed from cmdType, is always written, last,
// as a number. Reading a row back assigns the columns in order, so typeIndex (last) decides
// cmdType: a type word outside the known ones reads back as "file".
class VQVoiceCommandItem : public KVDSqliteModel {
public:
    // Type words, by typeIndex.
    static constexpr char kTypeFile[] = "file";
    static constexpr char kTypeFolder[] = "folder";
    static constexpr char kTypeWebsite[] = "website";
    static constexpr char kTypeShortcuts[] = "shortcuts";
    static constexpr char kTypeText[] = "text";
    static constexpr char kTypePhrase[] = "phrase";
    static constexpr qint64 kFileIndex = 0;
    static constexpr qint64 kFolderIndex = 1;
    static constexpr qint64 kWebsiteIndex = 2;
    static constexpr qint64 kShortcutsIndex = 3;
    static constexpr qint64 kTextIndex = 4;
    static constexpr qint64 kPhraseIndex = 5; // a hot word: a recognition hint, no action

    // Property (and column) names, in declared order.
    static constexpr char kCmdTypeKey[] = "cmdType";
    static constexpr char kCustomCmdKey[] = "customCmd";
    static constexpr char kCustomNameKey[] = "customName";
    static constexpr char kCmdWordKey[] = "cmdWord";
    static constexpr char kCmdExecuteKey[] = "cmdExecute";
    static constexpr char kTypeIndexKey[] = "typeIndex";

    QString cmdType;    // the type word
    QString customCmd;  // spoken word of a custom command; the text of a hot word
    QString customName; // action target of a custom command (path, address, shortcut JSON, text)
    QString cmdWord;    // spoken word of a common command
    QString cmdExecute; // action target of a common command

    // The index of cmdType among the type words; 0 for any other word and for none.
    qint64 typeIndex() const;
    // 0-5 set cmdType to that type word; any other value sets it to "".
    void setTypeIndex(qint64 index);
    bool isHotWord() const { return typeIndex() == kPhraseIndex; }

    // Same command: equal cmdType and customCmd (how a custom command or hot word is named).
    bool sameCustomCommand(const VQVoiceCommandItem& other) const;

    // From a JSON object whose keys are the property names; a missing or non-text key stays
    // unset. A number under "typeIndex" is ignored: the type follows cmdType.
    static VQVoiceCommandItem fromJson(const QJsonObject& object);
    // Every object of the array that names a command word (customCmd or cmdWord not blank) or
    // is a hot word (an empty one included), in order; other elements are skipped (logged).
    static QList<VQVoiceCommandItem> listFromJson(const QJsonArray& array);
    QJsonObject toJson() const;

    friend bool operator==(const VQVoiceCommandItem& a, const VQVoiceCommandItem& b);

    // KVDSqliteModel
    QStringList propertyNames() const override;
    std::optional<QString> propertyText(const QString& name) const override;
    void setPropertyText(const QString& name, const QString& text) override;
};

// The reply of a list request: its "data" and "cmds" arrays.
struct VQVoiceCommandListItem {
    static constexpr char kDataKey[] = "data";
    static constexpr char kCmdsKey[] = "cmds";

    QList<VQVoiceCommandItem> data;
    QList<VQVoiceCommandItem> cmds;

    // From a reply object; a missing or non-array key gives an empty list.
    static VQVoiceCommandListItem fromJson(const QJsonValue& reply);
};
