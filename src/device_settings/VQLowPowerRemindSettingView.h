#pragma once

#include "VQBaseView.h"

class VQLabel;
class VQTextField;

// The low-battery reminder row of the smart settings page (its slot 6): the battery percentage
// at or below which the program reminds the user to charge (VQUserInfoData::lowPowerNum, stored
// under "lowPowerNumKey", 10 when absent).
//
// Every accepted keystroke is stored at once, so the next battery report already uses it; when
// editing ends (Return, Tab, a click elsewhere in the window, or the window hiding, as it does
// at quit) a value below 2 becomes 5. The field takes whole numbers only
// (OnlyIntegerValueFormatter). Main thread only.
class VQLowPowerRemindSettingView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kHeight = 69;
    static constexpr qint64 kMinimum = 2;
    static constexpr qint64 kResetValue = 5;

    explicit VQLowPowerRemindSettingView(QWidget* parent = nullptr);
    ~VQLowPowerRemindSettingView() override;

    void configUI() override;
    void configTitle() override;

    // The field's text changed by the user: stores its number (0 for an empty text).
    void controlTextDidChange();
    // Editing ended: a number below 2 becomes 5; the number is stored.
    void controlTextDidEndEditing();

    VQLabel* titleLabel() const { return m_titleLabel; }
    VQTextField* timeField() const { return m_timeField; }
    VQLabel* timeLabel() const { return m_timeLabel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void layoutRow();

    VQLabel* m_titleLabel = nullptr;
    VQTextField* m_timeField = nullptr;
    VQLabel* m_timeLabel = nullptr;
    bool m_watchingClicks = false;
    bool m_edited = false; // typed into since editing last ended
};
