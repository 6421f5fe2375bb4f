// A million server frames, valid, damaged and random, through the service's frame handler:
// nothing crashes or trips the sanitizers, only well-formed answers reach the block, and the
// service still recognises an utterance afterwards.
#include "AsrServiceFixture.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <random>

using namespace asrtest;

namespace {

class FrameMaker {
public:
    explicit FrameMaker(quint32 seed) : m_random(seed) {}

    // A frame of the protocol's form, with members of every kind in its places.
    QByteArray wellFormed()
    {
        static const char* const types[] = {"MID", "FIN", "LAST", "PARTIAL", "", "last"};
        QJsonObject data;
        if (pick(8) != 0)
            data.insert(QStringLiteral("text"), anyValue(true));
        if (pick(8) != 0)
            data.insert(QStringLiteral("type"), pick(10) == 0 ? anyValue(false) : QJsonValue(QLatin1String(types[pick(6)])));
        if (pick(3) == 0)
            data.insert(QStringLiteral("dm"), pick(2) == 0 ? QJsonValue(QJsonObject{{QStringLiteral("intent"), anyValue(true)}}) : anyValue(false));
        QJsonObject frame;
        static const QJsonValue statuses[] = {200, 200, 200, QStringLiteral("200"), 500, 200.5, QJsonValue::Null, QStringLiteral("x")};
        if (pick(10) != 0)
            frame.insert(QStringLiteral("status"), statuses[pick(8)]);
        frame.insert(QStringLiteral("data"), pick(12) == 0 ? anyValue(false) : QJsonValue(data));
        return QJsonDocument(frame).toJson(pick(2) == 0 ? QJsonDocument::Compact : QJsonDocument::Indented);
    }

    // A well-formed frame, damaged or not, or random bytes.
    QString next()
    {
        QByteArray bytes = wellFormed();
        switch (pick(6)) {
        case 0:
        case 1:
            break;
        case 2: // flipped bytes
            for (int n = 1 + pick(4); n > 0; --n)
                bytes[pick(int(bytes.size()))] = char(pick(256));
            break;
        case 3: // cut short
            bytes.truncate(pick(int(bytes.size())));
            break;
        case 4: // structure characters inserted
            for (int n = 1 + pick(4); n > 0; --n)
                bytes.insert(pick(int(bytes.size()) + 1), "{}[]\",:\\\x00\xff"[pick(11)]);
            break;
        default: // random bytes
            bytes.resize(pick(64));
            for (char& c : bytes)
                c = char(pick(256));
            break;
        }
        return QString::fromUtf8(bytes);
    }

private:
    int pick(int n) { return n <= 0 ? 0 : int(m_random() % quint32(n)); }

    QJsonValue anyValue(bool mostlyText)
    {
        static const QString texts[] = {QString(), QStringLiteral("好"), QStringLiteral("hello world"),
                                        QStringLiteral("\"quoted\"\n'line'"), QStringLiteral("😀 emoji")};
        switch (mostlyText ? pick(3) : 3 + pick(5)) {
        case 0:
        case 1:
            return texts[pick(5)];
        case 2:
            return QString(pick(3) == 0 ? 5000 : 20, QChar(u'字'));
        case 3:
            return pick(1000) - 500;
        case 4:
            return QJsonValue::Null;
        case 5:
            return QJsonArray{1, QStringLiteral("a")};
        case 6:
            return true;
        default:
            return QJsonObject{{QStringLiteral("text"), QStringLiteral("nested")}};
        }
    }

    std::mt19937 m_random;
};

} // namespace

TEST_F(AsrServiceTest, RandomServerFramesAreHandledSafely)
{
    // 200,000 frames in every run; VQ_FUZZ_FRAMES=1000000 (or more) for a long run.
    bool countGiven = false;
    const int asked = qEnvironmentVariableIntValue("VQ_FUZZ_FRAMES", &countGiven);
    const int kFrames = countGiven ? std::max(1000, asked) : 200000;
    info().setSemanticSwitch(true);
    int semantic = 0;
    VQWebApiAsrService::setSemanticHandler([&](const QJsonObject&) { ++semantic; });
    int blocks = 0;
    int lasts = 0;
    int failures = 0;
    service().beginAsrIsTransferAudio(false, [&](bool success, const QString&, bool isLast) {
        ++blocks;
        lasts += isLast ? 1 : 0;
        failures += success ? 0 : 1;
    });
    FrameMaker maker(20240611);
    int framesNamingLast = 0;
    for (int i = 0; i < kFrames; ++i) {
        const QString frame = maker.next();
        framesNamingLast += frame.contains(QLatin1String("LAST")) ? 1 : 0;
        service().didReceiveMessage(frame);
        if (log.size() > 10000)
            log.clear();
    }
    EXPECT_GT(lasts, 0);
    EXPECT_LE(lasts, framesNamingLast);
    EXPECT_GT(blocks, lasts);
    EXPECT_LT(blocks, kFrames);
    EXPECT_EQ(failures, 0);
    EXPECT_GT(semantic, 0);

    // The service still recognises an utterance.
    log.clear();
    begin();
    ASSERT_TRUE(waitOpen());
    mic.feed(QByteArray(1280, '\x07'));
    service().endAsr();
    ASSERT_TRUE(waitLast());
    EXPECT_EQ(log.last(), QStringLiteral("block:1|%1|1")
                              .arg(vqtest::StandInSpeechServer::defaultFinalText(2, QByteArray(1280, '\x07'))));
}
