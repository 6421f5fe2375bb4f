#include "CommandWordView.h"

#include "AddCommandView.h"
#include "AppDelegate.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQCommandViewModel.h"
#include "VQRowTableView.h"
#include "VQToolManager.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

} // namespace

CommandWordView::CommandWordView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    configData();
    configTitle();
    // The store is kept current by VQCommandSyncService; the list follows it.
    connect(&VQCommandViewModel::sharedInstance(), &VQCommandViewModel::commandListsChanged, this,
            &CommandWordView::reloadData);
}

CommandWordView::~CommandWordView()
{
    if (m_confirmBox)
        m_confirmBox->deleteLater();
}

void CommandWordView::configUI()
{
    m_addCommandBtn = new VQButton(this);
    QFont font = m_addCommandBtn->font();
    font.setPixelSize(16);
    m_addCommandBtn->setFont(font);
    m_addCommandBtn->setTitleColor(QColor(12, 165, 192));
    connect(m_addCommandBtn, &VQButton::clicked, this, &CommandWordView::addCommandBtnClicked);

    m_tableView = new VQRowTableView(
        kRowHeight,
        [this] {
            auto* cell = new CommandWordCellView;
            cell->setObjectName(QString::fromLatin1(kListCellIdentifier));
            cell->setDelegate(this);
            return cell;
        },
        [this](int row, QWidget* cell) {
            auto* view = static_cast<CommandWordCellView*>(cell);
            view->setRow(row);
            view->setModel(row < m_items.size() ? std::optional<VQVoiceCommandItem>(m_items.at(row)) : std::nullopt);
        },
        this);
    layoutViews();
}

void CommandWordView::configData()
{
    // Opening the tab shows the device's list as the server has it now.
    VQCommandViewModel::sharedInstance().requestNetCustomizeCmdList([](bool ok, const VQHttpResult& result) {
        if (!ok)
            VQLogInfo(QStringLiteral("custom command list not fetched: %1").arg(result.message));
    });
    reloadData();
}

void CommandWordView::configTitle()
{
    m_addCommandBtn->setTitle(tr8("+添加指令"));
    layoutViews();
}

void CommandWordView::reloadData()
{
    // The store's list as it is now; the rows read this copy.
    m_items = VQCommandViewModel::sharedInstance().customizeCmdListArray();
    m_tableView->reloadData(static_cast<int>(m_items.size()));
}

CommandWordCellView* CommandWordView::cellAt(int row) const
{
    return static_cast<CommandWordCellView*>(m_tableView->cellAt(row));
}

void CommandWordView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutViews();
}

void CommandWordView::layoutViews()
{
    if (!m_tableView)
        return;
    const int buttonWidth = qMax(16, m_addCommandBtn->sizeHint().width());
    m_addCommandBtn->setGeometry(width() - 39 - buttonWidth, 0, buttonWidth, 27);
    m_tableView->setGeometry(0, 27 + 10, width(), qMax(0, height() - 37));
}

void CommandWordView::addCommandBtnClicked()
{
    openEditor(std::nullopt);
}

void CommandWordView::commandWordCellViewEditBtnClickedWithModel(CommandWordCellView*, const VQVoiceCommandItem& item)
{
    openEditor(item);
}

void CommandWordView::openEditor(const std::optional<VQVoiceCommandItem>& item)
{
    if (m_editor)
        return;
    QWidget* host = parentWidget() ? parentWidget() : this;
    auto* editor = new AddCommandView;
    if (item)
        editor->setModel(*item);
    editor->showInView(host);
    QPointer<CommandWordView> self(this);
    // Every finish shows what the store holds now, also after a failure.
    editor->setAddOrModifyFinishBlock([self](bool) {
        if (self)
            self->reloadData();
    });
    m_editor = editor;
}

void CommandWordView::commandWordCellViewDeleteBtnClickedWithModel(CommandWordCellView*, const VQVoiceCommandItem& item)
{
    if (m_confirmBox)
        return;
    AppDelegate* delegate = AppDelegate::sharedDelegate();
    QWidget* owner = delegate && delegate->window() ? delegate->window() : window();
    auto* box = new QMessageBox(owner);
    box->setWindowModality(Qt::WindowModal);
    // Closing a dialog (done()) does not delete it: it goes once it has answered.
    connect(box, &QDialog::finished, box, &QObject::deleteLater);
    box->setIcon(QMessageBox::Information);
    box->setText(tr8("确定要删除语音指令‘%1’？").arg(item.customCmd));
    box->setInformativeText(tr8("删除后该语音指令将失效！"));
    box->addButton(tr8("取消"), QMessageBox::RejectRole);
    QPushButton* confirm = box->addButton(tr8("确定"), QMessageBox::AcceptRole);
    QPointer<CommandWordView> self(this);
    connect(box, &QMessageBox::buttonClicked, this, [self, confirm, item](QAbstractButton* button) {
        if (self && button == confirm)
            self->requestDeleteCustomizeCmd(item);
    });
    m_confirmBox = box;
    box->open();
}

void CommandWordView::requestDeleteCustomizeCmd(const VQVoiceCommandItem& item)
{
    QPointer<CommandWordView> self(this);
    VQCommandViewModel::sharedInstance().requestDeleteCustomizeCmd(item, [self](bool ok, const VQHttpResult& result) {
        if (!ok) {
            VQLogWarn(QStringLiteral("command delete refused: %1").arg(result.message));
            VQToolManager::sharedInstance().showErrorMsg(tr8("删除失败"), result.message);
            return;
        }
        if (self)
            self->reloadData();
    });
}
