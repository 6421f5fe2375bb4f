#include "VQAIWebHostLoader.h"

#include "MMLog.h"
#include "VQAIWebPageHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QStringList>

// Exported by Qt GUI and declared in its private header qopenglcontext_p.h: installs the
// context that every later OpenGL context shares with. The web engine needs one, and it has
// to exist before the engine's library is loaded.
void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

#ifndef VQ_AI_WEB_BUILD_DIR
#define VQ_AI_WEB_BUILD_DIR ""
#endif
#ifndef VQ_AI_WEB_INSTALL_DIR
#define VQ_AI_WEB_INSTALL_DIR ""
#endif

const QString kPluginName = QStringLiteral("vq_ai_web");

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

QStringList pluginFolders()
{
    QStringList folders;
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& folder : {QStringLiteral(VQ_AI_WEB_BUILD_DIR), appDir,
                                  QDir(appDir).filePath(QStringLiteral("../lib/corvane-companion")),
                                  QStringLiteral(VQ_AI_WEB_INSTALL_DIR)}) {
        if (!folder.isEmpty() && !folders.contains(QDir::cleanPath(folder)))
            folders << QDir::cleanPath(folder);
    }
    return folders;
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

    QStringList reasons;
    for (const QString& folder : pluginFolders()) {
        const QString path = QDir(folder).filePath(kPluginName + QStringLiteral(".so"));
        if (!QFileInfo::exists(path)) {
            reasons << QStringLiteral("%1: not there").arg(path);
            continue;
        }
        installShareContext();
        auto* loader = new QPluginLoader(path, qApp);
        QObject* root = loader->instance();
        auto* factory = root ? qobject_cast<VQAIWebPageHostFactory*>(root) : nullptr;
        if (!factory) {
            reasons << QStringLiteral("%1: %2").arg(path, root ? QStringLiteral("not the AI web plugin")
                                                               : loader->errorString());
            loader->unload();
            delete loader;
            continue;
        }
        s.loader = loader;
        s.factory = factory;
        VQLogInfo(QStringLiteral("AI web window: web engine loaded from %1").arg(path));
        return true;
    }
    s.failure = reasons.join(QStringLiteral("; "));
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

bool VQAIWebHostLoader::isPluginLoaded()
{
    return state().factory != nullptr;
}

void VQAIWebHostLoader::setFactoryForTests(Factory factory)
{
    testFactory() = std::move(factory);
}
