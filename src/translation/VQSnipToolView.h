#pragma once

#include "VQBaseView.h"

#include <QList>

#include <functional>

class VQButton;

// The tool bar of a screen-region capture: five 40 x 40 tools side by side on a white bar with
// rounded corners: recognise the text, recognise and translate, save as PNG, copy, cancel. The
// tool with index i sits 40 * i from the left edge; its tag is its index.
class VQSnipToolView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kToolCount = 5;
    static constexpr int kToolSize = 40;
    static constexpr int kBarWidth = kToolCount * kToolSize;
    static constexpr int kBarHeight = kToolSize;
    // Between the selection and the bar.
    static constexpr int kGap = 10;

    explicit VQSnipToolView(QWidget* parent = nullptr);

    // Called with the tool's index after a click.
    std::function<void(int index)> btnClickedBlock;

    // Places the bar 200 x 40 with its right edge at p.x() and its top kGap below p.y().
    void setCenterPoint(QPoint p);
    // A tool was clicked: tells btnClickedBlock its index.
    void btnClicked(int index);

    const QList<VQButton*>& tools() const { return m_tools; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<VQButton*> m_tools;
};
