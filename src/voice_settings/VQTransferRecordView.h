#pragma once

#include "VQBaseView.h"

// The page of the user centre's "转写记录" tab. It shows nothing and holds no data; the user
// centre shows or hides it.
class VQTransferRecordView : public VQBaseView {
    Q_OBJECT
public:
    explicit VQTransferRecordView(QWidget* parent = nullptr);

    void initUIData();
    // The page has no texts.
    void configTitle() override;
};
