#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QString>

// Images: named resource images, PNG data and files, and QR codes.
namespace mm {

// The resource path of a named image: ":/images/<name>.svg" when it exists, else
// ":/images/<name>.png", else ":/images/<name>" (empty when none exists).
QString imagePath(const QString& name);
// The named image from the resources; a null pixmap (and one warning per name in the log) when
// there is none. An SVG is rendered at its own size, or at the given size when one is given.
// On the GUI thread an image is read once per name and size and then shared.
QPixmap imageNamed(const QString& name, const QSize& size = {});
// The named image read anew and kept nowhere, for images shown for a moment (the frames of an
// animation), which the shared pixmaps would otherwise keep for the session. Safe on any thread.
QImage readImageNamed(const QString& name, const QSize& size = {});
QIcon iconNamed(const QString& name);
// The part of the image that is at least half opaque, in its device-independent pixels: the
// shape of a window that shows the image over the screen without a compositing manager.
QRegion opaqueRegion(const QPixmap& image);

// The image encoded as PNG; empty for a null image.
QByteArray mm_PNGData(const QImage& image);
QByteArray mm_PNGData(const QPixmap& image);

// Writes the image as a PNG file. The path must be non-empty and name a folder part (an
// absolute path or one with a folder); the folder is created with its parents when missing.
// False when the path is not usable, the image is null, or the folder or file cannot be written.
bool mm_writeToFileAsPNG(const QImage& image, const QString& path);
bool mm_writeToFileAsPNG(const QPixmap& image, const QString& path);

// The QR code of the text (UTF-8, error correction level M, 8-bit mode) as a size x size image,
// black modules on white with a quiet zone of 4 modules, scaled without smoothing. When
// centerImageName is not empty the named image is drawn 16 x 16 in the middle. A null image
// when size is not positive or the text cannot be encoded (too long).
QImage generatingTwoDimensionalCode(const QString& text, const QString& centerImageName, int size);

// The size of the centre image of a QR code.
inline constexpr int qrCenterImageSize = 16;
// The quiet zone around a QR code, in modules.
inline constexpr int qrQuietZoneModules = 4;

} // namespace mm
