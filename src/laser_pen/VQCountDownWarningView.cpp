#include "VQCountDownWarningView.h"

#include "MMTimeText.h"

#include <QFont>
#include <QLabel>
#include <QPalette>

namespace {

constexpr int kLabelWidth = 600;
constexpr int kLabelHeight = 200;
// The label sits 10 points below the centre, as the black screen always showed it.
constexpr int kLabelCentringHeight = 180;
constexpr int kFontPointSize = 120;

} // namespace

VQCountDownWarningView::VQCountDownWarningView(QWidget* parent)
    : VQBaseView(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
}

VQCountDownWarningView::~VQCountDownWarningView() = default;

QLabel* VQCountDownWarningView::timeLabel()
{
    if (m_timeLabel)
        return m_timeLabel;
    m_timeLabel = new QLabel(this);
    m_timeLabel->setAlignment(Qt::AlignCenter);
    m_timeLabel->setTextInteractionFlags(Qt::NoTextInteraction);
    m_timeLabel->setAttribute(Qt::WA_TranslucentBackground);
    QPalette colours = m_timeLabel->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    m_timeLabel->setPalette(colours);
    QFont font = m_timeLabel->font();
    font.setBold(true);
    font.setPointSize(kFontPointSize);
    m_timeLabel->setFont(font);
    m_timeLabel->setGeometry((width() - kLabelWidth) / 2, (height() - kLabelCentringHeight) / 2, kLabelWidth, kLabelHeight);
    m_timeLabel->show();
    return m_timeLabel;
}

void VQCountDownWarningView::setSecondsLeft(qint64 seconds)
{
    QLabel* label = timeLabel();
    label->setText(mm::secondToStr(qMax<qint64>(0, seconds)));
    placeLabel();
}

void VQCountDownWarningView::placeLabel()
{
    // At 120 points "14分59秒" is wider than 600 points: the box widens so no digit is cut off.
    const int textWidth = m_timeLabel->fontMetrics().horizontalAdvance(m_timeLabel->text()) + 20;
    const int labelWidth = qMax(kLabelWidth, textWidth);
    m_timeLabel->setGeometry((width() - labelWidth) / 2, (height() - kLabelCentringHeight) / 2, labelWidth, kLabelHeight);
}

void VQCountDownWarningView::configTitle() {}

void VQCountDownWarningView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    // The view is sized by its overlay after creation: keep the label in the middle.
    if (m_timeLabel)
        placeLabel();
}
