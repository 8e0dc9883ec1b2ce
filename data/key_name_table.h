#pragma once
#include <QMap>
#include <QString>

// Key name (as listed in KeyCodeDef.bin and written in macro lines) to the
// 8-bit key code the keyboard's macro engine takes. Built from the key code
// definitions when the keyboard is synchronised; read by the macro encoder.
using KeyNameTable = QMap<QString, uchar>;
