#pragma once

#include "RunOnMain.h"
#include "VQHttpResult.h"
#include "VQNetBaseScene.h"
#include "VQNetworkGuard.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <concepts>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class VQChatTurn;

// The one HTTP client of the maker's services: request descriptions (scenes), image text
// recognition and the AI chat stream.
//
// Every request runs on the main thread's event loop and never blocks it; a call from another
// thread is moved to the main thread first. Every callback is called exactly once per request
// (the chat stream: once per answer piece and once at the end, or once on failure), always on
// the main thread, always queued: never inside the call that started the request.
//
// When the network is known to be down, nothing is sent and the callback gets a failure with
// the localised "请检查网络". When the system cannot tell (no reachability backend), the request is
// sent. A failure always carries a non-empty localised message: "请检查网络" when the request
// could not be carried out (refused, time-out, closed mid-way), the server's own message when it
// refused the request, "系统错误" when the answer is not what was asked for.
//
// Log lines name the scene, the method and the address without its query; the answers of
// requests that carry credentials are never logged.
class VQHttpRequestManager : public QObject {
    Q_OBJECT
public:
    using Callback = std::function<void(const VQHttpResult& result)>;
    using ChatTurnList = QList<std::shared_ptr<VQChatTurn>>;

    // UI strings (keys of QRNLocalizedString).
    static constexpr char kNetworkErrorText[] = "请检查网络";
    static constexpr char kSystemErrorText[] = "系统错误";

    // The largest answer read, of any request of this client; a longer one is dropped unread
    // and the request fails with "系统错误".
    static constexpr qint64 kAnswerLimitBytes = 4 * 1024 * 1024;
    // Redirects followed per request (the network guard's); a longer chain fails as a transport
    // failure.
    static constexpr int kMaxRedirects = VQNetworkGuard::kMaxRedirects;

    // Image text recognition.
    static constexpr char kOcrPath[] = "/ocr";
    static constexpr char kOcrLanguageField[] = "language";
    static constexpr char kOcrFileField[] = "file";
    static constexpr char kOcrFileNameFormat[] = "%1.png";
    static constexpr char kOcrFileContentType[] = "image/png";
    static constexpr char kOcrAccept[] = "application/json, text/json, text/javascript, text/html, text/plain";
    // A recognition the server leaves unanswered gives up after this long.
    static constexpr int kOcrTimeoutMs = 10000;

    // AI chat stream.
    static constexpr char kChatPath[] = "/chat";
    static constexpr char kChatAccept[] = "text/event-stream";
    static constexpr char kChatContentType[] = "application/json";
    static constexpr char kChatPieceSeparator[] = "=====end=====";
    static constexpr int kChatTurnLimit = 5;
    static constexpr int kChatPiecePauseMs = 5;
    static constexpr int kChatTimeoutMs = 120000;

    static VQHttpRequestManager& sharedInstance();

    // Sends the request the scene describes and reads the result as the scene says:
    //  - WholeReply: success with the whole reply object when its status field holds the
    //    scene's success code;
    //  - DataMember: success with the value of the reply's data field (undefined when absent)
    //    under the same condition;
    //  - HttpStatus: success with no data for any 2xx answer.
    // A reply that is not a JSON object, an HTTP error status, and a status field without the
    // success code are failures; the server's message is used when it has one.
    //
    // The request is built on the main thread. From another thread, pass the scene by its own
    // type: it is copied on the calling thread (the scene is the caller's) and read on the main
    // thread. A scene handed over from another thread as a plain VQNetBaseScene cannot be copied;
    // it is refused (logged, and the callback gets a failure).
    template <class Scene>
        requires std::derived_from<Scene, VQNetBaseScene>
    void httpRequestWithScene(const Scene& scene, Callback callback)
    {
        if (mm::isMainThread()) {
            sendScene(scene, std::move(callback));
            return;
        }
        sendSceneOnMain(std::make_shared<const Scene>(scene), std::move(callback));
    }
    void httpRequestWithScene(const VQNetBaseScene& scene, Callback callback);

    // Recognises the text in a PNG image: a multipart POST to kOcrPath on the maker's API with
    // the field "language" (the selected screenshot source language) and the image as the file
    // part "file". Success when the answer is a 2xx JSON object whose "data" is an object and
    // whose "code", where present, is the success code: the data is the "text" of each element
    // of data."words", in order, joined with "\n" ("" when there are none). Otherwise a failure
    // holding the whole reply, whose message is the client's own ("系统错误"; "请检查网络" when no
    // answer came): the server's message of a failed recognition is not shown.
    void doubleMonkeyOcrWithBase64ImageData(const QByteArray& pngData, Callback callback);

    // Asks the AI chat service. The conversation sent is the last kChatTurnLimit turns of the list
    // (all when fewer), oldest first: each turn's question as a "user" message, followed for a
    // finished turn that has an answer by its lastAnswer() as an "assistant" message; the JSON array is encrypted
    // (VQCrypto::encryptChatBody) and posted to kChatPath. When the whole answer has arrived it is
    // split at kChatPieceSeparator; for each piece, in order, whose JSON object holds a text at
    // data.text, the current turn's answer becomes that text and the callback gets a success
    // with the text as data, kChatPiecePauseMs after the previous piece. Then, unless the turn is
    // already finished, it is marked finished and the callback gets one more success. A failed
    // request, including an HTTP error status, gives one failure and leaves the turn unfinished.
    void chatGPT(const ChatTurnList& turns, std::shared_ptr<VQChatTurn> currentModel, Callback callback);

    // True when the network is known to be down; false when it is up or cannot be told. Loads
    // the system's default reachability backend on first use. Main thread only.
    bool isNetworkKnownDown();

    // The JSON array of chat messages for the turns, as chatGPT() sends it (before encryption).
    static QByteArray chatRequestJson(const ChatTurnList& turns);

    // Tests only: decides reachability instead of the system (true: down); an empty function
    // returns to the system's answer.
    void setNetworkDownCheckForTests(std::function<bool()> isDown);
    // Tests only: how long a text recognition waits for its answer (kOcrTimeoutMs until reset).
    void setOcrTimeoutForTests(int timeoutMs) { m_ocrTimeoutMs = timeoutMs; }
    // Requests sent whose reply has not yet ended and reached its handler; tests wait for none
    // before checking that no answer changed anything.
    int openReplyCount() const { return m_openReplies; }
    // Tests only: drops every request in flight and every pending callback without calling it,
    // and returns to the system's reachability and the recognition's time-out.
    void resetForTests();

private:
    struct SceneRequest;
    struct ChatDelivery;

    VQHttpRequestManager();

    QNetworkAccessManager& network();
    // Builds the request from the scene and starts it; main thread only.
    void sendScene(const VQNetBaseScene& scene, Callback callback);
    // Sends the copy of a scene from the main thread's event loop.
    void sendSceneOnMain(std::shared_ptr<const VQNetBaseScene> scene, Callback callback);
    void startSceneRequest(const std::shared_ptr<SceneRequest>& request);
    void startOcrRequest(const QByteArray& pngData, Callback callback);
    void startChatRequest(const QByteArray& body, std::shared_ptr<VQChatTurn> currentModel, Callback callback);
    // Arms the time-out of the reply and calls onDone once, from the event loop, when it ends.
    void watchReply(QNetworkReply* reply, int timeoutMs, std::function<void(QNetworkReply*, bool timedOut)> onDone);
    // Calls back a failure without sending when the network is known to be down.
    bool refuseWhenDown(const QString& label, const Callback& callback);
    void deliverNextChatPiece(const std::shared_ptr<ChatDelivery>& delivery);
    // Queues the callback to the main thread unless resetForTests() runs first.
    void deliverLater(const Callback& callback, const VQHttpResult& result);

    QNetworkAccessManager* m_network = nullptr;
    std::function<bool()> m_networkDownCheck;
    bool m_reachabilityLoaded = false;
    int m_ocrTimeoutMs = kOcrTimeoutMs;
    // Raised by resetForTests(); callbacks queued before are dropped.
    quint64 m_generation = 0;
    int m_openReplies = 0;
};
