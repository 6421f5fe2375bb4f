#include "KeySettingSubView.h"

#include "AddCommandView.h"
#include "KeySettingModel.h"
#include "KeySettingSubModel.h"
#include "MMLog.h"
#include "MouseModelSettingModel.h"
#include "MouseSettingModel.h"
#include "NotificationCenter.h"
#include "VQCustomerKeyService.h"
#include "VQHidCommandManager.h"
#include "VQLabel.h"
#include "VQMouseCommandManager.h"
#include "VQNotificationNames.h"
#include "VQPopUpButton.h"
#include "VQUserInfoData.h"
#include "VQVoiceCommandItem.h"

#include <QApplication>

namespace {

const QColor kTextColor(38, 12, 12);
QPointer<QWidget> g_editorHost;

} // namespace

KeySettingSubView::KeySettingSubView(QWidget* parent)
    : VQBaseView(parent)
{
    m_titleLabel = new VQLabel(this);
    QFont font = QApplication::font();
    font.setPixelSize(16);
    m_titleLabel->setFont(font);
    m_titleLabel->setTextColor(kTextColor);
    m_titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A name from the server longer than its column is cut, and shown whole when hovered.
    m_titleLabel->setElideMode(Qt::ElideRight);
    m_popUpBtn = new VQPopUpButton(this);
    resize(400, kRowHeight);
}

KeySettingSubView::~KeySettingSubView() = default;

void KeySettingSubView::setEditorHost(QWidget* host)
{
    g_editorHost = host;
}

QWidget* KeySettingSubView::editorHost()
{
    return g_editorHost;
}

void KeySettingSubView::setKeyModel(std::shared_ptr<KeySettingModel> keyModel)
{
    m_keyModel = std::move(keyModel);
    configTitle();
    configData();
}

void KeySettingSubView::configTitle()
{
    if (!m_keyModel)
        return;
    m_titleLabel->setText(m_keyModel->name());
    configData();
}

void KeySettingSubView::configData()
{
    if (!m_keyModel)
        return;
    QStringList names;
    for (const auto& function : m_keyModel->childs()) {
        names << function->name();
        if (function->operationType() == VQKeyOperationType::AIWindow)
            VQUserInfoData::sharedInstance().setIsHaveGPT(true);
    }
    m_popUpBtn->setItemsArr(names);
    m_popUpBtn->setSelectIndex(static_cast<int>(m_keyModel->selectIndex()));
    // The handler holds the press kind, not the row: a rebuild may replace the row meanwhile.
    std::weak_ptr<KeySettingModel> weakKey = m_keyModel;
    m_popUpBtn->setSelectBlock([weakKey](int index) {
        if (const auto key = weakKey.lock())
            pick(key, index);
    });
    m_titleLabel->setHidden(m_keyModel->name().isEmpty());
    layoutRow();
    if (!m_observesDpi && m_mouseModel && m_mouseModel->keyType() == MouseSettingModel::keyTypeForKey(QLatin1String(MouseSettingModel::kKeyDpi))) {
        m_observesDpi = true;
        NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(vq::HadUSBInfoNotification),
                                                        [this](const VQNotification&) { updateSelectDPI(); });
    }
}

void KeySettingSubView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutRow();
}

void KeySettingSubView::layoutRow()
{
    const bool titled = !m_titleLabel->isHidden();
    const int popUpLeft = titled ? m_titleWidth + kTitleGap : 0;
    const int titleHeight = 20;
    m_titleLabel->setGeometry(0, (height() - titleHeight) / 2, std::max(0, popUpLeft - kTitleGap), titleHeight);
    m_popUpBtn->setGeometry(popUpLeft, 0, std::max(0, width() - popUpLeft), height());
}

namespace {

// Marks the function at index alone as the press kind's choice.
void markChosen(const std::shared_ptr<KeySettingModel>& keyModel, qsizetype index)
{
    auto& functions = keyModel->childs();
    for (qsizetype i = 0; i < functions.size(); ++i)
        functions[i]->setFirst(QString::fromLatin1(i == index ? KeySettingSubModel::kMarked : KeySettingSubModel::kUnmarked));
    keyModel->setSelectIndex(index);
    keyModel->setSelectKey(functions[index]->idStr());
    keyModel->setSelectValue(functions[index]->name());
}

} // namespace

int KeySettingSubView::titleTextWidth() const
{
    return m_titleLabel->isHidden() ? 0 : m_titleLabel->fontMetrics().horizontalAdvance(m_titleLabel->text()) + 1;
}

void KeySettingSubView::setTitleWidth(int width)
{
    m_titleWidth = width;
    layoutRow();
}

void KeySettingSubView::pick(const std::shared_ptr<KeySettingModel>& keyModel, int index)
{
    auto& functions = keyModel->childs();
    if (index < 0 || index >= functions.size())
        return;
    // What the press kind carried before, for an editor that is cancelled.
    QStringList previousMarks;
    for (const auto& function : functions)
        previousMarks << function->first();
    const KeyChoice previous{ previousMarks, keyModel->selectIndex(), keyModel->selectKey(), keyModel->selectValue() };
    markChosen(keyModel, index);
    const auto function = functions[index];
    // A function with an argument is saved once the editor gave it one: the server never
    // holds a choice the user cancelled, with a default address or no shortcut.
    if (const std::optional<VQVoiceCommandItem> item = editorItemFor(function); item && g_editorHost) {
        addOrModifyCommandWithCommandItem(*item, function, [keyModel, previous] { restoreChoice(keyModel, previous); });
        return;
    }
    saveCustomerKeyWithModel(function);
    handleOperationWithModel(function, index);
}

void KeySettingSubView::restoreChoice(const std::shared_ptr<KeySettingModel>& keyModel, const KeyChoice& previous)
{
    auto& functions = keyModel->childs();
    if (previous.marks.size() != functions.size())
        return; // the functions were replaced meanwhile: they carry the server's choice
    for (qsizetype i = 0; i < functions.size(); ++i)
        functions[i]->setFirst(previous.marks[i]);
    keyModel->setSelectIndex(previous.selectIndex);
    keyModel->setSelectKey(previous.selectKey);
    keyModel->setSelectValue(previous.selectValue);
    VQLogInfo(QStringLiteral("key function editor cancelled: the previous function is kept"));
    if (!g_editorHost)
        return;
    for (KeySettingSubView* row : g_editorHost->findChildren<KeySettingSubView*>()) {
        if (row->keyModel() == keyModel)
            row->popUpBtn()->setSelectIndex(static_cast<int>(previous.selectIndex));
    }
}

void KeySettingSubView::saveCustomerKeyWithModel(const std::shared_ptr<KeySettingSubModel>& function)
{
    VQCustomerKeyService::sharedInstance().saveCustomerKey(function);
}

std::optional<VQVoiceCommandItem> KeySettingSubView::editorItemFor(const std::shared_ptr<KeySettingSubModel>& function)
{
    VQVoiceCommandItem item;
    item.customName = QStringLiteral("");
    switch (function->operationType()) {
    case VQKeyOperationType::Shortcut:
        item.setTypeIndex(VQVoiceCommandItem::kShortcutsIndex);
        break;
    case VQKeyOperationType::OpenWebPage:
        if (function->edit() != QLatin1String(KeySettingSubModel::kMarked))
            return std::nullopt;
        item.setTypeIndex(VQVoiceCommandItem::kWebsiteIndex);
        break;
    case VQKeyOperationType::OpenFile:
        item.setTypeIndex(VQVoiceCommandItem::kFileIndex);
        break;
    case VQKeyOperationType::OpenFolder:
        item.setTypeIndex(VQVoiceCommandItem::kFolderIndex);
        break;
    case VQKeyOperationType::FixedText:
        item.setTypeIndex(VQVoiceCommandItem::kTextIndex);
        break;
    default:
        return std::nullopt;
    }
    return item;
}

void KeySettingSubView::handleOperationWithModel(const std::shared_ptr<KeySettingSubModel>& function, int index)
{
    switch (function->operationType()) {
    case VQKeyOperationType::DpiStep:
        VQMouseCommandManager::sharedInstance().sendSetDpiData(index);
        return;
    case VQKeyOperationType::ReportRate:
        VQHidCommandManager::sharedInstance().modifyReturnRate(index);
        return;
    default:
        if (const std::optional<VQVoiceCommandItem> item = editorItemFor(function))
            addOrModifyCommandWithCommandItem(*item, function);
        return;
    }
}

void KeySettingSubView::addOrModifyCommandWithCommandItem(const VQVoiceCommandItem& item,
                                                          const std::shared_ptr<KeySettingSubModel>& function,
                                                          std::function<void()> cancelled)
{
    QWidget* host = g_editorHost;
    if (!host) {
        VQLogWarn(QStringLiteral("No mouse page to open the command editor over"));
        return;
    }
    auto* editor = new AddCommandView(host);
    editor->setIsFromMouseSetting(true);
    editor->setKeySubModel(function);
    editor->setModel(item);
    editor->setAddOrModifyFinishBlock([function](bool success) {
        if (success)
            saveCustomerKeyWithModel(function);
    });
    editor->setCancelBlock(std::move(cancelled));
    editor->showInView(host);
}

void KeySettingSubView::updateSelectDPI()
{
    if (!m_keyModel)
        return;
    const qint64 index =
        VQUserInfoData::sharedInstance().getIndexWithDpiNum(VQUserInfoData::sharedInstance().mouseInfoItem().dpi());
    auto& functions = m_keyModel->childs();
    if (index < 0 || index >= m_popUpBtn->itemsArr().size() || index >= functions.size())
        return;
    // One mark only: the dispatcher must never find two chosen functions.
    for (qsizetype i = 0; i < functions.size(); ++i)
        functions[i]->setFirst(QString::fromLatin1(i == index ? KeySettingSubModel::kMarked : KeySettingSubModel::kUnmarked));
    m_keyModel->setSelectIndex(index);
    m_keyModel->setSelectKey(functions[index]->idStr());
    m_keyModel->setSelectValue(functions[index]->name());
    m_popUpBtn->setSelectIndex(static_cast<int>(index));
}
