#include "HyperTranslateView.h"

#include "NotificationCenter.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQUserInfoData.h"

namespace {

VQTranslateRowView::Settings selectedTextSettings()
{
    VQTranslateRowView::Settings settings;
    settings.titleKey = "划词翻译";
    settings.switchValue = [] { return VQUserInfoData::sharedInstance().wordInputSwitch(); };
    settings.setSwitchValue = [](bool on) { VQUserInfoData::sharedInstance().setWordInputSwitch(on); };
    settings.fromNames = [] { return VQLanguageManager::sharedInstance().readFromWordInputNameList(); };
    settings.fromIndex = [] { return VQLanguageManager::sharedInstance().fromWordInputTag(); };
    settings.setFromIndex = [](int index) { VQLanguageManager::sharedInstance().setFromWordInputTag(index); };
    settings.toNames = [] { return VQLanguageManager::sharedInstance().readWordInputNameList(); };
    settings.toIndex = [] { return VQLanguageManager::sharedInstance().wordInputTag(); };
    settings.setToIndex = [](int index) { VQLanguageManager::sharedInstance().setWordInputTag(index); };
    return settings;
}

} // namespace

HyperTranslateView::HyperTranslateView(QWidget* parent)
    : VQTranslateRowView(selectedTextSettings(), parent)
{
    configUI();
    configTitle();
    configData();
}

void HyperTranslateView::configUI()
{
    buildRow();
    setViewHeight(rowHeight);
}

void HyperTranslateView::configTitle()
{
    const QRect to = titleAndLayoutRow();
    setMinimumSize(to.right() + 1, rowHeight);
}

void HyperTranslateView::configData()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QString::fromLatin1(vq::kUpdateHyperTranslateIndexNotification),
                       [this](const VQNotification&) { updateHyperTranslateIndexNotification(); });
    center.addObserver(this, QString::fromLatin1(vq::kUpdateTranslateListNotification),
                       [this](const VQNotification&) { configTitle(); });
}

void HyperTranslateView::updateHyperTranslateIndexNotification()
{
    reloadToPicker();
}
