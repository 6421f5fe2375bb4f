#pragma once

#include <functional>

class VQAIWebPageHost;

// Finds and loads the web-engine plugin on first use and makes page hosts from it. Main thread.
class VQAIWebHostLoader {
public:
    using Factory = std::function<VQAIWebPageHost*()>;

    // A new host, owned by the caller; nullptr when the plugin cannot be found or loaded (the
    // reason is logged; the caller tells the user).
    static VQAIWebPageHost* createHost();
    // True once the plugin has been loaded into the process.
    static bool isPluginLoaded();

    // Tests: hosts come from the factory instead of the plugin; an empty factory goes back.
    static void setFactoryForTests(Factory factory);
};
