#pragma once

#include "VQButton.h"
#include "VQLabel.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class VQGoodsSpecsModel;

// One row of a list of goods options: a radio mark, the option's name and its
// price text. A click anywhere in the row (a clear button covers it) on a option that is
// not chosen runs selectedBlock with it; the row never changes the choice itself, its mark
// follows the option only when it is given one again. Main thread only.
class RechargeCellView : public QWidget {
    Q_OBJECT
public:
    using SelectedBlock = std::function<void(const std::shared_ptr<VQGoodsSpecsModel>&)>;

    static constexpr char kSelectedImage[] = "6_radio_sel";
    static constexpr char kNormalImage[] = "6_radio_nor";

    explicit RechargeCellView(QWidget* parent = nullptr);

    // Shows the option (all three views), or hides them when there is none.
    void setGoodsSpecsModel(const std::shared_ptr<VQGoodsSpecsModel>& model);
    std::shared_ptr<VQGoodsSpecsModel> goodsSpecsModel() const { return m_goodsSpecsModel; }

    void setSelectedBlock(SelectedBlock block) { m_selectedBlock = std::move(block); }

    void radioBtnClicked(VQButton* sender);

    VQButton* radioBtn();
    VQLabel* contentLabel();
    VQLabel* priceLabel();
    // The clear button over the whole row.
    VQButton* rowButton() const { return m_rowButton; }
    // The name of the image the radio mark shows.
    QString radioImageName() const { return m_radioImageName; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutControls();

    QPointer<VQButton> m_radioBtn;
    QPointer<VQButton> m_rowButton;
    QPointer<VQLabel> m_contentLabel;
    QPointer<VQLabel> m_priceLabel;
    std::shared_ptr<VQGoodsSpecsModel> m_goodsSpecsModel;
    SelectedBlock m_selectedBlock;
    QString m_radioImageName;
};
