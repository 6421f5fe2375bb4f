#include "KVDSqliteOperation.h"

#include "MMLog.h"
#include "RunOnMain.h"
#include "VQToolManager.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThreadPool>
#include <QVarLengthArray>
#include <QStringList>

#include <sqlite3.h>

#include <limits>
#include <optional>

namespace {

const QString kDatabaseName = QStringLiteral("VQSqliteDataBase");
const QString kDatabaseFileFormat = QStringLiteral("/%1.sqlite");
// What SQLite says of a schema entry it cannot parse (SQLITE_CORRUPT, like real damage).
constexpr char kSchemaErrorPrefix[] = "malformed database schema";

// Prepared statements kept for reuse; past this many (only reached with many different sets of
// present properties) the cache starts afresh.
constexpr int kMaxCachedStatements = 64;

KVDSqliteOperation::ProblemHandler& problemHandler()
{
    static KVDSqliteOperation::ProblemHandler handler;
    return handler;
}

std::function<void()>& checkGate()
{
    static std::function<void()> gate;
    return gate;
}

void report(const std::optional<std::pair<KVDSqliteOperation::Problem, QString>>& problem)
{
    if (problem && problemHandler())
        problemHandler()(problem->first, problem->second);
}

// Table and column names go into the SQL text, so only plain names are accepted.
bool isValidIdentifier(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool ok = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
        if (!ok)
            return false;
    }
    return true;
}

QString invalidNameError(const QString& kind, const QString& name)
{
    return QStringLiteral("Invalid %1 name \"%2\": only ASCII letters, digits and underscores are allowed")
        .arg(kind, name);
}

// A validated name, quoted so that names which are SQL keywords work too.
QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// The columns of a statement: each name quoted and followed by suffix ("=?" for an assignment or
// a condition), joined by separator; nothing (and the error) at the first name that is not a
// plain name.
std::optional<QString> columnList(const QStringList& names, QLatin1StringView suffix, QLatin1StringView separator,
                                  QString* error)
{
    QString list;
    for (const QString& name : names) {
        if (!isValidIdentifier(name)) {
            *error = invalidNameError(QStringLiteral("column"), name);
            return std::nullopt;
        }
        if (!list.isEmpty())
            list += separator;
        list += quoted(name) + suffix;
    }
    return list;
}

} // namespace

// What the integrity check found.
struct KVDSqliteOperation::CheckResult {
    enum class Verdict {
        Sound,
        Skipped,          // not checked (locked by another program, not readable here): operations tell
        NotADatabase,     // no SQLite file at all
        Damaged,          // pages the check finds damaged
        SchemaUnreadable, // sound pages, but a schema entry this SQLite cannot parse
    };
    Verdict verdict = Verdict::Skipped;
    QString detail;

    // Runs on a worker with connections of its own, read only.
    static CheckResult of(const QString& path, int busyTimeoutMs)
    {
        // The first pass says whether the schema parses; with writable_schema the check reads
        // the pages whatever entry of the schema this SQLite cannot parse.
        QString schemaError;
        for (const bool tolerateSchema : { false, true }) {
            sqlite3* db = nullptr;
            if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
                sqlite3_close(db);
                return {};
            }
            sqlite3_busy_timeout(db, busyTimeoutMs);
            if (tolerateSchema)
                sqlite3_exec(db, "pragma writable_schema=on", nullptr, nullptr, nullptr);
            sqlite3_stmt* statement = nullptr;
            int rc = sqlite3_prepare_v2(db, "pragma quick_check", -1, &statement, nullptr);
            QString verdict;
            if (rc == SQLITE_OK) {
                rc = sqlite3_step(statement);
                if (rc == SQLITE_ROW)
                    verdict = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
            }
            const QString message = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_finalize(statement);
            sqlite3_close(db);
            const int primary = rc & 0xff;
            if (primary == SQLITE_ROW)
                return verdict == QLatin1String("ok")
                    ? CheckResult { schemaError.isEmpty() ? Verdict::Sound : Verdict::SchemaUnreadable, schemaError }
                    : CheckResult { Verdict::Damaged, verdict };
            if (primary == SQLITE_NOTADB)
                return { Verdict::NotADatabase, message };
            if (primary == SQLITE_CORRUPT && !tolerateSchema && message.startsWith(QLatin1String(kSchemaErrorPrefix))) {
                schemaError = message;
                continue;
            }
            if (primary == SQLITE_CORRUPT)
                return { Verdict::Damaged, message };
            return {};
        }
        return {};
    }
};

bool KVDSqliteOperation::finish(bool ok, Access access, const QString& operation, const QString& tableName,
                                const QString& error, const Completion& completed)
{
    std::optional<std::pair<Problem, QString>> problem;
    bool logged = !ok;
    {
        std::lock_guard lock(m_mutex);
        const int code = ok ? SQLITE_OK : m_lastErrorCode;
        m_lastErrorCode = SQLITE_OK;
        m_lastFailure = Failure::None;
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
            m_lastFailure = Failure::Locked;
            // Our own integrity check reads the file for a moment: no other program to tell of.
            const bool ownCheck = m_checkReading && *m_checkReading;
            logged = !m_lockReported;
            if (!m_lockReported && !ownCheck) {
                problem = std::make_pair(Problem::Locked, QString());
                m_lockReported = true;
            }
        } else if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
            // Damage, or a schema this SQLite cannot parse: the check tells them apart, and only
            // damage sets the file aside.
            const bool schema = error.startsWith(QLatin1String(kSchemaErrorPrefix));
            m_lastFailure = schema && m_schemaUnreadable ? Failure::Unavailable : Failure::Damaged;
            logged = !m_checkRunning && !(schema && m_schemaUnreadable);
            if (logged)
                startCheckLocked();
        } else if (code != SQLITE_OK) {
            m_lastFailure = Failure::Unavailable;
            logged = !m_unavailableReported;
            if (!m_unavailableReported) {
                QString whyNot;
                const QString path = databasePathLocked(&whyNot);
                problem = std::make_pair(Problem::Unavailable, path.isEmpty() ? error : QStringLiteral("%1 (%2)").arg(error, path));
                m_unavailableReported = true;
            }
        } else if (!ok) {
            // A refusal before SQLite was asked (a wrong name): always logged, nothing to tell.
            logged = true;
        }
        if (ok) {
            m_lockReported = false;
            if (access == Access::Write)
                m_unavailableReported = false;
        }
        if (!m_recoveredToReport.isEmpty()) {
            problem = std::make_pair(Problem::Recovered, m_recoveredToReport);
            m_recoveredToReport.clear();
        }
    }
    if (logged)
        VQLogError(QStringLiteral("SQLite %1 on table \"%2\" failed: %3").arg(operation, tableName, error));
    report(problem);
    if (completed)
        completed(ok, ok ? QString() : error);
    return ok;
}

void KVDSqliteOperation::setProblemHandler(ProblemHandler handler)
{
    problemHandler() = std::move(handler);
}

QString KVDSqliteOperation::recoveredDatabaseFile() const
{
    std::lock_guard lock(m_mutex);
    return m_recovered;
}

void KVDSqliteOperation::setBusyTimeouts(const BusyTimeouts& timeouts)
{
    KVDSqliteOperation& operation = shareOperation();
    std::lock_guard lock(operation.m_mutex);
    operation.m_timeouts = timeouts;
}

void KVDSqliteOperation::setFinalWrites(bool on)
{
    std::lock_guard lock(m_mutex);
    m_finalWrites = on;
}

KVDSqliteOperation::Failure KVDSqliteOperation::lastFailure() const
{
    std::lock_guard lock(m_mutex);
    return m_lastFailure;
}

bool KVDSqliteOperation::checkRunning() const
{
    std::lock_guard lock(m_mutex);
    return m_checkRunning;
}

void KVDSqliteOperation::setCheckGateForTests(std::function<void()> gate)
{
    KVDSqliteOperation& operation = shareOperation();
    std::lock_guard lock(operation.m_mutex);
    checkGate() = std::move(gate);
}

KVDSqliteOperation& KVDSqliteOperation::shareOperation()
{
    // Never destroyed: the end after the loss of the X server writes pending tables from an
    // exit() hook, after the static destructors have begun.
    static auto* operation = new KVDSqliteOperation;
    return *operation;
}

KVDSqliteOperation::~KVDSqliteOperation()
{
    std::lock_guard lock(m_mutex);
    closeLocked();
}

void KVDSqliteOperation::resetForTests(const QString& databasePath)
{
    KVDSqliteOperation& operation = shareOperation();
    std::lock_guard lock(operation.m_mutex);
    operation.closeLocked();
    operation.m_pathForTests = databasePath;
    operation.m_lockReported = false;
    operation.m_unavailableReported = false;
    operation.m_lastFailure = Failure::None;
    operation.m_finalWrites = false;
    operation.m_timeouts = BusyTimeouts();
    operation.m_checked = false;
    operation.m_checkRunning = false;
    operation.m_checkReading.reset();
    operation.m_schemaUnreadable = false;
    ++operation.m_fileGeneration;
    operation.m_lastErrorCode = SQLITE_OK;
    operation.m_recovered.clear();
    operation.m_recoveredToReport.clear();
}

bool KVDSqliteOperation::createTableWithtableName(const QString& tableName, const KVDSqliteModel& model)
{
    QString error;
    const QStringList names = model.propertyNames();
    std::optional<QString> columns;
    if (!isValidIdentifier(tableName))
        error = invalidNameError(QStringLiteral("table"), tableName);
    else if (names.isEmpty())
        error = QStringLiteral("The model has no properties to make columns of");
    else
        columns = columnList(names, {}, QLatin1StringView(","), &error);
    bool ok = columns.has_value();
    if (ok) {
        std::lock_guard lock(m_mutex);
        const QString sql = QStringLiteral("create table if not exists %1(%2)").arg(quoted(tableName), *columns);
        ok = openLocked(&error) && execLocked(sql.toUtf8().constData(), &error);
    }
    return finish(ok, Access::Schema, QStringLiteral("create table"), tableName, error, {});
}

bool KVDSqliteOperation::insertDataBaseWithtableName(const QString& tableName, const KVDSqliteModel& model,
                                                     const Completion& completed)
{
    QString error;
    bool ok;
    {
        std::lock_guard lock(m_mutex);
        ok = insertRowsLocked(tableName, { &model }, &error);
    }
    return finish(ok, Access::Write, QStringLiteral("insert"), tableName, error, completed);
}

bool KVDSqliteOperation::insertsDataBaseWithtableName(const QString& tableName,
                                                      const std::vector<const KVDSqliteModel*>& models,
                                                      const Completion& completed)
{
    QString error;
    bool ok;
    {
        std::lock_guard lock(m_mutex);
        ok = insertRowsLocked(tableName, models, &error);
    }
    return finish(ok, Access::Write, QStringLiteral("insert"), tableName, error, completed);
}

bool KVDSqliteOperation::insertRowsLocked(const QString& tableName, const std::vector<const KVDSqliteModel*>& models,
                                          QString* error, bool inTransaction)
{
    if (!isValidIdentifier(tableName)) {
        *error = invalidNameError(QStringLiteral("table"), tableName);
        return false;
    }
    for (const KVDSqliteModel* model : models) {
        if (model == nullptr) {
            *error = QStringLiteral("The list of rows holds a null model");
            return false;
        }
    }
    if (models.empty())
        return true;
    if (!openLocked(error))
        return false;

    // One row is atomic by itself; several go in one transaction, which is also what makes a
    // large batch fast (one commit instead of one per row).
    const bool transaction = models.size() > 1 && !inTransaction;
    if (transaction && !execLocked("begin immediate", error))
        return false;

    const QString table = quoted(tableName);
    // Consecutive rows usually have the same properties with the same ones set: they share one
    // statement, found again without building its SQL.
    QStringList lastNames;
    QVarLengthArray<bool, 16> lastPresent;
    QVarLengthArray<bool, 16> present;
    sqlite3_stmt* statement = nullptr;
    std::vector<QByteArray> values;
    bool ok = true;
    for (const KVDSqliteModel* model : models) {
        values.clear();
        present.clear();
        const QStringList names = model->propertyNames();
        for (const QString& name : names) {
            std::optional<QString> value = model->propertyText(name);
            present.append(value.has_value());
            if (value)
                values.push_back(value->toUtf8());
        }
        if (statement == nullptr || present != lastPresent || names != lastNames) {
            QStringList setNames;
            for (qsizetype i = 0; i < names.size(); ++i) {
                if (present[i])
                    setNames << names[i];
            }
            const std::optional<QString> columns = columnList(setNames, {}, QLatin1StringView(","), error);
            if (!columns) {
                ok = false;
                break;
            }
            const QString marks = QStringList(setNames.size(), QStringLiteral("?")).join(QLatin1Char(','));
            const QString sql = values.empty() ? QStringLiteral("insert into %1 default values").arg(table)
                                               : QStringLiteral("insert into %1(%2) values(%3)").arg(table, *columns, marks);
            statement = statementLocked(sql, error);
            lastNames = names;
            lastPresent = present;
            if (statement == nullptr) {
                ok = false;
                break;
            }
        }
        if (!stepLocked(statement, values, error)) {
            ok = false;
            break;
        }
    }

    if (transaction) {
        if (ok && !execLocked("commit", error))
            ok = false;
        if (!ok && !sqlite3_get_autocommit(m_db)) {
            QString ignored;
            execLocked("rollback", &ignored);
        }
    }
    return ok;
}

bool KVDSqliteOperation::updataTableWithtableName(const QString& tableName, const QString& fieldName,
                                                  const KVDSqliteModel& model, const Completion& completed)
{
    QString error;
    bool ok = true;
    std::optional<QString> key;
    const QStringList names = model.propertyNames();
    if (!isValidIdentifier(tableName)) {
        error = invalidNameError(QStringLiteral("table"), tableName);
        ok = false;
    } else if (!isValidIdentifier(fieldName)) {
        error = invalidNameError(QStringLiteral("column"), fieldName);
        ok = false;
    } else if (!names.contains(fieldName)) {
        error = QStringLiteral("The model has no property \"%1\"").arg(fieldName);
        ok = false;
    } else if (!(key = model.propertyText(fieldName))) {
        error = QStringLiteral("The model has no value for \"%1\" to find the rows by").arg(fieldName);
        ok = false;
    }

    QStringList setNames;
    std::vector<QByteArray> values;
    for (const QString& name : names) {
        if (std::optional<QString> value = model.propertyText(name); ok && value) {
            setNames << name;
            values.push_back(value->toUtf8());
        }
    }
    std::optional<QString> assignments;
    if (ok)
        assignments = columnList(setNames, QLatin1StringView("=?"), QLatin1StringView(","), &error);
    ok = assignments.has_value();
    if (ok) {
        values.push_back(key->toUtf8());
        const QString sql =
            QStringLiteral("update %1 set %2 where %3=?").arg(quoted(tableName), *assignments, quoted(fieldName));
        std::lock_guard lock(m_mutex);
        sqlite3_stmt* statement = nullptr;
        ok = openLocked(&error) && (statement = statementLocked(sql, &error)) != nullptr
            && stepLocked(statement, values, &error);
    }
    return finish(ok, Access::Write, QStringLiteral("update"), tableName, error, completed);
}

bool KVDSqliteOperation::delectAllDataBaseWithtableName(const QString& tableName, const Completion& completed)
{
    QString error;
    bool ok = isValidIdentifier(tableName);
    if (!ok) {
        error = invalidNameError(QStringLiteral("table"), tableName);
    } else {
        const QString sql = QStringLiteral("delete from %1").arg(quoted(tableName));
        std::lock_guard lock(m_mutex);
        ok = openLocked(&error) && execLocked(sql.toUtf8().constData(), &error);
    }
    return finish(ok, Access::Write, QStringLiteral("delete"), tableName, error, completed);
}

bool KVDSqliteOperation::delectDataBaseWithtableName(const QString& tableName, const QString& fieldName,
                                                     const QString& fieldNameValue, const Completion& completed)
{
    QString error;
    bool ok = false;
    if (!isValidIdentifier(tableName)) {
        error = invalidNameError(QStringLiteral("table"), tableName);
    } else if (!isValidIdentifier(fieldName)) {
        error = invalidNameError(QStringLiteral("column"), fieldName);
    } else {
        const QString sql = QStringLiteral("delete from %1 where %2=?").arg(quoted(tableName), quoted(fieldName));
        std::lock_guard lock(m_mutex);
        sqlite3_stmt* statement = nullptr;
        ok = openLocked(&error) && (statement = statementLocked(sql, &error)) != nullptr
            && stepLocked(statement, { fieldNameValue.toUtf8() }, &error);
    }
    return finish(ok, Access::Write, QStringLiteral("delete"), tableName, error, completed);
}

bool KVDSqliteOperation::delectDataBaseWithtableName(const QString& tableName, const FieldValues& fieldValues,
                                                     const Completion& completed)
{
    QString error;
    QStringList fields;
    std::vector<QByteArray> values;
    for (const auto& [field, value] : fieldValues) {
        fields << field;
        values.push_back(value.toUtf8());
    }
    std::optional<QString> conditions;
    if (!isValidIdentifier(tableName))
        error = invalidNameError(QStringLiteral("table"), tableName);
    else if (fieldValues.isEmpty())
        error = QStringLiteral("A delete needs at least one column to find the rows by");
    else
        conditions = columnList(fields, QLatin1StringView("=?"), QLatin1StringView(" and "), &error);
    bool ok = conditions.has_value();
    if (ok) {
        const QString sql = QStringLiteral("delete from %1 where %2").arg(quoted(tableName), *conditions);
        std::lock_guard lock(m_mutex);
        sqlite3_stmt* statement = nullptr;
        ok = openLocked(&error) && (statement = statementLocked(sql, &error)) != nullptr
            && stepLocked(statement, values, &error);
    }
    return finish(ok, Access::Write, QStringLiteral("delete"), tableName, error, completed);
}

bool KVDSqliteOperation::replaceAllDataBaseWithtableName(const QString& tableName,
                                                         const std::vector<const KVDSqliteModel*>& models,
                                                         const Completion& completed)
{
    QString error;
    bool ok = isValidIdentifier(tableName);
    if (!ok) {
        error = invalidNameError(QStringLiteral("table"), tableName);
    } else {
        const QString sql = QStringLiteral("delete from %1").arg(quoted(tableName));
        std::lock_guard lock(m_mutex);
        ok = openLocked(&error) && execLocked("begin immediate", &error);
        if (ok) {
            ok = execLocked(sql.toUtf8().constData(), &error) && insertRowsLocked(tableName, models, &error, true)
                && execLocked("commit", &error);
            if (!ok && !sqlite3_get_autocommit(m_db)) {
                QString ignored;
                execLocked("rollback", &ignored);
            }
        }
    }
    return finish(ok, Access::Write, QStringLiteral("replace"), tableName, error, completed);
}

std::vector<std::unique_ptr<KVDSqliteModel>> KVDSqliteOperation::selectAllDataBaseWithtableName(
    const QString& tableName, const ModelFactory& factory, bool* ok)
{
    std::vector<std::unique_ptr<KVDSqliteModel>> rows;
    const bool read = factory && selectRows(tableName, [&rows, &factory]() -> KVDSqliteModel* {
        std::unique_ptr<KVDSqliteModel> model = factory();
        return model ? rows.emplace_back(std::move(model)).get() : nullptr;
    });
    if (!read)
        rows.clear();
    if (ok)
        *ok = read;
    return rows;
}

bool KVDSqliteOperation::selectRows(const QString& tableName, const std::function<KVDSqliteModel*()>& nextModel)
{
    QString error;
    bool ok = false;
    if (!isValidIdentifier(tableName)) {
        error = invalidNameError(QStringLiteral("table"), tableName);
    } else {
        std::lock_guard lock(m_mutex);
        const QString sql = QStringLiteral("select * from %1 order by rowid").arg(quoted(tableName));
        sqlite3_stmt* statement = nullptr;
        if (openLocked(&error) && (statement = statementLocked(sql, &error)) != nullptr) {
            const int columnCount = sqlite3_column_count(statement);
            QStringList columns;
            for (int i = 0; i < columnCount; ++i)
                columns << QString::fromUtf8(sqlite3_column_name(statement, i));
            // Which columns the models have a property for; worked out with the first model.
            std::vector<bool> known;
            ok = true;
            int rc;
            while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
                KVDSqliteModel* model = nextModel();
                if (model == nullptr) {
                    error = QStringLiteral("The model factory made no model");
                    ok = false;
                    break;
                }
                if (known.empty()) {
                    const QStringList properties = model->propertyNames();
                    const QSet<QString> propertySet(properties.cbegin(), properties.cend());
                    for (const QString& column : columns)
                        known.push_back(propertySet.contains(column));
                }
                for (int i = 0; i < columnCount; ++i) {
                    if (!known[static_cast<size_t>(i)] || sqlite3_column_type(statement, i) == SQLITE_NULL)
                        continue;
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                    const int bytes = sqlite3_column_bytes(statement, i);
                    model->setPropertyText(columns.at(i), QString::fromUtf8(text, bytes));
                }
            }
            if (ok && rc != SQLITE_DONE) {
                error = lastErrorLocked();
                ok = false;
            }
            sqlite3_reset(statement);
        }
    }
    return finish(ok, Access::Read, QStringLiteral("select"), tableName, error, {});
}

QString KVDSqliteOperation::databasePathLocked(QString* whyNot) const
{
    return m_pathForTests.isEmpty() ? VQToolManager::getFilePath(kDatabaseFileFormat.arg(kDatabaseName), whyNot)
                                    : m_pathForTests;
}

int KVDSqliteOperation::busyTimeoutLocked() const
{
    if (m_finalWrites)
        return m_timeouts.finalMs;
    return mm::isMainThread() ? m_timeouts.mainThreadMs : m_timeouts.workerMs;
}

bool KVDSqliteOperation::openLocked(QString* error)
{
    if (m_db != nullptr) {
        sqlite3_busy_timeout(m_db, busyTimeoutLocked());
        return true;
    }
    QString whyNot;
    const QString path = databasePathLocked(&whyNot);
    if (path.isEmpty()) {
        // Never fall back to a temporary database: what is stored there would be lost. Without
        // a home folder the program writes nothing and has told the user so already.
        *error = QStringLiteral("unable to open database file: %1").arg(whyNot);
        m_lastErrorCode = VQToolManager::filesDisabled() ? SQLITE_OK : SQLITE_CANTOPEN;
        return false;
    }
    if (QFileInfo(path).isDir()) {
        // No database can be at a folder's place: set aside at once, with no check.
        if (!setAsideAndReopenLocked(path, error))
            return false;
        m_recoveredToReport = m_recovered;
        return true;
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        *error = QStringLiteral("%1: %2").arg(QString::fromUtf8(db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc)), path);
        m_lastErrorCode = rc & 0xff;
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, busyTimeoutLocked());
    m_db = db;
    if (!m_checked) {
        m_checked = true;
        startCheckLocked();
    }
    // The default rollback journal with synchronous=FULL is kept: every commit is durable, and
    // a write-ahead log measured no faster for the batch inserts (one transaction each) while it
    // would add two more files next to the database in the user's Documents folder.
    return true;
}

void KVDSqliteOperation::startCheckLocked()
{
    if (m_checkRunning)
        return;
    QString whyNot;
    const QString path = databasePathLocked(&whyNot);
    if (path.isEmpty())
        return;
    m_checkRunning = true;
    m_checkReading = std::make_shared<std::atomic<bool>>(true);
    // The check reads every page once: a second for a file of a few hundred megabytes, which
    // the caller must not wait for. Operations meanwhile use the file as it is; a lock held by
    // another program skips the check.
    QThreadPool::globalInstance()->start([path, generation = m_fileGeneration, busyMs = m_timeouts.workerMs,
                                          gate = checkGate(), reading = m_checkReading] {
        if (gate)
            gate();
        const CheckResult result = CheckResult::of(path, busyMs);
        *reading = false;
        mm::runOnMain([generation, result] { shareOperation().applyCheck(generation, result); });
    });
}

void KVDSqliteOperation::applyCheck(quint64 fileGeneration, const CheckResult& result)
{
    using Verdict = CheckResult::Verdict;
    std::optional<std::pair<Problem, QString>> problem;
    {
        std::lock_guard lock(m_mutex);
        if (fileGeneration != m_fileGeneration)
            return; // a file since set aside or replaced
        m_checkRunning = false;
        QString whyNot;
        const QString path = databasePathLocked(&whyNot);
        switch (result.verdict) {
        case Verdict::Sound:
            m_schemaUnreadable = false;
            break;
        case Verdict::Skipped:
            break;
        case Verdict::NotADatabase:
        case Verdict::Damaged: {
            VQLogError(QStringLiteral("the local database is damaged: %1").arg(result.detail));
            QString error;
            if (setAsideAndReopenLocked(path, &error)) {
                problem = std::make_pair(Problem::Recovered, m_recovered);
            } else {
                VQLogError(QStringLiteral("the damaged database stays where it is: %1").arg(error));
                if (!std::exchange(m_unavailableReported, true))
                    problem = std::make_pair(Problem::Unavailable, error);
            }
            break;
        }
        case Verdict::SchemaUnreadable:
            // Sound, but not for this SQLite: kept as it is; the lists live in memory.
            m_schemaUnreadable = true;
            VQLogWarn(QStringLiteral("the local database %1 cannot be read by SQLite %2 and is left as it is: %3")
                          .arg(path, QString::fromLatin1(sqlite3_libversion()), result.detail));
            if (!m_unavailableReported) {
                m_unavailableReported = true;
                problem = std::make_pair(Problem::Unavailable, QStringLiteral("%1 (%2)").arg(result.detail, path));
            }
            break;
        }
    }
    report(problem);
}

bool KVDSqliteOperation::setAsideAndReopenLocked(const QString& path, QString* error)
{
    closeLocked();
    // A name of its own, also for a second file set aside within the same second.
    const QString stamp = path + QStringLiteral(".corrupt-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stamp;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo::exists(aside + QStringLiteral("-journal")); ++n)
        aside = stamp + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, aside)) {
        *error = QStringLiteral("the damaged database %1 cannot be set aside").arg(path);
        m_lastErrorCode = SQLITE_CANTOPEN;
        return false;
    }
    // Its journal and write-ahead log belong to it.
    for (const char* suffix : { "-journal", "-wal", "-shm" })
        QFile::rename(path + QLatin1String(suffix), aside + QLatin1String(suffix));
    VQLogWarn(QStringLiteral("the damaged database was set aside as %1; a new one is made").arg(aside));
    m_recovered = aside;
    ++m_fileGeneration;
    m_checked = true;
    m_schemaUnreadable = false;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        *error = QStringLiteral("%1: %2").arg(QString::fromUtf8(db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc)), path);
        m_lastErrorCode = rc & 0xff;
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, busyTimeoutLocked());
    m_db = db;
    return true;
}

void KVDSqliteOperation::closeLocked()
{
    for (sqlite3_stmt* statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    m_statements.clear();
    if (m_db != nullptr) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

sqlite3_stmt* KVDSqliteOperation::statementLocked(const QString& sql, QString* error)
{
    if (sqlite3_stmt* cached = m_statements.value(sql))
        return cached;
    if (m_statements.size() >= kMaxCachedStatements) {
        for (sqlite3_stmt* statement : std::as_const(m_statements))
            sqlite3_finalize(statement);
        m_statements.clear();
    }
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(m_db, text.constData(), static_cast<int>(text.size()), SQLITE_PREPARE_PERSISTENT,
                           &statement, nullptr)
        != SQLITE_OK) {
        *error = lastErrorLocked();
        sqlite3_finalize(statement);
        return nullptr;
    }
    m_statements.insert(sql, statement);
    return statement;
}

bool KVDSqliteOperation::execLocked(const char* sql, QString* error)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        m_lastErrorCode = sqlite3_errcode(m_db) & 0xff;
        *error = message != nullptr ? QString::fromUtf8(message) : lastErrorLocked();
        sqlite3_free(message);
        return false;
    }
    return true;
}

bool KVDSqliteOperation::stepLocked(sqlite3_stmt* statement, const std::vector<QByteArray>& values, QString* error)
{
    int index = 1;
    for (const QByteArray& value : values) {
        if (value.size() > std::numeric_limits<int>::max()) {
            *error = QStringLiteral("string or blob too big");
            sqlite3_clear_bindings(statement);
            return false;
        }
        // The bytes live until the bindings are cleared below, so SQLite need not copy them.
        if (sqlite3_bind_text(statement, index++, value.constData(), static_cast<int>(value.size()), SQLITE_STATIC)
            != SQLITE_OK) {
            *error = lastErrorLocked();
            sqlite3_clear_bindings(statement);
            return false;
        }
    }
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    }
    const bool ok = rc == SQLITE_DONE;
    if (!ok)
        *error = lastErrorLocked();
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return ok;
}

QString KVDSqliteOperation::lastErrorLocked() const
{
    m_lastErrorCode = sqlite3_errcode(m_db) & 0xff;
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}
