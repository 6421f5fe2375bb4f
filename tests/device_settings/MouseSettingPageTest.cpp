// The mouse settings page offscreen, fed by the stand-in API server: the auxiliary section's
// rules, the DPI mark, what the AI button, a disabled product and product 260 show, the RGB
// switch; its key rows: heights, the untitled row, picks and what they save and send, the
// command editor across a rebuild, a refused save, the device's DPI step. Renders go to
// renders/mouse_settings_*.png.

#include "AddCommandView.h"
#include "DeviceTestFixture.h"
#include "KeySettingModel.h"
#include "KeySettingSubModel.h"
#include "KeySettingSubView.h"
#include "KeySettingView.h"
#include "KeyShortcut.h"
#include "MouseSettingModel.h"
#include "MouseSettingViewController.h"
#include "QRNLocalizedString.h"
#include "StandInHttpServer.h"
#include "VQApiConfig.h"
#include "VQButton.h"
#include "VQCustomerKeyService.h"
#include "VQDeviceSettingsHooks.h"
#include "VQHttpRequestManager.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQPopUpButton.h"
#include "VQPopupWindowTool.h"
#include "VQShortcutRecorder.h"
#include "VQTipWindow.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <memory>

namespace {

using vqtest::StandInHttpServer;
using vqtest::StandInReply;
using vqtest::StandInRequest;

VQCustomerKeyService& service()
{
    return VQCustomerKeyService::sharedInstance();
}

// A mouse with a middle key of three press kinds and a DPI key; the press kinds offer the
// functions named in functionsJson.
QJsonObject mouseRecord(const char* functionsJson, const char* extra = "")
{
    const QByteArray text = QByteArray(R"({"id": "UM1", )") + extra + R"("keyInfos": [
        {"id": "k1", "key": "center_key", "name": "Middle key", "childs": [
            {"id": "p1", "operation": "sk", "name": "Press", "childs": )" + functionsJson + R"(},
            {"id": "p2", "operation": "dk", "name": "Double", "childs": []},
            {"id": "p3", "operation": "lk", "name": "", "childs": []}]},
        {"id": "k2", "key": "dpi_set", "name": "DPI key", "childs": [
            {"id": "p4", "operation": "sk", "name": "Step", "childs": [
                {"id": "d0", "cmd": "Action_IT", "name": "S0", "first": "1"},
                {"id": "d1", "cmd": "Action_IT", "name": "S1", "first": "0"},
                {"id": "d2", "cmd": "Action_IT", "name": "S2", "first": "0"}]}]}]})";
    return QJsonDocument::fromJson(text).object();
}

constexpr char kFunctions[] = R"([
    {"id": "f1", "cmd": "Action_VI", "name": "Typing", "first": "1", "cmdId": "c1", "keyId": "k1", "opId": "o1"},
    {"id": "f2", "cmd": "Action_OW", "name": "Web", "edit": "0", "cmdId": "c2", "keyId": "k1", "opId": "o1", "attr0": "http://x"},
    {"id": "f3", "cmd": "Action_OW", "name": "Web2", "edit": "1", "cmdId": "c3", "keyId": "k1", "opId": "o1"},
    {"id": "f4", "cmd": "Action_SK", "name": "Keys", "cmdId": "c4", "keyId": "k1", "opId": "o1", "attr0": "old", "attr1": "a1", "attr2": "a2"}])";

class MouseSettingPageTest : public DeviceTest {
protected:
    // A mouse receiver that takes report rates (plan 4), unless another is given.
    explicit MouseSettingPageTest(SimulatedReceiver::Model model = SimulatedReceiver::voiceReceiver16k())
        : DeviceTest(std::move(model))
    {
    }

    void SetUp() override
    {
        DeviceTest::SetUp();
        VQCustomerKeyService::resetForTests();
        VQLanguageManager::resetForTests();
        VQPopupWindowTool::resetForTests();
        ASSERT_TRUE(server.listen());
        server.installAsMakerServices();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        UserDefaults::standard().setValue(QString::fromLatin1(VQCustomerKeyService::kSelectedLanguageKey), true);
        QObject::connect(&service(), &VQCustomerKeyService::recordApplied, &owner, [this] { ++applied; });
    }

    void TearDown() override
    {
        page.reset();
        VQCustomerKeyService::resetForTests();
        VQDeviceSettingsHooks::shared().showAIWindow = nullptr;
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQApiConfig::resetForTests();
        DeviceTest::TearDown();
    }

    // Serves the record and shows it: the page's first fetch, or a refresh.
    void load(const QJsonObject& record)
    {
        server.setReply(QStringLiteral("/api/getCustomerKey"), StandInReply::api(record));
        const int before = applied;
        if (!page) {
            page = std::make_unique<MouseSettingViewController>();
            page->view()->resize(760, 640);
            page->view()->show();
        } else {
            page->refreshBtnClicked();
        }
        ASSERT_TRUE(vqtest::waitUntil([&] { return applied > before; }, 15000));
    }

    QList<StandInRequest> saves() const
    {
        QList<StandInRequest> out;
        for (const StandInRequest& r : server.requests())
            if (r.path.endsWith(QLatin1String("/saveCustomerKey")))
                out << r;
        return out;
    }

    static QString form(const StandInRequest& r, const char* name)
    {
        for (const auto& [key, v] : r.form)
            if (key == QLatin1String(name))
                return v;
        return QStringLiteral("<absent>");
    }

    KeySettingView* section(const char* key) const
    {
        for (KeySettingView* s : page->sections())
            if (s->model()->key() == QLatin1String(key))
                return s;
        return nullptr;
    }

    KeySettingSubView* row(const char* key, int index) const
    {
        KeySettingView* s = section(key);
        return s && index < s->rows().size() ? s->rows()[index] : nullptr;
    }

    QStringList auxiliaryRows() const
    {
        QStringList out;
        if (const KeySettingView* s = section(MouseSettingModel::kKeyAuxiliary))
            for (const KeySettingSubView* r : s->rows())
                out << r->titleLabel()->text();
        return out;
    }

    static QList<int> marks(const std::shared_ptr<KeySettingModel>& kind)
    {
        QList<int> out;
        for (qsizetype i = 0; i < kind->childs().size(); ++i)
            if (kind->childs()[i]->isChosen())
                out << int(i);
        return out;
    }

    // Picks entry index of the row's pop-up as the user does.
    static void pick(KeySettingSubView* r, int index)
    {
        r->popUpBtn()->menu()->actions().at(index)->trigger();
    }

    int waitSaves(int count)
    {
        vqtest::waitUntil([&] { return saves().size() >= count; }, 10000);
        return int(saves().size());
    }

    void render(const QString& name)
    {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders")));
        EXPECT_TRUE(page->view()->grab().save(QStringLiteral(VQ_BUILD_DIR "/renders/mouse_settings_%1.png").arg(name)));
    }

    StandInHttpServer server;
    QObject owner;
    int applied = 0;
    std::unique_ptr<MouseSettingViewController> page;
};

// The receiver 0x248A:0x61AB, plugged in for the last case only.
class MouseSettingAuxiliaryTest : public MouseSettingPageTest {
protected:
    MouseSettingAuxiliaryTest()
        : MouseSettingPageTest(SimulatedReceiver::mouseReceiver())
    {
    }
};

TEST_F(MouseSettingAuxiliaryTest, AuxiliarySectionFollowsProductRatesAndLink)
{
    struct Case {
        const char* what;
        const char* product;
        const char* rates; // "ReportRate" code; nullptr: none
        bool plainReceiver; // the receiver 0x248A:0x61AB instead of the test's
        bool ble;
        QStringList rows;
    };
    const Case cases[] = {
        {"mouse", "50", "125,500", false, false, {"DPI", "ReportRate"}},
        {"no DPI product", "201", "125,500", false, false, {"ReportRate"}},
        {"no DPI, no rates", "201", nullptr, false, false, {}},
        {"Bluetooth LE", "50", "125,500", false, true, {"DPI"}},
        {"receiver without rates", "50", "125,500", true, false, {"DPI"}},
    };
    for (const Case& c : cases) {
        if (c.plainReceiver)
            plugAndSettle();
        VQUserInfoData::sharedInstance().setProductCode(QString::fromLatin1(c.product));
        VQUserInfoData::sharedInstance().setBleConnect(c.ble);
        QByteArray extra;
        if (c.rates)
            extra = QByteArray(R"("functions": [{"name": "ReportRate", "code": ")") + c.rates + "\"}], ";
        load(mouseRecord(kFunctions, extra.constData()));
        EXPECT_EQ(auxiliaryRows(), c.rows) << c.what;
        EXPECT_EQ(page->sections().last()->model()->key() == QLatin1String(MouseSettingModel::kKeyAuxiliary), !c.rows.isEmpty())
            << c.what;
        EXPECT_EQ(page->rgbSwitch()->isVisibleTo(page->view()), false) << c.what;
        // A rebuild by the device's report keeps the auxiliary section last, once.
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateDPIItemNotification));
        EXPECT_EQ(auxiliaryRows(), c.rows) << c.what;
        EXPECT_EQ(VQUserInfoData::sharedInstance().mouseSettingArr().size(), page->sections().size()) << c.what;
    }
}

TEST_F(MouseSettingPageTest, DpiMarkFollowsTheDeviceRecord)
{
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("50"));
    load(mouseRecord(kFunctions));
    const auto dpiItem = page->dpiSettingModel();
    struct Case {
        qint64 dpi;
        QList<int> marked;
    };
    const QList<int> none;
    for (const Case& c : {Case{2, {2}}, Case{0, {0}}, Case{99, none}}) {
        record().setDpi(c.dpi);
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateDPIItemNotification));
        EXPECT_EQ(marks(dpiItem), c.marked) << c.dpi;
        KeySettingSubView* dpiRow = row(MouseSettingModel::kKeyAuxiliary, 0);
        ASSERT_NE(dpiRow, nullptr);
        const int shown = c.marked.isEmpty() ? 0 : c.marked.first(); // past the list: the last position stays
        EXPECT_EQ(dpiRow->popUpBtn()->selectIndex(), shown) << c.dpi;
    }
}

TEST_F(MouseSettingPageTest, WhatTheProductAndRecordShow)
{
    struct Case {
        const char* what;
        const char* product;
        bool aiFunction, hook, funcSwitch;
        bool ai, content, sectionsShown;
    };
    const Case cases[] = {
        {"AI function and window", "50", true, true, false, true, true, true},
        {"no AI function", "50", false, true, false, false, true, true},
        {"no AI window", "50", true, false, false, false, true, true},
        {"disabled product", "328", true, true, false, false, false, true},
        {"260, functions off", "260", false, true, false, false, true, false},
        {"260, functions on", "260", false, true, true, false, true, true},
    };
    for (const Case& c : cases) {
        VQUserInfoData& info = VQUserInfoData::sharedInstance();
        info.setProductCode(QString::fromLatin1(c.product));
        info.setFuncSwitch(c.funcSwitch);
        VQDeviceSettingsHooks::shared().showAIWindow = c.hook ? std::function<void()>([] {}) : nullptr;
        const char* functions = c.aiFunction ? R"([{"id": "g", "cmd": "Action_GPT", "name": "AI"}])" : kFunctions;
        if (!page)
            load(mouseRecord(functions));
        else
            service().handleModelInfo(mouseRecord(functions), info.productCode(), record().sn());
        QWidget* view = page->view();
        EXPECT_EQ(page->aiButton()->isVisibleTo(view), c.ai) << c.what;
        EXPECT_EQ(page->contentView()->isVisibleTo(view), c.content) << c.what;
        EXPECT_EQ(page->productImageView()->isVisibleTo(view), c.content) << c.what;
        ASSERT_GE(page->sections().size(), 2) << c.what;
        // Hidden sections keep their place.
        const KeySettingView* first = page->sections()[0];
        const KeySettingView* second = page->sections()[1];
        EXPECT_EQ(first->isVisibleTo(page->contentView()), c.sectionsShown) << c.what;
        EXPECT_EQ(second->y(), first->y() + first->height() + MouseSettingViewController::kSectionGap) << c.what;
    }
}

TEST_F(MouseSettingPageTest, RgbSwitchAndEnglishOnce)
{
    plugAndSettle();
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    info.setRgbSwitch(true);
    info.setProductCode(QString::fromLatin1(MouseSettingViewController::kRgbProduct));
    UserDefaults::standard().removeObjectForKey(QString::fromLatin1(VQCustomerKeyService::kSelectedLanguageKey));
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    languages.setUiLanguageIndex(0);
    load(mouseRecord(kFunctions));
    EXPECT_EQ(languages.uiLanguageIndex(), VQCustomerKeyService::kEnglishUiLanguageIndex);
    EXPECT_TRUE(page->rgbSwitch()->isVisibleTo(page->view()));
    EXPECT_TRUE(page->isRgbOn());
    // Later rebuilds keep the user's language.
    languages.setUiLanguageIndex(0);
    page->configUI();
    EXPECT_EQ(languages.uiLanguageIndex(), 0);

    // Each click sends the other state and stores it.
    for (const bool on : {false, true}) {
        receiver.clearRecords();
        page->rgbSwitch()->performClick();
        EXPECT_EQ(page->isRgbOn(), on);
        EXPECT_EQ(info.rgbSwitch(), on);
        EXPECT_TRUE(vqtest::waitUntil([&] { return receiver.device().values.rgbOn == on; })) << on;
    }
    // Over Bluetooth LE the row is hidden.
    info.setBleConnect(true);
    page->configUI();
    EXPECT_FALSE(page->rgbSwitch()->isVisibleTo(page->view()));
    render(QStringLiteral("rgb"));
}

TEST_F(MouseSettingPageTest, RowsLayoutAndPicks)
{
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("50"));
    load(mouseRecord(kFunctions));
    const KeySettingView* middle = section(MouseSettingModel::kKeyCenter);
    ASSERT_NE(middle, nullptr);
    EXPECT_EQ(middle->viewHeight(), 200);
    EXPECT_EQ(section(MouseSettingModel::kKeyDpi)->viewHeight(), 92);
    // The untitled press kind: the pop-up spans the row.
    const KeySettingSubView* untitled = middle->rows()[2];
    EXPECT_FALSE(untitled->titleLabel()->isVisibleTo(untitled));
    EXPECT_EQ(untitled->popUpBtn()->geometry(), untitled->rect());
    EXPECT_GT(middle->rows()[0]->popUpBtn()->x(), 0);

    // A pick marks one function and the dispatcher sees it at once.
    const auto& keys = VQUserInfoData::sharedInstance().mouseSettingArr();
    const quint64 centre = MouseSettingModel::keyTypeForKey(QLatin1String(MouseSettingModel::kKeyCenter));
    pick(middle->rows()[0], 2);
    EXPECT_EQ(marks(middle->rows()[0]->keyModel()), QList<int>{2});
    auto chosen = MouseSettingModel::chosenFunction(keys, centre, 1);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->idStr(), QStringLiteral("f3"));

    // updateSelectDPI marks the device's step alone, selects it, and sends nothing.
    KeySettingSubView* dpiRow = row(MouseSettingModel::kKeyDpi, 0);
    receiver.clearRecords();
    record().setDpi(1);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::HadUSBInfoNotification));
    EXPECT_EQ(marks(dpiRow->keyModel()), QList<int>{1});
    EXPECT_EQ(dpiRow->popUpBtn()->selectIndex(), 1);
    auto step = MouseSettingModel::chosenFunction(keys, MouseSettingModel::keyTypeForKey(QLatin1String(MouseSettingModel::kKeyDpi)), 1);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->idStr(), QStringLiteral("d1"));
}

TEST_F(MouseSettingPageTest, PicksSaveAndCarryOut)
{
    plugAndSettle();
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    info.setProductCode(QStringLiteral("50"));
    load(mouseRecord(kFunctions, R"("functions": [{"name": "ReportRate", "code": "125,500,1000"}], )"));
    struct Case {
        const char* what;
        const char* key;
        int row, entry;
        bool saved;
        const char* cmdId; // of the save
        bool editor;
        std::function<bool()> sent; // what the device got; null: nothing to check
    };
    SimulatedDevice::Values& device = receiver.device().values;
    const Case cases[] = {
        {"web page, fixed", MouseSettingModel::kKeyCenter, 0, 1, true, "c2", false, {}},
        {"web page, editable (cancelled)", MouseSettingModel::kKeyCenter, 0, 2, false, nullptr, true, {}},
        {"DPI step", MouseSettingModel::kKeyAuxiliary, 0, 2, false, nullptr, false, [&device] { return device.dpiStep == 2; }},
        {"report rate", MouseSettingModel::kKeyAuxiliary, 1, 1, true, "", false, [&device] { return device.reportRate == 500; }},
    };
    for (const Case& c : cases) {
        server.clearRequests();
        receiver.clearRecords();
        KeySettingSubView* r = row(c.key, c.row);
        ASSERT_NE(r, nullptr) << c.what;
        const QList<int> before = marks(r->keyModel());
        pick(r, c.entry);
        if (c.saved) {
            ASSERT_EQ(waitSaves(1), 1) << c.what;
            const StandInRequest save = saves().first();
            EXPECT_EQ(form(save, "cmdId"), QLatin1String(c.cmdId)) << c.what;
            EXPECT_EQ(form(save, "userModelId"), QStringLiteral("UM1")) << c.what;
            EXPECT_EQ(form(save, "sn"), record().sn()) << c.what;
        } else {
            // A save goes out inside the pick: none can still arrive once no reply is open.
            ASSERT_TRUE(vqtest::waitUntil([] { return VQHttpRequestManager::sharedInstance().openReplyCount() == 0; }));
            EXPECT_TRUE(saves().isEmpty()) << c.what;
        }
        AddCommandView* editor = page->view()->findChild<AddCommandView*>();
        EXPECT_EQ(editor != nullptr, c.editor) << c.what;
        if (editor) {
            // A cancelled editor leaves the key its previous function, here and on the server.
            editor->cancelBtnClicked();
            EXPECT_TRUE(vqtest::waitUntil([&] { return page->view()->findChild<AddCommandView*>() == nullptr; })) << c.what;
            EXPECT_EQ(marks(r->keyModel()), before) << c.what;
            EXPECT_EQ(QList<int>{r->popUpBtn()->selectIndex()}, before) << c.what;
        }
        if (c.sent) {
            EXPECT_TRUE(vqtest::waitUntil(c.sent)) << c.what;
        }
    }
    // The device's read-back keeps the picked DPI step marked.
    ASSERT_TRUE(vqtest::waitUntil([this] { return record().dpi() == 2; }));
    ASSERT_TRUE(vqtest::waitUntil([this] { return marks(page->dpiSettingModel()) == QList<int>{2}; }));

    // A device that refuses settings keeps its step, and the pop-up goes back to it.
    receiver.device().refuseSettings = true;
    pick(row(MouseSettingModel::kKeyAuxiliary, 0), 0);
    EXPECT_EQ(marks(page->dpiSettingModel()), QList<int>{0});
    EXPECT_TRUE(vqtest::waitUntil([this] {
        KeySettingSubView* dpiRow = row(MouseSettingModel::kKeyAuxiliary, 0);
        return marks(page->dpiSettingModel()) == QList<int>{2} && dpiRow && dpiRow->popUpBtn()->selectIndex() == 2;
    }));
}

TEST_F(MouseSettingPageTest, ResetFetchesAgainAndKeepsTheScrollPosition)
{
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("50"));
    load(mouseRecord(kFunctions));
    page->view()->resize(760, 300);
    QCoreApplication::processEvents();
    QScrollBar* scroller = page->scrollView()->verticalScrollBar();
    ASSERT_GT(scroller->maximum(), 40);
    scroller->setValue(40);
    server.clearRequests();
    const int before = applied;
    page->resetButton()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return applied > before; }, 15000));
    ASSERT_GE(server.requests().size(), 2);
    const StandInRequest reset = server.requests().first();
    EXPECT_TRUE(reset.path.endsWith(QLatin1String("/resetCustomerKey")));
    EXPECT_EQ(form(reset, "userModelId"), QStringLiteral("UM1"));
    EXPECT_EQ(form(reset, "sn"), record().sn());
    EXPECT_TRUE(server.requests()[1].path.endsWith(QLatin1String("/getCustomerKey")));
    EXPECT_EQ(scroller->value(), 40);
}

// Offline with no record stored, the page says that the key functions could not be loaded and
// offers no reset; its next showing asks again and shows the keys.
TEST_F(MouseSettingPageTest, KeyFunctionsThatCouldNotBeLoadedAreToldAndAskedForAgain)
{
    server.setReply(QStringLiteral("/api/getCustomerKey"), StandInReply::api(QJsonValue(), 500, QStringLiteral("busy")));
    page = std::make_unique<MouseSettingViewController>();
    page->view()->resize(760, 640);
    page->view()->show();
    ASSERT_TRUE(vqtest::waitUntil([&] { return applied > 0; }, 15000));
    const auto* notice = page->contentView()->findChild<QLabel*>(QStringLiteral("keysNotLoadedNotice"));
    ASSERT_TRUE(notice && notice->isVisibleTo(page->view()));
    EXPECT_FALSE(page->resetButton()->isVisibleTo(page->view()));
    for (const char* language : {"EN_US", "AR_EG"}) {
        VQLanguageManager::sharedInstance().setUiLanguageIndex(int(VQLanguageManager::uiLanguageCodes().indexOf(QLatin1String(language))));
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
        render(QStringLiteral("keys_not_loaded_%1").arg(QString::fromLatin1(language, 2).toLower()));
    }
    server.setReply(QStringLiteral("/api/getCustomerKey"), StandInReply::api(mouseRecord(kFunctions)));
    page->view()->hide();
    page->view()->show();
    ASSERT_TRUE(vqtest::waitUntil([&] { return applied > 1; }, 15000));
    EXPECT_FALSE(notice->isVisibleTo(page->view()));
    EXPECT_NE(section("center_key"), nullptr);
}

TEST_F(MouseSettingPageTest, ShortcutEditorSavesAcrossARebuild)
{
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("50"));
    load(mouseRecord(kFunctions));
    const KeyShortcut ctrlAltK = KeyShortcut::fromQtKey(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    for (const bool confirm : {true, false}) {
        server.clearRequests();
        const auto kind = row(MouseSettingModel::kKeyCenter, 0)->keyModel();
        const QList<int> before = marks(kind);
        pick(row(MouseSettingModel::kKeyCenter, 0), 3);
        QPointer<AddCommandView> editor = page->view()->findChild<AddCommandView*>();
        ASSERT_FALSE(editor.isNull()) << confirm;
        // The device reports its functions while the editor is open: the rows are rebuilt.
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateFunctionNotification));
        QCoreApplication::processEvents();
        if (confirm) {
            // Saved once the editor gave the function its shortcut, never before.
            editor->shortcutsView()->setShortcutValue(ctrlAltK);
            editor->createBtn()->performClick();
            ASSERT_EQ(waitSaves(1), 1);
            EXPECT_EQ(form(saves().last(), "attr0"), ctrlAltK.toRecordJson());
            EXPECT_EQ(form(saves().last(), "attr1"), QStringLiteral("a1"));
        } else {
            // Cancelled: the previous function stays chosen and nothing is sent.
            editor->cancelBtnClicked();
            ASSERT_TRUE(vqtest::waitUntil([] { return VQHttpRequestManager::sharedInstance().openReplyCount() == 0; }));
            EXPECT_TRUE(saves().isEmpty());
            EXPECT_EQ(marks(kind), before);
            EXPECT_EQ(QList<int>{row(MouseSettingModel::kKeyCenter, 0)->popUpBtn()->selectIndex()}, before);
        }
        ASSERT_TRUE(vqtest::waitUntil([&] { return editor.isNull(); }, 10000));
    }
}

TEST_F(MouseSettingPageTest, RebuildWhileAMenuIsOpenAndARefusedSave)
{
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("50"));
    load(mouseRecord(kFunctions));
    // The menu's pick rebuilds the page from inside the pop-up's own handler.
    KeySettingSubView* r = row(MouseSettingModel::kKeyCenter, 0);
    QPointer<KeySettingSubView> guard(r);
    QObject timers;
    QTimer::singleShot(0, &timers, [&] {
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateFunctionNotification));
        pick(r, 1);
    });
    QTimer::singleShot(50, &timers, [&] {
        if (guard)
            guard->popUpBtn()->menu()->close();
    });
    if (guard)
        guard->popUpBtn()->showMenu();
    ASSERT_TRUE(vqtest::waitUntil([&] { return guard.isNull(); }));
    ASSERT_EQ(waitSaves(1), 1);

    // A refused save of a key function is shown; its mark stays.
    server.setReply(QStringLiteral("/api/saveCustomerKey"), StandInReply::api(QJsonValue(), 500, QStringLiteral("refused")));
    pick(row(MouseSettingModel::kKeyCenter, 0), 0);
    ASSERT_TRUE(vqtest::waitUntil([] {
        VQTipWindow* tip = VQPopupWindowTool::sharedInstance().tipWindow();
        return tip && tip->text().contains(QLatin1String("refused"));
    }));
    EXPECT_EQ(marks(row(MouseSettingModel::kKeyCenter, 0)->keyModel()), QList<int>{0});
}

// The product image the stand-in serves: a drawn mouse.
QByteArray productPng()
{
    QImage picture(300, 300, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(112, 112, 112), 6));
    painter.setBrush(QColor(0, 175, 204));
    painter.drawRoundedRect(QRectF(90, 20, 120, 240), 60, 60);
    painter.drawLine(150, 20, 150, 110);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

TEST_F(MouseSettingPageTest, Renders)
{
    server.addRoute({"GET", QStringLiteral("/img/mouse.png"), vqtest::StandInParams::None, {}, QStringLiteral("code"),
                     StandInReply::text(productPng(), "image/png")});
    const QString images = QStringLiteral(R"("images": [{"%1": [{"img": "%2"}]}], )")
                               .arg(VQLanguageManager::sharedInstance().readUILanguageCode(),
                                    server.url(QStringLiteral("/img/mouse.png")));
    VQDeviceSettingsHooks::shared().showAIWindow = [] {};
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("50"));
    const QByteArray extra = images.toUtf8()
                             + R"("functions": [{"name": "ReportRate", "code": "125,500,1000"}, {"name": "AmbientLightSwitch", "code": true}], )";
    load(mouseRecord(R"([{"id": "g", "cmd": "Action_GPT", "name": "AI"}, {"id": "f1", "cmd": "Action_VI", "name": "Typing", "first": "1"}])",
                     extra.constData()));
    EXPECT_TRUE(page->aiButton()->isVisibleTo(page->view()));
    ASSERT_TRUE(vqtest::waitUntil([] { return !service().productImage().isNull(); }, 15000));
    ASSERT_NE(page->productImageView()->pixmap().toImage().pixelColor(page->productImageView()->width() / 2,
                                                                      page->productImageView()->height() / 2),
              QColor(Qt::white));
    render(QStringLiteral("mouse"));
}

// A laser pen: its receiver and a record with "Laser"; page 0 as it stands.
class MouseSettingPenTest : public MouseSettingPageTest {
protected:
    MouseSettingPenTest()
        : MouseSettingPageTest(SimulatedReceiver::laserPenReceiver())
    {
        receiver.device().values.deviceType = 2;
    }
};

TEST_F(MouseSettingPenTest, Renders)
{
    plugAndSettle();
    load(QJsonDocument::fromJson(R"({"id": "P1", "functions": [{"name": "Laser", "code": true}, {"name": "Voice", "code": true}]})").object());
    EXPECT_TRUE(VQUserInfoData::sharedInstance().isLaser());
    render(QStringLiteral("laser_pen"));
}

} // namespace
