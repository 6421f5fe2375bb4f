#pragma once

#include <QLineEdit>
#include <QTimer>

// An editable, selectable single-line text field: no frame, a clear background (also under a
// style sheet; a caller's own style sheet replaces this one), no focus ring,
// the text vertically centred. The editing callbacks are QLineEdit's signals (textEdited,
// textChanged, editingFinished, returnPressed). The selection and, while the field has the
// focus, the caret use the accent colour RGB(0,175,204). The caret blinks at the platform's
// rate while the field has the focus; without it no timer runs.
class VQTextField : public QLineEdit {
    Q_OBJECT
public:
    explicit VQTextField(QWidget* parent = nullptr);

    void setTextColor(const QColor& color);
    QColor textColor() const;

    // The accent colour of the selection and the caret.
    static QColor accentColor();
    // True while the caret shows (it has the focus and is in the visible phase of its blink).
    bool isCaretShown() const { return hasFocus() && m_caretOn; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Shows the caret and starts its blink anew (after a focus, an edit, a caret move).
    void restartBlink();
    void hideQtCaret();

    QTimer m_blink;
    bool m_caretOn = true;
    int m_caretWidth = 1;
};
