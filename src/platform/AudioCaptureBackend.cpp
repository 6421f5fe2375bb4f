#include "AudioCaptureBackend.h"

#include "QtAudioCaptureBackend.h"
#include "ServiceSlot.h"

template <>
std::unique_ptr<AudioCaptureBackend> ServiceSlot<AudioCaptureBackend>::makeDefault()
{
    return std::make_unique<QtAudioCaptureBackend>();
}

AudioCaptureBackend::~AudioCaptureBackend() = default;

AudioCaptureBackend& AudioCaptureBackend::instance()
{
    return ServiceSlot<AudioCaptureBackend>::get();
}

void AudioCaptureBackend::setInstance(AudioCaptureBackend* backend)
{
    ServiceSlot<AudioCaptureBackend>::install(backend);
}
