#pragma once

#include "HotWordCellView.h"
#include "VQBaseView.h"

class VQRowTableView;

// The hot-word list of the personality page: the store's hot words (read at every reload;
// never fewer than ten striped rows), each deleted at once by its button. Reloads at creation,
// on "kUpdateHotWordListNotification" and after a delete. Main thread only.
class HotWordView : public VQBaseView, public HotWordCellViewDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 52;

    explicit HotWordView(QWidget* parent = nullptr);

    void configUI() override;
    void configData() override;
    void reloadData();

    void hotWordCellViewDeleteBtnClickedWithModel(HotWordCellView* cell, const VQVoiceCommandItem& item) override;

    VQRowTableView* tableView() const { return m_tableView; }
    HotWordCellView* cellAt(int row) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<VQVoiceCommandItem> m_items;
    VQRowTableView* m_tableView = nullptr;
};
