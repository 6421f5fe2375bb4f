#include "FakeInputMonitor.h"
#include "TranslateTestFixture.h"
#include "VQSearchIconWindow.h"
#include "VQSelectionMonitor.h"
#include "VQTipWindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QStyleHints>
#include <QTest>

#include <vector>

namespace {

// One step of a gesture as the user and the other application make it.
struct Step {
    enum Kind { Down, Up, Select, OwnSelect, SelectOther, Retext, Wait } kind;
    QPoint at {};
    int waitMs = 0;
};

class SelectionMonitorTest : public TranslateTest {
protected:
    void SetUp() override
    {
        TranslateTest::SetUp();
        VQSelectionMonitor::resetForTests();
        VQUserInfoData::sharedInstance().setWordInputSwitch(true);
        VQUserInfoData::sharedInstance().setIsConnect(true);
        ASSERT_TRUE(monitor().start());
    }

    void TearDown() override
    {
        VQSelectionMonitor::resetForTests();
        TranslateTest::TearDown();
    }

    static VQSelectionMonitor& monitor() { return VQSelectionMonitor::sharedInstance(); }
    static bool iconShows() { return monitor().searchIcon()->isVisible(); }

    void play(const std::vector<Step>& steps, const QString& selected)
    {
        for (const Step& step : steps) {
            switch (step.kind) {
            case Step::Down: mouse.send(MMEventType::LeftMouseDown, step.at); break;
            case Step::Up: mouse.send(MMEventType::LeftMouseUp, step.at); break;
            case Step::Select: clipboard.changeSelection(selected); break;
            case Step::OwnSelect: clipboard.changeSelection(selected, true); break;
            case Step::SelectOther: clipboard.changeSelection(QStringLiteral("first line")); break;
            case Step::Retext: clipboard.selection = selected; break; // the holder keeps the selection
            case Step::Wait: vqtest::spin(step.waitMs); break;
            }
        }
    }

    FakeInputMonitor mouse;
};

TEST_F(SelectionMonitorTest, OnlyAFreshSelectionOfADragOrMultiClickShowsTheIcon)
{
    const int far = QGuiApplication::styleHints()->startDragDistance() + 40;
    const QPoint a(200, 200);
    const QPoint b = a + QPoint(far, 0);
    const int late = VQSelectionMonitor::kFreshSelectionMs + 150;
    struct Case {
        const char* name;
        std::vector<Step> steps;
        bool switchOn = true;
        bool connected = true;
        QString selected = QStringLiteral("A&B + C#");
        bool shows;
    };
    const std::vector<Case> cases = {
        {"click that changed the selection", {{Step::Down, a}, {Step::Select}, {Step::Up, a}}, true, true, {}, false},
        {"drag, selection taken during it", {{Step::Down, a}, {Step::Select}, {Step::Up, b}}, true, true, {}, true},
        {"drag, selection taken after release", {{Step::Down, a}, {Step::Up, b}, {Step::Wait, {}, 10}, {Step::Select}}, true, true, {}, true},
        {"drag, selection taken too late", {{Step::Down, a}, {Step::Up, b}, {Step::Wait, {}, late}, {Step::Select}}, true, true, {}, false},
        {"drag that changed no selection", {{Step::Down, a}, {Step::Up, b}, {Step::Wait, {}, late}}, true, true, {}, false},
        {"selection before the press", {{Step::Select}, {Step::Down, a}, {Step::Up, b}, {Step::Wait, {}, late}}, true, true, {}, false},
        {"double click", {{Step::Down, a}, {Step::Up, a}, {Step::Down, a}, {Step::Select}, {Step::Up, a}}, true, true, {}, true},
        {"two clicks far apart", {{Step::Down, a}, {Step::Up, a}, {Step::Down, b}, {Step::Select}, {Step::Up, b}}, true, true, {}, false},
        {"drag, switch off", {{Step::Down, a}, {Step::Select}, {Step::Up, b}}, false, true, {}, false},
        {"drag, no device", {{Step::Down, a}, {Step::Select}, {Step::Up, b}}, true, false, {}, false},
        {"drag over our own text", {{Step::Down, a}, {Step::OwnSelect}, {Step::Up, b}, {Step::Wait, {}, 50}}, true, true, {}, false},
        {"drag over blanks only", {{Step::Down, a}, {Step::Select}, {Step::Up, b}}, true, true, QStringLiteral(" \n\t "), false},
        {"second drag in a program that keeps the selection",
         {{Step::Down, a}, {Step::SelectOther}, {Step::Up, b}, {Step::Down, a}, {Step::Retext}, {Step::Up, b}, {Step::Wait, {}, late}},
         true, true, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        monitor().searchIcon()->hide();
        VQUserInfoData::sharedInstance().setPasteboardContent(QStringLiteral("older"));
        VQUserInfoData::sharedInstance().setWordInputSwitch(c.switchOn);
        VQUserInfoData::sharedInstance().setIsConnect(c.connected);
        // Far from the previous case's presses, so no case reads as a double click of the last.
        vqtest::spin(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 20);
        const QString selected = c.selected.isNull() ? QStringLiteral("A&B + C#") : c.selected;
        play(c.steps, selected);
        EXPECT_EQ(iconShows(), c.shows);
        EXPECT_EQ(VQUserInfoData::sharedInstance().pasteboardContent(), c.shows ? selected : QStringLiteral("older"));
        if (c.shows) {
            QPoint release;
            for (const Step& step : c.steps)
                release = step.kind == Step::Up ? step.at : release;
            EXPECT_EQ(monitor().searchIcon()->pos(), release + QPoint(8, 8));
        }
    }
}

TEST_F(SelectionMonitorTest, TheIconStaysOnScreenHidesOnAPressElsewhereAndTranslatesOnItsClick)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint corner = screen.bottomRight();
    mouse.send(MMEventType::LeftMouseDown, corner - QPoint(100, 0));
    clipboard.changeSelection(QStringLiteral("first"));
    mouse.send(MMEventType::LeftMouseUp, corner);
    ASSERT_TRUE(iconShows());
    EXPECT_TRUE(screen.contains(monitor().searchIcon()->frameGeometry())) << "icon at the corner leaves the screen";
    const QImage look = monitor().searchIcon()->grab().toImage();
    EXPECT_EQ(look.size(), QSize(VQSearchIconWindow::kSize, VQSearchIconWindow::kSize) * look.devicePixelRatio());
    EXPECT_GT(qAlpha(look.pixel(look.rect().center())), 0) << "the icon draws its image";
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders")));
    EXPECT_TRUE(look.save(QStringLiteral(VQ_BUILD_DIR "/renders/translate_search_icon.png")));

    // A newer selection moves it; a press elsewhere hides it.
    mouse.send(MMEventType::LeftMouseDown, QPoint(10, 10));
    EXPECT_FALSE(iconShows());
    clipboard.changeSelection(QStringLiteral("hello\nworld"));
    mouse.send(MMEventType::LeftMouseUp, QPoint(300, 10));
    ASSERT_TRUE(iconShows());
    EXPECT_EQ(monitor().searchIcon()->pos(), QPoint(308, 18));

    // Its click (the press on the icon does not hide it first) opens the window.
    mouse.send(MMEventType::LeftMouseDown, monitor().searchIcon()->frameGeometry().center());
    ASSERT_TRUE(iconShows());
    QTest::mouseClick(monitor().searchIcon(), Qt::LeftButton);
    EXPECT_FALSE(iconShows());
    ASSERT_TRUE(vqtest::waitUntil([] { return window() && window()->yiText() == QStringLiteral("[hello world]"); }));
    EXPECT_EQ(window()->fanText(), QStringLiteral("hello\nworld"));
    EXPECT_EQ(translateRequests().size(), 1);

    // A press inside the window keeps it; a right press outside closes it with its texts.
    const QRect content = window()->contentGlobalRect();
    mouse.send(MMEventType::LeftMouseDown, content.center());
    EXPECT_TRUE(window()->isShow());
    mouse.send(MMEventType::RightMouseDown, content.topLeft() - QPoint(5, 5));
    EXPECT_FALSE(window()->isShow());
    EXPECT_EQ(window()->fanText(), QStringLiteral("hello\nworld"));
}

TEST_F(SelectionMonitorTest, TheSelectedWordActionTranslatesWhatTheCopyBrought)
{
    struct Case {
        const char* name;
        QString clipboardText;
        QString selection;
        QString translated; // "" when nothing is sent
    };
    const std::vector<Case> cases = {
        {"the copied word", QStringLiteral("word"), QStringLiteral("other"), QStringLiteral("word")},
        {"nothing copied: the selection", QString(), QStringLiteral("picked"), QStringLiteral("picked")},
        {"nothing at all", QString(), QStringLiteral("  "), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VQUserInfoData::sharedInstance().setPasteboardContent(QStringLiteral("stale"));
        clipboard.content = c.clipboardText;
        clipboard.selection = c.selection;
        const qsizetype before = translateRequests().size();
        VQSelectionMonitor::translateCopiedWord();
        if (c.translated.isEmpty()) {
            vqtest::spin(50);
            EXPECT_EQ(translateRequests().size(), before);
            EXPECT_EQ(VQUserInfoData::sharedInstance().pasteboardContent(), QStringLiteral("stale"));
            EXPECT_FALSE(VQPopupWindowTool::sharedInstance().tipWindow()->text().isEmpty()) << "the user is told";
            continue;
        }
        const QString expected = QStringLiteral("[%1]").arg(c.translated);
        EXPECT_TRUE(vqtest::waitUntil([&] { return window() && window()->yiText() == expected; }));
        EXPECT_EQ(window()->fanText(), c.translated);
    }
}

} // namespace
