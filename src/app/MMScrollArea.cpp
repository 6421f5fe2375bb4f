#include "MMScrollArea.h"

#include <QCoreApplication>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>

namespace mm {

namespace {

// Brings the content's size and the scroll range up to date with content that was just added
// or resized; otherwise they follow only from the event loop. A layout request sent to the area
// makes it fit a resizable content widget to its layout and recompute its scroll bars.
void settleLayout(QScrollArea* scrollView)
{
    QWidget* content = scrollView->widget();
    if (QLayout* layout = content->layout()) {
        // Widgets just added to the layout of a visible content are shown by Qt only from the
        // event loop, and until then take no room; show them now, as Qt would.
        const auto children = content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            if (child->isHidden() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide) && !child->isWindow()
                && content->isVisible() && layout->indexOf(child) >= 0)
                child->show();
        }
        layout->activate();
    }
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(scrollView, &request);
}

} // namespace

void scrollToTop(QScrollArea* scrollView)
{
    if (!scrollView || !scrollView->widget())
        return;
    settleLayout(scrollView);
    scrollView->verticalScrollBar()->setValue(scrollView->verticalScrollBar()->minimum());
}

void scrollToBottom(QScrollArea* scrollView)
{
    if (!scrollView || !scrollView->widget())
        return;
    settleLayout(scrollView);
    scrollView->verticalScrollBar()->setValue(scrollView->verticalScrollBar()->maximum());
}

} // namespace mm
