#pragma once

#include <QColor>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <functional>

class QMenu;

// A pop-up button with its own menu: a title and an arrow image; a click opens the menu below
// it. The menu holds one checkable item per text of itemsArr(), its data the index.
//
// setSelectIndex() marks the item of the index and shows its title without calling the select
// block; an index without an item marks none and leaves the title, but is kept and applied when
// setItemsArr() brings such an item. Picking an item in the menu (also the current one) shows its
// title, marks it and calls the select block with its index.
class VQPopUpButton : public QWidget {
    Q_OBJECT
public:
    using SelectBlock = std::function<void(int index)>;

    explicit VQPopUpButton(QWidget* parent = nullptr);
    ~VQPopUpButton() override;

    // Rebuilds the menu and applies selectIndex() again, without calling the block.
    void setItemsArr(const QStringList& items);
    QStringList itemsArr() const { return m_items; }

    void setSelectIndex(int index);
    int selectIndex() const { return m_selectIndex; }

    void setSelectBlock(SelectBlock block) { m_selectBlock = std::move(block); }

    // The shown title.
    void setStringValue(const QString& text);
    QString stringValue() const { return m_title; }

    // Left and vertically centred at creation.
    void setTextAlignment(Qt::Alignment alignment);
    void setTextColor(const QColor& color);
    QColor textColor() const { return m_textColor; }

    // Arrow images while the menu is open (up) and closed (down), by resource name.
    void setUpImageName(const QString& name);
    void setDownImageName(const QString& name);
    // Where the arrow sits: Qt::AlignRight (the default) or Qt::AlignLeft of the title.
    void setImageAlignment(Qt::Alignment alignment);
    void setHiddenImageView(bool hidden);
    bool isImageViewHidden() const { return m_imageHidden; }

    // The menu (tests and callers that style it); its items are rebuilt by setItemsArr().
    QMenu* menu() const { return m_menu; }
    // The index of the item marked now, -1 when none.
    int markedIndex() const;
    bool isMenuOpen() const { return m_menuOpen; }

    // Opens the menu below the button (what a click does).
    void showMenu();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applySelectIndex();
    void itemPicked(int index);

    QMenu* m_menu = nullptr;
    QStringList m_items;
    int m_selectIndex = -1;
    SelectBlock m_selectBlock;
    QString m_title;
    Qt::Alignment m_textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor m_textColor { Qt::black };
    QPixmap m_upImage;
    QPixmap m_downImage;
    Qt::Alignment m_imageAlignment = Qt::AlignRight;
    bool m_imageHidden = false;
    bool m_menuOpen = false;
};
