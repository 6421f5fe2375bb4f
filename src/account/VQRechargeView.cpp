#include "VQRechargeView.h"

#include "VQAccountFormKit.h"
#include "VQButton.h"
#include "VQLabel.h"

#include <QButtonGroup>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>

using VQAccountFormKit::localized;

namespace {

const QColor kTileTextColor { 204, 204, 204 };
const QColor kGreyBorder { 112, 112, 112 };
const QColor kGridBackground { 28, 28, 29 };
const QColor kButtonBackground { 17, 17, 18 };

constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 20;
constexpr int kButtonsArea = 50;
constexpr int kOverlayBarWidth = 8;

VQLabel* makeTileLabel(QWidget* tile, int pixelSize, int weight, int top)
{
    auto* label = new VQLabel(tile);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    label->setFont(font);
    label->setTextColor(kTileTextColor);
    // A child of a button would take the button's text role otherwise.
    label->setForegroundRole(QPalette::WindowText);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, top, VQRechargeItem::kWidth, 18);
    return label;
}

void stylePanelButton(VQButton* button)
{
    VQAccountFormKit::styleTextButton(button, 10, QFont::Normal, Qt::white);
    button->setBackgroundColor(kButtonBackground);
    button->setCornerRadius(10);
}

} // namespace

VQRechargeItem::VQRechargeItem(QWidget* parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFixedSize(kWidth, kHeight);
    priceLabel()->setText(QString::fromUtf8(kPriceText));
    infoLabel()->setText(QString::fromUtf8(kInfoText));
    connect(this, &QAbstractButton::toggled, this, [this] { update(); });
}

QColor VQRechargeItem::borderColor() const
{
    return isChecked() ? VQAccountFormKit::kAccentColor : kGreyBorder;
}

VQLabel* VQRechargeItem::priceLabel()
{
    if (!m_priceLabel)
        m_priceLabel = makeTileLabel(this, 18, QFont::Bold, 10);
    return m_priceLabel;
}

VQLabel* VQRechargeItem::infoLabel()
{
    if (!m_infoLabel)
        m_infoLabel = makeTileLabel(this, 12, QFont::Normal, 10 + 18 + 10);
    return m_infoLabel;
}

void VQRechargeItem::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(borderColor(), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

VQRechargeView::VQRechargeView(QWidget* parent)
    : VQBaseView(parent)
{
    initUIData();
}

void VQRechargeView::initUIData()
{
    configTitle();
    reloadData();
    if (!m_items.isEmpty())
        m_items.first()->setSelected(true);
}

void VQRechargeView::configTitle()
{
    cancelBtn()->setTitle(localized(kCancelText));
    sureBtn()->setTitle(localized(kSureText));
}

QScrollArea* VQRechargeView::collectionView()
{
    if (!m_collectionView) {
        m_collectionView = new QScrollArea(this);
        m_collectionView->setFrameShape(QFrame::NoFrame);
        m_collectionView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The area's own bar would take width from the grid; an overlay bar lies over its
        // right edge instead and follows it.
        m_collectionView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_collectionView->setAutoFillBackground(true);
        QPalette palette = m_collectionView->palette();
        palette.setColor(QPalette::Window, kGridBackground);
        m_collectionView->setPalette(palette);
        m_collectionView->viewport()->setAutoFillBackground(true);
        m_collectionView->viewport()->setPalette(palette);
        m_gridContent = new QWidget;
        m_gridContent->setAutoFillBackground(false);
        m_collectionView->setWidget(m_gridContent);
        m_collectionView->setWidgetResizable(false);
        m_group = new QButtonGroup(this);
        m_group->setExclusive(true);

        m_overlayScrollBar = new QScrollBar(Qt::Vertical, m_collectionView);
        m_overlayScrollBar->setStyleSheet(QStringLiteral(
            "QScrollBar:vertical { background: transparent; width: 8px; margin: 0; }"
            "QScrollBar::handle:vertical { background: rgba(255,255,255,90); border-radius: 4px; min-height: 20px; }"
            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }"));
        QScrollBar* inner = m_collectionView->verticalScrollBar();
        connect(inner, &QScrollBar::rangeChanged, m_overlayScrollBar, [this](int min, int max) {
            m_overlayScrollBar->setRange(min, max);
            m_overlayScrollBar->setPageStep(m_collectionView->verticalScrollBar()->pageStep());
            m_overlayScrollBar->setVisible(max > min);
        });
        connect(inner, &QScrollBar::valueChanged, m_overlayScrollBar, &QScrollBar::setValue);
        connect(m_overlayScrollBar, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
        m_overlayScrollBar->hide();
        layoutControls();
    }
    return m_collectionView;
}

VQButton* VQRechargeView::cancelBtn()
{
    if (!m_cancelBtn) {
        collectionView();
        m_cancelBtn = new VQButton(this);
        stylePanelButton(m_cancelBtn);
        connect(m_cancelBtn, &VQButton::clicked, this, [this] { cancelBtnClicked(m_cancelBtn); });
        layoutControls();
    }
    return m_cancelBtn;
}

VQButton* VQRechargeView::sureBtn()
{
    if (!m_sureBtn) {
        m_sureBtn = new VQButton(this);
        stylePanelButton(m_sureBtn);
        connect(m_sureBtn, &VQButton::clicked, this, [this] { sureBtnClicked(m_sureBtn); });
        layoutControls();
    }
    return m_sureBtn;
}

QList<VQRechargeItem*> VQRechargeView::items() const
{
    QList<VQRechargeItem*> list;
    for (const auto& item : m_items)
        list.append(item.data());
    return list;
}

int VQRechargeView::selectedIndex() const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i) && m_items.at(i)->isSelected())
            return i;
    }
    return -1;
}

void VQRechargeView::cancelBtnClicked(VQButton* sender)
{
    Q_UNUSED(sender);
    hide();
    if (m_cancelBlock)
        m_cancelBlock();
}

void VQRechargeView::sureBtnClicked(VQButton* sender)
{
    Q_UNUSED(sender);
    if (m_sureBlock)
        m_sureBlock();
}

void VQRechargeView::reloadData()
{
    collectionView();
    for (const auto& item : m_items) {
        if (item) {
            m_group->removeButton(item);
            delete item.data();
        }
    }
    m_items.clear();
    for (int i = 0; i < kItemCount; ++i) {
        auto* item = new VQRechargeItem(m_gridContent);
        m_group->addButton(item, i);
        item->show();
        m_items.append(item);
    }
    layoutGrid();
}

void VQRechargeView::layoutGrid()
{
    if (!m_collectionView || !m_gridContent)
        return;
    const int viewportWidth = m_collectionView->viewport()->width();
    const int available = qMax(0, viewportWidth - kInsetRight);
    const int step = VQRechargeItem::kWidth + kItemHorizontalMargin;
    const int columns = qMax(1, (available + kItemHorizontalMargin) / step);
    const int used = columns * VQRechargeItem::kWidth + (columns - 1) * kItemHorizontalMargin;
    const int left = qMax(0, (available - used) / 2);
    const int rows = (int(m_items.size()) + columns - 1) / columns;
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i))
            m_items.at(i)->move(left + (i % columns) * step,
                                kInsetTop + (i / columns) * (VQRechargeItem::kHeight + kVerticalSpacing));
    }
    const int contentHeight = kInsetTop + rows * VQRechargeItem::kHeight + qMax(0, rows - 1) * kVerticalSpacing;
    m_gridContent->resize(viewportWidth, contentHeight);
}

void VQRechargeView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutControls();
}

void VQRechargeView::layoutControls()
{
    const int w = width();
    const int h = height();
    const int gridHeight = qMax(0, h - kButtonsArea);
    if (m_collectionView) {
        m_collectionView->setGeometry(0, 0, w, gridHeight);
        if (m_overlayScrollBar)
            m_overlayScrollBar->setGeometry(w - kOverlayBarWidth, 0, kOverlayBarWidth, gridHeight);
        layoutGrid();
    }
    const int buttonTop = gridHeight + 20;
    if (m_cancelBtn)
        m_cancelBtn->setGeometry(w / 2 - 50 - kButtonWidth / 2, buttonTop, kButtonWidth, kButtonHeight);
    if (m_sureBtn)
        m_sureBtn->setGeometry(w / 2 + 50 - kButtonWidth / 2, buttonTop, kButtonWidth, kButtonHeight);
}
