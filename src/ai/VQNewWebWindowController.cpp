#include "VQNewWebWindowController.h"

#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "VQAIWebHostLoader.h"
#include "VQAIWebWindowController.h"
#include "VQPopupWindowTool.h"

#include <QVBoxLayout>
#include <QWidget>

VQNewWebWindowController::VQNewWebWindowController(QObject* parent)
    : QObject(parent)
{
}

// The view (and its page) goes with the window, before the engine shuts down.
VQNewWebWindowController::~VQNewWebWindowController() = default;

QWidget* VQNewWebWindowController::window()
{
    if (m_window)
        return m_window.get();
    m_window = std::make_unique<QWidget>();
    m_window->resize(800, 600);
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    const char* failure = nullptr;
    if (VQAIWebHostLoader::refusedAsRoot())
        failure = VQAIWebWindowController::kRootText;
    else if (!(m_webView = VQAIWebHostLoader::createWebView(m_window.get())))
        failure = "AI窗口无法打开";
    if (failure) {
        VQLogError(QStringLiteral("web window: no web view (%1)").arg(QString::fromUtf8(failure)));
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(failure)), QStringLiteral("error_icon"));
        return m_window.get();
    }
    layout->addWidget(m_webView->widget());
    return m_window.get();
}
