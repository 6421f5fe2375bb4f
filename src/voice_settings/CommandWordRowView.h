#pragma once

#include <QColor>
#include <QWidget>

// The row of the command-word, hot-word and hot-word editor tables: paints the row's stripe
// (white for an odd row, RGB(241,244,248) for an even one, so the first row is tinted) and
// holds the row's cell, which fills it.
class CommandWordRowView : public QWidget {
    Q_OBJECT
public:
    explicit CommandWordRowView(qint64 row, QWidget* parent = nullptr);

    qint64 row() const { return m_row; }
    void setRow(qint64 row);

    // The cell shown in the row; the row view takes it over. nullptr while none was given.
    void setCellView(QWidget* cell);
    QWidget* cellView() const { return m_cell; }

    static QColor stripeColor(qint64 row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    qint64 m_row = 0;
    QWidget* m_cell = nullptr;
};
