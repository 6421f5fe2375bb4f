#include "Clipboard.h"

#include "QtClipboard.h"
#include "ServiceSlot.h"

#include <vector>

template <>
std::unique_ptr<Clipboard> ServiceSlot<Clipboard>::makeDefault()
{
    return std::make_unique<QtClipboard>();
}

Clipboard::~Clipboard() = default;

bool Clipboard::setSelectionText(const QString&)
{
    return false;
}

int Clipboard::addSelectionChangedHandler(std::function<void()> handler)
{
    if (!handler)
        return 0;
    if (m_selectionHandlers.empty())
        startWatchingSelection();
    const int id = m_nextSelectionHandlerId++;
    m_selectionHandlers.emplace(id, std::move(handler));
    return id;
}

void Clipboard::removeSelectionChangedHandler(int id)
{
    m_selectionHandlers.erase(id);
}

void Clipboard::notifySelectionChanged()
{
    std::vector<int> ids;
    for (const auto& entry : m_selectionHandlers)
        ids.push_back(entry.first);
    for (int id : ids) {
        const auto it = m_selectionHandlers.find(id);
        if (it == m_selectionHandlers.end())
            continue; // removed by an earlier handler
        const std::function<void()> handler = it->second;
        handler();
    }
}

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
