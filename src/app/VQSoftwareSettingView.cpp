#include "VQSoftwareSettingView.h"

#include "Autostart.h"
#include "MMImage.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "UserDefaults.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQPopUpButton.h"
#include "VQPopupWindowTool.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kCardColor(241, 244, 248);
const QColor kLineColor(220, 226, 232);

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

} // namespace

VQSoftwareSettingView::VQSoftwareSettingView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    configData();
    configTitle();
}

const QStringList& VQSoftwareSettingView::languageNames()
{
    static const QStringList names = {
        QStringLiteral("简体中文"), QStringLiteral("繁體中文"), QStringLiteral("English"),
        QStringLiteral("日本語"), QStringLiteral("Tiếng Việt"), QStringLiteral("Русский"),
        QStringLiteral("العربية"), QStringLiteral("Deutsch"), QStringLiteral("Español"),
        QStringLiteral("Français"), QStringLiteral("Bahasa Indonesia"), QStringLiteral("Italiano"),
        QStringLiteral("한국어"), QStringLiteral("Türkçe"), QStringLiteral("ไทย"),
        QStringLiteral("Filipino"), QStringLiteral("Bahasa Melayu"),
    };
    return names;
}

void VQSoftwareSettingView::configUI()
{
    setViewHeight(2 * kRowHeight + 1);
    setFixedHeight(int(viewHeight()));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kCardColor);
    setPalette(palette);
    setAutoFillBackground(true);

    QFont labelFont = font();
    labelFont.setPixelSize(16);

    m_languageLabel = new VQLabel(this);
    m_languageLabel->setFont(labelFont);
    m_languageLabel->setTextColor(kTextColor);
    m_languageButton = new VQPopUpButton(this);
    m_languageButton->setFixedSize(200, 32);
    QFont popUpFont = font();
    popUpFont.setPixelSize(15);
    m_languageButton->setFont(popUpFont);
    m_languageButton->setTextColor(kTextColor);
    m_languageButton->setItemsArr(languageNames());
    m_languageButton->setSelectBlock([this](int index) { languageSelected(index); });

    m_bootUpLabel = new VQLabel(this);
    m_bootUpLabel->setFont(labelFont);
    m_bootUpLabel->setTextColor(kTextColor);
    m_bootUpButton = new VQButton(this);
    m_bootUpButton->setFixedSize(39, 29);
    m_bootUpButton->setImagePosition(VQButton::ImagePosition::ImageOnly);
    connect(m_bootUpButton, &VQButton::clicked, this, &VQSoftwareSettingView::bootUpSwitchClicked);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 0, 20, 0);
    layout->setSpacing(0);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(m_languageLabel, 1);
    languageRow->addWidget(m_languageButton);
    auto* line = new QFrame(this);
    line->setFixedHeight(1);
    QPalette linePalette = line->palette();
    linePalette.setColor(QPalette::Window, kLineColor);
    line->setPalette(linePalette);
    line->setAutoFillBackground(true);
    auto* bootUpRow = new QHBoxLayout;
    bootUpRow->addWidget(m_bootUpLabel, 1);
    bootUpRow->addWidget(m_bootUpButton);

    auto* languageHolder = new QWidget(this);
    languageHolder->setFixedHeight(kRowHeight);
    languageHolder->setLayout(languageRow);
    languageRow->setContentsMargins(0, 0, 0, 0);
    auto* bootUpHolder = new QWidget(this);
    bootUpHolder->setFixedHeight(kRowHeight);
    bootUpHolder->setLayout(bootUpRow);
    bootUpRow->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(languageHolder);
    layout->addWidget(line);
    layout->addWidget(bootUpHolder);
}

void VQSoftwareSettingView::configData()
{
    m_languageButton->setSelectIndex(VQLanguageManager::sharedInstance().uiLanguageIndex());

    // The desktop's autostart entry is the truth (the user may have removed it elsewhere); the
    // stored switch follows it.
    const bool enabled = Autostart::instance().isEnabled();
    UserDefaults& defaults = UserDefaults::standard();
    const QString key = QString::fromLatin1(bootUpSwitchKey);
    if (!defaults.hasValueForKey(key) || defaults.boolForKey(key) != enabled)
        defaults.setValue(key, enabled);
    showBootUpState(enabled);
}

void VQSoftwareSettingView::configTitle()
{
    m_languageLabel->setText(tr8(kLanguageTitleText));
    m_bootUpLabel->setText(tr8(kBootUpTitleText));
    m_languageButton->setSelectIndex(VQLanguageManager::sharedInstance().uiLanguageIndex());
}

void VQSoftwareSettingView::languageSelected(int index)
{
    if (index < 0 || index >= VQLanguageManager::uiLanguageCount)
        return;
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    const bool changed = index != languages.uiLanguageIndex();
    if (changed) {
        VQLogInfo(QStringLiteral("UI language chosen: %1").arg(VQLanguageManager::uiLanguageCodes().at(index)));
        languages.setUiLanguageIndex(index);
        languages.shouldRefreshData();
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
    }
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setValue(QString::fromLatin1(isManualSelect_114Key), true);
    defaults.synchronize();
}

void VQSoftwareSettingView::bootUpSwitchClicked()
{
    const bool wanted = !m_bootUpOn;
    if (!Autostart::instance().setEnabled(wanted)) {
        showBootUpState(m_bootUpOn);
        VQPopupWindowTool::sharedInstance().showTipMessage(tr8(kSettingFailedText), QString::fromLatin1(kErrorIconName));
        return;
    }
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setValue(QString::fromLatin1(bootUpSwitchKey), wanted);
    defaults.synchronize();
    showBootUpState(wanted);
}

void VQSoftwareSettingView::showBootUpState(bool on)
{
    m_bootUpOn = on;
    // The button flips its own state on a click; the state shown is the one that took effect.
    m_bootUpButton->setState(on ? 1 : 0);
    m_bootUpButton->setImage(mm::imageNamed(QString::fromLatin1(on ? kSwitchOnImageName : kSwitchOffImageName), QSize(39, 29)));
}
