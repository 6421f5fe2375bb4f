#include "VQAIWebPlugin.h"

#include "VQAIWebHost.h"

VQAIWebPageHost* VQAIWebPlugin::createHost()
{
    return new VQAIWebHost();
}
