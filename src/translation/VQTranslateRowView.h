#pragma once

#include "VQBaseView.h"

#include <QStringList>

#include <functional>

class VQButton;
class VQLabel;
class VQPopUpButton;

// What the two translation settings rows share: the title with its on/off switch, and under it
// the source and target pickers with the arrow between them. A row names the settings its
// parts edit; the switch and each pick are stored at once.
class VQTranslateRowView : public VQBaseView {
    Q_OBJECT
public:
    struct Settings {
        const char* titleKey = "";
        std::function<bool()> switchValue;
        std::function<void(bool)> setSwitchValue;
        std::function<QStringList()> fromNames;
        std::function<int()> fromIndex;
        std::function<void(int)> setFromIndex;
        std::function<QStringList()> toNames;
        std::function<int()> toIndex;
        std::function<void(int)> setToIndex;
    };

    // Applies the switch's state (a click has flipped it already): its image and the setting.
    void switchBtnClicked();
    // The arrow between the pickers: the lists differ, so it changes nothing.
    void changeLanguageBtnClicked();

    VQLabel* titleLabel() const { return m_titleLabel; }
    VQButton* switchBtn() const { return m_switchBtn; }
    VQPopUpButton* fromLanguageBtn() const { return m_fromLanguageBtn; }
    VQPopUpButton* toLanguageBtn() const { return m_toLanguageBtn; }
    VQButton* changeLanguageBtn() const { return m_changeLanguageBtn; }

protected:
    VQTranslateRowView(Settings settings, QWidget* parent);

    // Makes the shared parts; the switch shows the stored value.
    void buildRow();
    // The title text and both pickers' lists and stored indexes, then the shared parts' places.
    // Returns the target picker's frame, which rows place their further parts by.
    QRect titleAndLayoutRow();
    // One picker shows its list again with the stored index.
    void reloadFromPicker();
    void reloadToPicker();

private:
    Settings m_settings;
    VQLabel* m_titleLabel = nullptr;
    VQButton* m_switchBtn = nullptr;
    VQPopUpButton* m_fromLanguageBtn = nullptr;
    VQPopUpButton* m_toLanguageBtn = nullptr;
    VQButton* m_changeLanguageBtn = nullptr;
};
