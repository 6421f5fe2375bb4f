#include "VQAIWebWindowController.h"

#include "AppDelegate.h"
#include "DesktopOpener.h"
#include "FileChooser.h"
#include "MMLog.h"
#include "MMLoggedAddress.h"
#include "MMString.h"
#include "MMViewGeometry.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQAIWebHostLoader.h"
#include "VQAIWebRules.h"
#include "VQApiConfig.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQTextField.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSaveFile>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QWidget>

namespace {

constexpr int kAiKeyAction = 18;
// The tabs, the question bar and its controls, in pixels.
constexpr QSize kTabSize(160, 60);
constexpr int kBarHeight = 60;
constexpr int kFontSizeMin = 14;
constexpr int kFontSizeMax = 50;
// A "downloadFile" fetch that receives nothing for this long is abandoned.
constexpr int kFetchStallMs = 30000;
const QColor kAccent(0, 175, 204);
const QColor kText(38, 12, 12);

QString loc(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

void tip(const QString& text, const char* image)
{
    VQPopupWindowTool::sharedInstance().showTipMessage(text, QString::fromLatin1(image));
}

bool isSpreadsheet(const QString& mimeType)
{
    return mimeType == QLatin1String("application/vnd.ms-excel");
}

// Copies the whole file to the destination; the destination changes only when every byte was
// written. The reason of a failure in error.
bool copyWhole(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = source.errorString();
        return false;
    }
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly)) {
        *error = target.errorString();
        return false;
    }
    char buffer[64 * 1024];
    for (;;) {
        const qint64 read = source.read(buffer, sizeof buffer);
        if (read < 0) {
            *error = source.errorString();
            target.cancelWriting();
            return false;
        }
        if (read == 0)
            break;
        if (target.write(buffer, read) != read) {
            *error = target.errorString();
            target.cancelWriting();
            return false;
        }
    }
    if (!target.commit()) {
        *error = target.errorString();
        return false;
    }
    return true;
}

} // namespace

VQAIWebWindowController::VQAIWebWindowController(QObject* parent)
    : QObject(parent)
{
    // A change of UI language rebuilds the page with the new language code.
    NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(vq::kUpdateTitleNotification),
                                                    [this](const VQNotification&) { refresh(); });
    for (const char* link : { vq::kUSBInsertNotification, vq::kUSBRemoveNotification, vq::kBleConnectNotification })
        NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(link), [this](const VQNotification&) { updateLocalNotice(); });
    m_droppedTimer.setSingleShot(true);
    m_droppedTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_droppedTimer, &QTimer::timeout, this, &VQAIWebWindowController::logDroppedMessages);
}

VQAIWebWindowController::~VQAIWebWindowController()
{
    if (!m_host)
        return;
    // The host's last reports (downloads ended by its teardown) must not reach this object.
    m_host->setHandlers({});
    if (m_host->window())
        m_host->window()->removeEventFilter(this);
}

bool VQAIWebWindowController::ensureHost()
{
    if (m_host)
        return true;
    if (VQAIWebHostLoader::refusedAsRoot()) {
        // The web engine would end the whole program; nothing is started.
        VQLogError(QStringLiteral("AI web window: not opened, the program runs as root"));
        tip(loc(kRootText), "error_icon");
        return false;
    }
    m_host.reset(VQAIWebHostLoader::createHost());
    if (!m_host) {
        VQLogError(QStringLiteral("AI web window: the web engine could not be loaded"));
        tip(loc("AI窗口无法打开"), "error_icon");
        return false;
    }
    m_host->setUserAgent(QString::fromLatin1(VQAIWebRules::kUserAgent));
    installHandlers();
    if (QWidget* w = m_host->window())
        w->installEventFilter(this);
    windowDidLoad();
    return true;
}

void VQAIWebWindowController::windowDidLoad()
{
    if (QWidget* bar = bottomView())
        bar->hide();
}

VQButton* VQAIWebWindowController::makeTab(const char* titleKey, const QColor& background)
{
    auto* tab = new VQButton(window());
    QFont font = tab->font();
    font.setPixelSize(28);
    tab->setFont(font);
    tab->setTitleColor(kText);
    tab->setBackgroundColor(background);
    tab->setTitle(loc(titleKey));
    connect(tab, &VQButton::clicked, this, [this, tab] { changeWebBtnClicked(tab); });
    layoutViews();
    return tab;
}

VQButton* VQAIWebWindowController::aiBtn()
{
    if (!m_aiBtn && window())
        m_aiBtn = makeTab("AI智能写作", kAccent);
    return m_aiBtn;
}

VQButton* VQAIWebWindowController::pptBtn()
{
    if (!m_pptBtn && window())
        m_pptBtn = makeTab("PPT", Qt::white);
    return m_pptBtn;
}

QWidget* VQAIWebWindowController::bottomView()
{
    if (m_bottomView || !window())
        return m_bottomView;
    m_bottomView = new QWidget(window());
    auto* column = new QVBoxLayout(m_bottomView);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* separator = new QWidget(m_bottomView);
    separator->setFixedHeight(1);
    separator->setAutoFillBackground(true);
    QPalette line = separator->palette();
    line.setColor(QPalette::Window, QColor(211, 211, 211));
    separator->setPalette(line);
    column->addWidget(separator);
    auto* row = new QHBoxLayout();
    row->setContentsMargins(20, 0, 20, 0);
    row->setSpacing(0);
    column->addLayout(row, 1);

    m_slider = new QSlider(Qt::Horizontal, m_bottomView);
    m_slider->setRange(kFontSizeMin, kFontSizeMax);
    m_slider->setValue(kFontSizeMin);
    m_slider->setFixedSize(100, 30);
    // The action comes at the end of a drag, and for every change made without dragging.
    connect(m_slider, &QSlider::sliderReleased, this, &VQAIWebWindowController::sliderDidEndDragging);
    connect(m_slider, &QSlider::valueChanged, this, [this] {
        if (!m_slider->isSliderDown())
            sliderDidEndDragging();
    });
    row->addWidget(m_slider);
    row->addSpacing(40);

    m_contextLabel = new VQLabel(QStringLiteral("关联上下文"), m_bottomView);
    QFont labelFont = m_contextLabel->font();
    labelFont.setPixelSize(16);
    m_contextLabel->setFont(labelFont);
    m_contextLabel->setTextColor(kText);
    m_contextLabel->setFixedHeight(30);
    row->addWidget(m_contextLabel);
    row->addSpacing(10);

    m_contextBtn = new VQButton(m_bottomView);
    m_contextBtn->setImageName(QStringLiteral("2_switch_off_icon"));
    m_contextBtn->setFixedSize(39, 29);
    connect(m_contextBtn, &VQButton::clicked, this, [this] { contextBtnClicked(m_contextBtn); });
    row->addWidget(m_contextBtn);
    row->addSpacing(20);

    m_fieldBox = new QWidget(m_bottomView);
    m_fieldBox->setObjectName(QStringLiteral("questionBox"));
    m_fieldBox->setAttribute(Qt::WA_StyledBackground);
    m_fieldBox->setStyleSheet(QStringLiteral("#questionBox { background: rgb(222, 222, 222); border-radius: 15px; }"));
    m_fieldBox->setFixedHeight(40);
    auto* boxLayout = new QHBoxLayout(m_fieldBox);
    boxLayout->setContentsMargins(5, 5, 0, 0);
    m_questionTextField = new VQTextField(m_fieldBox);
    QFont fieldFont = m_questionTextField->font();
    fieldFont.setPixelSize(14);
    m_questionTextField->setFont(fieldFont);
    m_questionTextField->setTextColor(kText);
    // Return neither sends nor inserts anything (the field is single-line and nothing listens).
    boxLayout->addWidget(m_questionTextField);
    row->addWidget(m_fieldBox, 1);
    row->addSpacing(20);

    m_sendBtn = new VQButton(m_bottomView);
    m_sendBtn->setImageName(QStringLiteral("btn_go"));
    m_sendBtn->setFixedSize(40, 40);
    connect(m_sendBtn, &VQButton::clicked, this, &VQAIWebWindowController::sendBtnClicked);
    row->addWidget(m_sendBtn);
    row->addSpacing(20);

    m_clearBtn = new VQButton(m_bottomView);
    m_clearBtn->setImageName(QStringLiteral("clear"));
    m_clearBtn->setFixedSize(40, 40);
    connect(m_clearBtn, &VQButton::clicked, this, &VQAIWebWindowController::clearBtnClicked);
    row->addWidget(m_clearBtn);

    layoutViews();
    return m_bottomView;
}

QSlider* VQAIWebWindowController::slider()
{
    bottomView();
    return m_slider;
}

VQButton* VQAIWebWindowController::contextBtn()
{
    bottomView();
    return m_contextBtn;
}

VQTextField* VQAIWebWindowController::questionTextField()
{
    bottomView();
    return m_questionTextField;
}

VQButton* VQAIWebWindowController::sendBtn()
{
    bottomView();
    return m_sendBtn;
}

VQButton* VQAIWebWindowController::clearBtn()
{
    bottomView();
    return m_clearBtn;
}

void VQAIWebWindowController::layoutViews()
{
    QWidget* w = window();
    if (!w)
        return;
    // Over the page: the tabs at the top left, the question bar along the bottom edge.
    if (m_aiBtn)
        m_aiBtn->setGeometry(QRect(QPoint(0, 0), kTabSize));
    if (m_pptBtn)
        m_pptBtn->setGeometry(QRect(QPoint(kTabSize.width(), 0), kTabSize));
    if (m_bottomView)
        m_bottomView->setGeometry(0, w->height() - kBarHeight, w->width(), kBarHeight);
    for (QWidget* view : {static_cast<QWidget*>(m_aiBtn), static_cast<QWidget*>(m_pptBtn), m_bottomView}) {
        if (view)
            view->raise();
    }
}

void VQAIWebWindowController::changeWebBtnClicked(VQButton* sender)
{
    if (!sender || !m_host || (sender != m_aiBtn && sender != m_pptBtn))
        return;
    const bool ai = sender == m_aiBtn;
    VQButton* chosen = ai ? m_aiBtn : pptBtn();
    VQButton* other = ai ? pptBtn() : m_aiBtn;
    chosen->setTitleColor(Qt::white);
    chosen->setBackgroundColor(kAccent);
    other->setTitleColor(kText);
    other->setBackgroundColor(Qt::transparent);
    m_host->setPptWebViewShown(!ai);
}

void VQAIWebWindowController::sendBtnClicked()
{
    if (VQTextField* field = questionTextField())
        requestChatGPT(field->text());
}

void VQAIWebWindowController::sliderDidEndDragging()
{
    if (m_slider)
        callJSFunction(VQAIWebRules::fontSizeCall(m_slider->value()));
}

void VQAIWebWindowController::contextBtnClicked(VQButton* button)
{
    if (!button)
        return;
    // The click has flipped the switch's state already.
    const bool on = button->state() != 0;
    button->setImageName(QString::fromLatin1(on ? "2_switch_on_icon" : "2_switch_off_icon"));
    callJSFunction(VQAIWebRules::contextSwitchCall(on));
}

void VQAIWebWindowController::clearBtnClicked()
{
    callJSFunction(VQAIWebRules::clearBoxCall());
}

void VQAIWebWindowController::loadHtml()
{
    if (!ensureHost())
        return;
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    VQAIWebRules::LanguagePageInputs in;
    in.uiLanguageIndex = VQLanguageManager::sharedInstance().uiLanguageIndex();
    in.chatGptUrl = state.chatGPTURL();
    in.appKey = state.appKey();
    in.time = mm::getTimeStr();
    in.serialNumber = state.sno();
    in.voiceChipToken = state.IFlytekChip_token();
    in.region = state.region();
    const std::optional<QUrl> page = VQAIWebRules::languagePage(in, VQAIWebRules::configuredHosts());
    if (!page) {
        VQLogInfo(QStringLiteral("AI page: no page for UI language %1").arg(in.uiLanguageIndex));
        return;
    }
    VQLogInfo(QStringLiteral("AI page for UI language %1: %2").arg(in.uiLanguageIndex).arg(mm::loggedAddress(*page)));
    m_host->load(*page);
}

void VQAIWebWindowController::installHandlers()
{
    VQAIWebPageHost::Handlers handlers;
    handlers.scriptMessage = [this](const QString& name, const QString& body) { onScriptMessage(name, body); };
    handlers.newWindowRequested = [this](const QUrl& url) { onNewWindow(url); };
    handlers.chooseFiles = [](bool, std::function<void(const QStringList&)> answer) {
        // Several files may be chosen whatever the page asked.
        FileChooser::instance().chooseOpenFiles(true, [answer = std::move(answer)](const QStringList& paths) {
            if (answer)
                answer(paths);
        });
    };
    handlers.downloadRequested = [this](const VQAIWebPageHost::Download& d) { return onDownloadRequested(d); };
    handlers.downloadProgress = [this](quint32 id, qint64 received, qint64 total) {
        onDownloadProgress(id, received, total);
    };
    handlers.downloadFinished = [this](quint32 id, bool complete, const QString& error) {
        onDownloadFinished(id, complete, error);
    };
    // The page's navigations and loads go to the daily log file, as the script messages do, all
    // through the log worker so that they keep their order.
    handlers.navigationRequested = [](const QUrl& url, const QString& kind, bool mainFrame) {
        VQToolManager::writeLogLater(QStringLiteral("decidePolicyForNavigationAction:%1 (%2, %3),webView=aiWebView")
                                    .arg(mm::loggedAddress(url), kind, mainFrame ? QStringLiteral("main frame") : QStringLiteral("frame")));
    };
    handlers.loadFinished = [this](const QUrl& url, bool ok) {
        if (ok) {
            VQLogInfo(QStringLiteral("AI page loaded: %1").arg(mm::loggedAddress(url)));
            VQToolManager::writeLogLater(QStringLiteral("didFinishNavigation:%1").arg(mm::loggedAddress(url)));
        } else {
            VQLogWarn(QStringLiteral("AI page failed to load: %1").arg(mm::loggedAddress(url)));
        }
        Q_EMIT pageLoaded(url, ok);
    };
    handlers.loadFailed = [](const QUrl& url, const QString& error) {
        VQToolManager::writeLogLater(QStringLiteral("didFailProvisionalNavigation:%1 %2").arg(error, mm::loggedAddress(url)));
    };
    handlers.log = [](const QString& line) { VQLogInfo(QStringLiteral("AI web: %1").arg(line)); };
    // The console shares the bound of the page's messages: a page may write without end.
    handlers.consoleMessage = [this](const QString& message, const QUrl& source, int line) {
        logPageLine(QStringLiteral("page console: %1 (%2:%3)").arg(message.left(kMaxLoggedMessage), mm::loggedAddress(source)).arg(line));
    };
    handlers.fetchFirst = [](const QUrl& url) { return VQAIWebRules::looksLikeDownloadableFile(url); };
    m_host->setHandlers(std::move(handlers));
}

void VQAIWebWindowController::initSubViews()
{
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    if (state.isDisableDevice() || m_isCompleteLoad)
        return;
    if (!m_shownOnce) {
        m_buildPending = true;
        return;
    }
    buildPage();
}

void VQAIWebWindowController::refresh()
{
    m_isCompleteLoad = false;
    initSubViews();
}

void VQAIWebWindowController::buildPage()
{
    m_buildPending = false;
    if (!m_host)
        return;
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    VQAIWebRules::PageInputs in;
    in.productCode = state.productCode();
    in.disabledDevice = state.isDisableDevice();
    in.serialNumber = state.sno();
    in.macAddress = mm::vq_getMacAddress();
    if (in.macAddress.isNull())
        in.macAddress = QString(QLatin1String(""));
    in.time = mm::getTimeStr();
    in.chatGptUrl = state.chatGPTURL();
    in.serviceGpts = state.serviceGPTS();
    in.uiLanguageCode = VQLanguageManager::sharedInstance().readUILanguageCode();
    in.partnerCToken = VQApiConfig::partnerCToken();
    in.localPage = localPageAddress();
    const VQAIWebRules::PageChoice choice = VQAIWebRules::choosePage(in, VQAIWebRules::configuredHosts());
    if (choice.kind == VQAIWebRules::PageKind::None)
        return;
    // The AI tab is selected and both tabs are hidden.
    changeWebBtnClicked(aiBtn());
    aiBtn()->hide();
    pptBtn()->hide();
    m_aiBtn->setTitle(loc("AI智能写作")); // in the UI language of this build
    m_pptBtn->setTitle(loc("PPT"));
    if (choice.kind == VQAIWebRules::PageKind::DefaultChat)
        VQToolManager::writeLogLater(QStringLiteral("加载AI：%1").arg(mm::loggedAddress(choice.url)));
    VQLogInfo(QStringLiteral("AI page for product %1: %2").arg(in.productCode, mm::loggedAddress(choice.url)));
    m_host->load(choice.url);
    if (VQTextField* field = questionTextField()) {
        field->setPlaceholderText(loc("请输入内容"));
        m_contextBtn->setState(1);
        m_contextBtn->setImageName(QStringLiteral("2_switch_on_icon"));
    }
    m_isCompleteLoad = true;
    m_localPageBuilt = choice.kind == VQAIWebRules::PageKind::LocalPage;
}

QString VQAIWebWindowController::localNotice()
{
    return loc(VQUserInfoData::sharedInstance().isConnect() ? kLocalNoticeText : kLocalNoticeNoDeviceText);
}

QUrl VQAIWebWindowController::localPageAddress()
{
    // Every reserved character escaped: the page reads the values back whole.
    const auto value = [](const QString& text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); };
    const QString notice = localNotice();
    QUrl address(QString::fromLatin1(kLocalPageUrl));
    address.setQuery(QStringLiteral("notice=%1&helper=%2&dir=%3")
                         .arg(value(notice), value(loc(kLocalHelperText)), notice.isRightToLeft() ? QStringLiteral("rtl") : QStringLiteral("ltr")),
                     QUrl::StrictMode);
    return address;
}

void VQAIWebWindowController::updateLocalNotice()
{
    if (m_localPageBuilt && m_host && m_host->hasPage())
        callJSFunction(QStringLiteral("setNotice(%1)").arg(VQAIWebRules::jsStringLiteral(localNotice())));
}

bool VQAIWebWindowController::showWindow()
{
    if (!ensureHost())
        return false;
    m_shownOnce = true;
    if (m_buildPending)
        initSubViews();
    QWidget* w = m_host->window();
    if (!w)
        return false;
    // The window opens whole on its screen, smaller on a small one (1100 x 760 does not fit 768 lines).
    mm::keepOnScreen(w);
    w->show();
    w->raise();
    w->activateWindow();
    return true;
}

void VQAIWebWindowController::hideWindow()
{
    if (QWidget* w = window())
        w->hide();
}

QWidget* VQAIWebWindowController::window() const
{
    return m_host ? m_host->window() : nullptr;
}

bool VQAIWebWindowController::isWindowVisible() const
{
    QWidget* w = window();
    return w && w->isVisible();
}

bool VQAIWebWindowController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && (event->type() == QEvent::Hide || event->type() == QEvent::Close))
        Q_EMIT windowHidden();
    if (watched == window() && event->type() == QEvent::Resize)
        layoutViews();
    return QObject::eventFilter(watched, event);
}

void VQAIWebWindowController::callJSFunction(const QString& script)
{
    if (!m_host || !m_host->hasPage()) {
        VQLogWarn(QStringLiteral("AI page call dropped: no page (%1)").arg(script.left(80)));
        return;
    }
    m_host->runJavaScript(script);
}

void VQAIWebWindowController::requestChatGPT(const QString& text)
{
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    callJSFunction(VQAIWebRules::questionCall(state.productCode().toInt(), text, state.sno(), mm::getTimeStr()));
    if (m_questionTextField)
        m_questionTextField->clear();
}

void VQAIWebWindowController::requestChatGPTWithHelperID(const QString& helperId, const QString& content)
{
    VQUserInfoData::sharedInstance().setKeyAction(kAiKeyAction);
    callJSFunction(VQAIWebRules::helperCall(helperId, content));
}

void VQAIWebWindowController::onScriptMessage(const QString& name, const QString& body)
{
    // "fileSelected" is accepted and nothing more happens; "downloadFile" is fetched and saved
    // once this message is logged; every other name is ignored.
    if (name == QLatin1String("downloadFile"))
        QMetaObject::invokeMethod(this, [this, body] { downloadFile(body); }, Qt::QueuedConnection);
    const QString text = name.left(kMaxLoggedMessage) + QLatin1Char(' ') + body.left(kMaxLoggedMessage);
    logPageLine(QStringLiteral("userContentController:didReceiveScriptMessage:") + text);
}

void VQAIWebWindowController::logPageLine(QString line)
{
    // A page may post without end: what is logged is bounded, and the disk is written off this
    // thread.
    if (!m_messageSecond.isValid() || m_messageSecond.elapsed() >= 1000) {
        logDroppedMessages();
        m_messageSecond.start();
        m_messagesThisSecond = 0;
    }
    if (m_messagesThisSecond >= kMaxLoggedMessagesPerSecond) {
        if (m_droppedMessages++ == 0)
            m_droppedTimer.start(int(qMax<qint64>(0, 1000 - m_messageSecond.elapsed())));
        return;
    }
    ++m_messagesThisSecond;
    if (line.size() > kMaxLoggedMessage)
        line = line.left(kMaxLoggedMessage) + QStringLiteral("…");
    VQToolManager::writeLogLater(line);
    VQLogInfo(line);
}

void VQAIWebWindowController::logDroppedMessages()
{
    m_droppedTimer.stop();
    if (m_droppedMessages == 0)
        return;
    const QString line = QStringLiteral("%1 messages dropped").arg(m_droppedMessages);
    m_droppedMessages = 0;
    VQToolManager::writeLogLater(line);
    VQLogWarn(line);
}

void VQAIWebWindowController::downloadFile(const QString& body)
{
    const QJsonObject message = QJsonDocument::fromJson(body.toUtf8()).object();
    const QUrl url(message.value(QLatin1String("content")).toString());
    const QString mimeType = m_mimeType;
    const auto failed = [mimeType](const QString& reason) {
        VQLogWarn(QStringLiteral("AI page: downloadFile failed: %1").arg(reason));
        tip(loc(isSpreadsheet(mimeType) ? "下载失败，error=%1" : "导出失败，error=%1").arg(reason), "error_icon");
    };
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty()) {
        failed(QStringLiteral("no web address"));
        return;
    }
    // The file waits in a private folder of its own under a bare name: a name from the page
    // never reaches outside it, and no file of the user's is replaced or removed.
    const QString fileName = VQAIWebRules::downloadFileName(message.value(QLatin1String("name")).toString(), mimeType,
                                                            url, mm::getTimeStr());
    auto folder = std::make_shared<QTemporaryDir>(QDir(QDir::tempPath()).filePath(QStringLiteral("vq-ai-download-XXXXXX")));
    auto file = std::make_shared<QSaveFile>(QDir(folder->path()).filePath(fileName));
    if (!folder->isValid() || !file->open(QIODevice::WriteOnly)) {
        failed(folder->isValid() ? file->errorString() : folder->errorString());
        return;
    }
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setTransferTimeout(kFetchStallMs);
    QNetworkReply* reply = m_network->get(request);
    VQLogInfo(QStringLiteral("AI page: downloadFile %1 -> %2").arg(mm::loggedAddress(url), fileName));
    auto lastTip = std::make_shared<QElapsedTimer>();
    connect(reply, &QNetworkReply::readyRead, this, [reply, file] {
        if (file->write(reply->readAll()) < 0)
            reply->abort();
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [lastTip](qint64 received, qint64 total) {
        progressTip(*lastTip, received, total);
    });
    QPointer<VQAIWebWindowController> self(this);
    connect(reply, &QNetworkReply::finished, this, [self, reply, url, folder, file, fileName, mimeType, failed] {
        reply->deleteLater();
        if (!self)
            return;
        if (reply->error() == QNetworkReply::NoError)
            file->write(reply->readAll());
        QString reason;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (file->error() != QFileDevice::NoError) {
            reason = file->errorString();
        } else if (reply->error() != QNetworkReply::NoError) {
            reason = status.isValid() ? QStringLiteral("HTTP %1").arg(status.toInt()) : reply->errorString();
            // The engine's text names the whole address, and its query may carry a signature.
            reason.replace(url.toString(QUrl::FullyEncoded), mm::loggedAddress(url));
            reason.replace(url.toString(), mm::loggedAddress(url));
        } else if (!file->commit()) {
            reason = file->errorString();
        }
        if (!reason.isEmpty()) {
            file->cancelWriting();
            failed(reason);
            return; // the folder goes with the last reference
        }
        tip(loc("已下载%1%").arg(100), "download");
        self->m_savingFolders.insert(file->fileName(), folder);
        self->saveFileWithLocation(file->fileName(), mimeType, fileName);
    });
}

void VQAIWebWindowController::onNewWindow(const QUrl& url)
{
    VQToolManager::writeLogLater(QStringLiteral("createWebViewWithConfiguration:%1").arg(mm::loggedAddress(url)));
    using VQAIWebRules::NewWindowAction;
    switch (VQAIWebRules::newWindowAction(url, VQApiConfig::baseUrl(VQApiConfig::Endpoint::DevicePageHost))) {
    case NewWindowAction::Ignore:
        VQLogInfo(QStringLiteral("AI page: new window for %1 ignored").arg(mm::loggedAddress(url)));
        return;
    case NewWindowAction::DevicePage:
        if (!VQUserInfoData::sharedInstance().isConnect())
            tip(loc("设备未连接"), "info_icon");
        if (AppDelegate* delegate = AppDelegate::sharedDelegate()) {
            delegate->openApp();
            delegate->manualSelectedItemWithIndex(0);
        }
        return;
    case NewWindowAction::OpenInBrowser:
        if (!DesktopOpener::instance().openUrl(url)) {
            VQLogWarn(QStringLiteral("AI page: the browser did not take %1").arg(mm::loggedAddress(url)));
            tip(loc("打开失败"), "error_icon");
        }
        return;
    }
}

QString VQAIWebWindowController::onDownloadRequested(const VQAIWebPageHost::Download& download)
{
    VQToolManager::writeLogLater(QStringLiteral("decidePolicyForNavigationResponse:%1 (%2)").arg(mm::loggedAddress(download.url), download.mimeType));
    m_mimeType = download.mimeType;
    // A navigation fetched first looked like a file by its address: it is saved whatever its
    // type, so it is fetched once.
    auto folder = std::make_shared<QTemporaryDir>(QDir(QDir::tempPath()).filePath(QStringLiteral("vq-ai-download-XXXXXX")));
    if (!folder->isValid()) {
        VQLogError(QStringLiteral("AI download %1: no temporary folder: %2").arg(mm::loggedAddress(download.url), folder->errorString()));
        tip(loc("下载失败，error=%1").arg(folder->errorString()), "error_icon");
        return {};
    }
    PendingDownload pending;
    pending.folder = folder;
    pending.mimeType = download.mimeType;
    pending.fileName = VQAIWebRules::downloadFileName(download.suggestedFileName, download.mimeType, download.url, mm::getTimeStr());
    pending.path = QDir(folder->path()).filePath(pending.fileName);
    VQToolManager::writeLogLater(QStringLiteral("didBecomeDownload:%1 -> %2").arg(mm::loggedAddress(download.url), pending.fileName));
    const QString path = pending.path;
    m_downloads.insert(download.id, std::move(pending));
    return path;
}

void VQAIWebWindowController::onDownloadProgress(quint32 id, qint64 received, qint64 total)
{
    auto it = m_downloads.find(id);
    if (it != m_downloads.end())
        progressTip(it->lastTip, received, total);
}

void VQAIWebWindowController::progressTip(QElapsedTimer& lastTip, qint64 received, qint64 total)
{
    // The whole is told once, by the end of the download ("100%").
    if (total <= 0 || received >= total || (lastTip.isValid() && lastTip.elapsed() < kProgressTipSpacingMs))
        return;
    lastTip.start();
    const double percent = static_cast<double>(static_cast<float>(received) / static_cast<float>(total)) * 100.0;
    tip(loc("已下载%1%").arg(percent, 0, 'f', 2), "download");
}

void VQAIWebWindowController::onDownloadFinished(quint32 id, bool complete, const QString& error)
{
    auto it = m_downloads.find(id);
    if (it == m_downloads.end())
        return;
    PendingDownload pending = std::move(*it);
    m_downloads.erase(it);
    if (!complete) {
        VQLogWarn(QStringLiteral("AI download of %1 failed: %2").arg(pending.fileName, error));
        const char* key = isSpreadsheet(pending.mimeType) ? "下载失败，error=%1" : "导出失败，error=%1";
        tip(loc(key).arg(error), "error_icon");
        return; // the folder goes with pending
    }
    tip(loc("已下载%1%").arg(100), "download");
    m_savingFolders.insert(pending.path, pending.folder);
    saveFileWithLocation(pending.path, pending.mimeType, pending.fileName);
}

void VQAIWebWindowController::saveFileWithLocation(const QString& location, const QString& mimeType, const QString& fileName)
{
    // The dialog opens in the working folder when its folder is missing: the user's download
    // folder is made, else the home folder is offered.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::homePath();
    QPointer<VQAIWebWindowController> self(this);
    FileChooser::instance().chooseSaveFile(folder, fileName, [self, location, mimeType](const QString& chosen) {
        if (!self)
            return;
        // The download's folder goes once the dialog ended, whatever the answer.
        const std::shared_ptr<QTemporaryDir> downloadFolder = self->m_savingFolders.take(location);
        if (chosen.isEmpty()) {
            VQLogInfo(QStringLiteral("AI download: saving cancelled"));
            if (!downloadFolder)
                VQToolManager::deleteFileWithPath(location);
            return;
        }
        QString error;
        if (copyWhole(location, chosen, &error)) {
            VQLogInfo(QStringLiteral("AI download saved to %1").arg(chosen));
            tip(loc(isSpreadsheet(mimeType) ? "下载完成" : "导出完成"), "success_icon");
        } else {
            VQLogError(QStringLiteral("AI download: saving to %1 failed: %2").arg(chosen, error));
            tip(loc(isSpreadsheet(mimeType) ? "下载失败，error=%1" : "导出失败，error=%1").arg(error), "error_icon");
        }
        if (!downloadFolder)
            VQToolManager::deleteFileWithPath(location);
    });
}
