#include "VQAIWebHostLoader.h"

#include "MMLog.h"
#include "VQAIWebPageHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QStringList>

#include <optional>

#include <unistd.h>

// Exported by Qt GUI and declared in its private header qopenglcontext_p.h: installs the
// context that every later OpenGL context shares with. The web engine needs one, and it has
// to exist before the engine's library is loaded.
void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

#ifndef VQ_BUILD_TREE
#define VQ_BUILD_TREE ""
#endif
#ifndef VQ_AI_WEB_BUILD_DIR
#define VQ_AI_WEB_BUILD_DIR ""
#endif
#ifndef VQ_AI_WEB_INSTALL_DIR
#define VQ_AI_WEB_INSTALL_DIR ""
#endif

const QString kPluginName = QStringLiteral("vq_ai_web");

std::optional<bool> g_rootForTests;

VQAIWebHostLoader::Factory& testFactory()
{
    static VQAIWebHostLoader::Factory factory;
    return factory;
}

struct PluginState {
    QPluginLoader* loader = nullptr;
    VQAIWebPageHostFactory* factory = nullptr;
    QString failure; // set once loading failed; not tried again
};

PluginState& state()
{
    static PluginState s;
    return s;
}

QString pluginFolderInUse()
{
    return VQAIWebHostLoader::pluginFolder(QCoreApplication::applicationDirPath(), QStringLiteral(VQ_BUILD_TREE),
                                           QStringLiteral(VQ_AI_WEB_BUILD_DIR), QStringLiteral(VQ_AI_WEB_INSTALL_DIR),
                                           qEnvironmentVariable(VQAIWebHostLoader::kPluginFolderVariable));
}

// The web engine loaded after the application object finds no shared OpenGL context and fails
// on its first page; Qt::AA_ShareOpenGLContexts set at start-up would make one, but costs the
// idle program the GL start-up it otherwise skips. The context is made here, on first use.
void installShareContext()
{
    if (QOpenGLContext::globalShareContext() || QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts))
        return;
    auto* context = new QOpenGLContext(qApp);
    if (!context->create()) {
        VQLogWarn(QStringLiteral("AI web window: no OpenGL context could be made; the web engine may fail"));
        delete context;
        return;
    }
    qt_gl_set_global_share_context(context);
}

bool loadPlugin()
{
    PluginState& s = state();
    if (s.factory)
        return true;
    if (!s.failure.isEmpty())
        return false;

    const QString folder = pluginFolderInUse();
    const QString path = QDir(folder).filePath(kPluginName + QStringLiteral(".so"));
    QString reason;
    if (folder.isEmpty() || !QFileInfo::exists(path)) {
        reason = QStringLiteral("not there");
    } else {
        installShareContext();
        auto* loader = new QPluginLoader(path, qApp);
        QObject* root = loader->instance();
        auto* factory = root ? qobject_cast<VQAIWebPageHostFactory*>(root) : nullptr;
        if (factory) {
            s.loader = loader;
            s.factory = factory;
            VQLogInfo(QStringLiteral("AI web window: web engine loaded from %1").arg(path));
            return true;
        }
        reason = root ? QStringLiteral("not the AI web plugin") : loader->errorString();
        loader->unload();
        delete loader;
    }
    s.failure = QStringLiteral("%1: %2").arg(path, reason);
    VQLogError(QStringLiteral("AI web window: the web engine plugin cannot be loaded (%1)").arg(s.failure));
    return false;
}

} // namespace

VQAIWebPageHost* VQAIWebHostLoader::createHost()
{
    if (testFactory())
        return testFactory()();
    if (!loadPlugin())
        return nullptr;
    return state().factory->createHost();
}

namespace {

// The web engine would end the whole program as root with its sandbox on: no view is made.
bool webViewsAllowed()
{
    if (!VQAIWebHostLoader::refusedAsRoot())
        return true;
    VQLogError(QStringLiteral("web view not made: the program runs as root with the web engine's sandbox on"));
    return false;
}

} // namespace

VQAIWebView* VQAIWebHostLoader::createWebView(QWidget* parent)
{
    return webViewsAllowed() && loadPlugin() ? state().factory->createWebView(parent) : nullptr;
}

VQAIWebView* VQAIWebHostLoader::createDropWebView(VQAIWebView::DropRules rules, QWidget* parent)
{
    return webViewsAllowed() && loadPlugin() ? state().factory->createDropWebView(std::move(rules), parent) : nullptr;
}

bool VQAIWebHostLoader::isPluginLoaded()
{
    return state().factory != nullptr;
}

QString VQAIWebHostLoader::pluginFolder(const QString& applicationDir, const QString& buildTree,
                                       const QString& buildFolder, const QString& installFolder, const QString& variable)
{
    const QString tree = QDir::cleanPath(buildTree);
    const QString app = QDir::cleanPath(applicationDir);
    const bool inBuildTree = !buildTree.isEmpty() && (app == tree || app.startsWith(tree + QLatin1Char('/')));
    if (!inBuildTree)
        return QDir::cleanPath(installFolder);
    return QDir::cleanPath(variable.isEmpty() ? buildFolder : variable);
}

bool VQAIWebHostLoader::refusedAsRoot()
{
    const bool root = g_rootForTests.value_or(::geteuid() == 0);
    if (!root)
        return false;
    const QString noSandbox = QStringLiteral("--no-sandbox");
    const bool sandboxOff = qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")
        || qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").split(QLatin1Char(' ')).contains(noSandbox)
        || QCoreApplication::arguments().contains(noSandbox);
    return !sandboxOff;
}

void VQAIWebHostLoader::setRunningAsRootForTests(bool root)
{
    g_rootForTests = root;
}

void VQAIWebHostLoader::setFactoryForTests(Factory factory)
{
    testFactory() = std::move(factory);
}
