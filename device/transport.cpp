// The report transport: the link flag, the command interface opened afresh
// for every step, and the two transfer routines.
#include "device/hid_thread.h"

#include "device/log.h"
#include "device/pacing.h"

#include <QCoreApplication>
#include <QThread>

#include <hidapi.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kLinkPolls = 255;
constexpr unsigned kLinkPollMs = 8;
constexpr unsigned kReportPacingMs = 8;

// An input report of a data phase normally follows within milliseconds; a
// keyboard that never sends it must not hold the GUI thread.
constexpr int kDataReadTimeoutMs = 1000;

// The kernel's hidraw buffers hold at most 4096 bytes, report ID included.
constexpr quint32 kMaxReportLength = 4095;

void dumpReport(const char *what, const quint8 *bytes, std::size_t length, int result)
{
    if (!lcDeviceTraffic().isDebugEnabled())
        return;
    qCDebug(lcDeviceTraffic).noquote()
        << what << QByteArray::fromRawData(reinterpret_cast<const char *>(bytes),
                                           static_cast<qsizetype>(length))
                       .toHex(' ')
        << "->" << result;
}

} // namespace

bool Hid_Thread::acquireLink()
{
    for (int poll = 0; poll < kLinkPolls; ++poll) {
        if (linkFree.exchange(false))
            return true;
        pacing::pause(kLinkPollMs);
        // Keep the GUI alive while a write finishes on the pool.
        if (QCoreApplication::instance()
            && QThread::currentThread() == QCoreApplication::instance()->thread())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return false;
}

bool Hid_Thread::releaseLink(bool result)
{
    linkFree = true;
    return result;
}

void Hid_Thread::closeCommandInterface()
{
    if (commandHandle) {
        hid_close(commandHandle);
        commandHandle = nullptr;
    }
}

hid_device *Hid_Thread::openCommandInterface(int index)
{
    PathLookup target;
    if (!lookupPath(index, Interface::Command, target))
        return nullptr;
    closeCommandInterface();
    hid_device *handle = hid_open_path(target.path.constData());
    if (!handle) {
        // Every later command fails at once until discovery finds the keyboard again.
        forgetPath(index, Interface::Command, target.generation);
        return nullptr;
    }
    hid_set_nonblocking(handle, 0);
    commandHandle = handle;
    return handle;
}

// The steps every transfer starts with: the check-open, the data-phase
// length, then the command report on a freshly opened handle. On false the
// interface is closed again; the caller still holds the link.
bool Hid_Thread::beginTransfer(int index, int n, quint32 &reportLength)
{
    PathLookup target;
    if (!lookupPath(index, Interface::Command, target) || !openCommandInterface(index))
        return false;
    reportLength = target.reportLength;
    if (n > 0 && (reportLength == 0 || reportLength > kMaxReportLength)) {
        qCDebug(lcDevice, "no data phase possible with report length %u", reportLength);
        closeCommandInterface();
        return false;
    }
    hid_device *h = openCommandInterface(index);
    const int sent = h ? hid_send_feature_report(h, commandReport.data(), kFeatureReportSize) : -1;
    dumpReport("feature out", commandReport.data(), kFeatureReportSize, sent);
    if (sent < 0) {
        closeCommandInterface();
        return false;
    }
    return true;
}

bool Hid_Thread::finishTransfer(bool result)
{
    closeCommandInterface();
    return releaseLink(result);
}

bool Hid_Thread::sendCommand(int n)
{
    n = std::clamp(n, 0, static_cast<int>(kMaxDataPhase));
    const int index = currentDevice.load();
    quint32 L = 0;
    if (!beginTransfer(index, n, L))
        return releaseLink(false);
    if (n == 0)
        return finishTransfer(true);

    const int chunk = std::min<int>(n, static_cast<int>(L));
    std::vector<quint8> report(L + 1, 0x00);
    for (int offset = 0; offset < n; offset += chunk) {
        const int part = std::min(chunk, n - offset);
        report[0] = kReportId;
        std::memcpy(report.data() + 1, dataBuffer.data() + offset, static_cast<std::size_t>(part));
        // A short last chunk must not carry the tail of the previous one.
        std::fill(report.begin() + 1 + part, report.end(), quint8(0x00));
        hid_device *h = openCommandInterface(index);
        const int written = h ? hid_write(h, report.data(), report.size()) : -1;
        dumpReport("output", report.data(), report.size(), written);
        if (written < 0)
            return finishTransfer(false);
        pacing::pause(kReportPacingMs);
    }
    return finishTransfer(true);
}

bool Hid_Thread::queryCommand(int n)
{
    n = std::clamp(n, 0, static_cast<int>(kMaxDataPhase));
    const int index = currentDevice.load();
    quint32 L = 0;
    if (!beginTransfer(index, n, L))
        return releaseLink(false);

    hid_device *h = openCommandInterface(index);
    answerReport.bytes[0] = kReportId;
    const int got = h ? hid_get_feature_report(h, answerReport.data(), kFeatureReportSize) : -1;
    dumpReport("feature in", answerReport.data(), kFeatureReportSize, got);
    if (got < 0)
        return finishTransfer(false);
    if (n == 0)
        return finishTransfer(true);

    const int chunk = std::min<int>(n, static_cast<int>(L));
    std::vector<quint8> report(L + 1);
    for (int offset = 0; offset < n; offset += chunk) {
        const int part = std::min(chunk, n - offset);
        std::fill(report.begin(), report.end(), quint8(0x00));
        h = openCommandInterface(index);
        const int read = h ? hid_read_timeout(h, report.data(), report.size(), kDataReadTimeoutMs) : -1;
        dumpReport("input", report.data(), report.size(), read);
        // Nothing within the bound counts as a failed read.
        if (read <= 0)
            return finishTransfer(false);
        std::memcpy(dataBuffer.data() + offset, report.data(), static_cast<std::size_t>(part));
    }
    return finishTransfer(true);
}
