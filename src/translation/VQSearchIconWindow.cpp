#include "VQSearchIconWindow.h"

#include "CompositingManager.h"
#include "MMImage.h"
#include "NoFocusWindow.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

VQSearchIconWindow::VQSearchIconWindow(std::function<void()> onClick)
    : m_onClick(std::move(onClick))
    , m_image(mm::imageNamed(QString::fromLatin1(kImageName), QSize(kSize, kSize)))
{
    mm::makeNoFocusToolWindow(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kSize, kSize);
    setCursor(Qt::PointingHandCursor);
}

QPoint VQSearchIconWindow::placement(QPoint globalPoint, const QRect& screenGeometry)
{
    QPoint topLeft = globalPoint + QPoint(kOffset, kOffset);
    if (screenGeometry.isEmpty())
        return topLeft;
    topLeft.setX(qBound(screenGeometry.left(), topLeft.x(), screenGeometry.right() + 1 - kSize));
    topLeft.setY(qBound(screenGeometry.top(), topLeft.y(), screenGeometry.bottom() + 1 - kSize));
    return topLeft;
}

void VQSearchIconWindow::showNear(QPoint globalPoint)
{
    QScreen* screen = QGuiApplication::screenAt(globalPoint);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    move(placement(globalPoint, screen ? screen->geometry() : QRect()));
    m_pressed = false;
    // Without a compositor the clear corners would show black: the window takes the icon's shape.
    if (CompositingManager::instance().isCompositing()) {
        clearMask();
    } else {
        QPainterPath outline;
        outline.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
        setMask(m_image.isNull() ? QRegion(outline.toFillPolygon().toPolygon()) : mm::opaqueRegion(m_image));
    }
    show();
    raise();
}

void VQSearchIconWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_image.isNull()) {
        painter.drawPixmap(rect(), m_image);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 175, 204));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);
}

void VQSearchIconWindow::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void VQSearchIconWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click && m_onClick)
        m_onClick();
}
