#pragma once

#include "VQBaseView.h"

class VQLabel;
class VQPopUpButton;

// The "语音搜索引擎" section of the smart settings page: the engine with which voice search
// looks up text that matches no voice command (VQLanguageManager::searchEngineTag). Main thread
// only.
class SearchEngineView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int sectionHeight = 99;

    explicit SearchEngineView(QWidget* parent = nullptr);
    ~SearchEngineView() override;

    void configUI() override;
    void configTitle() override;

    VQLabel* titleLabel() const { return m_titleLabel; }
    VQPopUpButton* engineBtn() const { return m_engineBtn; }

private:
    VQLabel* m_titleLabel = nullptr;
    VQPopUpButton* m_engineBtn = nullptr;
};
