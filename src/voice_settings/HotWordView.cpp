#include "HotWordView.h"

#include "MMLog.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQCommandViewModel.h"
#include "VQHotWordViewModel.h"
#include "VQNotificationNames.h"
#include "VQRowTableView.h"
#include "VQToolManager.h"

#include <QPointer>

HotWordView::HotWordView(QWidget* parent)
    : VQBaseView(parent)
{
    m_tableView = new VQRowTableView(
        kRowHeight,
        [this] {
            auto* cell = new HotWordCellView;
            cell->setDelegate(this);
            return cell;
        },
        [this](int row, QWidget* cell) {
            static_cast<HotWordCellView*>(cell)->setModel(
                row < m_items.size() ? std::optional<VQVoiceCommandItem>(m_items.at(row)) : std::nullopt);
        },
        this);
    configUI();
    configData();
}

void HotWordView::configUI()
{
    m_tableView->setGeometry(rect());
    reloadData();
}

void HotWordView::configData()
{
    NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(vq::kUpdateHotWordListNotification),
                                                    [this](const VQNotification&) { reloadData(); });
}

void HotWordView::reloadData()
{
    m_items = VQHotWordViewModel::sharedInstance().hotWordListArray();
    m_tableView->reloadData(static_cast<int>(m_items.size()));
}

HotWordCellView* HotWordView::cellAt(int row) const
{
    return static_cast<HotWordCellView*>(m_tableView->cellAt(row));
}

void HotWordView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    m_tableView->setGeometry(rect());
}

void HotWordView::hotWordCellViewDeleteBtnClickedWithModel(HotWordCellView*, const VQVoiceCommandItem& item)
{
    QPointer<HotWordView> self(this);
    VQCommandViewModel::sharedInstance().requestDeleteCustomizeCmd(item, [self](bool ok, const VQHttpResult& result) {
        if (!ok) {
            VQLogWarn(QStringLiteral("hot word delete refused: %1").arg(result.message));
            VQToolManager::sharedInstance().showErrorMsg(
                QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("删除失败")), result.message);
            return;
        }
        if (self)
            self->reloadData();
    });
}
