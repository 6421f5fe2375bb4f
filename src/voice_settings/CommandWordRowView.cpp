#include "CommandWordRowView.h"

#include <QPainter>

CommandWordRowView::CommandWordRowView(qint64 row, QWidget* parent)
    : QWidget(parent)
    , m_row(row)
{
}

void CommandWordRowView::setRow(qint64 row)
{
    if (m_row == row)
        return;
    m_row = row;
    update();
}

void CommandWordRowView::setCellView(QWidget* cell)
{
    if (cell == m_cell)
        return;
    delete m_cell;
    m_cell = cell;
    if (m_cell) {
        m_cell->setParent(this);
        m_cell->setGeometry(rect());
        m_cell->show();
    }
}

QColor CommandWordRowView::stripeColor(qint64 row)
{
    return (row % 2 != 0) ? QColor(Qt::white) : QColor(241, 244, 248);
}

void CommandWordRowView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), stripeColor(m_row));
}

void CommandWordRowView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_cell)
        m_cell->setGeometry(rect());
}
