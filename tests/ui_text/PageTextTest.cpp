// Every page and window a user reads, in all 17 UI languages: each text has its room and keeps
// clear of its neighbours (tests/support/TextRoom.h). The pages are rendered in English and
// Arabic to renders/page_<name>_<language>.png.
#include "AboutMouseView.h"
#include "AddCommandView.h"
#include "CommandWordView.h"
#include "AuthorityManagementWindowController.h"
#include "ForgetPasswordView.h"
#include "HyperTranslateView.h"
#include "KeySettingSubView.h"
#include "LaserPenSettingViewController.h"
#include "LoginView.h"
#include "MineHeaderView.h"
#include "MineViewController.h"
#include "MouseSettingViewController.h"
#include "PagesFixture.h"
#include "PersonalitySettingViewController.h"
#include "PreferencesViewController.h"
#include "RegisterView.h"
#include "SmartDetectionViewController.h"
#include "SmartSettingViewController.h"
#include "SnipTranslateView.h"
#include "SoftwareManagerViewController.h"
#include "TextRoom.h"
#include "UserDefaults.h"
#include "VQAIWindowController.h"
#include "VQAudioMonitorService.h"
#include "VQButton.h"
#include "VQCompositionRoot.h"
#include "VQInputView.h"
#include "VQLowPowerRemindSettingView.h"
#include "VQLabel.h"
#include "VQLoginResultModel.h"
#include "VQPermissionChecker.h"
#include "VQPopupWindow.h"
#include "VQPopupWindowTool.h"
#include "VQTextField.h"
#include "VQTipWindow.h"
#include "VQTranslateWindow.h"

#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// A page in a host of the main window's page size (760 x 660), or a window at its own size.
QWidget* host(QWidget* child = nullptr)
{
    auto* host = new QWidget;
    host->resize(760, 660);
    if (child) {
        child->setParent(host);
        child->setGeometry(host->rect());
    }
    return host;
}

template <class Controller>
QWidget* page()
{
    auto* controller = new Controller;
    QWidget* shown = host(controller->view());
    controller->setParent(shown);
    return shown;
}

template <class Controller> // a page once its content from the stand-in server has arrived
std::function<QWidget*()> filledPage(std::function<bool(QWidget*)> arrived)
{
    return [arrived] { QWidget* shown = page<Controller>(); EXPECT_TRUE(vqtest::waitUntil([&] { return arrived(shown); }, 15000)); return shown; };
}

// The alert of a start that ends without running, made anew in each language.
std::function<QWidget*(QWidget*)> startAlert(const char* text)
{
    return [text](QWidget* shown) {
        qDeleteAll(shown->findChildren<QMessageBox*>(Qt::FindDirectChildrenOnly));
        QMessageBox* alert = VQCompositionRoot::makeStartAlert(text);
        alert->setParent(shown); // inside the host, so the page's render shows it
        alert->show();
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents();
        shown->resize(alert->size());
        return static_cast<QWidget*>(nullptr);
    };
}

const struct {
    const char* name;
    std::function<QWidget*()> make;
    int minGap = 4; // between a text and its neighbours on the row
    // After each change of language: shows what an event shows; may give a window of its own to read too.
    std::function<QWidget*(QWidget*)> show = {};
} kPages[] = {
    { "software", page<SoftwareManagerViewController>, 4, [](QWidget* view) {
         auto* about = view->findChild<AboutMouseView*>();
         const QString mouseTitle = about->titleLabel()->text();
         VQUserInfoData::sharedInstance().mouseInfoItem().setDeviceType(VQMouseInfoItem::DeviceTypeLaserPen);
         NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::HadUSBInfoNotification));
         EXPECT_NE(about->titleLabel()->text(), mouseTitle) << "the title of a connected laser pen";
         VQUserInfoData::sharedInstance().mouseInfoItem().setDeviceType(VQMouseInfoItem::DeviceTypeKeyboardReceiver);
         NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::HadUSBInfoNotification));
         NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTASuccessNotification));
         about->updateBtn()->show(); // both firmware files stored
         about->updateDongleBtn()->show();
         return static_cast<QWidget*>(VQPopupWindowTool::sharedInstance().tipWindow());
     } },
    { "mouse_settings", filledPage<MouseSettingViewController>([](QWidget* v) { return v->findChildren<KeySettingSubView*>().size() > 2; }) },
    { "smart", page<SmartSettingViewController> },
    { "personality", filledPage<PersonalitySettingViewController>([](QWidget* v) { return v->findChild<CommandWordView*>()->cellAt(0)->model().has_value(); }) },
    { "lighting", page<PreferencesViewController> },
    { "my_device", page<MineViewController> },
    { "detection", page<SmartDetectionViewController> },
    { "laser_pen", page<LaserPenSettingViewController> },
    // A row's state apart from its title, as another phrase.
    { "permissions", [] { return new AuthorityManagementWindowController(new VQPermissionChecker(qApp)); }, 12 },
    { "command_editor", [] { QWidget* shown = host(); (new AddCommandView)->showInView(shown); return shown; } },
    { "login", [] { return host(new LoginView); } },
    { "register", [] { return host(new RegisterView); } },
    { "forget_password", [] { return host(new ForgetPasswordView); } },
    { "translation", [] {
         auto* translation = new VQTranslateWindow;
         translation->setFanText(QStringLiteral("Hello world"));
         translation->setYiText(QStringLiteral("Bonjour le monde"));
         return static_cast<QWidget*>(translation);
     } },
    { "ai_window", [] { return static_cast<QWidget*>(new VQAIWindowController); } },
    { "my_device_signed_in", [] {
         VQUserInfoData::sharedInstance().setLoginResult(VQLoginResultModel::fromJson(QJsonObject { { "account", "reader@example.com" }, { "expiredTime", "1900000000" } }));
         VQUserInfoData::sharedInstance().setIsLogin(true);
         return page<MineViewController>();
     } },
    { "other_session_alert", [] { return host(); }, 4, startAlert(VQCompositionRoot::kOtherSessionText) },
    { "no_answer_alert", [] { return host(); }, 4, startAlert(VQCompositionRoot::kNoAnswerText) },
    { "speech_popup", [] { return static_cast<QWidget*>(new VQPopupWindow); }, 4, [](QWidget* popup) {
         static_cast<VQPopupWindow*>(popup)->showSpeechView(QRNLocalizedString::qrnAppLocalizedString(VQAudioMonitorService::noSpeechText()), 0);
         return static_cast<QWidget*>(nullptr);
     } },
};

QStringList translations(const QString& code)
{
    QFile file(QStringLiteral(VQ_SOURCE_DIR "/resources/translations/vq_%1.ts").arg(code.toLower()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QStringList texts;
    for (QXmlStreamReader ts(&file); !ts.atEnd();)
        if (ts.readNext() == QXmlStreamReader::StartElement && ts.name() == u"translation")
            texts << ts.readElementText();
    return texts;
}

QImage renderOnWhite(QWidget* view)
{
    QImage image(view->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    view->render(&painter);
    return image;
}

// The personality page's fixture (store, stand-in API), a connected mouse with its values so the
// rows that show them are filled, and the sections and header the composition root registers.
class PageTextTest : public pagestest::PagesFixture {
protected:
    void SetUp() override
    {
        PagesFixture::SetUp();
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
        SmartSettingViewController::registerSectionFactory(3, [] { return new HyperTranslateView; });
        SmartSettingViewController::registerSectionFactory(4, [] { return new SnipTranslateView; });
        SmartSettingViewController::registerSectionFactory(6, [] { return new VQLowPowerRemindSettingView; });
        MineViewController::setHeaderFactory([](QWidget* parent) { return VQAccountHeader { new MineHeaderView(parent), {} }; });
        VQUserInfoData& user = VQUserInfoData::sharedInstance();
        user.setIsConnect(true);
        user.mouseInfoItem().setDeviceType(3);
        user.mouseInfoItem().setFirmwareVersion(QStringLiteral("1.2.3"));
        user.mouseInfoItem().setPowerPercent(80);
        SoftwareManagerViewController::setAboutViewFactory([] { return new AboutMouseView; });
        // A custom command and press kinds named as the server names them, longer than their columns.
        held[QStringLiteral("SN-A")] << pagestest::item(QStringLiteral("website"), QStringLiteral("open the calculator"), QStringLiteral("https://example.com/calculator"));
        server.setReply(QStringLiteral("/api/getCustomerKey"), vqtest::StandInReply::api(QJsonDocument::fromJson(R"({"id": "M1", "keyInfos": [{"id": "k1", "key": "center_key", "name": "Middle key", "childs": [
            {"id": "p1", "operation": "sk", "name": "Single press", "childs": [{"id": "f1", "cmd": "Action_VI", "name": "Voice typing", "first": "1"}]},
            {"id": "p2", "operation": "dk", "name": "Double press", "childs": [{"id": "f2", "cmd": "Action_VI", "name": "Voice typing", "first": "1"}]}]}]})").object()));
    }

    void TearDown() override
    {
        setUiLanguage(0);
        SmartSettingViewController::resetSectionFactoriesForTests();
        MineViewController::setHeaderFactory({});
        VQPopupWindowTool::resetForTests();
        PagesFixture::TearDown();
    }

    static void setUiLanguage(int index)
    {
        VQLanguageManager::sharedInstance().setUiLanguageIndex(index);
        VQLanguageManager::sharedInstance().shouldRefreshData();
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
        settle();
    }

    // The layout passes the new texts ask for, nested ones included.
    static void settle()
    {
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents();
    }
};

// Each text field: the frame it sits in shows its whole border, and typed text reads dark.
TEST_F(PageTextTest, TextFieldsShowTheirWholeBorderAndDarkText)
{
    const struct {
        int page;
        std::function<QLineEdit*(QWidget*)> field;
        bool framed;
    } rows[] = {
        { 9, [](QWidget* v) { return v->findChild<AddCommandView*>()->wordTextField(); }, true },
        { 9, [](QWidget* v) { return v->findChild<AddCommandView*>()->pathTextField(); }, true },
        { 7, [](QWidget* v) { return v->findChild<LaserPenSettingViewController*>()->otherCountDownTextField(); }, true },
        { 10, [](QWidget* v) { return v->findChild<LoginView*>()->accountInputView()->textField(); }, false },
    };
    for (const auto& row : rows) {
        std::unique_ptr<QWidget> view(kPages[row.page].make());
        view->show();
        QLineEdit* field = row.field(view.get());
        SCOPED_TRACE(field->metaObject()->className());
        field->setText(QStringLiteral("Hello 123"));
        const QImage image = renderOnWhite(view.get()).copy(vqtest::inRoot(field->parentWidget(), view.get(), field->parentWidget()->rect()));
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        EXPECT_LT(darkest, 80) << "typed text as light as a placeholder";
        const QRect edge = image.rect();
        for (const QPoint& side : { QPoint(edge.center().x(), 0), QPoint(edge.center().x(), edge.bottom()), QPoint(0, edge.center().y()),
                                    QPoint(edge.right(), edge.center().y()) })
            EXPECT_TRUE(!row.framed || qGray(image.pixel(side)) < 250) << "no border at " << side.x() << "," << side.y();
    }
}

TEST_F(PageTextTest, EveryTextHasItsRoomInEveryLanguage)
{
    const QString renders = QStringLiteral(VQ_BUILD_DIR "/renders");
    ASSERT_TRUE(QDir().mkpath(renders));
    const QStringList codes = VQLanguageManager::uiLanguageCodes();
    for (const auto& row : kPages) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<QWidget> view(row.make());
        view->show();
        settle();
        EXPECT_EQ(vqtest::crampedTexts(view.get(), row.minGap).join(QLatin1Char('\n')).toStdString(), "") << "as first shown";
        for (int ui = 0; ui < VQLanguageManager::uiLanguageCount; ++ui) {
            SCOPED_TRACE(codes.at(ui).toStdString());
            setUiLanguage(ui);
            const QWidget* own = row.show ? row.show(view.get()) : nullptr;
            QStringList faults = vqtest::crampedTexts(view.get(), row.minGap) + vqtest::composedTexts(view.get(), translations(codes.at(ui)));
            // Outside Chinese and Japanese no Chinese is left: every text was looked up.
            for (const auto& [widget, name, drawn] : vqtest::shownTexts(view.get()) + (own ? vqtest::shownTexts(own) : decltype(vqtest::shownTexts(own)) {})) {
                const auto ucs = name.toUcs4();
                if (!codes.at(ui).startsWith(QLatin1String("ZH_")) && codes.at(ui) != QLatin1String("JA_JP")
                    && std::any_of(ucs.begin(), ucs.end(), [](char32_t ch) { return QChar::script(ch) == QChar::Script_Han; }))
                    faults << QStringLiteral("untranslated: ") + name;
            }
            EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
            if (codes.at(ui) == QLatin1String("EN_US") || codes.at(ui) == QLatin1String("AR_EG"))
                EXPECT_TRUE(renderOnWhite(view.get()).save(QStringLiteral("%1/page_%2_%3.png").arg(renders, QString::fromLatin1(row.name), codes.at(ui).left(2).toLower())));
        }
    }
}

} // namespace
