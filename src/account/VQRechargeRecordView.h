#pragma once

#include "VQBaseView.h"

// The page of the user centre's "充值记录" tab. It shows nothing yet and holds no data.
class VQRechargeRecordView : public VQBaseView {
    Q_OBJECT
public:
    explicit VQRechargeRecordView(QWidget* parent = nullptr);

    void initUIData();
    // The page has no texts.
    void configTitle() override;
};
