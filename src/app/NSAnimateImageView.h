#pragma once

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QTimer>

// An image view that cycles through a sequence of images while animating. The timer runs only
// while the animation is on and the view is visible: hiding the view stops it, showing it
// again resumes; stopAnimation() stops it for good and shows the first image.
class NSAnimateImageView : public QLabel {
    Q_OBJECT
public:
    static constexpr int defaultFrameIntervalMs = 100;

    explicit NSAnimateImageView(QWidget* parent = nullptr);

    // The frames; shows the first one. An animation in progress starts again from it.
    void setImages(const QList<QPixmap>& images);
    // The frames by resource name (see mm::imageNamed()).
    void setImageNames(const QStringList& names);
    QList<QPixmap> images() const { return m_images; }

    void setFrameInterval(int ms);
    int frameInterval() const { return m_timer.interval(); }

    void startAnimation();
    void stopAnimation();
    // True from startAnimation() to stopAnimation(), also while hidden.
    bool isAnimating() const { return m_animating; }
    // True while the frame timer runs.
    bool isTimerActive() const { return m_timer.isActive(); }
    int currentFrame() const { return m_frame; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void nextFrame();
    void showFrame(int index);
    void updateTimer();

    QList<QPixmap> m_images;
    QTimer m_timer;
    int m_frame = 0;
    bool m_animating = false;
};
