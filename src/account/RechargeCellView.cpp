#include "RechargeCellView.h"

#include "VQButton.h"
#include "VQGoodsModel.h"
#include "VQLabel.h"

#include <QFont>

namespace {

const QColor kTextColor { 38, 12, 12 };

constexpr int kRadioLeft = 40;
constexpr int kRadioSize = 24;
constexpr int kContentGap = 120;
constexpr int kPriceGap = 20;
constexpr int kPriceRight = 65;
constexpr int kPriceWidth = 80;
constexpr int kLabelHeight = 20;

void styleRowLabel(VQLabel* label)
{
    QFont font = label->font();
    font.setPixelSize(16);
    font.setWeight(QFont::Normal);
    label->setFont(font);
    label->setTextColor(kTextColor);
}

} // namespace

RechargeCellView::RechargeCellView(QWidget* parent)
    : QWidget(parent)
{
}

VQButton* RechargeCellView::radioBtn()
{
    if (!m_radioBtn) {
        m_radioBtn = new VQButton(this);
        m_radioBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
        // The whole row is the button: a clear one over the mark and the labels, which let
        // clicks through.
        m_rowButton = new VQButton(this);
        m_rowButton->show();
        connect(m_rowButton, &VQButton::clicked, this, [this] { radioBtnClicked(m_rowButton); });
        layoutControls();
    }
    return m_radioBtn;
}

VQLabel* RechargeCellView::contentLabel()
{
    if (!m_contentLabel) {
        m_contentLabel = new VQLabel(this);
        styleRowLabel(m_contentLabel);
        layoutControls();
    }
    return m_contentLabel;
}

VQLabel* RechargeCellView::priceLabel()
{
    if (!m_priceLabel) {
        m_priceLabel = new VQLabel(this);
        styleRowLabel(m_priceLabel);
        layoutControls();
    }
    return m_priceLabel;
}

void RechargeCellView::setGoodsSpecsModel(const std::shared_ptr<VQGoodsSpecsModel>& model)
{
    m_goodsSpecsModel = model;
    const bool shown = model != nullptr;
    radioBtn()->setVisible(shown);
    contentLabel()->setVisible(shown);
    priceLabel()->setVisible(shown);
    // The row button stays in place: its click finds no option and does nothing.
    m_radioImageName = QString::fromLatin1(model && model->isSelected() ? kSelectedImage : kNormalImage);
    radioBtn()->setImageName(m_radioImageName);
    // A missing name or price shows as empty text, never as a placeholder.
    contentLabel()->setText(model ? model->name() : QString());
    priceLabel()->setText(model ? model->priceShow() : QString());
    if (m_rowButton)
        m_rowButton->raise();
}

void RechargeCellView::radioBtnClicked(VQButton* sender)
{
    Q_UNUSED(sender);
    if (m_goodsSpecsModel && !m_goodsSpecsModel->isSelected() && m_selectedBlock)
        m_selectedBlock(m_goodsSpecsModel);
}

void RechargeCellView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void RechargeCellView::layoutControls()
{
    const int h = height();
    if (m_radioBtn)
        m_radioBtn->setGeometry(kRadioLeft, (h - kRadioSize) / 2, kRadioSize, kRadioSize);
    if (m_rowButton)
        m_rowButton->setGeometry(rect());
    const int priceLeft = width() - kPriceRight - kPriceWidth;
    const int labelTop = (h - kLabelHeight) / 2;
    if (m_priceLabel)
        m_priceLabel->setGeometry(priceLeft, labelTop, kPriceWidth, kLabelHeight);
    if (m_contentLabel) {
        const int left = kRadioLeft + kRadioSize + kContentGap;
        m_contentLabel->setGeometry(left, labelTop, qMax(0, priceLeft - kPriceGap - left), kLabelHeight);
    }
}
