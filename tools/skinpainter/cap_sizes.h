#pragma once
#include <QMap>
#include <QSize>
#include <QString>

// The key cap sizes the hardware definition documents, for the key types
// its layout uses.
struct CapSizes
{
    QMap<int, QSize> sizes;   // key type -> cap size, for every type the layout uses
    QString error;            // empty when every used type has a documented size
};

// Reads HWDef.bin as text: the documented sizes come from its comment lines
// "type <n>: <w> x <h> px", the used types from the key entries of group [0]
// ("<i>=x, y, type, name, matrix, code"). Type 0 draws no cap.
CapSizes readCapSizes(const QString &hwDefPath);
