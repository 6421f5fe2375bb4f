#include "Clipboard.h"

#include "QtClipboard.h"
#include "ServiceSlot.h"

template <>
std::unique_ptr<Clipboard> ServiceSlot<Clipboard>::makeDefault()
{
    return std::make_unique<QtClipboard>();
}

Clipboard::~Clipboard() = default;

Clipboard& Clipboard::instance()
{
    return ServiceSlot<Clipboard>::get();
}

void Clipboard::setInstance(Clipboard* clipboard)
{
    ServiceSlot<Clipboard>::install(clipboard);
}

namespace mm {

bool mm_generalPasteboardSetString(const QString& text)
{
    if (text.isEmpty())
        return false;
    return Clipboard::instance().setText(text);
}

} // namespace mm
