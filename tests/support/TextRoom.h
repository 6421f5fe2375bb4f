#pragma once

// The room of the texts under a root widget: each visible label, button or check box whose text
// is wider (wrapped: taller) than its widget, comes within minGap pixels of another text or a
// control on its row, or is drawn from a fixed-pitch fallback face (light faces lack Arabic; the
// fallback spaces the letters out and breaks their joining). Header-only: the kit's buttons are
// known by class name.
#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTextLayout>

namespace vqtest {

inline QRect inRoot(const QWidget* widget, const QWidget* root, const QRect& rect)
{
    return rect.translated(widget->mapTo(root, QPoint(0, 0)));
}

// The visible texts under root with where they are drawn, in root's coordinates.
inline QList<std::tuple<const QWidget*, QString, QRect>> shownTexts(const QWidget* root, QStringList* faults = nullptr)
{
    QList<std::tuple<const QWidget*, QString, QRect>> texts;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (!widget->isVisibleTo(root) || text.isEmpty() || (label && label->textFormat() == Qt::RichText))
            continue;
        QRect box = widget->rect();
        QSize size;
        Qt::Alignment align = Qt::AlignCenter;
        if (label) {
            box = label->contentsRect().marginsRemoved(QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
            size = label->fontMetrics().size(0, text);
            // One line is judged by its width (its leading may overhang), wrapped lines by their height.
            size = label->wordWrap() ? QSize(qMin(size.width(), box.width()), label->heightForWidth(label->width()) - label->height() + box.height())
                                     : QSize(size.width(), qMin(size.height(), box.height()));
            align = label->alignment();
        } else {
            // The kit's buttons centre title and image 6 pixels in; a check box starts at the left.
            size = button->sizeHint() - (button->inherits("VQButton") ? QSize(12, 8) : QSize());
            if (button->inherits("QCheckBox"))
                align = Qt::AlignLeft | Qt::AlignVCenter;
        }
        const QString name = QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget->metaObject()->className()), text);
        if (faults && (size.width() > box.width() || size.height() > box.height()))
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
        texts.append({ widget, name, inRoot(widget, root, QStyle::alignedRect(direction, align, size, box)) });
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
                                          || (button && button->text().isEmpty() && button->sizeHint().width() > 12)))
            others.append({ widget, QString::fromLatin1(widget->metaObject()->className()), inRoot(widget, root, widget->rect()) });
    }
    for (qsizetype t = 0; t < textCount; ++t) {
        const auto& [widget, name, drawn] = others.at(t);
        for (qsizetype o = t + 1; o < others.size(); ++o) {
            const auto& [other, otherName, rect] = others.at(o);
            const bool sameRow = rect.top() < drawn.bottom() && drawn.top() < rect.bottom();
            const int gap = qMax(rect.left() - drawn.right(), drawn.left() - rect.right()) - 1;
            if (sameRow && gap < minGap && !other->isAncestorOf(widget) && !widget->isAncestorOf(other))
                faults << QStringLiteral("%1 is %2 px from %3").arg(name).arg(gap).arg(otherName);
        }
    }
    return faults;
}

} // namespace vqtest
