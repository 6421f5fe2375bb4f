#include "MouseSettingViewController.h"

#include "AppDelegate.h"
#include "AuthorityManagementWindowController.h"
#include "HIDDevice.h"
#include "KeySettingModel.h"
#include "KeySettingSubModel.h"
#include "KeySettingSubView.h"
#include "KeySettingView.h"
#include "MMImage.h"
#include "MMLog.h"
#include "MouseSettingModel.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "UserDefaults.h"
#include "VQButton.h"
#include "VQCustomerKeyService.h"
#include "VQDeviceSettingsHooks.h"
#include "VQHidCommandManager.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQRelayoutPage.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <functional>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kAccentColor(0, 175, 204);
constexpr char kRgbText[] = "RGB";
constexpr char kAIButtonText[] = "进入AI智能创作";
constexpr char kResetText[] = "重置按键功能";
constexpr char kKeysNotLoadedText[] = "按键功能未能加载，将在下次连接设备或打开本页时重新获取";
const QColor kNoticeColor(220, 70, 65);
constexpr char kPlaceholderImage[] = "1_mouse_big";
constexpr char kSwitchOnImage[] = "2_switch_on_icon";
constexpr char kSwitchOffImage[] = "2_switch_off_icon";
constexpr char kDpiItemName[] = "DPI";
constexpr char kRateItemName[] = "ReportRate";

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

VQButton* makeAccentButton(QWidget* parent)
{
    auto* button = new VQButton(parent);
    QFont font = QApplication::font();
    font.setPixelSize(16);
    font.setBold(true);
    button->setFont(font);
    button->setCornerRadius(10);
    button->setBorderWidth(2);
    button->setTitleColor(kAccentColor);
    button->setBorderColor(kAccentColor);
    button->setBackgroundColor(Qt::white);
    button->setHighlightTitleColor(Qt::white);
    button->setHighlightBorderColor(Qt::white);
    button->setHighlightBackGroundColor(kAccentColor);
    return button;
}

} // namespace

MouseSettingViewController::MouseSettingViewController(QObject* parent)
    : VQBaseViewController(parent)
{
}

MouseSettingViewController::~MouseSettingViewController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

std::shared_ptr<MouseSettingModel> MouseSettingViewController::auxiliarySetModel()
{
    if (!m_auxiliary)
        m_auxiliary = MouseSettingModel::createMouseAuxiliarySetModel();
    return m_auxiliary;
}

std::shared_ptr<KeySettingModel> MouseSettingViewController::dpiSettingModel()
{
    if (!m_dpiItem) {
        m_dpiItem = std::make_shared<KeySettingModel>();
        m_dpiItem->setName(QString::fromLatin1(kDpiItemName));
    }
    return m_dpiItem;
}

std::shared_ptr<KeySettingModel> MouseSettingViewController::reportRateSettingModel()
{
    if (!m_rateItem) {
        m_rateItem = std::make_shared<KeySettingModel>();
        m_rateItem->setName(QString::fromLatin1(kRateItemName));
    }
    return m_rateItem;
}

QWidget* MouseSettingViewController::loadView()
{
    auto* page = new VQRelayoutPage([this] { layoutControls(); });
    makeViews(page);
    return page;
}

void MouseSettingViewController::makeViews(QWidget* page)
{
    // The image lies under the sections and lets clicks through to them.
    m_imageView = new QLabel(page);
    m_imageView->setAlignment(Qt::AlignCenter);
    m_imageView->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_scrollView = new QScrollArea(page);
    m_scrollView->setFrameShape(QFrame::NoFrame);
    m_scrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollView->setWidgetResizable(false);
    // Transparent, so that the product image under the sections shows.
    QPalette clear = m_scrollView->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    clear.setColor(QPalette::Window, Qt::transparent);
    m_scrollView->setPalette(clear);
    m_scrollView->setAutoFillBackground(false);
    m_scrollView->viewport()->setPalette(clear);
    m_scrollView->viewport()->setAutoFillBackground(false);
    m_contentView = new QWidget;
    m_contentView->setAutoFillBackground(false);
    m_scrollView->setWidget(m_contentView);
    // Above the sections while the key functions could not be loaded.
    m_keysNotice = new VQLabel(m_contentView);
    m_keysNotice->setObjectName(QStringLiteral("keysNotLoadedNotice"));
    m_keysNotice->setWordWrap(true);
    QFont noticeFont = QApplication::font();
    noticeFont.setPixelSize(16);
    m_keysNotice->setFont(noticeFont);
    m_keysNotice->setTextColor(kNoticeColor);
    m_keysNotice->hide();
    // A visit of the page asks again for key functions that could not be loaded.
    page->installEventFilter(this);
    // The sections take the viewport's width, which a page built before its first show only
    // learns once the scroll area gets its own resize.
    m_sectionsViewport = m_scrollView->viewport();
    m_sectionsViewport->installEventFilter(this);

    m_aiButton = makeAccentButton(page);
    connect(m_aiButton, &QAbstractButton::clicked, this, [this] { enterAIBtnClicked(); });
    m_resetButton = makeAccentButton(page);
    connect(m_resetButton, &QAbstractButton::clicked, this, [this] { resetKeyFunctionBtnClicked(); });

    m_permissionButton = new VQButton(page);
    m_permissionButton->setImageName(QStringLiteral("1_shezhi"));
    connect(m_permissionButton, &QAbstractButton::clicked, this, [this] { permissionBtnClicked(); });
    m_refreshButton = new VQButton(page);
    m_refreshButton->setImageName(QStringLiteral("1_shuaxin"));
    connect(m_refreshButton, &QAbstractButton::clicked, this, [this] { refreshBtnClicked(); });

    m_rgbSwitch = new VQButton(page);
    connect(m_rgbSwitch, &QAbstractButton::clicked, this, [this] { rgbBtnClicked(); });
    m_rgbLabel = new VQLabel(page);
    QFont font = QApplication::font();
    font.setPixelSize(16);
    m_rgbLabel->setFont(font);
    m_rgbLabel->setTextColor(kTextColor);
    m_rgbLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The switch starts from the stored state.
    showRgbSwitch(VQUserInfoData::sharedInstance().rgbSwitch());
    m_imageView->lower();
}

void MouseSettingViewController::viewDidLoad()
{
    VQBaseViewController::viewDidLoad();
    KeySettingSubView::setEditorHost(view());
    configData();
    configTitle();
    configUI();
}

void MouseSettingViewController::configData()
{
    VQCustomerKeyService& service = VQCustomerKeyService::sharedInstance();
    connect(&service, &VQCustomerKeyService::recordApplied, this, [this] { configUI(); });
    connect(&service, &VQCustomerKeyService::productImageChanged, this, [this] { updateProductImage(); });
    connect(&service, &VQCustomerKeyService::deviceInformationHandled, this, [this] { updateRgbRow(); });
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QString::fromLatin1(vq::kUpdateLightingEffectsNotification),
                       [this](const VQNotification&) { updateLightingEffects(); });
    for (const char* name : {vq::kUpdateFunctionNotification, vq::kUpdateDPIItemNotification,
                             vq::kUpdateReportRateItemNotification})
        center.addObserver(this, QString::fromLatin1(name), [this](const VQNotification&) { configUI(); });
    service.setScrollTop(true);
    if (service.isStarted())
        service.getCustomerKey();
    else
        service.start();
}

void MouseSettingViewController::configTitle()
{
    if (!m_rgbLabel)
        return;
    m_rgbLabel->setText(tr8(kRgbText));
    m_aiButton->setTitle(tr8(kAIButtonText));
    m_resetButton->setTitle(tr8(kResetText));
    m_keysNotice->setText(tr8(kKeysNotLoadedText));
    auxiliarySetModel()->setName(tr8(MouseSettingModel::kAuxiliaryNameText));
    layoutControls();
    // The service loads the image of the new language on the same notification.
    updateProductImage();
}

void MouseSettingViewController::updateLightingEffects()
{
    showRgbSwitch(VQUserInfoData::sharedInstance().rgbSwitch());
}

void MouseSettingViewController::showRgbSwitch(bool on)
{
    m_rgbOn = on;
    if (!m_rgbSwitch)
        return;
    const QString name = QString::fromLatin1(on ? kSwitchOnImage : kSwitchOffImage);
    m_rgbSwitch->setProperty("vqImageName", name);
    m_rgbSwitch->setImageName(name);
}

void MouseSettingViewController::updateRgbRow()
{
    if (!m_rgbSwitch)
        return;
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    // Over Bluetooth LE the link sends no RGB command: no switch that the device never hears.
    const bool shown = (info.productCode() == QLatin1String(kRgbProduct) || info.isAmbientLightSwitch()) && !info.bleConnect();
    m_rgbLabel->setVisible(shown);
    m_rgbSwitch->setVisible(shown);
}

void MouseSettingViewController::configUI()
{
    if (!isViewLoaded())
        return;
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    VQCustomerKeyService& service = VQCustomerKeyService::sharedInstance();
    info.setIsHaveGPT(false);
    m_rgbLabel->setText(tr8(kRgbText));

    // RGB row (the English default of its products is the service's, VQCustomerKeyService).
    updateRgbRow();

    const auto auxiliary = auxiliarySetModel();
    const auto dpiItem = dpiSettingModel();
    const auto rateItem = reportRateSettingModel();
    auto& rows = auxiliary->childs();
    rows.removeAll(dpiItem);
    if (info.productCode() != QLatin1String(kNoDpiProduct)) {
        KeySettingModel::SubModelList steps;
        const qint64 current = info.mouseInfoItem().dpi();
        const QStringList names = info.getMouseDpiArray();
        for (qsizetype i = 0; i < names.size(); ++i) {
            auto step = std::make_shared<KeySettingSubModel>();
            step->setName(names[i]);
            step->setCmd(QString::fromLatin1(KeySettingSubModel::kCmdDpiStep));
            step->setFirst(QString::fromLatin1(i == current ? KeySettingSubModel::kMarked : KeySettingSubModel::kUnmarked));
            steps << step;
        }
        dpiItem->setChilds(steps);
        if (current >= 0 && current < names.size())
            dpiItem->setSelectIndex(current);
        rows << dpiItem;
    }
    rows.removeAll(rateItem);
    const HIDDevice& receiver = HIDDevice::sharedManager();
    const bool noRateReceiver = receiver.currentVid() == kNoRateVid && receiver.currentPid() == kNoRatePid;
    // Over Bluetooth LE the link sends no report rate either.
    if (!info.reportRateArr().isEmpty() && !noRateReceiver && !info.bleConnect()) {
        KeySettingModel::SubModelList rates;
        const QStringList texts = info.reportRateArr();
        for (qsizetype i = 0; i < texts.size(); ++i) {
            auto rate = std::make_shared<KeySettingSubModel>();
            rate->setName(texts[i]);
            rate->setCmd(QString::fromLatin1(KeySettingSubModel::kCmdReportRate));
            const bool chosen = texts[i].toInt() == info.reportRate();
            rate->setFirst(QString::fromLatin1(chosen ? KeySettingSubModel::kMarked : KeySettingSubModel::kUnmarked));
            if (chosen)
                rateItem->setSelectIndex(i);
            rates << rate;
        }
        rateItem->setChilds(rates);
        rows << rateItem;
    }
    auto& keys = service.keyList();
    keys.removeAll(auxiliary);
    if (!rows.isEmpty())
        keys << auxiliary;
    service.keyListChanged();

    // Old sections go from the event loop: a pick of their own pop-up may still be running.
    for (KeySettingView* section : std::as_const(m_sections)) {
        section->hide();
        section->deleteLater();
    }
    m_sections.clear();
    // Without key functions there is nothing to reset; the user reads why the keys are missing.
    const bool missing = service.isRecordMissing();
    m_keysNotice->setVisible(missing);
    m_resetButton->setVisible(!missing);
    const bool hideByFunctionSwitch = info.productCode().toInt() == kFunctionSwitchProduct && !info.funcSwitch();
    for (const auto& key : std::as_const(keys)) {
        auto* section = new KeySettingView(m_contentView);
        section->setMouseModelSettingModel(service.model());
        section->setModel(key);
        section->setVisible(!hideByFunctionSwitch);
        m_sections << section;
    }
    layoutSections();
    if (service.isScrollTop())
        m_scrollView->verticalScrollBar()->setValue(0);

    const bool disabled = info.isDisableDevice();
    m_contentView->setVisible(!disabled);
    m_imageView->setVisible(!disabled);
    m_aiButton->setVisible(!disabled && info.isHaveGPT() && VQDeviceSettingsHooks::shared().hasAIWindow());
    updateProductImage();
}

void MouseSettingViewController::layoutSections()
{
    if (!m_scrollView)
        return;
    const int width = m_scrollView->viewport()->width();
    const int sectionWidth = std::max(0, width - kSectionRightInset);
    int y = 0;
    if (!m_keysNotice->isHidden()) {
        const int height = m_keysNotice->heightForWidth(sectionWidth);
        m_keysNotice->setGeometry(0, 0, sectionWidth, height);
        y = height;
    }
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        KeySettingView* section = m_sections[i];
        if (y > 0)
            y += kSectionGap;
        const int height = static_cast<int>(section->viewHeight());
        section->setGeometry(0, y, sectionWidth, height);
        section->layoutRows();
        y += height;
    }
    m_contentView->resize(width, std::max(y, m_scrollView->viewport()->height()));
}

void MouseSettingViewController::layoutControls()
{
    QWidget* page = m_scrollView ? m_scrollView->parentWidget() : nullptr;
    if (!page)
        return;
    const int w = page->width();
    const int h = page->height();
    m_scrollView->setGeometry(kScrollSide, kScrollTop, std::max(0, w - 2 * kScrollSide), std::max(0, h - kScrollTop));

    // The image keeps its right edge and top; in a narrow pane it is scaled down to begin
    // right of the sections.
    const int imageRight = w - kImageRight;
    const int sectionsRight = kScrollSide + std::max(0, w - 2 * kScrollSide) - kSectionRightInset;
    const int imageLeft = std::max(imageRight - kImageSide, sectionsRight);
    const int side = std::max(0, imageRight - imageLeft);
    m_imageView->setGeometry(imageRight - side, kImageTop, side, side);

    const auto buttonSize = [](VQButton* button) {
        const int textWidth = button->fontMetrics().horizontalAdvance(button->text()) + 30;
        return QSize(std::max(140, textWidth), 30);
    };
    const int imageCentre = imageRight - side / 2;
    const QSize aiSize = buttonSize(m_aiButton);
    m_aiButton->setGeometry(imageCentre - aiSize.width() / 2, kImageTop - 20 - aiSize.height(), aiSize.width(), aiSize.height());
    const QSize resetSize = buttonSize(m_resetButton);
    m_resetButton->setGeometry(imageCentre - resetSize.width() / 2, kImageTop + side + 20, resetSize.width(), resetSize.height());

    m_permissionButton->setGeometry(w - 20 - 30, 20, 30, 30);
    m_refreshButton->setGeometry(w - 20 - 30 - 20 - 30, 20, 30, 30);
    const int switchLeft = m_refreshButton->x() - 20 - 39;
    m_rgbSwitch->setGeometry(switchLeft, 20 + (30 - 29) / 2, 39, 29);
    const int labelWidth = m_rgbLabel->fontMetrics().horizontalAdvance(m_rgbLabel->text()) + 4;
    m_rgbLabel->setGeometry(switchLeft - 5 - labelWidth, 20 + (30 - 20) / 2, labelWidth, 20);
    layoutSections();
}

void MouseSettingViewController::updateProductImage()
{
    if (!m_imageView)
        return;
    const VQCustomerKeyService& service = VQCustomerKeyService::sharedInstance();
    const QSize size = m_imageView->size().isEmpty() ? QSize(kImageSide, kImageSide) : m_imageView->size();
    if (!service.hasProductImages()) {
        m_imageView->clear();
        return;
    }
    const QImage image = service.productImage();
    const QPixmap pixmap = image.isNull() ? mm::imageNamed(QString::fromLatin1(kPlaceholderImage), size)
                                          : QPixmap::fromImage(image);
    if (pixmap.isNull()) {
        m_imageView->clear();
        return;
    }
    m_imageView->setPixmap(pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void MouseSettingViewController::rgbBtnClicked()
{
    const bool on = !m_rgbOn;
    showRgbSwitch(on);
    VQUserInfoData::sharedInstance().setRgbSwitch(on);
    if (on)
        VQHidCommandManager::sharedInstance().sendOpenRGBData();
    else
        VQHidCommandManager::sharedInstance().sendCloseRGBData();
}

void MouseSettingViewController::resetKeyFunctionBtnClicked()
{
    VQCustomerKeyService::sharedInstance().resetKeyFunctions();
}

void MouseSettingViewController::refreshBtnClicked()
{
    VQCustomerKeyService::sharedInstance().getCustomerKey();
    if (const auto& refresh = VQDeviceSettingsHooks::shared().refreshAIWindow)
        refresh();
}

void MouseSettingViewController::permissionBtnClicked()
{
    AppDelegate* delegate = AppDelegate::sharedDelegate();
    if (!delegate) {
        VQLogWarn(QStringLiteral("No application delegate for the permissions window"));
        return;
    }
    if (AuthorityManagementWindowController* window = delegate->authorityManagementWindowController())
        window->showWindow();
}

void MouseSettingViewController::enterAIBtnClicked()
{
    if (const auto& show = VQDeviceSettingsHooks::shared().showAIWindow)
        show();
}

bool MouseSettingViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == m_sectionsViewport)
        layoutSections();
    if (event->type() == QEvent::Show && watched == m_scrollView->parentWidget())
        VQCustomerKeyService::sharedInstance().fetchAgainIfMissing();
    return VQBaseViewController::eventFilter(watched, event);
}
