#pragma once

#include "StandInHttpServer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vqtest {

// The local service that voice typing posts every pasted text to: "/api" on 127.0.0.1, a port
// chosen by the system (the program is pointed at it by the test). It keeps every request as
// sent and answers {"code": 0, "message": "ok"}, after delayMs when set.
class StandInLocalService {
public:
    static constexpr char kPath[] = "/api";

    bool listen();
    quint16 port() const { return m_http.port(); }
    void setDelayMs(int delayMs);

    QList<StandInRequest> requests() const { return m_http.requests(); }
    int requestCount() const { return m_http.requestCount(); }
    // The raw bodies, in order.
    QList<QByteArray> bodies() const;
    // The "data" member of each body that parses as a JSON object; "<invalid>" for one that does not.
    QStringList texts() const;

private:
    StandInHttpServer m_http;
};

} // namespace vqtest
