#include "XcbPlatform.h"

#include <QtGlobal>

#include <cstring>

namespace {

char platformOption[] = "-platform";
char xcbPlatform[] = "xcb";

bool namesPlatform(const char* argument)
{
    return std::strcmp(argument, "-platform") == 0 || std::strcmp(argument, "--platform") == 0;
}

} // namespace

XcbPlatformArguments::XcbPlatformArguments(int argc, char** argv)
{
    bool chosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    for (int i = 0; i < argc; ++i) {
        m_argv.push_back(argv[i]);
        chosen = chosen || (i > 0 && namesPlatform(argv[i]));
    }
    if (!chosen && argc > 0)
        m_argv.insert(m_argv.begin() + 1, {platformOption, xcbPlatform});
    m_argc = int(m_argv.size());
    m_argv.push_back(nullptr);
}
