#include "AddCommandView.h"

#include "AppDelegate.h"
#include "KeySettingSubModel.h"
#include "KeyShortcut.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "UserDefaults.h"
#include "VQBackGroundView.h"
#include "VQButton.h"
#include "VQCommandViewModel.h"
#include "VQFileOrFolderDialog.h"
#include "VQLabel.h"
#include "VQPopUpButton.h"
#include "VQShortcutRecorder.h"
#include "VQTextField.h"
#include "VQToolManager.h"

#include <QEvent>
#include <QFileInfo>
#include <QFrame>

#include <algorithm>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kFieldTextColor(38, 12, 12); // typed text reads dark; only placeholders are grey
const QColor kAccentColor(12, 165, 192);

constexpr int kLabelLeft = 40;
constexpr int kFieldLeft = 150;
constexpr int kFieldWidth = 340;
constexpr int kLabelGap = 10;
constexpr int kRowHeight = 34;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 36;

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

VQLabel* makeLabel(QWidget* parent, int pixelSize)
{
    auto* label = new VQLabel(parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setTextColor(kTextColor);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QFrame* makeFieldFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("fieldFrame"));
    frame->setStyleSheet(QStringLiteral("#fieldFrame { border: 1px solid rgba(0,0,0,51); border-radius: 2px; background: white; }"));
    return frame;
}

VQTextField* makeField(QWidget* parent)
{
    auto* field = new VQTextField(parent);
    QFont font = field->font();
    font.setPixelSize(12);
    field->setFont(font);
    field->setTextColor(kFieldTextColor);
    return field;
}

VQButton* makeButton(QWidget* parent)
{
    auto* button = new VQButton(parent);
    button->setBackgroundColor(kAccentColor);
    button->setTitleColor(Qt::white);
    button->setCornerRadius(4);
    QFont font = button->font();
    font.setPixelSize(16);
    button->setFont(font);
    return button;
}

} // namespace

AddCommandView::AddCommandView(QWidget* parent)
    : VQBaseView(parent)
{
    m_validator.setAllowAnyShortcutWithOptionModifier(true);
    configUI();
    configTitle();
}

AddCommandView::~AddCommandView()
{
    if (m_fileDialog)
        m_fileDialog->deleteLater();
}

void AddCommandView::showInView(QWidget* host)
{
    if (m_host)
        m_host->removeEventFilter(this);
    m_host = host;
    setParent(host);
    if (host) {
        host->installEventFilter(this);
        setGeometry(host->rect());
    }
    raise();
    show();
}

bool AddCommandView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_host && event->type() == QEvent::Resize)
        setGeometry(m_host->rect());
    return VQBaseView::eventFilter(watched, event);
}

void AddCommandView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutPanel();
}

void AddCommandView::configUI()
{
    m_bgView = new VQBackGroundView(this);
    m_bgView->setAttribute(Qt::WA_StyledBackground, true);
    m_bgView->setObjectName(QStringLiteral("addCommandBackdrop"));
    m_bgView->setStyleSheet(QStringLiteral("#addCommandBackdrop { background: rgba(0,0,0,102); }"));

    m_contentView = new QWidget(m_bgView);
    m_contentView->setObjectName(QStringLiteral("addCommandPanel"));
    m_contentView->setAttribute(Qt::WA_StyledBackground, true);
    m_contentView->setStyleSheet(QStringLiteral("#addCommandPanel { background: white; border-radius: 10px; }"));

    m_titleLabel = makeLabel(m_contentView, 22);
    m_functionLabel1 = makeLabel(m_contentView, 16);
    m_functionLabel2 = makeLabel(m_contentView, 16);
    m_functionLabel3 = makeLabel(m_contentView, 16);

    m_typeBtn = new VQPopUpButton(m_contentView);
    m_typeBtn->setTextColor(kTextColor);
    m_typeBtn->setItemsArr(typeTitles());
    m_typeBtn->setSelectIndex(0);
    m_typeBtn->setSelectBlock([this](int index) {
        m_pathTextField->clear();
        selectMenuWithIndex(index);
    });

    m_wordView = makeFieldFrame(m_contentView);
    m_wordTextField = makeField(m_wordView);
    m_pathView = makeFieldFrame(m_contentView);
    m_pathTextField = makeField(m_pathView);
    m_pathTextField->clear();
    m_shortcutsView = new VQShortcutRecorder(m_pathView);
    m_shortcutsView->setShortcutValidator(&m_validator);

    m_moreBtn = new VQButton(m_contentView);
    m_moreBtn->setImageName(QString::fromLatin1(kMoreImageName));
    connect(m_moreBtn, &VQButton::clicked, this, &AddCommandView::moreBtnClicked);

    m_createBtn = makeButton(m_contentView);
    connect(m_createBtn, &VQButton::clicked, this, &AddCommandView::createBtnClicked);
    m_cancelBtn = makeButton(m_contentView);
    connect(m_cancelBtn, &VQButton::clicked, this, &AddCommandView::cancelBtnClicked);

    selectMenuWithIndex(m_typeBtn->selectIndex());
    layoutPanel();
}

QStringList AddCommandView::typeTitles() const
{
    return {tr8("文件"), tr8("文件夹"), tr8("网页"), tr8("快捷键"), tr8("固定文本")};
}

void AddCommandView::configTitle()
{
    // The typed word and target stay: a language switch only changes the texts.
    m_titleLabel->setText(tr8("添加个性化指令"));
    m_functionLabel1->setText(tr8("类型"));
    m_typeBtn->setItemsArr(typeTitles());
    m_functionLabel2->setText(tr8("指令词"));
    m_functionLabel3->setText(tr8("执行路径"));
    m_createBtn->setTitle(tr8(m_isFromMouseSetting ? "保存" : "创建"));
    m_cancelBtn->setTitle(tr8("取消"));
    layoutPanel();
}

void AddCommandView::layoutPanel()
{
    if (!m_bgView)
        return;
    m_bgView->setGeometry(rect());
    const int panelHeight = m_isFromMouseSetting ? kKeyFunctionPanelHeight : kPanelHeight;
    m_contentView->setGeometry(60, height() / 2 - 10 - panelHeight / 2, kPanelWidth, panelHeight);

    // The fields start 150 from the left, or further when a translated label needs the room;
    // their right edge and the more button stay where they are.
    int labelWidth = kFieldLeft - kLabelLeft - kLabelGap;
    for (const VQLabel* label : {m_functionLabel1, m_functionLabel2, m_functionLabel3})
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    const int fieldLeft = kLabelLeft + labelWidth + kLabelGap;
    const int fieldWidth = kFieldLeft + kFieldWidth - fieldLeft;

    int y = 30;
    m_titleLabel->setGeometry(kLabelLeft, y, kPanelWidth - 2 * kLabelLeft, 30);
    y += 30 + 30;
    m_functionLabel1->setGeometry(kLabelLeft, y, labelWidth, kRowHeight);
    m_typeBtn->setGeometry(fieldLeft, y, fieldWidth, kRowHeight);
    y += kRowHeight + 26;
    if (!m_isFromMouseSetting) {
        m_functionLabel2->setGeometry(kLabelLeft, y, labelWidth, kRowHeight);
        m_wordView->setGeometry(fieldLeft, y, fieldWidth, kRowHeight);
        y += kRowHeight + 26;
    }
    m_wordTextField->setGeometry(8, 0, fieldWidth - 16, kRowHeight);
    m_functionLabel3->setGeometry(kLabelLeft, y, labelWidth, kRowHeight);
    m_pathView->setGeometry(fieldLeft, y, fieldWidth, kRowHeight);
    m_pathTextField->setGeometry(8, 0, fieldWidth - 16, kRowHeight);
    m_shortcutsView->setGeometry(1, 1, fieldWidth - 20, kRowHeight - 2);
    m_moreBtn->setGeometry(kFieldLeft + kFieldWidth + 10, y + (kRowHeight - 30) / 2, 30, 30);

    const int buttonsTop = panelHeight - 40 - kButtonHeight;
    const int buttonsLeft = (kPanelWidth - 2 * kButtonWidth - 30) / 2;
    m_createBtn->setGeometry(buttonsLeft, buttonsTop, kButtonWidth, kButtonHeight);
    m_cancelBtn->setGeometry(buttonsLeft + kButtonWidth + 30, buttonsTop, kButtonWidth, kButtonHeight);
}

void AddCommandView::setIsFromMouseSetting(bool fromMouseSetting)
{
    m_isFromMouseSetting = fromMouseSetting;
    m_typeBtn->setEnabled(!fromMouseSetting);
    m_typeBtn->setHiddenImageView(fromMouseSetting);
    m_functionLabel2->setVisible(!fromMouseSetting);
    m_wordView->setVisible(!fromMouseSetting);
    configTitle();
    layoutPanel();
}

void AddCommandView::setModel(const VQVoiceCommandItem& model)
{
    m_model = model;
    m_typeBtn->setSelectIndex(static_cast<int>(model.typeIndex()));
    selectMenuWithIndex(static_cast<int>(model.typeIndex()));
    if (m_isFromMouseSetting) {
        m_createBtn->setTitle(tr8("保存"));
        if (m_keySubModel) {
            m_shortcutsView->setAssociatedUserDefaultsKey(m_keySubModel->idStr());
            m_pathTextField->setText(m_keySubModel->attr0());
        }
    } else {
        m_wordTextField->setText(model.customCmd);
        m_pathTextField->setText(model.customName);
        m_createBtn->setTitle(tr8("创建"));
    }
}

void AddCommandView::selectMenuWithIndex(int index)
{
    m_moreBtn->setVisible(index == VQVoiceCommandItem::kFileIndex || index == VQVoiceCommandItem::kFolderIndex);
    const bool shortcut = index == VQVoiceCommandItem::kShortcutsIndex;
    m_pathTextField->setVisible(!shortcut);
    m_shortcutsView->setVisible(shortcut);
    // An unreadable record gives no combination (never key code 0, the letter A).
    if (m_model)
        m_shortcutsView->setShortcutValue(KeyShortcut::fromRecordJson(m_model->customName));
}

void AddCommandView::moreBtnClicked()
{
    if (m_fileDialog)
        return;
    const int type = m_typeBtn->selectIndex();
    AppDelegate* delegate = AppDelegate::sharedDelegate();
    QWidget* owner = delegate && delegate->window() ? delegate->window() : window();
    auto* dialog = new VQFileOrFolderDialog(type == VQVoiceCommandItem::kFileIndex
                                                ? VQFileOrFolderDialog::Choice::FileOrFolder
                                                : VQFileOrFolderDialog::Choice::FolderOnly,
                                            owner);
    dialog->setWindowModality(Qt::WindowModal);
    m_fileDialog = dialog;
    QPointer<AddCommandView> self(this);
    // Closing a dialog (done()) does not delete it: it goes once it has answered.
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    connect(dialog, &QDialog::finished, this, [self, dialog](int result) {
        if (!self || result != QDialog::Accepted || dialog->chosenPath().isEmpty())
            return;
        self->m_pathTextField->setText(QString::fromLatin1(kFileUrlPrefix) + dialog->chosenPath());
    });
    dialog->open();
}

void AddCommandView::showError(const char* messageKey, const QString& detail)
{
    VQToolManager::sharedInstance().showErrorMsg(tr8(messageKey), detail);
}

bool AddCommandView::checkIncomplete(bool needWord)
{
    const int type = m_typeBtn->selectIndex();
    const bool shortcut = type == VQVoiceCommandItem::kShortcutsIndex;
    const bool complete = (!needWord || !m_wordTextField->text().isEmpty())
        && (shortcut ? m_shortcutsView->shortcutValue().isValid() : !m_pathTextField->text().isEmpty());
    if (!complete) {
        showError("信息不能为空", tr8("请填写完整后再创建"));
        return true;
    }
    // A typed target is checked here: a command whose item is not there would never open it.
    const QString target = m_pathTextField->text();
    if ((type == VQVoiceCommandItem::kFileIndex || type == VQVoiceCommandItem::kFolderIndex) && existingItemOf(target).isEmpty()) {
        VQLogInfo(QStringLiteral("command target not found: %1").arg(target));
        showError("文件或文件夹不存在", target);
        return true;
    }
    return false;
}

void AddCommandView::createBtnClicked()
{
    const int type = m_typeBtn->selectIndex();
    const bool shortcut = type == VQVoiceCommandItem::kShortcutsIndex;
    if (m_isFromMouseSetting) {
        if (checkIncomplete(false))
            return;
        const QString attr0 = shortcut ? m_shortcutsView->shortcutValue().toRecordJson() : m_pathTextField->text();
        if (m_keySubModel)
            m_keySubModel->setAttr0(attr0);
        if (type == VQVoiceCommandItem::kFileIndex || type == VQVoiceCommandItem::kFolderIndex)
            storeBookmark(attr0);
        finishAndClose(true);
        return;
    }
    if (checkIncomplete(true))
        return;
    VQVoiceCommandItem item;
    item.customCmd = m_wordTextField->text();
    item.setTypeIndex(type);
    item.customName = shortcut ? m_shortcutsView->shortcutValue().toRecordJson() : m_pathTextField->text();
    requestCreateCustomizeCmd(item);
}

void AddCommandView::requestCreateCustomizeCmd(const VQVoiceCommandItem& item)
{
    if (m_requestRunning)
        return;
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    if (m_model) {
        setRequestRunning(true);
        // The edit's steps go on whatever becomes of the editor meanwhile: the server is never
        // left with neither the old command nor the new one.
        const QPointer<AddCommandView> self(this);
        const VQVoiceCommandItem old = *m_model;
        store.requestDeleteCustomizeCmd(old, [self, item, old](bool ok, const VQHttpResult& result) {
            if (!ok) {
                VQLogWarn(QStringLiteral("command edit refused: %1").arg(result.message));
                showError("编辑失败", result.message);
                if (self)
                    self->setRequestRunning(false);
                return;
            }
            createCommand(self, item, old);
        });
        return;
    }
    for (const VQVoiceCommandItem& existing : store.customizeCmdListArray()) {
        if (existing.customCmd == item.customCmd) {
            showError("指令词已存在", tr8("请重新填写完整后再创建"));
            return;
        }
    }
    addNewCustomItem(item);
}

void AddCommandView::addNewCustomItem(const VQVoiceCommandItem& item)
{
    if (m_requestRunning)
        return;
    setRequestRunning(true);
    createCommand(this, item, m_model);
}

void AddCommandView::setRequestRunning(bool running)
{
    m_requestRunning = running;
    m_createBtn->setEnabled(!running);
}

void AddCommandView::createCommand(const QPointer<AddCommandView>& self, const VQVoiceCommandItem& item,
                                   const std::optional<VQVoiceCommandItem>& old)
{
    VQCommandViewModel::sharedInstance().requestCreateCustomizeCmd(
        item, [self, item, old](bool ok, const VQHttpResult& result) {
            if (ok) {
                if (item.typeIndex() == VQVoiceCommandItem::kFileIndex
                    || item.typeIndex() == VQVoiceCommandItem::kFolderIndex)
                    storeBookmark(item.customName);
                if (self) {
                    self->setRequestRunning(false);
                    self->clearText();
                    self->finishAndClose(true);
                }
                return;
            }
            VQLogWarn(QStringLiteral("command create refused: %1").arg(result.message));
            showError("创建失败", result.message);
            // The editor stays open with what was typed, for another try.
            if (self)
                self->setRequestRunning(false);
            if (!old)
                return;
            // The old command was deleted for the edit: put it back. Until it is back, another
            // try is no edit of it but a new command.
            if (self) {
                self->m_model.reset();
                self->setRequestRunning(true);
            }
            VQCommandViewModel::sharedInstance().requestCreateCustomizeCmd(
                *old, [self, old](bool restored, const VQHttpResult& restoreResult) {
                    if (!restored)
                        VQLogError(QStringLiteral("edited command not restored: %1").arg(restoreResult.message));
                    if (!self)
                        return;
                    self->setRequestRunning(false);
                    if (restored)
                        self->m_model = old;
                });
        });
}

void AddCommandView::clearText()
{
    m_typeBtn->setSelectIndex(0);
    m_wordTextField->clear();
    m_pathTextField->clear();
}

void AddCommandView::cancelBtnClicked()
{
    m_finishBlock = {};
    const CancelBlock cancelled = std::exchange(m_cancelBlock, {});
    close();
    if (cancelled)
        cancelled();
}

void AddCommandView::finishAndClose(bool success)
{
    FinishBlock finish = std::move(m_finishBlock);
    m_finishBlock = {};
    m_cancelBlock = {};
    close();
    if (finish)
        finish(success);
}

void AddCommandView::close()
{
    if (m_closed)
        return;
    m_closed = true;
    if (m_host)
        m_host->removeEventFilter(this);
    hide();
    deleteLater();
}

QString AddCommandView::existingItemOf(const QString& target)
{
    const QString local = VQToolManager::localPathOfTarget(target);
    return !local.isEmpty() && QFileInfo::exists(local) ? QFileInfo(local).absoluteFilePath() : QString();
}

void AddCommandView::storeBookmark(const QString& target)
{
    UserDefaults& defaults = UserDefaults::standard();
    if (target.isEmpty())
        return;
    const QString item = existingItemOf(target);
    if (!item.isEmpty()) {
        defaults.setValue(target, item);
        return;
    }
    VQLogInfo(QStringLiteral("no file access kept for %1").arg(target));
    defaults.removeObjectForKey(target);
}
