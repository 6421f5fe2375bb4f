#pragma once

#include "VQBaseView.h"

class VQButton;
class VQLabel;
class VQPopUpButton;

// The "翻译设置" section of the smart settings page: the language the user speaks (the
// recognition language, shared with the input section's pop-up through
// "kUpdateInputAudioNotification") and the target language of voice translation, with the
// exchange button between them, which changes nothing: the two lists differ. Main thread only.
class TranslateSettingView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int sectionHeight = 152;

    explicit TranslateSettingView(QWidget* parent = nullptr);
    ~TranslateSettingView() override;

    void configUI() override;
    void configTitle() override;
    void configData() override;

    void changeLanguageBtnClicked();

    VQLabel* titleLabel() const { return m_titleLabel; }
    VQLabel* functionLabel2() const { return m_functionLabel2; }
    VQPopUpButton* fromLanguageBtn() const { return m_fromLanguageBtn; }
    VQPopUpButton* toLanguageBtn() const { return m_toLanguageBtn; }
    VQButton* changeLanguageBtn() const { return m_changeLanguageBtn; }

private:
    VQLabel* m_titleLabel = nullptr;
    VQLabel* m_functionLabel2 = nullptr;
    VQPopUpButton* m_fromLanguageBtn = nullptr;
    VQPopUpButton* m_toLanguageBtn = nullptr;
    VQButton* m_changeLanguageBtn = nullptr;
};
