#pragma once

#include "VQBaseView.h"
#include "VQButton.h"
#include "VQLabel.h"

#include <QAbstractButton>
#include <QList>
#include <QPointer>
#include <QButtonGroup>
#include <QScrollArea>
#include <QScrollBar>

#include <functional>

// One tile of the recharge grid, 120 x 70: a price over a description, fixed texts. It is a
// checkable button of the grid's exclusive group; its border is the accent colour while it is
// the chosen tile and grey otherwise.
class VQRechargeItem : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kWidth = 120;
    static constexpr int kHeight = 70;
    // Tile texts (not localised).
    static constexpr char kPriceText[] = "$9.9";
    static constexpr char kInfoText[] = "录音包60分钟";

    explicit VQRechargeItem(QWidget* parent = nullptr);

    void setSelected(bool selected) { setChecked(selected); }
    bool isSelected() const { return isChecked(); }
    QColor borderColor() const;

    VQLabel* priceLabel();
    VQLabel* infoLabel();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<VQLabel> m_priceLabel;
    QPointer<VQLabel> m_infoLabel;
};

// The recharge panel that the user centre lays over its tab area: a scrolling grid of nine
// offer tiles with one chosen, "取消" and "确定". It requests, orders and pays nothing: "取消"
// hides the panel and then runs cancelBlock, "确定" runs sureBlock and the panel stays.
// initUIData() rebuilds the grid and chooses the first tile. Main thread only.
class VQRechargeView : public VQBaseView {
    Q_OBJECT
public:
    using Block = std::function<void()>;

    static constexpr int kItemCount = 9;
    static constexpr int kVerticalSpacing = 20;
    static constexpr int kItemHorizontalMargin = 45;
    static constexpr int kInsetTop = 20;
    static constexpr int kInsetRight = 100;

    // UI texts (keys of QRNLocalizedString).
    static constexpr char kCancelText[] = "取消";
    static constexpr char kSureText[] = "确定";

    explicit VQRechargeView(QWidget* parent = nullptr);

    void initUIData();
    // Re-titles the two buttons; the grid and its choice stay.
    void configTitle() override;

    void setCancelBlock(Block block) { m_cancelBlock = std::move(block); }
    void setSureBlock(Block block) { m_sureBlock = std::move(block); }

    void cancelBtnClicked(VQButton* sender);
    void sureBtnClicked(VQButton* sender);

    QScrollArea* collectionView();
    VQButton* cancelBtn();
    VQButton* sureBtn();

    // The tiles in grid order and the index of the chosen one (-1 when none).
    QList<VQRechargeItem*> items() const;
    int selectedIndex() const;
    // The overlay scroll bar over the grid's right edge.
    QScrollBar* overlayScrollBar() const { return m_overlayScrollBar; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void reloadData();
    void layoutGrid();
    void layoutControls();

    Block m_cancelBlock;
    Block m_sureBlock;
    QPointer<QScrollArea> m_collectionView;
    QPointer<QWidget> m_gridContent;
    QPointer<QScrollBar> m_overlayScrollBar;
    QPointer<QButtonGroup> m_group;
    QList<QPointer<VQRechargeItem>> m_items;
    QPointer<VQButton> m_cancelBtn;
    QPointer<VQButton> m_sureBtn;
};
