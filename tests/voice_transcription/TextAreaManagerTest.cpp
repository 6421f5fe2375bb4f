// Text insertion through accessibility with a scripted accessibility tree: where the text goes,
// where the caret ends, and when nothing is written.
#include "AccessibilityBackend.h"
#include "NotificationCenter.h"
#include "TestSupport.h"
#include "UIElementUtilities.h"
#include "VQNotificationNames.h"
#include "VQTextAreaManager.h"

#include <QHash>
#include <QMutex>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window "/win" holding "/panel" with the field "/f1", and, when asked, a second field "/f2"
// after the panel. Fields count in UTF-16 units or in code points.
struct Tree {
    QMutex mutex;
    bool reachable = true;
    bool underPointer = true;
    bool secondField = false;
    bool password = false;
    bool codePoints = false;
    qint64 countOffset = 0; // added to the reported character count
    QHash<QString, QString> texts;
    QHash<QString, qint64> carets;
    QHash<QString, qint64> caretsSet;
    int writes = 0;
};

class ScriptedBackend : public AccessibilityBackend {
public:
    explicit ScriptedBackend(std::shared_ptr<Tree> tree)
        : m_tree(std::move(tree))
    {
    }
    bool isReachable() override { return locked().reachable; }
    Element elementAtPointer() override
    {
        return locked().underPointer ? element(QStringLiteral("/win")) : Element{};
    }
    QList<Element> children(const Element& e) override
    {
        const Tree& t = locked();
        if (e.path == QLatin1String("/win"))
            return t.secondField ? QList<Element>{element(QStringLiteral("/panel")), element(QStringLiteral("/f2"))}
                                 : QList<Element>{element(QStringLiteral("/panel"))};
        if (e.path == QLatin1String("/panel"))
            return {element(QStringLiteral("/f1"))};
        return {};
    }
    bool isEditableText(const Element& e) override { return e.path.startsWith(QLatin1String("/f")); }
    bool isPassword(const Element&) override { return locked().password; }
    std::optional<TextState> textState(const Element& e) override
    {
        const Tree& t = locked();
        TextState state;
        state.text = t.password ? QString() : t.texts.value(e.path);
        state.caretOffset = t.carets.value(e.path, 0);
        const qint64 count = t.codePoints ? qint64(t.texts.value(e.path).toUcs4().size()) : qint64(t.texts.value(e.path).size());
        state.characterCount = count + t.countOffset;
        return state;
    }
    bool setTextContents(const Element& e, const QString& text) override
    {
        Tree& t = locked();
        t.texts[e.path] = text;
        ++t.writes;
        return true;
    }
    bool setCaretOffset(const Element& e, qint64 offset) override
    {
        locked().caretsSet[e.path] = offset;
        return true;
    }

private:
    static Element element(const QString& path) { return {QStringLiteral(":1.5"), path}; }
    // Each call of the worker runs alone; the test reads only after waitForWorker.
    Tree& locked() { return *m_tree; }
    std::shared_ptr<Tree> m_tree;
};

void startRecognition()
{
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::ASRStartNotification));
}

} // namespace

TEST(TextAreaManagerTest, TextGoesAtTheCaretFoundAtTheStartOrNowhere)
{
    struct Row {
        const char* what;
        QString text;
        qint64 caret;
        QStringList pieces; // interim texts, the last one final
        QString expected;
        qint64 expectedCaret; // -1: no caret set
        std::function<void(Tree&)> arrange = nullptr;
        std::function<void(Tree&)> betweenStarts = nullptr; // a first start, then this, then the start
        bool update = false; // the second start is performTimerBasedUpdate
    };
    const Row rows[] = {
        {"interims replace each other", QStringLiteral("abcdef"), 3, {QStringLiteral("x"), QStringLiteral("yz")},
         QStringLiteral("abcyzdef"), 5},
        {"caret beyond the end appends", QStringLiteral("abc"), 10, {QStringLiteral("xy")}, QStringLiteral("abcxy"), 5},
        {"caret -1 keeps the position found before", QStringLiteral("abcd"), 2, {QStringLiteral("X")},
         QStringLiteral("abXcd"), 3, nullptr, [](Tree& t) { t.carets[QStringLiteral("/f1")] = -1; }},
        {"emoji before the caret, UTF-16 units", QStringLiteral("\U0001F600abc"), 3, {QStringLiteral("x")},
         QStringLiteral("\U0001F600axbc"), 4},
        {"emoji before the caret, code points", QStringLiteral("\U0001F600abc"), 2, {QStringLiteral("x")},
         QStringLiteral("\U0001F600axbc"), 3, [](Tree& t) { t.codePoints = true; }},
        {"the last field in depth-first order", QStringLiteral("one"), 3, {QStringLiteral("!")}, QStringLiteral("one"), -1,
         [](Tree& t) {
             t.secondField = true;
             t.texts[QStringLiteral("/f2")] = QStringLiteral("two");
             t.carets[QStringLiteral("/f2")] = 3;
         }},
        {"accessibility bus unreachable", QStringLiteral("abc"), 1, {QStringLiteral("x")}, QStringLiteral("abc"), -1,
         [](Tree& t) { t.reachable = false; }},
        {"password field", QStringLiteral("secret"), 2, {QStringLiteral("x")}, QStringLiteral("secret"), -1,
         [](Tree& t) { t.password = true; }},
        {"length disagrees with the count", QStringLiteral("abc"), 1, {QStringLiteral("x")}, QStringLiteral("abc"), -1,
         [](Tree& t) { t.countOffset = 2; }},
        {"nothing under the pointer at the second start", QStringLiteral("abc"), 1, {QStringLiteral("x")},
         QStringLiteral("abc"), -1, nullptr, [](Tree& t) { t.underPointer = false; }},
        {"an update reads the caret again", QStringLiteral("abcd"), 4, {QStringLiteral("X")}, QStringLiteral("aXbcd"), 2,
         nullptr, [](Tree& t) { t.carets[QStringLiteral("/f1")] = 1; }, true},
        {"an update with nothing under the pointer keeps the target", QStringLiteral("abc"), 1, {QStringLiteral("x")},
         QStringLiteral("axbc"), 2, nullptr, [](Tree& t) { t.underPointer = false; }, true},
    };
    for (const Row& row : rows) {
        auto tree = std::make_shared<Tree>();
        tree->texts[QStringLiteral("/f1")] = row.text;
        tree->carets[QStringLiteral("/f1")] = row.caret;
        if (row.arrange)
            row.arrange(*tree);
        VQTextAreaManager::resetForTests([tree] { return std::make_unique<ScriptedBackend>(tree); });
        VQTextAreaManager& manager = VQTextAreaManager::sharedInstance();
        manager.registerNotification();
        if (row.betweenStarts) {
            startRecognition();
            manager.waitForWorker();
            row.betweenStarts(*tree);
        }
        if (row.update)
            manager.performTimerBasedUpdate();
        else
            startRecognition();
        for (int i = 0; i < row.pieces.size(); ++i)
            manager.showTextToCurrentTextArea(row.pieces.at(i), i == row.pieces.size() - 1);
        manager.waitForWorker();
        EXPECT_EQ(tree->texts.value(QStringLiteral("/f1")), row.expected) << row.what;
        if (row.expectedCaret >= 0) {
            EXPECT_EQ(tree->caretsSet.value(QStringLiteral("/f1"), -1), row.expectedCaret) << row.what;
        } else {
            EXPECT_FALSE(tree->caretsSet.contains(QStringLiteral("/f1"))) << row.what;
        }
        if (tree->secondField) {
            EXPECT_EQ(tree->texts.value(QStringLiteral("/f2")), QStringLiteral("two!")) << row.what;
        }
    }
    VQTextAreaManager::resetForTests(nullptr);
}

// How values are written out and how points and frames turn between the two vertical axes.
TEST(UIElementUtilitiesTest, ValueTextsAndScreenFlips)
{
    using U = UIElementUtilities;
    const struct {
        U::Value value;
        const char* plain;
        const char* verbose;
    } values[] = {
        {QPointF(1.5, -2), "x=1.5 y=-2", "<AXPointValue x=1.5 y=-2>"},
        {QSizeF(300, 36), "w=300 h=36", "<AXSizeValue w=300 h=36>"},
        {QRectF(1, 2, 3.25, 4), "x=1 y=2 w=3.25 h=4", "<AXRectValue  x=1 y=2 w=3.25 h=4>"},
        {U::Range{7, 0}, "pos=7 len=0", "<AXRangeValue pos=7 len=0>"},
        {QStringLiteral("x=1 y=2"), "AXValue???", "AXValue???"},
    };
    for (const auto& row : values) {
        EXPECT_EQ(U::stringDescriptionOfAXValue(row.value, false), QLatin1String(row.plain));
        EXPECT_EQ(U::stringDescriptionOfAXValue(row.value, true), QLatin1String(row.verbose));
    }

    // Two screens side by side, the second 768 high; the last one holding the point decides.
    const QList<QRectF> screens{QRectF(0, 0, 1280, 800), QRectF(1280, 0, 1024, 768)};
    const struct {
        QPointF cocoa;
        QPointF carbon;
    } points[] = {
        {{10, 0}, {10, 799}}, {{10, 799}, {10, 0}}, {{1300, 100}, {1300, 667}}, {{1280, 0}, {1280, 767}},
        {{1300, 790}, {0, 0}}, {{-1, 5}, {0, 0}},
    };
    for (const auto& row : points)
        EXPECT_EQ(U::carbonScreenPointFromCocoaScreenPoint(row.cocoa, screens), row.carbon) << row.cocoa.x() << "," << row.cocoa.y();
    EXPECT_EQ(U::flippedScreenBounds(QRectF(140, 140, 300, 36), screens), QRectF(140, 624, 300, 36));
    EXPECT_EQ(U::flippedScreenBounds(U::flippedScreenBounds(QRectF(5, 6, 7, 8), screens), screens), QRectF(5, 6, 7, 8));
}
