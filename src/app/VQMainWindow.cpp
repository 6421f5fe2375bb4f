#include "VQMainWindow.h"

#include "MMImage.h"
#include "VQLabel.h"
#include "VQLeftNavigationView.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QCloseEvent>
#include <QShowEvent>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kLeftBackground(241, 244, 248);

void fillBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

VQMainWindow::VQMainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    setWindowIcon(mm::iconNamed(QString::fromLatin1(kAppIconName)));
    setFixedSize(kWidth, kHeight);
    fillBackground(this, Qt::white);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_leftView = new QWidget(this);
    m_leftView->setFixedWidth(kLeftWidth);
    fillBackground(m_leftView, kLeftBackground);
    auto* left = new QVBoxLayout(m_leftView);
    left->setContentsMargins(0, 24, 0, 20);
    left->setSpacing(0);

    auto* brand = new QHBoxLayout;
    brand->setContentsMargins(20, 0, 16, 0);
    brand->setSpacing(10);
    auto* logo = new VQLabel(m_leftView);
    logo->setPixmap(mm::imageNamed(QString::fromLatin1(kAppIconName), QSize(36, 36)));
    logo->setFixedSize(36, 36);
    auto* name = new VQLabel(QString::fromLatin1(kBrandName), m_leftView);
    QFont nameFont = name->font();
    nameFont.setPixelSize(20);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setTextColor(kTextColor);
    brand->addWidget(logo);
    brand->addWidget(name, 1);
    left->addLayout(brand);
    left->addSpacing(32);

    m_navigationView = new VQLeftNavigationView(m_leftView);
    left->addWidget(m_navigationView, 1);

    m_lowElectricImageView = new VQLabel(m_leftView);
    m_lowElectricImageView->setPixmap(mm::imageNamed(QString::fromLatin1(kLowElectricImageName), QSize(36, 18)));
    m_lowElectricImageView->setFixedSize(36, 18);
    m_lowElectricImageView->hide();
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(24, 0, 0, 0);
    bottom->addWidget(m_lowElectricImageView);
    bottom->addStretch(1);
    left->addLayout(bottom);

    m_rightView = new QWidget(this);
    fillBackground(m_rightView, Qt::white);
    m_pages = new QStackedLayout(m_rightView);
    m_pages->setContentsMargins(0, 0, 0, 0);
    m_emptyPage = new QWidget(m_rightView);
    m_pages->addWidget(m_emptyPage);

    layout->addWidget(m_leftView);
    layout->addWidget(m_rightView, 1);
}

void VQMainWindow::addPageView(QWidget* view)
{
    if (view == nullptr || m_pages->indexOf(view) >= 0)
        return;
    QWidget* current = m_pages->currentWidget();
    m_pages->addWidget(view);
    m_pages->setCurrentWidget(current);
}

void VQMainWindow::showPageView(QWidget* view)
{
    if (view != nullptr && m_pages->indexOf(view) < 0)
        m_pages->addWidget(view);
    m_pages->setCurrentWidget(view != nullptr ? view : m_emptyPage);
}

void VQMainWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        Q_EMIT aboutToShow();
    QWidget::showEvent(event);
}

void VQMainWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!event->isAccepted())
        return;
    // Closing destroys the X window but keeps the QWindow and the backing store; destroy()
    // lets both go.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible() && windowHandle() != nullptr)
            destroy();
    });
}

QWidget* VQMainWindow::currentPageView() const
{
    QWidget* current = m_pages->currentWidget();
    return current == m_emptyPage ? nullptr : current;
}

void VQMainWindow::centerOnScreen()
{
    QScreen* screen = isVisible() && this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
