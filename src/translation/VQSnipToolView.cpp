#include "VQSnipToolView.h"

#include "VQButton.h"

#include <QPainter>
#include <QPainterPath>

VQSnipToolView::VQSnipToolView(QWidget* parent)
    : VQBaseView(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    resize(kBarWidth, kBarHeight);
    for (int index = 0; index < kToolCount; ++index) {
        auto* tool = new VQButton(this);
        tool->setGeometry(index * kToolSize, 0, kToolSize, kToolSize);
        tool->setImageName(QStringLiteral("snip%1_gray").arg(index + 1));
        tool->setProperty("tag", index);
        connect(tool, &VQButton::clicked, this, [this, index] { btnClicked(index); });
        m_tools.append(tool);
    }
}

void VQSnipToolView::setCenterPoint(QPoint p)
{
    setGeometry(p.x() - kBarWidth, p.y() + kGap, kBarWidth, kBarHeight);
}

void VQSnipToolView::btnClicked(int index)
{
    if (btnClickedBlock)
        btnClickedBlock(index);
}

void VQSnipToolView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(rect()), 8, 8);
    painter.fillPath(bar, Qt::white);
}
