#pragma once

#include <QWidget>

class QLabel;

// A progress bar: a track (bgimg) filling the widget and a fill (leftimg) from the left edge.
// setPresent() sets the fill's width to width() / maxValue() x value, kept within the bar; a
// maximum of 0 (or less) shows no fill. The fill follows when the bar is resized. Both parts are
// labels, so a caller may give them images; by default they are painted in two colours.
class CustomProgress : public QWidget {
    Q_OBJECT
public:
    explicit CustomProgress(QWidget* parent = nullptr);

    void setMaxValue(double maxValue);
    double maxValue() const { return m_maxValue; }
    void setPresent(double value);
    double present() const { return m_present; }

    QLabel* bgimg() const { return m_bgimg; }
    QLabel* leftimg() const { return m_leftimg; }
    // The fill's width now.
    int fillWidth() const;

    void setTrackColor(const QColor& color);
    void setFillColor(const QColor& color);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutFill();

    QLabel* m_bgimg = nullptr;
    QLabel* m_leftimg = nullptr;
    double m_maxValue = 100;
    double m_present = 0;
};
