#include "UIElementUtilities.h"

#include <cstdio>

namespace {

using Element = UIElementUtilities::Element;
using Value = UIElementUtilities::Value;

constexpr int kMaxLineage = 64;

bool is(const QString& name, const char* attribute)
{
    return name == QLatin1String(attribute);
}

QString quoted(const QString& text)
{
    return QString(QChar(0x201C)) + text + QChar(0x201D);
}

} // namespace

qint64 UIElementUtilities::processIdentifierOfUIElement(AccessibilityBackend& b, const Element& element)
{
    return b.processIdentifier(element);
}

QStringList UIElementUtilities::attributeNamesOfUIElement(AccessibilityBackend& b, const Element& element)
{
    if (element.isNull())
        return {};
    QStringList names{QLatin1String(kRole), QLatin1String(kTitle), QLatin1String(kDescription)};
    if (!b.parent(element).isNull())
        names << QLatin1String(kParent);
    names << QLatin1String(kChildren);
    if (b.extents(element))
        names << QLatin1String(kPosition) << QLatin1String(kSize);
    if (b.textState(element))
        names << QLatin1String(kValue) << QLatin1String(kSelectedTextRange);
    const QMap<QString, QString> own = b.attributes(element);
    for (auto it = own.cbegin(); it != own.cend(); ++it) {
        if (!names.contains(it.key()))
            names << it.key();
    }
    return names;
}

QStringList UIElementUtilities::actionNamesOfUIElement(AccessibilityBackend& b, const Element& element)
{
    QStringList names;
    for (const AccessibilityBackend::Action& action : b.actions(element))
        names << action.name;
    return names;
}

QString UIElementUtilities::descriptionOfAction(AccessibilityBackend& b, const QString& action, const Element& element)
{
    for (const AccessibilityBackend::Action& candidate : b.actions(element)) {
        if (candidate.name == action)
            return candidate.description;
    }
    return {};
}

bool UIElementUtilities::performAction(AccessibilityBackend& b, const QString& action, const Element& element)
{
    const QStringList names = actionNamesOfUIElement(b, element);
    const qsizetype index = names.indexOf(action);
    return index >= 0 && b.doAction(element, int(index));
}

Value UIElementUtilities::valueOfAttribute(AccessibilityBackend& b, const QString& attribute, const Element& element)
{
    if (element.isNull())
        return {};
    if (is(attribute, kRole))
        return b.roleName(element);
    if (is(attribute, kTitle))
        return b.name(element);
    if (is(attribute, kDescription))
        return b.description(element);
    if (is(attribute, kParent)) {
        const Element parent = b.parent(element);
        return parent.isNull() ? Value() : Value(parent);
    }
    if (is(attribute, kChildren))
        return b.children(element);
    if (is(attribute, kPosition) || is(attribute, kSize)) {
        const std::optional<QRect> extents = b.extents(element);
        if (!extents)
            return {};
        return is(attribute, kPosition) ? Value(QPointF(extents->topLeft())) : Value(QSizeF(extents->size()));
    }
    if (is(attribute, kValue)) {
        const std::optional<AccessibilityBackend::TextState> state = b.textState(element);
        return state ? Value(state->text) : Value();
    }
    if (is(attribute, kSelectedTextRange)) {
        const std::optional<Range> range = b.selectedRange(element);
        return range ? Value(*range) : Value();
    }
    const QMap<QString, QString> own = b.attributes(element);
    const auto it = own.constFind(attribute);
    return it == own.cend() ? Value() : Value(*it);
}

bool UIElementUtilities::canSetAttribute(AccessibilityBackend& b, const QString& attribute, const Element& element)
{
    if (is(attribute, kValue))
        return b.isEditableText(element);
    if (is(attribute, kSelectedTextRange))
        return b.textState(element).has_value();
    return false;
}

bool UIElementUtilities::setStringValue(AccessibilityBackend& b, const QString& text, const QString& attribute,
                                        const Element& element)
{
    const Value current = valueOfAttribute(b, attribute, element);
    const QByteArray bytes = text.toLatin1();
    const char* const s = bytes.constData();
    if (std::holds_alternative<Range>(current)) {
        long location = 0, length = 0;
        if (std::sscanf(s, "pos=%ld len=%ld", &location, &length) != 2 || !is(attribute, kSelectedTextRange))
            return false;
        return b.setSelectedRange(element, Range{location, length});
    }
    if (std::holds_alternative<QPointF>(current)) {
        double x = 0, y = 0;
        return std::sscanf(s, "x=%lg y=%lg", &x, &y) == 2 && is(attribute, kPosition)
            && b.setPosition(element, QPointF(x, y).toPoint());
    }
    if (std::holds_alternative<QSizeF>(current)) {
        double w = 0, h = 0;
        return std::sscanf(s, "w=%lg h=%lg", &w, &h) == 2 && is(attribute, kSize)
            && b.setSize(element, QSizeF(w, h).toSize());
    }
    if (std::holds_alternative<QString>(current))
        return is(attribute, kValue) && b.setTextContents(element, text);
    // No attribute of an element holds a rectangle or a number that could be set.
    return false;
}

Element UIElementUtilities::parentOfUIElement(AccessibilityBackend& b, const Element& element)
{
    return b.parent(element);
}

QString UIElementUtilities::roleOfUIElement(AccessibilityBackend& b, const Element& element)
{
    return b.roleName(element);
}

QString UIElementUtilities::titleOfUIElement(AccessibilityBackend& b, const Element& element)
{
    return b.name(element);
}

bool UIElementUtilities::isApplicationUIElement(AccessibilityBackend& b, const Element& element)
{
    return roleOfUIElement(b, element) == QLatin1String(kApplicationRole);
}

QPointF UIElementUtilities::carbonScreenPointFromCocoaScreenPoint(QPointF point, const QList<QRectF>& screenFrames)
{
    const QRectF* found = nullptr;
    for (const QRectF& frame : screenFrames) {
        // A frame holds its lower and left edges, not its upper and right ones.
        if (point.x() >= frame.left() && point.x() < frame.right() && point.y() >= frame.top() && point.y() < frame.bottom())
            found = &frame;
    }
    if (!found)
        return {0, 0};
    return {point.x(), found->height() - point.y() - 1};
}

QRectF UIElementUtilities::flippedScreenBounds(const QRectF& bounds, const QList<QRectF>& screenFrames)
{
    if (screenFrames.isEmpty())
        return bounds;
    const QRectF& first = screenFrames.constFirst();
    const float top = float(first.y() + first.height());
    return {bounds.x(), top - (bounds.y() + bounds.height()), bounds.width(), bounds.height()};
}

QRectF UIElementUtilities::frameOfUIElement(AccessibilityBackend& b, const Element& element,
                                            const QList<QRectF>& screenFrames)
{
    const Value position = valueOfAttribute(b, QLatin1String(kPosition), element);
    const Value size = valueOfAttribute(b, QLatin1String(kSize), element);
    if (!std::holds_alternative<QPointF>(position) || !std::holds_alternative<QSizeF>(size))
        return {};
    return flippedScreenBounds(QRectF(std::get<QPointF>(position), std::get<QSizeF>(size)), screenFrames);
}

bool UIElementUtilities::isAXValue(const Value& value)
{
    return std::holds_alternative<QPointF>(value) || std::holds_alternative<QSizeF>(value)
        || std::holds_alternative<QRectF>(value) || std::holds_alternative<Range>(value);
}

QString UIElementUtilities::stringDescriptionOfAXValue(const Value& value, bool verbose)
{
    if (const auto* p = std::get_if<QPointF>(&value))
        return QString::asprintf(verbose ? "<AXPointValue x=%g y=%g>" : "x=%g y=%g", p->x(), p->y());
    if (const auto* s = std::get_if<QSizeF>(&value))
        return QString::asprintf(verbose ? "<AXSizeValue w=%g h=%g>" : "w=%g h=%g", s->width(), s->height());
    if (const auto* r = std::get_if<QRectF>(&value))
        return QString::asprintf(verbose ? "<AXRectValue  x=%g y=%g w=%g h=%g>" : "x=%g y=%g w=%g h=%g", r->x(), r->y(),
                                 r->width(), r->height());
    if (const auto* range = std::get_if<Range>(&value))
        return QString::asprintf(verbose ? "<AXRangeValue pos=%ld len=%ld>" : "pos=%ld len=%ld", long(range->location),
                                 long(range->length));
    return QStringLiteral("AXValue???");
}

QString UIElementUtilities::descriptionOfValue(AccessibilityBackend& b, const Value& value, bool verbose)
{
    if (isAXValue(value))
        return stringDescriptionOfAXValue(value, verbose);
    if (const auto* list = std::get_if<QList<Element>>(&value))
        return QString::asprintf("<array of size %d>", int(list->size()));
    if (const auto* element = std::get_if<Element>(&value)) {
        const QString role = roleOfUIElement(b, *element);
        const QString title = titleOfUIElement(b, *element);
        if (!title.isEmpty())
            return QStringLiteral("<%1: %2>").arg(role, quoted(title));
        return QStringLiteral("<%1>").arg(role);
    }
    if (const auto* text = std::get_if<QString>(&value))
        return *text;
    if (const auto* number = std::get_if<double>(&value))
        return QString::number(*number);
    return {};
}

std::optional<QString> UIElementUtilities::descriptionForUIElement(AccessibilityBackend& b, const Element& element,
                                                                   const QString& attribute, bool verbose)
{
    const Value value = valueOfAttribute(b, attribute, element);
    if (std::holds_alternative<std::monostate>(value))
        return std::nullopt;
    if (is(attribute, kChildren) || is(attribute, kRows)) {
        const auto* list = std::get_if<QList<Element>>(&value);
        return QString::asprintf("<array of size %d>", list ? int(list->size()) : 0);
    }
    return descriptionOfValue(b, value, verbose);
}

QStringList UIElementUtilities::lineageOfUIElement(AccessibilityBackend& b, const Element& element)
{
    QStringList lineage;
    Element current = element;
    for (int depth = 0; !current.isNull() && depth < kMaxLineage; ++depth) {
        lineage.prepend(descriptionOfValue(b, Value(current), false));
        current = parentOfUIElement(b, current);
    }
    return lineage;
}

QString UIElementUtilities::lineageDescriptionOfUIElement(AccessibilityBackend& b, const Element& element)
{
    QString text;
    QString indent;
    for (const QString& line : lineageOfUIElement(b, element)) {
        text += indent + line + QLatin1Char('\n');
        indent += QLatin1Char(' ');
    }
    return text;
}

QString UIElementUtilities::stringDescriptionOfUIElement(AccessibilityBackend& b, const Element& element)
{
    QString text = lineageDescriptionOfUIElement(b, element);
    const QStringList attributes = attributeNamesOfUIElement(b, element);
    if (!attributes.isEmpty()) {
        text += QStringLiteral("\nAttributes:\n");
        for (const QString& name : attributes) {
            const QString settable = canSetAttribute(b, name, element) ? QStringLiteral(" (W)") : QString();
            const QString value = descriptionForUIElement(b, element, name, false).value_or(QString());
            text += QStringLiteral("   %1%2:  %3\n").arg(name, settable, quoted(value));
        }
    }
    const QList<AccessibilityBackend::Action> actions = b.actions(element);
    if (!actions.isEmpty()) {
        text += QStringLiteral("\nActions:\n");
        for (const AccessibilityBackend::Action& action : actions)
            text += QStringLiteral("   %1 - %2\n").arg(action.name, action.description);
    }
    return text;
}

QString UIElementUtilities::descriptionOfAXDescriptionOfUIElement(AccessibilityBackend& b, const Element& element)
{
    const QString description = b.description(element);
    return description.isEmpty() ? QStringLiteral("No Description") : description;
}
