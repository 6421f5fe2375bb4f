#pragma once

#include "VQBaseView.h"

#include <QStringList>

class AddHotWordCellView;
class VQButton;
class VQLabel;
class VQRowTableView;

// The hot-word editor: a card of ten one-line rows, one hot word each, and a create button. A
// save sends the filled rows, in row order and untrimmed, as one "phrase" item whose customCmd
// is the compact JSON array of the words; on success the rows empty and
// "kUpdateHotWordListNotification" is posted, on failure the rows stay and "创建失败" is shown.
// Return walks the focus down the rows. Main thread only.
class AddHotWordView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kRowCount = 10;
    static constexpr int kRowHeight = 40;
    // Room for the card's shadow on each side.
    static constexpr int kShadow = 5;

    explicit AddHotWordView(QWidget* parent = nullptr);

    void configUI() override;
    void configTitle() override;

    void resetData();
    void nextTextFieldInput(int row);
    void createBtnClicked();

    QStringList dataArr() const { return m_dataArr; }
    int currentInputRow() const { return m_currentInputRow; }
    bool isClear() const { return m_isClear; }
    VQLabel* tipLabel() const { return m_tipLabel; }
    VQButton* createBtn() const { return m_createBtn; }
    VQRowTableView* tableView() const { return m_tableView; }
    AddHotWordCellView* cellAt(int row) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layoutViews();

    QStringList m_dataArr;
    int m_currentInputRow = 0;
    bool m_isClear = true;
    VQLabel* m_tipLabel = nullptr;
    VQRowTableView* m_tableView = nullptr;
    VQButton* m_createBtn = nullptr;
};
