#pragma once

#include "StandInHttpServer.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace vqtest {

// The AI pages of the maker and the partners, served from one local HTTP server. Every page
// defines the page functions the program calls (handlInputValue, idallSendMessage, MESSAGE_SEND,
// externalFunc, aiMouseExternalFunc, handlHelperInput, fontSizeChange, switchChange, clearBox);
// each call is recorded, with its arguments, in the page's array window.vqCalls, which a test
// reads back with kCallsScript. The page also links the documents below, and carries a file input.
class StandInAIPageHost {
public:
    // Run in the page: the recorded calls as JSON text ([[name, arg, ...], ...]).
    static constexpr char kCallsScript[] = "JSON.stringify(window.vqCalls || [])";
    // An .xlsx document, answered whole.
    static constexpr char kXlsxPath[] = "/files/report.xlsx";
    // The same kind of document sent one byte at a time (kTrickleMs apart).
    static constexpr char kTricklePath[] = "/files/slow.xlsx";
    static constexpr int kTrickleMs = 4;
    // A document whose connection closes halfway.
    static constexpr char kCutPath[] = "/files/cut.xlsx";

    StandInAIPageHost();

    bool listen();
    StandInHttpServer& server() { return m_server; }
    QString url(const QString& path = QString()) const { return m_server.url(path); }
    // Points every AI page host of VQApiConfig (maker and partners, and the device page host) here.
    void installAsAIHosts() const;
    // The bytes of the documents (the trickled one is a shorter document).
    static QByteArray xlsxBytes();
    static QByteArray trickleBytes();

    // Checks a page address the program built for the product, as the partner would: its sign,
    // data and cc recomputed from its own values, the values themselves (serial number, MAC
    // address, a time within ten minutes of now). An empty text when the address is right, else
    // what is wrong.
    static QString checkAddress(const QUrl& address, int productCode, const QString& serialNumber,
                                const QString& macAddress, const QString& partnerCToken);
    // Partner C's data decoded with the key: the query the program scrambled.
    static QString decodePartnerCData(const QString& data, const QString& key);

private:
    StandInHttpServer m_server;
};

} // namespace vqtest
