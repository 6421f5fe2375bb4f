#pragma once

// The web engine behind the AI web window, loaded as a plugin at the first show so that the
// program does not map the web engine's libraries (and their memory) before the user asks for
// an AI page. The plugin knows nothing of the application: it shows one window with one web
// view, runs scripts in it, and reports what the page does; every rule (which page, what to
// call, how files are named and saved) lives in the controller that drives it.
//
// Header only: the plugin includes it and links nothing of the program.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QtPlugin>

#include <functional>

class QMimeData;
class QWidget;

class VQAIWebPageHost {
public:
    // A download the page started (a link click, or a response the engine does not show), or
    // the fetch of a script or form navigation of the page's main frame that fetchFirst chose,
    // made as a download so that its response type is known before the page is replaced.
    struct Download {
        quint32 id = 0;
        QUrl url;
        QString mimeType;          // as the response gave it
        QString suggestedFileName; // as the engine suggested it; may be empty
        // A navigation's fetch: answering with an empty text cancels the fetch and lets the page
        // navigate to the address instead.
        bool fromNavigation = false;
    };

    // What the host reports, always on the main thread. Unset handlers are skipped.
    struct Handlers {
        // A message posted by the page with window.webkit.messageHandlers.<name>.postMessage(body);
        // the body as JSON text. The AI page posts "fileSelected" and "downloadFile", the
        // presentation view's (pptWebView's) page "blobHandler".
        std::function<void(const QString& name, const QString& body)> scriptMessage;
        // window.open or a link with a target: the URL asked for. The host opens no window.
        std::function<void(const QUrl& url)> newWindowRequested;
        // The page asks for files to upload; answer with the chosen local paths (empty: none).
        std::function<void(bool multiple, std::function<void(const QStringList& paths)> answer)> chooseFiles;
        // A download begins: answer with the full path it is written to (a folder the
        // controller owns), or an empty text to cancel it.
        std::function<QString(const Download& download)> downloadRequested;
        // Bytes received so far; total is -1 while unknown.
        std::function<void(quint32 id, qint64 received, qint64 total)> downloadProgress;
        // The download ended: complete (the whole file is at its path) or not (interrupted,
        // cancelled; the reason in error).
        std::function<void(quint32 id, bool complete, const QString& error)> downloadFinished;
        // Every navigation the page asks for, before it is decided: the address, its kind
        // ("link", "typed", "form", "back-forward", "reload", "redirect", "script") and whether
        // it is the main frame's.
        std::function<void(const QUrl& url, const QString& kind, bool mainFrame)> navigationRequested;
        // A page load ended (ok false: it failed).
        std::function<void(const QUrl& url, bool ok)> loadFinished;
        // A page load failed, with the engine's reason; loadFinished follows.
        std::function<void(const QUrl& url, const QString& error)> loadFailed;
        // Lines for the program's log.
        std::function<void(const QString& line)> log;
        // A message of the page's console (warnings and errors), with the address of the
        // script that wrote it and its line.
        std::function<void(const QString& message, const QUrl& source, int line)> consoleMessage;
        // A script or form navigation of the main frame: true to fetch it first as a download,
        // so that its response type decides whether it is saved or shown (the address is then
        // fetched twice when shown); false to let the page go there (a response the engine
        // cannot show still becomes a download). Unset: false.
        std::function<bool(const QUrl& url)> fetchFirst;
    };

    virtual ~VQAIWebPageHost() = default;

    virtual void setHandlers(Handlers handlers) = 0;
    // The user agent and profile name are applied before the first page is made.
    virtual void setUserAgent(const QString& userAgent) = 0;

    // The top-level window that holds the web view (created with the host).
    virtual QWidget* window() = 0;
    // Loads the URL, creating the web view on the first call; a later call replaces the page.
    virtual void load(const QUrl& url) = 0;
    // True once load() has been called.
    virtual bool hasPage() const = 0;
    // The presentation view, pptWebView: a second web view in the page's place, made on the first
    // call that shows it, with a page of its own (the engine's default profile and user agent)
    // into which nothing is loaded. Shown, it hides the page's view; not shown, the page's view
    // shows and it hides (nothing is made).
    virtual void setPptWebViewShown(bool shown) = 0;
    virtual bool isPptWebViewShown() const = 0;
    // Runs the script in the page's main world. A script sent while a page loads waits for it
    // and runs after it, in order. The result (undefined as an invalid QVariant) reaches the
    // callback when one is given.
    virtual void runJavaScript(const QString& script, std::function<void(const QVariant& result)> result = {}) = 0;
};

// A web view the plugin makes for a window of the program. It is a widget, owned by its parent
// like any other; deleting the widget deletes it.
class VQAIWebView {
public:
    // How a view that takes dropped files answers drags: the action a drag is allowed as it
    // enters (Qt::IgnoreAction refuses it), and the drop itself (true: taken). The page under
    // such a view never sees a drag. An unset rule refuses the drag, or the drop.
    struct DropRules {
        std::function<Qt::DropAction(const QMimeData* data, Qt::DropActions allowed)> dragEntered;
        std::function<bool(const QMimeData* data)> dropped;
    };

    virtual ~VQAIWebView() = default;
    virtual QWidget* widget() = 0;
    virtual void load(const QUrl& url) = 0;
    virtual QUrl url() const = 0;
    // Replaces the drop rules of a view made to take drops; a plain view ignores them.
    virtual void setDropRules(DropRules rules) = 0;
};

// The plugin's root object implements this factory.
class VQAIWebPageHostFactory {
public:
    virtual ~VQAIWebPageHostFactory() = default;
    // A new host; the caller owns it. Main thread, with the application object alive.
    virtual VQAIWebPageHost* createHost() = 0;
    // A plain web view (drags reach its page), on the engine's default profile.
    virtual VQAIWebView* createWebView(QWidget* parent) = 0;
    // A web view that takes files dropped onto it by the rules, on the engine's default profile.
    virtual VQAIWebView* createDropWebView(VQAIWebView::DropRules rules, QWidget* parent) = 0;
};

#define VQAIWebPageHostFactory_iid "com.corvane.companion.VQAIWebPageHostFactory/1.1"
Q_DECLARE_INTERFACE(VQAIWebPageHostFactory, VQAIWebPageHostFactory_iid)
