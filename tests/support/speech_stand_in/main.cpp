// The stand-in speech server as a program of its own, to try voice typing without the maker's
// server: corvane-speech-stand-in [port], then start the program with
// CORVANE_SPEECH_URL=ws://127.0.0.1:<port> (docs/speech-protocol.md).
#include "StandInSpeechServer.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bool ok = true;
    const QStringList arguments = QCoreApplication::arguments();
    const uint port = arguments.size() > 1 ? arguments.at(1).toUInt(&ok) : 9001;
    QTextStream err(stderr);
    if (!ok || port > 65535) {
        err << "usage: corvane-speech-stand-in [port]\n";
        return 2;
    }
    vqtest::StandInSpeechServer server;
    if (!server.start(static_cast<quint16>(port))) {
        err << "cannot listen on 127.0.0.1:" << port << "\n";
        return 1;
    }
    QTextStream out(stdout);
    out << "speech stand-in at " << server.url() << "/ws" << Qt::endl;
    QObject::connect(&server, &vqtest::StandInSpeechServer::connected, [&](int connection) {
        out << "connection " << connection << " region=" << server.regionQuery(connection) << Qt::endl;
    });
    QObject::connect(&server, &vqtest::StandInSpeechServer::violationFound,
                     [&](const QString& violation) { err << violation << Qt::endl; });
    QObject::connect(&server, &vqtest::StandInSpeechServer::lastSent, [&](int connection) {
        const vqtest::SpeechConnection record = server.connection(connection);
        out << "connection " << connection << ": "
            << vqtest::StandInSpeechServer::defaultFinalText(static_cast<int>(record.frames.size()), record.audio)
            << Qt::endl;
    });
    return QCoreApplication::exec();
}
