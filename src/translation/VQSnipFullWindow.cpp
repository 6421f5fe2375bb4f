#include "VQSnipFullWindow.h"

#include "VQSnip.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

VQSnipFullWindow::VQSnipFullWindow(int screenIndex, QScreen* screen, const QPixmap& frozen)
    : QWidget(nullptr,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool
                  | Qt::X11BypassWindowManagerHint)
    , m_screenIndex(screenIndex)
    , m_frozen(frozen)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::CrossCursor);
    setWindowTitle(QStringLiteral("snip"));
    if (screen) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
}

void VQSnipFullWindow::setSelection(const QRect& selection)
{
    if (selection == m_selection)
        return;
    // Only the parts whose dimming changes are painted again.
    update(m_selection.adjusted(-1, -1, 1, 1));
    m_selection = selection;
    update(m_selection.adjusted(-1, -1, 1, 1));
}

void VQSnipFullWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    if (m_frozen.isNull())
        painter.fillRect(area, Qt::black);
    else
        painter.drawPixmap(area, m_frozen, QRectF(QRectF(area).topLeft() * m_frozen.devicePixelRatio(),
                                                   QSizeF(area.size()) * m_frozen.devicePixelRatio()));
    QRegion dimmed(area);
    if (!m_selection.isEmpty())
        dimmed -= m_selection;
    painter.setClipRegion(dimmed);
    painter.fillRect(area, QColor(0, 0, 0, kDimAlpha));
}

void VQSnipFullWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        VQSnip::sharedInstance().mouseDown(m_screenIndex, event->position().toPoint());
}

void VQSnipFullWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        VQSnip::sharedInstance().mouseDragged(m_screenIndex, event->position().toPoint());
}

void VQSnipFullWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        VQSnip::sharedInstance().mouseUp();
}

void VQSnipFullWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape is also grabbed for the whole desktop; this covers a grab another program holds.
    if (event->key() == Qt::Key_Escape) {
        VQSnip::sharedInstance().dismissFullWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}
