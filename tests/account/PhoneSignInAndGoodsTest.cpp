// The phone sign-in view (modes, input rules, its QR code read back with libzbar), the goods
// rows and the goods records (with a mutation run through the parser).
#include "MMImage.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "QrCodeReader.h"
#include "RechargeCellView.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQApiConfig.h"
#include "VQGoodsModel.h"
#include "VQLanguageManager.h"
#include "VQLoginView.h"
#include "VQNotificationNames.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kEnglish = 2;

QString tr(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

void saveRender(QWidget* widget, const QString& name)
{
    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    ASSERT_TRUE(QDir().mkpath(dir));
    EXPECT_TRUE(widget->grab().toImage().save(dir + QStringLiteral("/account_%1.png").arg(name))) << name.toStdString();
}

class PhoneSignInTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
        VQApiConfig::resetForTests();
    }
    void TearDown() override
    {
        VQApiConfig::resetForTests();
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
    }
};

TEST_F(PhoneSignInTest, ModesAndInputRules)
{
    VQLoginView view;
    view.resize(760, 660);
    view.show();
    view.initUIData();
    const QColor grey(112, 112, 112);
    EXPECT_EQ(view.verificationCodeBtn()->titleColor(), QColor(Qt::white));
    EXPECT_EQ(view.passwordBtn()->titleColor(), grey);

    struct Typing {
        bool passwordMode;
        VQTextField* field;
        const char* typed;
        const char* kept;
        QLineEdit::EchoMode echo;
    };
    const QList<Typing> typings {
        { false, view.authCodeTextField(), "12a", "12", QLineEdit::Normal },
        { false, view.phoneNumTextField(), "1a3", "13", QLineEdit::Normal },
        { true, view.authCodeTextField(), "a1 b!", "a1 b!", QLineEdit::Password },
        { true, view.phoneNumTextField(), "x45", "45", QLineEdit::Normal },
    };
    for (const Typing& t : typings) {
        view.changeLoginMode(t.passwordMode ? view.passwordBtn() : view.verificationCodeBtn());
        t.field->clear();
        QTest::keyClicks(t.field, QString::fromLatin1(t.typed));
        EXPECT_EQ(t.field->text(), QString::fromLatin1(t.kept)) << t.typed;
        EXPECT_EQ(t.field->echoMode(), t.echo) << t.typed;
        EXPECT_EQ(view.isPasswordMode(), t.passwordMode);
        EXPECT_EQ(view.authCodeBtn()->isHidden(), t.passwordMode);
    }

    // Pressing the mode already chosen clears the second field all the same.
    view.changeLoginMode(view.passwordBtn());
    QTest::keyClicks(view.authCodeTextField(), QStringLiteral("secret"));
    view.passwordBtn()->performClick();
    EXPECT_TRUE(view.authCodeTextField()->text().isEmpty());
    EXPECT_EQ(view.passwordBtn()->titleColor(), QColor(Qt::white));
    EXPECT_EQ(view.verificationCodeBtn()->titleColor(), grey);

    // "获取验证码" changes nothing.
    view.verificationCodeBtn()->performClick();
    QTest::keyClicks(view.authCodeTextField(), QStringLiteral("42"));
    QTest::keyClicks(view.phoneNumTextField(), QStringLiteral("7"));
    const QStringList before { view.authCodeTextField()->text(), view.phoneNumTextField()->text(),
                               view.authCodeLabel()->text(), view.authCodeTextField()->placeholderText() };
    const QImage look = view.grab().toImage();
    view.authCodeBtn()->performClick();
    EXPECT_EQ((QStringList { view.authCodeTextField()->text(), view.phoneNumTextField()->text(),
                             view.authCodeLabel()->text(), view.authCodeTextField()->placeholderText() }),
              before);
    EXPECT_EQ(view.grab().toImage(), look);
    saveRender(&view, QStringLiteral("phone_sign_in_code"));

    // A re-title keeps the texts of the chosen mode.
    view.passwordBtn()->performClick();
    QTest::keyClicks(view.authCodeTextField(), QStringLiteral("ab"));
    saveRender(&view, QStringLiteral("phone_sign_in_password"));
    VQLanguageManager::sharedInstance().setUiLanguageIndex(kEnglish);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
    EXPECT_EQ(view.authCodeLabel()->text(), tr(VQLoginView::kPasswordText));
    EXPECT_EQ(view.authCodeTextField()->placeholderText(), tr(VQLoginView::kPasswordPlaceholder));
    EXPECT_NE(view.authCodeTextField()->placeholderText(), QString::fromUtf8(VQLoginView::kPasswordPlaceholder));
    EXPECT_EQ(view.authCodeTextField()->text(), QStringLiteral("ab"));
}

TEST_F(PhoneSignInTest, QrCodeReadsAsTheWebSite)
{
    vqtest::QrCodeReader reader;
    ASSERT_TRUE(reader.isLoaded()) << "libzbar.so.0 is missing (scripts/setup installs libzbar-dev)";
    const QList<QString> addresses { VQApiConfig::baseUrl(VQApiConfig::Endpoint::WebSite),
                                     QStringLiteral("http://127.0.0.1:8080/a?b=1&c=%E4%B8%AD") };
    for (const QString& address : addresses) {
        VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::WebSite, address);
        VQLoginView view;
        EXPECT_TRUE(view.qrCodeImageView()->pixmap().isNull()) << "before initUIData";
        view.initUIData();
        const QImage code = view.qrCodeImageView()->pixmap().toImage();
        ASSERT_EQ(code.size(), QSize(VQLoginView::kQrSize, VQLoginView::kQrSize));
        EXPECT_EQ(reader.decode(code), QStringList { address });

        // The middle 16 x 16 points are the program's icon over the plain code.
        QImage expected = mm::generatingTwoDimensionalCode(address, QString(), VQLoginView::kQrSize)
                              .convertToFormat(QImage::Format_RGB32);
        const QImage icon = mm::imageNamed(QString::fromLatin1(VQLoginView::kQrCenterImage), QSize(16, 16)).toImage();
        ASSERT_FALSE(icon.isNull());
        const QRect middle((VQLoginView::kQrSize - 16) / 2, (VQLoginView::kQrSize - 16) / 2, 16, 16);
        const QImage plainMiddle = expected.copy(middle);
        {
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(middle, icon);
        }
        const QImage shownMiddle = code.convertToFormat(QImage::Format_RGB32).copy(middle);
        EXPECT_EQ(shownMiddle, expected.copy(middle));
        EXPECT_NE(shownMiddle, plainMiddle);
    }
}

// Rows of goods options: the mark, the click rules and the texts as given.
TEST(GoodsRowTest, ShowsAndReportsItsOption)
{
    const auto spec = [](bool selected, const QString& name, const QString& price) {
        auto s = std::make_shared<VQGoodsSpecsModel>();
        s->setIsSelected(selected);
        s->setName(name);
        s->setPriceShow(price);
        return s;
    };
    struct Row {
        const char* name;
        std::shared_ptr<VQGoodsSpecsModel> model;
        bool withBlock;
        const char* image;
        int runs; // per click
    };
    const QList<Row> rows {
        { "chosen", spec(true, QStringLiteral("录音包60分钟"), QStringLiteral("9.90 元/月")), true, "6_radio_sel", 0 },
        { "not chosen", spec(false, QStringLiteral("录音包120分钟"), QStringLiteral(" 19.9")), true, "6_radio_nor", 1 },
        { "not chosen, no block", spec(false, QStringLiteral("x"), QStringLiteral("1")), false, "6_radio_nor", 0 },
        { "no price", spec(false, QStringLiteral("无价"), QString()), true, "6_radio_nor", 1 },
    };
    for (const Row& r : rows) {
        RechargeCellView row;
        row.resize(600, 50);
        row.show();
        int runs = 0;
        std::shared_ptr<VQGoodsSpecsModel> reported;
        if (r.withBlock)
            row.setSelectedBlock([&](const std::shared_ptr<VQGoodsSpecsModel>& s) { ++runs; reported = s; });
        row.setGoodsSpecsModel(r.model);
        EXPECT_EQ(row.radioImageName(), QLatin1String(r.image)) << r.name;
        EXPECT_EQ(row.contentLabel()->text(), r.model->name()) << r.name;
        EXPECT_EQ(row.priceLabel()->text(), r.model->priceShow().isNull() ? QString() : r.model->priceShow()) << r.name;
        // A click on the mark, on the name and on the price.
        for (QWidget* target : { static_cast<QWidget*>(row.radioBtn()), static_cast<QWidget*>(row.contentLabel()),
                                 static_cast<QWidget*>(row.priceLabel()) }) {
            const QPoint at = target->geometry().center();
            QWidget* hit = row.childAt(at);
            ASSERT_NE(hit, nullptr) << r.name;
            QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&row, at));
        }
        EXPECT_EQ(runs, 3 * r.runs) << r.name;
        if (r.runs) {
            EXPECT_EQ(reported, r.model) << r.name;
        }
        // The row never changes the choice itself.
        EXPECT_EQ(row.radioImageName(), QLatin1String(r.image)) << r.name;
    }

    // Without a option the three views hide and a click runs nothing.
    RechargeCellView row;
    row.resize(600, 50);
    row.show();
    int runs = 0;
    row.setSelectedBlock([&](const std::shared_ptr<VQGoodsSpecsModel>&) { ++runs; });
    row.setGoodsSpecsModel(spec(false, QStringLiteral("a"), QStringLiteral("1")));
    row.setGoodsSpecsModel(nullptr);
    EXPECT_TRUE(row.radioBtn()->isHidden());
    EXPECT_TRUE(row.contentLabel()->isHidden());
    EXPECT_TRUE(row.priceLabel()->isHidden());
    EXPECT_TRUE(row.contentLabel()->text().isEmpty());
    QTest::mouseClick(row.rowButton(), Qt::LeftButton);
    EXPECT_EQ(runs, 0);
}

TEST(GoodsRowTest, Renders)
{
    QWidget list;
    list.resize(600, 150);
    list.setAutoFillBackground(true);
    const QList<std::pair<bool, bool>> looks { { true, true }, { true, false }, { false, false } };
    int top = 0;
    for (const auto& [withSpec, chosen] : looks) {
        auto* row = new RechargeCellView(&list);
        row->setGeometry(0, top, 600, 50);
        top += 50;
        if (withSpec) {
            auto s = std::make_shared<VQGoodsSpecsModel>();
            s->setIsSelected(chosen);
            s->setName(chosen ? QStringLiteral("录音包60分钟") : QStringLiteral("录音包120分钟"));
            s->setPriceShow(chosen ? QStringLiteral("9.9") : QStringLiteral("19.9"));
            row->setGoodsSpecsModel(s);
        } else {
            row->setGoodsSpecsModel(nullptr);
        }
    }
    list.show();
    saveRender(&list, QStringLiteral("goods_rows"));
}

TEST(GoodsModelTest, MapsGoodsAndOptions)
{
    const QJsonObject goods = QJsonDocument::fromJson(R"({
        "id": 7, "name": "录音包", "status": "1", "type": 2,
        "goodsSpecs": [
            {"id": 71, "name": "60分钟", "priceShow": "9.9", "isSelected": true, "price": 990},
            "not an object",
            {"id": "72", "name": "120分钟", "goodsId": 7}
        ]})").object();
    const auto record = VQGoodsModel::fromJson(goods);
    EXPECT_EQ(record->idStr(), QStringLiteral("7"));
    EXPECT_EQ(record->type(), QStringLiteral("2"));
    EXPECT_TRUE(record->alipa().isNull());
    ASSERT_EQ(record->goodsSpecs().size(), 2);
    EXPECT_EQ(record->goodsSpecs().at(0)->idStr(), QStringLiteral("71"));
    EXPECT_EQ(record->goodsSpecs().at(0)->price(), QStringLiteral("990"));
    EXPECT_TRUE(record->goodsSpecs().at(0)->isSelected());
    EXPECT_EQ(record->goodsSpecs().at(1)->idStr(), QStringLiteral("72"));
    EXPECT_EQ(record->goodsSpecs().at(1)->goodsId(), QStringLiteral("7"));
    EXPECT_FALSE(record->goodsSpecs().at(1)->isSelected());
    EXPECT_TRUE(record->goodsSpecs().at(1)->priceShow().isNull());

    // No "goodsSpecs": an empty list, the same one on every read.
    const auto bare = VQGoodsModel::fromJson(QJsonObject { { QStringLiteral("id"), QStringLiteral("8") } });
    EXPECT_TRUE(bare->goodsSpecs().isEmpty());
    EXPECT_EQ(&bare->goodsSpecs(), &bare->goodsSpecs());

    // The choice flag.
    const QList<std::pair<QJsonValue, bool>> flags {
        { QJsonValue(true), true },           { QJsonValue(false), false },
        { QJsonValue(1), true },              { QJsonValue(0), false },
        { QJsonValue(-2.5), true },           { QJsonValue(QStringLiteral("true")), true },
        { QJsonValue(QStringLiteral("1")), true }, { QJsonValue(QStringLiteral("yes")), false },
        { QJsonValue(QStringLiteral("0")), false }, { QJsonValue(QJsonValue::Null), false },
        { QJsonValue(QJsonArray { 1 }), false },   { QJsonValue(QJsonValue::Undefined), false },
    };
    for (const auto& [value, selected] : flags) {
        QJsonObject spec;
        if (!value.isUndefined())
            spec.insert(QStringLiteral("isSelected"), value);
        EXPECT_EQ(VQGoodsSpecsModel::fromJson(spec)->isSelected(), selected)
            << QJsonDocument(QJsonObject { { QStringLiteral("v"), value } }).toJson(QJsonDocument::Compact).toStdString();
    }
}

// Random mutations of a goods object: every field comes out a text or unset, never a crash.
TEST(GoodsModelTest, SurvivesMutatedObjects)
{
    const QStringList keys { "alipa", "createTime", "name", "wechat", "remark", "id", "type", "status", "goodsSpecs",
                             "unit", "goodsId", "price", "num", "goodsName", "priceShow", "isSelected" };
    QRandomGenerator random(27);
    const auto randomValue = [&](int depth, auto&& self) -> QJsonValue {
        switch (random.bounded(depth > 2 ? 6 : 8)) {
        case 0: return QJsonValue(QJsonValue::Null);
        case 1: return QJsonValue(random.bounded(2) == 1);
        case 2: return QJsonValue(double(random.bounded(2000000)) - 1000000.0 + random.generateDouble());
        case 3: return QJsonValue(QString::number(random.generate()));
        case 4: return QJsonValue(QString(random.bounded(4), QChar(0x4e00 + random.bounded(200))));
        case 5: return QJsonValue(QString());
        case 6: {
            QJsonArray array;
            for (int i = random.bounded(4); i > 0; --i)
                array.append(self(depth + 1, self));
            return array;
        }
        default: {
            QJsonObject object;
            for (int i = random.bounded(5); i > 0; --i)
                object.insert(keys.at(random.bounded(keys.size())), self(depth + 1, self));
            return object;
        }
        }
    };
    const int rounds = 1000000;
    int specsSeen = 0;
    for (int round = 0; round < rounds; ++round) {
        QJsonObject object;
        for (int i = random.bounded(6); i > 0; --i)
            object.insert(keys.at(random.bounded(keys.size())), randomValue(1, randomValue));
        const auto goods = VQGoodsModel::fromJson(object);
        const QJsonValue id = object.value(QStringLiteral("id"));
        if (id.isString()) {
            ASSERT_EQ(goods->idStr(), id.toString());
        } else {
            ASSERT_EQ(goods->idStr().isNull(), !id.isDouble());
        }
        ASSERT_LE(goods->goodsSpecs().size(), object.value(QStringLiteral("goodsSpecs")).toArray().size());
        for (const auto& spec : goods->goodsSpecs()) {
            ASSERT_NE(spec, nullptr);
            ++specsSeen;
        }
    }
    EXPECT_GT(specsSeen, 0);
}

} // namespace
