#include "NSAnimateImageView.h"

#include "MMImage.h"

NSAnimateImageView::NSAnimateImageView(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setScaledContents(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(defaultFrameIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &NSAnimateImageView::nextFrame);
}

void NSAnimateImageView::setImages(const QList<QPixmap>& images)
{
    m_images = images;
    showFrame(0);
    updateTimer();
}

void NSAnimateImageView::setImageNames(const QStringList& names)
{
    QList<QPixmap> images;
    images.reserve(names.size());
    for (const QString& name : names) {
        const QPixmap image = mm::imageNamed(name);
        if (!image.isNull())
            images.append(image);
    }
    setImages(images);
}

void NSAnimateImageView::setFrameInterval(int ms)
{
    m_timer.setInterval(qMax(1, ms));
}

void NSAnimateImageView::startAnimation()
{
    m_animating = true;
    updateTimer();
}

void NSAnimateImageView::stopAnimation()
{
    m_animating = false;
    updateTimer();
    showFrame(0);
}

void NSAnimateImageView::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    updateTimer();
}

void NSAnimateImageView::hideEvent(QHideEvent* event)
{
    QLabel::hideEvent(event);
    updateTimer();
}

void NSAnimateImageView::nextFrame()
{
    if (m_images.isEmpty())
        return;
    showFrame((m_frame + 1) % m_images.size());
}

void NSAnimateImageView::showFrame(int index)
{
    m_frame = index;
    if (index >= 0 && index < m_images.size())
        setPixmap(m_images.at(index));
    else
        clear();
}

void NSAnimateImageView::updateTimer()
{
    // The timer runs only when there is something to cycle and someone can see it.
    const bool run = m_animating && m_images.size() > 1 && isVisible();
    if (run && !m_timer.isActive())
        m_timer.start();
    else if (!run)
        m_timer.stop();
}
