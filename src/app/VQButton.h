#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

// A borderless push button drawn by itself: a clear background, no border and an empty title at
// creation, a pointing-hand cursor, optional image with a position relative to the title.
//
// Pressing it shows the highlight colours that are set (title, border, background); releasing
// restores the title colour. A button that shows a pressed border or background keeps, once
// released, the released look: border in the accent colour RGB(0,175,204) and a white
// background, unless it has an opaque background of its own, which stays (a white one would hide
// a white title). Buttons without pressed colours (image buttons, switches, radios) keep their
// own look, also on tinted backgrounds. A click (mouse press and release inside, or performClick())
// first flips state() between 0 and 1 and then emits clicked() exactly once, so an action
// reading state() sees the new value. Switch buttons use state() as their on/off value.
class VQButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class ImagePosition { ImageOnly, ImageLeft, ImageRight, ImageAbove, ImageBelow, ImageOverlaps };

    explicit VQButton(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const { return text(); }

    // The title colour; black at creation.
    void setTitleColor(const QColor& color);
    QColor titleColor() const { return m_titleColor; }

    // Colours shown while the mouse is down; an invalid colour (the default) keeps the normal one.
    void setHighlightTitleColor(const QColor& color);
    void setHighlightBorderColor(const QColor& color);
    void setHighlightBackGroundColor(const QColor& color);

    // What the system sets on the button's layer: background (transparent at creation), border
    // (width 0 at creation) and corner radius.
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBorderColor(const QColor& color);
    void setBorderWidth(qreal width);
    void setCornerRadius(qreal radius);

    // The image; setImageName() loads a named resource image (see mm::imageNamed()).
    void setImage(const QPixmap& image);
    void setImageName(const QString& name);
    QPixmap image() const { return m_image; }
    // ImageLeft at creation; with no title the image is centred whatever the position.
    void setImagePosition(ImagePosition position);

    // 0 or 1; flipped by every click before clicked() is emitted.
    int state() const { return isChecked() ? 1 : 0; }
    void setState(int state) { setChecked(state != 0); }

    // Clicks the button as the user would: state flips, clicked() is emitted once.
    void performClick() { click(); }

    // The colours in use now (the highlight ones while the mouse is down).
    QColor currentTitleColor() const;
    QColor currentBorderColor() const;
    QColor currentBackgroundColor() const;

    QSize sizeHint() const override;

    // The border colour of the released look.
    static QColor releasedBorderColor() { return QColor(0, 175, 204); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_titleColor { Qt::black };
    QColor m_highlightTitleColor;
    QColor m_highlightBorderColor;
    QColor m_highlightBackgroundColor;
    QColor m_backgroundColor { Qt::transparent };
    QColor m_borderColor { Qt::transparent };
    qreal m_borderWidth = 0;
    qreal m_cornerRadius = 0;
    QPixmap m_image;
    ImagePosition m_imagePosition = ImagePosition::ImageLeft;
};
