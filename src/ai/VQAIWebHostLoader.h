#pragma once

#include "VQAIWebPageHost.h"

#include <QString>

#include <functional>

// Finds and loads the web-engine plugin on first use and makes page hosts and web views from
// it. Main thread.
class VQAIWebHostLoader {
public:
    using Factory = std::function<VQAIWebPageHost*()>;

    // A new host, owned by the caller; nullptr when the plugin cannot be found or loaded (the
    // reason is logged; the caller tells the user).
    static VQAIWebPageHost* createHost();
    // A plain web view, or one that takes dropped files by the rules (VQWKWebView), owned by its
    // parent; nullptr (logged) when the plugin cannot be loaded or refusedAsRoot().
    static VQAIWebView* createWebView(QWidget* parent);
    static VQAIWebView* createDropWebView(VQAIWebView::DropRules rules, QWidget* parent);
    // True once the plugin has been loaded into the process.
    static bool isPluginLoaded();

    // The environment variable through which a program started from its build tree may load the
    // plugin from another folder; the installed program ignores it.
    static constexpr char kPluginFolderVariable[] = "CORVANE_AI_WEB_PLUGIN_DIR";
    // The one folder the plugin is loaded from: for a program in the build tree (the executable's
    // folder under buildTree) the variable's folder when set, else the build's plugin folder;
    // for the installed program its install folder only.
    static QString pluginFolder(const QString& applicationDir, const QString& buildTree, const QString& buildFolder,
                                const QString& installFolder, const QString& variable);

    // True when the web engine would end the whole process on start: the program runs as root
    // and its sandbox was not turned off (QTWEBENGINE_DISABLE_SANDBOX, or --no-sandbox in
    // QTWEBENGINE_CHROMIUM_FLAGS or on the command line).
    static bool refusedAsRoot();
    // Tests: the program counts as running as root (or not) whatever its user is.
    static void setRunningAsRootForTests(bool root);

    // Tests: hosts come from the factory instead of the plugin; an empty factory goes back.
    static void setFactoryForTests(Factory factory);
};
