#pragma once

#include "VQSpeechPopupInterface.h"

#include <QRect>
#include <QRegion>
#include <QWidget>

class VQButton;
class VQPopContentView;

// The speech popup: a clear, frameless panel 320 wide near the bottom-right corner of the
// primary screen (20 from its right edge, its bottom edge 100 above the screen's bottom) that
// shows the recognised text, in translation the translation, and the icon of the voice
// function. It grows upward with its content and is never lower than 140. A no-focus tool
// window: showing it never takes the keyboard focus, so a paste lands in the user's
// application. Its close button cancels the recognition. Main thread only.
class VQPopupWindow : public QWidget, public VQSpeechPopupInterface {
    Q_OBJECT
public:
    static constexpr int popupWidth = 320;
    static constexpr int minHeight = 140;
    static constexpr int rightMargin = 20;
    static constexpr int bottomOffset = 100;
    static constexpr int closeSize = 30;

    explicit VQPopupWindow(QWidget* parent = nullptr);

    // Shows the panel or updates it: a hidden panel starts from empty texts; then the press type
    // and the text are set and the panel takes its place and the content's height. Nothing for
    // the products that show no panel while their key runs the AI window (key action 18).
    void showSpeechView(const QString& text, int type) override;
    // Sets the translation line, only while a translation is recognised (press type 37 and the
    // voice hub's recognition still running); otherwise nothing changes.
    void showYiText(const QString& text) override;
    // Clears the texts, resets the press type here and in the key-press dispatcher, and hides.
    void dismissSpeechView() override;
    bool isShow() const override { return m_isShow; }

    // Cancels the recognition in the voice hub, then dismisses.
    void closeBtnClicked();

    VQPopContentView* popContentView() const { return m_content; }
    VQButton* closeBtn() const { return m_closeBtn; }

    // Where the panel goes on the screen (Qt coordinates) for the content height.
    static QRect popupGeometry(const QRect& screenGeometry, int contentHeight);
    // True for the products that show no panel in the key action that opens the AI window.
    static bool isPanelSuppressed();

private:
    void placeOnScreen();

    VQPopContentView* m_content = nullptr;
    VQButton* m_closeBtn = nullptr;
    QRegion m_closeShape; // the close icon's opaque part, in the button's coordinates
    bool m_isShow = false;
};
