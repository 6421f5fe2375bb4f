#pragma once

#include "VQWordView.h"

class VQButton;

// One pane of the translation window: a word view with a copy button in its bottom-right
// corner. The copy button puts the pane's text on the clipboard and confirms with a tip.
class VQTranslateView : public VQWordView {
    Q_OBJECT
public:
    static constexpr int copyButtonSize = 30;
    static constexpr int copyButtonMargin = 10;
    // The pane is 312 wide with 10 px margins: lines wrap at this width so none is cut off.
    static constexpr int textWidth = 280;

    explicit VQTranslateView(QWidget* parent = nullptr);

    // True for the translation pane; only a name for tests and the log.
    void setIsYiView(bool isYiView);
    bool isYiView() const { return m_isYiView; }
    // Shows nothing and takes no height, as before the first text.
    void clear();

    VQButton* fuzhiBtn() const { return m_fuzhiBtn; }
    // Copies the pane's text; an empty pane copies nothing and shows no tip.
    void fuzhiBtnClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCopyButton();

    VQButton* m_fuzhiBtn = nullptr;
    bool m_isYiView = false;
};
