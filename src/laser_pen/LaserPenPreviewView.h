#pragma once

#include <QPointer>
#include <QWidget>

// The picture of the laser-pen page with the previewed effect drawn over it, from the manager's
// values at every update: the highlight's veil with its clear hole, the light spot, the
// magnifier's ring, the pen's stroke sample. Sizes at one third, the pen's width at full size.
// It also paints the background of its settings bar (a child widget) inside its rounded corners.
// It keeps nothing between redraws. With the effect hidden (hideMask) only the picture shows.
class LaserPenPreviewView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCornerRadius = 12;
    static constexpr char kPreviewImageName[] = "previewImage";

    explicit LaserPenPreviewView(QWidget* parent = nullptr);

    // The settings bar whose background this view paints.
    void setSettingsBar(QWidget* bar) { m_bar = bar; }
    // Whether the previewed effect is drawn over the picture (at creation it is).
    void setMaskShown(bool shown);
    bool isMaskShown() const { return m_maskShown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> m_bar;
    bool m_maskShown = true;
};
