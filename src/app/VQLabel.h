#pragma once

#include <QLabel>

// A read-only, non-selectable, borderless text label, vertically centred and empty at creation.
// It is transparent for mouse events: clicks reach the widget beneath it. Font, colour,
// alignment and word wrap are set by its user (setTextColor() is a shortcut for the palette).
//
// Plain text stands on the side its alignment names in the page's direction (a left-aligned
// label of a left-to-right page starts at its left edge whatever the language), and reads in
// the text's own direction, so punctuation stays where that language puts it.
//
// With an elide mode other than Qt::ElideNone, one line that does not fit is drawn cut with
// "…" and the label's tooltip is the whole text (set as it is drawn; empty while it fits); such
// a label takes the hover (presses still pass on to its parent).
class VQLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool elided READ isElided)
public:
    explicit VQLabel(QWidget* parent = nullptr);
    explicit VQLabel(const QString& text, QWidget* parent = nullptr);

    void setTextColor(const QColor& color);
    QColor textColor() const;

    void setElideMode(Qt::TextElideMode mode);
    Qt::TextElideMode elideMode() const { return m_elideMode; }
    // The text is drawn cut now.
    bool isElided() const;

    QSize minimumSizeHint() const override;

    // The font to draw the text in: a face lighter than regular only for Latin text. The light
    // faces of the desktop's fonts seldom carry other scripts, and the fallback for them can be a
    // fixed-pitch face, which spaces the letters out and breaks Arabic joining.
    static QFont fontForText(QFont font, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where plain text is drawn; an empty rect when QLabel draws the content.
    QRect lineRect() const;

    Qt::TextElideMode m_elideMode = Qt::ElideNone;
};
