#include "device/hid_thread.h"

#include "device/listener_host.h"
#include "device/log.h"

#include <QMutexLocker>
#include <QSettings>
#include <QThreadPool>
#include <QtConcurrent>

#include <hidapi.h>

namespace {

// The listener holds one pool thread for as long as it runs; a write must
// always find another one free.
constexpr int kMinPoolThreads = 2;

// How long one pass of the listener waits for an event report.
constexpr int kEventReadTimeoutMs = 500;

} // namespace

Hid_Thread::Hid_Thread()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    if (pool->maxThreadCount() < kMinPoolThreads)
        pool->setMaxThreadCount(kMinPoolThreads);
}

Hid_Thread::~Hid_Thread()
{
    stopListening();
    // A write may still be running on the pool with our buffers and handle.
    writeFuture.waitForFinished();
}

void Hid_Thread::updateDevices(const QList<CatalogEntry> &catalog)
{
    QList<DeviceEntry> fresh;
    fresh.reserve(catalog.size());
    for (int i = 0; i < catalog.size(); ++i) {
        const CatalogEntry &c = catalog.at(i);
        fresh.append(DeviceEntry{i, c.name, {}, {}, c.reportLength});
        if (i != 0)
            continue;  // only the first model is ever looked for

        QByteArray commandCandidate;
        QByteArray eventCandidate;
        hid_device_info *found = hid_enumerate(c.vid, c.pid);
        for (const hid_device_info *d = found; d; d = d->next) {
            const QByteArray path(d->path ? d->path : "");
            if (d->usage_page == c.usagePage && d->usage == c.usage)
                commandCandidate = path;
            if (d->usage_page == c.usagePage2 && d->usage == c.usage2)
                eventCandidate = path;
            if (!commandCandidate.isEmpty() && !eventCandidate.isEmpty())
                fresh[0] = DeviceEntry{0, c.name, commandCandidate, eventCandidate, c.reportLength};
        }
        hid_free_enumeration(found);
    }

    QMutexLocker lock(&devicesLock);
    devices = std::move(fresh);
    ++devicesGeneration;
}

QList<DeviceEntry> Hid_Thread::deviceList() const
{
    QMutexLocker lock(&devicesLock);
    return devices;
}

bool Hid_Thread::lookupPath(int index, Interface which, PathLookup &out) const
{
    QMutexLocker lock(&devicesLock);
    if (index < 0 || index >= devices.size())
        return false;
    const DeviceEntry &e = devices.at(index);
    out.path = which == Interface::Command ? e.commandPath : e.eventPath;
    out.reportLength = e.reportLength;
    out.generation = devicesGeneration;
    return !out.path.isEmpty();
}

void Hid_Thread::forgetPath(int index, Interface which, quint64 generation)
{
    QMutexLocker lock(&devicesLock);
    // A discovery in between has brought fresh paths; those stay.
    if (generation != devicesGeneration || index < 0 || index >= devices.size())
        return;
    DeviceEntry &e = devices[index];
    (which == Interface::Command ? e.commandPath : e.eventPath).clear();
}

void Hid_Thread::swichCurDevice(uint did)
{
    currentDevice = static_cast<int>(did);
    startListening(did);
}

void Hid_Thread::startListening(uint did)
{
    if (listening.exchange(false))
        listenerFuture.waitForFinished();
    listening = true;
    listenerFuture = QtConcurrent::run([this, did] { listenEvents(did); });
}

void Hid_Thread::stopListening()
{
    if (listening.exchange(false))
        listenerFuture.waitForFinished();
}

hid_device *Hid_Thread::openEventInterface(int index)
{
    PathLookup target;
    if (!lookupPath(index, Interface::Event, target))
        return nullptr;
    if (eventHandle) {
        hid_close(eventHandle);
        eventHandle = nullptr;
    }
    hid_device *handle = hid_open_path(target.path.constData());
    if (!handle) {
        forgetPath(index, Interface::Event, target.generation);
        return nullptr;
    }
    hid_set_nonblocking(handle, 0);
    eventHandle = handle;
    return handle;
}

void Hid_Thread::listenEvents(uint did)
{
    const int index = static_cast<int>(did);
    PathLookup target;
    if (!lookupPath(index, Interface::Event, target))
        return;

    EventReport report;
    while (listening.load()) {
        if (!openEventInterface(index)) {
            // openEventInterface() has already emptied the path.
            qCDebug(lcDevice, "Device removed");
            listening = false;
            return;
        }
        const int got = hid_read_timeout(eventHandle, report.bytes.data(), kEventReportSize,
                                         kEventReadTimeoutMs);
        if (got == static_cast<int>(kEventReportSize)) {
            QVariantList ledType;
            ledType.reserve(EventReport::kLedTypeLength);
            for (std::size_t k = 0; k < EventReport::kLedTypeLength; ++k)
                ledType.append(int(report.bytes[EventReport::kLedType + k]));
            // The profile store belongs to the GUI thread: write it there.
            QMetaObject::invokeMethod(
                this, [this, ledType] { deliverLighting(ledType); }, Qt::QueuedConnection);
        }
        if (eventHandle) {
            hid_close(eventHandle);
            eventHandle = nullptr;
        }
    }
}

void Hid_Thread::deliverLighting(const QVariantList &ledType)
{
    if (!owner)
        return;
    QSettings *store = owner->currentProfileStore();
    if (!store) {
        qCDebug(lcDevice, "lighting report dropped: the current profile has no store");
        return;
    }
    store->setValue(QStringLiteral("color/ledType"), ledType);
    owner->zzzTerlow();
}
