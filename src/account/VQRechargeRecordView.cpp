#include "VQRechargeRecordView.h"

VQRechargeRecordView::VQRechargeRecordView(QWidget* parent)
    : VQBaseView(parent)
{
    initUIData();
}

void VQRechargeRecordView::initUIData()
{
    configTitle();
}

void VQRechargeRecordView::configTitle() { }
