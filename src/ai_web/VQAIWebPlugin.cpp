#include "VQAIWebPlugin.h"

#include "VQAIWebHost.h"
#include "VQWKWebView.h"

VQAIWebPageHost* VQAIWebPlugin::createHost()
{
    return new VQAIWebHost();
}

VQAIWebView* VQAIWebPlugin::createWebView(QWidget* parent)
{
    return new VQWKWebView(std::nullopt, parent);
}

VQAIWebView* VQAIWebPlugin::createDropWebView(VQAIWebView::DropRules rules, QWidget* parent)
{
    return new VQWKWebView(std::move(rules), parent);
}
