#include "VQBackGroundView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

VQBackGroundView::VQBackGroundView(QWidget* parent)
    : VQBaseView(parent)
{
    // Presses must reach this widget, also where it draws nothing.
    setAttribute(Qt::WA_NoMousePropagation);
}

void VQBackGroundView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void VQBackGroundView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void VQBackGroundView::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void VQBackGroundView::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    // Lets a style sheet give the view a background, as for any plain QWidget subclass.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
