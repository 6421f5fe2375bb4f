#pragma once

#include <QWidget>

class QTextEdit;

// A read-only multi-line text block with a line spacing of 10. setString() lays the text out at
// maxWidth() (300 at creation) in the text field's font and sets textH() to the laid-out height,
// rounded up to a whole pixel, plus 30. The text field's font may be changed; textH() follows.
class VQTextView : public QWidget {
    Q_OBJECT
public:
    static constexpr int defaultMaxWidth = 300;
    static constexpr int lineSpacing = 10;
    static constexpr int extraHeight = 30;

    explicit VQTextView(QWidget* parent = nullptr);

    void setString(const QString& text);
    QString string() const { return m_string; }

    // The inner read-only text widget (to set its font).
    QTextEdit* textField() const { return m_textField; }

    void setTextColor(const QColor& color);
    // Where the lines stand (by default each paragraph on the side of its own direction).
    void setAlignment(Qt::Alignment alignment);
    void setMaxWidth(int width);
    int maxWidth() const { return m_maxWidth; }

    // The height the text needs: laid out at maxWidth() + 30.
    int textH() const { return m_textH; }

    // The laid-out height of a text at a width in a font with this view's line spacing,
    // rounded up (without the 30); 0 for an empty text.
    static int layoutHeight(const QString& text, const QFont& font, int width);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();

    QTextEdit* m_textField = nullptr;
    QString m_string;
    int m_maxWidth = defaultMaxWidth;
    int m_textH = extraHeight;
};
