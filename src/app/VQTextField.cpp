#include "VQTextField.h"

#include <QApplication>
#include <QPointer>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleHints>

#include <algorithm>

namespace {

// Qt draws the caret in the text colour; this style makes its caret zero wide, and the field
// draws its own in the accent colour.
class NoCaretStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TextCursorWidth)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

VQTextField::VQTextField(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Highlight, accentColor());
    pal.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(false);
    // Under a style sheet (any ancestor's) the panel would be painted white whatever the palette
    // says, over the border of the frame the field sits in.
    setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; }"));
    hideQtCaret();
    m_blink.setTimerType(Qt::PreciseTimer);
    connect(&m_blink, &QTimer::timeout, this, [this] {
        m_caretOn = !m_caretOn;
        update();
    });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] { restartBlink(); });
    connect(this, &QLineEdit::textChanged, this, [this] { restartBlink(); });
}

void VQTextField::hideQtCaret()
{
    m_caretWidth = std::max(1, style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    // One style for every field, over the application's own.
    static QPointer<NoCaretStyle> shared;
    if (!shared) {
        shared = new NoCaretStyle(QStyleFactory::create(QApplication::style()->name()));
        shared->setParent(qApp);
    }
    setStyle(shared);
}

void VQTextField::restartBlink()
{
    m_caretOn = true;
    if (!hasFocus()) {
        m_blink.stop();
        return;
    }
    const int flash = QApplication::styleHints()->cursorFlashTime();
    if (flash > 1)
        m_blink.start(flash / 2);
    else
        m_blink.stop();
    update();
}

void VQTextField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    restartBlink();
}

void VQTextField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    m_blink.stop();
    update();
}

void VQTextField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!isCaretShown() || isReadOnly() || hasSelectedText())
        return;
    // cursorRect() reaches 5 px left of the caret for a caret zero wide.
    const QRect around = cursorRect();
    QPainter painter(this);
    painter.fillRect(QRect(around.x() + 5, around.y(), m_caretWidth, around.height() - 1), accentColor());
}

void VQTextField::setTextColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, color);
    setPalette(pal);
}

QColor VQTextField::textColor() const
{
    return palette().color(QPalette::Text);
}

QColor VQTextField::accentColor()
{
    return QColor(0, 175, 204);
}
