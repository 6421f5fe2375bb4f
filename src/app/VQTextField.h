#pragma once

#include <QLineEdit>

// An editable, selectable single-line text field: no frame, a clear background (also under a
// style sheet; a caller's own style sheet replaces this one), no focus ring,
// the text vertically centred. The editing callbacks are QLineEdit's signals (textEdited,
// textChanged, editingFinished, returnPressed). The selection uses the accent colour
// RGB(0,175,204); the caret is drawn by Qt in the text colour.
class VQTextField : public QLineEdit {
    Q_OBJECT
public:
    explicit VQTextField(QWidget* parent = nullptr);

    void setTextColor(const QColor& color);
    QColor textColor() const;

    // The accent colour of the selection.
    static QColor accentColor();
};
