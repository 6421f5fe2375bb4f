#include "VQAIWindowController.h"

#include "AppDelegate.h"
#include "MMLog.h"
#include "MMScrollArea.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQAIContentModel.h"
#include "VQAIContentView.h"
#include "VQAIWindowTool.h"
#include "VQButton.h"
#include "VQHttpRequestManager.h"
#include "VQHttpResult.h"
#include "VQNotificationNames.h"
#include "VQTextField.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <cmath>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kLineColor(211, 211, 211);
const QColor kDocumentColor(246, 247, 248);

void fillWith(QWidget* widget, const QColor& color)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}

} // namespace

VQAIWindowController::VQAIWindowController(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    windowDidLoad();
}

VQAIWindowController::~VQAIWindowController() = default;

void VQAIWindowController::windowDidLoad()
{
    setWindowTitle(QGuiApplication::applicationDisplayName());
    m_contentHeight = 0;

    m_scrollView = new QScrollArea(this);
    m_scrollView->setFrameShape(QFrame::NoFrame);
    m_scrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollView->setWidgetResizable(false);
    m_scrollContentView = new QWidget;
    fillWith(m_scrollContentView, kDocumentColor);
    m_scrollView->setWidget(m_scrollContentView);
    fillWith(m_scrollView->viewport(), kDocumentColor);

    m_bottomView = new QWidget(this);
    m_bottomLine = new QFrame(m_bottomView);
    fillWith(m_bottomLine, kLineColor);

    m_questionTextField = new VQTextField(m_bottomView);
    QFont font = m_questionTextField->font();
    font.setPixelSize(kFieldFontPx);
    m_questionTextField->setFont(font);
    m_questionTextField->setTextColor(kTextColor);
    connect(m_questionTextField, &VQTextField::returnPressed, this, [this] {
        if (!m_isRequesting)
            sendBtnClicked();
    });

    m_sendBtn = new VQButton(m_bottomView);
    m_sendBtn->setBackgroundColor(Qt::white);
    m_sendBtn->setCornerRadius(5);
    m_sendBtn->setTitleColor(kTextColor);
    connect(m_sendBtn, &VQButton::clicked, this, &VQAIWindowController::sendBtnClicked);

    configTitle();
    NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(vq::kUpdateTitleNotification),
                                                    [this](const VQNotification&) { configTitle(); });

    resize(kInitialWidth, kInitialHeight);
    layoutBars();
}

void VQAIWindowController::configTitle()
{
    m_questionTextField->setPlaceholderText(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kPlaceholderText)));
    m_sendBtn->setTitle(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kSendTitle)));
}

void VQAIWindowController::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

void VQAIWindowController::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutBars();
    layoutDocument();
}

void VQAIWindowController::layoutBars()
{
    const int w = width();
    const int h = height();
    m_bottomView->setGeometry(0, h - kBottomHeight, w, kBottomHeight);
    m_bottomLine->setGeometry(0, 0, w, 1);
    const int sendLeft = w - kSendRight - kSendWidth;
    m_sendBtn->setGeometry(sendLeft, (kBottomHeight - kSendHeight) / 2, kSendWidth, kSendHeight);
    m_questionTextField->setGeometry(kFieldLeft, kFieldTop, qMax(1, sendLeft - kFieldToButton - kFieldLeft),
                                     kBottomHeight - kFieldTop);
    m_scrollView->setGeometry(0, kListTop, w, qMax(0, h - kBottomHeight - kListBottomGap - kListTop));
}

void VQAIWindowController::layoutDocument()
{
    // The document is as wide as the viewport (no horizontal scrolling); the vertical bar, when
    // it shows, takes its width from the viewport.
    const int viewportHeight = m_scrollView->height();
    const double newest = (m_lastAIContentView && !m_lastCellCounted) ? m_lastAIContentView->viewHeight() : 0;
    const int documentHeight = qMax(viewportHeight, static_cast<int>(std::ceil(m_contentHeight + newest)));
    int documentWidth = m_scrollView->width();
    if (documentHeight > viewportHeight)
        documentWidth -= m_scrollView->verticalScrollBar()->sizeHint().width();
    m_scrollContentView->resize(qMax(1, documentWidth), documentHeight);
    const int cellWidth = qMax(1, documentWidth - 2 * kCellInset);
    for (VQAIContentView* cell : std::as_const(m_cells)) {
        if (cell->width() != cellWidth)
            cell->resize(cellWidth, cell->height());
    }
    mm::scrollToBottom(m_scrollView);
}

void VQAIWindowController::sendBtnClicked()
{
    requestChatGPT(m_questionTextField->text());
}

void VQAIWindowController::requestChatGPT(const QString& question)
{
    if (question.isEmpty() || m_isRequesting)
        return;
    auto model = std::make_shared<VQAIContentModel>();
    model->setQuestion(question);
    model->setShownText(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kWaitingText)));
    m_aiContentModelArr.append(model);
    m_questionTextField->clear();
    m_isRequesting = true;
    m_sendBtn->setEnabled(false);
    configUI();

    VQHttpRequestManager::ChatTurnList turns;
    turns.reserve(m_aiContentModelArr.size());
    for (const std::shared_ptr<VQAIContentModel>& turn : std::as_const(m_aiContentModelArr))
        turns.append(turn);
    QPointer<VQAIWindowController> self(this);
    VQLogInfo(QStringLiteral("AI chat: question %1 sent").arg(m_aiContentModelArr.size()));
    VQHttpRequestManager::sharedInstance().chatGPT(turns, model, [self, model](const VQHttpResult& result) {
        if (self)
            self->answerArrived(model, result);
    });
}

void VQAIWindowController::configUI()
{
    if (m_aiContentModelArr.isEmpty())
        return;
    m_lastAIContentModel = m_aiContentModelArr.last();
    auto* cell = new VQAIContentView(m_scrollContentView);
    cell->showQuestion(m_lastAIContentModel->question(), m_lastAIContentModel->answer());
    QPointer<VQAIWindowController> self(this);
    cell->setRetryBlock([self](const QString& question) {
        if (self)
            self->requestChatGPT(question);
    });
    const int cellWidth = qMax(1, m_scrollContentView->width() - 2 * kCellInset);
    cell->setGeometry(kCellInset, static_cast<int>(std::lround(m_contentHeight)), cellWidth,
                      static_cast<int>(std::ceil(cell->viewHeight())));
    cell->show();
    m_cells.append(cell);
    m_lastAIContentView = cell;
    m_lastCellCounted = false;
    layoutDocument();
    m_sendBtn->setEnabled(!m_isRequesting);
}

void VQAIWindowController::answerArrived(const std::shared_ptr<VQAIContentModel>& model, const VQHttpResult& result)
{
    // Only one question is answered at a time; an update of any other is stale.
    if (model != m_lastAIContentModel || m_lastCellCounted) {
        VQLogWarn(QStringLiteral("AI chat: an update of an earlier question ignored"));
        return;
    }
    if (!result.success) {
        VQLogWarn(QStringLiteral("AI chat: the answer failed: %1").arg(result.message));
        model->setShownText(result.message);
        model->setIsFinished(true);
    } else if (model->isFinished() && !model->hasAnswer()) {
        VQLogWarn(QStringLiteral("AI chat: the reply held no answer"));
        model->setShownText(
            QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQHttpRequestManager::kSystemErrorText)));
    }
    if (model->isFinished())
        m_isRequesting = false;
    updateContentViewText();
}

void VQAIWindowController::updateContentViewText()
{
    if (!m_lastAIContentModel || !m_lastAIContentView)
        return;
    m_lastAIContentView->showQuestion(m_lastAIContentModel->question(), m_lastAIContentModel->answer());
    const int cellHeight = static_cast<int>(std::ceil(m_lastAIContentView->viewHeight()));
    if (m_lastAIContentView->height() != cellHeight)
        m_lastAIContentView->resize(m_lastAIContentView->width(), cellHeight);
    if (m_isRequesting) {
        layoutDocument();
        m_sendBtn->setEnabled(false);
        return;
    }
    if (!m_lastCellCounted) {
        m_contentHeight += cellHeight;
        m_lastCellCounted = true;
    }
    layoutDocument();
    m_sendBtn->setEnabled(true);
}

void VQAIWindowController::closeEvent(QCloseEvent* event)
{
    // Only hidden: the conversation stays for the next show.
    event->accept();
    if (!VQAIWindowTool::sharedInstance().isWindowShown()) {
        if (AppDelegate* delegate = AppDelegate::sharedDelegate())
            delegate->setIsShowAIWindow(false);
    }
}
