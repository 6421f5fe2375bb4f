#include "VQRowTableView.h"

#include "CommandWordRowView.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPalette>

// Rows without data: the cells are index widgets.
class VQRowTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 1; }
    QVariant data(const QModelIndex&, int) const override { return {}; }
    Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled; }

    void resize(int rows)
    {
        if (rows > m_rows) {
            beginInsertRows({}, m_rows, rows - 1);
            m_rows = rows;
            endInsertRows();
        } else if (rows < m_rows) {
            beginRemoveRows({}, rows, m_rows - 1);
            m_rows = rows;
            endRemoveRows();
        }
    }

private:
    int m_rows = 0;
};

VQRowTableView::VQRowTableView(int rowHeight, CellFactory factory, CellFiller filler, QWidget* parent)
    : QTableView(parent)
    , m_model(new VQRowTableModel(this))
    , m_factory(std::move(factory))
    , m_filler(std::move(filler))
{
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFrameShape(QFrame::NoFrame);
    // A palette, not a style sheet: a sheet here would put every row's widgets under the sheet
    // style, which keeps rule caches per widget (over a megabyte for the personality page).
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

VQRowTableView::~VQRowTableView() = default;

void VQRowTableView::reloadData(int count)
{
    const int rows = qMax(count, kMinimumRows);
    m_model->resize(rows);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = m_model->index(row, 0);
        auto* rowView = static_cast<CommandWordRowView*>(indexWidget(index));
        if (!rowView) {
            rowView = new CommandWordRowView(row);
            rowView->setCellView(m_factory());
            setIndexWidget(index, rowView);
        }
        rowView->setRow(row);
        m_filler(row, rowView->cellView());
    }
}

int VQRowTableView::rowCount() const
{
    return m_model->rowCount();
}

CommandWordRowView* VQRowTableView::rowViewAt(int row) const
{
    if (row < 0 || row >= m_model->rowCount())
        return nullptr;
    return static_cast<CommandWordRowView*>(indexWidget(m_model->index(row, 0)));
}

QWidget* VQRowTableView::cellAt(int row) const
{
    CommandWordRowView* rowView = rowViewAt(row);
    return rowView ? rowView->cellView() : nullptr;
}
