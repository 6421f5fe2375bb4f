#pragma once

#include "CommandWordCellView.h"
#include "VQBaseView.h"

#include <QPointer>

#include "AddCommandView.h"
#include <QMessageBox>
class VQButton;
class VQRowTableView;

// The command-word tab of the personality page: the device's custom voice commands (the
// store's custom list, read at every reload; never fewer than ten striped rows), an add button
// and, per row, edit and delete. Add and edit open AddCommandView over the page; delete asks in a
// window-modal box first. Fetches the list when made; reloads at creation and whenever the
// store's lists change (also when VQCommandSyncService fetches them for a new device), after
// every finish of the editor and after a delete. Main thread only.
class CommandWordView : public VQBaseView, public CommandWordCellViewDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 52;
    static constexpr char kListCellIdentifier[] = "listCell";

    explicit CommandWordView(QWidget* parent = nullptr);
    ~CommandWordView() override;

    void configUI() override;
    void configData() override;
    void configTitle() override;

    void reloadData();
    void addCommandBtnClicked();
    void requestDeleteCustomizeCmd(const VQVoiceCommandItem& item);

    void commandWordCellViewEditBtnClickedWithModel(CommandWordCellView* cell, const VQVoiceCommandItem& item) override;
    void commandWordCellViewDeleteBtnClickedWithModel(CommandWordCellView* cell, const VQVoiceCommandItem& item) override;

    VQRowTableView* tableView() const { return m_tableView; }
    VQButton* addCommandBtn() const { return m_addCommandBtn; }
    CommandWordCellView* cellAt(int row) const;
    // The editor while it is open.
    AddCommandView* editor() const { return m_editor; }
    // The delete confirmation while it is open.
    QMessageBox* confirmBox() const { return m_confirmBox; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void openEditor(const std::optional<VQVoiceCommandItem>& item);
    void layoutViews();

    QList<VQVoiceCommandItem> m_items;
    VQRowTableView* m_tableView = nullptr;
    VQButton* m_addCommandBtn = nullptr;
    QPointer<AddCommandView> m_editor;
    QPointer<QMessageBox> m_confirmBox;
};
