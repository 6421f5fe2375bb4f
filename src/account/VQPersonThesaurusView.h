#pragma once

#include "VQBaseView.h"

// The page of the user centre's "个人词库" tab. It shows nothing yet and holds no data.
class VQPersonThesaurusView : public VQBaseView {
    Q_OBJECT
public:
    explicit VQPersonThesaurusView(QWidget* parent = nullptr);

    void initUIData();
    // The page has no texts.
    void configTitle() override;
};
