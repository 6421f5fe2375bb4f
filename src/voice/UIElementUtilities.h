#pragma once

#include "AccessibilityBackend.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// Helpers over accessibility elements, in the attribute terms the text-insertion manager works
// in: an element's attributes and actions read through an AccessibilityBackend (AT-SPI), their
// values described as text, an element's lineage and its frame.
//
// Attributes of an element: kRole, kTitle, kDescription, kParent (when it has one), kChildren,
// kPosition and kSize (when it lies on the screen), kValue and kSelectedTextRange (when it holds
// text), then the toolkit's own attributes by name. kValue is settable on editable text,
// kSelectedTextRange on text.
//
// Class functions only; every call goes to the backend given, on its thread.
class UIElementUtilities {
public:
    using Element = AccessibilityBackend::Element;
    using Range = AccessibilityBackend::Range;
    // A value of the accessibility interface (point, size, rectangle or range), a text, a
    // number, an element or a list of elements; monostate: no value.
    using Value = std::variant<std::monostate, QPointF, QSizeF, QRectF, Range, QString, double, Element, QList<Element>>;

    static constexpr char kRole[] = "AXRole";
    static constexpr char kTitle[] = "AXTitle";
    static constexpr char kDescription[] = "AXDescription";
    static constexpr char kParent[] = "AXParent";
    static constexpr char kChildren[] = "AXChildren";
    static constexpr char kRows[] = "AXRows";
    static constexpr char kPosition[] = "AXPosition";
    static constexpr char kSize[] = "AXSize";
    static constexpr char kValue[] = "AXValue";
    static constexpr char kSelectedTextRange[] = "AXSelectedTextRange";
    // The role of an application element.
    static constexpr char kApplicationRole[] = "application";

    static qint64 processIdentifierOfUIElement(AccessibilityBackend& b, const Element& element);
    // Empty when the element answers nothing.
    static QStringList attributeNamesOfUIElement(AccessibilityBackend& b, const Element& element);
    static QStringList actionNamesOfUIElement(AccessibilityBackend& b, const Element& element);
    static QString descriptionOfAction(AccessibilityBackend& b, const QString& action, const Element& element);
    static bool performAction(AccessibilityBackend& b, const QString& action, const Element& element);
    // No value when the element does not list the attribute or reading it fails.
    static Value valueOfAttribute(AccessibilityBackend& b, const QString& attribute, const Element& element);
    static bool canSetAttribute(AccessibilityBackend& b, const QString& attribute, const Element& element);
    // Sets the attribute from text, read as its current value's kind: a point, size, rectangle
    // or range in the formats of stringDescriptionOfAXValue (not verbose), a text as it is, a
    // number as a floating-point number. Any other kind, no current value or text that does not
    // read as the kind: nothing is set (false).
    static bool setStringValue(AccessibilityBackend& b, const QString& text, const QString& attribute,
                               const Element& element);
    static Element parentOfUIElement(AccessibilityBackend& b, const Element& element);
    static QString roleOfUIElement(AccessibilityBackend& b, const Element& element);
    static QString titleOfUIElement(AccessibilityBackend& b, const Element& element);
    static bool isApplicationUIElement(AccessibilityBackend& b, const Element& element);

    // Screen frames here are in the bottom-left-origin coordinates of the first (main) screen,
    // the screens in their list order. The point as the accessibility interface counts it (origin
    // top left): the last screen containing the point gives y' = its height - y - 1; (0, 0) when
    // none does.
    static QPointF carbonScreenPointFromCocoaScreenPoint(QPointF point, const QList<QRectF>& screenFrames);
    // The rectangle with y' = (first screen's origin y + height) - (y + height): the same flip in
    // either direction.
    static QRectF flippedScreenBounds(const QRectF& bounds, const QList<QRectF>& screenFrames);
    // The element's position and size, flipped; the zero rectangle when either is missing.
    static QRectF frameOfUIElement(AccessibilityBackend& b, const Element& element, const QList<QRectF>& screenFrames);

    // A point "x=%g y=%g" (verbose "<AXPointValue x=%g y=%g>"), a size "w=%g h=%g"
    // ("<AXSizeValue w=%g h=%g>"), a rectangle "x=%g y=%g w=%g h=%g" ("<AXRectValue  x=%g y=%g
    // w=%g h=%g>"), a range "pos=%ld len=%ld" ("<AXRangeValue pos=%ld len=%ld>"); any other
    // value "AXValue???".
    static QString stringDescriptionOfAXValue(const Value& value, bool verbose);
    // An accessibility value as above; a list "<array of size %d>"; an element "<role: “title”>",
    // or "<role>" without a title; a text itself, a number as a number; no value "".
    static QString descriptionOfValue(AccessibilityBackend& b, const Value& value, bool verbose);
    // The children and rows attributes "<array of size %d>"; other attributes their value's
    // description; none when the attribute cannot be read.
    static std::optional<QString> descriptionForUIElement(AccessibilityBackend& b, const Element& element,
                                                          const QString& attribute, bool verbose);
    // The descriptions of the element's ancestors, outermost first, ending with the element's.
    static QStringList lineageOfUIElement(AccessibilityBackend& b, const Element& element);
    // The lineage one per line, each indented one blank more than the one before.
    static QString lineageDescriptionOfUIElement(AccessibilityBackend& b, const Element& element);
    // The lineage, then "Attributes:" (name, " (W)" when settable, value) and "Actions:" (name -
    // description), each section only when it lists something.
    static QString stringDescriptionOfUIElement(AccessibilityBackend& b, const Element& element);
    // The description attribute, or "No Description" when it is missing or empty.
    static QString descriptionOfAXDescriptionOfUIElement(AccessibilityBackend& b, const Element& element);

    // True for the value kinds of the accessibility interface (point, size, rectangle, range).
    static bool isAXValue(const Value& value);
};
