// Text insertion through accessibility against real applications: Qt line edits and a GTK 3
// entry on a private accessibility bus, the pointer moved by XTest, the manager started by
// "ASRStartNotification" as the voice hub posts it.
#include "NotificationCenter.h"
#include "TestSupport.h"
#include "UIElementUtilities.h"
#include "VQNotificationNames.h"
#include "VQTextAreaManager.h"
#include "XTestUser.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A private session bus with the accessibility bus launched on it.
class AccessibilityBus : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                       QStringLiteral("--print-address=1")});
        ASSERT_TRUE(m_daemon.waitForStarted(10000));
        ASSERT_TRUE(m_daemon.waitForReadyRead(10000));
        const QByteArray address = m_daemon.readLine().trimmed();
        ASSERT_FALSE(address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qunsetenv("AT_SPI_BUS_ADDRESS");
        m_launcher.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {QStringLiteral("--launch-immediately")});
        ASSERT_TRUE(m_launcher.waitForStarted(10000));
        ASSERT_TRUE(vqtest::waitUntil(
            [] { return QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus")).value(); },
            10000));
    }
    void TearDown() override
    {
        for (QProcess* p : {&m_launcher, &m_daemon}) {
            p->terminate();
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

private:
    QProcess m_daemon;
    QProcess m_launcher;
};

const auto* const g_bus = ::testing::AddGlobalTestEnvironment(new AccessibilityBus);

// One application with text fields; see tests/support/a11y_client.
class FieldApp {
public:
    FieldApp(const QString& program, const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("NO_AT_BRIDGE"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(program, arguments);
        const QStringList lines = readBlock();
        for (const QString& line : lines) {
            const QStringList w = line.split(QLatin1Char(' '));
            if (w.value(0) == QLatin1String("field") && w.size() == 6)
                fields.append(QRect(w.at(2).toInt(), w.at(3).toInt(), w.at(4).toInt(), w.at(5).toInt()));
        }
        // The application registers with the accessibility registry while it starts.
        vqtest::spin(500);
    }
    ~FieldApp()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    struct Field {
        QString text;
        int cursor = -1;
    };
    QList<Field> dump()
    {
        m_process.write("dump\n");
        QList<Field> result;
        for (const QString& line : readBlock()) {
            const QStringList w = line.split(QLatin1Char(' '));
            if (w.value(0) == QLatin1String("text") && w.size() == 4)
                result.append({QUrl::fromPercentEncoding(w.at(2).toLatin1()), w.at(3).toInt()});
        }
        return result;
    }
    void caret(int field, int position) { m_process.write(QStringLiteral("caret %1 %2\n").arg(field).arg(position).toLatin1()); }

    QList<QRect> fields;

private:
    QStringList readBlock()
    {
        QStringList lines;
        vqtest::waitUntil(
            [&] {
                while (m_process.canReadLine()) {
                    const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
                    if (line == QLatin1String("end"))
                        return true;
                    lines << line;
                }
                return m_process.state() == QProcess::NotRunning;
            },
            15000);
        return lines;
    }
    QProcess m_process;
};

std::unique_ptr<FieldApp> qtApp(QPoint at, const QStringList& texts)
{
    return std::make_unique<FieldApp>(QStringLiteral(VQ_A11Y_CLIENT),
                                      QStringList{QString::number(at.x()), QString::number(at.y())} + texts);
}

std::unique_ptr<FieldApp> gtkApp(QPoint at, const QString& text)
{
    return std::make_unique<FieldApp>(QStringLiteral("/usr/bin/python3"),
                                      QStringList{QStringLiteral(VQ_GTK_ENTRY), QString::number(at.x()), QString::number(at.y()), text});
}

class TextInsertionX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        NotificationCenter::defaultCenter().resetForTests();
        VQTextAreaManager::resetForTests(nullptr);
        VQTextAreaManager::sharedInstance().registerNotification();
        ASSERT_TRUE(user.ok());
    }
    void TearDown() override
    {
        VQTextAreaManager::resetForTests(nullptr);
        NotificationCenter::defaultCenter().resetForTests();
    }
    void start()
    {
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::ASRStartNotification));
        VQTextAreaManager::sharedInstance().waitForWorker();
    }
    void say(const QStringList& pieces)
    {
        for (int i = 0; i < pieces.size(); ++i)
            VQTextAreaManager::sharedInstance().showTextToCurrentTextArea(pieces.at(i), i == pieces.size() - 1);
        VQTextAreaManager::sharedInstance().waitForWorker();
    }
    void pointAt(QPoint p)
    {
        user.move(p);
        vqtest::spin(100);
    }

    XTestUser user;
};

} // namespace

// Where the text goes in Qt and GTK fields, and where their caret ends.
TEST_F(TextInsertionX11Test, TextGoesAtTheCaretOfTheFieldUnderThePointer)
{
    const QString emoji = QStringLiteral("\U0001F600");
    struct Row {
        const char* what;
        bool gtk;
        QStringList texts;
        int caret;         // of field 0
        int pointerField;  // -1: the window's margin
        QStringList pieces;
        QStringList expected; // the fields' texts afterwards
        int expectedField;    // whose cursor is checked (-1: none)
        int expectedCursor;
    };
    const Row rows[] = {
        {"interims replace each other", false, {QStringLiteral("abcdef"), QStringLiteral("other")}, 3, 0,
         {QStringLiteral("x"), QStringLiteral("yz")}, {QStringLiteral("abcyzdef"), QStringLiteral("other")}, 0, 5},
        {"emoji before the caret, Qt", false, {emoji + QStringLiteral("abc"), QStringLiteral("other")}, 3, 0,
         {QStringLiteral("x")}, {emoji + QStringLiteral("axbc"), QStringLiteral("other")}, 0, 4},
        {"emoji before the caret, GTK", true, {emoji + QStringLiteral("abc")}, 2, 0, {QStringLiteral("x")},
         {emoji + QStringLiteral("axbc")}, 0, 3},
        {"the window's margin gives the last field", false, {QStringLiteral("one"), QStringLiteral("two")}, 1, -1,
         {QStringLiteral("!")}, {QStringLiteral("one"), QStringLiteral("two!")}, 1, 4},
        {"a password field is untouched", false, {QStringLiteral("abc"), QStringLiteral("--password"), QStringLiteral("secret")}, 1, 1,
         {QStringLiteral("x")}, {QStringLiteral("abc"), QStringLiteral("secret")}, -1, 0},
    };
    for (const Row& row : rows) {
        std::unique_ptr<FieldApp> app = row.gtk ? gtkApp(QPoint(100, 100), row.texts.value(0)) : qtApp(QPoint(100, 100), row.texts);
        ASSERT_FALSE(app->fields.isEmpty()) << row.what;
        app->caret(0, row.caret);
        const QRect first = app->fields.first();
        pointAt(row.pointerField < 0 ? first.topLeft() - QPoint(20, 20) : app->fields.value(row.pointerField).center());
        start();
        say(row.pieces);
        const QList<FieldApp::Field> fields = app->dump();
        QStringList texts;
        for (const FieldApp::Field& f : fields)
            texts << f.text;
        EXPECT_EQ(texts, row.expected) << row.what;
        if (row.expectedField >= 0) {
            EXPECT_EQ(fields.value(row.expectedField).cursor, row.expectedCursor) << row.what;
        }
    }
}

// Which application is written: the top one of two overlapping windows; none when nothing is
// under the pointer at the start, even after an earlier start found a field.
TEST_F(TextInsertionX11Test, OnlyTheTopWindowUnderThePointerAtTheStartIsWritten)
{
    auto bottom = qtApp(QPoint(100, 100), {QStringLiteral("bottom")});
    auto top = qtApp(QPoint(120, 110), {QStringLiteral("top")});
    ASSERT_FALSE(bottom->fields.isEmpty());
    ASSERT_FALSE(top->fields.isEmpty());
    const QRect overlap = bottom->fields.first().intersected(top->fields.first());
    ASSERT_FALSE(overlap.isEmpty());
    pointAt(overlap.center());
    start();
    say({QStringLiteral("1")});
    EXPECT_EQ(top->dump().value(0).text, QStringLiteral("top1"));
    EXPECT_EQ(bottom->dump().value(0).text, QStringLiteral("bottom"));

    pointAt(QPoint(1500, 900));
    start();
    say({QStringLiteral("2")});
    EXPECT_EQ(top->dump().value(0).text, QStringLiteral("top1"));
    EXPECT_EQ(bottom->dump().value(0).text, QStringLiteral("bottom"));
}

// The helpers over the real bus: the field under the pointer described, its lineage and frame,
// and its text and caret set from text.
TEST_F(TextInsertionX11Test, TheFieldUnderThePointerIsDescribedAndSetFromText)
{
    using U = UIElementUtilities;
    auto app = qtApp(QPoint(100, 100), {QStringLiteral("abcdef")});
    ASSERT_FALSE(app->fields.isEmpty());
    const QRect field = app->fields.first();
    pointAt(field.center());
    std::unique_ptr<AccessibilityBackend> b = AccessibilityBackend::createDefault();
    ASSERT_TRUE(b->isReachable());
    const AccessibilityBackend::Element e = b->elementAtPointer();
    ASSERT_FALSE(e.isNull());

    const QStringList lineage = U::lineageOfUIElement(*b, e);
    ASSERT_GE(lineage.size(), 2);
    EXPECT_EQ(lineage.first(), QStringLiteral("<application: \u201Ccorvane-a11y-client\u201D>"));
    EXPECT_EQ(lineage.last(), QStringLiteral("<text>"));
    const QString description = U::stringDescriptionOfUIElement(*b, e);
    EXPECT_TRUE(description.startsWith(lineage.first() + QStringLiteral("\n ") + lineage.at(1) + QLatin1Char('\n')))
        << qPrintable(description);
    EXPECT_TRUE(description.contains(QStringLiteral("   AXValue (W):  \u201Cabcdef\u201D\n"))) << qPrintable(description);
    EXPECT_TRUE(description.contains(QStringLiteral("\nActions:\n   "))) << qPrintable(description);
    EXPECT_EQ(U::descriptionOfAXDescriptionOfUIElement(*b, e), QStringLiteral("No Description"));
    EXPECT_GT(U::processIdentifierOfUIElement(*b, e), 0);

    // The frame in bottom-left coordinates of the 1920 x 1080 screen.
    EXPECT_EQ(U::frameOfUIElement(*b, e, {QRectF(0, 0, 1920, 1080)}),
              QRectF(field.x(), 1080 - field.y() - field.height(), field.width(), field.height()));

    ASSERT_TRUE(U::setStringValue(*b, QStringLiteral("abXYZ"), QLatin1String(U::kValue), e));
    ASSERT_TRUE(U::setStringValue(*b, QStringLiteral("pos=2 len=0"), QLatin1String(U::kSelectedTextRange), e));
    EXPECT_FALSE(U::setStringValue(*b, QStringLiteral("2"), QLatin1String(U::kSelectedTextRange), e));
    const QList<FieldApp::Field> fields = app->dump();
    EXPECT_EQ(fields.value(0).text, QStringLiteral("abXYZ"));
    EXPECT_EQ(fields.value(0).cursor, 2);
    ASSERT_TRUE(U::setStringValue(*b, QStringLiteral("pos=1 len=3"), QLatin1String(U::kSelectedTextRange), e));
    EXPECT_EQ(U::descriptionForUIElement(*b, e, QLatin1String(U::kSelectedTextRange), true),
              QStringLiteral("<AXRangeValue pos=1 len=3>"));
}
