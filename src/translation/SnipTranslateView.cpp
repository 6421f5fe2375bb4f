#include "SnipTranslateView.h"

#include "AppDelegate.h"
#include "FileChooser.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQShortcutBinder.h"
#include "VQShortcutRecorder.h"
#include "VQTranslateSetup.h"
#include "VQMainWindow.h"
#include "VQUserInfoData.h"

#include <QFont>
#include <QFrame>

namespace {

constexpr QSize kShortcutBoxSize(222, 34);
constexpr int kShortcutBoxGap = 52;
constexpr int kShortcutBoxTop = 30;
constexpr int kRecorderRightInset = 20;
constexpr int kFunctionLabelLeft = 8;
constexpr int kFunctionLabelHeight = 22;

VQTranslateRowView::Settings screenshotSettings()
{
    VQTranslateRowView::Settings settings;
    settings.titleKey = "截图翻译";
    settings.switchValue = [] { return VQUserInfoData::sharedInstance().screenshotsTranslateSwitch(); };
    settings.setSwitchValue = [](bool on) { VQUserInfoData::sharedInstance().setScreenshotsTranslateSwitch(on); };
    settings.fromNames = [] { return VQLanguageManager::sharedInstance().readScreenshotsFromNameList(); };
    settings.fromIndex = [] { return VQLanguageManager::sharedInstance().screenshotsFromTag(); };
    settings.setFromIndex = [](int index) { VQLanguageManager::sharedInstance().setScreenshotsFromTag(index); };
    settings.toNames = [] { return VQLanguageManager::sharedInstance().readScreenshotsNameList(); };
    settings.toIndex = [] { return VQLanguageManager::sharedInstance().screenshotsTag(); };
    settings.setToIndex = [](int index) { VQLanguageManager::sharedInstance().setScreenshotsTag(index); };
    return settings;
}

} // namespace

SnipTranslateView::SnipTranslateView(QWidget* parent)
    : VQTranslateRowView(screenshotSettings(), parent)
{
    configUI();
    configTitle();
    configData();
}

void SnipTranslateView::configUI()
{
    buildRow();

    m_functionLabel1 = new VQLabel(this);
    QFont labelFont = m_functionLabel1->font();
    labelFont.setPixelSize(16);
    labelFont.setWeight(QFont::Normal);
    m_functionLabel1->setFont(labelFont);
    m_functionLabel1->setTextColor(QColor(38, 12, 12));
    m_functionLabel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_shortcutBox = new QFrame(this);
    m_shortcutBox->setObjectName(QStringLiteral("snipShortcutBox"));
    m_shortcutBox->setStyleSheet(QStringLiteral(
        "#snipShortcutBox { background: transparent; border: 1px solid rgba(0, 0, 0, 51); border-radius: 2px; }"));
    m_shortcutsView = new VQShortcutRecorder(m_shortcutBox);
    m_shortcutsView->setAssociatedUserDefaultsKey(QString::fromLatin1(VQTranslateSetup::kSnipShortcutKey));
    // The binder follows the stored value by itself; binding again keeps the row's action on it.
    connect(m_shortcutsView, &VQShortcutRecorder::shortcutValueChanged, this, [] {
        VQShortcutBinder::sharedBinder().bindShortcutWithDefaultsKey(
            QString::fromLatin1(VQTranslateSetup::kSnipShortcutKey), &VQTranslateSetup::screenshotTranslationAction);
    });

    setViewHeight(rowHeight);
}

void SnipTranslateView::configTitle()
{
    const QRect to = titleAndLayoutRow();
    m_functionLabel1->setText(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("快捷键")));
    m_functionLabel1->adjustSize();

    const int titleRight = titleLabel()->geometry().right() + 1;
    const QRect box(QPoint(titleRight + kShortcutBoxGap, to.bottom() + 1 + kShortcutBoxTop), kShortcutBoxSize);
    m_shortcutBox->setGeometry(box);
    m_shortcutsView->setGeometry(0, 0, box.width() - kRecorderRightInset, box.height());
    const int labelWidth = qMax(0, m_functionLabel1->sizeHint().width());
    m_functionLabel1->setGeometry(kFunctionLabelLeft, box.center().y() - kFunctionLabelHeight / 2 + 1, labelWidth,
                                  kFunctionLabelHeight);
    setMinimumSize(qMax(to.right(), box.right()) + 1, rowHeight);
}

void SnipTranslateView::configData()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QString::fromLatin1(vq::kUpdateSnipTranslateIndexNotification),
                       [this](const VQNotification&) { updateSnipTranslateIndexNotification(); });
    center.addObserver(this, QString::fromLatin1(vq::kUpdateOCRListNotification),
                       [this](const VQNotification&) { updateSnipFromTranslateIndexNotification(); });
    center.addObserver(this, QString::fromLatin1(vq::kUpdateTranslateListNotification),
                       [this](const VQNotification&) { configTitle(); });
}

void SnipTranslateView::updateSnipFromTranslateIndexNotification()
{
    reloadFromPicker();
}

void SnipTranslateView::updateSnipTranslateIndexNotification()
{
    reloadToPicker();
}

void SnipTranslateView::moreBtnClicked(QObject*)
{
    AppDelegate* delegate = AppDelegate::sharedDelegate();
    QWidget* mainWindow = delegate ? delegate->mainWindow() : nullptr;
    FileChooser::instance().chooseFolder(mainWindow, QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("打开")),
                                         [](const QString& folder) {
                                             if (folder.isEmpty())
                                                 return;
                                             VQLogInfo(QStringLiteral("screenshot folder chosen: %1").arg(folder));
                                             VQUserInfoData::sharedInstance().setScreenshotsPath(folder);
                                         });
}
