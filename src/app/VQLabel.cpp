#include "VQLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextDocument>

VQLabel::VQLabel(QWidget* parent)
    : VQLabel(QString(), parent)
{
}

VQLabel::VQLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFocusPolicy(Qt::NoFocus);
}

void VQLabel::setTextColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    pal.setColor(QPalette::Text, color);
    setPalette(pal);
}

QColor VQLabel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void VQLabel::setElideMode(Qt::TextElideMode mode)
{
    m_elideMode = mode;
    // The hover that shows the whole text must reach the label.
    setAttribute(Qt::WA_TransparentForMouseEvents, mode == Qt::ElideNone);
    updateGeometry();
    update();
}

QRect VQLabel::lineRect() const
{
    const bool rich = textFormat() == Qt::RichText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(text()));
    if (text().isEmpty() || rich || !pixmap().isNull())
        return {};
    const int m = margin();
    QRect rect = contentsRect().adjusted(m, m, -m, -m);
    if (indent() > 0) {
        const Qt::Alignment side = QStyle::visualAlignment(layoutDirection(), alignment());
        rect.adjust((side & Qt::AlignLeft) ? indent() : 0, 0, (side & Qt::AlignRight) ? -indent() : 0, 0);
    }
    return rect;
}

bool VQLabel::isElided() const
{
    const QRect rect = lineRect();
    return m_elideMode != Qt::ElideNone && !wordWrap() && rect.isValid() && fontMetrics().horizontalAdvance(text()) > rect.width();
}

QSize VQLabel::minimumSizeHint() const
{
    QSize size = QLabel::minimumSizeHint();
    if (m_elideMode != Qt::ElideNone && !wordWrap())
        size.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("…")) + 2 * margin());
    return size;
}

void VQLabel::paintEvent(QPaintEvent* event)
{
    const QRect rect = lineRect();
    if (!rect.isValid()) {
        QLabel::paintEvent(event);
        return;
    }
    const bool elided = isElided();
    // What is drawn is what the hover can tell: the whole text when it is cut.
    if (m_elideMode != Qt::ElideNone && toolTip() != (elided ? text() : QString()))
        setToolTip(elided ? text() : QString());
    QPainter painter(this);
    drawFrame(&painter);
    const QString shown = elided ? fontMetrics().elidedText(text(), m_elideMode, rect.width()) : text();
    // The side from the page, the reading order from the text.
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::AlignAbsolute
        | (text().isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, rect, flags, palette(), isEnabled(), shown, foregroundRole());
}

QFont VQLabel::fontForText(QFont font, const QString& text)
{
    if (font.weight() >= QFont::Normal)
        return font;
    for (char32_t ch : text.toUcs4()) {
        const QChar::Script script = QChar::script(ch);
        if (script != QChar::Script_Latin && script != QChar::Script_Common && script != QChar::Script_Inherited) {
            font.setWeight(QFont::Normal);
            break;
        }
    }
    return font;
}
