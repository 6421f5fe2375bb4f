#pragma once

class QScrollArea;

// Scrolling of a scroll area's content widget. Both do nothing when the area is null or has no
// content widget.
namespace mm {

// Shows the top edge of the content.
void scrollToTop(QScrollArea* scrollView);
// Shows the bottom edge of the content.
void scrollToBottom(QScrollArea* scrollView);

} // namespace mm
