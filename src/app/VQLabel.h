#pragma once

#include <QLabel>

// A read-only, non-selectable, borderless text label, vertically centred and empty at creation.
// It is transparent for mouse events: clicks reach the widget beneath it. Font, colour,
// alignment and word wrap are set by its user (setTextColor() is a shortcut for the palette).
class VQLabel : public QLabel {
    Q_OBJECT
public:
    explicit VQLabel(QWidget* parent = nullptr);
    explicit VQLabel(const QString& text, QWidget* parent = nullptr);

    void setTextColor(const QColor& color);
    QColor textColor() const;

    // The font to draw the text in: a face lighter than regular only for Latin text. The light
    // faces of the desktop's fonts seldom carry other scripts, and the fallback for them can be a
    // fixed-pitch face, which spaces the letters out and breaks Arabic joining.
    static QFont fontForText(QFont font, const QString& text);
};
