#include "HotWordCellView.h"

#include "CommandWordCellView.h"
#include "VQButton.h"
#include "VQLabel.h"

HotWordCellView::HotWordCellView(QWidget* parent)
    : QWidget(parent)
    , m_contentLabel(new VQLabel(this))
    , m_delBtn(new VQButton(this))
{
    QFont font = m_contentLabel->font();
    font.setPixelSize(16);
    m_contentLabel->setFont(font);
    m_contentLabel->setTextColor(QColor(38, 12, 12));
    m_contentLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_delBtn->setImageName(QString::fromLatin1(CommandWordCellView::kDeleteImageName));
    connect(m_delBtn, &VQButton::clicked, this, [this] {
        if (m_delegate && m_model)
            m_delegate->hotWordCellViewDeleteBtnClickedWithModel(this, *m_model);
    });
    setModel(std::nullopt);
}

void HotWordCellView::setModel(const std::optional<VQVoiceCommandItem>& model)
{
    m_model = model;
    m_contentLabel->setVisible(m_model.has_value());
    m_delBtn->setVisible(m_model.has_value());
    layoutViews();
}

void HotWordCellView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutViews();
}

void HotWordCellView::layoutViews()
{
    const int h = height();
    m_delBtn->setGeometry(width() - 20 - 40, (h - 40) / 2, 40, 40);
    const int labelWidth = qMax(0, m_delBtn->x() - 10 - 30);
    const QString text = m_model ? m_model->customCmd : QString();
    m_contentLabel->setText(m_contentLabel->fontMetrics().elidedText(text, Qt::ElideRight, labelWidth));
    m_contentLabel->setGeometry(30, (h - 22) / 2, labelWidth, 22);
}
