#include "VQCmdService.h"

#include "MMLog.h"
#include "VQToolManager.h"
#include "VQVoiceCommandItem.h"

VQCmdService& VQCmdService::sharedInstance()
{
    static VQCmdService service;
    return service;
}

bool VQCmdService::openFileWithCmdPath(const QString& path, const QString& cmdType)
{
    if (path.isEmpty())
        return false;
    bool started = false;
    if (cmdType == QLatin1String(VQVoiceCommandItem::kTypeFolder) || cmdType == QLatin1String(VQVoiceCommandItem::kTypeFile))
        started = VQToolManager::openFileWithPath(path);
    else if (cmdType == QLatin1String(VQVoiceCommandItem::kTypeShortcuts))
        started = VQToolManager::handleShortcut(path);
    else if (cmdType == QLatin1String(VQVoiceCommandItem::kTypeText))
        started = VQToolManager::copyAndPaste(path);
    else
        started = VQToolManager::sharedInstance().openBrowserWithCmdString(path);
    if (!started)
        VQLogInfo(QStringLiteral("voice command of type \"%1\" not carried out").arg(cmdType));
    return started;
}
