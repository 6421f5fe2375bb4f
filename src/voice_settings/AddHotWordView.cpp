#include "AddHotWordView.h"

#include "AddHotWordCellView.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQCommandViewModel.h"
#include "VQLabel.h"
#include "VQNotificationNames.h"
#include "VQRowTableView.h"
#include "VQTextField.h"
#include "VQToolManager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace {

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

} // namespace

AddHotWordView::AddHotWordView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    configData();
    configTitle();
}

void AddHotWordView::configUI()
{
    m_currentInputRow = 0;
    resetData();
    m_tipLabel = new VQLabel(this);
    QFont tipFont = m_tipLabel->font();
    tipFont.setPixelSize(12);
    m_tipLabel->setFont(tipFont);
    m_tipLabel->setTextColor(QColor(112, 112, 112));
    m_tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_createBtn = new VQButton(this);
    m_createBtn->setBackgroundColor(QColor(12, 165, 192));
    m_createBtn->setCornerRadius(4);
    m_createBtn->setTitleColor(Qt::white);
    connect(m_createBtn, &VQButton::clicked, this, &AddHotWordView::createBtnClicked);

    m_tableView = new VQRowTableView(
        kRowHeight, [] { return new AddHotWordCellView; },
        [this](int row, QWidget* view) {
            auto* cell = static_cast<AddHotWordCellView*>(view);
            cell->setStringValue(m_dataArr.value(row));
            QPointer<AddHotWordView> self(this);
            cell->setInputBeginBlock([self, row] {
                if (!self)
                    return;
                self->m_isClear = false;
                self->m_currentInputRow = row;
            });
            cell->setInputEndBlock([self, row](const QString& text) {
                if (self && !self->m_isClear && row < self->m_dataArr.size())
                    self->m_dataArr[row] = text;
            });
            cell->setInsertNewlineBlock([self, row] {
                if (self)
                    self->nextTextFieldInput(row + 1);
            });
        },
        this);
    m_tableView->reloadData(static_cast<int>(m_dataArr.size()));
    layoutViews();
}

void AddHotWordView::configTitle()
{
    m_tipLabel->setText(tr8("点击此处添加热词,每行一个"));
    m_createBtn->setTitle(tr8("创建"));
}

void AddHotWordView::resetData()
{
    m_dataArr.clear();
    for (int i = 0; i < kRowCount; ++i)
        m_dataArr.append(QString(""));
    m_isClear = true;
}

AddHotWordCellView* AddHotWordView::cellAt(int row) const
{
    return static_cast<AddHotWordCellView*>(m_tableView->cellAt(row));
}

void AddHotWordView::nextTextFieldInput(int row)
{
    AddHotWordCellView* cell = cellAt(row);
    if (!cell)
        return;
    m_tableView->scrollTo(m_tableView->model()->index(row, 0));
    cell->contentField()->setFocus(Qt::OtherFocusReason);
}

void AddHotWordView::createBtnClicked()
{
    // The row being edited has not reached dataArr yet: read its text directly.
    if (!m_isClear) {
        if (AddHotWordCellView* cell = cellAt(m_currentInputRow))
            m_dataArr[m_currentInputRow] = cell->contentField()->text();
    }
    QJsonArray words;
    for (const QString& word : std::as_const(m_dataArr)) {
        if (!word.isEmpty())
            words.append(word);
    }
    if (words.isEmpty())
        return;
    VQVoiceCommandItem item;
    item.customCmd = QString::fromUtf8(QJsonDocument(words).toJson(QJsonDocument::Compact));
    item.setTypeIndex(VQVoiceCommandItem::kPhraseIndex);
    QPointer<AddHotWordView> self(this);
    VQCommandViewModel::sharedInstance().requestCreateCustomizeCmd(item, [self](bool ok, const VQHttpResult& result) {
        if (!ok) {
            VQLogWarn(QStringLiteral("hot words not created: %1").arg(result.message));
            VQToolManager::sharedInstance().showErrorMsg(tr8("创建失败"), result.message);
            return;
        }
        if (self) {
            self->resetData();
            self->m_tableView->reloadData(static_cast<int>(self->m_dataArr.size()));
        }
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateHotWordListNotification));
    });
}

void AddHotWordView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutViews();
}

void AddHotWordView::layoutViews()
{
    if (!m_tableView)
        return;
    // The card lies kShadow inside the view, so its shadow is painted within the view.
    const QRect card = rect().adjusted(kShadow, kShadow, -kShadow, -kShadow);
    m_tipLabel->setGeometry(card.x() + 30, card.y() + 40, qMax(0, card.width() - 60), 17);
    m_createBtn->setGeometry(card.x() + (card.width() - 85) / 2, card.bottom() + 1 - 10 - 31, 85, 31);
    const int top = m_tipLabel->geometry().bottom() + 1 + 15;
    m_tableView->setGeometry(card.x(), top, card.width(), qMax(0, m_createBtn->y() - 15 - top));
}

void AddHotWordView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(kShadow, kShadow, -kShadow, -kShadow);
    // A soft grey shadow of RGB(112,112,112) at half strength, fading over kShadow points.
    for (int i = kShadow; i > 0; --i) {
        QPainterPath ring;
        ring.addRoundedRect(card.adjusted(-i, -i, i, i), 16 + i, 16 + i);
        painter.fillPath(ring, QColor(112, 112, 112, 128 / (kShadow + 1) * (kShadow + 1 - i) / kShadow));
    }
    QPainterPath path;
    path.addRoundedRect(card, 16, 16);
    painter.fillPath(path, Qt::white);
}
