#pragma once

#include "VQBaseView.h"

#include <QList>
#include <QString>

class VQButton;
class VQLabel;
class QVBoxLayout;

// One item of the main window's left navigation: the page it selects, the UI-string key of its
// title and the images shown while it is not selected and while it is.
struct VQLeftItem {
    int tag = -1;
    QString titleKey;
    QString imageName;
    QString selectedImageName;
};

// The left navigation of the main window: one button per item, top to bottom, each with its
// icon and title on the left, the selected one highlighted with its selected image. Titles
// follow the UI language. A click selects the item and reports its tag.
class VQLeftNavigationView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kItemWidth = 188;
    static constexpr int kItemHeight = 44;
    static constexpr int kItemSpacing = 6;
    static constexpr int kIconSize = 22;

    explicit VQLeftNavigationView(QWidget* parent = nullptr);

    // Replaces the items; the selection is kept when its tag is still listed, else cleared.
    void setItems(const QList<VQLeftItem>& items);
    QList<VQLeftItem> items() const { return m_items; }
    QList<int> tags() const;

    // Marks the item of the tag; a tag without an item clears the mark.
    void setSelectedTag(int tag);
    int selectedTag() const { return m_selectedTag; }

    // The button of the item with the tag; nullptr when there is none.
    VQButton* buttonForTag(int tag) const;
    // The title shown by the item with the tag; "" when there is none.
    QString titleForTag(int tag) const;

    void configUI() override;
    void configTitle() override;

Q_SIGNALS:
    // The user clicked the item (the selection has already moved to it).
    void itemClicked(int tag);

private:
    struct ItemViews {
        VQButton* button = nullptr;
        VQLabel* icon = nullptr;
        VQLabel* title = nullptr;
    };

    void applyStyle(const ItemViews& views, const VQLeftItem& item, bool selected);

    QVBoxLayout* m_layout = nullptr;
    QList<VQLeftItem> m_items;
    QList<ItemViews> m_views;
    int m_selectedTag = -1;
};
