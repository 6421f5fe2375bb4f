#pragma once

#include "VQBaseView.h"

// A VQBaseView that swallows mouse presses, releases and double clicks, so a click on it never
// reaches the widgets beneath (its parent or whatever it covers).
class VQBackGroundView : public VQBaseView {
    Q_OBJECT
public:
    explicit VQBackGroundView(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
