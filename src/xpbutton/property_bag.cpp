// SPDX-License-Identifier: MIT
#include "xpbutton/property_bag.h"

#include <QFont>
#include <QPixmap>

namespace {

QString key(const QString& name) {
    return name.toCaseFolded();
}

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

bool isNoPicture(const QVariant& value) {
    return !value.isValid() ||
           (value.typeId() == QMetaType::QPixmap && value.value<QPixmap>().isNull());
}

bool isDefault(const QVariant& value, const QVariant& defaultValue) {
    // A font is an object held by reference, never the same object as the default one, so it is
    // always stored.
    if (value.typeId() == QMetaType::QFont)
        return false;
    if (isNoPicture(value) || isNoPicture(defaultValue))
        return isNoPicture(value) && isNoPicture(defaultValue);
    if (value.typeId() == QMetaType::QPixmap && defaultValue.typeId() == QMetaType::QPixmap)
        return value.value<QPixmap>().cacheKey() == defaultValue.value<QPixmap>().cacheKey();
    // Numbers of different widths (true and 1, a colour and 0) compare by value.
    if (isNumber(value) && isNumber(defaultValue))
        return value.toDouble() == defaultValue.toDouble();
    return value == defaultValue;
}

} // namespace

PropertyBag::PropertyBag(std::initializer_list<std::pair<QString, QVariant>> values) {
    for (const auto& [name, value] : values)
        m_values.insert(key(name), value);
}

QVariant PropertyBag::read(const QString& name, const QVariant& defaultValue) const {
    return m_values.value(key(name), defaultValue);
}

void PropertyBag::write(const QString& name, const QVariant& value, const QVariant& defaultValue) {
    if (isDefault(value, defaultValue))
        m_values.remove(key(name));
    else
        m_values.insert(key(name), value);
}

bool PropertyBag::contains(const QString& name) const {
    return m_values.contains(key(name));
}

QStringList PropertyBag::names() const {
    return m_values.keys();
}
