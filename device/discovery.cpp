#include "device/discovery.h"

#include "device/hid_thread.h"

void discoverDevices(Hid_Thread &worker, const QStringList &displayNames, const QString &catalogPath)
{
    worker.updateDevices(readCatalog(displayNames, catalogPath));
    worker.swichCurDevice(static_cast<uint>(worker.currentDeviceIndex()));
}
