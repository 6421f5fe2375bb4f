#include "KeySynthesizer.h"

#include "MacKeyMap.h"
#include "ServiceSlot.h"
#include "XTestKeySynthesizer.h"

template <>
std::unique_ptr<KeySynthesizer> ServiceSlot<KeySynthesizer>::makeDefault()
{
    return std::make_unique<XTestKeySynthesizer>();
}

KeySynthesizer::~KeySynthesizer() = default;

KeySynthesizer::WindowClass KeySynthesizer::focusedWindowClass()
{
    return {};
}

KeySynthesizer& KeySynthesizer::instance()
{
    return ServiceSlot<KeySynthesizer>::get();
}

void KeySynthesizer::setInstance(KeySynthesizer* synthesizer)
{
    ServiceSlot<KeySynthesizer>::install(synthesizer);
}

bool vqPostKeyEvent(int keyCode, bool keyDown, quint64 flags)
{
    KeySynthesizer& synthesizer = KeySynthesizer::instance();
    const bool down = !keyDown || synthesizer.postKeyEvent(keyCode, true, flags);
    const bool up = synthesizer.postKeyEvent(keyCode, false, MacKeyMap::kFlagNonCoalesced);
    return down && up;
}
