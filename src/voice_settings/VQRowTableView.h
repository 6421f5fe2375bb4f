#pragma once

#include <QTableView>

#include <functional>

class CommandWordRowView;
class VQRowTableModel;

// The table of the personality page's lists: one column of fixed-height rows, never fewer than
// kMinimumRows, each an index widget (a striped CommandWordRowView holding a real cell widget),
// with no header, grid, selection, focus or scroll bar. A reload keeps the cells of the rows
// that stay and only makes cells for new rows, so reloading a long list is cheap.
class VQRowTableView : public QTableView {
    Q_OBJECT
public:
    static constexpr int kMinimumRows = 10;

    using CellFactory = std::function<QWidget*()>;
    // Shows the row's content (an item, or a filler past the list's end) in its cell.
    using CellFiller = std::function<void(int row, QWidget* cell)>;

    VQRowTableView(int rowHeight, CellFactory factory, CellFiller filler, QWidget* parent = nullptr);
    ~VQRowTableView() override;

    // Rows = max(count, kMinimumRows); every row's cell is filled again.
    void reloadData(int count);
    int rowCount() const;
    // The cell of the row; nullptr past the last row.
    QWidget* cellAt(int row) const;
    CommandWordRowView* rowViewAt(int row) const;

private:
    VQRowTableModel* m_model = nullptr;
    CellFactory m_factory;
    CellFiller m_filler;
};
