#pragma once

#include "VQBaseView.h"

#include <array>
#include <functional>

class QFrame;
class VQButton;
class VQLabel;
class VQPopUpButton;
class VQShortcutRecorder;

// The "输入设置" section of the smart settings page: the punctuation, typing-compatibility and
// long-speech switches, the recognition-language pop-up and, for keyboard-type receivers only,
// the recorders of the voice typing, translation and search shortcuts (a click, then Backspace or
// Delete clears one: nothing is grabbed for it). Every control stores its setting at once.
//
// The shortcut rows show while a device is connected (receiver or Bluetooth LE mouse); the
// section is then 483 high, else 276, and calls refreshUIBlock after each evaluation so the page
// can lay itself out again. Main thread only.
class InputSettingView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int collapsedHeight = 276;
    static constexpr int expandedHeight = 483;

    explicit InputSettingView(QWidget* parent = nullptr);
    ~InputSettingView() override;

    void configUI() override;
    void configData() override;
    void configTitle() override;

    // The page's relayout, called after every evaluation of the shortcut rows.
    void setRefreshUIBlock(std::function<void()> block) { m_refreshUIBlock = std::move(block); }

    // Applies a switch's state (a click has flipped it already): its image and its setting.
    void punctuationBtnClicked();
    void compatibleModeBtnClicked();
    void longVoiceModeBtnClicked();
    // The recognition list or index changed: the pop-up shows the list and the stored index.
    void updateInputAudioNotification();
    // Shows or hides the shortcut rows for the open device, sets viewHeight, calls refreshUIBlock.
    void showShortcutsView();
    // Whether the shortcut rows show: a device is connected.
    static bool wantsShortcutRows();

    VQLabel* titleLabel() const { return m_titleLabel; }
    // Row labels in row order: punctuation, compatibility, long speech, language, then the three
    // shortcut rows.
    const std::array<VQLabel*, 7>& functionLabels() const { return m_labels; }
    VQButton* punctuationBtn() const { return m_switches[0]; }
    VQButton* compatibleModeBtn() const { return m_switches[1]; }
    VQButton* longVoiceModeBtn() const { return m_switches[2]; }
    VQPopUpButton* languageBtn() const { return m_languageBtn; }
    QWidget* shortcutsContentView() const { return m_shortcutsContentView; }
    // Recorders of voice typing, voice translation and voice search.
    const std::array<VQShortcutRecorder*, 3>& shortcutsViews() const { return m_recorders; }
    const std::array<QFrame*, 3>& shortcutBoxes() const { return m_boxes; }

private:
    void switchClicked(int row);
    void layoutRows();

    VQLabel* m_titleLabel = nullptr;
    std::array<VQLabel*, 7> m_labels {};
    std::array<VQButton*, 3> m_switches {};
    VQPopUpButton* m_languageBtn = nullptr;
    QWidget* m_shortcutsContentView = nullptr;
    std::array<QFrame*, 3> m_boxes {};
    std::array<VQShortcutRecorder*, 3> m_recorders {};
    std::function<void()> m_refreshUIBlock;
};
