#pragma once

#include <QList>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

// The accessibility tree of the desktop's applications: what is under the pointer, an element's
// children, and reading and writing the text of editable elements.
//
// Not thread-bound, but not thread-safe: one thread at a time (the text-insertion manager
// keeps its backend on its own worker). Every call answers within a bounded time (an
// application that hangs costs at most the backend's call time-out).
class AccessibilityBackend {
public:
    // One accessible object: the bus name of its application and its object path.
    struct Element {
        QString service;
        QString path;
        bool isNull() const { return service.isEmpty() || path.isEmpty(); }
        friend bool operator==(const Element& a, const Element& b) { return a.service == b.service && a.path == b.path; }
    };

    // The text of an element as its application reports it.
    struct TextState {
        QString text;
        qint64 caretOffset = -1;    // in the element's own unit; negative when it has no caret
        qint64 characterCount = -1; // the element's own length, in the same unit
    };

    virtual ~AccessibilityBackend();

    // Whether the accessibility bus can be reached (the counterpart of being trusted).
    virtual bool isReachable() = 0;
    // The deepest element under the pointer in the topmost window there; null when none.
    virtual Element elementAtPointer() = 0;
    virtual QList<Element> children(const Element& element) = 0;
    // An element whose text can be set: editable text that is in the editable state.
    virtual bool isEditableText(const Element& element) = 0;
    // A password field (its text cannot be read back, so it is never written).
    virtual bool isPassword(const Element& element) = 0;
    virtual std::optional<TextState> textState(const Element& element) = 0;
    virtual bool setTextContents(const Element& element, const QString& text) = 0;
    virtual bool setCaretOffset(const Element& element, qint64 offset) = 0;

    // What an element tells of itself (UIElementUtilities). The defaults know nothing.
    struct Action {
        QString name;
        QString description;
    };
    struct Range {
        qint64 location = 0;
        qint64 length = 0;
    };
    // The element that holds it; null for an application.
    virtual Element parent(const Element&) { return {}; }
    // Its role in words ("text", "push button", "frame", "application", ...).
    virtual QString roleName(const Element&) { return {}; }
    virtual QString name(const Element&) { return {}; }
    virtual QString description(const Element&) { return {}; }
    // The toolkit's attributes of the element, by name.
    virtual QMap<QString, QString> attributes(const Element&) { return {}; }
    // Its rectangle in screen coordinates (origin top left); none without a component.
    virtual std::optional<QRect> extents(const Element&) { return std::nullopt; }
    // Moves or resizes it, in screen coordinates; false when the application refuses.
    virtual bool setPosition(const Element&, QPoint) { return false; }
    virtual bool setSize(const Element&, QSize) { return false; }
    virtual QList<Action> actions(const Element&) { return {}; }
    virtual bool doAction(const Element&, int) { return false; }
    // The process of the element's application; 0 when unknown.
    virtual qint64 processIdentifier(const Element&) { return 0; }
    // The selected text (the caret, with length 0, when nothing is selected); none without text.
    virtual std::optional<Range> selectedRange(const Element&) { return std::nullopt; }
    virtual bool setSelectedRange(const Element&, Range) { return false; }

    // The real implementation: AT-SPI over D-Bus, the pointer from the X server.
    static std::unique_ptr<AccessibilityBackend> createDefault();
};
