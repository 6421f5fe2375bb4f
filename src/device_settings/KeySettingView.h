#pragma once

#include "VQBaseView.h"

#include <QList>

#include <memory>

class KeySettingSubView;
class MouseModelSettingModel;
class MouseSettingModel;
class VQLabel;

// One customisable key on the mouse page: its title and a row per press kind.
class KeySettingView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kTitleHeight = 27;
    static constexpr int kFirstRowGap = 28;
    static constexpr int kRowPitch = 54;
    static constexpr int kBaseHeight = 38;

    explicit KeySettingView(QWidget* parent = nullptr);

    void setMouseModelSettingModel(std::shared_ptr<MouseModelSettingModel> record) { m_record = std::move(record); }
    // Stores the key, sets the height (38 + 54 per press kind) and builds the rows.
    void setModel(std::shared_ptr<MouseSettingModel> key);
    std::shared_ptr<MouseSettingModel> model() const { return m_model; }

    void configUI() override;
    void configTitle() override;

    // Places the title and the rows in the section's current width (also while hidden).
    void layoutRows();

    VQLabel* titleLabel() const { return m_titleLabel; }
    const QList<KeySettingSubView*>& rows() const { return m_rows; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::shared_ptr<MouseModelSettingModel> m_record;
    std::shared_ptr<MouseSettingModel> m_model;
    VQLabel* m_titleLabel = nullptr;
    QList<KeySettingSubView*> m_rows;
};
