#include "VQWKWebView.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

VQWKWebView::VQWKWebView(std::optional<DropRules> rules, QWidget* parent)
    : QWebEngineView(parent)
    , m_rules(std::move(rules))
{
    if (m_rules)
        setAcceptDrops(true);
}

void VQWKWebView::setDropRules(DropRules rules)
{
    if (m_rules)
        m_rules = std::move(rules);
}

void VQWKWebView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!handleDrag(event))
        QWebEngineView::dragEnterEvent(event);
}

void VQWKWebView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!handleDrag(event))
        QWebEngineView::dragMoveEvent(event);
}

void VQWKWebView::dragLeaveEvent(QDragLeaveEvent* event)
{
    if (!handleDrag(event))
        QWebEngineView::dragLeaveEvent(event);
}

void VQWKWebView::dropEvent(QDropEvent* event)
{
    if (!handleDrag(event))
        QWebEngineView::dropEvent(event);
}

bool VQWKWebView::handleDrag(QEvent* event)
{
    if (!m_rules)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter: {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        m_dragAction = m_rules->dragEntered ? m_rules->dragEntered(drag->mimeData(), drag->possibleActions())
                                            : Qt::IgnoreAction;
        if (m_dragAction == Qt::IgnoreAction || !drag->possibleActions().testFlag(m_dragAction)) {
            m_dragAction = Qt::IgnoreAction;
            drag->ignore();
        } else {
            drag->setDropAction(m_dragAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (m_dragAction == Qt::IgnoreAction) {
            drag->ignore();
        } else {
            drag->setDropAction(m_dragAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::DragLeave:
        m_dragAction = Qt::IgnoreAction;
        event->accept();
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const Qt::DropAction action = m_dragAction;
        m_dragAction = Qt::IgnoreAction;
        if (action != Qt::IgnoreAction && m_rules->dropped && m_rules->dropped(drop->mimeData())) {
            drop->setDropAction(action);
            drop->accept();
        } else {
            drop->ignore();
        }
        return true;
    }
    default:
        return false;
    }
}
