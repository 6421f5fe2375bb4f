#pragma once

#include "VQBaseView.h"

class QFrame;
class VQButton;
class VQLabel;
class VQPopUpButton;
class VQShortcutRecorder;

// The settings row "截图翻译": the screenshot-translation switch, the recognition language and
// the translation target pickers, and the recorder of the shortcut stored under
// "SnipShortcutKey". It follows the translation window's target pop-up
// (kUpdateSnipTranslateIndexNotification), a new recognition list (kUpdateOCRListNotification)
// and a new target list (kUpdateTranslateListNotification) from the server.
class SnipTranslateView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int rowHeight = 188;

    explicit SnipTranslateView(QWidget* parent = nullptr);

    void configUI() override;
    void configTitle() override;
    void configData() override;

    // Applies the switch's state (a click has flipped it already): its image and
    // screenshotsTranslateSwitch.
    void switchBtnClicked();
    // The arrow between the pickers: the two lists differ, so it changes nothing.
    void changeLanguageBtnClicked();
    // A new recognition list: the recognition picker shows it with the stored index.
    void updateSnipFromTranslateIndexNotification();
    // The window's pop-up changed the target: the target picker shows the stored index.
    void updateSnipTranslateIndexNotification();

    VQLabel* titleLabel() const { return m_titleLabel; }
    VQButton* switchBtn() const { return m_switchBtn; }
    VQPopUpButton* fromLanguageBtn() const { return m_fromLanguageBtn; }
    VQPopUpButton* toLanguageBtn() const { return m_toLanguageBtn; }
    VQButton* changeLanguageBtn() const { return m_changeLanguageBtn; }
    VQLabel* functionLabel1() const { return m_functionLabel1; }
    VQShortcutRecorder* shortcutsView() const { return m_shortcutsView; }

private:
    VQLabel* m_titleLabel = nullptr;
    VQButton* m_switchBtn = nullptr;
    VQPopUpButton* m_fromLanguageBtn = nullptr;
    VQPopUpButton* m_toLanguageBtn = nullptr;
    VQButton* m_changeLanguageBtn = nullptr;
    VQLabel* m_functionLabel1 = nullptr;
    QFrame* m_shortcutBox = nullptr;
    VQShortcutRecorder* m_shortcutsView = nullptr;
};
