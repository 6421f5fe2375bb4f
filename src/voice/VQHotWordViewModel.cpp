#include "VQHotWordViewModel.h"

#include "KVDSqliteOperation.h"
#include "VQCommandViewModel.h"

VQHotWordViewModel& VQHotWordViewModel::sharedInstance()
{
    static VQHotWordViewModel* instance = new VQHotWordViewModel;
    return *instance;
}

QList<VQVoiceCommandItem>& VQHotWordViewModel::hotWordListArray()
{
    if (m_hotWordList.isEmpty()) {
        const auto rows = KVDSqliteOperation::shareOperation().selectAllDataBaseWithtableName<VQVoiceCommandItem>(
            QString::fromLatin1(VQCommandViewModel::kCustomizeTableName));
        for (const auto& row : rows) {
            if (row->isHotWord())
                m_hotWordList.append(*row);
        }
    }
    return m_hotWordList;
}

QString VQHotWordViewModel::getLocalHotWordListString()
{
    QString joined = QLatin1String("");
    for (const VQVoiceCommandItem& item : hotWordListArray()) {
        if (joined.isEmpty())
            joined = item.customCmd;
        else
            joined = joined + QLatin1Char(',') + item.customCmd;
    }
    return joined.isNull() ? QString(QLatin1String("")) : joined;
}

void VQHotWordViewModel::resetForTests()
{
    sharedInstance().m_hotWordList.clear();
}
