#include "SearchEngineView.h"

#include "QRNLocalizedString.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQPopUpButton.h"
#include "VQSettingSectionStyle.h"

#include <algorithm>

namespace {

constexpr int kTitleHeight = 27;
constexpr int kPopUpLeft = 8;
constexpr int kPopUpTop = 30;
constexpr QSize kPopUpSize(222, 34);

} // namespace

SearchEngineView::SearchEngineView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    configTitle();
}

SearchEngineView::~SearchEngineView() = default;

void SearchEngineView::configUI()
{
    m_titleLabel = vq::makeSectionLabel(this, vq::kSectionTitlePixelSize);
    m_engineBtn = new VQPopUpButton(this);
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    m_engineBtn->setItemsArr(languages.readSearchEngineNameList());
    // A stored tag without an engine marks none; searches then use the first engine.
    m_engineBtn->setSelectIndex(languages.searchEngineTag());
    m_engineBtn->setSelectBlock([](int index) { VQLanguageManager::sharedInstance().setSearchEngineTag(index); });
    m_engineBtn->setGeometry(QRect(QPoint(kPopUpLeft, kTitleHeight + kPopUpTop), kPopUpSize));
    setViewHeight(sectionHeight);
}

void SearchEngineView::configTitle()
{
    m_titleLabel->setText(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("语音搜索引擎")));
    m_titleLabel->setGeometry(0, 0, std::max(0, m_titleLabel->sizeHint().width()), kTitleHeight);
    // The pop-up keeps its selected index when its items are replaced.
    m_engineBtn->setItemsArr(VQLanguageManager::sharedInstance().readSearchEngineNameList());
    setMinimumWidth(std::max(m_titleLabel->width(), m_engineBtn->geometry().right() + 1));
}
