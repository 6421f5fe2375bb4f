#pragma once

#include "VQTranslateRowView.h"

// The settings row "划词翻译": the select-to-translate switch and the source and target
// pickers of selected-text translation. It follows the translation window's own target pop-up
// (kUpdateHyperTranslateIndexNotification) and a new target list from the server
// (kUpdateTranslateListNotification).
class HyperTranslateView : public VQTranslateRowView {
    Q_OBJECT
public:
    static constexpr int rowHeight = 99;

    explicit HyperTranslateView(QWidget* parent = nullptr);

    void configUI() override;
    void configTitle() override;
    void configData() override;

    // The window's pop-up changed the target: the target picker shows the stored index.
    void updateHyperTranslateIndexNotification();
};
