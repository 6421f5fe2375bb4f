#include "VQPopUpButton.h"

#include "MMImage.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// The space kept free for the arrow, and its distance from the edge.
constexpr int kArrowAreaWidth = 24;
constexpr int kArrowMargin = 8;
constexpr int kTextMargin = 10;

} // namespace

VQPopUpButton::VQPopUpButton(QWidget* parent)
    : QWidget(parent)
    , m_menu(new QMenu(this))
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    connect(m_menu, &QMenu::aboutToShow, this, [this] {
        m_menuOpen = true;
        update();
    });
    connect(m_menu, &QMenu::aboutToHide, this, [this] {
        m_menuOpen = false;
        update();
    });
}

VQPopUpButton::~VQPopUpButton() = default;

void VQPopUpButton::setItemsArr(const QStringList& items)
{
    m_items = items;
    // The old items go later: this may run inside the select block, while the menu is still
    // delivering the picked item's signal.
    const QList<QAction*> oldActions = m_menu->actions();
    for (QAction* action : oldActions) {
        m_menu->removeAction(action);
        action->disconnect(this);
        action->deleteLater();
    }
    const auto oldGroups = m_menu->findChildren<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly);
    for (QActionGroup* oldGroup : oldGroups)
        oldGroup->deleteLater();
    auto* group = new QActionGroup(m_menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (int i = 0; i < items.size(); ++i) {
        QAction* action = m_menu->addAction(items.at(i));
        action->setCheckable(true);
        action->setData(i);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { itemPicked(i); });
    }
    applySelectIndex();
    updateGeometry();
}

void VQPopUpButton::setSelectIndex(int index)
{
    m_selectIndex = index;
    applySelectIndex();
}

void VQPopUpButton::applySelectIndex()
{
    const QList<QAction*> actions = m_menu->actions();
    for (QAction* action : actions)
        action->setChecked(action->data().toInt() == m_selectIndex);
    if (m_selectIndex >= 0 && m_selectIndex < m_items.size())
        setStringValue(m_items.at(m_selectIndex));
}

void VQPopUpButton::itemPicked(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    setSelectIndex(index);
    // The block may rebuild the items or delete this button; nothing of ours is used after it.
    if (m_selectBlock) {
        const SelectBlock block = m_selectBlock;
        block(index);
    }
}

int VQPopUpButton::markedIndex() const
{
    const QList<QAction*> actions = m_menu->actions();
    for (QAction* action : actions) {
        if (action->isChecked())
            return action->data().toInt();
    }
    return -1;
}

void VQPopUpButton::setStringValue(const QString& text)
{
    m_title = text;
    updateGeometry();
    update();
}

void VQPopUpButton::setTextAlignment(Qt::Alignment alignment)
{
    m_textAlignment = alignment;
    update();
}

void VQPopUpButton::setTextColor(const QColor& color)
{
    m_textColor = color;
    update();
}

void VQPopUpButton::setUpImageName(const QString& name)
{
    m_upImage = mm::imageNamed(name);
    update();
}

void VQPopUpButton::setDownImageName(const QString& name)
{
    m_downImage = mm::imageNamed(name);
    update();
}

void VQPopUpButton::setImageAlignment(Qt::Alignment alignment)
{
    m_imageAlignment = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void VQPopUpButton::setHiddenImageView(bool hidden)
{
    m_imageHidden = hidden;
    update();
}

void VQPopUpButton::showMenu()
{
    if (!isEnabled() || m_menu->isVisible())
        return;
    m_menu->setMinimumWidth(width());
    // Non-blocking: the menu runs in the ordinary event loop.
    m_menu->popup(mapToGlobal(QPoint(0, height())));
}

QSize VQPopUpButton::sizeHint() const
{
    // A button of fixed size shows that size whatever its items: measuring them would shape
    // every item's text (a list of languages in their own scripts loads a font for each).
    if (minimumSize() == maximumSize())
        return minimumSize();
    const QFontMetrics metrics(font());
    int textWidth = metrics.horizontalAdvance(m_title);
    for (const QString& item : m_items)
        textWidth = qMax(textWidth, metrics.horizontalAdvance(item));
    return QSize(textWidth + 2 * kTextMargin + (m_imageHidden ? 0 : kArrowAreaWidth), qMax(metrics.height() + 12, 30));
}

void VQPopUpButton::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Disabled, the title and arrow fade; without its arrow the button is a plain title (a
    // heading on a coloured bar, a fixed value) and keeps its colour, or it would be unreadable.
    if (!isEnabled() && !m_imageHidden)
        painter.setOpacity(0.5);

    QRect textRect = rect().adjusted(kTextMargin, 0, -kTextMargin, 0);
    QRect arrowRect;
    if (!m_imageHidden) {
        if (m_imageAlignment & Qt::AlignLeft) {
            arrowRect = QRect(kArrowMargin, 0, kArrowAreaWidth - kArrowMargin, height());
            textRect.setLeft(kArrowAreaWidth + kTextMargin / 2);
        } else {
            arrowRect = QRect(width() - kArrowAreaWidth, 0, kArrowAreaWidth - kArrowMargin, height());
            textRect.setRight(width() - kArrowAreaWidth - kTextMargin / 2);
        }
    }

    painter.setPen(m_textColor);
    painter.setFont(font());
    const QString shown = painter.fontMetrics().elidedText(m_title, Qt::ElideRight, textRect.width());
    painter.drawText(textRect, static_cast<int>(m_textAlignment) | Qt::TextSingleLine, shown);

    if (m_imageHidden)
        return;
    const QPixmap& arrow = m_menuOpen ? m_upImage : m_downImage;
    if (!arrow.isNull()) {
        QSize s = arrow.deviceIndependentSize().toSize().boundedTo(arrowRect.size());
        const QRect target(arrowRect.center().x() - s.width() / 2 + 1, arrowRect.center().y() - s.height() / 2 + 1, s.width(), s.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, arrow);
        return;
    }
    // No arrow image given: a small chevron, pointing up while the menu is open.
    const QPointF c = QRectF(arrowRect).center();
    const qreal dy = m_menuOpen ? -2.5 : 2.5;
    QPainterPath chevron;
    chevron.moveTo(c.x() - 4, c.y() - dy);
    chevron.lineTo(c.x(), c.y() + dy);
    chevron.lineTo(c.x() + 4, c.y() - dy);
    painter.setPen(QPen(m_textColor, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(chevron);
}

void VQPopUpButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        showMenu();
        return;
    }
    QWidget::mousePressEvent(event);
}

void VQPopUpButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        showMenu();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
