#include "VQTipWindow.h"

#include "NoFocusWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr qreal kCornerRadius = 10;
const QColor kPanelColor(51, 51, 51);

} // namespace

VQTipWindow::VQTipWindow(QWidget* parent)
    : QWidget(parent)
    , m_imageLabel(new QLabel(this))
    , m_textLabel(new QLabel(this))
{
    mm::makeNoFocusToolWindow(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(tipWidth, tipHeight);
    // Rounded without needing a compositor: the corners are cut out of the window.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, tipWidth, tipHeight), kCornerRadius, kCornerRadius);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));

    m_imageLabel->setFixedSize(imageSize, imageSize);
    m_imageLabel->setAlignment(Qt::AlignCenter);
    m_imageLabel->setScaledContents(true);
    m_textLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_textLabel->setWordWrap(true);
    QFont font = m_textLabel->font();
    font.setPixelSize(14);
    m_textLabel->setFont(font);
    QPalette pal = m_textLabel->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    m_textLabel->setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 30, 12, 16);
    layout->setSpacing(16);
    layout->addWidget(m_imageLabel, 0, Qt::AlignHCenter);
    layout->addWidget(m_textLabel, 1);

    m_closeTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the tip stays its full 2.0 s.
    m_closeTimer.setTimerType(Qt::PreciseTimer);
    m_closeTimer.setInterval(closeDelayMs);
    connect(&m_closeTimer, &QTimer::timeout, this, &VQTipWindow::closeTip);
}

QRect VQTipWindow::tipGeometry(const QRect& screenGeometry)
{
    const int x = screenGeometry.x() + (screenGeometry.width() - tipWidth) / 2;
    const int y = screenGeometry.y() + screenGeometry.height() - tipBottomOffset - tipHeight;
    return QRect(x, y, tipWidth, tipHeight);
}

void VQTipWindow::showTip(const QString& text, const QPixmap& image)
{
    m_textLabel->setText(text);
    m_imageLabel->setPixmap(image);
    m_imageLabel->setVisible(!image.isNull());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(tipGeometry(screen->geometry()));
    // Shown without activation (WA_ShowWithoutActivating), above other windows.
    show();
    raise();
    m_closeTimer.start();
}

QString VQTipWindow::text() const
{
    return m_textLabel->text();
}

bool VQTipWindow::hasImage() const
{
    return m_imageLabel->pixmap().isNull() == false;
}

void VQTipWindow::closeTip()
{
    m_closeTimer.stop();
    hide();
    m_textLabel->clear();
    m_imageLabel->clear();
}

void VQTipWindow::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    painter.fillPath(panel, kPanelColor);
}
