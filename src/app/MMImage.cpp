#include "MMImage.h"

#include "MMLog.h"

#include <QBitmap>
#include <QBuffer>
#include <QCache>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMutex>
#include <QPainter>
#include <QSet>
#include <QThread>
#include <QTransform>

#include <qrencode.h>

#include <memory>

namespace mm {

namespace {

// Warns once per name, so a missing image does not flood the log on every repaint.
void warnMissingImage(const QString& name)
{
    static QMutex mutex;
    static QSet<QString> warned;
    QMutexLocker locker(&mutex);
    if (warned.contains(name))
        return;
    warned.insert(name);
    VQLogWarn(QStringLiteral("image \"%1\" not found in the resources").arg(name));
}

qreal pixelRatio()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? qGuiApp->devicePixelRatio() : 1.0;
}

} // namespace

// An SVG (or any scalable format) is rendered at the requested size, else at its own size, in
// device pixels.
QImage readImageNamed(const QString& name, const QSize& size)
{
    const QString path = imagePath(name);
    if (path.isEmpty()) {
        warnMissingImage(name);
        return {};
    }
    QImageReader reader(path);
    const qreal ratio = pixelRatio();
    QSize target = size.isValid() && !size.isEmpty() ? size : reader.size();
    if (target.isValid() && !target.isEmpty() && (reader.supportsOption(QImageIOHandler::ScaledSize) || size.isValid()))
        reader.setScaledSize(target * ratio);
    QImage image = reader.read();
    if (image.isNull()) {
        warnMissingImage(name);
        return {};
    }
    if (target.isValid() && !target.isEmpty() && image.size() != target * ratio)
        image = image.scaled(target * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return image;
}

QString imagePath(const QString& name)
{
    if (name.isEmpty())
        return {};
    const QString base = QStringLiteral(":/images/") + name;
    const QString candidates[] = { base + QStringLiteral(".svg"), base + QStringLiteral(".png"), base };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

QPixmap imageNamed(const QString& name, const QSize& size)
{
    // Every button and row asks for the same few icons: one shared pixmap per name and size, so a
    // list of rows holds one rendering (and, for an SVG, one paint engine) instead of one a row.
    // Least recently used images go first once the cache holds 8 MiB of pixels.
    static QCache<QString, QPixmap> cache(8 * 1024);
    const bool guiThread = QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
    const QString key = QStringLiteral("%1|%2x%3|%4").arg(name, QString::number(size.width()), QString::number(size.height()),
                                                           QString::number(pixelRatio()));
    if (guiThread) {
        if (const QPixmap* cached = cache.object(key))
            return *cached;
    }
    const QImage image = readImageNamed(name, size);
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    if (guiThread) {
        // The pixmaps go with the application, not after it: one routine per application,
        // however often the cache empties or refuses an image larger than itself.
        static bool clearedWithTheApplication = false;
        if (!clearedWithTheApplication) {
            clearedWithTheApplication = true;
            qAddPostRoutine([] {
                cache.clear();
                clearedWithTheApplication = false;
            });
        }
        cache.insert(key, new QPixmap(pixmap), qMax<qsizetype>(1, qsizetype(image.sizeInBytes()) / 1024));
    }
    return pixmap;
}

QRegion opaqueRegion(const QPixmap& image)
{
    if (image.isNull())
        return {};
    // createAlphaMask keeps the pixels at least half opaque.
    const QRegion pixels(QBitmap::fromImage(image.toImage().createAlphaMask()));
    const qreal ratio = image.devicePixelRatio();
    return qFuzzyCompare(ratio, 1.0) ? pixels : QTransform::fromScale(1 / ratio, 1 / ratio).map(pixels);
}

QIcon iconNamed(const QString& name)
{
    const QString path = imagePath(name);
    if (path.isEmpty()) {
        warnMissingImage(name);
        return {};
    }
    return QIcon(path);
}

QByteArray mm_PNGData(const QImage& image)
{
    if (image.isNull())
        return {};
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return data;
}

QByteArray mm_PNGData(const QPixmap& image)
{
    return image.isNull() ? QByteArray() : mm_PNGData(image.toImage());
}

bool mm_writeToFileAsPNG(const QImage& image, const QString& path)
{
    if (path.isEmpty())
        return false;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return false;
    const QString folder = slash == 0 ? QStringLiteral("/") : path.left(slash);
    if (path.size() == slash + 1)
        return false; // a folder, not a file
    const QByteArray data = mm_PNGData(image);
    if (data.isEmpty())
        return false;
    if (!QDir().mkpath(folder))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (file.write(data) != data.size()) {
        file.close();
        file.remove();
        return false;
    }
    return file.flush();
}

bool mm_writeToFileAsPNG(const QPixmap& image, const QString& path)
{
    return !image.isNull() && mm_writeToFileAsPNG(image.toImage(), path);
}

QImage generatingTwoDimensionalCode(const QString& text, const QString& centerImageName, int size)
{
    if (size <= 0)
        return {};
    const QByteArray utf8 = text.toUtf8();
    // Binary mode over the UTF-8 bytes: the length is explicit, so any text is encoded as is.
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(utf8.size(), reinterpret_cast<const unsigned char*>(utf8.constData()), 0, QR_ECLEVEL_M),
        &QRcode_free);
    if (!code) {
        VQLogWarn(QStringLiteral("QR code: the text (%1 bytes) cannot be encoded").arg(utf8.size()));
        return {};
    }

    // One pixel per module first, then scaled up without smoothing, so the modules stay sharp.
    const int modules = code->width;
    const int side = modules + 2 * qrQuietZoneModules;
    QImage small(side, side, QImage::Format_RGB32);
    small.fill(Qt::white);
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < modules; ++y) {
        const unsigned char* row = code->data + y * modules;
        for (int x = 0; x < modules; ++x) {
            if (row[x] & 0x01)
                small.setPixel(x + qrQuietZoneModules, y + qrQuietZoneModules, black);
        }
    }
    QImage result = small.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    if (!centerImageName.isEmpty()) {
        const QImage center = readImageNamed(centerImageName, QSize(qrCenterImageSize, qrCenterImageSize));
        if (!center.isNull()) {
            QPainter painter(&result);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            const int offset = (size - qrCenterImageSize) / 2;
            painter.drawImage(QRect(offset, offset, qrCenterImageSize, qrCenterImageSize), center);
        }
    }
    return result;
}

} // namespace mm
