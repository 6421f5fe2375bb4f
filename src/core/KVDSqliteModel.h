#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A record that the local store can write as a table row and read back.
//
// The store uses a model's property names, in declared order, as the table's columns. A
// property without a value (std::nullopt) is not written, so its column stays NULL; a row read
// back assigns each non-NULL column, as text, to the property of the column's name.
class KVDSqliteModel {
public:
    virtual ~KVDSqliteModel() = default;

    // The property names in declared order; each becomes a column of the same name.
    virtual QStringList propertyNames() const = 0;

    // The property's value as text, or std::nullopt when it has none. An empty text is a value.
    virtual std::optional<QString> propertyText(const QString& name) const = 0;

    // Sets the property from the text of a stored column. Unknown names are ignored.
    virtual void setPropertyText(const QString& name, const QString& text) = 0;
};
