#include "VQPersonThesaurusView.h"

VQPersonThesaurusView::VQPersonThesaurusView(QWidget* parent)
    : VQBaseView(parent)
{
    initUIData();
}

void VQPersonThesaurusView::initUIData()
{
    configTitle();
}

void VQPersonThesaurusView::configTitle() { }
