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
};
