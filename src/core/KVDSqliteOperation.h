#pragma once

#include "KVDSqliteModel.h"

#include <QHash>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <type_traits>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The local SQLite store: one database file, "VQSqliteDataBase.sqlite" in the user's Documents
// folder, opened on first use and kept for the process.
//
// Tables are made from a model's property names (untyped columns, in declared order); rows are
// written from the properties that have a value and read back into new models. Every operation
// runs synchronously on the caller's thread, serialised by one mutex, and calls its completion,
// when given, before it returns: (true, "") or (false, the reason, for database failures the
// database's own message). The first failure of a failing stretch is logged.
//
// The file is checked (pragma quick_check) once per process on a worker of the global thread
// pool, with a connection of its own, so a large database costs the caller nothing: operations
// go on meanwhile. Only a file that is no database, or whose pages the check finds damaged, is
// set aside; one whose schema this SQLite cannot parse (written by a newer one, or by another
// tool) is sound but unreadable here: it stays as it is and the user is told.
//
// Values are always bound to prepared statements, never written into the SQL text, so any text
// (quotes, SQL, line breaks, emoji) is stored and read back unchanged. Table and column names
// cannot be bound: they must consist of ASCII letters, digits and underscores, and any other
// name is refused.
class KVDSqliteOperation {
public:
    using Completion = std::function<void(bool ok, const QString& error)>;
    // What the user should hear of the database.
    enum class Problem {
        // Another program holds the database locked: the operation failed after a short wait
        // (one frame on the main thread). Told once per locked stretch.
        Locked,
        // The file was damaged (not a database, truncated, a damaged page, a folder at its
        // place): it was set aside under the name given and a new, empty database made.
        Recovered,
        // The database cannot be used for another reason (a read-only folder or file, a hot
        // journal that cannot be rolled back, a full disk, no Documents folder, a schema this
        // SQLite cannot parse, a table of another form): the file stays as it is and the detail
        // says why and where. Told once per failing stretch, which a successful write ends.
        Unavailable,
    };
    // What the last operation met.
    enum class Failure { None, Locked, Damaged, Unavailable };
    // How long an operation waits for a lock another program holds: one frame on the main
    // thread, longer on a worker, longest for the last writes before the process ends.
    struct BusyTimeouts {
        int mainThreadMs = 10;
        int workerMs = 5000;
        int finalMs = 1000;
    };
    using ProblemHandler = std::function<void(Problem problem, const QString& detail)>;
    using ModelFactory = std::function<std::unique_ptr<KVDSqliteModel>()>;

    static KVDSqliteOperation& shareOperation();

    // Tests only: closes the database and forgets its prepared statements. The next operation
    // opens databasePath, or the default file in Documents when it is empty.
    static void resetForTests(const QString& databasePath = QString());
    // Installs (or with an empty function removes) the receiver of problems; called on the
    // thread of the operation that met the problem, outside the store's lock.
    static void setProblemHandler(ProblemHandler handler);
    // The name the damaged database was set aside under, or "" when none was.
    QString recoveredDatabaseFile() const;

    // Tests give short time-outs; resetForTests() restores the defaults.
    static void setBusyTimeouts(const BusyTimeouts& timeouts);
    // While on, operations wait the final time-out for a lock (the writes at quit).
    void setFinalWrites(bool on);
    // What the last operation met (None after a success).
    Failure lastFailure() const;
    // True while the integrity check of the file runs.
    bool checkRunning() const;
    // Tests only: runs on the check's worker before it opens the file (a test holds it there).
    static void setCheckGateForTests(std::function<void()> gate);

    // "create table if not exists" with the model's property names as untyped columns; an
    // existing table is left as it is.
    bool createTableWithtableName(const QString& tableName, const KVDSqliteModel& model);

    // Inserts one row holding each property of the model that has a value.
    bool insertDataBaseWithtableName(const QString& tableName, const KVDSqliteModel& model,
                                     const Completion& completed = {});

    // Inserts one row per model in one transaction: all rows or, on failure, none. An empty list
    // inserts nothing and succeeds.
    bool insertsDataBaseWithtableName(const QString& tableName, const std::vector<const KVDSqliteModel*>& models,
                                      const Completion& completed = {});

    // The same for any list of models, pointers or smart pointers to models.
    template <typename List>
    bool insertsDataBaseWithtableName(const QString& tableName, const List& models, const Completion& completed = {})
    {
        std::vector<const KVDSqliteModel*> rows;
        rows.reserve(static_cast<size_t>(std::size(models)));
        for (const auto& model : models)
            rows.push_back(modelPointer(model));
        return insertsDataBaseWithtableName(tableName, rows, completed);
    }

    // Sets every property of the model that has a value, in each row whose column fieldName
    // equals the model's value of that property. A model without a value for it is refused.
    bool updataTableWithtableName(const QString& tableName, const QString& fieldName, const KVDSqliteModel& model,
                                  const Completion& completed = {});

    // Deletes every row of the table.
    bool delectAllDataBaseWithtableName(const QString& tableName, const Completion& completed = {});

    // Deletes the rows whose column fieldName equals the text.
    bool delectDataBaseWithtableName(const QString& tableName, const QString& fieldName,
                                     const QString& fieldNameValue, const Completion& completed = {});

    // Deletes the rows in which every named column equals its text (all conditions at once). An
    // empty list of conditions is refused rather than deleting every row.
    using FieldValues = QList<std::pair<QString, QString>>;
    bool delectDataBaseWithtableName(const QString& tableName, const FieldValues& fieldValues,
                                     const Completion& completed = {});

    // Replaces every row of the table with one row per model, in one transaction: on failure the
    // table keeps its old rows.
    bool replaceAllDataBaseWithtableName(const QString& tableName, const std::vector<const KVDSqliteModel*>& models,
                                         const Completion& completed = {});

    template <typename List>
    bool replaceAllDataBaseWithtableName(const QString& tableName, const List& models, const Completion& completed = {})
    {
        std::vector<const KVDSqliteModel*> rows;
        rows.reserve(static_cast<size_t>(std::size(models)));
        for (const auto& model : models)
            rows.push_back(modelPointer(model));
        return replaceAllDataBaseWithtableName(tableName, rows, completed);
    }

    // Every row of the table in table order, each as a new model from the factory with its
    // non-NULL columns assigned as text to the properties of the same names (columns that are no
    // property of the model are skipped). Empty, with the error logged, when the table cannot be
    // read; *ok, when given, tells the two apart.
    std::vector<std::unique_ptr<KVDSqliteModel>> selectAllDataBaseWithtableName(const QString& tableName,
                                                                                const ModelFactory& factory,
                                                                                bool* ok = nullptr);

    // The same with default-constructed models of the given class.
    template <typename Model>
    std::vector<std::unique_ptr<Model>> selectAllDataBaseWithtableName(const QString& tableName, bool* ok = nullptr)
    {
        static_assert(std::is_base_of_v<KVDSqliteModel, Model>, "Model must be a KVDSqliteModel");
        std::vector<std::unique_ptr<Model>> rows;
        const bool read = selectRows(tableName, [&rows]() -> KVDSqliteModel* {
            return rows.emplace_back(std::make_unique<Model>()).get();
        });
        if (!read)
            rows.clear();
        if (ok)
            *ok = read;
        return rows;
    }

    ~KVDSqliteOperation();

private:
    KVDSqliteOperation() = default;
    KVDSqliteOperation(const KVDSqliteOperation&) = delete;
    KVDSqliteOperation& operator=(const KVDSqliteOperation&) = delete;

    static const KVDSqliteModel* modelPointer(const KVDSqliteModel& model) { return &model; }
    static const KVDSqliteModel* modelPointer(const KVDSqliteModel* model) { return model; }
    template <typename Pointer>
    static auto modelPointer(const Pointer& model) -> decltype(static_cast<const KVDSqliteModel*>(model.get()))
    {
        return model.get();
    }

    // Runs the query and fills one model per row; nextModel gives the model of the next row.
    bool selectRows(const QString& tableName, const std::function<KVDSqliteModel*()>& nextModel);

    // The following expect m_mutex to be held.
    bool openLocked(QString* error);
    void closeLocked();
    sqlite3_stmt* statementLocked(const QString& sql, QString* error);
    bool execLocked(const char* sql, QString* error);
    bool stepLocked(sqlite3_stmt* statement, const std::vector<QByteArray>& values, QString* error);
    // Several rows go in one transaction of their own unless the caller holds one (inTransaction).
    bool insertRowsLocked(const QString& tableName, const std::vector<const KVDSqliteModel*>& models, QString* error,
                          bool inTransaction = false);
    QString lastErrorLocked() const;
    QString databasePathLocked(QString* whyNot) const;
    int busyTimeoutLocked() const;
    // Starts the integrity check of the open file on a worker, unless one runs.
    void startCheckLocked();
    struct CheckResult;
    // The check's verdict, on the main thread: sets a damaged file aside, tells of an
    // unreadable schema.
    void applyCheck(quint64 fileGeneration, const CheckResult& result);
    // Moves the damaged database (and its journal) aside and opens a new one.
    bool setAsideAndReopenLocked(const QString& path, QString* error);
    enum class Access { Read, Write, Schema };
    // Logs the first failure of a stretch, reports a lock or a database that cannot be used,
    // has the file checked after a damage met in use, and calls the completion.
    bool finish(bool ok, Access access, const QString& operation, const QString& tableName, const QString& error,
                const Completion& completed);

    mutable std::mutex m_mutex;
    // SQLite's primary result code of the last failure, kept for finish().
    mutable int m_lastErrorCode = 0;
    bool m_lockReported = false;
    bool m_unavailableReported = false;
    Failure m_lastFailure = Failure::None;
    bool m_finalWrites = false;
    BusyTimeouts m_timeouts;
    // The integrity check: done once per file, running, and the file's schema found unreadable.
    bool m_checked = false;
    bool m_checkRunning = false;
    // Cleared by the check's worker once it no longer reads the file (its lock is no other
    // program's), before its verdict reaches the main thread.
    std::shared_ptr<std::atomic<bool>> m_checkReading;
    bool m_schemaUnreadable = false;
    // Counts the files opened afresh (a set-aside, a reset): a verdict on an older one is dropped.
    quint64 m_fileGeneration = 0;
    QString m_recovered;
    QString m_recoveredToReport; // set aside while opening: told by the operation's finish
    sqlite3* m_db = nullptr;
    QString m_pathForTests;
    QHash<QString, sqlite3_stmt*> m_statements;
};
