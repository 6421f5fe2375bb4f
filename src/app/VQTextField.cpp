#include "VQTextField.h"

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
