#pragma once

#include "VQVoiceCommandItem.h"

#include <QWidget>

#include <optional>

class HotWordCellView;
class VQButton;
class VQLabel;

// Receives the delete click of a hot-word row.
class HotWordCellViewDelegate {
public:
    virtual ~HotWordCellViewDelegate() = default;
    virtual void hotWordCellViewDeleteBtnClickedWithModel(HotWordCellView*, const VQVoiceCommandItem&) {}
};

// One row of the hot-word list: the hot word and its delete button; nothing for a filler row.
class HotWordCellView : public QWidget {
    Q_OBJECT
public:
    explicit HotWordCellView(QWidget* parent = nullptr);

    void setDelegate(HotWordCellViewDelegate* delegate) { m_delegate = delegate; }
    const std::optional<VQVoiceCommandItem>& model() const { return m_model; }
    void setModel(const std::optional<VQVoiceCommandItem>& model);

    VQLabel* contentLabel() const { return m_contentLabel; }
    VQButton* delBtn() const { return m_delBtn; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutViews();

    std::optional<VQVoiceCommandItem> m_model;
    HotWordCellViewDelegate* m_delegate = nullptr;
    VQLabel* m_contentLabel = nullptr;
    VQButton* m_delBtn = nullptr;
};
