#include "VQPersonCenterView.h"

#include "VQAccountFormKit.h"
#include "VQButton.h"
#include "VQLoginView.h"
#include "VQModifyPasswordView.h"
#include "VQPersonThesaurusView.h"
#include "VQRechargeRecordView.h"
#include "VQRechargeView.h"
#include "VQUserInfoView.h"

#include <QEvent>

using VQAccountFormKit::localized;

namespace {

VQPersonCenterView::PageFactory& transferAudioFactory()
{
    static VQPersonCenterView::PageFactory factory;
    return factory;
}

VQPersonCenterView::PageFactory& transferRecordFactory()
{
    static VQPersonCenterView::PageFactory factory;
    return factory;
}

const char kTagProperty[] = "vqTabTag";

} // namespace

void VQPersonCenterView::setTransferAudioViewFactory(PageFactory factory)
{
    transferAudioFactory() = std::move(factory);
}

void VQPersonCenterView::setTransferRecordViewFactory(PageFactory factory)
{
    transferRecordFactory() = std::move(factory);
}

QColor VQPersonCenterView::selectedTitleColor()
{
    return VQAccountFormKit::kAccentColor;
}

QColor VQPersonCenterView::normalTitleColor()
{
    return QColor(255, 255, 255, 204);
}

VQPersonCenterView::VQPersonCenterView(QWidget* parent)
    : VQBaseView(parent)
{
    // The panels draw white and grey texts: the centre lies on a dark ground of its own.
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(45, 45, 48));
    setPalette(palette);
    initUIData();
}

void VQPersonCenterView::initUIData()
{
    // The sign-in view lies under everything, hidden; its QR code is made once, now.
    loginView()->initUIData();
    loginView()->hide();
    userInfoView();
    configTitle();

    const QPointer<VQPersonCenterView> self(this);
    userInfoView()->setModifyPasswordBlock([self] {
        if (self)
            self->showModifyPassword();
    });
    userInfoView()->setRechargeBlock([self] {
        if (self)
            self->showRecharge();
    });

    if (const PageFactory& factory = transferRecordFactory())
        m_transferRecordView = factory(this);
    m_personThesaurusView = new VQPersonThesaurusView(this);
    m_rechargeRecordView = new VQRechargeRecordView(this);

    selectItem(transferAudioBtn());

    const auto backToTab = [self] {
        if (self)
            self->selectItem(self->m_currentSelectBtn);
    };
    modifyPasswordView()->setCancelBlock(backToTab);
    modifyPasswordView()->setSureBlock([] {});
    rechargeView()->setCancelBlock(backToTab);
    rechargeView()->setSureBlock([] {});
    modifyPasswordView()->hide();
    rechargeView()->hide();
    layoutControls();
}

void VQPersonCenterView::configTitle()
{
    transferAudioBtn()->setTitle(localized(kTransferAudioText));
    transferRecordBtn()->setTitle(localized(kTransferRecordText));
    personThesaurusBtn()->setTitle(localized(kPersonThesaurusText));
    rechargeRecordBtn()->setTitle(localized(kRechargeRecordText));
    layoutControls();
}

VQButton* VQPersonCenterView::makeTabButton(int tag)
{
    auto* button = new VQButton(this);
    VQAccountFormKit::styleTextButton(button, 14, QFont::Normal, normalTitleColor());
    button->setProperty(kTagProperty, tag);
    connect(button, &VQButton::clicked, this, [this, button] { selectItem(button); });
    m_btnArray.append(button);
    return button;
}

void VQPersonCenterView::selectItem(VQButton* sender)
{
    m_currentSelectBtn = sender;
    for (const auto& button : m_btnArray) {
        if (button)
            button->setTitleColor(button == sender ? selectedTitleColor() : normalTitleColor());
    }
    modifyPasswordView()->hide();
    rechargeView()->hide();
    QWidget* audio = transferAudioView();
    for (QWidget* page : { audio, m_transferRecordView.data(), static_cast<QWidget*>(m_personThesaurusView.data()),
                           static_cast<QWidget*>(m_rechargeRecordView.data()) }) {
        if (page)
            page->hide();
    }
    QWidget* shown = nullptr;
    switch (sender ? sender->property(kTagProperty).toInt() : 0) {
    case 1:
        shown = audio;
        break;
    case 2:
        shown = m_transferRecordView;
        break;
    case 3:
        shown = m_personThesaurusView;
        break;
    case 4:
        shown = m_rechargeRecordView;
        break;
    default:
        break;
    }
    if (shown)
        shown->show();
}

void VQPersonCenterView::showModifyPassword()
{
    modifyPasswordView()->show();
    rechargeView()->hide();
    for (QWidget* page : { transferAudioView(), m_transferRecordView.data(),
                           static_cast<QWidget*>(m_personThesaurusView.data()),
                           static_cast<QWidget*>(m_rechargeRecordView.data()) }) {
        if (page)
            page->hide();
    }
}

void VQPersonCenterView::showRecharge()
{
    rechargeView()->show();
    modifyPasswordView()->hide();
    for (QWidget* page : { transferAudioView(), m_transferRecordView.data(),
                           static_cast<QWidget*>(m_personThesaurusView.data()),
                           static_cast<QWidget*>(m_rechargeRecordView.data()) }) {
        if (page)
            page->hide();
    }
    rechargeView()->initUIData();
}

VQLoginView* VQPersonCenterView::loginView()
{
    if (!m_loginView) {
        m_loginView = new VQLoginView(this);
        layoutControls();
    }
    return m_loginView;
}

VQUserInfoView* VQPersonCenterView::userInfoView()
{
    if (!m_userInfoView) {
        m_userInfoView = new VQUserInfoView(this);
        layoutControls();
    }
    return m_userInfoView;
}

VQButton* VQPersonCenterView::transferAudioBtn()
{
    if (!m_transferAudioBtn)
        m_transferAudioBtn = makeTabButton(1);
    return m_transferAudioBtn;
}

VQButton* VQPersonCenterView::transferRecordBtn()
{
    if (!m_transferRecordBtn)
        m_transferRecordBtn = makeTabButton(2);
    return m_transferRecordBtn;
}

VQButton* VQPersonCenterView::personThesaurusBtn()
{
    if (!m_personThesaurusBtn)
        m_personThesaurusBtn = makeTabButton(3);
    return m_personThesaurusBtn;
}

VQButton* VQPersonCenterView::rechargeRecordBtn()
{
    if (!m_rechargeRecordBtn)
        m_rechargeRecordBtn = makeTabButton(4);
    return m_rechargeRecordBtn;
}

QList<VQButton*> VQPersonCenterView::btnArray() const
{
    QList<VQButton*> list;
    for (const auto& button : m_btnArray)
        list.append(button.data());
    return list;
}

VQModifyPasswordView* VQPersonCenterView::modifyPasswordView()
{
    if (!m_modifyPasswordView) {
        m_modifyPasswordView = new VQModifyPasswordView(this);
        layoutControls();
    }
    return m_modifyPasswordView;
}

VQRechargeView* VQPersonCenterView::rechargeView()
{
    if (!m_rechargeView) {
        m_rechargeView = new VQRechargeView(this);
        layoutControls();
    }
    return m_rechargeView;
}

QWidget* VQPersonCenterView::transferAudioView()
{
    if (!m_transferAudioViewMade) {
        m_transferAudioViewMade = true;
        if (const PageFactory& factory = transferAudioFactory())
            m_transferAudioView = factory(this);
        layoutControls();
    }
    return m_transferAudioView;
}

bool VQPersonCenterView::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        layoutControls();
    return VQBaseView::event(event);
}

void VQPersonCenterView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutControls();
}

void VQPersonCenterView::layoutControls()
{
    const int w = width();
    const int h = height();
    if (m_loginView)
        m_loginView->setGeometry(rect());
    if (m_userInfoView)
        m_userInfoView->setGeometry(0, 0, w, kInfoHeight);
    int top = kInfoHeight + kTabGap;
    const int tabsTop = top;
    for (const auto& button : m_btnArray) {
        if (!button)
            continue;
        button->setGeometry(kTabLeft, top, button->sizeHint().width(), kTabHeight);
        top += kTabHeight + kTabGap;
    }
    const QRect pageArea(kPageLeft, tabsTop, qMax(0, w - kPageLeft), qMax(0, h - tabsTop));
    for (QWidget* page : { static_cast<QWidget*>(m_modifyPasswordView.data()), m_transferAudioView.data(),
                           m_transferRecordView.data(), static_cast<QWidget*>(m_personThesaurusView.data()),
                           static_cast<QWidget*>(m_rechargeRecordView.data()) }) {
        if (page)
            page->setGeometry(pageArea);
    }
    if (m_rechargeView)
        m_rechargeView->setGeometry(kRechargeLeft, tabsTop, kRechargeWidth, qMax(0, h - tabsTop));
}
