#include "VQUserInfoView.h"

#include "VQAccountFormKit.h"
#include "VQButton.h"
#include "VQLabel.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

using VQAccountFormKit::localized;

namespace {

const QColor kBackgroundColor { 34, 34, 36 };
const QColor kDimWhite { 255, 255, 255, 204 };

constexpr int kCornerRadius = 10;
constexpr int kRowHeight = 16;

void styleLabel(VQLabel* label, int pixelSize, int weight, const QColor& color)
{
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    label->setFont(font);
    label->setTextColor(color);
}

} // namespace

VQUserInfoView::VQUserInfoView(QWidget* parent)
    : VQBaseView(parent)
{
    initUIData();
}

void VQUserInfoView::initUIData()
{
    configTitle();
}

void VQUserInfoView::configTitle()
{
    nickNameLabel()->setText(localized(kNickNameText));
    modifyPasswordBtn()->setTitle(localized(kModifyPasswordText));
    durtionTimeTipLabel()->setText(localized(kDurationTipText));
    durtionTimeLabel()->setText(localized(kDurationText));
    rechargeBtn()->setTitle(localized(kRechargeText));
    layoutControls();
}

VQLabel* VQUserInfoView::nickNameLabel()
{
    if (!m_nickNameLabel) {
        m_nickNameLabel = new VQLabel(this);
        styleLabel(m_nickNameLabel, 14, QFont::Normal, Qt::white);
    }
    return m_nickNameLabel;
}

VQButton* VQUserInfoView::modifyPasswordBtn()
{
    if (!m_modifyPasswordBtn) {
        m_modifyPasswordBtn = new VQButton(this);
        VQAccountFormKit::styleTextButton(m_modifyPasswordBtn, 12, QFont::Normal, kDimWhite);
        connect(m_modifyPasswordBtn, &VQButton::clicked, this, [this] { modifyPasswordBtnClicked(m_modifyPasswordBtn); });
    }
    return m_modifyPasswordBtn;
}

VQLabel* VQUserInfoView::durtionTimeTipLabel()
{
    if (!m_durtionTimeTipLabel) {
        m_durtionTimeTipLabel = new VQLabel(this);
        styleLabel(m_durtionTimeTipLabel, 10, QFont::Normal, kDimWhite);
    }
    return m_durtionTimeTipLabel;
}

VQLabel* VQUserInfoView::durtionTimeLabel()
{
    if (!m_durtionTimeLabel) {
        m_durtionTimeLabel = new VQLabel(this);
        styleLabel(m_durtionTimeLabel, 16, QFont::Bold, Qt::white);
        m_durtionTimeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return m_durtionTimeLabel;
}

VQButton* VQUserInfoView::rechargeBtn()
{
    if (!m_rechargeBtn) {
        m_rechargeBtn = new VQButton(this);
        VQAccountFormKit::styleTextButton(m_rechargeBtn, 10, QFont::Normal, Qt::white);
        m_rechargeBtn->setBackgroundColor(Qt::black);
        m_rechargeBtn->setCornerRadius(9);
        connect(m_rechargeBtn, &VQButton::clicked, this, [this] { rechargeBtnClicked(m_rechargeBtn); });
    }
    return m_rechargeBtn;
}

void VQUserInfoView::modifyPasswordBtnClicked(VQButton* sender)
{
    Q_UNUSED(sender);
    if (m_modifyPasswordBlock)
        m_modifyPasswordBlock();
}

void VQUserInfoView::rechargeBtnClicked(VQButton* sender)
{
    Q_UNUSED(sender);
    if (m_rechargeBlock)
        m_rechargeBlock();
}

bool VQUserInfoView::event(QEvent* event)
{
    // A label whose text changed asks its parent to place it again.
    if (event->type() == QEvent::LayoutRequest)
        layoutControls();
    return VQBaseView::event(event);
}

void VQUserInfoView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutControls();
}

void VQUserInfoView::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    painter.fillPath(path, kBackgroundColor);
}

void VQUserInfoView::layoutControls()
{
    if (!m_nickNameLabel || !m_modifyPasswordBtn || !m_durtionTimeTipLabel || !m_durtionTimeLabel || !m_rechargeBtn)
        return;
    const int w = width();
    const int h = height();
    const int bottomRowTop = h - 10 - kRowHeight;
    m_nickNameLabel->setGeometry(20, 10, m_nickNameLabel->sizeHint().width(), kRowHeight);
    m_modifyPasswordBtn->setGeometry(18, bottomRowTop, m_modifyPasswordBtn->sizeHint().width(), kRowHeight);
    const int tipWidth = m_durtionTimeTipLabel->sizeHint().width();
    m_durtionTimeTipLabel->setGeometry(w - 30 - tipWidth, 10, tipWidth, kRowHeight);
    const int minutesWidth = m_durtionTimeLabel->sizeHint().width();
    const QRect minutes(w - 15 - 50 - 20 - minutesWidth, bottomRowTop, minutesWidth, kRowHeight);
    m_durtionTimeLabel->setGeometry(minutes);
    m_rechargeBtn->setGeometry(w - 15 - 50, minutes.top() - 1, 50, 18);
}
