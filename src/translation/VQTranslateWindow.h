#pragma once

#include "VQTranslateWindowInterface.h"

#include <QWidget>

class VQButton;
class VQTranslateContentView;

// The floating translation window: a no-focus tool window, shown without activation so the
// user's application keeps the keyboard and its selection. It is 320 wide, its right edge 20 px
// in from the primary screen's and its bottom edge 100 px above the screen's bottom; it grows
// upward to the content's height (at least 100).
//
// A new source text empties the translation pane; the same source with an empty translation
// keeps the translation shown. Closing keeps both texts for the next show.
class VQTranslateWindow : public QWidget, public VQTranslateWindowInterface {
    Q_OBJECT
public:
    static constexpr int windowWidth = 320;
    static constexpr int rightMargin = 20;
    static constexpr int bottomMargin = 100;
    static constexpr int minHeight = 100;
    static constexpr int closeButtonSize = 40;

    explicit VQTranslateWindow(QWidget* parent = nullptr);

    void showInWindow() override;
    void dismissWindow() override;
    void setFanText(const QString& text) override;
    void setYiText(const QString& text) override;
    bool isShow() const override { return m_isShow; }
    QRect contentGlobalRect() const override;

    QString fanText() const { return m_fanText; }
    QString yiText() const { return m_yiText; }
    VQTranslateContentView* popContentView() const { return m_content; }
    VQButton* closeBtn() const { return m_closeBtn; }
    void closeBtnClicked();

    // The window's frame for a content height on a screen.
    static QRect windowGeometry(const QRect& screenGeometry, double contentHeight);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeOnScreen();

    VQTranslateContentView* m_content = nullptr;
    VQButton* m_closeBtn = nullptr;
    QString m_fanText;
    QString m_yiText;
    bool m_isShow = false;
};
