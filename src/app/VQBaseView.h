#pragma once

#include <QWidget>

// Base of sections, rows, lists and editors. On construction it observes
// "kUpdateTitleNotification" (owner: the view itself, so the observation ends with the view) and
// calls configTitle() on every post, so the view looks its texts up again after a UI-language
// switch. configUI(), configData() and configTitle() do nothing here; a subclass fills them in
// and calls what it needs from its own constructor (virtual calls from this constructor would
// not reach the subclass). A subclass reports the height it needs in viewHeight().
class VQBaseView : public QWidget {
    Q_OBJECT
public:
    explicit VQBaseView(QWidget* parent = nullptr);
    ~VQBaseView() override;

    virtual void configUI();
    virtual void configData();
    virtual void configTitle();

    // The height the view needs, as its subclass computes it; 0 at creation.
    double viewHeight() const { return m_viewHeight; }
    // Emits viewHeightChanged() when the height changes, so a host can place its views again.
    void setViewHeight(double height);

Q_SIGNALS:
    void viewHeightChanged(double height);

private:
    double m_viewHeight = 0;
};
