#include "UserDefaults.h"

#include "MMFile.h"
#include "MMLog.h"
#include "MMPrivateFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSequentialIterable>
#include <QStandardPaths>
#include <QTimer>

#include <atomic>
#include <cmath>
#include <limits>

namespace {

constexpr int kFormatVersion = 1;
constexpr qint64 kMaxExactJsonInteger = qint64(1) << 53;

// Values are kept in the file with their type:
//   bool -> true/false, integer -> number (or {"i": "text"} beyond 2^53), double -> {"d": number},
//   text -> string, bytes -> {"b": base64}, list -> array, map -> {"m": {...}}.
QJsonValue encode(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: {
        const qint64 v = value.toLongLong();
        if (v > -kMaxExactJsonInteger && v < kMaxExactJsonInteger)
            return double(v);
        return QJsonObject{{QStringLiteral("i"), QString::number(v)}};
    }
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const quint64 v = value.toULongLong();
        if (v < quint64(kMaxExactJsonInteger))
            return double(v);
        return QJsonObject{{QStringLiteral("i"), QString::number(v)}};
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (std::isfinite(d))
            return QJsonObject{{QStringLiteral("d"), d}};
        return QJsonObject{{QStringLiteral("d"), QString::number(d)}};
    }
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QByteArray:
        return QJsonObject{{QStringLiteral("b"), QString::fromLatin1(value.toByteArray().toBase64())}};
    case QMetaType::QVariantMap: {
        QJsonObject inner;
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            inner.insert(it.key(), encode(it.value()));
        return QJsonObject{{QStringLiteral("m"), inner}};
    }
    default:
        break;
    }
    if (!value.isValid() || value.isNull())
        return QJsonValue::Null;
    if (value.canConvert<QVariantList>()) {
        QJsonArray array;
        const QSequentialIterable items = value.value<QSequentialIterable>();
        for (const QVariant& item : items)
            array.append(encode(item));
        return array;
    }
    if (value.canConvert<QVariantMap>())
        return encode(QVariant(value.toMap()));
    return value.toString();
}

bool decode(const QJsonValue& json, QVariant& out)
{
    switch (json.type()) {
    case QJsonValue::Null:
        out = QVariant();
        return true;
    case QJsonValue::Bool:
        out = json.toBool();
        return true;
    case QJsonValue::Double: {
        const double d = json.toDouble();
        if (std::floor(d) == d && std::fabs(d) < double(kMaxExactJsonInteger))
            out = qint64(d);
        else
            out = d;
        return true;
    }
    case QJsonValue::String:
        out = json.toString();
        return true;
    case QJsonValue::Array: {
        QVariantList list;
        for (const QJsonValue& item : json.toArray()) {
            QVariant v;
            if (!decode(item, v))
                return false;
            list.append(v);
        }
        out = list;
        return true;
    }
    case QJsonValue::Object: {
        const QJsonObject obj = json.toObject();
        if (obj.size() != 1)
            return false;
        const QString tag = obj.begin().key();
        const QJsonValue inner = obj.begin().value();
        if (tag == QLatin1String("i") && inner.isString()) {
            bool ok = false;
            const qint64 v = inner.toString().toLongLong(&ok);
            if (ok) {
                out = v;
                return true;
            }
            const quint64 u = inner.toString().toULongLong(&ok);
            out = u;
            return ok;
        }
        if (tag == QLatin1String("d")) {
            if (inner.isDouble()) {
                out = inner.toDouble();
                return true;
            }
            bool ok = false;
            out = inner.toString().toDouble(&ok);
            return ok || inner.toString() == QLatin1String("nan");
        }
        if (tag == QLatin1String("b") && inner.isString()) {
            auto result = QByteArray::fromBase64Encoding(inner.toString().toLatin1(),
                                                         QByteArray::AbortOnBase64DecodingErrors);
            if (!result)
                return false;
            out = *result;
            return true;
        }
        if (tag == QLatin1String("m") && inner.isObject()) {
            QVariantMap map;
            const QJsonObject members = inner.toObject();
            for (auto it = members.begin(); it != members.end(); ++it) {
                QVariant v;
                if (!decode(it.value(), v))
                    return false;
                map.insert(it.key(), v);
            }
            out = map;
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

// A number read as an integer: NaN is no number (0); values beyond the range are clamped, since
// converting them is undefined.
qint64 integerFromDouble(double d)
{
    if (std::isnan(d))
        return 0;
    if (d >= 9223372036854775808.0)
        return std::numeric_limits<qint64>::max();
    if (d < -9223372036854775808.0)
        return std::numeric_limits<qint64>::min();
    return qint64(d);
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.isValid() != b.isValid())
        return false;
    if (a.typeId() != b.typeId())
        return false;
    return a == b;
}

} // namespace

UserDefaults::UserDefaults(const QString& filePath, QObject* parent)
    : QObject(parent)
    , m_path(filePath)
{
    load();
}

UserDefaults::~UserDefaults()
{
    synchronize();
}

UserDefaults& UserDefaults::standard()
{
    // Never destroyed: the end after the loss of the X server writes it from an exit() hook,
    // after the static destructors have begun. The program writes it at quit.
    static auto* store = new UserDefaults(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                                          + QStringLiteral("/defaults.json"));
    return *store;
}

void UserDefaults::resetStandardForTests()
{
    standard().clearForTests();
}

void UserDefaults::clearForTests()
{
    QMutexLocker lock(&m_mutex);
    m_values.clear();
    m_defaults.clear();
    m_unreadable = {};
    m_readBytes.clear();
    m_dirty = false;
    m_retryScheduled = false;
    m_writeCount = 0;
    m_writeFailing = false;
    m_recovered.clear();
    m_dropped.clear();
    QFile::remove(m_path);
}

QString UserDefaults::filePath() const
{
    return m_path;
}

void UserDefaults::load()
{
    // Behind links (a settings file kept in another folder) the file read, and set aside when it
    // cannot be read, is the one they lead to: the links stay.
    const QString behindLinks = mm::fileBehindLinks(m_path);
    QFile file(behindLinks.isEmpty() ? m_path : behindLinks);
    if (!file.exists())
        return;
    QString problem;
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
    } else {
        QJsonParseError parseError{};
        const QByteArray bytes = file.readAll();
        const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
        file.close();
        const QJsonValue values = doc.object().value(QStringLiteral("values"));
        if (parseError.error != QJsonParseError::NoError) {
            problem = parseError.errorString();
        } else if (!doc.isObject() || !values.isObject()) {
            problem = QStringLiteral("not a settings object");
        } else {
            // A value of an unexpected shape costs only that value, never the rest of the file,
            // and only once the file as it was is kept beside it.
            const QJsonObject members = values.toObject();
            for (auto it = members.begin(); it != members.end(); ++it) {
                QVariant value;
                if (decode(it.value(), value)) {
                    m_values.insert(it.key(), value);
                } else {
                    m_unreadable.insert(it.key(), it.value());
                    m_dropped.append(it.key());
                }
            }
            if (m_dropped.isEmpty())
                return;
            m_readBytes = bytes;
            QMutexLocker writeLock(&m_writeMutex);
            keepUnreadableValuesAside();
            return;
        }
    }

    // Keep the unreadable file for the user: nothing is silently thrown away.
    const QString aside = file.fileName() + QStringLiteral(".corrupt-")
                          + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (file.rename(aside))
        m_recovered = aside;
    else
        m_recovered = file.fileName();
    VQLogError(QStringLiteral("Settings file %1 cannot be read (%2); kept as %3, starting from defaults")
                   .arg(m_path, problem, m_recovered));
}

void UserDefaults::keepUnreadableValuesAside()
{
    QByteArray original;
    QString keys;
    {
        QMutexLocker lock(&m_mutex);
        if (m_unreadable.isEmpty())
            return;
        original = m_readBytes;
        keys = m_dropped.join(QStringLiteral(", "));
    }
    const QString copy = m_path + QStringLiteral(".corrupt-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString reason;
    if (!mm::writeFileAtomically(copy, original, &reason)) {
        VQLogError(QStringLiteral("Settings file %1: value(s) of an unexpected form (%2) kept as read: the file as it was "
                                  "cannot be copied to %3 (%4)")
                       .arg(m_path, keys, copy, reason));
        scheduleRetry();
        return;
    }
    {
        QMutexLocker lock(&m_mutex);
        m_recovered = copy;
        m_unreadable = {};
        m_readBytes.clear();
        m_dirty = true;
    }
    VQLogError(QStringLiteral("Settings file %1: value(s) of an unexpected form dropped (%2); the file as it was is kept as %3")
                   .arg(m_path, keys, copy));
    scheduleSave();
}

QStringList UserDefaults::droppedKeys() const
{
    QMutexLocker lock(&m_mutex);
    return m_dropped;
}

QVariant UserDefaults::objectForKey(const QString& key) const
{
    QMutexLocker lock(&m_mutex);
    auto it = m_values.constFind(key);
    if (it != m_values.cend())
        return *it;
    return m_defaults.value(key);
}

bool UserDefaults::hasValueForKey(const QString& key) const
{
    QMutexLocker lock(&m_mutex);
    return m_values.contains(key);
}

bool UserDefaults::boolForKey(const QString& key) const
{
    const QVariant v = objectForKey(key);
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool();
    case QMetaType::QString: {
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return false;
        const QChar c = s.at(0).toLower();
        return c == QLatin1Char('y') || c == QLatin1Char('t') || s.toLongLong() != 0;
    }
    default:
        return v.canConvert<double>() && v.toDouble() != 0.0;
    }
}

qint64 UserDefaults::integerForKey(const QString& key) const
{
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::QString)
        return integerFromDouble(v.toString().trimmed().toDouble());
    if (v.typeId() == QMetaType::Double)
        return integerFromDouble(v.toDouble());
    return v.canConvert<qint64>() ? v.toLongLong() : 0;
}

double UserDefaults::doubleForKey(const QString& key) const
{
    const QVariant v = objectForKey(key);
    if (v.typeId() == QMetaType::QString)
        return v.toString().trimmed().toDouble();
    return v.canConvert<double>() ? v.toDouble() : 0.0;
}

QString UserDefaults::stringForKey(const QString& key) const
{
    const QVariant v = objectForKey(key);
    switch (v.typeId()) {
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
    case QMetaType::Double:
        return v.toString();
    default:
        return QString();
    }
}

QByteArray UserDefaults::dataForKey(const QString& key) const
{
    const QVariant v = objectForKey(key);
    return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : QByteArray();
}

QVariantList UserDefaults::arrayForKey(const QString& key) const
{
    const QVariant v = objectForKey(key);
    return v.typeId() == QMetaType::QVariantList || v.typeId() == QMetaType::QStringList ? v.toList()
                                                                                          : QVariantList();
}

QVariantMap UserDefaults::dictionaryForKey(const QString& key) const
{
    const QVariant v = objectForKey(key);
    return v.typeId() == QMetaType::QVariantMap ? v.toMap() : QVariantMap();
}

void UserDefaults::setValue(const QString& key, const QVariant& value)
{
    if (!value.isValid()) {
        removeObjectForKey(key);
        return;
    }
    // A value this large is no setting (a broken answer of a server): keeping it would slow
    // every later write and start.
    const QJsonValue encoded = encode(value);
    const qint64 size = QJsonDocument(QJsonArray{encoded}).toJson(QJsonDocument::Compact).size();
    if (size > kValueLimitBytes) {
        VQLogError(QStringLiteral("Setting %1 not stored: %2 bytes, over the limit of %3").arg(key).arg(size).arg(kValueLimitBytes));
        return;
    }
    // Store the value in the form it will have after a reload, so reads agree before and after.
    QVariant normalised;
    if (!decode(encoded, normalised))
        normalised = value;
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_values.constFind(key);
        if (it != m_values.cend() && sameValue(*it, normalised))
            return;
        m_values.insert(key, normalised);
        m_unreadable.remove(key);
        m_dirty = true;
    }
    scheduleSave();
    Q_EMIT changed(key);
}

void UserDefaults::removeObjectForKey(const QString& key)
{
    {
        QMutexLocker lock(&m_mutex);
        const bool unreadable = m_unreadable.contains(key);
        if (m_values.remove(key) == 0 && !unreadable)
            return;
        m_unreadable.remove(key);
        m_dirty = true;
    }
    scheduleSave();
    Q_EMIT changed(key);
}

void UserDefaults::registerDefaults(const QVariantMap& defaults)
{
    QMutexLocker lock(&m_mutex);
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        QVariant normalised;
        if (!decode(encode(it.value()), normalised))
            normalised = it.value();
        m_defaults.insert(it.key(), normalised);
    }
}

namespace {
std::atomic<bool> g_writesDisabled{false};
} // namespace

void UserDefaults::scheduleSave()
{
    QMutexLocker lock(&m_mutex);
    if (m_saveScheduled || QCoreApplication::instance() == nullptr)
        return;
    m_saveScheduled = true;
    QMetaObject::invokeMethod(this, [this] { synchronize(); }, Qt::QueuedConnection);
}

void UserDefaults::scheduleRetry()
{
    QMutexLocker lock(&m_mutex);
    if (m_retryScheduled || g_writesDisabled || QCoreApplication::instance() == nullptr)
        return;
    m_retryScheduled = true;
    const int interval = m_retryIntervalMs;
    // The timer belongs to the store's thread; a failing write may have run on another.
    QMetaObject::invokeMethod(
        this,
        [this, interval] {
            QTimer::singleShot(interval, this, [this] {
                {
                    QMutexLocker lock(&m_mutex);
                    m_retryScheduled = false;
                }
                synchronize();
            });
        },
        Qt::QueuedConnection);
}

int UserDefaults::retryIntervalMs() const
{
    QMutexLocker lock(&m_mutex);
    return m_retryIntervalMs;
}

void UserDefaults::setRetryIntervalMs(int ms)
{
    QMutexLocker lock(&m_mutex);
    m_retryIntervalMs = ms;
}

void UserDefaults::setWritesDisabled(bool disabled)
{
    g_writesDisabled = disabled;
}

bool UserDefaults::synchronize()
{
    if (g_writesDisabled) {
        QMutexLocker lock(&m_mutex);
        m_saveScheduled = false;
        return false;
    }
    // One writer at a time: a snapshot taken earlier must never land on disk after a newer one.
    QMutexLocker writeLock(&m_writeMutex);
    keepUnreadableValuesAside();
    QByteArray bytes;
    {
        QMutexLocker lock(&m_mutex);
        m_saveScheduled = false;
        if (!m_dirty)
            return true;
        QJsonObject values = encode(QVariant(m_values)).toObject().value(QStringLiteral("m")).toObject();
        // Values not read yet stay in the file as they were until the copy of it is made.
        for (auto it = m_unreadable.begin(); it != m_unreadable.end(); ++it)
            values.insert(it.key(), it.value());
        QJsonObject root{{QStringLiteral("format"), kFormatVersion}, {QStringLiteral("values"), values}};
        bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
        m_dirty = false;
    }

    const QFileInfo info(m_path);
    QString reason;
    bool ok = false;
    if (!mm::makePrivateFolder(info.absolutePath()))
        reason = QStringLiteral("the folder %1 cannot be made").arg(info.absolutePath());
    else
        ok = mm::writeFileAtomically(m_path, bytes, &reason, 0600);
    if (!ok) {
        VQLogError(QStringLiteral("Settings cannot be written to %1: %2").arg(m_path, reason));
        bool first = false;
        {
            QMutexLocker lock(&m_mutex);
            m_dirty = true; // keep trying at the next change or synchronise
            first = !m_writeFailing;
            m_writeFailing = true;
        }
        if (first)
            Q_EMIT writeFailed(m_path, reason);
        scheduleRetry();
        return false;
    }
    QMutexLocker lock(&m_mutex);
    ++m_writeCount;
    if (m_writeFailing) {
        m_writeFailing = false;
        VQLogInfo(QStringLiteral("Settings written to %1 again").arg(m_path));
    }
    return true;
}

int UserDefaults::writeCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_writeCount;
}

QString UserDefaults::recoveredCorruptFile() const
{
    QMutexLocker lock(&m_mutex);
    return m_recovered;
}
