#include "VQCommandViewModel.h"

#include "KVDSqliteOperation.h"
#include "MMLog.h"
#include "VQAddCommandScene.h"
#include "VQCommonCmdListScene.h"
#include "VQCustomInstructionScene.h"
#include "VQDeleteCommandScene.h"
#include "VQHotWordViewModel.h"
#include "VQHttpRequestManager.h"
#include "VQUserInfoData.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QVariantMap>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const QString kCommonTable = QString::fromLatin1(VQCommandViewModel::kCommonTableName);
const QString kCustomizeTable = QString::fromLatin1(VQCommandViewModel::kCustomizeTableName);
// Doublings of the retry interval after failures that are no lock.
constexpr int kMaxRetryDoublings = 5;
int g_tableRetryMs = VQCommandViewModel::kTableRetryMs;

QList<VQVoiceCommandItem> tableRows(const QString& tableName, bool* ok)
{
    QList<VQVoiceCommandItem> rows;
    for (const auto& row : KVDSqliteOperation::shareOperation().selectAllDataBaseWithtableName<VQVoiceCommandItem>(tableName, ok))
        rows.append(*row);
    return rows;
}

// The item as the table gives it back: its type word follows the stored index.
VQVoiceCommandItem asStored(VQVoiceCommandItem item)
{
    item.setTypeIndex(item.typeIndex());
    return item;
}

// True when the table's rows are not exactly the list (count, order or content).
bool tableDiffers(const QList<VQVoiceCommandItem>& rows, const QList<VQVoiceCommandItem>& list)
{
    if (rows.size() != list.size())
        return true;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (!(rows[i] == asStored(list[i])))
            return true;
    }
    return false;
}

void callBack(const VQCommandViewModel::Callback& callback, bool success, const VQHttpResult& result)
{
    if (callback)
        callback(success, result);
}

// The device the custom list belongs to: the one whose serial number a request carries.
QString connectedDevice()
{
    return VQUserInfoData::sharedInstance().mouseInfoItem().sn();
}

} // namespace

VQCommandViewModel& VQCommandViewModel::sharedInstance()
{
    static VQCommandViewModel* instance = new VQCommandViewModel;
    return *instance;
}

VQCommandViewModel::VQCommandViewModel()
{
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &VQCommandViewModel::retryPendingTables);
}

void VQCommandViewModel::writeTable(const QString& tableName, const QList<VQVoiceCommandItem>& items)
{
    // A table that cannot be read is no proof that it holds the list: it is written.
    bool read = false;
    const QList<VQVoiceCommandItem> rows = tableRows(tableName, &read);
    if ((read && !tableDiffers(rows, items)) || KVDSqliteOperation::shareOperation().replaceAllDataBaseWithtableName(tableName, items)) {
        m_pendingTables.remove(tableName);
        return;
    }
    // The lists in memory hold the content meanwhile; the table follows once it can.
    m_pendingTables.insert(tableName, items);
    scheduleRetry();
}

void VQCommandViewModel::scheduleRetry()
{
    if (m_retryTimer.isActive())
        return;
    // A lock is another program's moment; anything else may last: the retries thin out.
    const bool locked = KVDSqliteOperation::shareOperation().lastFailure() == KVDSqliteOperation::Failure::Locked;
    const int doublings = locked ? 0 : std::min(m_retryFailures, kMaxRetryDoublings);
    m_retryTimer.start(g_tableRetryMs << doublings);
}

void VQCommandViewModel::retryPendingTables()
{
    const bool hadWrites = !m_pendingTables.isEmpty();
    ++m_retryFailures;
    if (m_commonReadFailed)
        loadCommonList();
    if (m_customizeReadFailed)
        loadCustomizeList();
    const QHash<QString, QList<VQVoiceCommandItem>> pending = m_pendingTables;
    for (auto it = pending.cbegin(); it != pending.cend(); ++it)
        writeTable(it.key(), it.value());
    if (m_pendingTables.isEmpty() && !hasPendingTableReads()) {
        m_retryFailures = 0;
        if (hadWrites)
            VQLogInfo(QStringLiteral("the voice-command tables are written again"));
    }
}

void VQCommandViewModel::setTableRetryIntervalForTests(int ms)
{
    g_tableRetryMs = ms;
}

bool VQCommandViewModel::createSQLTableWithtableName(const QString& tableName, const KVDSqliteModel& model)
{
    return KVDSqliteOperation::shareOperation().createTableWithtableName(tableName, model);
}

void VQCommandViewModel::createCommandTables()
{
    createSQLTableWithtableName(kCommonTable, VQVoiceCommandItem());
    createSQLTableWithtableName(kCustomizeTable, VQVoiceCommandItem());
}

void VQCommandViewModel::loadCommonList()
{
    bool read = false;
    QList<VQVoiceCommandItem> rows = tableRows(kCommonTable, &read);
    if (!read) {
        m_commonReadFailed = true;
        scheduleRetry();
        return;
    }
    const bool late = std::exchange(m_commonReadFailed, false);
    m_commonCmdList = std::move(rows);
    m_commonLoaded = true;
    if (late)
        Q_EMIT commandListsChanged();
}

void VQCommandViewModel::loadCustomizeList()
{
    bool read = false;
    const QList<VQVoiceCommandItem> rows = tableRows(kCustomizeTable, &read);
    if (!read) {
        m_customizeReadFailed = true;
        scheduleRetry();
        return;
    }
    const bool late = std::exchange(m_customizeReadFailed, false);
    m_customizeCmdList.clear();
    QList<VQVoiceCommandItem> hotWords;
    for (const VQVoiceCommandItem& row : rows)
        (row.isHotWord() ? hotWords : m_customizeCmdList).append(row);
    VQHotWordViewModel::sharedInstance().setHotWordList(hotWords);
    m_customizeLoaded = true;
    // The pages showed the lists empty while the table could not be read.
    if (late)
        Q_EMIT commandListsChanged();
}

QList<VQVoiceCommandItem>& VQCommandViewModel::commonCmdListArray()
{
    // A table that could not be read is read again by the retry, not at every look.
    if (!m_commonLoaded && !m_commonReadFailed)
        loadCommonList();
    return m_commonCmdList;
}

QList<VQVoiceCommandItem>& VQCommandViewModel::customizeCmdListArray()
{
    if (!m_customizeLoaded && !m_customizeReadFailed)
        loadCustomizeList();
    return m_customizeCmdList;
}

QList<VQVoiceCommandItem> VQCommandViewModel::customizeTableContent() const
{
    return m_customizeCmdList + VQHotWordViewModel::sharedInstance().hotWordList();
}

void VQCommandViewModel::setCommonCmdListArray(const QList<VQVoiceCommandItem>& list)
{
    m_commonCmdList = list;
    m_commonLoaded = true;
    m_commonReadFailed = false;
    Q_EMIT commandListsChanged();
}

void VQCommandViewModel::requestNetCommonCmdList()
{
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(VQCommonCmdListScene(), [this](const VQHttpResult& result) {
        if (!result.success) {
            VQLogWarn(QStringLiteral("common voice commands not refreshed, the stored ones are kept: %1").arg(result.message));
            return;
        }
        const QList<VQVoiceCommandItem> serverList = VQVoiceCommandListItem::fromJson(result.data).data;
        if (serverList.isEmpty()) {
            // Nothing offered: the stored commands are kept.
            VQLogInfo(QStringLiteral("the server offers no common voice commands; the stored ones are kept"));
            commonCmdListArray();
        } else {
            m_commonCmdList = serverList;
            m_commonLoaded = true;
            m_commonReadFailed = false;
            writeTable(kCommonTable, serverList);
        }
        Q_EMIT commandListsChanged();
    });
}

void VQCommandViewModel::requestNetCustomizeCmdList(Callback callback)
{
    const QString device = connectedDevice();
    const quint64 generation = m_customizeGeneration;
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(
        VQCustomInstructionScene(), [this, device, generation, callback = std::move(callback)](const VQHttpResult& result) {
            if (!result.success) {
                VQLogWarn(QStringLiteral("custom voice commands not fetched: %1").arg(result.message));
                callBack(callback, false, result);
                return;
            }
            if (device != connectedDevice()) {
                // The list of the device before: the connected one's is asked for on its own.
                VQHttpResult stale = result;
                stale.success = false;
                stale.failure = VQHttpResult::Failure::Rejected;
                stale.message = QStringLiteral("the custom voice commands of %1 arrived after the device changed; not taken").arg(device);
                VQLogInfo(stale.message);
                callBack(callback, false, stale);
                return;
            }
            if (generation != m_customizeGeneration) {
                // Asked before a create or delete was confirmed: the answer would undo it.
                VQLogInfo(QStringLiteral("the custom voice-command list is older than a change made meanwhile; asked again"));
                requestNetCustomizeCmdList(callback);
                return;
            }
            updateLocalCustomizeCmdList(result.data);
            callBack(callback, true, result);
        });
}

void VQCommandViewModel::updateLocalCustomizeCmdList(const QJsonValue& reply)
{
    const QJsonObject object = reply.toObject();
    if (!object.value(QLatin1String(VQVoiceCommandListItem::kDataKey)).isArray()
        && !object.value(QLatin1String(VQVoiceCommandListItem::kCmdsKey)).isArray()) {
        VQLogWarn(QStringLiteral("the custom voice-command reply holds no list; the stored commands are kept"));
        return;
    }
    const VQVoiceCommandListItem listItem = VQVoiceCommandListItem::fromJson(reply);
    replaceCustomizeTable(listItem.data.isEmpty() ? listItem.cmds : listItem.data);
}

void VQCommandViewModel::requestCreateCustomizeCmd(const VQVoiceCommandItem& item, Callback callback)
{
    VQAddCommandScene scene;
    scene.setMyParameters({
        { QString::fromLatin1(VQVoiceCommandItem::kCustomNameKey), item.customName },
        { QString::fromLatin1(VQVoiceCommandItem::kCustomCmdKey), item.customCmd },
        { QString::fromLatin1(VQVoiceCommandItem::kCmdTypeKey), item.cmdType },
    });
    const QString device = connectedDevice();
    const quint64 generation = m_customizeGeneration;
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(
        scene, [this, item, device, generation, callback = std::move(callback)](const VQHttpResult& result) {
            if (!result.success) {
                VQLogWarn(QStringLiteral("voice command not created: %1").arg(result.message));
                callBack(callback, false, result);
                return;
            }
            const bool sameDevice = device == connectedDevice();
            const bool current = sameDevice && generation == m_customizeGeneration;
            customizeListChangedLocally();
            if (result.data.isArray() && current) {
                replaceCustomizeTable(VQVoiceCommandItem::listFromJson(result.data.toArray()));
                callBack(callback, true, result);
                return;
            }
            // The reply does not say what the list is now, or says what it was before another
            // change confirmed meanwhile: the command joins the list here and the list is asked
            // for again.
            customizeCmdListArray();
            if (sameDevice && m_customizeLoaded) {
                const VQVoiceCommandItem stored = asStored(item);
                QList<VQVoiceCommandItem>& list =
                    stored.isHotWord() ? VQHotWordViewModel::sharedInstance().hotWordList() : m_customizeCmdList;
                if (std::none_of(list.cbegin(), list.cend(), [&stored](const VQVoiceCommandItem& entry) { return entry.sameCustomCommand(stored); }))
                    list.append(stored);
                writeTable(kCustomizeTable, customizeTableContent());
                Q_EMIT commandListsChanged();
            }
            VQLogInfo(QStringLiteral("voice command created; the list is asked for again"));
            requestNetCustomizeCmdList([callback, result](bool, const VQHttpResult&) { callBack(callback, true, result); });
        });
}

void VQCommandViewModel::requestDeleteCustomizeCmd(const VQVoiceCommandItem& item, Callback callback)
{
    VQDeleteCommandScene scene;
    scene.setMyParameters({ { QString::fromLatin1(VQVoiceCommandItem::kCustomCmdKey), item.customCmd } });
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(
        scene, [this, item, callback = std::move(callback)](const VQHttpResult& result) {
            if (!result.success) {
                VQLogWarn(QStringLiteral("voice command not deleted: %1").arg(result.message));
                callBack(callback, false, result);
                return;
            }
            customizeListChangedLocally();
            // By value: the lists may have been reloaded since the item was read.
            customizeCmdListArray();
            QList<VQVoiceCommandItem>& list = item.isHotWord() ? VQHotWordViewModel::sharedInstance().hotWordList() : m_customizeCmdList;
            list.removeIf([&item](const VQVoiceCommandItem& entry) { return entry.sameCustomCommand(item); });
            if (m_customizeLoaded) {
                // The table follows the lists as they are now, also when it must wait.
                writeTable(kCustomizeTable, customizeTableContent());
            } else {
                const KVDSqliteOperation::FieldValues match = {
                    { QString::fromLatin1(VQVoiceCommandItem::kCustomCmdKey), item.customCmd },
                    { QString::fromLatin1(VQVoiceCommandItem::kTypeIndexKey), QString::number(item.typeIndex()) },
                };
                if (!KVDSqliteOperation::shareOperation().delectDataBaseWithtableName(kCustomizeTable, match))
                    VQLogWarn(QStringLiteral("the deleted voice command stays in the unreadable table until the list is fetched again"));
            }
            Q_EMIT commandListsChanged();
            callBack(callback, true, result);
        });
}

void VQCommandViewModel::databaseRecovered()
{
    createCommandTables();
    // What the session holds goes into the new file; the server's lists follow.
    if (m_commonLoaded)
        m_pendingTables.insert(kCommonTable, m_commonCmdList);
    if (m_customizeLoaded)
        m_pendingTables.insert(kCustomizeTable, customizeTableContent());
    m_retryTimer.stop();
    m_retryFailures = 0;
    retryPendingTables();
    requestNetCommonCmdList();
    requestNetCustomizeCmdList();
}

void VQCommandViewModel::writePendingTablesAtQuit()
{
    if (m_pendingTables.isEmpty())
        return;
    KVDSqliteOperation& database = KVDSqliteOperation::shareOperation();
    database.setFinalWrites(true);
    const QHash<QString, QList<VQVoiceCommandItem>> pending = m_pendingTables;
    for (auto it = pending.cbegin(); it != pending.cend(); ++it)
        writeTable(it.key(), it.value());
    database.setFinalWrites(false);
    m_retryTimer.stop();
    if (m_pendingTables.isEmpty())
        VQLogInfo(QStringLiteral("the pending voice-command tables were written at quit"));
    else
        VQLogError(QStringLiteral("voice-command tables not written before the end: %1").arg(QStringList(m_pendingTables.keys()).join(QStringLiteral(", "))));
}

void VQCommandViewModel::resetForTests()
{
    VQCommandViewModel& model = sharedInstance();
    model.m_commonCmdList.clear();
    model.m_customizeCmdList.clear();
    model.m_commonLoaded = model.m_customizeLoaded = false;
    model.m_commonReadFailed = model.m_customizeReadFailed = false;
    model.m_pendingTables.clear();
    model.m_retryTimer.stop();
    model.m_retryFailures = 0;
    g_tableRetryMs = kTableRetryMs;
    VQHotWordViewModel::resetForTests();
}

void VQCommandViewModel::replaceCustomizeTable(const QList<VQVoiceCommandItem>& items)
{
    // The lists take the server's content at once, as the table gives it back, whether or not
    // the table can be written now.
    m_customizeCmdList.clear();
    QList<VQVoiceCommandItem> hotWords;
    for (const VQVoiceCommandItem& item : items) {
        const VQVoiceCommandItem stored = asStored(item);
        (stored.isHotWord() ? hotWords : m_customizeCmdList).append(stored);
    }
    VQHotWordViewModel::sharedInstance().setHotWordList(hotWords);
    m_customizeLoaded = true;
    m_customizeReadFailed = false;
    writeTable(kCustomizeTable, items);
    Q_EMIT commandListsChanged();
}
