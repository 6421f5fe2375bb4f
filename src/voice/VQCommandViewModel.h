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
// A list is loaded from its table at its first read; an empty list may be loaded. A table that
// cannot be read leaves its list not loaded and is read again later (2 s, doubling to a minute
// but for a lock), whereupon the pages hear of it. A server list makes a list loaded at once.
// Requests go to the maker's API; a failed request changes neither lists nor tables. An answer
// to a request sent before a local change (a create or delete confirmed meanwhile), or for a
// device other than the one connected now, never replaces the list: the list is asked for
// again. Table writes bind every value; a table is replaced (all rows deleted and the new ones
// inserted) in one transaction. A write that fails keeps the list in memory and is tried again
// with the same back-off, and once more at quit; the database tells the user once per stretch
// (KVDSqliteOperation's problem handler).
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

    // The common list; when not loaded, first loaded from its table.
    QList<VQVoiceCommandItem>& commonCmdListArray();
    // The custom list without hot words; when not loaded, first loaded (with the hot words)
    // from its table.
    QList<VQVoiceCommandItem>& customizeCmdListArray();
    bool isCommonListLoaded() const { return m_commonLoaded; }
    bool isCustomizeListLoaded() const { return m_customizeLoaded; }
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
    // customCmd, from its list and writes the custom table as the lists are in memory.
    void requestDeleteCustomizeCmd(const VQVoiceCommandItem& item, Callback callback = {});

    // The database was set aside and made anew: the lists in memory go into the new tables, and
    // both lists are fetched again.
    void databaseRecovered();
    // The last chance before the process ends: pending table writes are tried once more, with
    // the database's longest wait for a lock.
    void writePendingTablesAtQuit();

    // Tests only: empties both lists and forgets what was pending (the tables are kept).
    static void resetForTests();
    // Tests only: the first retry interval (it doubles from there).
    static void setTableRetryIntervalForTests(int ms);

Q_SIGNALS:
    // The common or custom list (or the hot words) changed in the store.
    void commandListsChanged();

public:
    // How long a failed table read or write waits before it is tried again; it doubles after
    // each failure that is no lock, up to kMaxTableRetryMs.
    static constexpr int kTableRetryMs = 2000;
    static constexpr int kMaxTableRetryMs = 64000;
    // Tables whose latest content is not written yet.
    bool hasPendingTableWrites() const { return !m_pendingTables.isEmpty(); }
    // Tables to be read again.
    bool hasPendingTableReads() const { return m_commonReadFailed || m_customizeReadFailed; }
    // The wait before the next retry; 0 when none is due.
    int tableRetryIntervalMs() const { return m_retryTimer.isActive() ? m_retryTimer.interval() : 0; }

private:
    VQCommandViewModel();

    void replaceCustomizeTable(const QList<VQVoiceCommandItem>& items);
    // The custom and hot-word lists as written to the custom table.
    QList<VQVoiceCommandItem> customizeTableContent() const;
    void loadCommonList();
    void loadCustomizeList();
    // Writes the table unless it already holds the list; a failed write is kept and tried again.
    void writeTable(const QString& tableName, const QList<VQVoiceCommandItem>& items);
    void scheduleRetry();
    void retryPendingTables();
    // The custom list changed here (a create or delete confirmed): answers to earlier requests
    // are out of date.
    void customizeListChangedLocally() { ++m_customizeGeneration; }

    QList<VQVoiceCommandItem> m_commonCmdList;
    QList<VQVoiceCommandItem> m_customizeCmdList;
    bool m_commonLoaded = false;
    bool m_customizeLoaded = false;
    bool m_commonReadFailed = false;
    bool m_customizeReadFailed = false;
    quint64 m_customizeGeneration = 0;
    QHash<QString, QList<VQVoiceCommandItem>> m_pendingTables;
    QTimer m_retryTimer;
    int m_retryFailures = 0;
};
