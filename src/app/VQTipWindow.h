#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

// The tip window: a small rounded panel, 150 x 180, showing an image above a short text. It is
// a no-focus tool window: showing it never takes the keyboard focus from the application the
// user works in. It closes itself 2.0 s after the last showTip(), clearing its text; a newer tip
// restarts the time. The timer runs only while a tip shows.
class VQTipWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int tipWidth = 150;
    static constexpr int tipHeight = 180;
    // The distance of the tip's bottom edge from the bottom of the primary screen.
    static constexpr int tipBottomOffset = 100;
    // The size of the image above the text.
    static constexpr int imageSize = 60;
    static constexpr int closeDelayMs = 2000;

    explicit VQTipWindow(QWidget* parent = nullptr);

    // Shows the text and the image, placed centred horizontally on the primary screen with its
    // bottom edge tipBottomOffset above the screen's bottom, and (re)starts the close timer.
    void showTip(const QString& text, const QPixmap& image);

    QString text() const;
    bool hasImage() const;
    bool isCloseTimerActive() const { return m_closeTimer.isActive(); }

    // Hides the tip and clears the text (what the close timer does).
    void closeTip();

    // Where a tip goes on the given screen geometry (Qt coordinates, top-left origin).
    static QRect tipGeometry(const QRect& screenGeometry);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_imageLabel = nullptr;
    QLabel* m_textLabel = nullptr;
    QTimer m_closeTimer;
};
