#pragma once
#include "device/catalog.h"

#include <QStringList>

class Hid_Thread;

// Looks for the catalogue's keyboard among the attached HID interfaces and
// re-selects the worker's current device, which restarts the event listener
// on the paths just found. The caller then reads the keyboard's firmware
// version and active profile (the view's syncFW).
void discoverDevices(Hid_Thread &worker, const QStringList &displayNames,
                     const QString &catalogPath = kEmbeddedCatalogPath);
