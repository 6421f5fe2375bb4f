#pragma once

#include "VQAIWebPageHost.h"

#include <QObject>

// The plugin's root object: makes page hosts and web views on the web engine.
class VQAIWebPlugin : public QObject, public VQAIWebPageHostFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VQAIWebPageHostFactory_iid)
    Q_INTERFACES(VQAIWebPageHostFactory)

public:
    VQAIWebPageHost* createHost() override;
    VQAIWebView* createWebView(QWidget* parent) override;
    VQAIWebView* createDropWebView(VQAIWebView::DropRules rules, QWidget* parent) override;
};
