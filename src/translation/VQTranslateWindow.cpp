#include "VQTranslateWindow.h"

#include "NoFocusWindow.h"
#include "VQButton.h"
#include "VQTranslateContentView.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

VQTranslateWindow::VQTranslateWindow(QWidget* parent)
    : QWidget(parent)
    , m_content(new VQTranslateContentView(this))
    , m_closeBtn(new VQButton(this))
{
    mm::makeNoFocusToolWindow(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QStringLiteral("translation"));

    m_closeBtn->setImageName(QStringLiteral("close_white_icon"));
    m_closeBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
    m_closeBtn->setFocusPolicy(Qt::NoFocus);
    connect(m_closeBtn, &VQButton::clicked, this, &VQTranslateWindow::closeBtnClicked);
    placeOnScreen();
}

QRect VQTranslateWindow::windowGeometry(const QRect& screenGeometry, double contentHeight)
{
    const int height = qMax(qCeil(contentHeight), minHeight);
    const int x = screenGeometry.x() + screenGeometry.width() - windowWidth - rightMargin;
    const int bottom = screenGeometry.y() + screenGeometry.height() - bottomMargin;
    return QRect(x, bottom - height, windowWidth, height);
}

void VQTranslateWindow::placeOnScreen()
{
    const double contentHeight = m_content->viewHeight();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(windowGeometry(screen->geometry(), contentHeight));
    else
        resize(windowWidth, qMax(qCeil(contentHeight), minHeight));
}

void VQTranslateWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_content->setGeometry(rect());
    m_closeBtn->setGeometry(width() - closeButtonSize, 0, closeButtonSize, closeButtonSize);
    m_closeBtn->raise();
}

void VQTranslateWindow::showInWindow()
{
    m_isShow = true;
    m_content->reloadLanguages();
    placeOnScreen();
    // Shown without activation, in front of other windows.
    show();
    raise();
}

void VQTranslateWindow::dismissWindow()
{
    m_isShow = false;
    hide();
}

void VQTranslateWindow::closeBtnClicked()
{
    dismissWindow();
}

void VQTranslateWindow::setFanText(const QString& text)
{
    // A different source empties the translation pane: an older translation never stands under
    // a text it does not belong to.
    if (text != m_fanText) {
        m_yiText.clear();
        m_content->clearYiText();
    }
    m_fanText = text;
    m_content->setFanText(text);
    placeOnScreen();
}

void VQTranslateWindow::setYiText(const QString& text)
{
    if (text.isEmpty())
        return; // the translation pane keeps what it shows
    m_yiText = text;
    m_content->setYiText(text);
    placeOnScreen();
}

QRect VQTranslateWindow::contentGlobalRect() const
{
    return QRect(mapToGlobal(QPoint(0, 0)), size());
}
