#pragma once

#include "VQAIWebPageHost.h"

#include <QList>
#include <QUrl>
#include <QWidget>

#include <memory>

// A page host without a web engine: records the pages loaded and the scripts run, in order,
// and lets a test play the page (script messages, new windows, downloads) through handlers.
class FakeAIWebPageHost : public VQAIWebPageHost {
public:

    void setHandlers(Handlers h) override { handlers = std::move(h); }
    void setUserAgent(const QString& agent) override { userAgent = agent; }
    QWidget* window() override
    {
        if (!m_window)
            m_window = std::make_unique<QWidget>();
        return m_window.get();
    }
    void load(const QUrl& url) override
    {
        loads.append(url);
        events.append(QStringLiteral("load ") + url.toString());
        window();
    }
    bool hasPage() const override { return !loads.isEmpty(); }
    void runJavaScript(const QString& script, std::function<void(const QVariant&)> result = {}) override
    {
        scripts.append(script);
        events.append(QStringLiteral("js ") + script);
        if (result)
            result(QVariant());
    }

    void setPptWebViewShown(bool shown) override { pptWebViewShown = shown; }
    bool isPptWebViewShown() const override { return pptWebViewShown; }

    Handlers handlers;
    bool pptWebViewShown = false;
    QString userAgent;
    QList<QUrl> loads;
    QStringList scripts;
    QStringList events;

private:
    std::unique_ptr<QWidget> m_window;
};
