#pragma once

#include "VQAIWebPageHost.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QTemporaryDir;

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
    // Progress tips are at least this far apart.
    static constexpr int kProgressTipSpacingMs = 200;
    // The page's messages are logged (from the log worker) at most this many a second, each cut
    // to kMaxLoggedMessage characters; the rest are counted in one "n messages dropped" line.
    static constexpr int kMaxLoggedMessagesPerSecond = 20;
    static constexpr qsizetype kMaxLoggedMessage = 4096;

    explicit VQAIWebWindowController(QObject* parent = nullptr);
    ~VQAIWebWindowController() override;

    // Builds and loads the page unless it is built already or the device has none. Before the
    // first show this only marks the page for building: the build runs at the first show.
    void initSubViews();
    // Marks the page as not built and builds it again.
    void refresh();
    bool isCompleteLoad() const { return m_isCompleteLoad; }
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
    void buildPage();
    void installHandlers();
    void onScriptMessage(const QString& name, const QString& body);
    void logDroppedMessages();
    void onNewWindow(const QUrl& url);
    QString onDownloadRequested(const VQAIWebPageHost::Download& download);
    void onDownloadProgress(quint32 id, qint64 received, qint64 total);
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
};
