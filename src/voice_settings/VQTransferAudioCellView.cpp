#include "VQTransferAudioCellView.h"

#include "DesktopOpener.h"
#include "MMImage.h"
#include "MMLog.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQTransferAudioModel.h"
#include "VQWebApiAsrService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QVariantAnimation>

namespace {

constexpr int kRingSize = 22;
constexpr int kRingAnimationMs = 200;
constexpr char kFileManagerService[] = "org.freedesktop.FileManager1";
constexpr char kFileManagerPath[] = "/org/freedesktop/FileManager1";

} // namespace

VQTransferProgressRing::VQTransferProgressRing(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kRingSize, kRingSize);
}

void VQTransferProgressRing::setProgress(double progress, bool animated)
{
    progress = std::clamp(progress, 0.0, 1.0);
    if (m_animation) {
        m_animation->stop();
        m_animation->deleteLater();
        m_animation = nullptr;
    }
    if (!animated || progress <= m_progress) {
        m_progress = progress;
        update();
        return;
    }
    m_animation = new QVariantAnimation(this);
    m_animation->setStartValue(m_progress);
    m_animation->setEndValue(progress);
    m_animation->setDuration(kRingAnimationMs);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_progress = value.toDouble();
        update();
    });
    // The last value is the target itself, whatever the animation's last frame gave.
    connect(m_animation, &QVariantAnimation::finished, this, [this, progress] {
        m_progress = progress;
        update();
    });
    m_animation->start();
}

void VQTransferProgressRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(QColor(112, 112, 112), 2));
    painter.drawEllipse(ring);
    painter.setPen(QPen(QColor(12, 165, 192), 2, Qt::SolidLine, Qt::RoundCap));
    // Clockwise from the top.
    painter.drawArc(ring, 90 * 16, -int(m_progress * 360 * 16));
    const QPixmap image = mm::imageNamed(QStringLiteral("person_btn_zanting"), QSize(10, 10));
    if (!image.isNull())
        painter.drawPixmap(QRectF(rect()).center() - QPointF(5, 5), image);
}

VQTransferAudioCellView::VQTransferAudioCellView(QWidget* parent)
    : VQBaseView(parent)
{
    setFixedHeight(kRowHeight);
    m_nameLabel = new VQLabel(this);
    m_nameLabel->setTextColor(QColor(240, 240, 240));
    m_nameLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_progressBtn = new VQTransferProgressRing(this);
    m_openBtn = new VQButton(this);
    m_openBtn->setImageName(QStringLiteral("person_open_icon"));
    m_openBtn->setFixedSize(22, 22);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(m_nameLabel, 1);
    layout->addWidget(m_progressBtn);
    layout->addWidget(m_openBtn);
    connect(m_openBtn, &VQButton::clicked, this, [this] { revealFile(m_path); });
    connect(&VQWebApiAsrService::sharedInstance(), &VQWebApiAsrService::speechManagerRecognitionUpdateTransferProgress,
            this, &VQTransferAudioCellView::speechManagerRecognitionUpdateTransferProgress);
    m_progressBtn->hide();
    m_openBtn->hide();
}

void VQTransferAudioCellView::setModel(const VQTransferAudioModel& model)
{
    m_idStr = model.idStr;
    m_path = model.path;
    m_status = model.status;
    m_nameLabel->setText(model.path);
    m_nameLabel->setToolTip(model.path);
    const bool running = model.status == VQTransferAudioModel::Running;
    m_progressBtn->setVisible(running);
    m_openBtn->setVisible(!running);
}

double VQTransferAudioCellView::progress() const
{
    return m_progressBtn->progress();
}

void VQTransferAudioCellView::speechManagerRecognitionUpdateTransferProgress(double progress, QObject* transferAudioModel)
{
    auto* model = qobject_cast<VQTransferAudioModel*>(transferAudioModel);
    if (!model || m_idStr.isEmpty() || model->idStr != m_idStr)
        return;
    m_progressBtn->setProgress(progress, true);
}

void VQTransferAudioCellView::revealFile(const QString& path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    const QUrl folder = QUrl::fromLocalFile(info.absolutePath());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        VQLogInfo(QStringLiteral("no session bus: the folder of the result opens instead"));
        DesktopOpener::instance().openUrl(folder);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kFileManagerService),
                                                       QString::fromLatin1(kFileManagerPath),
                                                       QString::fromLatin1(kFileManagerService), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(info.absoluteFilePath()).toString()} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 3000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [folder](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<> reply = *w;
        if (!reply.isError())
            return;
        VQLogInfo(QStringLiteral("no file manager shows the result (%1): its folder opens instead").arg(reply.error().message()));
        if (!DesktopOpener::instance().openUrl(folder))
            VQLogWarn(QStringLiteral("the folder of the result cannot be opened: %1").arg(folder.toString()));
    });
}
