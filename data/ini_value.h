#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// Conversions between what QSettings hands back from an INI file and what
// the program works with. Read back from a file, numbers are texts, a list
// is a QStringList, a one-item list written by the store itself is a
// QVariantList, and a lone item is a plain text; values set earlier in the
// same run come back with the type they were set with. Values from the scene
// can be of any type. These helpers accept all of that and never fail.
// Owns no file.
namespace IniValue {

// A base-10 whole number, or nothing when the value does not hold one
// (texts are trimmed; doubles are truncated toward zero; lists are not numbers).
std::optional<qlonglong> toInteger(const QVariant &value);

// toInteger() as an int, or `fallback` when it is not a number or does not fit.
int toInt(const QVariant &value, int fallback = 0);

// toInteger() as an unsigned number, or `fallback` when it is not a
// non-negative number.
qulonglong toUnsigned(const QVariant &value, qulonglong fallback = 0);

// A list of texts: a list as its items, a lone non-empty text as a one-item
// list, an absent or empty value as an empty list.
QStringList toTextList(const QVariant &value);

// A text. A value that the store split at unquoted commas is joined again
// with ", ", which is how such a text was most likely written.
QString toText(const QVariant &value);

// The value in a form the INI store writes and reads back meaningfully:
// numbers, booleans and texts as they are, lists item by item, anything else
// (maps, script objects, binary types) as its text form or an empty text.
QVariant storable(const QVariant &value);

} // namespace IniValue
