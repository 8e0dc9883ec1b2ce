#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// One keyboard model of the embedded device catalogue, held only while
// discovery runs.
struct CatalogEntry
{
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0;   // command interface
    quint16 usage = 0;
    quint16 usagePage2 = 0;  // event interface
    quint16 usage2 = 0;
    QString name;
    quint32 reportLength = 0;
};

// Where discovery looks for its catalogue.
inline const QString kEmbeddedCatalogPath = QStringLiteral(":/DevInfo.ini");

// A catalogue never lists more models than this; a larger `common/total` is
// taken as this many, so a corrupt count cannot make discovery loop for ever.
constexpr int kMaxCatalogEntries = 64;

// Reads the catalogue at `path`. Entry i is named by element i of
// `displayNames` (the application configuration's `common/product_name`), or
// left unnamed when that list is shorter. Missing or non-hexadecimal keys read
// as 0.
QList<CatalogEntry> readCatalog(const QStringList &displayNames,
                                const QString &path = kEmbeddedCatalogPath);
