#pragma once

#include <QJsonValue>
#include <QString>
#include <QtGlobal>

// The outcome of one request to the maker's services, handed to every caller of the HTTP client.
//
// A success carries the value the request asked for in `data`. A failure always carries a
// non-empty, user-readable `message` (localised), and, for callers that need it, an error made
// of a domain and a code: the server's message text and its status value when the server said
// no, or kTransportErrorDomain and the Qt network error code when the request itself failed.
struct VQHttpResult {
    enum class Failure {
        None,        // success
        NetworkDown, // the network is known to be down; nothing was sent
        Transport,   // connection refused, host not found, closed mid-reply, ...
        TimedOut,    // no complete answer within the request's time-out
        BadReply,    // an HTTP error status, or a body that is not what the request expects
        Rejected,    // a well-formed reply whose status field is not the success code
    };

    // The error domain of failures below HTTP (Transport, TimedOut, NetworkDown).
    static constexpr char kTransportErrorDomain[] = "VQHttpTransportError";

    bool success = false;
    Failure failure = Failure::None;
    // Success: the whole reply, its data member, or the text the request produces. Failure: the
    // whole reply object when there was one, else undefined.
    QJsonValue data;
    // Failure: the text to show the user, never empty. Success: the reply's message, if any.
    QString message;
    // The HTTP status of the answer; 0 when no answer arrived.
    int httpStatus = 0;
    // The value of the reply's status field (a number, or a text holding one); 0 when absent.
    qint64 statusCode = 0;
    // Failure only: see above.
    QString errorDomain;
    qint64 errorCode = 0;
};
