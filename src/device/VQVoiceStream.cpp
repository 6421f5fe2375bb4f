#include "VQVoiceStream.h"

#include "MMLog.h"
#include "VQLanguageManager.h"
#include "VQMouseInfoItem.h"
#include "VQUserInfoData.h"
#include "VQVoiceRecordingSink.h"

#include <QtEndian>

#include <array>
#include <cmath>

using namespace VQDeviceProtocol;

namespace {

VQVoiceStream::SendVoiceDataBlock& consumer()
{
    static VQVoiceStream::SendVoiceDataBlock block;
    return block;
}

QString linkName(Link link)
{
    return link == Link::Usb ? QStringLiteral("receiver") : QStringLiteral("Bluetooth LE");
}

} // namespace

VQVoiceStream::VQVoiceStream(Link link, QObject* parent)
    : QObject(parent)
    , m_link(link)
{
    m_endTimer.setSingleShot(true);
    connect(&m_endTimer, &QTimer::timeout, this, &VQVoiceStream::endTimerFired);
}

VQVoiceStream::~VQVoiceStream() = default;

void VQVoiceStream::setSendVoiceDataBlock(SendVoiceDataBlock block)
{
    consumer() = std::move(block);
}

void VQVoiceStream::resetForTests()
{
    consumer() = nullptr;
    VQVoiceRecordingSink::sharedSink().resetForTests();
}

int VQVoiceStream::chunkSizeFromFormatSize(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return kDefaultChunkBytes;
    bool ok = false;
    double number = 0;
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
        number = value.toString().trimmed().toDouble(&ok);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        number = value.toDouble(&ok);
        break;
    default: // booleans, lists, maps: not a number
        break;
    }
    if (!ok || !std::isfinite(number) || number < 1 || number > kMaxChunkBytes || number != std::floor(number))
        return kDefaultChunkBytes;
    return int(number);
}

int VQVoiceStream::chunkSize()
{
    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    const QVariantList list = languages.audioLanguageArr();
    const int index = languages.audioLanguageIndex();
    if (index < 0 || index >= list.size())
        return kDefaultChunkBytes;
    return chunkSizeFromFormatSize(list.at(index).toMap().value(QString::fromLatin1(VQLanguageManager::formatSizeKey)));
}

bool VQVoiceStream::deliversPcm(int chipPlan, int deviceType)
{
    return deviceType == VQMouseInfoItem::DeviceTypeLaserPen || deviceType == VQMouseInfoItem::DeviceTypeSecondChipReceiver
        || chipPlan == 4 || chipPlan == 6 || chipPlan == 7;
}

std::optional<VQVoiceStream::VoiceReport> VQVoiceStream::parseVoiceReport(const ChipPlan& plan, const QByteArray& bytes,
                                                                         bool* argumentsValid)
{
    if (argumentsValid)
        *argumentsValid = false;
    const FrameCheck check = checkFrame(plan, bytes);
    if (!check.frame)
        return std::nullopt;
    const quint8 command = check.frame->command;
    if (command != kVoiceDataCommand && command != kVoiceEndCommand)
        return std::nullopt;

    const QByteArray& arguments = check.frame->arguments;
    VoiceReport report;
    if (command == kVoiceEndCommand) {
        report.kind = VoiceReport::Kind::End;
        if (argumentsValid)
            *argumentsValid = arguments.isEmpty();
        return report;
    }
    report.kind = VoiceReport::Kind::Data;
    if (arguments.size() >= 2) {
        report.offset = quint8(arguments.at(0));
        const int count = int(arguments.size()) - 1;
        if (report.offset + count <= kBlockBytes) {
            report.data = arguments.mid(1);
            if (argumentsValid)
                *argumentsValid = true;
        }
    }
    return report;
}

bool VQVoiceStream::takeReport(const ChipPlan& plan, const QByteArray& bytes)
{
    bool valid = false;
    const std::optional<VoiceReport> report = parseVoiceReport(plan, bytes, &valid);
    if (!report)
        return false;
    if (report->kind == VoiceReport::Kind::End) {
        if (!valid)
            problem(QStringLiteral("voice-end report with arguments; taken as the end"));
        if (m_streaming)
            finish("end report");
        return true;
    }
    if (!m_streaming)
        start();
    m_lastReport.start();
    if (!m_endTimer.isActive())
        m_endTimer.start(kEndTimeoutMs);
    if (!valid) {
        ++m_droppedReports;
        problem(QStringLiteral("voice report %1 has arguments outside the layout").arg(hexString(bytes.left(16))));
        return true;
    }
    append(report->offset, report->data);
    return true;
}

void VQVoiceStream::start()
{
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    m_streaming = true;
    m_pcm = deliversPcm(state.chipPlan(), int(state.mouseInfoItem().deviceType()));
    m_chunkBytes = chunkSize();
    m_block.clear();
    m_block.reserve(kBlockBytes);
    m_waitForBlockStart = false;
    m_pending.clear();
    m_blocks = 0;
    m_bytesOut = 0;
    m_droppedReports = 0;
    m_droppedBlocks = 0;
    m_problemsLogged = 0;
    m_noConsumerLogged = false;
    VQLogInfo(QStringLiteral("%1 voice stream started (%2 chunks of %3 bytes)")
                  .arg(linkName(m_link), m_pcm ? QStringLiteral("PCM") : QStringLiteral("ADPCM"))
                  .arg(m_chunkBytes));
}

void VQVoiceStream::append(int offset, const QByteArray& data)
{
    if (offset == 0) {
        if (!m_block.isEmpty()) {
            ++m_droppedBlocks;
            problem(QStringLiteral("a block of %1 bytes was cut short by the next one").arg(m_block.size()));
        }
        m_block.clear();
        m_waitForBlockStart = false;
    } else if (m_waitForBlockStart || offset != m_block.size()) {
        if (!m_waitForBlockStart) {
            ++m_droppedBlocks;
            problem(QStringLiteral("voice bytes for offset %1 where %2 was due; the block is dropped")
                        .arg(offset)
                        .arg(m_block.size()));
        }
        m_block.clear();
        m_waitForBlockStart = true;
        return;
    }
    m_block.append(data);
    if (m_block.size() == kBlockBytes)
        completeBlock();
}

void VQVoiceStream::completeBlock()
{
    const QByteArray block = m_block;
    m_block.clear();
    takeBlock(block);
    queueFullChunks();
    flush();
}

void VQVoiceStream::takeBlock(const QByteArray& block)
{
    const auto* bytes = reinterpret_cast<const quint8*>(block.constData());
    if (!VQAdpcmDecoder::headerIsValid(bytes, int(block.size()))) {
        ++m_droppedBlocks;
        problem(QStringLiteral("a block with a damaged header (%1) was dropped").arg(hexString(block.left(4))));
        return;
    }
    std::array<qint16, kSamplesPerBlock> samples;
    const int count = VQAdpcmDecoder::decodeBlock(bytes, int(block.size()), samples.data());
    std::array<char, kSamplesPerBlock * 2> pcm;
    qToLittleEndian<qint16>(samples.data(), count, pcm.data());
    VQVoiceRecordingSink::sharedSink().write(pcm.data(), qint64(count) * 2);
    if (m_pcm)
        m_pending.append(pcm.data(), qsizetype(count) * 2);
    else
        m_pending.append(block);
    ++m_blocks;
}

void VQVoiceStream::queueFullChunks()
{
    qsizetype taken = 0;
    while (m_pending.size() - taken >= m_chunkBytes) {
        queue(true, m_pending.mid(taken, m_chunkBytes));
        taken += m_chunkBytes;
    }
    if (taken > 0)
        m_pending.remove(0, taken);
}

void VQVoiceStream::finish(const char* why)
{
    if (!m_streaming)
        return;
    m_streaming = false;
    m_endTimer.stop();
    // The last block may be cut short; whatever whole samples it holds are kept.
    if (m_block.size() >= VQAdpcmDecoder::kHeaderBytes && !m_waitForBlockStart)
        takeBlock(m_block);
    else if (!m_block.isEmpty())
        ++m_droppedBlocks;
    m_block.clear();
    m_waitForBlockStart = false;
    QByteArray rest;
    rest.swap(m_pending);
    // Logged first: a consumer called below may already start the next stream.
    VQLogInfo(QStringLiteral("%1 voice stream ended (%2): %3 blocks, %4 bytes handed on, %5 reports and %6 blocks dropped")
                  .arg(linkName(m_link), QString::fromLatin1(why))
                  .arg(m_blocks)
                  .arg(m_bytesOut + rest.size())
                  .arg(m_droppedReports)
                  .arg(m_droppedBlocks));
    // Full chunks first, then the rest (possibly empty) as the flagged last one.
    qsizetype taken = 0;
    while (rest.size() - taken > m_chunkBytes) {
        queue(true, rest.mid(taken, m_chunkBytes));
        taken += m_chunkBytes;
    }
    queue(false, rest.mid(taken));
    flush();
}

void VQVoiceStream::linkLost()
{
    finish("link lost");
}

void VQVoiceStream::endTimerFired()
{
    if (!m_streaming)
        return;
    const qint64 quiet = m_lastReport.isValid() ? m_lastReport.elapsed() : kEndTimeoutMs;
    if (quiet < kEndTimeoutMs) {
        m_endTimer.start(int(kEndTimeoutMs - quiet));
        return;
    }
    finish("no voice report for 500 ms");
}

void VQVoiceStream::queue(bool streaming, QByteArray chunk)
{
    m_bytesOut += chunk.size();
    m_outbox.emplace_back(streaming, std::move(chunk));
}

void VQVoiceStream::flush()
{
    // The stream's state is complete before any consumer runs; a consumer that ends or
    // restarts the stream from inside its call only adds to the outbox, which this loop empties
    // in order.
    if (m_delivering)
        return;
    m_delivering = true;
    while (!m_outbox.empty()) {
        std::pair<bool, QByteArray> next = std::move(m_outbox.front());
        m_outbox.pop_front();
        // A copy: the consumer may replace itself while it runs.
        const SendVoiceDataBlock block = consumer();
        if (block) {
            block(next.first, next.second);
        } else if (!m_noConsumerLogged) {
            m_noConsumerLogged = true;
            VQLogInfo(QStringLiteral("%1 voice chunks dropped: no consumer installed").arg(linkName(m_link)));
        }
    }
    m_delivering = false;
}

void VQVoiceStream::problem(const QString& what)
{
    if (m_problemsLogged >= kLogLinesPerStream)
        return;
    ++m_problemsLogged;
    VQLogWarn(QStringLiteral("%1 voice stream: %2").arg(linkName(m_link), what));
}
