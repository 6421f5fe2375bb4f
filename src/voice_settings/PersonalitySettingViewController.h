#pragma once

#include "VQBaseViewController.h"

class AddHotWordView;
class CommandWordView;
class HotWordView;
class QWidget;
class VQButton;

// The personality page of the main window (tag 3): the command-word tab (the custom voice
// commands) and the hot-word tab (editor beside list), each a title button with an underline
// under the selected one. It opens on the command-word tab; the hot-word tab's button is hidden,
// but its views are built and kept current all the same. It fetches nothing: the store is kept
// current by VQCommandSyncService. Main thread only.
class PersonalitySettingViewController : public VQBaseViewController {
    Q_OBJECT
public:
    static constexpr int kTag = 3;

    explicit PersonalitySettingViewController(QObject* parent = nullptr);
    ~PersonalitySettingViewController() override;

    void configUI() override;
    void configData() override;
    void configTitle() override;

    // Selects the tab of the button.
    void typeBtnClicked(VQButton* button);

    VQButton* commandWordBtn() const { return m_commandWordBtn; }
    VQButton* hotWordBtn() const { return m_hotWordBtn; }
    QWidget* lineImageView() const { return m_lineImageView; }
    CommandWordView* commandWordView() const { return m_commandWordView; }
    QWidget* hotWordView() const { return m_hotWordView; }
    AddHotWordView* addHotWordView() const { return m_addHotWordView; }
    HotWordView* hotWordListView() const { return m_hotWordListView; }
    VQButton* selectedButton() const { return m_selected; }

protected:
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutViews();

    VQButton* m_commandWordBtn = nullptr;
    VQButton* m_hotWordBtn = nullptr;
    QWidget* m_lineImageView = nullptr;
    CommandWordView* m_commandWordView = nullptr;
    QWidget* m_hotWordView = nullptr;
    AddHotWordView* m_addHotWordView = nullptr;
    HotWordView* m_hotWordListView = nullptr;
    VQButton* m_selected = nullptr;
};
