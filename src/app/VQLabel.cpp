#include "VQLabel.h"

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
