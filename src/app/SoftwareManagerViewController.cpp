#include "SoftwareManagerViewController.h"

#include "VQBaseView.h"
#include "VQSoftwareSettingView.h"

#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Keeps the sections as wide as the page, less the side margins.
class SoftwareContent : public QWidget {
public:
    using QWidget::QWidget;
    QWidget* section = nullptr;
    QWidget* about = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        const int width = event->size().width() - 2 * SoftwareManagerViewController::kSideMargin;
        for (QWidget* view : { section, about }) {
            if (view != nullptr)
                view->resize(width, view->height());
        }
    }
};

} // namespace

SoftwareManagerViewController::SoftwareManagerViewController(QObject* parent)
    : VQBaseViewController(parent)
{
}

SoftwareManagerViewController::AboutViewFactory& SoftwareManagerViewController::aboutViewFactory()
{
    static AboutViewFactory factory;
    return factory;
}

void SoftwareManagerViewController::setAboutViewFactory(AboutViewFactory factory)
{
    aboutViewFactory() = std::move(factory);
}

void SoftwareManagerViewController::viewDidLoad()
{
    VQBaseViewController::viewDidLoad();
    configUI();
    configData();
    configTitle();
}

void SoftwareManagerViewController::configUI()
{
    QWidget* page = view();
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scrollArea = new QScrollArea(page);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setWidgetResizable(true);
    layout->addWidget(m_scrollArea);

    auto* content = new SoftwareContent;
    m_content = content;
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, Qt::white);
    content->setPalette(palette);
    content->setAutoFillBackground(true);

    m_languageView = new VQSoftwareSettingView(content);
    m_languageView->move(kSideMargin, kSectionGap);
    content->section = m_languageView;
    if (const AboutViewFactory& factory = aboutViewFactory()) {
        m_aboutView = factory();
        if (m_aboutView != nullptr) {
            m_aboutView->setParent(content);
            m_aboutView->setGeometry(kSideMargin, kSectionGap + int(m_languageView->viewHeight()) + kSectionGap,
                                     m_aboutView->width(), int(m_aboutView->viewHeight()));
            content->about = m_aboutView;
            // The about view lays its text out at its width, so its height may change with the
            // page's width or the language: place it again and let the content follow.
            connect(m_aboutView, &VQBaseView::viewHeightChanged, this, [this, content](double height) {
                m_aboutView->resize(m_aboutView->width(), int(height));
                content->setMinimumHeight(contentHeight());
            });
        }
    }
    content->setMinimumHeight(contentHeight());
    m_scrollArea->setWidget(content);
}

int SoftwareManagerViewController::contentHeight() const
{
    const double languageHeight = m_languageView != nullptr ? m_languageView->viewHeight() : 0;
    const double aboutHeight = m_aboutView != nullptr ? m_aboutView->viewHeight() : 0;
    return std::max(int(languageHeight + kSectionGap + aboutHeight + kSectionGap), kMinimumContentHeight);
}
