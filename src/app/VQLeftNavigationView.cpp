#include "VQLeftNavigationView.h"

#include "MMImage.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"

#include <QVBoxLayout>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kAccentColor(0, 175, 204);
const QColor kSelectedBackground(224, 245, 249);
const QColor kPressedBackground(210, 238, 244);
constexpr int kIconLeft = 14;
constexpr int kTitleLeft = 46;

} // namespace

VQLeftNavigationView::VQLeftNavigationView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
}

void VQLeftNavigationView::configUI()
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(16, 0, 16, 0);
    m_layout->setSpacing(kItemSpacing);
    m_layout->addStretch(1);
}

QList<int> VQLeftNavigationView::tags() const
{
    QList<int> result;
    result.reserve(m_items.size());
    for (const VQLeftItem& item : m_items)
        result.append(item.tag);
    return result;
}

void VQLeftNavigationView::setItems(const QList<VQLeftItem>& items)
{
    for (const ItemViews& views : std::as_const(m_views)) {
        m_layout->removeWidget(views.button);
        delete views.button;
    }
    m_views.clear();
    m_items = items;

    QFont titleFont = font();
    titleFont.setPixelSize(15);
    bool selectionListed = false;
    for (int i = 0; i < m_items.size(); ++i) {
        const int tag = m_items.at(i).tag;
        ItemViews views;
        views.button = new VQButton(this);
        views.button->setFixedSize(kItemWidth, kItemHeight);
        views.button->setCornerRadius(8);
        views.button->setHighlightBackGroundColor(kPressedBackground);
        views.icon = new VQLabel(views.button);
        views.icon->setGeometry(kIconLeft, (kItemHeight - kIconSize) / 2, kIconSize, kIconSize);
        views.title = new VQLabel(views.button);
        views.title->setFont(titleFont);
        views.title->setGeometry(kTitleLeft, 0, kItemWidth - kTitleLeft - 6, kItemHeight);
        connect(views.button, &VQButton::clicked, this, [this, tag] {
            setSelectedTag(tag);
            Q_EMIT itemClicked(tag);
        });
        m_layout->insertWidget(i, views.button);
        views.button->show(); // at once, not from the event loop as the layout would
        m_views.append(views);
        selectionListed = selectionListed || tag == m_selectedTag;
    }
    if (!selectionListed)
        m_selectedTag = -1;
    configTitle();
}

void VQLeftNavigationView::setSelectedTag(int tag)
{
    m_selectedTag = tags().contains(tag) ? tag : -1;
    configTitle();
}

VQButton* VQLeftNavigationView::buttonForTag(int tag) const
{
    const int index = tags().indexOf(tag);
    return index >= 0 ? m_views.at(index).button : nullptr;
}

QString VQLeftNavigationView::titleForTag(int tag) const
{
    const int index = tags().indexOf(tag);
    return index >= 0 ? m_views.at(index).title->text() : QString();
}

void VQLeftNavigationView::configTitle()
{
    for (int i = 0; i < m_items.size(); ++i)
        applyStyle(m_views.at(i), m_items.at(i), m_items.at(i).tag == m_selectedTag);
}

void VQLeftNavigationView::applyStyle(const ItemViews& views, const VQLeftItem& item, bool selected)
{
    views.title->setText(QRNLocalizedString::qrnAppLocalizedString(item.titleKey));
    views.title->setTextColor(selected ? kAccentColor : kTextColor);
    views.icon->setPixmap(mm::imageNamed(selected ? item.selectedImageName : item.imageName, QSize(kIconSize, kIconSize)));
    views.button->setBackgroundColor(selected ? kSelectedBackground : QColor(Qt::transparent));
}
