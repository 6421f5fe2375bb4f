#pragma once

#include <QtGlobal>

#include <functional>

class QByteArray;
class QNetworkReply;
class QNetworkRequest;

// The limits every web request of the program keeps, whichever client sends it (the HTTP client,
// the firmware download, the product image): a bounded chain of redirects that never goes down to
// a less safe scheme, and an answer dropped as soon as it announces or reaches more than its
// client's limit, so it is never held (or written) whole. Main thread only.
namespace VQNetworkGuard {

// Redirects followed per request; a longer chain fails as a transport failure.
inline constexpr int kMaxRedirects = 5;

// Sets the redirect rules on a request before it is sent.
void limitRedirects(QNetworkRequest& request);

// Ends the reply (abort(), logged) once its answer announces or reaches more than limitBytes;
// oversized() tells it afterwards. Call it right after the request is sent, before the client
// connects to the reply: the checks then run before the client's own slots.
//
// Without a chunk handler the client reads the answer when it has finished: the network stack
// buffers no more than the limit ahead of it. With one, every piece of the answer is read as it
// arrives and handed to it, also what is left when the reply finishes, and nothing past the limit
// reaches it.
using ChunkHandler = std::function<void(const QByteArray& chunk)>;
void limitAnswer(QNetworkReply* reply, qint64 limitBytes, ChunkHandler onChunk = {});

// True when limitAnswer ended the reply for its size.
bool oversized(const QNetworkReply* reply);

} // namespace VQNetworkGuard
