#pragma once

#include "VQAIWebPageHost.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWebEnginePage>

#include <deque>
#include <utility>

class QWebChannel;
class QWebEngineDownloadRequest;
class QWebEngineNewWindowRequest;
class QWebEngineProfile;
class QWebEngineView;
class QWidget;

// Receives what the page posts through window.webkit.messageHandlers (the shim installed at
// document creation forwards every message here over the web channel).
class VQAIWebMessageBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    std::function<void(const QString& name, const QString& body)> onMessage;

public Q_SLOTS:
    void postMessage(const QString& name, const QString& body);
};

// The page: a link click becomes a download, a script navigation of the main frame to what
// looks like a file is fetched first (as a download) so that its response type decides, a file
// choice goes to the host without waiting.
class VQAIWebEnginePage : public QWebEnginePage {
    Q_OBJECT
public:
    VQAIWebEnginePage(QWebEngineProfile* profile, QObject* parent);

    std::function<void(const QUrl& url, NavigationType type, bool isMainFrame)> onNavigation;
    std::function<void(const QUrl& url)> onLinkClicked;
    std::function<void(const QUrl& url)> onScriptNavigation;
    std::function<void(bool multiple)> onChooseFiles;
    std::function<void(const QString& message, const QUrl& source, int line)> onConsole;
    std::function<bool(const QUrl& url)> fetchFirst;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles, const QStringList& acceptedMimeTypes) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                  const QString& sourceID) override;
};

class VQAIWebHost : public QObject, public VQAIWebPageHost {
    Q_OBJECT
public:
    VQAIWebHost();
    ~VQAIWebHost() override;

    void setHandlers(Handlers handlers) override;
    void setUserAgent(const QString& userAgent) override;
    QWidget* window() override;
    void load(const QUrl& url) override;
    bool hasPage() const override;
    void runJavaScript(const QString& script, std::function<void(const QVariant& result)> result) override;
    void setPptWebViewShown(bool shown) override;
    bool isPptWebViewShown() const override { return m_pptWebViewShown; }

private:
    void createPage();
    void createPptWebView();
    // Deletes the view, the page and then its profile; a later load() makes them again.
    void releasePage();
    void log(const QString& line) const;
    void flushScripts();
    void onDownloadRequested(QWebEngineDownloadRequest* download);
    void onNewWindowRequested(QWebEngineNewWindowRequest& request);
    void onChooseFiles(bool multiple);
    void fetchNavigation(const QUrl& url);
    void deliverFiles(const QStringList& paths);

    Handlers m_handlers;
    QString m_userAgent;
    QPointer<QWidget> m_window;
    QWebEngineProfile* m_profile = nullptr;
    QWebEngineView* m_view = nullptr;
    VQAIWebEnginePage* m_page = nullptr;
    QWebChannel* m_channel = nullptr;
    VQAIWebMessageBridge* m_bridge = nullptr;
    // The presentation view, pptWebView (see setPptWebViewShown), and its page, made on first show.
    QWebEngineView* m_pptWebView = nullptr;
    QWebEnginePage* m_pptWebPage = nullptr;
    bool m_pptWebViewShown = false;
    bool m_loading = false;
    std::deque<std::pair<QString, std::function<void(const QVariant&)>>> m_pendingScripts;
    QHash<quint32, QString> m_downloadPaths; // downloads not reported ended yet
    QList<QUrl> m_navigationFetches;         // script navigations fetched, not requested back yet
    QList<QUrl> m_linkFetches;               // link downloads asked for, not requested back yet
    quint64 m_fileChoice = 0; // the latest file choice; an older answer is dropped
};
