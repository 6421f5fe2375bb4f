#pragma once

#include <QPalette>
#include <QResizeEvent>
#include <QWidget>

#include <functional>
#include <utility>

// A settings page's white content widget whose controls are placed again whenever its size
// changes (some pages hang controls off their right edge).
class VQRelayoutPage : public QWidget {
public:
    explicit VQRelayoutPage(std::function<void()> relayout, QWidget* parent = nullptr)
        : QWidget(parent)
        , m_relayout(std::move(relayout))
    {
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        setAutoFillBackground(true);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (m_relayout)
            m_relayout();
    }

private:
    std::function<void()> m_relayout;
};
