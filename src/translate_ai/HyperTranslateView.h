#pragma once

#include "VQBaseView.h"

class VQButton;
class VQLabel;
class VQPopUpButton;

// The settings row "划词翻译": the select-to-translate switch and the source and target
// pickers of selected-text translation. It follows the translation window's own target pop-up
// (kUpdateHyperTranslateIndexNotification) and a new target list from the server
// (kUpdateTranslateListNotification).
class HyperTranslateView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int rowHeight = 99;

    explicit HyperTranslateView(QWidget* parent = nullptr);

    void configUI() override;
    void configTitle() override;
    void configData() override;

    // Applies the switch's state (a click has flipped it already): its image and wordInputSwitch.
    void switchBtnClicked();
    // The window's pop-up changed the target: the target picker shows the stored index.
    void updateHyperTranslateIndexNotification();
    // The arrow between the pickers: changes nothing.
    void changeLanguageBtnClicked();

    VQLabel* titleLabel() const { return m_titleLabel; }
    VQButton* switchBtn() const { return m_switchBtn; }
    VQPopUpButton* fromLanguageBtn() const { return m_fromLanguageBtn; }
    VQPopUpButton* toLanguageBtn() const { return m_toLanguageBtn; }
    VQButton* changeLanguageBtn() const { return m_changeLanguageBtn; }

private:
    VQLabel* m_titleLabel = nullptr;
    VQButton* m_switchBtn = nullptr;
    VQPopUpButton* m_fromLanguageBtn = nullptr;
    VQPopUpButton* m_toLanguageBtn = nullptr;
    VQButton* m_changeLanguageBtn = nullptr;
};
