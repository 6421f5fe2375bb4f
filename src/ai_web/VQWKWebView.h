#pragma once

#include "VQAIWebPageHost.h"

#include <QWebEngineView>

#include <optional>

// A web view for a window of the program. Made with drop rules it takes files dragged onto it:
// every drag over it (the engine's widget inside it hands its drags to the view) is answered by
// the rules and never reaches the page. Made without, it is a plain view whose page takes drags
// itself.
class VQWKWebView : public QWebEngineView, public VQAIWebView {
    Q_OBJECT
public:
    explicit VQWKWebView(std::optional<DropRules> rules, QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void load(const QUrl& url) override { QWebEngineView::load(url); }
    QUrl url() const override { return QWebEngineView::url(); }
    void setDropRules(DropRules rules) override;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // True when the event was a drag event and was answered by the rules.
    bool handleDrag(QEvent* event);

    std::optional<DropRules> m_rules;
    // The action given to the drag in progress, repeated while it moves.
    Qt::DropAction m_dragAction = Qt::IgnoreAction;
};
