#pragma once

#include "VQBaseView.h"

class VQPopUpButton;
class VQTranslateView;
class QWidget;

// The content of the translation window: a white card with a title bar holding the
// target-language pop-up, the source pane and, below a separator, the translation pane.
//
// viewHeight() is the height the window should have: both panes plus 50 (title bar and gap), or
// the source pane plus 50 in the recognise-only form, where the pop-up reads "识别结果", shows no
// arrow and is disabled. Picking a language stores it for the current feature, posts the
// matching index notification and translates the source text again.
class VQTranslateContentView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int titleBarHeight = 40;
    static constexpr int cardInset = 2;
    static constexpr int languageButtonWidth = 200;

    explicit VQTranslateContentView(QWidget* parent = nullptr);

    void configUI() override;
    // Refills the pop-up with the names of the current mode; the selected index stays.
    void configTitle() override;

    void setFanText(const QString& text);
    void setYiText(const QString& text);
    // Empties the translation pane (a new source text is shown).
    void clearYiText();
    QString fanText() const { return m_fanText; }
    QString yiText() const { return m_yiText; }

    // Fills the pop-up for the current mode and selects its stored index, without its action.
    void reloadLanguages();

    VQPopUpButton* languageBtn() const { return m_languageBtn; }
    VQTranslateView* fanWordView() const { return m_fanWordView; }
    VQTranslateView* yiWordView() const { return m_yiWordView; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void languagePicked(int index);
    void applyForm();
    void layoutContent();

    VQPopUpButton* m_languageBtn = nullptr;
    VQTranslateView* m_fanWordView = nullptr;
    VQTranslateView* m_yiWordView = nullptr;
    QWidget* m_separator = nullptr;
    QString m_fanText;
    QString m_yiText;
    bool m_recogniseOnly = false;
};
