#include "AccessibilityBackend.h"

#include "MMLog.h"
#include "X11ErrorTrap.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QRect>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace {

constexpr int kCallTimeoutMs = 1000;
constexpr char kRegistry[] = "org.a11y.atspi.Registry";
constexpr char kRootPath[] = "/org/a11y/atspi/accessible/root";
constexpr char kNullPath[] = "/org/a11y/atspi/null";
constexpr char kAccessible[] = "org.a11y.atspi.Accessible";
constexpr char kComponent[] = "org.a11y.atspi.Component";
constexpr char kText[] = "org.a11y.atspi.Text";
constexpr char kEditableText[] = "org.a11y.atspi.EditableText";
constexpr char kAction[] = "org.a11y.atspi.Action";
constexpr uint kCoordScreen = 0;
constexpr int kStateActive = 1;
constexpr int kStateEditable = 7;
constexpr uint kRolePasswordText = 40;
constexpr int kMaxDepth = 64;

using Element = AccessibilityBackend::Element;

std::atomic<int> g_connectionNumber{0};

Element readElement(const QDBusArgument& argument)
{
    Element element;
    QDBusObjectPath path;
    argument.beginStructure();
    argument >> element.service >> path;
    argument.endStructure();
    element.path = path.path();
    if (element.path == QLatin1String(kNullPath))
        return {};
    return element;
}

bool hasState(const QList<uint>& words, int state)
{
    const int word = state / 32;
    return word < words.size() && (words.at(word) & (1u << (state % 32))) != 0;
}

// The X side: the top-level window under the pointer and its process.
class WindowUnderPointer {
public:
    WindowUnderPointer() { m_display = X11ErrorTrap::openDisplay(); }
    ~WindowUnderPointer()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    WindowUnderPointer(const WindowUnderPointer&) = delete;
    WindowUnderPointer& operator=(const WindowUnderPointer&) = delete;

    // The pointer in root coordinates and the process of the window there (0 when unknown).
    bool query(QPoint* point, qint64* pid)
    {
        if (!m_display)
            return false;
        const Window root = DefaultRootWindow(m_display);
        Window rootReturn = 0;
        Window child = 0;
        int rootX = 0, rootY = 0, winX = 0, winY = 0;
        unsigned int mask = 0;
        if (!XQueryPointer(m_display, root, &rootReturn, &child, &rootX, &rootY, &winX, &winY, &mask))
            return false;
        *point = QPoint(rootX, rootY);
        *pid = 0;
        const Atom wmState = XInternAtom(m_display, "WM_STATE", False);
        const Atom wmPid = XInternAtom(m_display, "_NET_WM_PID", False);
        // Down to the client window (the one with WM_STATE); without a window manager no window
        // has it, and the first window on the way that names its process counts.
        qint64 firstPid = 0;
        Window window = child;
        for (int depth = 0; window != 0 && depth < kMaxDepth; ++depth) {
            const qint64 windowPid = cardinal(window, wmPid);
            if (firstPid == 0)
                firstPid = windowPid;
            if (hasProperty(window, wmState)) {
                *pid = windowPid != 0 ? windowPid : firstPid;
                return true;
            }
            Window next = 0;
            if (!XQueryPointer(m_display, window, &rootReturn, &next, &rootX, &rootY, &winX, &winY, &mask))
                break;
            window = next;
        }
        *pid = firstPid;
        return true;
    }

private:
    bool hasProperty(Window window, Atom property)
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        const int status = XGetWindowProperty(m_display, window, property, 0, 0, False, AnyPropertyType, &type, &format,
                                              &count, &after, &data);
        if (data)
            XFree(data);
        return status == Success && type != None;
    }

    qint64 cardinal(Window window, Atom property)
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        qint64 value = 0;
        if (XGetWindowProperty(m_display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
                == Success
            && data && format == 32 && count == 1)
            value = qint64(*reinterpret_cast<unsigned long*>(data));
        if (data)
            XFree(data);
        return value;
    }

    Display* m_display = nullptr;
};

// AT-SPI over QtDBus: no library of its own, every call with a short time-out.
class AtspiAccessibilityBackend : public AccessibilityBackend {
public:
    AtspiAccessibilityBackend()
        : m_connectionName(QStringLiteral("vq-a11y-%1").arg(g_connectionNumber.fetch_add(1)))
    {
    }

    ~AtspiAccessibilityBackend() override
    {
        if (m_connected)
            QDBusConnection::disconnectFromBus(m_connectionName);
    }

    bool isReachable() override
    {
        if (m_connected && bus().isConnected())
            return true;
        if (m_connected) {
            QDBusConnection::disconnectFromBus(m_connectionName);
            m_connected = false;
        }
        QString address = qEnvironmentVariable("AT_SPI_BUS_ADDRESS");
        if (address.isEmpty()) {
            QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                               QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
            const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, kCallTimeoutMs);
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                address = reply.arguments().constFirst().toString();
        }
        if (address.isEmpty())
            return false;
        QDBusConnection connection = QDBusConnection::connectToBus(address, m_connectionName);
        m_connected = true;
        if (!connection.isConnected()) {
            VQLogWarn(QStringLiteral("the accessibility bus %1 cannot be reached: %2").arg(address, connection.lastError().message()));
            return false;
        }
        return true;
    }

    Element elementAtPointer() override
    {
        QPoint point;
        qint64 pid = 0;
        if (!m_pointer.query(&point, &pid) || pid == 0)
            return {};
        const Element application = applicationOfProcess(pid);
        if (application.isNull())
            return {};
        // The frames holding the point, the active one first.
        QList<Element> frames;
        for (const Element& frame : children(application)) {
            if (!screenExtents(frame).value_or(QRect()).contains(point))
                continue;
            if (hasState(states(frame), kStateActive))
                frames.prepend(frame);
            else
                frames.append(frame);
        }
        for (const Element& frame : std::as_const(frames)) {
            Element deepest = frame;
            for (int depth = 0; depth < kMaxDepth; ++depth) {
                const QDBusMessage reply = call(deepest, kComponent, "GetAccessibleAtPoint",
                                                {point.x(), point.y(), kCoordScreen});
                if (reply.arguments().isEmpty())
                    break;
                const Element next = readElement(reply.arguments().constFirst().value<QDBusArgument>());
                if (next.isNull() || next == deepest)
                    break;
                deepest = next;
            }
            return deepest;
        }
        return {};
    }

    QList<Element> children(const Element& element) override
    {
        QList<Element> list;
        const QDBusMessage reply = call(element, kAccessible, "GetChildren", {});
        if (reply.arguments().isEmpty())
            return list;
        const QDBusArgument argument = reply.arguments().constFirst().value<QDBusArgument>();
        argument.beginArray();
        while (!argument.atEnd()) {
            const Element child = readElement(argument);
            if (!child.isNull())
                list.append(child);
        }
        argument.endArray();
        return list;
    }

    bool isEditableText(const Element& element) override
    {
        const QDBusMessage reply = call(element, kAccessible, "GetInterfaces", {});
        if (reply.arguments().isEmpty())
            return false;
        const QStringList interfaces = reply.arguments().constFirst().toStringList();
        return interfaces.contains(QLatin1String(kEditableText)) && interfaces.contains(QLatin1String(kText))
               && hasState(states(element), kStateEditable);
    }

    bool isPassword(const Element& element) override
    {
        const QDBusMessage reply = call(element, kAccessible, "GetRole", {});
        return !reply.arguments().isEmpty() && reply.arguments().constFirst().toUInt() == kRolePasswordText;
    }

    std::optional<TextState> textState(const Element& element) override
    {
        TextState state;
        const QDBusMessage text = call(element, kText, "GetText", {0, -1});
        if (text.arguments().isEmpty())
            return std::nullopt;
        state.text = text.arguments().constFirst().toString();
        bool ok = false;
        state.characterCount = property(element, kText, "CharacterCount").toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        state.caretOffset = property(element, kText, "CaretOffset").toLongLong(&ok);
        if (!ok)
            state.caretOffset = -1;
        return state;
    }

    bool setTextContents(const Element& element, const QString& text) override
    {
        const QDBusMessage reply = call(element, kEditableText, "SetTextContents", {text});
        return !reply.arguments().isEmpty() && reply.arguments().constFirst().toBool();
    }

    bool setCaretOffset(const Element& element, qint64 offset) override
    {
        const QDBusMessage reply = call(element, kText, "SetCaretOffset", {int(offset)});
        return !reply.arguments().isEmpty() && reply.arguments().constFirst().toBool();
    }

    Element parent(const Element& element) override
    {
        const QVariant value = property(element, kAccessible, "Parent");
        if (!value.canConvert<QDBusArgument>())
            return {};
        return readElement(value.value<QDBusArgument>());
    }

    QString roleName(const Element& element) override
    {
        const QDBusMessage reply = call(element, kAccessible, "GetRoleName", {});
        return reply.arguments().isEmpty() ? QString() : reply.arguments().constFirst().toString();
    }

    QString name(const Element& element) override { return property(element, kAccessible, "Name").toString(); }

    QString description(const Element& element) override
    {
        return property(element, kAccessible, "Description").toString();
    }

    QMap<QString, QString> attributes(const Element& element) override
    {
        QMap<QString, QString> map;
        const QDBusMessage reply = call(element, kAccessible, "GetAttributes", {});
        if (reply.arguments().isEmpty())
            return map;
        const QDBusArgument argument = reply.arguments().constFirst().value<QDBusArgument>();
        argument.beginMap();
        while (!argument.atEnd()) {
            QString key, value;
            argument.beginMapEntry();
            argument >> key >> value;
            argument.endMapEntry();
            map.insert(key, value);
        }
        argument.endMap();
        return map;
    }

    std::optional<QRect> extents(const Element& element) override { return screenExtents(element); }

    bool setPosition(const Element& element, QPoint position) override
    {
        const QDBusMessage reply = call(element, kComponent, "SetPosition", {position.x(), position.y(), kCoordScreen});
        return !reply.arguments().isEmpty() && reply.arguments().constFirst().toBool();
    }

    bool setSize(const Element& element, QSize size) override
    {
        const QDBusMessage reply = call(element, kComponent, "SetSize", {size.width(), size.height()});
        return !reply.arguments().isEmpty() && reply.arguments().constFirst().toBool();
    }

    QList<Action> actions(const Element& element) override
    {
        QList<Action> list;
        const QDBusMessage reply = call(element, kAction, "GetActions", {});
        if (reply.arguments().isEmpty())
            return list;
        const QDBusArgument argument = reply.arguments().constFirst().value<QDBusArgument>();
        argument.beginArray();
        while (!argument.atEnd()) {
            Action action;
            QString keyBinding;
            argument.beginStructure();
            argument >> action.name >> action.description >> keyBinding;
            argument.endStructure();
            list.append(action);
        }
        argument.endArray();
        return list;
    }

    bool doAction(const Element& element, int index) override
    {
        const QDBusMessage reply = call(element, kAction, "DoAction", {index});
        return !reply.arguments().isEmpty() && reply.arguments().constFirst().toBool();
    }

    qint64 processIdentifier(const Element& element) override
    {
        if (element.isNull())
            return 0;
        QDBusMessage message = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                             QStringLiteral("/org/freedesktop/DBus"),
                                                             QStringLiteral("org.freedesktop.DBus"),
                                                             QStringLiteral("GetConnectionUnixProcessID"));
        message << element.service;
        const QDBusMessage reply = bus().call(message, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return 0;
        return qint64(reply.arguments().constFirst().toUInt());
    }

    std::optional<Range> selectedRange(const Element& element) override
    {
        const QDBusMessage count = call(element, kText, "GetNSelections", {});
        if (count.arguments().isEmpty())
            return std::nullopt;
        if (count.arguments().constFirst().toInt() > 0) {
            const QDBusMessage selection = call(element, kText, "GetSelection", {0});
            if (selection.arguments().size() >= 2) {
                const qint64 start = selection.arguments().at(0).toLongLong();
                const qint64 end = selection.arguments().at(1).toLongLong();
                return Range{std::min(start, end), std::abs(end - start)};
            }
        }
        bool ok = false;
        const qint64 caret = property(element, kText, "CaretOffset").toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return Range{caret, 0};
    }

    bool setSelectedRange(const Element& element, Range range) override
    {
        if (range.location < 0 || range.length < 0)
            return false;
        if (range.length == 0)
            return setCaretOffset(element, range.location);
        const int start = int(range.location);
        const int end = int(range.location + range.length);
        const QDBusMessage count = call(element, kText, "GetNSelections", {});
        const bool replace = !count.arguments().isEmpty() && count.arguments().constFirst().toInt() > 0;
        const QDBusMessage reply = replace ? call(element, kText, "SetSelection", {0, start, end})
                                           : call(element, kText, "AddSelection", {start, end});
        return !reply.arguments().isEmpty() && reply.arguments().constFirst().toBool();
    }

private:
    QDBusConnection bus() const { return QDBusConnection(m_connectionName); }

    QDBusMessage call(const Element& element, const char* interface, const char* method, const QVariantList& arguments)
    {
        if (element.isNull())
            return {};
        QDBusMessage message = QDBusMessage::createMethodCall(element.service, element.path, QString::fromLatin1(interface),
                                                             QString::fromLatin1(method));
        message.setArguments(arguments);
        const QDBusMessage reply = bus().call(message, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage)
            return {};
        return reply;
    }

    QVariant property(const Element& element, const char* interface, const char* name)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(element.service, element.path,
                                                             QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        message << QString::fromLatin1(interface) << QString::fromLatin1(name);
        const QDBusMessage reply = bus().call(message, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return reply.arguments().constFirst().value<QDBusVariant>().variant();
    }

    QList<uint> states(const Element& element)
    {
        QList<uint> words;
        const QDBusMessage reply = call(element, kAccessible, "GetState", {});
        if (reply.arguments().isEmpty())
            return words;
        const QDBusArgument argument = reply.arguments().constFirst().value<QDBusArgument>();
        argument.beginArray();
        while (!argument.atEnd()) {
            uint word = 0;
            argument >> word;
            words.append(word);
        }
        argument.endArray();
        return words;
    }

    std::optional<QRect> screenExtents(const Element& element)
    {
        const QDBusMessage reply = call(element, kComponent, "GetExtents", {kCoordScreen});
        if (reply.arguments().isEmpty())
            return std::nullopt;
        const QDBusArgument argument = reply.arguments().constFirst().value<QDBusArgument>();
        int x = 0, y = 0, width = 0, height = 0;
        argument.beginStructure();
        argument >> x >> y >> width >> height;
        argument.endStructure();
        return QRect(x, y, width, height);
    }

    Element applicationOfProcess(qint64 pid)
    {
        const Element root{QString::fromLatin1(kRegistry), QString::fromLatin1(kRootPath)};
        for (const Element& application : children(root)) {
            QDBusMessage message = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"));
            message << application.service;
            const QDBusMessage reply = bus().call(message, QDBus::Block, kCallTimeoutMs);
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                && qint64(reply.arguments().constFirst().toUInt()) == pid)
                return application;
        }
        return {};
    }

    QString m_connectionName;
    bool m_connected = false;
    WindowUnderPointer m_pointer;
};

} // namespace

AccessibilityBackend::~AccessibilityBackend() = default;

std::unique_ptr<AccessibilityBackend> AccessibilityBackend::createDefault()
{
    return std::make_unique<AtspiAccessibilityBackend>();
}
