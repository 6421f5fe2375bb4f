#include "VQModifyPasswordView.h"

#include "VQAccountFormKit.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQSecureTextField.h"

#include <QEvent>
#include <QLabel>

using VQAccountFormKit::localized;

namespace {

const QColor kSecondaryColor { 112, 112, 112 };

constexpr int kTipHeight = 14;
constexpr int kGap = 30;
constexpr int kFieldWidth = 140;
constexpr int kFieldHeight = 20;
constexpr int kUnderlineWidth = 220;

// The bottom edge of a widget: the top of the one placed n points under it is bottom + n.
int bottomOf(const QWidget* widget)
{
    return widget->y() + widget->height();
}

void stylePanelButton(VQButton* button)
{
    VQAccountFormKit::styleTextButton(button, 12, QFont::Normal, Qt::white);
    button->setBackgroundColor(Qt::black);
    button->setCornerRadius(10);
}

} // namespace

VQModifyPasswordView::VQModifyPasswordView(QWidget* parent)
    : VQBaseView(parent)
{
    initUIData();
    // Pre-filled once: a later re-title must not replace what the user typed.
    for (VQSecureTextField* field : { textField1(), textField2(), textField3() })
        field->setText(QString::fromLatin1(kPrefill));
}

void VQModifyPasswordView::initUIData()
{
    configTitle();
}

void VQModifyPasswordView::configTitle()
{
    tipLabel1()->setText(localized(kOldPasswordText));
    textField1();
    tipLabel2()->setText(localized(kNewPasswordText));
    textField2();
    tipLabel3()->setText(localized(kRepeatPasswordText));
    textField3();
    cancelBtn()->setTitle(localized(kCancelText));
    saveBtn()->setTitle(localized(kSaveText));
    layoutTipLabels();
}

VQLabel* VQModifyPasswordView::makeTipLabel(int top)
{
    auto* label = new VQLabel(this);
    QFont font = label->font();
    font.setPixelSize(12);
    label->setFont(font);
    label->setTextColor(kSecondaryColor);
    label->setGeometry(0, top, 0, kTipHeight);
    return label;
}

VQSecureTextField* VQModifyPasswordView::makeField(const VQLabel* tip)
{
    auto* field = new VQSecureTextField(this);
    QFont font = field->font();
    font.setPixelSize(14);
    field->setFont(font);
    field->setTextColor(Qt::white);
    field->setGeometry(tip->x(), bottomOf(tip) + kGap, kFieldWidth, kFieldHeight);
    auto* underline = new QLabel(this);
    underline->setAutoFillBackground(true);
    QPalette palette = underline->palette();
    palette.setColor(QPalette::Window, kSecondaryColor);
    underline->setPalette(palette);
    underline->setGeometry(field->x(), bottomOf(field), kUnderlineWidth, 1);
    return field;
}

VQLabel* VQModifyPasswordView::tipLabel1()
{
    if (!m_tipLabel1)
        m_tipLabel1 = makeTipLabel(0);
    return m_tipLabel1;
}

VQSecureTextField* VQModifyPasswordView::textField1()
{
    if (!m_textField1)
        m_textField1 = makeField(tipLabel1());
    return m_textField1;
}

VQLabel* VQModifyPasswordView::tipLabel2()
{
    if (!m_tipLabel2)
        m_tipLabel2 = makeTipLabel(bottomOf(textField1()) + kGap);
    return m_tipLabel2;
}

VQSecureTextField* VQModifyPasswordView::textField2()
{
    if (!m_textField2)
        m_textField2 = makeField(tipLabel2());
    return m_textField2;
}

VQLabel* VQModifyPasswordView::tipLabel3()
{
    if (!m_tipLabel3)
        m_tipLabel3 = makeTipLabel(bottomOf(textField2()) + kGap);
    return m_tipLabel3;
}

VQSecureTextField* VQModifyPasswordView::textField3()
{
    if (!m_textField3)
        m_textField3 = makeField(tipLabel3());
    return m_textField3;
}

VQButton* VQModifyPasswordView::cancelBtn()
{
    if (!m_cancelBtn) {
        m_cancelBtn = new VQButton(this);
        stylePanelButton(m_cancelBtn);
        m_cancelBtn->setGeometry(textField3()->x() + 10, bottomOf(textField3()) + 15, 80, 20);
        connect(m_cancelBtn, &VQButton::clicked, this, [this] { cancelBtnClicked(m_cancelBtn); });
    }
    return m_cancelBtn;
}

VQButton* VQModifyPasswordView::saveBtn()
{
    if (!m_saveBtn) {
        m_saveBtn = new VQButton(this);
        stylePanelButton(m_saveBtn);
        const QRect cancel = cancelBtn()->geometry();
        m_saveBtn->setGeometry(cancel.x() + cancel.width() + 50, cancel.y(), cancel.width(), cancel.height());
        connect(m_saveBtn, &VQButton::clicked, this, [this] { saveBtnClicked(m_saveBtn); });
    }
    return m_saveBtn;
}

void VQModifyPasswordView::cancelBtnClicked(VQButton* sender)
{
    Q_UNUSED(sender);
    hide();
    if (m_cancelBlock)
        m_cancelBlock();
}

void VQModifyPasswordView::saveBtnClicked(VQButton* sender)
{
    Q_UNUSED(sender);
    if (m_sureBlock)
        m_sureBlock();
}

bool VQModifyPasswordView::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        layoutTipLabels();
    return VQBaseView::event(event);
}

void VQModifyPasswordView::layoutTipLabels()
{
    for (VQLabel* label : { m_tipLabel1.data(), m_tipLabel2.data(), m_tipLabel3.data() }) {
        if (label)
            label->resize(label->sizeHint().width(), kTipHeight);
    }
}
