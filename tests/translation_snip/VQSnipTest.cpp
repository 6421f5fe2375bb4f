// Screen-region capture on two offscreen screens, the second at device pixel ratio 2, with the
// screens painted by a known pattern: what the user drags, what the tool bar offers and what
// leaves the program (the recognition and translation requests, the clipboard, the file).
#include "FakeFileChooser.h"
#include "FakeGlobalShortcuts.h"
#include "FakeScreenGrabber.h"
#include "LogCapture.h"
#include "QRNLocalizedString.h"
#include "TranslateTestFixture.h"
#include "VQButton.h"
#include "VQPopUpButton.h"
#include "VQSnip.h"
#include "VQSnipFullWindow.h"
#include "VQSnipToolView.h"
#include "VQHttpRequestManager.h"
#include "VQTipWindow.h"
#include "VQTranslateContentView.h"
#include "VQTranslateManager.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>

namespace {

constexpr int kPlainScreen = 0;
constexpr int kDenseScreen = 1;

class SnipTest : public TranslateTest {
protected:
    void SetUp() override
    {
        TranslateTest::SetUp();
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        ASSERT_EQ(QGuiApplication::screens().at(kDenseScreen)->devicePixelRatio(), 2.0);
        VQSnip::resetForTests();
        VQLanguageManager::sharedInstance().setScreenshotsTranslateFromLanguageArray(
            {QVariantMap{{QStringLiteral("code"), QStringLiteral("EN_US")}, {QStringLiteral("name"), QStringLiteral("English")}},
             QVariantMap{{QStringLiteral("code"), QStringLiteral("JA_JP")}, {QStringLiteral("name"), QStringLiteral("Japanese")}}});
        VQLanguageManager::sharedInstance().setScreenshotsFromTag(1);
        VQLanguageManager::sharedInstance().setScreenshotsTag(5);
        maker.setResponder(QStringLiteral("/api/ocr"), [this](const vqtest::StandInRequest&) {
            if (ocrReply)
                return *ocrReply;
            return vqtest::StandInReply::api(QJsonObject{
                {QStringLiteral("words"),
                 QJsonArray{QJsonObject{{QStringLiteral("text"), QStringLiteral("first line")}},
                            QJsonObject{{QStringLiteral("text"), QStringLiteral("second line")}}}}});
        });
    }

    void TearDown() override
    {
        VQSnip::resetForTests();
        VQPopupWindowTool::sharedInstance().tipWindow()->closeTip();
        TranslateTest::TearDown();
    }

    static VQSnip& snip() { return VQSnip::sharedInstance(); }

    static void mouse(QEvent::Type type, int screen, QPoint local)
    {
        QWidget* overlay = snip().allFullWindow().at(screen);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(local), QPointF(overlay->mapToGlobal(local)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(overlay, &event);
    }

    // Starts a capture and drags on the screen from one point to another (the moves may leave
    // the screen: positions outside it reach the pressed overlay, as the pointer grab delivers them).
    static void drag(int screen, QPoint from, const QList<QPoint>& moves)
    {
        snip().startSnip();
        ASSERT_TRUE(snip().isSniping());
        mouse(QEvent::MouseButtonPress, screen, from);
        for (const QPoint& p : moves)
            mouse(QEvent::MouseMove, screen, p);
        mouse(QEvent::MouseButtonRelease, screen, moves.isEmpty() ? from : moves.last());
    }

    static bool overlaysGone()
    {
        return !snip().isSniping() && snip().allFullWindow().isEmpty();
    }

    QList<vqtest::StandInRequest> requestsTo(const QString& path) const
    {
        QList<vqtest::StandInRequest> found;
        for (const vqtest::StandInRequest& request : maker.requests()) {
            if (request.path == path)
                found.append(request);
        }
        return found;
    }

    static QImage expectedPattern(int screen, QRect pixels)
    {
        QImage image(pixels.size(), QImage::Format_RGB32);
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x)
                image.setPixel(x, y, FakeScreenGrabber::patternAt(screen, pixels.x() + x, pixels.y() + y));
        return image;
    }

    static QString tipText() { return VQPopupWindowTool::sharedInstance().tipWindow()->text(); }

    FakeScreenGrabber grabber;
    FakeGlobalShortcuts shortcuts;
    FakeFileChooser chooser;
    std::optional<vqtest::StandInReply> ocrReply; // the recognition's answer instead of the two lines
};

TEST_F(SnipTest, DragsSpanOneRectangleInEveryDirectionAndTheBarStaysOnTheScreen)
{
    const QSize plain = QGuiApplication::screens().at(kPlainScreen)->size();
    struct Row {
        const char* what;
        QPoint from;
        QList<QPoint> moves;
        QRect selection;
        QRect bar;
    };
    const QPoint s(400, 300);
    const Row rows[] = {
        {"right and down", s, {{560, 380}}, {400, 300, 160, 80}, {360, 390, 200, 40}},
        {"right and up", {400, 380}, {{560, 300}}, {400, 300, 160, 80}, {360, 390, 200, 40}},
        {"left and down", {560, 300}, {{400, 380}}, {400, 300, 160, 80}, {360, 390, 200, 40}},
        {"left and up", {560, 380}, {{400, 300}}, {400, 300, 160, 80}, {360, 390, 200, 40}},
        {"no room below: above the selection", {100, 600}, {{300, plain.height() - 5}}, {100, 600, 200, plain.height() - 605}, {100, 550, 200, 40}},
        {"no room on either side: inside the bottom edge", {0, 20}, {{150, plain.height() - 20}}, {0, 20, 150, plain.height() - 40}, {0, plain.height() - 70, 200, 40}},
        {"a wander onto the other screen keeps the last rectangle", s, {{500, 350}, {plain.width() + 40, 360}}, {400, 300, 100, 50}, {300, 360, 200, 40}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        drag(kPlainScreen, row.from, row.moves);
        EXPECT_EQ(snip().imageRect(), row.selection);
        EXPECT_EQ(snip().allFullWindow().size(), 2) << "every screen is covered";
        EXPECT_EQ(snip().allFullWindow().at(kPlainScreen)->selection(), row.selection);
        EXPECT_TRUE(snip().allFullWindow().at(kDenseScreen)->selection().isEmpty());
        VQSnipToolView* bar = snip().toolView();
        EXPECT_EQ(bar->parentWidget(), snip().allFullWindow().at(kPlainScreen));
        EXPECT_TRUE(bar->isVisible());
        EXPECT_EQ(bar->geometry(), row.bar);
        snip().toolSelectedWithIndex(VQSnip::Cancel);
        EXPECT_TRUE(overlaysGone());
    }
    EXPECT_TRUE(requestsTo(QStringLiteral("/api/ocr")).isEmpty());
}

TEST_F(SnipTest, RecognitionToolsSendTheHighDensityCropAndShowTheLinesThenTheTranslation)
{
    struct Row {
        const char* what;
        int tool;
        bool translated;
    };
    const Row rows[] = {
        {"recognise and translate", VQSnip::RecogniseAndTranslate, true},
        {"recognise only", VQSnip::RecogniseOnly, false},
    };
    int ocrCount = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const qsizetype translationsBefore = translateRequests().size();
        drag(kDenseScreen, {30, 40}, {{80, 60}, {130, 90}});
        ASSERT_EQ(snip().imageRect(), QRect(30, 40, 100, 50));
        if (row.translated) {
            const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
            ASSERT_TRUE(QDir().mkpath(dir));
            for (int screen : {kPlainScreen, kDenseScreen})
                EXPECT_TRUE(snip().allFullWindow().at(screen)->grab().save(dir + QStringLiteral("/snip_overlay_%1.png").arg(screen)));
        }
        snip().toolView()->tools().at(row.tool)->performClick();
        EXPECT_TRUE(overlaysGone());

        ASSERT_TRUE(vqtest::waitUntil([&] { return requestsTo(QStringLiteral("/api/ocr")).size() == ocrCount + 1; }));
        const vqtest::StandInRequest ocr = requestsTo(QStringLiteral("/api/ocr")).at(ocrCount++);
        EXPECT_EQ(ocr.part(QStringLiteral("language"))->data, "JA_JP");
        const QImage sent = QImage::fromData(ocr.part(QStringLiteral("file"))->data, "PNG").convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(sent.size(), QSize(200, 100));
        EXPECT_EQ(sent, expectedPattern(kDenseScreen, {60, 80, 200, 100}));

        const QString lines = QStringLiteral("first line\nsecond line");
        ASSERT_TRUE(vqtest::waitUntil([&] { return window() && window()->fanText() == lines; }));
        if (row.translated) {
            ASSERT_TRUE(vqtest::waitUntil([&] { return window()->yiText() == QStringLiteral("[first line second line]"); }));
            EXPECT_EQ(translateRequests().mid(translationsBefore),
                      QStringList{QStringLiteral("JA_JP>EN_US:first line second line")});
        } else {
            vqtest::spin(100);
            EXPECT_EQ(translateRequests().size(), translationsBefore) << "nothing is translated";
            EXPECT_EQ(window()->popContentView()->languageBtn()->stringValue(),
                      QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("识别结果")));
        }
    }
}

TEST_F(SnipTest, CopyAndSaveToolsKeepTheCropAndReportWhatFailed)
{
    QTemporaryDir files;
    ASSERT_TRUE(files.isValid());
    QFile blocker(files.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QImage expected = expectedPattern(kDenseScreen, {60, 80, 200, 100});

    // Copy: the image is on the clipboard and the tip shows before the overlays close.
    QString tipWhileOpen;
    QObject::connect(&snip(), &VQSnip::snipDismissed, &snip(), [&] { tipWhileOpen = tipText(); }, Qt::SingleShotConnection);
    drag(kDenseScreen, {30, 40}, {{130, 90}});
    snip().toolSelectedWithIndex(VQSnip::Copy);
    EXPECT_EQ(clipboard.image.convertToFormat(QImage::Format_RGB32), expected);
    EXPECT_EQ(tipWhileOpen, QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQSnip::kCopySuccessText)));
    clipboard.image = QImage();
    clipboard.acceptWrites = false;
    drag(kDenseScreen, {30, 40}, {{130, 90}});
    snip().toolSelectedWithIndex(VQSnip::Copy);
    EXPECT_EQ(tipText(), QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQSnip::kCopyFailedText)));

    // Save: the name proposed is the time of the click in seconds; the answer decides the rest.
    struct Row {
        const char* what;
        QString answer;
        bool written;
        bool failureTip;
    };
    const Row rows[] = {
        {"OK writes the crop", files.filePath(QStringLiteral("shots/a.png")), true, false},
        {"Cancel writes nothing", QString(), false, false},
        {"a folder that cannot be made is reported", files.filePath(QStringLiteral("not-a-folder/b.png")), false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        VQPopupWindowTool::sharedInstance().tipWindow()->closeTip();
        chooser.answer = row.answer;
        drag(kDenseScreen, {30, 40}, {{130, 90}});
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        snip().toolSelectedWithIndex(VQSnip::Save);
        const qint64 after = QDateTime::currentSecsSinceEpoch();
        EXPECT_TRUE(overlaysGone());
        ASSERT_FALSE(chooser.proposedNames.isEmpty());
        const QString name = chooser.proposedNames.last();
        ASSERT_TRUE(name.endsWith(QLatin1String(".png")));
        const qint64 seconds = name.chopped(4).toLongLong();
        EXPECT_GE(seconds, before);
        EXPECT_LE(seconds, after);
        EXPECT_EQ(chooser.proposedFolders.last(), VQUserInfoData::sharedInstance().screenshotsPath());
        if (row.written) {
            EXPECT_EQ(QImage(row.answer).convertToFormat(QImage::Format_RGB32), expected);
        } else if (!row.answer.isEmpty()) {
            EXPECT_FALSE(QFile::exists(row.answer));
        }
        EXPECT_EQ(tipText() == QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQSnip::kSaveFailedText)),
                  row.failureTip);
    }
}

TEST_F(SnipTest, EscapeRestartsAndEmptySelectionsNeverReuseAnOldRectangle)
{
    const KeyShortcut escape(53, 0);
    // Escape closes every overlay and releases the key; a new capture starts at once.
    drag(kDenseScreen, {30, 40}, {{130, 90}});
    EXPECT_TRUE(shortcuts.registered().contains(escape));
    const int grabs = grabber.grabs;
    snip().startSnip();
    EXPECT_EQ(grabber.grabs, grabs) << "a capture while one runs does nothing";
    EXPECT_TRUE(shortcuts.press(escape));
    EXPECT_TRUE(overlaysGone());
    EXPECT_FALSE(shortcuts.registered().contains(escape));

    // The next capture: a click without a drag offers the tools but none of them has an image.
    clipboard.image = QImage();
    for (int tool : {VQSnip::RecogniseOnly, VQSnip::RecogniseAndTranslate, VQSnip::Save, VQSnip::Copy}) {
        SCOPED_TRACE(tool);
        drag(kPlainScreen, {500, 500}, {});
        EXPECT_TRUE(snip().imageRect().isEmpty());
        EXPECT_TRUE(snip().savePictureWithPath().isNull());
        snip().toolSelectedWithIndex(tool);
        EXPECT_TRUE(overlaysGone());
    }
    vqtest::spin(100);
    EXPECT_TRUE(requestsTo(QStringLiteral("/api/ocr")).isEmpty());
    EXPECT_TRUE(clipboard.image.isNull());
    EXPECT_TRUE(chooser.proposedNames.isEmpty());

    // A recognition that fails, or finds no text (no words, words that are no texts), is told,
    // never shown as an empty result; the server's own message is not shown.
    const std::pair<vqtest::StandInReply, const char*> failures[] = {
        {vqtest::StandInReply::api(QJsonValue(), 500, QStringLiteral("busy")), VQHttpRequestManager::kSystemErrorText},
        {vqtest::StandInReply::api(QJsonObject{{QStringLiteral("words"), QJsonArray{}}}), VQTranslateManager::kNoTextRecognisedText},
        {vqtest::StandInReply::api(QJsonObject{{QStringLiteral("words"), QJsonArray{QJsonObject{{QStringLiteral("text"), 5}}}}}),
         VQTranslateManager::kNoTextRecognisedText}};
    for (const auto& [reply, tip] : failures) {
        SCOPED_TRACE(tip);
        ocrReply = reply;
        VQPopupWindowTool::sharedInstance().tipWindow()->closeTip();
        drag(kDenseScreen, {30, 40}, {{130, 90}});
        snip().toolSelectedWithIndex(VQSnip::RecogniseAndTranslate);
        ASSERT_TRUE(window() && window()->isShow()) << "the wait for the answer shows";
        EXPECT_EQ(window()->fanText(), QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQTranslateManager::kRecognisingText)));
        ASSERT_TRUE(vqtest::waitUntil([&] { return !tipText().isEmpty(); }));
        EXPECT_EQ(tipText(), QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(tip)));
        EXPECT_FALSE(window() && window()->isShow());
    }

    // A screen that cannot be read starts nothing and says so.
    VQPopupWindowTool::sharedInstance().tipWindow()->closeTip();
    grabber.failing = true;
    snip().startSnip();
    EXPECT_FALSE(snip().isSniping());
    EXPECT_EQ(tipText(), QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQSnip::kCaptureFailedText)));
}

} // namespace

// Captures in a row reuse the memory of the one before; it goes back to the system once, after
// the last.
TEST_F(SnipTest, CapturesInARowGiveTheirMemoryBackOnceAfterTheLast)
{
    snip().setMemoryReleaseDelay(24 * 3600 * 1000); // not before the test says
    const int releasesBefore = snip().memoryReleases();
    for (int capture = 1; capture <= 3; ++capture) {
        drag(kDenseScreen, {100, 100}, {{400, 300}});
        QList<QPointer<VQSnipFullWindow>> overlays(snip().allFullWindow().begin(), snip().allFullWindow().end());
        ASSERT_FALSE(overlays.isEmpty());
        snip().toolSelectedWithIndex(VQSnip::Cancel);
        ASSERT_TRUE(overlaysGone());
        EXPECT_TRUE(snip().savePictureWithPath().isNull()) << "a picture outlived its capture";
        ASSERT_TRUE(vqtest::waitUntil([&] { return std::ranges::all_of(overlays, [](const auto& o) { return o.isNull(); }); }));
    }
    EXPECT_EQ(snip().memoryReleases(), releasesBefore) << "the memory went back between captures in a row";
    snip().setMemoryReleaseDelay(0);
    ASSERT_TRUE(vqtest::waitUntil([&] { return snip().memoryReleases() == releasesBefore + 1; }));
}
