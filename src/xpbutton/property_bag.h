// SPDX-License-Identifier: MIT
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <initializer_list>
#include <utility>

// The named settings a form keeps for one of its control instances. Names match without regard
// to letter case; an absent name means the default, and a default value is never stored.
class PropertyBag {
public:
    PropertyBag() = default;
    PropertyBag(std::initializer_list<std::pair<QString, QVariant>> values);

    // The stored value, or defaultValue when the name is absent.
    QVariant read(const QString& name, const QVariant& defaultValue) const;

    // Stores the value; a value equal to the default removes the name instead.
    void write(const QString& name, const QVariant& value, const QVariant& defaultValue);

    bool contains(const QString& name) const;
    // The stored names, in lower case and sorted.
    QStringList names() const;
    qsizetype size() const { return m_values.size(); }

private:
    QMap<QString, QVariant> m_values;
};
