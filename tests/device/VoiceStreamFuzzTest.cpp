// A million random inputs on the voice-report path, as the command managers run it: the voice
// stream takes what is framed as a voice report, the report handler gets the rest. In the
// sanitizer build nothing may read out of bounds or overflow; whatever arrives, every stream
// ends with exactly one flagged chunk, every other chunk has the chunk size, and the consumer
// receives exactly the PCM that was recorded.
#include "DeviceTestFixture.h"
#include "VQDeviceProtocol.h"
#include "VQDeviceReportHandler.h"
#include "VQVoiceRecordingSink.h"
#include "VQVoiceStream.h"

#include <QIODevice>

#include <memory>
#include <random>

using namespace VQDeviceProtocol;

namespace {

constexpr int kInputs = 1000000;

// A recording file that only counts what is written to it.
class CountingDevice : public QIODevice {
public:
    CountingDevice(qint64* counter)
        : m_counter(counter)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        *m_counter += size;
        return size;
    }

private:
    qint64* m_counter;
};

class Generator {
public:
    explicit Generator(quint32 seed)
        : m_random(seed)
    {
    }

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    QByteArray frame(const ChipPlan& plan, quint8 command, const QByteArray& arguments)
    {
        QByteArray out(1, char(plan.reportId));
        out += plan.prefix;
        out += char(0x4D);
        out += char(arguments.size() + 4);
        out += char(command);
        out += arguments;
        out += char(0x4C);
        if (out.size() < plan.reportLength)
            out += QByteArray(plan.reportLength - out.size(), '\0');
        return out;
    }

    QByteArray randomBytes(int size)
    {
        QByteArray out(size, '\0');
        for (char& c : out)
            c = char(uniform(0, 255));
        return out;
    }

    // Mostly the voice data a device would send next, sometimes with a wrong offset or size.
    QByteArray voiceData(const ChipPlan& plan)
    {
        const int room = (plan.reportLength > 0 ? plan.reportLength : 33) - 5 - int(plan.prefix.size());
        int offset = m_nextOffset;
        if (uniform(0, 9) < 2)
            offset = uniform(0, 255);
        int count = std::min(room, VQVoiceStream::kBlockBytes - offset);
        if (uniform(0, 9) < 2)
            count = uniform(0, room);
        QByteArray arguments(1, char(offset));
        arguments += randomBytes(count);
        if (offset == 0 && count >= 3 && uniform(0, 9) < 8)
            arguments[3] = char(uniform(0, 88)); // mostly a sound step index
        m_nextOffset = (offset + count) % VQVoiceStream::kBlockBytes;
        return frame(plan, VQVoiceStream::kVoiceDataCommand, arguments);
    }

    QByteArray next(const ChipPlan& plan)
    {
        const int kind = uniform(0, 999);
        if (kind < 1)
            return frame(plan, VQVoiceStream::kVoiceEndCommand, {});
        if (kind < 2)
            return frame(plan, VQVoiceStream::kVoiceEndCommand, randomBytes(uniform(1, 3)));
        if (kind < 700)
            return voiceData(plan);
        if (kind < 800) {
            // A voice report damaged in one byte.
            QByteArray out = voiceData(plan);
            out[uniform(0, int(out.size()) - 1)] = char(uniform(0, 255));
            return out;
        }
        if (kind < 900) {
            // A voice report cut short.
            const QByteArray out = voiceData(plan);
            return out.left(uniform(0, int(out.size()) - 1));
        }
        // Random bytes, often behind the plan's report id, prefix, 4d and a voice command.
        QByteArray out = randomBytes(uniform(0, 70));
        if (uniform(0, 1) == 1) {
            QByteArray head(1, char(plan.reportId));
            head += plan.prefix;
            head += char(0x4D);
            head += char(uniform(0, 80));
            head += char(uniform(0, 1) ? VQVoiceStream::kVoiceDataCommand : VQVoiceStream::kVoiceEndCommand);
            out = head + out;
        }
        return out;
    }

private:
    std::mt19937 m_random;
    int m_nextOffset = 0;
};

class VoiceStreamFuzzTest : public DeviceTest {
};

} // namespace

TEST_F(VoiceStreamFuzzTest, AMillionRandomVoiceReportsKeepEveryStreamWhole)
{
    // PCM chunks, so the consumer's bytes can be held against the recording.
    VQUserInfoData::sharedInstance().setChipPlan(4);
    qint64 recorded = 0;
    VQVoiceRecordingSink::sharedSink().setFileHandle(std::make_unique<CountingDevice>(&recorded));

    qint64 delivered = 0;
    int chunks = 0;
    int ends = 0;
    bool shapeBroken = false;
    VQVoiceStream::setSendVoiceDataBlock([&](bool streaming, const QByteArray& chunk) {
        ++chunks;
        delivered += chunk.size();
        if (streaming && chunk.size() != VQVoiceStream::kDefaultChunkBytes)
            shapeBroken = true;
        if (!streaming) {
            ++ends;
            if (chunk.size() > VQVoiceStream::kDefaultChunkBytes)
                shapeBroken = true;
        }
    });

    VQVoiceStream stream(Link::Usb);
    int handled = 0;
    VQDeviceReportHandler handler(Link::Usb, [](quint8, const QByteArray&) {});
    Generator generator(20240917);
    const ChipPlan* plans[] = {chipPlan(1), chipPlan(2), chipPlan(3), chipPlan(4),
                               chipPlan(5), chipPlan(6), chipPlan(7), &bluetoothPlan()};
    int starts = 0;
    for (int i = 0; i < kInputs; ++i) {
        // A device keeps its plan for a while.
        const ChipPlan& plan = *plans[(i / 5000) % 8];
        const QByteArray report = generator.next(plan);
        const bool wasStreaming = stream.isStreaming();
        if (!stream.takeReport(plan, report)) {
            handler.handleReport(plan, report);
            ++handled;
        }
        if (!wasStreaming && stream.isStreaming())
            ++starts;
    }
    stream.linkLost();

    EXPECT_FALSE(stream.isStreaming());
    EXPECT_GT(starts, 100);
    EXPECT_EQ(ends, starts);
    EXPECT_FALSE(shapeBroken);
    EXPECT_GT(chunks, 1000);
    EXPECT_EQ(delivered, recorded);
    EXPECT_GT(handled, 0);
    // What the handler got was garbage: nothing reached the hub or the record.
    EXPECT_EQ(handler.ignoredCount(), handled);
    EXPECT_TRUE(recorder->eventCodes.empty());
    EXPECT_TRUE(recorder->notifications.isEmpty());
}
