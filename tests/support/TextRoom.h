#pragma once

// The room of the texts under a root widget: each visible label, button, check box or read-only
// text box whose text is wider (wrapped: taller) than its widget (an eliding label's tooltip then
// holds it whole), is cut by a widget around it, comes within minGap pixels of another text or 8
// of a control on its row, stands off the side its one-line label is aligned to (as inked), or is
// drawn from a fixed-pitch fallback face (light faces lack Arabic; the fallback spaces the letters
// out and breaks their joining). Header-only: the kit's buttons are known by class name.
#include <QAbstractButton>
#include <QBitmap>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QTextEdit>
#include <QTextLayout>

namespace vqtest {

inline QRect inRoot(const QWidget* widget, const QWidget* root, const QRect& rect)
{
    return rect.translated(widget->mapTo(root, QPoint(0, 0)));
}

// Where the label inks, in its own coordinates.
inline QRect inkOf(QLabel* label)
{
    QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), {});
    return QRegion(QBitmap::fromImage(image.createAlphaMask())).boundingRect();
}

// The visible texts under root with where they are drawn, in root's coordinates.
inline QList<std::tuple<const QWidget*, QString, QRect>> shownTexts(const QWidget* root, QStringList* faults = nullptr)
{
    QList<std::tuple<const QWidget*, QString, QRect>> texts;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const auto* edit = qobject_cast<const QTextEdit*>(widget);
        const QString text = label ? label->text() : button ? button->text() : edit && edit->isReadOnly() ? edit->toPlainText() : QString();
        if (!widget->isVisibleTo(root) || text.isEmpty() || (label && label->textFormat() == Qt::RichText))
            continue;
        QRect box = widget->rect();
        QSize size;
        Qt::Alignment align = Qt::AlignCenter;
        if (edit) {
            // A read-only text box's lines take the width they are laid out at.
            size = QSize(edit->document()->size().toSize().width(), box.height());
            align = Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute;
        } else if (label) {
            box = label->contentsRect().marginsRemoved(QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
            size = label->fontMetrics().size(0, text);
            // One line is judged by its width (its leading may overhang), wrapped lines by their height.
            size = label->wordWrap() ? QSize(qMin(size.width(), box.width()), label->heightForWidth(label->width()) - label->height() + box.height())
                                     : QSize(size.width(), qMin(size.height(), box.height()));
            align = label->alignment();
        } else {
            // The kit's buttons centre title and image 6 pixels in; a check box starts at the left.
            size = button->sizeHint() - (button->inherits("VQButton") ? QSize(12, 8) : QSize(0, 0));
            if (button->inherits("QCheckBox"))
                align = Qt::AlignLeft | Qt::AlignVCenter;
        }
        const QString name = QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget->metaObject()->className()), text);
        const QRect ink = label && !label->autoFillBackground() ? inkOf(const_cast<QLabel*>(label)) : QRect();
        if (faults && (size.width() > box.width() || size.height() > box.height())
            && !(label && label->property("elided").toBool() && !label->testAttribute(Qt::WA_TransparentForMouseEvents) && label->toolTip() == text))
            *faults << QStringLiteral("%1 needs %2x%3 px, has %4x%5").arg(name).arg(size.width()).arg(size.height()).arg(box.width()).arg(box.height());
        QTextLayout layout(text, widget->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            if (faults && !QFontInfo(widget->font()).fixedPitch() && QFontDatabase::isFixedPitch(run.rawFont().familyName(), run.rawFont().styleName()))
                *faults << QStringLiteral("%1 is drawn in %2").arg(name, run.rawFont().familyName());
        // A label aligns its text by the text's own direction.
        const Qt::LayoutDirection direction = text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        QRect drawn = inRoot(widget, root, QStyle::alignedRect(direction, align, size.boundedTo(box.size()), box));
        const Qt::Alignment side = label ? QStyle::visualAlignment(label->layoutDirection(), label->alignment()) : Qt::AlignCenter;
        const int away = (side & Qt::AlignLeft) ? ink.left() - box.left() : (side & Qt::AlignRight) ? box.right() - ink.right() : 0;
        if (faults && !ink.isEmpty() && !label->wordWrap() && away > 8)
            *faults << QStringLiteral("%1 stands %2 px from its side").arg(name).arg(away);
        if (!ink.isEmpty())
            drawn.setCoords(inRoot(label, root, ink).left(), drawn.top(), inRoot(label, root, ink).right(), drawn.bottom());
        // Cut by a widget around it, where it shows (a page scrolled away shows none of it).
        QRect shows = inRoot(widget, root, widget->rect());
        for (const QWidget* up = widget->parentWidget(); up && up != root; up = up->parentWidget())
            shows &= inRoot(up, root, up->rect());
        if (faults && drawn.top() <= shows.bottom() && shows.top() <= drawn.bottom() && (drawn.left() < shows.left() || drawn.right() > shows.right()))
            *faults << QStringLiteral("%1 is cut at %2..%3 px").arg(name).arg(drawn.left()).arg(drawn.right());
        texts.append({ widget, name, drawn });
    }
    return texts;
}

// What is wrong with the texts under root, one line each; empty when nothing is.
inline QStringList crampedTexts(const QWidget* root, int minGap = 4)
{
    QStringList faults;
    auto others = shownTexts(root, &faults);
    const qsizetype textCount = others.size();
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        // Controls; a kit button without title and image is a click area laid over a text.
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        if (widget->isVisibleTo(root) && (qobject_cast<const QLineEdit*>(widget) || widget->inherits("VQPopUpButton")
                                          || (button && button->sizeHint().width() > 12)))
            others.append({ widget, QString::fromLatin1(widget->metaObject()->className()), inRoot(widget, root, widget->rect()) });
    }
    for (qsizetype t = 0; t < textCount; ++t) {
        const auto& [widget, name, drawn] = others.at(t);
        for (qsizetype o = t + 1; o < others.size(); ++o) {
            const auto& [other, otherName, rect] = others.at(o);
            const bool sameRow = rect.top() < drawn.bottom() && drawn.top() < rect.bottom();
            const int gap = qMax(rect.left() - drawn.right(), drawn.left() - rect.right()) - 1;
            if (sameRow && gap < (o < textCount ? minGap : qMax(minGap, 8)) && other != widget && !other->isAncestorOf(widget) && !widget->isAncestorOf(other))
                faults << QStringLiteral("%1 is %2 px from %3").arg(name).arg(gap).arg(otherName);
        }
    }
    return faults;
}

// Texts put together in code, where a translation should hold them whole to place punctuation and
// values its language's way: punctuation before or after a translated text, a value after one
// ending in a colon, a list number with nothing numbered. A text filling a translation is whole.
inline QStringList composedTexts(const QWidget* root, const QStringList& translations)
{
    QStringList faults, patterns;
    for (const QString& translation : translations)
        patterns << QRegularExpression::escape(translation).replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral(".*"));
    const QRegularExpression whole(QStringLiteral("^(?:") + patterns.join(QLatin1Char('|')) + QStringLiteral(")$"));
    for (const auto& [widget, name, drawn] : shownTexts(root)) {
        const QString text = name.mid(name.indexOf(QLatin1Char('"')) + 1).chopped(1);
        for (const QString& t : whole.match(text).hasMatch() ? QStringList() : translations)
            for (qsizetype at = t.size() > 1 ? text.indexOf(t) : -1; at >= 0; at = text.indexOf(t, at + 1)) {
                const QString after = text.mid(at + t.size(), 1), before = text.left(at).trimmed().right(1);
                if ((!after.isEmpty() && QStringLiteral(":：?？!！").contains(after)) || (!before.isEmpty() && QStringLiteral("+<").contains(before)))
                    faults << name + QStringLiteral(": punctuation added to \"%1\"").arg(t);
                else if (!after.isEmpty() && (t.endsWith(u':') || t.endsWith(u'：')))
                    faults << name + QStringLiteral(": a value put after \"%1\"").arg(t);
            }
        if (text.contains(QRegularExpression(QStringLiteral("^\\d+[.)]$"))))
            faults << name + QStringLiteral(": a number with nothing numbered");
    }
    return faults;
}

} // namespace vqtest
