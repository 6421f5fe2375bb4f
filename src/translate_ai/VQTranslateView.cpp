#include "VQTranslateView.h"

#include "Clipboard.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQPopupWindowTool.h"
#include "VQTextView.h"

VQTranslateView::VQTranslateView(QWidget* parent)
    : VQWordView(parent)
    , m_fuzhiBtn(new VQButton(this))
{
    textView()->setMaxWidth(textWidth);
    m_fuzhiBtn->setImageName(QStringLiteral("copy_icon_black"));
    m_fuzhiBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
    m_fuzhiBtn->setFocusPolicy(Qt::NoFocus);
    connect(m_fuzhiBtn, &VQButton::clicked, this, &VQTranslateView::fuzhiBtnClicked);
    setIsYiView(false);
}

void VQTranslateView::setIsYiView(bool isYiView)
{
    m_isYiView = isYiView;
    placeCopyButton();
}

void VQTranslateView::clear()
{
    setStringValue(QStringLiteral(""));
    setViewHeight(0);
}

void VQTranslateView::fuzhiBtnClicked()
{
    const QString text = stringValue();
    if (text.isEmpty())
        return;
    if (!mm::mm_generalPasteboardSetString(text)) {
        VQLogWarn(QStringLiteral("translation window: the clipboard refused the %1 text")
                      .arg(m_isYiView ? QStringLiteral("translated") : QStringLiteral("source")));
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("复制失败")), QStringLiteral("error_icon"));
        return;
    }
    VQPopupWindowTool::sharedInstance().showTipMessage(
        QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("复制成功")), QStringLiteral("success_icon"));
}

void VQTranslateView::resizeEvent(QResizeEvent* event)
{
    VQWordView::resizeEvent(event);
    placeCopyButton();
}

void VQTranslateView::placeCopyButton()
{
    m_fuzhiBtn->setGeometry(width() - copyButtonMargin - copyButtonSize, height() - copyButtonMargin - copyButtonSize,
                            copyButtonSize, copyButtonSize);
    m_fuzhiBtn->raise();
}
