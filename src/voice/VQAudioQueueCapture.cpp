#include "VQAudioQueueCapture.h"

#include "AudioCaptureBackend.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "VQPopupWindowTool.h"

#include <utility>

namespace {

void tellUser()
{
    VQPopupWindowTool::sharedInstance().showTipMessage(
        QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQAudioQueueCapture::kCaptureFailedText)),
        QStringLiteral("error_icon"));
}

} // namespace

VQAudioQueueCapture& VQAudioQueueCapture::sharedInstance()
{
    static auto* instance = new VQAudioQueueCapture;
    return *instance;
}

void VQAudioQueueCapture::resetForTests()
{
    VQAudioQueueCapture& self = sharedInstance();
    ++self.m_generation;
    if (self.m_recording)
        AudioCaptureBackend::instance().stop();
    self.m_recording = false;
    self.m_block = nullptr;
    self.m_pending.clear();
}

bool VQAudioQueueCapture::startRecordWithBlock(Block block)
{
    if (m_recording) {
        VQLogInfo(QStringLiteral("未结束又新建语音队列,先结束上次语音队列"));
        stopRecord(true);
    }
    const quint64 generation = ++m_generation;
    m_pending.clear();
    QString reason;
    const bool started = AudioCaptureBackend::instance().start(
        [this, generation](const QByteArray& pcm) { takeData(generation, pcm); },
        [this, generation](const QString& why) { captureBroke(generation, why); }, &reason);
    if (!started) {
        VQLogError(QStringLiteral("新建语音队列失败: %1").arg(reason));
        tellUser();
        return false;
    }
    m_block = std::move(block);
    m_recording = true;
    VQLogInfo(QStringLiteral("开启语音队列成功"));
    return true;
}

void VQAudioQueueCapture::stopRecord(bool endMark)
{
    if (!m_recording)
        return;
    const quint64 generation = m_generation;
    // Hands over what the device still holds; its block may stop or restart the capture itself.
    AudioCaptureBackend::instance().stop();
    if (generation != m_generation)
        return;
    ++m_generation;
    m_recording = false;
    const Block block = std::exchange(m_block, nullptr);
    QByteArray rest = std::exchange(m_pending, QByteArray());
    VQLogInfo(QStringLiteral("结束语音队列成功"));
    if (!block)
        return;
    if (!rest.isEmpty()) {
        rest.append(QByteArray(kChunkBytes - rest.size(), '\0'));
        block(rest);
    }
    if (endMark)
        block(QByteArray());
}

void VQAudioQueueCapture::takeData(quint64 generation, const QByteArray& pcm)
{
    if (generation != m_generation)
        return;
    m_pending.append(pcm);
    while (m_pending.size() >= kChunkBytes && generation == m_generation) {
        const QByteArray chunk = m_pending.left(kChunkBytes);
        m_pending.remove(0, kChunkBytes);
        if (m_block) {
            const Block block = m_block; // it may stop this capture
            block(chunk);
        }
    }
}

void VQAudioQueueCapture::captureBroke(quint64 generation, const QString& reason)
{
    if (generation != m_generation)
        return;
    VQLogError(QStringLiteral("语音队列中断: %1").arg(reason));
    tellUser();
    stopRecord(true);
}
