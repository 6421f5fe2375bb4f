#include "NSAnimateImageView.h"

#include "MMImage.h"

#include <algorithm>

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
    m_names.clear();
    m_images = images;
    showFrame(0);
    updateTimer();
}

void NSAnimateImageView::setImageNames(const QStringList& names, const QSize& size)
{
    m_names = names;
    m_frameSize = size;
    m_images = QList<QPixmap>(names.size());
    showFrame(0);
    updateTimer();
}

int NSAnimateImageView::heldFrameCount() const
{
    return int(std::count_if(m_images.cbegin(), m_images.cend(), [](const QPixmap& image) { return !image.isNull(); }));
}

void NSAnimateImageView::releaseNamedFrames()
{
    if (m_names.isEmpty())
        return;
    m_images = QList<QPixmap>(m_names.size());
    clear();
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
    if (!m_names.isEmpty())
        showFrame(m_frame);
    updateTimer();
}

void NSAnimateImageView::hideEvent(QHideEvent* event)
{
    QLabel::hideEvent(event);
    releaseNamedFrames();
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
    if (index < 0 || index >= m_images.size()) {
        clear();
        return;
    }
    if (!m_names.isEmpty()) {
        // A named frame is read only to be seen.
        if (!isVisible()) {
            clear();
            return;
        }
        if (m_images.at(index).isNull())
            m_images[index] = QPixmap::fromImage(mm::readImageNamed(m_names.at(index), m_frameSize));
    }
    setPixmap(m_images.at(index));
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
