#pragma once
#include <QString>

// The English language and country names of the Qt 4.8 locale tables, by the
// Qt 4.8 enumeration numbers. Language pack files are named after these
// numbers, and their display names must read exactly as Qt 4.8 spelled them;
// Qt 6 numbers and names its locale enumerations differently, so the tables
// are carried here as data. Owns no file.
namespace Qt4LocaleNames {

constexpr int kLastLanguage = 234; // Yangben
constexpr int kLastCountry = 246;  // LatinAmericaAndTheCaribbean

// Number 0 is "Default"; a number outside the table is "Unknown", as in Qt 4.8.
QString languageName(int language);
QString countryName(int country);

} // namespace Qt4LocaleNames
