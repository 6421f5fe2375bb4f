#include "VQHotWordViewModel.h"

#include "VQCommandViewModel.h"

VQHotWordViewModel& VQHotWordViewModel::sharedInstance()
{
    static VQHotWordViewModel* instance = new VQHotWordViewModel;
    return *instance;
}

QList<VQVoiceCommandItem>& VQHotWordViewModel::hotWordListArray()
{
    VQCommandViewModel::sharedInstance().customizeCmdListArray();
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
