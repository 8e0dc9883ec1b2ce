#pragma once
// Shared helpers of the device tests: the simulated keyboard's call log
// sliced by function, byte strings written as hex, a capture of the debug
// messages and a stand-in for the view's side of the listener.

#include "device/hid_thread.h"
#include "device/listener_host.h"
#include "device/sim/hidsim.h"

#include <QByteArray>
#include <QMutex>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <vector>

namespace fixture {

inline std::vector<std::uint8_t> hex(const char *text)
{
    const QByteArray raw = QByteArray::fromHex(QByteArray(text).replace(' ', ""));
    return {raw.begin(), raw.end()};
}

inline std::vector<hidsim::Call> callsOf(const char *function)
{
    std::vector<hidsim::Call> out;
    for (const hidsim::Call &c : hidsim::calls())
        if (c.function == function)
            out.push_back(c);
    return out;
}

// The calls that move report bytes, in order: what went to the keyboard.
inline std::vector<hidsim::Call> reportCalls()
{
    std::vector<hidsim::Call> out;
    for (const hidsim::Call &c : hidsim::calls())
        if (c.function == "hid_send_feature_report" || c.function == "hid_write"
            || c.function == "hid_get_feature_report"
            || (c.function == "hid_read_timeout" && c.path == "sim-hidraw0"))
            out.push_back(c);
    return out;
}

inline std::vector<std::uint8_t> block(std::size_t n, std::uint8_t seed)
{
    std::vector<std::uint8_t> b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<std::uint8_t>(seed + i * 7);
    return b;
}

// Collects every message sent through Qt's handler while it lives.
class MessageCapture
{
public:
    MessageCapture() { previous = qInstallMessageHandler(&MessageCapture::handle); instance() = this; }
    ~MessageCapture() { qInstallMessageHandler(previous); instance() = nullptr; }
    QStringList messages() const { QMutexLocker l(&lock); return list; }
    int count(const QString &text) const { return int(messages().count(text)); }

private:
    static MessageCapture *&instance() { static MessageCapture *p = nullptr; return p; }
    static void handle(QtMsgType, const QMessageLogContext &, const QString &msg)
    {
        if (MessageCapture *self = instance()) {
            QMutexLocker l(&self->lock);
            self->list.append(msg);
        }
    }
    QtMessageHandler previous = nullptr;
    mutable QMutex lock;
    QStringList list;
};

// Stands in for the view: one profile store in a temporary folder.
class Host : public ListenerHost
{
public:
    Host() : store(dir.filePath(QStringLiteral("p1.bin")), QSettings::IniFormat) {}
    QSettings *currentProfileStore() override { return hasStore ? &store : nullptr; }
    void zzzTerlow() override { ++refreshes; }

    QTemporaryDir dir;
    QSettings store;
    bool hasStore = true;
    int refreshes = 0;
};

// A worker whose device list was built by discovery against the simulated bus.
inline std::unique_ptr<Hid_Thread> discoveredWorker(quint32 reportLength = 64)
{
    auto worker = std::make_unique<Hid_Thread>();
    CatalogEntry e{hidsim::kVendorId, hidsim::kProductId, 0xFF01, 0x0001, 0xFF02, 0x0001,
                   QStringLiteral("ZR770"), reportLength};
    worker->updateDevices({e});
    return worker;
}

} // namespace fixture
