#pragma once

#include <QObject>

#include <memory>

class QWidget;
class VQAIWebView;

// A plain window with one web view, made by the web-engine plugin when the window is first
// read. Nothing opens it yet. Main thread only.
class VQNewWebWindowController : public QObject {
    Q_OBJECT
public:
    explicit VQNewWebWindowController(QObject* parent = nullptr);
    ~VQNewWebWindowController() override;

    // The window, made on first read with its web view filling it. Without a web engine (or as
    // root with the engine's sandbox on) the window has no view, and a tip says why.
    QWidget* window();
    // The window's web view; nullptr until the window is made, or when it could not be.
    VQAIWebView* webView() const { return m_webView; }

private:
    std::unique_ptr<QWidget> m_window;
    VQAIWebView* m_webView = nullptr; // owned by the window
};
