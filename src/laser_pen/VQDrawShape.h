#pragma once

#include <QRegion>

// The shape of a pen window without a compositor: the union of its strokes' outlines (window
// coordinates), kept within a budget of rectangles.
//
// The X server's work for every change of a window's shape, every window moved over or under
// it and every paint of it follows the number of rectangles of the shape, and a stroke that
// curves makes a rectangle of nearly every line it crosses: over a whole talk the union would
// grow to tens of thousands of rectangles, and the server would spend a whole core on it. Once
// the union passes the budget it is made coarser: every rectangle grows outward onto a grid of
// cells twice as large as before, which merges the lines of a cell into one band and the near
// spans of a band into one, so the count stays bounded by the screen's size over the cells'.
// Strokes drawn after that are added on the same grid. The canvas paints the stroke's colour
// over all of its shape, so a coarser shape shows as strokes slightly bolder at their edges.
class VQDrawShape {
public:
    // The number of rectangles above which the shape is made coarser.
    static constexpr int kRectangleBudget = 6000;
    // The largest cell: a bound, not reached by strokes of any real talk.
    static constexpr int kLargestCell = 64;

    explicit VQDrawShape(int budget = kRectangleBudget);

    struct Change {
        QRegion region;       // what the window's shape takes
        bool replaces = false; // the whole shape (it was made coarser), else a part to add
    };
    // Adds an outline to the shape and says what the window's shape needs: nothing when the
    // shape holds the outline already.
    Change add(const QRegion& outline);
    // Empties the shape; the next strokes are added exactly again.
    void clear();

    const QRegion& region() const { return m_region; }
    // The side of the grid's cells in window pixels (1 while the shape is exact).
    int cellSize() const { return m_cell; }

    // The region grown outward onto the grid of cells of the side.
    static QRegion snapped(const QRegion& region, int cell);

private:
    QRegion m_region;
    int m_cell = 1;
    int m_budget;
};
