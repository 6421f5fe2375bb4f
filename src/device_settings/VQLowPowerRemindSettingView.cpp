#include "VQLowPowerRemindSettingView.h"

#include "MMLog.h"
#include "OnlyIntegerValueFormatter.h"
#include "QRNLocalizedString.h"
#include "VQLabel.h"
#include "VQTextField.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>

namespace {

// Between the field and its unit, as between any label and its control.
constexpr int kUnitGap = 10;

const QColor kTextColor(38, 12, 12);
constexpr int kTitleHeight = 27;
constexpr int kFieldWidth = 40;
constexpr int kFieldHeight = 30;
constexpr int kFieldGap = 20;

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

QFont fontOfSize(int pixels)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    return font;
}

} // namespace

VQLowPowerRemindSettingView::VQLowPowerRemindSettingView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    configTitle();
}

VQLowPowerRemindSettingView::~VQLowPowerRemindSettingView()
{
    if (m_watchingClicks)
        qApp->removeEventFilter(this);
}

void VQLowPowerRemindSettingView::configUI()
{
    setViewHeight(kHeight);
    m_titleLabel = new VQLabel(this);
    m_titleLabel->setFont(fontOfSize(20));
    m_titleLabel->setTextColor(kTextColor);

    m_timeField = new VQTextField(this);
    m_timeField->setObjectName(QStringLiteral("lowPowerField"));
    m_timeField->setFont(fontOfSize(16));
    m_timeField->setTextColor(kTextColor);
    m_timeField->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_timeField->setStyleSheet(QStringLiteral("QLineEdit#lowPowerField { border: 1px solid rgb(190, 190, 190); background: transparent; padding-right: 3px; }"));
    m_timeField->setValidator(new OnlyIntegerValueFormatter(m_timeField));
    connect(m_timeField, &QLineEdit::textEdited, this, [this] { controlTextDidChange(); });
    connect(m_timeField, &QLineEdit::editingFinished, this, [this] { controlTextDidEndEditing(); });
    m_timeField->installEventFilter(this);

    m_timeLabel = new VQLabel(this);
    m_timeLabel->setFont(fontOfSize(20));
    m_timeLabel->setTextColor(kTextColor);
}

void VQLowPowerRemindSettingView::configTitle()
{
    m_titleLabel->setText(tr8("低电提醒设置"));
    m_timeField->setText(QString::number(VQUserInfoData::sharedInstance().lowPowerNum()));
    m_timeLabel->setText(tr8("%"));
    layoutRow();
}

void VQLowPowerRemindSettingView::layoutRow()
{
    const int titleWidth = QFontMetrics(m_titleLabel->font()).horizontalAdvance(m_titleLabel->text()) + 2;
    // The title is centred on the field, which is a little taller.
    m_titleLabel->setGeometry(0, (kFieldHeight - kTitleHeight) / 2, titleWidth, kTitleHeight);
    m_timeField->setGeometry(titleWidth + kFieldGap, 0, kFieldWidth, kFieldHeight);
    const int unitWidth = QFontMetrics(m_timeLabel->font()).horizontalAdvance(m_timeLabel->text()) + 2;
    // The unit keeps clear of the field's border.
    m_timeLabel->setGeometry(m_timeField->geometry().right() + 1 + kUnitGap, m_titleLabel->y(), unitWidth, kTitleHeight);
}

void VQLowPowerRemindSettingView::controlTextDidChange()
{
    // The field takes only empty texts and whole numbers.
    m_edited = true;
    VQUserInfoData::sharedInstance().setLowPowerNum(m_timeField->text().toLongLong());
}

void VQLowPowerRemindSettingView::controlTextDidEndEditing()
{
    m_edited = false;
    if (m_timeField->text().toLongLong() < kMinimum)
        m_timeField->setText(QString::number(kResetValue));
    const qint64 value = m_timeField->text().toLongLong();
    if (value != VQUserInfoData::sharedInstance().lowPowerNum())
        VQLogInfo(QStringLiteral("low-battery reminder at %1%").arg(value));
    VQUserInfoData::sharedInstance().setLowPowerNum(value);
}

bool VQLowPowerRemindSettingView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_timeField) {
        // While the field has the focus, a click anywhere else in its window ends the editing.
        if (event->type() == QEvent::FocusIn && !m_watchingClicks) {
            m_watchingClicks = true;
            qApp->installEventFilter(this);
        } else if (event->type() == QEvent::FocusOut && m_watchingClicks) {
            m_watchingClicks = false;
            qApp->removeEventFilter(this);
        }
        return VQBaseView::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress && m_timeField->hasFocus()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget != m_timeField && !m_timeField->isAncestorOf(widget) && widget->window() == window())
            m_timeField->clearFocus();
    }
    return VQBaseView::eventFilter(watched, event);
}

void VQLowPowerRemindSettingView::hideEvent(QHideEvent* event)
{
    // The window going away (closed, or hidden by the quit sequence) ends the editing too.
    if (m_edited || m_timeField->hasFocus())
        controlTextDidEndEditing();
    VQBaseView::hideEvent(event);
}
