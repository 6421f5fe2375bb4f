#include "VQGuidePopover.h"

#include "MMImage.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kSecondaryColor(112, 112, 112);
const QColor kAccentColor(0, 175, 204);
const QColor kBorderColor(213, 222, 230);
const char kAppIconName[] = "AppIcon";
const char kWindowTitle[] = "Corvane Companion";
constexpr int kScreenMargin = 8;

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

} // namespace

VQGuidePopover::VQGuidePopover(QWidget* parent)
    : VQBaseView(parent)
{
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    setWindowIcon(mm::iconNamed(QString::fromLatin1(kAppIconName)));
    setFixedSize(kWidth, kHeight);
    configUI();
    configTitle();
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        // A popover goes away when the user turns to another application.
        if (m_anchored && isVisible() && state != Qt::ApplicationActive)
            hide();
    });
}

void VQGuidePopover::configUI()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    m_closeButton = new VQButton(this);
    m_closeButton->setTitle(QString::fromUtf8(kCloseText));
    m_closeButton->setTitleColor(kSecondaryColor);
    m_closeButton->setFixedSize(28, 28);
    m_closeButton->move(kWidth - 36, 8);
    connect(m_closeButton, &VQButton::clicked, this, &QWidget::hide);

    m_imageView = new VQLabel(this);
    m_imageView->setPixmap(mm::imageNamed(QString::fromLatin1(kGuideImageName), QSize(260, 150)));
    m_imageView->setAlignment(Qt::AlignCenter);
    m_imageView->setFixedHeight(150);

    m_titleLabel = new VQLabel(this);
    QFont titleFont = m_titleLabel->font();
    titleFont.setPixelSize(19);
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setTextColor(kTextColor);
    m_titleLabel->setAlignment(Qt::AlignCenter);

    QFont textFont = font();
    textFont.setPixelSize(14);
    m_connectLabel = new VQLabel(this);
    m_connectLabel->setFont(textFont);
    m_connectLabel->setTextColor(kTextColor);
    m_connectLabel->setAlignment(Qt::AlignCenter);
    m_connectLabel->setWordWrap(true);
    m_autoOpenLabel = new VQLabel(this);
    m_autoOpenLabel->setFont(textFont);
    m_autoOpenLabel->setTextColor(kSecondaryColor);
    m_autoOpenLabel->setAlignment(Qt::AlignCenter);
    m_autoOpenLabel->setWordWrap(true);

    QFont buttonFont = font();
    buttonFont.setPixelSize(14);
    m_permissionsButton = new VQButton(this);
    m_permissionsButton->setFont(buttonFont);
    m_permissionsButton->setTitleColor(kAccentColor);
    m_permissionsButton->setBorderColor(kAccentColor);
    m_permissionsButton->setBorderWidth(1);
    m_permissionsButton->setCornerRadius(16);
    m_permissionsButton->setHighlightBackGroundColor(QColor(224, 245, 249));
    m_permissionsButton->setFixedHeight(32);
    m_permissionsButton->setMinimumWidth(120);
    connect(m_permissionsButton, &VQButton::clicked, this, &VQGuidePopover::permissionsClicked);

    m_quitButton = new VQButton(this);
    m_quitButton->setFont(buttonFont);
    m_quitButton->setTitleColor(Qt::white);
    m_quitButton->setBackgroundColor(kAccentColor);
    m_quitButton->setCornerRadius(16);
    m_quitButton->setHighlightBackGroundColor(QColor(0, 150, 176));
    m_quitButton->setFixedHeight(32);
    m_quitButton->setMinimumWidth(120);
    connect(m_quitButton, &VQButton::clicked, this, &VQGuidePopover::quitClicked);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 40, 28, 24);
    layout->setSpacing(0);
    layout->addWidget(m_imageView);
    layout->addSpacing(22);
    layout->addWidget(m_titleLabel);
    layout->addSpacing(12);
    layout->addWidget(m_connectLabel);
    layout->addSpacing(8);
    layout->addWidget(m_autoOpenLabel);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addStretch(1);
    buttons->addWidget(m_permissionsButton);
    buttons->addWidget(m_quitButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    m_closeButton->raise();
}

void VQGuidePopover::configTitle()
{
    m_titleLabel->setText(tr8(kTitleText));
    m_connectLabel->setText(tr8(kConnectText));
    m_autoOpenLabel->setText(tr8(kAutoOpenText));
    m_permissionsButton->setTitle(tr8(kPermissionsText));
    m_quitButton->setTitle(tr8(kQuitText));
}

void VQGuidePopover::setAnchoredFlags(bool anchored)
{
    if (m_flagsSet && m_anchored == anchored)
        return;
    m_flagsSet = true;
    m_anchored = anchored;
    // Changing the flags hides the window; it is shown again by the caller.
    setWindowFlags(anchored ? Qt::WindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
                            : Qt::WindowFlags(Qt::Window));
    m_closeButton->setVisible(anchored);
}

void VQGuidePopover::showAnchored(const QRect& anchor, bool activate)
{
    setAnchoredFlags(true);
    // Where the icon's place is not known, the guide is where the user looks: in the middle of the
    // screen with the pointer.
    QScreen* screen = QGuiApplication::screenAt(anchor.isEmpty() ? QCursor::pos() : anchor.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, kWidth, kHeight);
    QPoint origin;
    if (anchor.isEmpty()) {
        origin = available.center() - QPoint(kWidth / 2, kHeight / 2);
    } else {
        // Below an icon in the upper half of the screen, above one in the lower half.
        const int x = anchor.center().x() - kWidth / 2;
        const int y = anchor.center().y() < available.center().y() ? anchor.bottom() + 1 + kScreenMargin
                                                                    : anchor.top() - kHeight - kScreenMargin;
        origin = QPoint(x, y);
    }
    origin.setX(qBound(available.left(), origin.x(), available.right() + 1 - kWidth));
    origin.setY(qBound(available.top(), origin.y(), available.bottom() + 1 - kHeight));
    move(origin);
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    raise();
    if (activate)
        activateWindow();
}

void VQGuidePopover::showCentered()
{
    setAnchoredFlags(false);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    show();
    raise();
}

void VQGuidePopover::paintEvent(QPaintEvent* event)
{
    VQBaseView::paintEvent(event);
    if (m_anchored) {
        // A popover has no window frame: a thin border sets it off from what lies beneath.
        QPainter painter(this);
        painter.setPen(kBorderColor);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!m_painted) {
        m_painted = true;
        Q_EMIT firstPainted();
    }
}

void VQGuidePopover::hideEvent(QHideEvent* event)
{
    VQBaseView::hideEvent(event);
    // Not at once: a change of the window flags hides the window and shows it again.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible() && windowHandle() != nullptr)
            destroy();
    });
}
