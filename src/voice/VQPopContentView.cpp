#include "VQPopContentView.h"

#include <QScrollArea>
#include <QScrollBar>

#include "MMImage.h"
#include "NSAnimateImageView.h"
#include "VQPopupWindow.h"
#include "VQWordView.h"

#include <QLabel>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr int kTypeFrameCount = 13;
constexpr int kListeningFrameCount = 39;
// The wave strip overlaps the text box by this much, the translation box the wave strip.
constexpr int kWaveOverlap = 10;
constexpr int kTranslationOverlap = 12;
// Room below the last box for the lower half of the icon.
constexpr int kBottomExtra = 40;
// What the wave strip adds with a translation: from the text box's bottom to the translation
// box's top, plus the top inset.
constexpr int kTranslationExtra = VQPopContentView::boxInset + VQPopContentView::waveHeight - kWaveOverlap - kTranslationOverlap;
constexpr qreal kBoxCornerRadius = 8;
// The recognised text keeps this far from the window's close button over its top-right corner.
constexpr int kCloseButtonGap = 8;

const QColor kFanTextColor(112, 112, 112);
const QColor kYiBoxColor(0, 175, 204);

QStringList numberedNames(const QString& prefix, int count)
{
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1_000%2").arg(prefix).arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

} // namespace

VQPopContentView::VQPopContentView(QWidget* parent)
    : QWidget(parent)
    , m_fanWordView(new VQWordView(this))
    , m_yiWordView(new VQWordView(this))
    , m_waveView(new QWidget(this))
    , m_typeImageView(new NSAnimateImageView(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);

    // Each box's lines end inside it; those of the text box clear of the close button too.
    const int boxText = VQPopupWindow::popupWidth - 2 * (boxInset + VQWordView::contentMargin);
    m_fanWordView->setTextWidth(boxText - (VQPopupWindow::closeSize - boxInset - VQWordView::contentMargin) - kCloseButtonGap);
    m_yiWordView->setTextWidth(boxText);
    m_fanWordView->setContentBgColor(Qt::white);
    m_fanWordView->setTextColor(kFanTextColor);
    m_yiWordView->setContentBgColor(kYiBoxColor);
    m_yiWordView->setTextColor(Qt::white);
    // Both boxes stay on their last lines: the latest words are the ones the speaker waits for.
    for (VQWordView* box : {m_fanWordView, m_yiWordView}) {
        QScrollBar* bar = box->scrollView()->verticalScrollBar();
        connect(bar, &QScrollBar::rangeChanged, bar, [bar](int, int maximum) { bar->setValue(maximum); });
    }

    // The wave strip: a white strip filled by the wave image.
    m_waveView->setAutoFillBackground(true);
    QPalette wavePalette = m_waveView->palette();
    wavePalette.setColor(QPalette::Window, Qt::white);
    m_waveView->setPalette(wavePalette);
    auto* wave = new QLabel(m_waveView);
    wave->setScaledContents(true);
    wave->setPixmap(mm::imageNamed(QStringLiteral("wave_icon")));
    auto* waveLayout = new QVBoxLayout(m_waveView);
    waveLayout->setContentsMargins(0, 0, 0, 0);
    waveLayout->addWidget(wave);

    // The translation and its wave show only with a translation.
    m_waveView->hide();
    m_yiWordView->hide();
    // Stacking, bottom to top: text box, wave strip, translation box, icon.
    m_waveView->raise();
    m_yiWordView->raise();
    m_typeImageView->raise();

    m_listeningTimer.setSingleShot(true);
    m_listeningTimer.setTimerType(Qt::PreciseTimer);
    m_listeningTimer.setInterval(switchToListeningMs);
    connect(&m_listeningTimer, &QTimer::timeout, this, &VQPopContentView::showListeningFrames);

    layoutSubviews();
}

QStringList VQPopContentView::typeFrameNames(int type)
{
    switch (type) {
    case typingType:
        return numberedNames(QStringLiteral("say"), kTypeFrameCount);
    case translationType:
        return numberedNames(QStringLiteral("trans"), kTypeFrameCount);
    case searchType:
        return numberedNames(QStringLiteral("search"), kTypeFrameCount);
    default:
        return {};
    }
}

QStringList VQPopContentView::listeningFrameNames()
{
    return numberedNames(QStringLiteral("start"), kListeningFrameCount);
}

QString VQPopContentView::shownTail(const QString& text)
{
    if (text.size() <= kShownChars)
        return text;
    qsizetype start = text.size() - kShownChars;
    if (text.at(start).isLowSurrogate())
        ++start;
    return QStringLiteral("…") + text.mid(start);
}

void VQPopContentView::setFanText(const QString& text)
{
    m_fanText = text;
    m_fanWordView->setStringValue(shownTail(text));
    m_fanHeight = m_fanWordView->viewHeight();
    updateViewHeight();
}

void VQPopContentView::setYiText(const QString& text)
{
    m_yiText = text;
    m_yiWordView->setStringValue(shownTail(text));
    const bool shown = !text.isEmpty();
    m_yiWordView->setVisible(shown);
    m_waveView->setVisible(shown);
    m_yiHeight = m_yiWordView->viewHeight();
    updateViewHeight();
}

void VQPopContentView::updateViewHeight()
{
    m_viewHeight = m_yiText.isEmpty() ? m_fanHeight + kBottomExtra : m_fanHeight + m_yiHeight + kBottomExtra + kTranslationExtra;
    layoutSubviews();
}

void VQPopContentView::setPressType(int type)
{
    m_pressType = type;
    if (type == m_iconType)
        return;
    m_iconType = type;
    m_listeningTimer.stop();
    const QStringList names = typeFrameNames(type);
    m_typeImageView->setImageNames(names, QSize(iconSize, iconSize));
    if (names.isEmpty()) {
        m_typeImageView->stopAnimation();
        return;
    }
    m_typeImageView->startAnimation();
    m_listeningTimer.start();
}

void VQPopContentView::showListeningFrames()
{
    m_typeImageView->stopAnimation();
    m_typeImageView->setImageNames(listeningFrameNames(), QSize(iconSize, iconSize));
    m_typeImageView->startAnimation();
}

void VQPopContentView::layoutSubviews()
{
    const int boxWidth = qMax(0, width() - 2 * boxInset);
    m_fanWordView->setGeometry(boxInset, boxInset, boxWidth, m_fanHeight);
    const int waveTop = boxInset + m_fanHeight - kWaveOverlap;
    m_waveView->setGeometry(boxInset, waveTop, boxWidth, waveHeight);
    m_yiWordView->setGeometry(boxInset, waveTop + waveHeight - kTranslationOverlap, boxWidth, m_yiHeight);
    m_typeImageView->setGeometry((width() - iconSize) / 2, height() - iconSize, iconSize, iconSize);
}

QRegion VQPopContentView::paintedRegion() const
{
    QRegion region;
    for (const QWidget* box : { static_cast<const QWidget*>(m_fanWordView), static_cast<const QWidget*>(m_yiWordView) }) {
        if (box->isHidden() || box->height() <= 0)
            continue;
        QPainterPath outline;
        outline.addRoundedRect(QRectF(box->geometry()), kBoxCornerRadius, kBoxCornerRadius);
        region += QRegion(outline.toFillPolygon().toPolygon());
    }
    if (!m_waveView->isHidden())
        region += m_waveView->geometry();
    if (m_typeImageView->frameCount() > 0)
        region += QRegion(m_typeImageView->geometry(), QRegion::Ellipse);
    return region;
}

void VQPopContentView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutSubviews();
}
