#include "LaserPenPreviewView.h"

#include "MMImage.h"
#include "VQLaserPenManager.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor kRingColor(81, 81, 81);
// The settings bar: grey 0.2 at 80 % opacity.
const QColor kBarColor = QColor::fromRgbF(0.2f, 0.2f, 0.2f, 0.8f);
// Effect sizes are previewed at one third.
constexpr double kPreviewScale = 1.0 / 3.0;
constexpr double kPenSampleLength = 100;

} // namespace

LaserPenPreviewView::LaserPenPreviewView(QWidget* parent)
    : QWidget(parent)
{
}

void LaserPenPreviewView::setMaskShown(bool shown)
{
    if (m_maskShown == shown)
        return;
    m_maskShown = shown;
    update();
}

void LaserPenPreviewView::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF bounds(rect());
    QPainterPath frame;
    frame.addRoundedRect(bounds, kCornerRadius, kCornerRadius);
    painter.setClipPath(frame);
    painter.drawPixmap(rect(), mm::imageNamed(QString::fromLatin1(kPreviewImageName), size()));

    const VQLaserPenManager& manager = VQLaserPenManager::sharedInstance();
    const QPointF centre = bounds.center();
    auto square = [&centre](double side) { return QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side); };
    switch (m_maskShown ? manager.previewIndex() : 0) {
    case 1: {
        // The veil with a clear hole: the bounds and the circle filled by the odd-even rule.
        QPainterPath veil;
        veil.setFillRule(Qt::OddEvenFill);
        veil.addRect(bounds);
        veil.addEllipse(square(manager.highlightedCircleW() * kPreviewScale));
        QColor black(Qt::black);
        black.setAlphaF(float(std::clamp(manager.highlightedMaskAlpha(), 0.0, 1.0)));
        painter.fillPath(veil, black);
        break;
    }
    case 2:
        painter.setPen(Qt::NoPen);
        painter.setBrush(manager.digitalLightSpotColor());
        painter.drawEllipse(square(manager.digitalLightSpotCircleW() * kPreviewScale));
        break;
    case 3: {
        // A one-point ring drawn inside the circle's square.
        const QRectF ring = square(manager.zoomInCircleW() * kPreviewScale).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(kRingColor, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(ring);
        break;
    }
    case 4: {
        const double width = std::max(0.0, manager.drawWidth());
        const QRectF bar(centre.x() - kPenSampleLength / 2, centre.y() - width / 2, kPenSampleLength, width);
        painter.setPen(Qt::NoPen);
        painter.setBrush(manager.drawColor());
        painter.drawRoundedRect(bar, width / 2, width / 2);
        break;
    }
    default:
        break;
    }

    if (m_bar && !m_bar->isHidden())
        painter.fillRect(m_bar->geometry(), kBarColor);
}
