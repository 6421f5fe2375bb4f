#include "VQButton.h"

#include "MMImage.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// The gap between the image and the title.
constexpr int kImageTitleSpacing = 4;

} // namespace

VQButton::VQButton(QWidget* parent)
    : QAbstractButton(parent)
{
    // The state flips on each click before clicked() is emitted; the look stays a momentary
    // push button because paintEvent() ignores the checked state.
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
}

void VQButton::setTitle(const QString& title)
{
    setText(title);
    updateGeometry();
    update();
}

void VQButton::setTitleColor(const QColor& color)
{
    m_titleColor = color;
    update();
}

void VQButton::setHighlightTitleColor(const QColor& color)
{
    m_highlightTitleColor = color;
    update();
}

void VQButton::setHighlightBorderColor(const QColor& color)
{
    m_highlightBorderColor = color;
    update();
}

void VQButton::setHighlightBackGroundColor(const QColor& color)
{
    m_highlightBackgroundColor = color;
    update();
}

void VQButton::setBackgroundColor(const QColor& color)
{
    m_backgroundColor = color;
    update();
}

void VQButton::setBorderColor(const QColor& color)
{
    m_borderColor = color;
    update();
}

void VQButton::setBorderWidth(qreal width)
{
    m_borderWidth = qMax<qreal>(0, width);
    update();
}

void VQButton::setCornerRadius(qreal radius)
{
    m_cornerRadius = qMax<qreal>(0, radius);
    update();
}

void VQButton::setImage(const QPixmap& image)
{
    m_image = image;
    updateGeometry();
    update();
}

void VQButton::setImageName(const QString& name)
{
    setImage(mm::imageNamed(name));
}

void VQButton::setImagePosition(ImagePosition position)
{
    m_imagePosition = position;
    updateGeometry();
    update();
}

QColor VQButton::currentTitleColor() const
{
    return isDown() && m_highlightTitleColor.isValid() ? m_highlightTitleColor : m_titleColor;
}

QColor VQButton::currentBorderColor() const
{
    return isDown() && m_highlightBorderColor.isValid() ? m_highlightBorderColor : m_borderColor;
}

QColor VQButton::currentBackgroundColor() const
{
    return isDown() && m_highlightBackgroundColor.isValid() ? m_highlightBackgroundColor : m_backgroundColor;
}

void VQButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isDown()
        && (m_highlightBorderColor.isValid() || m_highlightBackgroundColor.isValid())) {
        m_borderColor = releasedBorderColor();
        if (m_backgroundColor.alpha() == 0)
            m_backgroundColor = Qt::white;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

QSize VQButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const QSize titleSize = text().isEmpty() ? QSize() : QSize(metrics.horizontalAdvance(text()), metrics.height());
    const QSize imageSize = m_image.isNull() ? QSize() : m_image.deviceIndependentSize().toSize();
    QSize content;
    if (titleSize.isEmpty() || imageSize.isEmpty() || m_imagePosition == ImagePosition::ImageOnly) {
        content = titleSize.isEmpty() || m_imagePosition == ImagePosition::ImageOnly ? imageSize : titleSize;
    } else if (m_imagePosition == ImagePosition::ImageAbove || m_imagePosition == ImagePosition::ImageBelow) {
        content = QSize(qMax(titleSize.width(), imageSize.width()),
            titleSize.height() + kImageTitleSpacing + imageSize.height());
    } else if (m_imagePosition == ImagePosition::ImageOverlaps) {
        content = titleSize.expandedTo(imageSize);
    } else {
        content = QSize(titleSize.width() + kImageTitleSpacing + imageSize.width(),
            qMax(titleSize.height(), imageSize.height()));
    }
    return content + QSize(12, 8);
}

void VQButton::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.5);

    // Background and border, the border drawn inside the bounds.
    const QRectF bounds = QRectF(rect()).adjusted(m_borderWidth / 2, m_borderWidth / 2, -m_borderWidth / 2, -m_borderWidth / 2);
    QPainterPath shape;
    shape.addRoundedRect(bounds, m_cornerRadius, m_cornerRadius);
    const QColor background = currentBackgroundColor();
    if (background.alpha() > 0)
        painter.fillPath(shape, background);
    const QColor border = currentBorderColor();
    if (m_borderWidth > 0 && border.alpha() > 0) {
        painter.setPen(QPen(border, m_borderWidth));
        painter.drawPath(shape);
    }

    // Image and title, centred together.
    const bool hasTitle = !text().isEmpty() && m_imagePosition != ImagePosition::ImageOnly;
    const bool hasImage = !m_image.isNull();
    const QFontMetrics metrics(font());
    const QSize titleSize = hasTitle ? QSize(metrics.horizontalAdvance(text()), metrics.height()) : QSize();
    QSize imageSize = hasImage ? m_image.deviceIndependentSize().toSize() : QSize();
    // An image larger than the button is scaled down into it, keeping its aspect ratio.
    if (hasImage && (imageSize.width() > width() || imageSize.height() > height()))
        imageSize = imageSize.scaled(size(), Qt::KeepAspectRatio);

    QRect imageRect;
    QRect titleRect;
    const QPoint center = rect().center() + QPoint(1, 1);
    auto centred = [&](const QSize& s) { return QRect(QPoint(center.x() - s.width() / 2, center.y() - s.height() / 2), s); };
    if (!hasTitle || !hasImage || m_imagePosition == ImagePosition::ImageOverlaps) {
        imageRect = centred(imageSize);
        titleRect = QRect(0, 0, width(), height());
    } else {
        const bool vertical = m_imagePosition == ImagePosition::ImageAbove || m_imagePosition == ImagePosition::ImageBelow;
        const QSize total = vertical
            ? QSize(qMax(titleSize.width(), imageSize.width()), titleSize.height() + kImageTitleSpacing + imageSize.height())
            : QSize(titleSize.width() + kImageTitleSpacing + imageSize.width(), qMax(titleSize.height(), imageSize.height()));
        const QRect box = centred(total);
        switch (m_imagePosition) {
        case ImagePosition::ImageLeft:
            imageRect = QRect(box.left(), box.center().y() - imageSize.height() / 2, imageSize.width(), imageSize.height());
            titleRect = QRect(imageRect.right() + 1 + kImageTitleSpacing, box.top(), titleSize.width(), box.height());
            break;
        case ImagePosition::ImageRight:
            titleRect = QRect(box.left(), box.top(), titleSize.width(), box.height());
            imageRect = QRect(titleRect.right() + 1 + kImageTitleSpacing, box.center().y() - imageSize.height() / 2, imageSize.width(), imageSize.height());
            break;
        case ImagePosition::ImageAbove:
            imageRect = QRect(box.center().x() - imageSize.width() / 2, box.top(), imageSize.width(), imageSize.height());
            titleRect = QRect(box.left(), imageRect.bottom() + 1 + kImageTitleSpacing, box.width(), titleSize.height());
            break;
        case ImagePosition::ImageBelow:
            titleRect = QRect(box.left(), box.top(), box.width(), titleSize.height());
            imageRect = QRect(box.center().x() - imageSize.width() / 2, titleRect.bottom() + 1 + kImageTitleSpacing, imageSize.width(), imageSize.height());
            break;
        case ImagePosition::ImageOnly:
        case ImagePosition::ImageOverlaps:
            break;
        }
    }
    if (hasImage) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(imageRect, m_image);
    }
    if (hasTitle) {
        painter.setPen(currentTitleColor());
        painter.setFont(font());
        // Read in the title's own direction, so its punctuation stays on that language's side.
        painter.drawText(titleRect, Qt::AlignCenter | Qt::TextSingleLine | (text().isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight), text());
    }
}
