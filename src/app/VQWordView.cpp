#include "VQWordView.h"

#include "VQTextView.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QTextEdit>

namespace {

constexpr qreal kCornerRadius = 8;
// The text box's inner margins: the text starts this far from the left and top edges.
constexpr int kContentMarginX = VQWordView::contentMargin;
constexpr int kContentMarginY = VQWordView::contentMargin;
// viewHeight() is the scroll area's height plus this.
constexpr int kHeightExtra = 50;

} // namespace

VQWordView::VQWordView(QWidget* parent)
    : VQBaseView(parent)
    , m_scrollView(new QScrollArea(this))
    , m_textView(new VQTextView)
{
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(QColor(112, 112, 112, qRound(0.3 * 255)));
    shadow->setOffset(0, 0);
    shadow->setBlurRadius(2);
    setGraphicsEffect(shadow);

    m_textView->setMaxWidth(textMaxWidth);
    m_textView->resize(textMaxWidth, m_textView->textH());
    m_scrollView->setFrameShape(QFrame::NoFrame);
    m_scrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollView->setWidgetResizable(false);
    m_scrollView->setWidget(m_textView);
    setContentBgColor(Qt::white);
    layoutContent();
}

void VQWordView::setStringValue(const QString& text)
{
    if (text.isNull())
        return;
    m_string = text;
    m_textView->setString(text);
    m_textView->resize(m_textWidth, m_textView->textH());
    if (!text.isEmpty()) {
        const int h = m_textView->textH();
        m_scrollHeight = qMin(h, maxScrollHeight);
        setViewHeight(m_scrollHeight + kHeightExtra);
    }
    layoutContent();
}

void VQWordView::setTextWidth(int width)
{
    m_textWidth = qMax(1, width);
    m_textView->setMaxWidth(m_textWidth);
    m_textView->resize(m_textWidth, m_textView->textH());
    if (!m_string.isEmpty())
        setStringValue(m_string);
    layoutContent();
}

void VQWordView::setContentBgColor(const QColor& color)
{
    m_bgColor = color;
    for (QWidget* widget : { static_cast<QWidget*>(m_scrollView), m_scrollView->viewport(), static_cast<QWidget*>(m_textView) }) {
        QPalette pal = widget->palette();
        pal.setColor(QPalette::Window, color);
        pal.setColor(QPalette::Base, color);
        widget->setPalette(pal);
        widget->setAutoFillBackground(true);
    }
    update();
}

void VQWordView::setTextColor(const QColor& color)
{
    m_textView->setTextColor(color);
}

void VQWordView::layoutContent()
{
    const int innerWidth = qMax(0, width() - 2 * kContentMarginX);
    const int scrollHeight = m_scrollHeight > 0 ? m_scrollHeight : qMax(0, height() - 2 * kContentMarginY);
    m_scrollView->setGeometry(kContentMarginX, kContentMarginY, innerWidth, scrollHeight);
}

void VQWordView::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    painter.fillPath(box, m_bgColor);
}

void VQWordView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutContent();
}
