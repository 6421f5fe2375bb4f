#include "MMImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include <dlfcn.h>

// The clean-up routines registered with Qt, counted on their way to it.
static int g_postRoutines = 0;
void qAddPostRoutine(QtCleanUpFunction routine)
{
    ++g_postRoutines;
    reinterpret_cast<void (*)(QtCleanUpFunction)>(dlsym(RTLD_NEXT, "_Z15qAddPostRoutinePFvvE"))(routine);
}

namespace {

QImage sampleImage()
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(QColor(0, 175, 204));
    QPainter painter(&image);
    painter.fillRect(5, 5, 10, 10, Qt::red);
    return image;
}

TEST(MMImageTest, PNGDataRoundTrips)
{
    const QImage image = sampleImage();
    const QByteArray data = mm::mm_PNGData(image);
    ASSERT_TRUE(data.startsWith("\x89PNG\r\n\x1a\n"));
    QImage back;
    ASSERT_TRUE(back.loadFromData(data, "PNG"));
    EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), image);
    EXPECT_TRUE(mm::mm_PNGData(QImage()).isEmpty());
}

TEST(MMImageTest, WritingCreatesTheFolders)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + QStringLiteral("/Screenshots/2024/截图 1.png");
    ASSERT_TRUE(mm::mm_writeToFileAsPNG(sampleImage(), path));
    QImage back(path);
    EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), sampleImage());

    // Written again over the old file.
    QImage other = sampleImage();
    other.fill(Qt::black);
    ASSERT_TRUE(mm::mm_writeToFileAsPNG(other, path));
    EXPECT_EQ(QImage(path).pixelColor(0, 0), QColor(Qt::black));
}

TEST(MMImageTest, WritingFailsClearly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(mm::mm_writeToFileAsPNG(sampleImage(), QString()));
    EXPECT_FALSE(mm::mm_writeToFileAsPNG(sampleImage(), QStringLiteral("bare-name.png"))); // no folder part
    EXPECT_FALSE(mm::mm_writeToFileAsPNG(QImage(), dir.path() + QStringLiteral("/null.png")));
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/null.png")));
    EXPECT_FALSE(mm::mm_writeToFileAsPNG(sampleImage(), dir.path() + QStringLiteral("/folder/")));

    // The folder part is a file: it cannot be created.
    QFile blocker(dir.path() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(mm::mm_writeToFileAsPNG(sampleImage(), dir.path() + QStringLiteral("/blocker/x.png")));

    // A folder without write permission.
    const QString locked = dir.path() + QStringLiteral("/locked");
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(locked).isWritable()) { // root ignores permissions
        EXPECT_FALSE(mm::mm_writeToFileAsPNG(sampleImage(), locked + QStringLiteral("/x.png")));
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// True when the 7 x 7 modules at (mx, my) form a QR finder pattern: a dark ring, a light ring
// and a dark 3 x 3 centre, sampled at the centre of each module.
bool hasFinderPattern(const QImage& image, double moduleSize, int mx, int my)
{
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const bool ring = x == 0 || y == 0 || x == 6 || y == 6;
            const bool centre = x >= 2 && x <= 4 && y >= 2 && y <= 4;
            const bool dark = qGray(image.pixel(int((mx + x + 0.5) * moduleSize), int((my + y + 0.5) * moduleSize))) < 128;
            if (dark != (ring || centre))
                return false;
        }
    }
    return true;
}

TEST(MMImageTest, QRCodeHasTheSizeSharpModulesAndFinderPatterns)
{
    const int size = 330;
    const QImage code = mm::generatingTwoDimensionalCode(QStringLiteral("https://example.com/设备?sn=A1"), QString(), size);
    ASSERT_FALSE(code.isNull());
    EXPECT_EQ(code.size(), QSize(size, size));

    // Scaled without smoothing: only black and white.
    for (int y = 0; y < size; y += 3) {
        for (int x = 0; x < size; x += 3) {
            const QRgb p = code.pixel(x, y);
            ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x << "," << y;
        }
    }

    // Work out the version from the quiet zone: the first dark pixel is the finder's corner.
    int firstDark = 0;
    while (firstDark < size && qGray(code.pixel(firstDark, firstDark)) > 128)
        ++firstDark;
    ASSERT_GT(firstDark, 0);
    const double moduleSize = double(firstDark) / mm::qrQuietZoneModules;
    const int side = int(std::lround(size / moduleSize));
    const int modules = side - 2 * mm::qrQuietZoneModules;
    ASSERT_EQ((modules - 17) % 4, 0) << modules; // 21, 25, 29, ... modules per side
    const int q = mm::qrQuietZoneModules;
    EXPECT_TRUE(hasFinderPattern(code, moduleSize, q, q));
    EXPECT_TRUE(hasFinderPattern(code, moduleSize, q + modules - 7, q));
    EXPECT_TRUE(hasFinderPattern(code, moduleSize, q, q + modules - 7));
    EXPECT_FALSE(hasFinderPattern(code, moduleSize, q + modules - 7, q + modules - 7));
}

TEST(MMImageTest, QRCodeCentreImageIsDrawnSixteenSquareInTheMiddleOnly)
{
    const int size = 200;
    const QString text = QStringLiteral("VQ-0123456789");
    const QImage plain = mm::generatingTwoDimensionalCode(text, QString(), size);
    const QImage withIcon = mm::generatingTwoDimensionalCode(text, QStringLiteral("success_icon"), size);
    ASSERT_FALSE(mm::imagePath(QStringLiteral("success_icon")).isEmpty());
    ASSERT_EQ(withIcon.size(), plain.size());

    const QRect middle((size - 16) / 2, (size - 16) / 2, 16, 16);
    int changedInside = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (plain.pixel(x, y) == withIcon.pixel(x, y))
                continue;
            ASSERT_TRUE(middle.contains(x, y)) << x << "," << y;
            ++changedInside;
        }
    }
    EXPECT_GT(changedInside, 16);
}

TEST(MMImageTest, QRCodeRefusesWhatItCannotEncode)
{
    EXPECT_TRUE(mm::generatingTwoDimensionalCode(QStringLiteral("x"), QString(), 0).isNull());
    EXPECT_TRUE(mm::generatingTwoDimensionalCode(QString(5000, QLatin1Char('a')), QString(), 100).isNull());
    // A size smaller than the modules still gives an image of that size.
    EXPECT_EQ(mm::generatingTwoDimensionalCode(QStringLiteral("x"), QString(), 10).size(), QSize(10, 10));
}

TEST(MMImageTest, NamedImagesComeFromTheResources)
{
    EXPECT_TRUE(mm::imagePath(QStringLiteral("info_icon")).startsWith(QStringLiteral(":/images/info_icon")));
    const QPixmap icon = mm::imageNamed(QStringLiteral("info_icon"), QSize(24, 24));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.deviceIndependentSize().toSize(), QSize(24, 24));
    // Asked again, the same pixels are shared; another size is another image.
    EXPECT_EQ(mm::imageNamed(QStringLiteral("info_icon"), QSize(24, 24)).cacheKey(), icon.cacheKey());
    EXPECT_EQ(mm::imageNamed(QStringLiteral("info_icon"), QSize(12, 12)).deviceIndependentSize().toSize(), QSize(12, 12));
    EXPECT_TRUE(mm::imageNamed(QStringLiteral("no_such_image")).isNull());
    EXPECT_TRUE(mm::imagePath(QString()).isEmpty());
}

// An image larger than the whole cache is refused again and again: its clean-up is registered
// once, not once more per refusal (in a fresh process, whose cache is empty).
TEST(MMImageDeathTest, AnImageLargerThanTheCacheRegistersNoFurtherCleanUp)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto refusedThrice = [] {
        const int before = (mm::imageNamed(QStringLiteral("info_icon"), QSize(2000, 2000)), g_postRoutines);
        for (int i = 0; i < 3; ++i)
            mm::imageNamed(QStringLiteral("info_icon"), QSize(2000, 2000));
        std::_Exit(g_postRoutines - before);
    };
    EXPECT_EXIT(refusedThrice(), testing::ExitedWithCode(0), "");
}

} // namespace
