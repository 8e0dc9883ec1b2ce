#include "data/ini_value.h"

#include <QMetaType>

#include <cmath>
#include <limits>

namespace IniValue {

namespace {

bool isListType(int typeId)
{
    return typeId == QMetaType::QStringList || typeId == QMetaType::QVariantList;
}

// The integral types a scene value or a setting can arrive as.
bool isIntegralType(int typeId)
{
    switch (typeId) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

bool isScalarType(int typeId)
{
    return isIntegralType(typeId) || typeId == QMetaType::Double || typeId == QMetaType::Float
        || typeId == QMetaType::QString;
}

} // namespace

std::optional<qlonglong> toInteger(const QVariant &value)
{
    if (!value.isValid())
        return std::nullopt;
    const int typeId = value.typeId();
    switch (typeId) {
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        bool ok = false;
        const qlonglong n = value.toString().trimmed().toLongLong(&ok, 10);
        return ok ? std::optional<qlonglong>(n) : std::nullopt;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (!std::isfinite(d) || d >= 9.2e18 || d <= -9.2e18)
            return std::nullopt;
        return static_cast<qlonglong>(std::trunc(d));
    }
    case QMetaType::ULongLong: {
        const qulonglong u = value.toULongLong();
        if (u > static_cast<qulonglong>(std::numeric_limits<qlonglong>::max()))
            return std::nullopt;
        return static_cast<qlonglong>(u);
    }
    default:
        // ULongLong is handled above: it may not fit.
        if (isIntegralType(typeId))
            return value.toLongLong();
        return std::nullopt;
    }
}

int toInt(const QVariant &value, int fallback)
{
    const std::optional<qlonglong> n = toInteger(value);
    if (!n || *n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max())
        return fallback;
    return static_cast<int>(*n);
}

qulonglong toUnsigned(const QVariant &value, qulonglong fallback)
{
    const std::optional<qlonglong> n = toInteger(value);
    if (!n || *n < 0)
        return fallback;
    return static_cast<qulonglong>(*n);
}

QStringList toTextList(const QVariant &value)
{
    if (!value.isValid())
        return {};
    const int typeId = value.typeId();
    if (typeId == QMetaType::QStringList)
        return value.toStringList();
    if (typeId == QMetaType::QVariantList) {
        QStringList out;
        const QVariantList items = value.toList();
        out.reserve(items.size());
        for (const QVariant &item : items)
            out.append(toText(item));
        return out;
    }
    const QString text = toText(value);
    if (text.isEmpty())
        return {};
    return {text};
}

QString toText(const QVariant &value)
{
    if (!value.isValid())
        return {};
    const int typeId = value.typeId();
    if (isListType(typeId)) {
        // Nested lists cannot come out of an INI file; flatten one level.
        QStringList parts;
        const QVariantList items = value.toList();
        for (const QVariant &item : items)
            parts.append(isListType(item.typeId()) ? QString() : item.toString());
        return parts.join(QStringLiteral(", "));
    }
    return value.toString();
}

QVariant storable(const QVariant &value)
{
    if (!value.isValid())
        return QVariant(0);
    const int typeId = value.typeId();
    if (isScalarType(typeId))
        return value;
    if (isListType(typeId)) {
        QVariantList out;
        const QVariantList items = value.toList();
        out.reserve(items.size());
        for (const QVariant &item : items)
            out.append(isScalarType(item.typeId()) ? item : QVariant(toText(item)));
        return out;
    }
    if (value.canConvert<QString>())
        return value.toString();
    return QString();
}

} // namespace IniValue
