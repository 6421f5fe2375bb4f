#include "PersonalitySettingViewController.h"

#include "AddHotWordView.h"
#include "CommandWordView.h"
#include "HotWordView.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"

#include <QEvent>

namespace {

const QColor kAccentColor(12, 165, 192);
const QColor kTextColor(38, 12, 12);
constexpr int kTabTop = 39;
constexpr int kTabHeight = 27;

} // namespace

PersonalitySettingViewController::PersonalitySettingViewController(QObject* parent)
    : VQBaseViewController(parent)
{
}

PersonalitySettingViewController::~PersonalitySettingViewController() = default;

void PersonalitySettingViewController::viewDidLoad()
{
    VQBaseViewController::viewDidLoad();
    configData();
    configUI();
    configTitle();
}

void PersonalitySettingViewController::configData()
{
    // The command lists are fetched by VQCommandSyncService from start-up on; the page only shows
    // them.
}

void PersonalitySettingViewController::configUI()
{
    QWidget* page = view();
    page->installEventFilter(this);
    auto makeTab = [this, page] {
        auto* button = new VQButton(page);
        QFont font = button->font();
        font.setPixelSize(20);
        button->setFont(font);
        button->setTitleColor(kTextColor);
        connect(button, &VQButton::clicked, this, [this, button] { typeBtnClicked(button); });
        return button;
    };
    m_commandWordBtn = makeTab();
    m_hotWordBtn = makeTab();
    m_lineImageView = new QWidget(page);
    m_lineImageView->setObjectName(QStringLiteral("tabUnderline"));
    m_lineImageView->setAttribute(Qt::WA_StyledBackground, true);
    m_lineImageView->setStyleSheet(QStringLiteral("#tabUnderline { background: rgb(12,165,192); border-radius: 2px; }"));

    m_hotWordView = new QWidget(page);
    m_addHotWordView = new AddHotWordView(m_hotWordView);
    m_hotWordListView = new HotWordView(m_hotWordView);
    m_commandWordView = new CommandWordView(page);

    typeBtnClicked(m_commandWordBtn);
    m_hotWordBtn->hide();
}

void PersonalitySettingViewController::configTitle()
{
    if (!m_commandWordBtn)
        return;
    m_commandWordBtn->setTitle(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("指令词")));
    m_hotWordBtn->setTitle(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("热词")));
    layoutViews();
}

void PersonalitySettingViewController::typeBtnClicked(VQButton* button)
{
    const bool commandWords = button == m_commandWordBtn;
    m_selected = commandWords ? m_commandWordBtn : m_hotWordBtn;
    m_commandWordBtn->setTitleColor(commandWords ? kAccentColor : kTextColor);
    m_hotWordBtn->setTitleColor(commandWords ? kTextColor : kAccentColor);
    m_commandWordView->setVisible(commandWords);
    m_hotWordView->setVisible(!commandWords);
    layoutViews();
}

bool PersonalitySettingViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view() && event->type() == QEvent::Resize)
        layoutViews();
    return VQBaseViewController::eventFilter(watched, event);
}

void PersonalitySettingViewController::layoutViews()
{
    if (!m_selected)
        return;
    QWidget* page = view();
    const int commandWidth = m_commandWordBtn->sizeHint().width();
    m_commandWordBtn->setGeometry(33, kTabTop, commandWidth, kTabHeight);
    m_hotWordBtn->setGeometry(33 + commandWidth + 40, kTabTop, m_hotWordBtn->sizeHint().width(), kTabHeight);
    const QRect selected = m_selected->geometry();
    m_lineImageView->setGeometry(selected.x(), selected.bottom() + 1 + 6, selected.width(), 2);
    const int top = m_lineImageView->geometry().bottom() + 1;
    const QRect content(0, top, page->width(), qMax(0, page->height() - top));
    m_commandWordView->setGeometry(content);
    m_hotWordView->setGeometry(content);
    const int innerHeight = qMax(0, content.height() - 30 - 50);
    m_addHotWordView->setGeometry(15, 30, 280, innerHeight);
    const int listLeft = 15 + 280 + 15;
    m_hotWordListView->setGeometry(listLeft, 30, qMax(0, content.width() - listLeft - 15), innerHeight);
}
