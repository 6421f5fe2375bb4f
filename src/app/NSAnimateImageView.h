#pragma once

#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QTimer>

// An image view that cycles through a sequence of images while animating. The timer runs only
// while the animation is on and the view is visible: hiding the view stops it, showing it
// again resumes; stopAnimation() stops it for good and shows the first image.
// Frames given by name are read when they first show and given back when the view is hidden:
// an animation seen for seconds at a time (the voice popup's) holds no pixels in between.
class NSAnimateImageView : public QLabel {
    Q_OBJECT
public:
    static constexpr int defaultFrameIntervalMs = 100;

    explicit NSAnimateImageView(QWidget* parent = nullptr);

    // The frames; shows the first one. An animation in progress starts again from it.
    void setImages(const QList<QPixmap>& images);
    // The frames by resource name and size (see mm::readImageNamed()); shows the first one.
    void setImageNames(const QStringList& names, const QSize& size = {});
    int frameCount() const { return int(m_images.size()); }
    // How many frames are held as pixels: all of them for setImages(), for named frames those
    // shown since the view was last hidden.
    int heldFrameCount() const;

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
    void releaseNamedFrames();

    QList<QPixmap> m_images;
    // With named frames: their names and size; m_images holds those read so far.
    QStringList m_names;
    QSize m_frameSize;
    QTimer m_timer;
    int m_frame = 0;
    bool m_animating = false;
};
