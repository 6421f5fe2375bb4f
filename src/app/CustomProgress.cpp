#include "CustomProgress.h"

#include <QLabel>

#include <cmath>

CustomProgress::CustomProgress(QWidget* parent)
    : QWidget(parent)
    , m_bgimg(new QLabel(this))
    , m_leftimg(new QLabel(this))
{
    for (QLabel* part : { m_bgimg, m_leftimg }) {
        part->setScaledContents(true);
        part->setAutoFillBackground(true);
    }
    setTrackColor(QColor(230, 230, 230));
    setFillColor(QColor(0, 175, 204));
    layoutFill();
}

void CustomProgress::setMaxValue(double maxValue)
{
    m_maxValue = maxValue;
    layoutFill();
}

void CustomProgress::setPresent(double value)
{
    m_present = value;
    layoutFill();
}

int CustomProgress::fillWidth() const
{
    return m_leftimg->width();
}

void CustomProgress::setTrackColor(const QColor& color)
{
    QPalette pal = m_bgimg->palette();
    pal.setColor(QPalette::Window, color);
    m_bgimg->setPalette(pal);
}

void CustomProgress::setFillColor(const QColor& color)
{
    QPalette pal = m_leftimg->palette();
    pal.setColor(QPalette::Window, color);
    m_leftimg->setPalette(pal);
}

void CustomProgress::layoutFill()
{
    m_bgimg->setGeometry(rect());
    // A maximum of 0 (no transfer size known yet) or a value that is not a number shows no fill;
    // values past the ends are held to the bar.
    double fraction = 0;
    if (m_maxValue > 0 && std::isfinite(m_present))
        fraction = qBound(0.0, m_present / m_maxValue, 1.0);
    const int fill = static_cast<int>(std::lround(width() * fraction));
    m_leftimg->setGeometry(0, 0, fill, height());
}

void CustomProgress::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutFill();
}
