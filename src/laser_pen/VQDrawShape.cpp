#include "VQDrawShape.h"

#include <QList>
#include <QRect>

#include <algorithm>
#include <span>

namespace {

int floorTo(int value, int cell)
{
    const int q = value / cell;
    return (value % cell != 0 && value < 0 ? q - 1 : q) * cell;
}

int ceilTo(int value, int cell)
{
    return floorTo(value + cell - 1, cell);
}

// The union of many rectangles, halves first: the bands of the two halves merge once per level.
QRegion unite(std::span<const QRect> rects)
{
    if (rects.empty())
        return {};
    if (rects.size() == 1)
        return QRegion(rects.front());
    const size_t half = rects.size() / 2;
    return unite(rects.first(half)) | unite(rects.subspan(half));
}

} // namespace

VQDrawShape::VQDrawShape(int budget)
    : m_budget(std::max(1, budget))
{
}

QRegion VQDrawShape::snapped(const QRegion& region, int cell)
{
    if (cell <= 1)
        return region;
    QList<QRect> cells;
    cells.reserve(region.rectCount());
    for (const QRect& rect : region) {
        const int left = floorTo(rect.left(), cell);
        const int top = floorTo(rect.top(), cell);
        const int right = ceilTo(rect.right() + 1, cell);
        const int bottom = ceilTo(rect.bottom() + 1, cell);
        cells.append(QRect(left, top, right - left, bottom - top));
    }
    return unite(cells);
}

VQDrawShape::Change VQDrawShape::add(const QRegion& outline)
{
    // Only what the shape lacks travels: every change of the window's shape costs the server
    // work that follows the whole shape, even one that changes nothing.
    const QRegion added = snapped(outline, m_cell).subtracted(m_region);
    if (added.isEmpty())
        return {};
    m_region |= added;
    if (m_region.rectCount() <= m_budget)
        return {added, false};
    while (m_region.rectCount() > m_budget && m_cell < kLargestCell) {
        m_cell *= 2;
        m_region = snapped(m_region, m_cell);
    }
    return {m_region, true};
}

void VQDrawShape::clear()
{
    m_region = QRegion();
    m_cell = 1;
}
