#include "SmartSettingViewController.h"

#include "InputSettingView.h"
#include "MMLog.h"
#include "MMScrollArea.h"
#include "SearchEngineView.h"
#include "TranslateSettingView.h"

#include <QEvent>
#include <QPalette>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kInputSlot = 1;

std::array<SmartSettingViewController::SectionFactory, SmartSettingViewController::sectionCount>& factories()
{
    static std::array<SmartSettingViewController::SectionFactory, SmartSettingViewController::sectionCount> table;
    return table;
}

void paintWhite(QWidget* widget)
{
    QPalette white = widget->palette();
    white.setColor(QPalette::Window, Qt::white);
    widget->setPalette(white);
    widget->setAutoFillBackground(true);
}

bool isForeignSlot(int slot)
{
    return slot == 3 || slot == 4 || slot == 6;
}

} // namespace

SmartSettingViewController::SmartSettingViewController(QObject* parent)
    : VQBaseViewController(parent)
{
}

SmartSettingViewController::~SmartSettingViewController() = default;

bool SmartSettingViewController::registerSectionFactory(int slot, SectionFactory factory)
{
    if (!isForeignSlot(slot)) {
        VQLogWarn(QStringLiteral("smart settings: slot %1 takes no section from outside").arg(slot));
        return false;
    }
    factories()[slot - 1] = std::move(factory);
    return true;
}

void SmartSettingViewController::resetSectionFactoriesForTests()
{
    factories() = {};
}

QWidget* SmartSettingViewController::loadView()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("smartSettingPage"));
    paintWhite(page);
    return page;
}

void SmartSettingViewController::viewDidLoad()
{
    VQBaseViewController::viewDidLoad();
    configUI();
}

QWidget* SmartSettingViewController::contentView()
{
    if (m_contentView)
        return m_contentView;
    QWidget* page = view();
    m_scrollView = new QScrollArea(page);
    m_scrollView->setFrameShape(QFrame::NoFrame);
    m_scrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollView->setWidgetResizable(false);
    // Every layer paints the page's white: nothing of the page shown before, or of the content
    // before a scroll, stays on the screen.
    paintWhite(m_scrollView->viewport());

    m_contentView = new QWidget;
    m_contentView->setObjectName(QStringLiteral("smartSettingContent"));
    paintWhite(m_contentView);
    m_scrollView->setWidget(m_contentView);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, scrollTop, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_scrollView);
    layout->activate();

    m_viewport = m_scrollView->viewport();
    m_contentView->setGeometry(0, 0, m_viewport->width(), 0);
    m_viewport->installEventFilter(this);
    return m_contentView;
}

void SmartSettingViewController::configUI()
{
    if (m_built)
        return;
    m_built = true;
    QWidget* content = contentView();
    for (int slot = 1; slot <= sectionCount; ++slot) {
        VQBaseView* section = nullptr;
        switch (slot) {
        case kInputSlot:
            section = new InputSettingView;
            break;
        case 2:
            section = new TranslateSettingView;
            break;
        case 5:
            section = new SearchEngineView;
            break;
        default:
            if (const SectionFactory& factory = factories()[slot - 1])
                section = factory();
            break;
        }
        if (!section)
            continue;
        section->setParent(content);
        section->show();
        m_sections[slot - 1] = section;
        // The others' heights are final once built; only the input section changes later.
        m_heights[slot - 1] = section->viewHeight();
        if (slot == kInputSlot) {
            m_inputView = static_cast<InputSettingView*>(section);
            QPointer<SmartSettingViewController> page(this);
            m_inputView->setRefreshUIBlock([page] {
                if (page)
                    page->refreshInputSection();
            });
        }
    }
    layoutStack();
    mm::scrollToTop(m_scrollView);
}

VQBaseView* SmartSettingViewController::section(int slot) const
{
    if (slot < 1 || slot > sectionCount)
        return nullptr;
    return m_sections[slot - 1].data();
}

void SmartSettingViewController::refreshInputSection()
{
    if (!m_built)
        return;
    layoutStack();
    mm::scrollToTop(m_scrollView);
}

void SmartSettingViewController::layoutStack()
{
    if (!m_viewport || !m_contentView)
        return;
    if (m_inputView)
        m_heights[kInputSlot - 1] = m_inputView->viewHeight();
    const int width = m_viewport->width();
    int top = 0;
    int stacked = 0;
    bool first = true;
    for (int i = 0; i < sectionCount; ++i) {
        VQBaseView* section = m_sections[i].data();
        if (!section)
            continue;
        if (!first)
            top += sectionGap;
        first = false;
        const int height = static_cast<int>(std::lround(m_heights[i]));
        section->setGeometry(sectionLeft, top, std::max(0, width - sectionLeft), height);
        top += height;
        stacked = top;
    }
    m_lastInputViewHeight = m_inputView ? m_inputView->viewHeight() : 0;
    m_lastScrollViewHeight = stacked;
    m_contentView->resize(width, std::max(stacked, m_viewport->height()));
}

bool SmartSettingViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && m_built && watched == m_viewport.data())
        layoutStack();
    return VQBaseViewController::eventFilter(watched, event);
}
