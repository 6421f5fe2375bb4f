#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

// The program's user defaults: typed values under arbitrary text keys (a key may hold "/",
// some keys are file paths), a registration domain of defaults, and one JSON file written
// atomically with mode 0600.
//
// Values kept with their type: bool, integer (64-bit), double, text, bytes, lists and maps of
// these. A setter changes memory at once and emits `changed`; the file is written by
// `synchronize()`, or by the event loop shortly after the change when nobody synchronises, or
// when the store is destroyed, so nothing set is lost.
//
// The file is replaced only by a complete new one (mm::writeFileAtomically): a full disk or
// any other failed write leaves the old file whole and the values in memory; they are written
// at the next change, synchronize() or retry.
//
// A file that cannot be read as the store's JSON is moved aside under a new name (logged and
// reported by `recoveredCorruptFile()`), and the store starts from its defaults. A readable file
// holding values of an unexpected form loses only those values (logged, named by
// `droppedKeys()`), and only once a copy of the file as it was is safely on the disk beside it:
// until the copy can be made (a full disk) they stay in the file as they were read.
class UserDefaults : public QObject {
    Q_OBJECT
public:
    explicit UserDefaults(const QString& filePath, QObject* parent = nullptr);
    ~UserDefaults() override;

    // The process's store, in the XDG config folder under the application's name. Never
    // destroyed (the end after the X server's loss writes it from an exit() hook): the program
    // writes it at quit.
    static UserDefaults& standard();
    // Tests only: forgets every value and registered default of the standard store and removes its file.
    static void resetStandardForTests();

    QString filePath() const;

    // The value set under the key, else the registered default, else an invalid QVariant.
    QVariant objectForKey(const QString& key) const;
    // True when a value (not only a default) is set under the key.
    bool hasValueForKey(const QString& key) const;

    bool boolForKey(const QString& key) const;          // false when absent; numbers and texts read as truth values
    qint64 integerForKey(const QString& key) const;     // 0 when absent or not a number
    double doubleForKey(const QString& key) const;      // 0 when absent or not a number
    QString stringForKey(const QString& key) const;     // "" when absent; a number as its decimal text
    QByteArray dataForKey(const QString& key) const;    // empty when absent or not bytes
    QVariantList arrayForKey(const QString& key) const; // empty when absent or not a list
    QVariantMap dictionaryForKey(const QString& key) const; // empty when absent or not a map

    // The largest value stored, counted as its compact JSON text.
    static constexpr qint64 kValueLimitBytes = 512 * 1024;
    // Sets the value; an invalid QVariant removes the key. An equal value changes nothing. A
    // value larger than kValueLimitBytes is not stored (logged); the key keeps what it held.
    void setValue(const QString& key, const QVariant& value);
    void removeObjectForKey(const QString& key);

    // Defaults answered for keys with no value of their own; never written to the file.
    void registerDefaults(const QVariantMap& defaults);

    // With no usable home folder the store keeps its values in memory only: synchronize()
    // writes nothing and returns false, without writeFailed (the program has told the user).
    static void setWritesDisabled(bool disabled);
    // Writes pending changes now. True when the file holds every value (also when nothing was pending).
    bool synchronize();

    // How often the file has been written (for tests and diagnostics).
    int writeCount() const;
    // The name the unreadable file was moved (or, when values were dropped, copied) to, or ""
    // when the file was fine or its copy could not be made yet.
    QString recoveredCorruptFile() const;
    // The keys whose values could not be read at load for their unexpected form: dropped once
    // recoveredCorruptFile() holds the copy, kept in the file as read until then.
    QStringList droppedKeys() const;

    // The pause before a failed write is tried again when nothing else changes (30 s).
    int retryIntervalMs() const;
    void setRetryIntervalMs(int ms);

Q_SIGNALS:
    void changed(const QString& key);
    // The file could not be written (read-only or immutable file, read-only home, a file where
    // its folder should be, a full disk). Emitted once when writing starts to fail, again only
    // after a write succeeded in between; the values stay in memory, and every later change and
    // a retry after retryIntervalMs() try again. May be emitted on the thread that synchronises.
    void writeFailed(const QString& path, const QString& reason);

private:
    void load();
    void scheduleSave();
    void scheduleRetry();
    void clearForTests();
    // Copies the file as it was read beside it; once the copy is on the disk the unreadable
    // values are dropped. Call with m_writeMutex held.
    void keepUnreadableValuesAside();

    mutable QMutex m_mutex;
    // Held by synchronize() from taking the snapshot until the file is written.
    QMutex m_writeMutex;
    QString m_path;
    QVariantMap m_values;
    QVariantMap m_defaults;
    // Values of an unexpected form, as read, and the file they came from, until its copy is made.
    QJsonObject m_unreadable;
    QByteArray m_readBytes;
    bool m_dirty = false;
    bool m_saveScheduled = false;
    bool m_retryScheduled = false;
    int m_retryIntervalMs = 30000;
    int m_writeCount = 0;
    bool m_writeFailing = false;
    QString m_recovered;
    QStringList m_dropped;
};
