// The lighting page against a simulated receiver of a lit mouse (type 72, also 56): what each
// record shows, what each control sends and when the page follows the device's read-back, the
// deferred slider sends under drags, keys and the wheel, a language switch with a geometry check
// in every UI language, random sequences of user actions and device answers, and renders.

#include "DeviceTestFixture.h"
#include "PreferencesViewController.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQSliderCell.h"

#include <QDir>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

#include <chrono>
#include <memory>

namespace {

using Page = PreferencesViewController;

QString localized(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The x of a slider value's knob centre (the knob is 16 wide and stays inside the widget).
int knobX(const QSlider* slider, int value)
{
    const int span = slider->width() - 16;
    return 8 + QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), value, span);
}

class LightingPageTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        VQLanguageManager::resetForTests();
        receiver.device().values.mouseType = 72;
    }

    void TearDown() override
    {
        page.reset();
        DeviceTest::TearDown();
        VQLanguageManager::resetForTests();
        VQLanguageManager::sharedInstance().shouldRefreshData();
    }

    // Connects the lit mouse and opens the page once its lighting was read.
    void openPage()
    {
        plugAndSettle();
        ASSERT_TRUE(vqtest::waitUntil([this] { return record().lightingEffectsColor() == receiver.device().values.lightingColor; }));
        makePage();
    }

    void makePage()
    {
        page = std::make_unique<Page>();
        page->view()->resize(900, 600);
        page->view()->show();
        receiver.device().commands.clear();
    }

    // Payloads of one command byte the device received, as hex of their arguments.
    QStringList sent(quint8 command)
    {
        QStringList out;
        for (const QByteArray& payload : receiver.device().commands)
            if (!payload.isEmpty() && quint8(payload.at(0)) == command)
                out.append(QString::fromLatin1(payload.mid(1).toHex()));
        return out;
    }

    int selectedMode() const
    {
        int selected = -1;
        for (int i = 0; i < Page::kModeCount; ++i)
            if (page->modeBtnArr().at(i)->isVisibleTo(page->view()) && Page::imageName(page->modeBtnArr().at(i)) == QLatin1String(Page::kRadioOnImage))
                selected = i;
        return selected;
    }

    // Neither slider waits to send or for its read-back, nothing is queued for the device and no
    // answer of it is due: nothing of what was done can still change the page or the device.
    bool quiet() const
    {
        for (const QSlider* slider : {static_cast<const QSlider*>(page->sliderSpeed()), static_cast<const QSlider*>(page->sliderBrightness())})
            if (page->isSendPending(slider) || page->isReadBackDue(slider))
                return false;
        return HIDDevice::sharedManager().queuedReportCount() == 0 && !receiver.isAnswerDue();
    }

    void post(const char* name) { NotificationCenter::defaultCenter().post(QString::fromLatin1(name)); }

    void render(const QString& name)
    {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders")));
        EXPECT_TRUE(page->view()->grab().save(QStringLiteral(VQ_BUILD_DIR "/renders/lighting_%1.png").arg(name)));
    }

    void setLanguage(int index)
    {
        VQLanguageManager::sharedInstance().setUiLanguageIndex(index);
        VQLanguageManager::sharedInstance().shouldRefreshData();
        post(vq::kUpdateTitleNotification);
    }

    std::unique_ptr<Page> page;
};

// What every record shows, set straight into the record and announced as the link does.
TEST_F(LightingPageTest, RefreshShowsTheRecord)
{
    makePage();
    // A fresh record: nothing answered yet.
    EXPECT_EQ(selectedMode(), 0);
    EXPECT_FALSE(page->sliderSpeed()->isEnabled());
    EXPECT_EQ(Page::imageName(page->rightBehaviorBtn()), QLatin1String(Page::kRadioOnImage));
    EXPECT_EQ(Page::imageName(page->leftBehaviorBtn()), QLatin1String(Page::kRadioOffImage));
    EXPECT_LT(page->currentImageView()->geometry().right(), 0) << "colour 0 lies left of the strip";
    const int marqueeX = page->marqueeBtn()->x();

    struct Row {
        quint64 type;
        qint64 mode, hand, color, brightness, speed;
        int selected;          // mode radio shown selected, -1 none
        bool speedEnabled;     // and colourful button shown
        bool marqueeShown;
        bool left;
        int markerX;
    };
    const Row rows[] = {
        {72, 0, 1, 1, 10, 1, 0, false, true, true, 0},
        {72, 1, 0, 2, 100, 5, 1, false, true, false, 48},
        {72, 2, 2, 3, 1, 2, 2, true, true, false, 96},
        {72, 3, -1, 4, 55, 3, 3, true, true, false, 144},
        {72, 7, 1, 5, 70, 4, -1, false, true, true, 192},
        {56, 1, 0, 6, 20, 2, 1, false, false, false, 240},
        {56, 2, 1, 7, 30, 3, 2, true, false, true, 288},
        {56, 3, 0, 8, 40, 4, -1, true, false, false, 336},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QStringLiteral("type %1 mode %2 hand %3 colour %4").arg(row.type).arg(row.mode).arg(row.hand).arg(row.color).toStdString());
        record().setMouseType(row.type);
        record().setLightingEffectsMode(row.mode);
        record().setMouseLeftOrRightHandBehavior(row.hand);
        record().setLightingEffectsColor(row.color);
        record().setLightingEffectsBrightness(row.brightness);
        record().setLightingEffectsSpeed(row.speed);
        post(row.hand == 1 ? vq::kUpdateMouseLeftOrRightHandBehaviorNotification : vq::kUpdateLightingEffectsNotification);
        EXPECT_EQ(selectedMode(), row.selected);
        EXPECT_EQ(page->sliderSpeed()->isEnabled(), row.speedEnabled);
        EXPECT_EQ(page->colorfulImageView()->isVisible(), row.speedEnabled);
        EXPECT_EQ(page->marqueeBtn()->isVisible(), row.marqueeShown);
        EXPECT_EQ(page->marqueeBtn()->x(), marqueeX) << "the gap stays";
        EXPECT_EQ(Page::imageName(page->leftBehaviorBtn()) == QLatin1String(Page::kRadioOnImage), row.left);
        EXPECT_EQ(Page::imageName(page->rightBehaviorBtn()) == QLatin1String(Page::kRadioOnImage), !row.left);
        EXPECT_EQ(page->currentImageView()->x(), row.markerX);
        EXPECT_EQ(page->sliderBrightness()->value(), row.brightness);
        EXPECT_EQ(page->brightnessValueLabel()->text(), QString::number(row.brightness));
        EXPECT_EQ(page->sliderSpeed()->value(), row.speed);
        EXPECT_EQ(page->speedValueLabel()->text(), QString::number(row.speed));
        for (int i = 0; i < 7; ++i)
            EXPECT_TRUE(page->colorBtnArr().at(i)->isVisible());
        EXPECT_TRUE(page->sliderBrightness()->isEnabled());
    }
}

// Mode, colour and hand clicks reach the device; the page changes only with the read-back.
TEST_F(LightingPageTest, ClicksSendAndThePageFollowsTheDevice)
{
    openPage();
    ASSERT_EQ(selectedMode(), 1);

    page->modeBtnArr().at(1)->performClick();
    ASSERT_TRUE(vqtest::waitUntil([this] { return sent(0x19) == QStringList{QStringLiteral("01")}; })) << "the current mode is sent too";

    receiver.setAnswerMode(SimulatedDevice::AnswerMode::Late);
    page->modeBtnArr().at(2)->performClick();
    vqtest::spin(300);
    EXPECT_EQ(selectedMode(), 1) << "nothing moves before the device answered";
    ASSERT_TRUE(vqtest::waitUntil([this] { return selectedMode() == 2; }));
    EXPECT_EQ(sent(0x19).last(), QStringLiteral("02"));
    receiver.setAnswerMode(SimulatedDevice::AnswerMode::Normal);
    settle();

    const int colourSends = int(sent(0x1c).size());
    page->colorBtnArr().at(1)->performClick(); // colour 2, the device's
    vqtest::spin(150);
    EXPECT_EQ(sent(0x1c).size(), colourSends);
    page->colorBtnArr().at(4)->performClick();
    ASSERT_TRUE(vqtest::waitUntil([this] { return page->currentImageView()->x() == 4 * Page::kColorPitch; }));
    EXPECT_EQ(sent(0x1c), QStringList{QStringLiteral("05")});

    page->leftBehaviorBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([this] { return Page::imageName(page->leftBehaviorBtn()) == QLatin1String(Page::kRadioOnImage); }));
    page->rightBehaviorBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([this] { return Page::imageName(page->rightBehaviorBtn()) == QLatin1String(Page::kRadioOnImage); }));
    EXPECT_EQ(sent(0x1d), (QStringList{QStringLiteral("01"), QStringLiteral("00")}));

    // A device that refuses keeps its value, and so does the page.
    receiver.device().refuseSettings = true;
    page->modeBtnArr().at(0)->performClick();
    ASSERT_TRUE(vqtest::waitUntil([this] { return sent(0x19).last() == QLatin1String("00"); }));
    settle();
    EXPECT_EQ(selectedMode(), 2);
    // A silent one changes nothing.
    receiver.device().refuseSettings = false;
    receiver.setAnswerMode(SimulatedDevice::AnswerMode::Silent);
    page->modeBtnArr().at(3)->performClick();
    vqtest::spin(600);
    EXPECT_EQ(selectedMode(), 2);
    EXPECT_EQ(record().lightingEffectsMode(), 2);
}

// Drags, keys and the wheel: one send of the last value 500 ms after the last change; nothing
// when the user ends on the device's value; a read-back mid-drag leaves the knob alone.
TEST_F(LightingPageTest, SlidersSendTheLastValueOnceAfterAPause)
{
    openPage();
    QSlider* slider = page->sliderBrightness();
    const int y = slider->height() / 2;
    ASSERT_EQ(slider->value(), 50);

    // A drag through 20 values.
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(knobX(slider, 50), y));
    qint64 lastMoveNs = 0;
    for (int v = 51; v <= 70; ++v) {
        QTest::mouseMove(slider, QPoint(knobX(slider, v), y));
        lastMoveNs = steadyNs();
        EXPECT_EQ(page->brightnessValueLabel()->text(), QString::number(slider->value()));
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(knobX(slider, 70), y));
    const int dragged = slider->value();
    ASSERT_GT(dragged, 60);
    EXPECT_TRUE(sent(0x1a).isEmpty());
    ASSERT_TRUE(vqtest::waitUntil([this] { return !sent(0x1a).isEmpty(); }));
    EXPECT_GE(receiver.written().last().atNs - lastMoveNs, qint64(Page::kSliderSendDelayMs) * 1000000 - 1000000);
    ASSERT_TRUE(vqtest::waitUntil([this, dragged] { return record().lightingEffectsBrightness() == dragged; }));
    ASSERT_TRUE(vqtest::waitUntil([this] { return quiet(); }, 5000)); // past the settle time
    EXPECT_EQ(sent(0x1a), QStringList{QString::number(dragged, 16).rightJustified(2, QLatin1Char('0'))});
    EXPECT_EQ(slider->value(), dragged);

    // Away and back onto the device's value: nothing is sent, the label shows the knob.
    receiver.device().commands.clear();
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(knobX(slider, dragged), y));
    QTest::mouseMove(slider, QPoint(knobX(slider, dragged - 15), y));
    QTest::mouseMove(slider, QPoint(knobX(slider, dragged), y));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(knobX(slider, dragged), y));
    EXPECT_EQ(page->brightnessValueLabel()->text(), QString::number(dragged));
    // Keys, away and back, then two steps on.
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Left);
    QTest::keyClick(slider, Qt::Key_Left);
    ASSERT_TRUE(vqtest::waitUntil([this] { return quiet(); }, 5000)); // the send's wait ended
    EXPECT_TRUE(sent(0x1a).isEmpty());
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Right);
    ASSERT_TRUE(vqtest::waitUntil([this] { return !sent(0x1a).isEmpty(); }));
    ASSERT_TRUE(vqtest::waitUntil([this, dragged] { return record().lightingEffectsBrightness() == dragged + 2; }));
    EXPECT_EQ(sent(0x1a).size(), 1);

    // The wheel on the speed slider (breathing mode enables it).
    receiver.device().commands.clear();
    page->modeBtnArr().at(2)->performClick();
    ASSERT_TRUE(vqtest::waitUntil([this] { return page->sliderSpeed()->isEnabled(); }));
    QSlider* speed = page->sliderSpeed();
    const QPoint centre(speed->width() / 2, speed->height() / 2);
    for (int i = 0; i < 2; ++i) {
        QWheelEvent wheel(centre, speed->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(speed, &wheel);
    }
    const int wheeled = speed->value();
    ASSERT_NE(wheeled, 3);
    ASSERT_TRUE(vqtest::waitUntil([this, wheeled] { return record().lightingEffectsSpeed() == wheeled; }));
    EXPECT_EQ(sent(0x1b).size(), 1);

    // A hand read-back while the knob is held leaves the knob and the drag's value still goes.
    receiver.device().commands.clear();
    const int start = slider->value();
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(knobX(slider, start), y));
    QTest::mouseMove(slider, QPoint(knobX(slider, 90), y));
    const int held = slider->value();
    page->leftBehaviorBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([this] { return record().mouseLeftOrRightHandBehavior() == 1; }));
    EXPECT_EQ(slider->value(), held);
    EXPECT_EQ(page->brightnessValueLabel()->text(), QString::number(held));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(knobX(slider, 90), y));
    ASSERT_TRUE(vqtest::waitUntil([this, held] { return record().lightingEffectsBrightness() == held; }));
    EXPECT_EQ(sent(0x1a).size(), 1);

    // Back onto the record's value while a send is on its way (the device takes it but has not
    // answered): that value is no longer the device's, so it is sent too.
    ASSERT_TRUE(vqtest::waitUntil([this] { return quiet(); }, 5000)); // past the settle time
    receiver.device().commands.clear();
    receiver.setAnswerMode(SimulatedDevice::AnswerMode::Silent);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Left);
    ASSERT_TRUE(vqtest::waitUntil([this] { return !sent(0x1a).isEmpty(); }));
    const qint64 sentAtNs = receiver.written().last().atNs;
    QTest::keyClick(slider, Qt::Key_Right);
    if (steadyNs() - sentAtNs < qint64(Page::kSliderSettleMs - 300) * 1000000) {
        ASSERT_TRUE(vqtest::waitUntil([this] { return sent(0x1a).size() == 2; }));
        EXPECT_EQ(receiver.device().values.lightingBrightness, held);
    }
    receiver.setAnswerMode(SimulatedDevice::AnswerMode::Normal);
}

// A language switch re-titles and refreshes; in no UI language does a label overlap a control.
TEST_F(LightingPageTest, LanguagesRetitleWithoutOverlap)
{
    openPage();
    record().setLightingEffectsMode(2);
    post(vq::kUpdateLightingEffectsNotification);
    render(QStringLiteral("type72_mode2_zh"));
    setLanguage(2);
    EXPECT_EQ(page->modeLabel()->text(), localized("模式选择"));
    EXPECT_NE(page->modeLabel()->text(), QStringLiteral("模式选择"));
    EXPECT_EQ(selectedMode(), 2) << "the switch refreshes from the record";
    render(QStringLiteral("type72_mode2_en"));

    for (int language = 0; language < VQLanguageManager::uiLanguageCount; ++language) {
        setLanguage(language);
        SCOPED_TRACE(VQLanguageManager::uiLanguageCodes().at(language).toStdString());
        QList<QWidget*> labels;
        QList<QWidget*> controls;
        for (QWidget* child : page->contentView()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisibleTo(page->view()))
                continue;
            (qobject_cast<VQLabel*>(child) ? labels : controls).append(child);
        }
        for (QWidget* label : labels) {
            const auto* text = static_cast<VQLabel*>(label);
            EXPECT_GE(label->width(), QFontMetrics(text->font()).horizontalAdvance(text->text())) << text->text().toStdString();
            for (QWidget* control : controls)
                EXPECT_FALSE(label->geometry().intersects(control->geometry()))
                    << text->text().toStdString() << " over " << control->metaObject()->className();
            for (QWidget* other : labels) {
                if (other != label) {
                    EXPECT_FALSE(label->geometry().intersects(other->geometry())) << text->text().toStdString();
                }
            }
        }
        for (QWidget* control : controls) {
            for (QWidget* other : controls) {
                if (other != control) {
                    EXPECT_FALSE(control->geometry().intersects(other->geometry()));
                }
            }
        }
    }
}

// Random sequences of clicks, drags, keys, and late or refused answers: once the user and the
// device are quiet the page shows the device's values, and each slider's last user value that
// differed from the device's was sent once, after its last change.
TEST_F(LightingPageTest, RandomSequencesEndOnTheDevicesValues)
{
    openPage();
    page->modeBtnArr().at(2)->performClick();
    ASSERT_TRUE(vqtest::waitUntil([this] { return page->sliderSpeed()->isEnabled(); }));
    const int sequences = qEnvironmentVariableIsSet("VQ_LIGHTING_SEQUENCES") ? qEnvironmentVariableIntValue("VQ_LIGHTING_SEQUENCES") : 8;
    QRandomGenerator random(20261207);
    for (int s = 0; s < sequences; ++s) {
        SCOPED_TRACE(s);
        receiver.device().commands.clear();
        struct Expect {
            int value = -1;
            qint64 lastChangeNs = 0;
            // Reports written or queued at the last change: those written after them were sent
            // after it (the link writes in order, at most one every 50 ms).
            qsizetype issuedBefore = 0;
        };
        Expect expect[2]; // speed, brightness
        const int steps = 1 + int(random.bounded(6));
        for (int i = 0; i < steps; ++i) {
            const int kind = int(random.bounded(6));
            receiver.setAnswerMode(random.bounded(4) == 0 ? SimulatedDevice::AnswerMode::Late : SimulatedDevice::AnswerMode::Normal);
            receiver.device().refuseSettings = random.bounded(5) == 0;
            if (kind == 0) {
                // Modes 2 and 3 only, so the speed slider stays usable.
                page->modeBtnArr().at(2 + int(random.bounded(2)))->performClick();
            } else if (kind == 1) {
                page->colorBtnArr().at(int(random.bounded(7)))->performClick();
            } else if (kind == 2) {
                (random.bounded(2) ? page->leftBehaviorBtn() : page->rightBehaviorBtn())->performClick();
            } else {
                const int which = random.bounded(2);
                QSlider* slider = which ? static_cast<QSlider*>(page->sliderBrightness()) : page->sliderSpeed();
                const int y = slider->height() / 2;
                const int before = slider->value();
                if (kind == 3) {
                    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(knobX(slider, slider->value()), y));
                    const int moves = 1 + int(random.bounded(5));
                    for (int m = 0; m < moves; ++m)
                        QTest::mouseMove(slider, QPoint(knobX(slider, slider->minimum() + int(random.bounded(slider->maximum()))), y));
                    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(knobX(slider, slider->value()), y));
                } else {
                    slider->setFocus();
                    QTest::keyClick(slider, random.bounded(2) ? Qt::Key_Right : Qt::Key_Left);
                }
                // A key at the end of the range, or a drag back to where it began, changed nothing.
                if (slider->value() != before) {
                    expect[which].value = slider->value();
                    expect[which].lastChangeNs = steadyNs();
                    expect[which].issuedBefore = receiver.written().size() + HIDDevice::sharedManager().queuedReportCount();
                }
            }
            vqtest::spin(int(random.bounded(300)));
        }
        receiver.setAnswerMode(SimulatedDevice::AnswerMode::Normal);
        receiver.device().refuseSettings = false;
        // Quiet: no slider waits to send or for its read-back, and nothing is queued for the
        // device or due from it.
        ASSERT_TRUE(vqtest::waitUntil([this] { return quiet(); }, 10000));
        settle();
        const SimulatedDevice::Values& device = receiver.device().values;
        EXPECT_EQ(page->sliderSpeed()->value(), device.lightingSpeed);
        EXPECT_EQ(page->sliderBrightness()->value(), device.lightingBrightness);
        EXPECT_EQ(page->speedValueLabel()->text(), QString::number(device.lightingSpeed));
        EXPECT_EQ(page->brightnessValueLabel()->text(), QString::number(device.lightingBrightness));
        EXPECT_EQ(selectedMode(), device.lightingMode);
        EXPECT_EQ(page->currentImageView()->x(), Page::kColorPitch * (device.lightingColor - 1));
        EXPECT_EQ(Page::imageName(page->leftBehaviorBtn()) == QLatin1String(Page::kRadioOnImage), device.hand == 1);
        // After each slider's last change at most one send went out, no sooner than the delay,
        // and it carried the last value.
        const quint8 commands[2] = {0x1b, 0x1a};
        for (int which = 0; which < 2; ++which) {
            if (expect[which].value < 0)
                continue;
            int after = 0;
            const QList<SimulatedReceiver::Written> written = receiver.written();
            for (qsizetype i = expect[which].issuedBefore; i < written.size(); ++i) {
                const SimulatedReceiver::Written& w = written.at(i);
                if (w.report.size() < 6 || quint8(w.report.at(4)) != commands[which])
                    continue;
                ++after;
                EXPECT_EQ(quint8(w.report.at(5)), expect[which].value);
                EXPECT_GE(w.atNs - expect[which].lastChangeNs, qint64(Page::kSliderSendDelayMs - 1) * 1000000);
            }
            EXPECT_LE(after, 1);
        }
        receiver.clearRecords();
    }
}

// The page's renders: type 56 in mode 1, and a fresh record.
TEST_F(LightingPageTest, Renders)
{
    makePage();
    render(QStringLiteral("fresh_zh"));
    setLanguage(2);
    render(QStringLiteral("fresh_en"));
    page.reset();
    setLanguage(0);
    receiver.device().values.mouseType = 56;
    openPage();
    render(QStringLiteral("type56_mode1_zh"));
    setLanguage(2);
    render(QStringLiteral("type56_mode1_en"));
}

} // namespace
