#include "VQTextView.h"

#include <QEvent>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>

#include <cmath>

namespace {

// Gives every paragraph of the document the view's line spacing.
void applyLineSpacing(QTextDocument* document)
{
    QTextBlockFormat format;
    format.setLineHeight(VQTextView::lineSpacing, QTextBlockFormat::LineDistanceHeight);
    QTextCursor cursor(document);
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}

} // namespace

VQTextView::VQTextView(QWidget* parent)
    : QWidget(parent)
    , m_textField(new QTextEdit(this))
{
    m_textField->setReadOnly(true);
    m_textField->setFrameShape(QFrame::NoFrame);
    m_textField->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textField->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textField->setTextInteractionFlags(Qt::NoTextInteraction);
    m_textField->setFocusPolicy(Qt::NoFocus);
    m_textField->setContextMenuPolicy(Qt::NoContextMenu);
    m_textField->viewport()->setAutoFillBackground(false);
    m_textField->setAutoFillBackground(false);
    m_textField->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
    m_textField->document()->setDocumentMargin(0);
    // Wrapped at the layout width whatever the widget's size, so what shows matches textH().
    m_textField->setLineWrapMode(QTextEdit::FixedPixelWidth);
    m_textField->setLineWrapColumnOrWidth(m_maxWidth);
    m_textField->installEventFilter(this);
    relayout();
}

void VQTextView::setString(const QString& text)
{
    m_string = text;
    m_textField->setPlainText(text);
    applyLineSpacing(m_textField->document());
    relayout();
}

void VQTextView::setTextColor(const QColor& color)
{
    QPalette pal = m_textField->palette();
    pal.setColor(QPalette::Text, color);
    m_textField->setPalette(pal);
}

void VQTextView::setAlignment(Qt::Alignment alignment)
{
    QTextOption option = m_textField->document()->defaultTextOption();
    option.setAlignment(alignment);
    m_textField->document()->setDefaultTextOption(option);
}

void VQTextView::setMaxWidth(int width)
{
    m_maxWidth = qMax(1, width);
    m_textField->setLineWrapColumnOrWidth(m_maxWidth);
    relayout();
}

int VQTextView::layoutHeight(const QString& text, const QFont& font, int width)
{
    // No text takes no room (a document always holds one empty line).
    if (text.isEmpty())
        return 0;
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(font);
    document.setPlainText(text);
    applyLineSpacing(&document);
    document.setTextWidth(qMax(1, width));
    return static_cast<int>(std::ceil(document.size().height()));
}

void VQTextView::relayout()
{
    m_textH = layoutHeight(m_string, m_textField->font(), m_maxWidth) + extraHeight;
}

bool VQTextView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_textField && event->type() == QEvent::FontChange)
        relayout();
    return QWidget::eventFilter(watched, event);
}

void VQTextView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_textField->setGeometry(rect());
}
