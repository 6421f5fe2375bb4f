#include "VQTransferRecordView.h"

VQTransferRecordView::VQTransferRecordView(QWidget* parent)
    : VQBaseView(parent)
{
    initUIData();
}

void VQTransferRecordView::initUIData()
{
    configTitle();
}

void VQTransferRecordView::configTitle() { }
