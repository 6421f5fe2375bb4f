#pragma once

#include "VQAIWebPageHost.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QColor;
class QNetworkAccessManager;
class QSlider;
class QTemporaryDir;
class VQButton;
class VQLabel;
class VQTextField;

// The AI web window: builds the connected product's page, puts questions and helper requests
// into it, answers what the page asks (new windows, files to upload) and saves the documents it
// offers where the user chooses. It drives a VQAIWebPageHost made by VQAIWebHostLoader on the
// first show, so the web engine costs nothing until the user opens the window. Main thread only.
class VQAIWebWindowController : public QObject {
    Q_OBJECT
public:
    // The program's own page, for products without a page of their own before the server gave
    // a chat page address.
    static constexpr char kLocalPageUrl[] = "qrc:/ai/chrome.html";
    // What that page tells the user, in the UI language (its address carries the texts): what to
    // do now, with the device connected or not, and the mark of a helper request.
    static constexpr char kLocalNoticeText[] = "该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络";
    static constexpr char kLocalNoticeNoDeviceText[] = "该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络";
    static constexpr char kLocalHelperText[] = "AI助手";
    // The tip when the program runs as root: the web engine would end it.
    static constexpr char kRootText[] = "以root身份运行时无法打开AI窗口";
    // Progress tips are at least this far apart; the whole is told once, when the download ends.
    static constexpr int kProgressTipSpacingMs = 200;
    // The page's messages and console lines are logged (from the log worker) at most this many a
    // second together, each cut to kMaxLoggedMessage characters; the rest are counted in one
    // "n messages dropped" line.
    static constexpr int kMaxLoggedMessagesPerSecond = 20;
    static constexpr qsizetype kMaxLoggedMessage = 4096;

    explicit VQAIWebWindowController(QObject* parent = nullptr);
    ~VQAIWebWindowController() override;

    // Builds and loads the page unless it is built already or the device has none. Before the
    // first show this only marks the page for building: the build runs at the first show.
    void initSubViews();
    // Marks the page as not built and builds it again.
    void refresh();
    // The page of the UI language (VQAIWebRules::languagePage) into the AI page's view, making the
    // web engine's host when there is none; nothing for a language without a page. Nothing calls
    // it yet.
    void loadHtml();
    bool isCompleteLoad() const { return m_isCompleteLoad; }
    // True while dropped page messages wait for the end of their second to be counted in the log.
    bool hasDropsToLog() const { return m_droppedTimer.isActive(); }
    void setCompleteLoad(bool complete) { m_isCompleteLoad = complete; }

    // Makes the host on first use, builds a page that waits for it, and shows, raises and
    // activates the window. False (with a tip and a log line) when the web engine cannot be loaded.
    bool showWindow();
    // Hides the window (nothing when it was never made).
    void hideWindow();
    // The window, nullptr before the first show.
    QWidget* window() const;
    bool isWindowVisible() const;

    // Runs a script in the page; dropped (and logged) while there is no page.
    void callJSFunction(const QString& script);
    // The product's question call with the text.
    void requestChatGPT(const QString& text);
    // Sets key action 18 and calls the page's helper function.
    void requestChatGPTWithHelperID(const QString& helperId, const QString& content);

    // The tabs: aiBtn shows the AI page, pptBtn the presentation view (the host's pptWebView); any
    // other sender changes nothing. A page build selects the AI tab and hides both tabs.
    void changeWebBtnClicked(VQButton* sender);

    // The question bar, built with the window and hidden; nothing shows it. Send puts the field's
    // text into the page as a question; Return in the field does nothing.
    void sendBtnClicked();
    // The slider's action (at the end of a drag, or a change made without dragging): the page's
    // font size.
    void sliderDidEndDragging();
    // The slider reports through sliderDidEndDragging only.
    void sliderValueChanged() {}
    // The context switch flips and tells the page.
    void contextBtnClicked(VQButton* button);
    void clearBtnClicked();

    // The window's own views, made on first read once the window exists (nullptr before).
    VQButton* aiBtn();
    VQButton* pptBtn();
    QWidget* bottomView();
    QSlider* slider();
    VQButton* contextBtn();
    VQTextField* questionTextField();
    VQButton* sendBtn();
    VQButton* clearBtn();

    // The save flow: asks where to save, copies the file there whole, tips and removes the
    // download's folder (also on Cancel).
    void saveFileWithLocation(const QString& location, const QString& mimeType, const QString& fileName);

Q_SIGNALS:
    // The window was hidden or closed by any means.
    void windowHidden();
    // A page load ended (ok false: it failed).
    void pageLoaded(const QUrl& url, bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The own page's address with its texts for the language and the connection now.
    static QUrl localPageAddress();
    static QString localNotice();
    // Tells the own page, when it is the one built, the connection's new notice.
    void updateLocalNotice();

    struct PendingDownload {
        std::shared_ptr<QTemporaryDir> folder;
        QString path;
        QString fileName;
        QString mimeType;
        QElapsedTimer lastTip;
    };

    bool ensureHost();
    // The window was made: the question bar is built, hidden.
    void windowDidLoad();
    VQButton* makeTab(const char* titleKey, const QColor& background);
    void layoutViews();
    void buildPage();
    // A page's "downloadFile" message: the file at "content" fetched into a private folder under
    // the bare "name", then offered to the save flow.
    void downloadFile(const QString& body);
    void installHandlers();
    void onScriptMessage(const QString& name, const QString& body);
    // Logs a line of the page (a message it posted, its console) within the page's bound.
    void logPageLine(QString line);
    void logDroppedMessages();
    void onNewWindow(const QUrl& url);
    QString onDownloadRequested(const VQAIWebPageHost::Download& download);
    void onDownloadProgress(quint32 id, qint64 received, qint64 total);
    // The progress tip of a download whose last tip was shown at lastTip.
    static void progressTip(QElapsedTimer& lastTip, qint64 received, qint64 total);
    void onDownloadFinished(quint32 id, bool complete, const QString& error);

    std::unique_ptr<VQAIWebPageHost> m_host;
    bool m_isCompleteLoad = false;
    // The program's own page is the one built last.
    bool m_localPageBuilt = false;
    // The page is built at the first show; a build asked for before it (a new chat address from
    // the server, the voice chip's token) waits for it.
    bool m_buildPending = true;
    bool m_shownOnce = false;
    QHash<quint32, PendingDownload> m_downloads;
    // The second in which the page's messages are counted, and the count.
    QElapsedTimer m_messageSecond;
    int m_messagesThisSecond = 0;
    int m_droppedMessages = 0;
    QTimer m_droppedTimer; // ends the second that dropped messages, to log their number
    // Folders of downloads waiting for the save dialog.
    QHash<QString, std::shared_ptr<QTemporaryDir>> m_savingFolders;
    // The MIME type of the last download the page started.
    QString m_mimeType;
    QNetworkAccessManager* m_network = nullptr;
    VQButton* m_aiBtn = nullptr;
    VQButton* m_pptBtn = nullptr;
    QWidget* m_bottomView = nullptr;
    QSlider* m_slider = nullptr;
    VQLabel* m_contextLabel = nullptr;
    VQButton* m_contextBtn = nullptr;
    QWidget* m_fieldBox = nullptr;
    VQTextField* m_questionTextField = nullptr;
    VQButton* m_sendBtn = nullptr;
    VQButton* m_clearBtn = nullptr;
};
