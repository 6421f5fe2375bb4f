#include "VQCommandViewModel.h"

#include "KVDSqliteOperation.h"
#include "MMLog.h"
#include "VQAddCommandScene.h"
#include "VQCommonCmdListScene.h"
#include "VQCustomInstructionScene.h"
#include "VQDeleteCommandScene.h"
#include "VQHotWordViewModel.h"
#include "VQHttpRequestManager.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QVariantMap>

#include <memory>
#include <vector>

namespace {

const QString kCommonTable = QString::fromLatin1(VQCommandViewModel::kCommonTableName);
const QString kCustomizeTable = QString::fromLatin1(VQCommandViewModel::kCustomizeTableName);

QList<VQVoiceCommandItem> tableRows(const QString& tableName)
{
    QList<VQVoiceCommandItem> rows;
    for (const auto& row : KVDSqliteOperation::shareOperation().selectAllDataBaseWithtableName<VQVoiceCommandItem>(tableName))
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

} // namespace

VQCommandViewModel& VQCommandViewModel::sharedInstance()
{
    static VQCommandViewModel* instance = new VQCommandViewModel;
    return *instance;
}

VQCommandViewModel::VQCommandViewModel()
{
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setInterval(kTableRetryMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &VQCommandViewModel::retryPendingTables);
}

void VQCommandViewModel::writeTable(const QString& tableName, const QList<VQVoiceCommandItem>& items)
{
    if (!tableDiffers(tableRows(tableName), items)) {
        m_pendingTables.remove(tableName);
        return;
    }
    if (KVDSqliteOperation::shareOperation().replaceAllDataBaseWithtableName(tableName, items)) {
        m_pendingTables.remove(tableName);
        return;
    }
    // The lists in memory hold the content meanwhile; the table follows once it can.
    m_pendingTables.insert(tableName, items);
    if (!m_retryTimer.isActive())
        m_retryTimer.start();
}

void VQCommandViewModel::retryPendingTables()
{
    const QHash<QString, QList<VQVoiceCommandItem>> pending = m_pendingTables;
    for (auto it = pending.cbegin(); it != pending.cend(); ++it)
        writeTable(it.key(), it.value());
    if (m_pendingTables.isEmpty())
        VQLogInfo(QStringLiteral("the voice-command tables are written again"));
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

QList<VQVoiceCommandItem>& VQCommandViewModel::commonCmdListArray()
{
    if (m_commonCmdList.isEmpty())
        m_commonCmdList = tableRows(kCommonTable);
    return m_commonCmdList;
}

QList<VQVoiceCommandItem>& VQCommandViewModel::customizeCmdListArray()
{
    if (m_customizeCmdList.isEmpty()) {
        for (const VQVoiceCommandItem& row : tableRows(kCustomizeTable)) {
            if (!row.isHotWord())
                m_customizeCmdList.append(row);
        }
    }
    return m_customizeCmdList;
}

void VQCommandViewModel::setCommonCmdListArray(const QList<VQVoiceCommandItem>& list)
{
    m_commonCmdList = list;
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
            // Nothing offered: keep the stored commands, read again from the table.
            VQLogInfo(QStringLiteral("the server offers no common voice commands; the stored ones are kept"));
            m_commonCmdList.clear();
        } else {
            m_commonCmdList = serverList;
            writeTable(kCommonTable, serverList);
        }
        Q_EMIT commandListsChanged();
    });
}

void VQCommandViewModel::requestNetCustomizeCmdList(Callback callback)
{
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(
        VQCustomInstructionScene(), [this, callback = std::move(callback)](const VQHttpResult& result) {
            if (!result.success) {
                VQLogWarn(QStringLiteral("custom voice commands not fetched: %1").arg(result.message));
                callBack(callback, false, result);
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
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(
        scene, [this, callback = std::move(callback)](const VQHttpResult& result) {
            if (!result.success) {
                VQLogWarn(QStringLiteral("voice command not created: %1").arg(result.message));
                callBack(callback, false, result);
                return;
            }
            if (result.data.isArray()) {
                replaceCustomizeTable(VQVoiceCommandItem::listFromJson(result.data.toArray()));
                callBack(callback, true, result);
                return;
            }
            // The command was made but the reply does not say what the list is now: keep the
            // table and ask for the list.
            VQLogWarn(QStringLiteral("voice command created, but the reply holds no list; fetching the list"));
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
            // By value: the lists may have been reloaded since the item was read.
            QList<VQVoiceCommandItem>& list = item.isHotWord() ? VQHotWordViewModel::sharedInstance().hotWordListArray()
                                                               : customizeCmdListArray();
            list.removeIf([&item](const VQVoiceCommandItem& entry) { return entry.sameCustomCommand(item); });
            const KVDSqliteOperation::FieldValues match = {
                { QString::fromLatin1(VQVoiceCommandItem::kCustomCmdKey), item.customCmd },
                { QString::fromLatin1(VQVoiceCommandItem::kTypeIndexKey), QString::number(item.typeIndex()) },
            };
            if (!KVDSqliteOperation::shareOperation().delectDataBaseWithtableName(kCustomizeTable, match)) {
                // The table keeps the row for now: write the lists as they are once it can.
                QList<VQVoiceCommandItem> rows = customizeCmdListArray();
                rows += VQHotWordViewModel::sharedInstance().hotWordListArray();
                writeTable(kCustomizeTable, rows);
            }
            Q_EMIT commandListsChanged();
            callBack(callback, true, result);
        });
}

void VQCommandViewModel::resetForTests()
{
    VQCommandViewModel& model = sharedInstance();
    model.m_commonCmdList.clear();
    model.m_customizeCmdList.clear();
    model.m_pendingTables.clear();
    model.m_retryTimer.stop();
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
    writeTable(kCustomizeTable, items);
    Q_EMIT commandListsChanged();
}
