#include "VQAIWebHost.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWidget>

namespace {

// A file larger than this is not handed to the page (it is read into the page's memory).
constexpr qint64 kMaxUploadBytes = 100LL * 1024 * 1024;

// Installed in the main world before any script of the page runs. It gives the page
// window.webkit.messageHandlers.fileSelected.postMessage(body), which forwards
// JSON.stringify(body) to the host over the web channel; messages posted before the channel is
// up wait in the page. It also remembers the file input the user clicked last, so that the
// files chosen for it (asynchronously, see chooseFiles) can be set on it.
const char* const kShim = R"JS(
(function () {
  if (window.__vqShim) return;
  window.__vqShim = true;
  var queue = [], bridge = null;
  function send(name, body) {
    var text;
    try { text = JSON.stringify(body); } catch (e) { text = String(body); }
    if (text === undefined) text = 'null';
    if (bridge) bridge.postMessage(name, text); else queue.push([name, text]);
  }
  window.webkit = window.webkit || {};
  window.webkit.messageHandlers = window.webkit.messageHandlers || {};
  window.webkit.messageHandlers.fileSelected = { postMessage: function (body) { send('fileSelected', body); } };
  window.webkit.messageHandlers.downloadFile = { postMessage: function (body) { send('downloadFile', body); } };
  function connect() {
    if (typeof qt === 'undefined' || !qt.webChannelTransport) { setTimeout(connect, 50); return; }
    new QWebChannel(qt.webChannelTransport, function (channel) {
      bridge = channel.objects.vqBridge;
      var pending = queue; queue = [];
      pending.forEach(function (m) { bridge.postMessage(m[0], m[1]); });
    });
  }
  connect();
  document.addEventListener('click', function (e) {
    var t = e.target;
    if (t && t.tagName === 'INPUT' && t.type === 'file') window.__vqFileInput = t;
  }, true);
  // A click on a link of the page is a download. The engine reports a script navigation as a
  // link click too, so the click itself is told to the host here and the engine never sees it.
  window.addEventListener('click', function (e) {
    if (e.defaultPrevented || e.button !== 0 || e.ctrlKey || e.shiftKey || e.altKey || e.metaKey) return;
    var link = e.target && e.target.closest ? e.target.closest('a[href]') : null;
    if (!link || (link.target && link.target !== '_self')) return;
    var address = new URL(link.href, document.baseURI);
    if (['http:', 'https:', 'blob:'].indexOf(address.protocol) < 0) return;
    if (address.hash && address.href.split('#')[0] === location.href.split('#')[0]) return;
    e.preventDefault();
    send('__vqLinkClicked', address.href);
  });
  // A form that sends its fields in the address is sent as a script navigation, which the host
  // fetches first like any other; a form that posts them is left to the engine.
  function sendInAddress(form, submitter) {
    if (!form || form.method !== 'get' || (form.target && form.target !== '_self')) return false;
    var address = new URL(form.action || location.href, document.baseURI);
    var fields = new URLSearchParams();
    new FormData(form).forEach(function (value, name) { fields.append(name, typeof value === 'string' ? value : value.name); });
    if (submitter && submitter.name) fields.append(submitter.name, submitter.value);
    address.search = fields.toString();
    location.href = address.href;
    return true;
  }
  var submitForm = HTMLFormElement.prototype.submit;
  HTMLFormElement.prototype.submit = function () { if (!sendInAddress(this)) submitForm.call(this); };
  window.addEventListener('submit', function (e) {
    if (!e.defaultPrevented && sendInAddress(e.target, e.submitter)) e.preventDefault();
  });
  window.__vqDeliverFiles = function (files) {
    var input = window.__vqFileInput;
    if (!input) return false;
    var list = new DataTransfer();
    files.forEach(function (f) {
      var raw = atob(f.data), bytes = new Uint8Array(raw.length);
      for (var i = 0; i < raw.length; ++i) bytes[i] = raw.charCodeAt(i);
      list.items.add(new File([bytes], f.name, { type: f.type }));
    });
    input.files = list.files;
    input.dispatchEvent(new Event('input', { bubbles: true }));
    input.dispatchEvent(new Event('change', { bubbles: true }));
    return true;
  };
})();
)JS";

// The page of the presentation view, pptWebView: window.webkit.messageHandlers.blobHandler.postMessage(body)
// forwards JSON.stringify(body) to the host, as the AI page's messages are.
const char* const kPptWebViewShim = R"JS(
(function () {
  if (window.__vqShim) return;
  window.__vqShim = true;
  var queue = [], bridge = null;
  function send(body) {
    var text;
    try { text = JSON.stringify(body); } catch (e) { text = String(body); }
    if (text === undefined) text = 'null';
    if (bridge) bridge.postMessage('blobHandler', text); else queue.push(text);
  }
  window.webkit = window.webkit || {};
  window.webkit.messageHandlers = window.webkit.messageHandlers || {};
  window.webkit.messageHandlers.blobHandler = { postMessage: send };
  function connect() {
    if (typeof qt === 'undefined' || !qt.webChannelTransport) { setTimeout(connect, 50); return; }
    new QWebChannel(qt.webChannelTransport, function (channel) {
      bridge = channel.objects.vqBridge;
      var pending = queue; queue = [];
      pending.forEach(function (t) { bridge.postMessage('blobHandler', t); });
    });
  }
  connect();
})();
)JS";

QString readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

void VQAIWebMessageBridge::postMessage(const QString& name, const QString& body)
{
    if (onMessage)
        onMessage(name, body);
}

VQAIWebEnginePage::VQAIWebEnginePage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent)
{
}

bool VQAIWebEnginePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (onNavigation)
        onNavigation(url, type, isMainFrame);
    const QString scheme = url.scheme();
    const bool fetchable = scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("blob");
    const bool sameDocument = url.adjusted(QUrl::RemoveFragment) == this->url().adjusted(QUrl::RemoveFragment);
    // Link clicks of the page's own links come as messages (see kShim): what comes here as a link
    // click is a script's navigation, which the engine does not tell apart.
    // A navigation is fetched once: only one to what looks like a file the engine would show
    // (a picture, a text) is fetched first, so that it is saved instead; the rest go ahead, and
    // a response the engine cannot show becomes a download of its own. One-time addresses
    // (sign-in callbacks, signed links) are not used up by a probe.
    if ((type == NavigationTypeOther || type == NavigationTypeLinkClicked) && isMainFrame && fetchable && !sameDocument
        && fetchFirst && fetchFirst(url)) {
        // Fetched first: a file is saved, anything else is then shown (see fetchNavigation).
        QTimer::singleShot(0, this, [this, url] {
            if (onScriptNavigation)
                onScriptNavigation(url);
        });
        return false;
    }
    if (type == NavigationTypeLinkClicked && !(isMainFrame && fetchable && !sameDocument)) {
        // A clicked link is downloaded, not shown; the download starts once this decision is made.
        QTimer::singleShot(0, this, [this, url] {
            if (onLinkClicked)
                onLinkClicked(url);
        });
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QStringList VQAIWebEnginePage::chooseFiles(FileSelectionMode mode, const QStringList&, const QStringList&)
{
    // The engine waits for the answer inside this call, which would stall the window while the
    // user picks files. The choice runs asynchronously instead: the engine gets "none" now, and
    // the chosen files are set on the page's file input afterwards (see kShim).
    const bool multiple = mode == FileSelectOpenMultiple;
    QTimer::singleShot(0, this, [this, multiple] {
        if (onChooseFiles)
            onChooseFiles(multiple);
    });
    return {};
}

void VQAIWebEnginePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                                 int lineNumber, const QString& sourceID)
{
    if (level == InfoMessageLevel || !onConsole)
        return;
    onConsole(message, QUrl(sourceID), lineNumber);
}

VQAIWebHost::VQAIWebHost()
    : m_window(new QWidget())
{
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->resize(1100, 760);
    auto* layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 1, 0, 0);
    // The host lives as long as the program: its page and profile go while the application
    // object still exists, before the engine shuts down and finds a profile with a live page.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &VQAIWebHost::releasePage);
}

VQAIWebHost::~VQAIWebHost()
{
    m_handlers = Handlers();
    releasePage();
    delete m_window.data();
}

void VQAIWebHost::releasePage()
{
    // Tearing the profile down ends its downloads; nobody is told any more.
    if (m_profile)
        m_profile->disconnect(this);
    // The presentation page is on the default profile, which the engine ends after the application.
    delete m_pptWebView;
    m_pptWebView = nullptr;
    delete m_pptWebPage;
    m_pptWebPage = nullptr;
    // The page goes before its profile (the engine requires it).
    delete m_view;
    m_view = nullptr;
    delete m_page;
    m_page = nullptr;
    delete m_profile;
    m_profile = nullptr;
}

void VQAIWebHost::setHandlers(Handlers handlers)
{
    m_handlers = std::move(handlers);
}

void VQAIWebHost::setUserAgent(const QString& userAgent)
{
    m_userAgent = userAgent;
    if (m_profile && !userAgent.isEmpty())
        m_profile->setHttpUserAgent(userAgent);
}

QWidget* VQAIWebHost::window()
{
    return m_window;
}

bool VQAIWebHost::hasPage() const
{
    return m_page != nullptr;
}

void VQAIWebHost::log(const QString& line) const
{
    if (m_handlers.log)
        m_handlers.log(line);
}

void VQAIWebHost::createPage()
{
    // A named profile keeps its cookies and storage on disk between runs.
    m_profile = new QWebEngineProfile(QStringLiteral("ai"));
    if (!m_userAgent.isEmpty())
        m_profile->setHttpUserAgent(m_userAgent);
    connect(m_profile, &QWebEngineProfile::downloadRequested, this, &VQAIWebHost::onDownloadRequested);

    m_page = new VQAIWebEnginePage(m_profile, nullptr);
    m_page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    m_page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    m_page->onNavigation = [this](const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame) {
        if (!m_handlers.navigationRequested)
            return;
        static const QHash<int, QString> kinds{
            {QWebEnginePage::NavigationTypeLinkClicked, QStringLiteral("link")},
            {QWebEnginePage::NavigationTypeTyped, QStringLiteral("typed")},
            {QWebEnginePage::NavigationTypeFormSubmitted, QStringLiteral("form")},
            {QWebEnginePage::NavigationTypeBackForward, QStringLiteral("back-forward")},
            {QWebEnginePage::NavigationTypeReload, QStringLiteral("reload")},
            {QWebEnginePage::NavigationTypeRedirect, QStringLiteral("redirect")},
        };
        m_handlers.navigationRequested(url, kinds.value(type, QStringLiteral("script")), isMainFrame);
    };
    m_page->onLinkClicked = [this](const QUrl& url) {
        // Addresses are logged by the controller, without their query (they carry tokens).
        log(QStringLiteral("link clicked: a download follows"));
        if (m_page) {
            m_linkFetches.append(url);
            m_page->download(url);
        }
    };
    m_page->onScriptNavigation = [this](const QUrl& url) { fetchNavigation(url); };
    m_page->onChooseFiles = [this](bool multiple) { onChooseFiles(multiple); };
    m_page->onConsole = [this](const QString& message, const QUrl& source, int line) {
        if (m_handlers.consoleMessage)
            m_handlers.consoleMessage(message, source, line);
    };
    m_page->fetchFirst = [this](const QUrl& url) { return m_handlers.fetchFirst && m_handlers.fetchFirst(url); };

    m_bridge = new VQAIWebMessageBridge(this);
    m_bridge->onMessage = [this](const QString& name, const QString& body) {
        if (name == QLatin1String("__vqLinkClicked")) {
            const QUrl url(QJsonDocument::fromJson("[" + body.toUtf8() + "]").array().at(0).toString());
            if (url.isValid() && m_page->onLinkClicked)
                m_page->onLinkClicked(url);
            return;
        }
        if (m_handlers.scriptMessage)
            m_handlers.scriptMessage(name, body);
    };
    m_channel = new QWebChannel(this);
    m_channel->registerObject(QStringLiteral("vqBridge"), m_bridge);
    m_page->setWebChannel(m_channel);

    const QString channelJs = readResource(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    if (channelJs.isEmpty())
        log(QStringLiteral("qwebchannel.js is missing: page messages will not arrive"));
    QWebEngineScript shim;
    shim.setName(QStringLiteral("vq-message-handlers"));
    shim.setInjectionPoint(QWebEngineScript::DocumentCreation);
    shim.setWorldId(QWebEngineScript::MainWorld);
    shim.setRunsOnSubFrames(false);
    shim.setSourceCode(channelJs + QLatin1Char('\n') + QString::fromUtf8(kShim));
    m_page->scripts().insert(shim);

    connect(m_page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && m_handlers.loadFailed)
            m_handlers.loadFailed(info.url(), QStringLiteral("%1 (%2)").arg(info.errorString()).arg(info.errorCode()));
    });
    connect(m_page, &QWebEnginePage::loadStarted, this, [this] { m_loading = true; });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        m_loading = false;
        const QUrl url = m_page->url();
        log(QStringLiteral("page loaded (%1)").arg(ok ? QStringLiteral("ok") : QStringLiteral("failed")));
        if (m_handlers.loadFinished)
            m_handlers.loadFinished(url, ok);
        flushScripts();
    });
    connect(m_page, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        onNewWindowRequested(request);
    });

    m_view = new QWebEngineView();
    m_view->setPage(m_page);
    m_window->layout()->addWidget(m_view);
    // The program's own widgets on the window (tabs, question bar) stay above the page.
    m_view->lower();
    m_view->setVisible(!m_pptWebViewShown);
}

void VQAIWebHost::setPptWebViewShown(bool shown)
{
    m_pptWebViewShown = shown;
    if (shown && !m_pptWebView)
        createPptWebView();
    if (m_view)
        m_view->setVisible(!shown);
    if (m_pptWebView)
        m_pptWebView->setVisible(shown);
}

void VQAIWebHost::createPptWebView()
{
    // Built as the page's view is, on the default profile (the engine's own user agent), with
    // only the "blobHandler" message; nothing is loaded into it.
    m_pptWebPage = new QWebEnginePage(QWebEngineProfile::defaultProfile(), nullptr);
    m_pptWebPage->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    m_pptWebPage->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    auto* bridge = new VQAIWebMessageBridge(m_pptWebPage);
    bridge->onMessage = [this](const QString& name, const QString& body) {
        if (m_handlers.scriptMessage)
            m_handlers.scriptMessage(name, body);
    };
    auto* channel = new QWebChannel(m_pptWebPage);
    channel->registerObject(QStringLiteral("vqBridge"), bridge);
    m_pptWebPage->setWebChannel(channel);
    QWebEngineScript shim;
    shim.setName(QStringLiteral("vq-ppt-web-view-handlers"));
    shim.setInjectionPoint(QWebEngineScript::DocumentCreation);
    shim.setWorldId(QWebEngineScript::MainWorld);
    shim.setRunsOnSubFrames(false);
    shim.setSourceCode(readResource(QStringLiteral(":/qtwebchannel/qwebchannel.js")) + QLatin1Char('\n')
                       + QString::fromUtf8(kPptWebViewShim));
    m_pptWebPage->scripts().insert(shim);
    connect(m_pptWebPage, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        onNewWindowRequested(request);
    });
    m_pptWebView = new QWebEngineView();
    m_pptWebView->setPage(m_pptWebPage);
    m_window->layout()->addWidget(m_pptWebView);
    m_pptWebView->lower();
}

void VQAIWebHost::load(const QUrl& url)
{
    if (!m_page)
        createPage();
    // Scripts sent from now on wait for this page.
    m_loading = true;
    m_page->load(url);
}

void VQAIWebHost::runJavaScript(const QString& script, std::function<void(const QVariant& result)> result)
{
    m_pendingScripts.emplace_back(script, std::move(result));
    if (m_page && !m_loading)
        flushScripts();
}

void VQAIWebHost::flushScripts()
{
    while (m_page && !m_loading && !m_pendingScripts.empty()) {
        auto [script, result] = std::move(m_pendingScripts.front());
        m_pendingScripts.pop_front();
        if (result)
            m_page->runJavaScript(script, QWebEngineScript::MainWorld, result);
        else
            m_page->runJavaScript(script, QWebEngineScript::MainWorld);
    }
}

void VQAIWebHost::onNewWindowRequested(QWebEngineNewWindowRequest& request)
{
    // No window is opened: the request is not taken up, and the controller decides what to do.
    const QUrl url = request.requestedUrl();
    log(QStringLiteral("new window requested"));
    if (m_handlers.newWindowRequested)
        m_handlers.newWindowRequested(url);
}

void VQAIWebHost::onChooseFiles(bool multiple)
{
    if (!m_handlers.chooseFiles)
        return;
    const quint64 choice = ++m_fileChoice;
    QPointer<VQAIWebHost> self(this);
    m_handlers.chooseFiles(multiple, [self, choice](const QStringList& paths) {
        if (!self || choice != self->m_fileChoice || paths.isEmpty())
            return;
        self->deliverFiles(paths);
    });
}

void VQAIWebHost::deliverFiles(const QStringList& paths)
{
    // The files are read off the main thread and handed to the page's file input as File objects.
    const quint64 choice = m_fileChoice;
    QPointer<VQAIWebHost> self(this);
    QThread* reader = QThread::create([self, choice, paths] {
        QJsonArray files;
        QStringList problems;
        QMimeDatabase mimes;
        for (const QString& path : paths) {
            QFile file(path);
            if (file.size() > kMaxUploadBytes) {
                problems << QStringLiteral("%1 is larger than %2 MB").arg(path).arg(kMaxUploadBytes / (1024 * 1024));
                continue;
            }
            if (!file.open(QIODevice::ReadOnly)) {
                problems << QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
                continue;
            }
            files.append(QJsonObject{{QStringLiteral("name"), QFileInfo(path).fileName()},
                                     {QStringLiteral("type"), mimes.mimeTypeForFile(path).name()},
                                     {QStringLiteral("data"), QString::fromLatin1(file.readAll().toBase64())}});
        }
        const QString script = QStringLiteral("window.__vqDeliverFiles(%1)")
                                   .arg(QString::fromUtf8(QJsonDocument(files).toJson(QJsonDocument::Compact)));
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, choice, script, problems, count = files.size()] {
                if (!self || choice != self->m_fileChoice)
                    return;
                for (const QString& problem : problems)
                    self->log(QStringLiteral("file not handed to the page: %1").arg(problem));
                if (count == 0)
                    return;
                QPointer<VQAIWebHost> host = self;
                self->runJavaScript(script, [host](const QVariant& delivered) {
                    if (host && !delivered.toBool())
                        host->log(QStringLiteral("the chosen files found no file input in the page"));
                });
            },
            Qt::QueuedConnection);
    });
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    reader->start();
}

void VQAIWebHost::fetchNavigation(const QUrl& url)
{
    if (!m_page)
        return;
    log(QStringLiteral("navigation fetched first: %1").arg(url.toString()));
    m_navigationFetches.append(url);
    m_page->download(url);
}

void VQAIWebHost::onDownloadRequested(QWebEngineDownloadRequest* download)
{
    if (download->page() != m_page)
        return;
    const quint32 id = download->id();
    // Which fetch this is: by its address; a redirected one (another address) is the oldest
    // navigation fetch, unless a link download is still to come.
    bool fromNavigation = m_navigationFetches.removeOne(download->url());
    if (!fromNavigation && !m_linkFetches.removeOne(download->url()) && m_linkFetches.isEmpty()
        && !m_navigationFetches.isEmpty() && !m_downloadPaths.contains(id)) {
        m_navigationFetches.removeFirst();
        fromNavigation = true;
    }
    // The engine asks again, with a new request, for a download it retries after a broken
    // connection: the retry keeps the place it was given, and the download is reported once.
    QString path = m_downloadPaths.value(id);
    if (path.isEmpty()) {
        Download info;
        info.id = id;
        info.url = download->url();
        info.mimeType = download->mimeType();
        info.suggestedFileName = download->suggestedFileName();
        info.fromNavigation = fromNavigation;
        log(QStringLiteral("download #%1 requested (%2)").arg(info.id).arg(info.mimeType));
        path = m_handlers.downloadRequested ? m_handlers.downloadRequested(info) : QString();
        if (path.isEmpty()) {
            download->cancel();
            if (fromNavigation) {
                // Not a file: the page goes where the script sent it.
                log(QStringLiteral("navigation shown: %1").arg(info.url.toString()));
                load(info.url);
            }
            return;
        }
        m_downloadPaths.insert(id, path);
    } else {
        log(QStringLiteral("download #%1 retried").arg(id));
    }
    const QFileInfo target(path);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());

    auto progress = [this, download, id] {
        if (m_handlers.downloadProgress && m_downloadPaths.contains(id))
            m_handlers.downloadProgress(id, download->receivedBytes(), download->totalBytes());
    };
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, this, progress);
    connect(download, &QWebEngineDownloadRequest::totalBytesChanged, this, progress);
    // An interrupted download counts as ended (the engine would keep it resumable and never
    // finish it); it is cancelled so no part of it stays behind.
    auto ended = [this, download, id] {
        const auto state = download->state();
        const bool interrupted = state == QWebEngineDownloadRequest::DownloadInterrupted;
        if (!download->isFinished() && !interrupted)
            return;
        if (!m_downloadPaths.remove(id))
            return; // reported already
        const bool complete = state == QWebEngineDownloadRequest::DownloadCompleted;
        QString error;
        if (!complete) {
            // Nothing here cancels a download it keeps: a cancelled one was ended by the engine.
            error = interrupted ? download->interruptReasonString() : QString();
            if (error.isEmpty())
                error = QStringLiteral("interrupted");
        }
        log(QStringLiteral("download #%1 %2%3").arg(id).arg(complete ? QStringLiteral("complete") : QStringLiteral("failed: "), error));
        if (interrupted)
            download->cancel();
        if (m_handlers.downloadFinished)
            m_handlers.downloadFinished(id, complete, error);
    };
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, ended);
    connect(download, &QWebEngineDownloadRequest::stateChanged, this, ended);
    download->accept();
}
