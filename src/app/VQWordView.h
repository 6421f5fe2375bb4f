#pragma once

#include "VQBaseView.h"

#include <QColor>

class QScrollArea;
class VQTextView;

// A white text box with rounded corners (radius 8) and a soft shadow, holding a VQTextView
// (maximum width 300 unless setTextWidth() gives another) in a scroll area without scroll bars,
// contentMargin in from the box's left and top edges.
//
// setStringValue() with a non-null text stores it and shows it. For a non-empty text with text
// height h (VQTextView::textH()): when h <= 200 the scroll area is h high and viewHeight() is
// h + 50; else the scroll area is 200 high and viewHeight() 250. An empty text leaves
// viewHeight() as it was (0 at creation). A null QString changes nothing.
class VQWordView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int maxScrollHeight = 200;
    static constexpr int textMaxWidth = 300;
    static constexpr int contentMargin = 10;

    explicit VQWordView(QWidget* parent = nullptr);

    void setStringValue(const QString& text);
    // The width the text is wrapped at; the text shown is laid out again.
    void setTextWidth(int width);
    QString stringValue() const { return m_string; }

    // One background colour for the box, the scroll area, its content and the text view.
    void setContentBgColor(const QColor& color);
    void setTextColor(const QColor& color);

    VQTextView* textView() const { return m_textView; }
    QScrollArea* scrollView() const { return m_scrollView; }
    // The height given to the scroll area by the last non-empty text (0 before).
    int scrollHeight() const { return m_scrollHeight; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutContent();

    QScrollArea* m_scrollView = nullptr;
    VQTextView* m_textView = nullptr;
    QString m_string;
    QColor m_bgColor { Qt::white };
    int m_scrollHeight = 0;
    int m_textWidth = textMaxWidth;
};
