#pragma once

#include "VQHttpResult.h"
#include "VQVoiceCommandItem.h"

#include <QHash>
#include <QList>
#include <QTimer>
#include <QObject>
#include <QString>

#include <functional>

// The voice-command store: the common list (commands the maker offers every device) and the
// custom list (the connected device's own commands), each kept in memory and in a table of the
// local database. Hot words share the custom table (rows of type "phrase") and are read through
// VQHotWordViewModel; the custom list never holds them.
//
// The lists fill from their tables at first read and after a reply emptied them, so readers
// always go through the getters. Requests go to the maker's API; a failed request changes
// neither lists nor tables. Table writes bind every value; a table is replaced (all rows
// deleted and the new ones inserted) in one transaction.
//
// Main thread only.
class VQCommandViewModel : public QObject {
    Q_OBJECT
public:
    // Called once per request with the outcome: a success carries the result (see each
    // request), a failure the client's result with its message.
    using Callback = std::function<void(bool success, const VQHttpResult& result)>;

    static constexpr char kCommonTableName[] = "DBCommonCmdList";
    static constexpr char kCustomizeTableName[] = "DBCustomizeCmdList";

    static VQCommandViewModel& sharedInstance();

    // Creates the table, if missing, with the model's properties as columns.
    bool createSQLTableWithtableName(const QString& tableName, const KVDSqliteModel& model);
    // Creates both command tables.
    void createCommandTables();

    // The common list; when empty, first loaded from its table.
    QList<VQVoiceCommandItem>& commonCmdListArray();
    // The custom list without hot words; when empty, first loaded from its table.
    QList<VQVoiceCommandItem>& customizeCmdListArray();
    void setCommonCmdListArray(const QList<VQVoiceCommandItem>& list);

    // Fetches the common list. A non-empty server list becomes the list and, when it differs
    // from the table's rows in count or content, replaces them; an empty one leaves the table and
    // the list reloads from it.
    void requestNetCommonCmdList();
    // Fetches the connected device's custom list (commands and hot words) and makes it the
    // table's content; calls back (true, the whole reply) once the table is written.
    void requestNetCustomizeCmdList(Callback callback = {});
    // Makes the reply's "data" (or "cmds" when "data" is empty) the custom table's content,
    // rewriting the table when its rows differ; the custom and hot-word lists reload at their
    // next read.
    void updateLocalCustomizeCmdList(const QJsonValue& reply);

    // Creates a custom command or hot word on the server. The server answers with the device's
    // whole custom list: when it is an array it replaces the custom table, otherwise the table
    // is kept and the list fetched again. Calls back (true, the server's result) on success.
    void requestCreateCustomizeCmd(const VQVoiceCommandItem& item, Callback callback = {});
    // Deletes a custom command or hot word on the server; on success removes it, by cmdType and
    // customCmd, from its list and its rows from the custom table.
    void requestDeleteCustomizeCmd(const VQVoiceCommandItem& item, Callback callback = {});

    // Tests only: empties both lists (the tables are kept).
    static void resetForTests();

Q_SIGNALS:
    // The common or custom list (or the hot words) changed in the store.
    void commandListsChanged();

public:
    // How long a table write that failed (the database locked by another program) waits
    // before it is tried again.
    static constexpr int kTableRetryMs = 2000;
    // Tables whose latest content is not written yet.
    bool hasPendingTableWrites() const { return !m_pendingTables.isEmpty(); }

private:
    VQCommandViewModel();

    void replaceCustomizeTable(const QList<VQVoiceCommandItem>& items);
    // Writes the table unless it already holds the list; a failed write is kept and tried again.
    void writeTable(const QString& tableName, const QList<VQVoiceCommandItem>& items);
    void retryPendingTables();

    QList<VQVoiceCommandItem> m_commonCmdList;
    QList<VQVoiceCommandItem> m_customizeCmdList;
    QHash<QString, QList<VQVoiceCommandItem>> m_pendingTables;
    QTimer m_retryTimer;
};
