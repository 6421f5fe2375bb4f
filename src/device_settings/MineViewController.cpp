#include "MineViewController.h"

#include "MineContentView.h"

#include <QEvent>
#include <QPalette>

namespace {

VQAccountHeaderFactory& headerFactory()
{
    static VQAccountHeaderFactory factory;
    return factory;
}

} // namespace

MineViewController::MineViewController(QObject* parent)
    : VQBaseViewController(parent)
{
}

MineViewController::~MineViewController() = default;

void MineViewController::setHeaderFactory(VQAccountHeaderFactory factory)
{
    headerFactory() = std::move(factory);
}

QWidget* MineViewController::loadView()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("minePage"));
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    page->setPalette(palette);
    page->setAutoFillBackground(true);
    return page;
}

void MineViewController::viewDidLoad()
{
    VQBaseViewController::viewDidLoad();
    configUI();
}

void MineViewController::configUI()
{
    if (m_built)
        return;
    m_built = true;
    QWidget* page = view();
    if (const VQAccountHeaderFactory& factory = headerFactory()) {
        m_header = factory(page);
        if (m_header.view) {
            m_header.view->setParent(page);
            m_header.view->show();
        }
    }
    m_contentView = new MineContentView(page);
    m_contentView->show();
    page->installEventFilter(this);
    layoutPage();
}

void MineViewController::getUserInfo()
{
    if (m_header.view && m_header.getUserInfo)
        m_header.getUserInfo();
}

void MineViewController::layoutPage()
{
    QWidget* page = view();
    if (!page || !m_contentView)
        return;
    int top = kTopMargin;
    if (m_header.view) {
        m_header.view->setGeometry(0, top, page->width(), kHeaderHeight);
        top += kHeaderHeight;
    }
    m_contentView->setGeometry(0, top, page->width(), std::max(0, page->height() - top));
}

bool MineViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == view())
        layoutPage();
    return VQBaseViewController::eventFilter(watched, event);
}
