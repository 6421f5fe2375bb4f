#include "FakeSpeechEngine.h"
#include "SpeechDispatcherEngine.h"
#include "TestSupport.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

#include <gtest/gtest.h>

// Against a server that tells a message's begin before the answer naming it and meets a row's action on a
// line's arrival, before answering it: what is asked for while a text is on its way waits its turn, the server
// takes the text alone and the link stays in step; a broken link fails the text once and is opened again.
TEST(SpeechDispatcherEngineTest, CommandsWaitForTheTextAndBrokenLinksFailItOnce)
{
    enum Action { Stop, Pause, Resume, Next, Garbage, Silence, Close };
    const char* const cancelled = "SPEAK|text:one|.|CANCEL SELF", *again = "SPEAK|text:one|.|SPEAK|text:two|.";
    const struct { Action action; const char* transcript; const char* events; const char* eventsOnceStarted; } rows[] = {
        {Stop, cancelled, "1C", "1S 1C"}, {Pause, cancelled, "1P", "1S 1P"},
        {Resume, "SPEAK|text:one|.|PAUSE SELF|RESUME SELF", "1S 1P 1R 1F", "1S 1P 1R 1F"}, {Next, "SPEAK|text:one|.|CANCEL SELF|SPEAK|text:two|.", "1C 2S 2F", "1S 1C 2S 2F"},
        {Garbage, again, "1X 2S 2F", nullptr}, {Silence, again, "1X 2S 2F", nullptr}, {Close, again, "1X 2S 2F", nullptr}};
    for (const auto& row : rows) {
        for (const char* at : {"SPEAK", ".", ""}) { // the action before the 230, before the 225, once started
            if (row.eventsOnceStarted == nullptr && *at != '.')
                continue;
            SCOPED_TRACE(testing::Message() << row.action << " at '" << at << "'");
            QLocalServer server;
            server.listen(QStringLiteral("vq-speech-test-%1").arg(QCoreApplication::applicationPid()));
            QLocalSocket* client = nullptr;
            QByteArray buffer, trigger = at;
            bool data = false, silent = false; // silent: this connection gets no more answers
            QStringList received, events; // received: the commands, and each line of text as "text:<line>"
            const auto event = [&](int code) { client->write(QStringLiteral("%1-%2\r\n%1-1\r\n%1 EVENT\r\n").arg(code).arg(received.count(QStringLiteral("."))).toUtf8()); };
            SpeechDispatcherEngine engine(server.fullServerName(), std::make_unique<FakeSpeechEngine>(), row.action == Silence ? 250 : SpeechDispatcherEngine::kAnswerTimeoutMs);
            engine.setEventHandler([&events](int id, VQSpeechEngine::Event event) { events << QString::number(id) + QLatin1Char("SPRCFXN"[int(event)]); });
            const std::function<void()> actions[] = {[&] { engine.stop(VQSpeechEngine::Boundary::Immediate); },
                [&] { engine.pause(VQSpeechEngine::Boundary::Immediate); }, [&] { engine.pause(VQSpeechEngine::Boundary::Word), engine.resume(); },
                [&] { engine.stop(VQSpeechEngine::Boundary::Immediate), engine.say(QStringLiteral("two"), {}); },
                [&] { client->write("hello\r\n"), silent = true; }, [&] { silent = true; }, [&] { silent = true, client->close(); }}, action = actions[row.action];
            QObject::connect(&server, &QLocalServer::newConnection, [&] {
                client = server.nextPendingConnection(), buffer.clear(), data = silent = false;
                QObject::connect(client, &QLocalSocket::readyRead, client, [&] {
                    for (buffer += client->readAll(); !silent && buffer.contains("\r\n");) {
                        const QByteArray line = buffer.left(buffer.indexOf("\r\n"));
                        buffer.remove(0, line.size() + 2);
                        received << QString::fromUtf8(data && line != "." ? "text:" + line : line);
                        if (line == trigger)
                            trigger.clear(), action();
                        if (!silent && data && line == ".")
                            data = false, event(701), client->write("225-" + QByteArray::number(received.count(QStringLiteral("."))) + "\r\n225 OK MESSAGE QUEUED\r\n");
                        else if (!silent && !data)
                            client->write(line == "SPEAK" ? "230 OK RECEIVING DATA\r\n" : line.startsWith("LIST") ? "249-English\ten-US\tnone\r\n249 OK\r\n" : "200 OK\r\n"),
                                data = line == "SPEAK", line.endsWith(" SELF") ? event(line[0] == 'C' ? 703 : line[0] == 'P' ? 704 : 705) : void();
                    }
                });
            });
            engine.say(QStringLiteral("one"), QStringLiteral("en_US"));
            if (!*at && vqtest::waitUntil([&] { return events.contains(QStringLiteral("1S")); }))
                action();
            if (row.action >= Garbage && vqtest::waitUntil([&] { return events.contains(QStringLiteral("1X")); }))
                engine.say(QStringLiteral("two"), {});
            // Every SPEAK, its text and what followed; the SET lines ahead of each SPEAK left out.
            const auto transcript = [&] { return received.filter(QRegularExpression(QStringLiteral("^(SPEAK$|text:|\\.$|[A-Z]+ SELF$)"))).join(QLatin1Char('|')); };
            EXPECT_TRUE(vqtest::waitUntil([&] { return transcript() == QLatin1String(row.transcript); })) << transcript().toStdString();
            event(702);
            EXPECT_TRUE(vqtest::waitUntil([&] { return events.join(QLatin1Char(' ')) == QLatin1String(*at ? row.events : row.eventsOnceStarted); }))
                << events.join(QLatin1Char(' ')).toStdString();
        }
    }
}
