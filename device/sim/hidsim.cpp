// The hidapi C functions over one simulated USB bus.
#include "device/sim/hidsim.h"

#include "device/sim/firmware_model.h"

#include <hidapi.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <deque>
#include <mutex>
#include <thread>

struct hid_device_
{
    int id = 0;
    hidsim::Role role = hidsim::Role::Other;
    std::string path;
    bool blocking = true;
    unsigned plugGeneration = 0;  // the handle dies when the keyboard is unplugged
};

namespace hidsim {
namespace {

struct Bus
{
    std::mutex lock;
    std::condition_variable changed;  // events pushed, keyboard unplugged, bus reset
    bool plugged = true;
    unsigned plugGeneration = 1;
    std::vector<Interface> interfaces = keyboardInterfaces();
    FirmwareModel firmware;
    Faults faults;
    int reportCalls = 0;
    std::deque<std::vector<std::uint8_t>> events;
    std::vector<Call> log;
    int nextHandle = 1;
    int openHandles = 0;
};

Bus &bus()
{
    static Bus b;
    return b;
}

void record(Bus &b, const char *function, const hid_device *dev, const std::uint8_t *bytes,
            std::size_t length, int result)
{
    hidsim::Call c;
    c.function = function;
    c.handle = dev ? dev->id : 0;
    c.path = dev ? dev->path : std::string();
    if (bytes && length)
        c.bytes.assign(bytes, bytes + length);
    c.result = result;
    c.time = std::chrono::steady_clock::now();
    b.log.push_back(std::move(c));
}

bool alive(const Bus &b, const hid_device *dev)
{
    return dev && b.plugged && dev->plugGeneration == b.plugGeneration;
}

void doUnplug(Bus &b)
{
    b.plugged = false;
    b.events.clear();
    b.changed.notify_all();
}

// Counts a report call on the command interface; false when the fault plan
// refuses it.
bool countReport(Bus &b, const hid_device *dev)
{
    if (dev->role != Role::Command)
        return true;
    ++b.reportCalls;
    return b.faults.refuseReportAt != b.reportCalls;
}

void afterReport(Bus &b, const hid_device *dev)
{
    if (dev->role == Role::Command && b.faults.unplugAfterReport == b.reportCalls)
        doUnplug(b);
}

bool listed(const Faults &f, const Interface &i)
{
    if (f.onlyCommandInterface && i.role == Role::Event)
        return false;
    if (f.onlyEventInterface && i.role == Role::Command)
        return false;
    return true;
}

wchar_t *wideCopy(const wchar_t *s)
{
    const std::size_t n = std::wcslen(s) + 1;
    auto *copy = static_cast<wchar_t *>(std::malloc(n * sizeof(wchar_t)));
    if (copy)
        std::wmemcpy(copy, s, n);
    return copy;
}

char *copyString(const std::string &s)
{
    auto *copy = static_cast<char *>(std::malloc(s.size() + 1));
    if (copy)
        std::memcpy(copy, s.c_str(), s.size() + 1);
    return copy;
}

// Waits on the bus until `ready` holds, the handle dies or `timeoutMs` passes
// (forever when negative). The lock is released while waiting.
template <typename Ready>
bool waitFor(std::unique_lock<std::mutex> &held, Bus &b, const hid_device *dev, int timeoutMs, Ready ready)
{
    auto done = [&] { return ready() || !alive(b, dev); };
    if (timeoutMs < 0) {
        b.changed.wait(held, done);
    } else {
        b.changed.wait_for(held, std::chrono::milliseconds(timeoutMs), done);
    }
    return ready() && alive(b, dev);
}

} // namespace

std::vector<Interface> keyboardInterfaces(bool commandFirst)
{
    Interface command{"sim-hidraw0", kVendorId, kProductId, 0xFF01, 0x0001, Role::Command};
    Interface event{"sim-hidraw1", kVendorId, kProductId, 0xFF02, 0x0001, Role::Event};
    if (commandFirst)
        return {command, event};
    return {event, command};
}

void reset()
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    b.plugged = true;
    ++b.plugGeneration;
    b.interfaces = keyboardInterfaces();
    b.firmware.reset();
    b.faults = Faults{};
    b.reportCalls = 0;
    b.events.clear();
    b.log.clear();
    b.changed.notify_all();
}

void setInterfaces(std::vector<Interface> interfaces)
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    b.interfaces = std::move(interfaces);
}

void plug()
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    if (!b.plugged) {
        b.plugged = true;
        ++b.plugGeneration;
    }
}

void unplug()
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    doUnplug(b);
}

bool isPlugged()
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    return b.plugged;
}

Firmware firmware()
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    return b.firmware.state;
}

void setFirmware(const Firmware &state)
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    b.firmware.state = state;
}

void setFaults(const Faults &faults)
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    b.faults = faults;
    b.reportCalls = 0;
    b.changed.notify_all();
}

void pushEvent(std::vector<std::uint8_t> report)
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    if (!b.plugged)
        return;
    b.events.push_back(std::move(report));
    b.changed.notify_all();
}

std::vector<Call> calls()
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    return b.log;
}

void clearCalls()
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    b.log.clear();
}

int openHandleCount()
{
    Bus &b = bus();
    std::lock_guard<std::mutex> g(b.lock);
    return b.openHandles;
}

} // namespace hidsim

using hidsim::Bus;
using hidsim::Role;

extern "C" {

int HID_API_EXPORT hid_init(void)
{
    return 0;
}

int HID_API_EXPORT hid_exit(void)
{
    return 0;
}

struct hid_device_info HID_API_EXPORT *hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    Bus &b = hidsim::bus();
    std::lock_guard<std::mutex> g(b.lock);
    hid_device_info *head = nullptr;
    hid_device_info **tail = &head;
    int count = 0;
    if (b.plugged) {
        for (const hidsim::Interface &i : b.interfaces) {
            if ((vendor_id && vendor_id != i.vendorId) || (product_id && product_id != i.productId))
                continue;
            if (!hidsim::listed(b.faults, i))
                continue;
            auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
            if (!info)
                break;
            info->path = hidsim::copyString(i.path);
            info->vendor_id = i.vendorId;
            info->product_id = i.productId;
            info->manufacturer_string = hidsim::wideCopy(L"Simulated");
            info->product_string = hidsim::wideCopy(L"Simulated keyboard");
            info->serial_number = hidsim::wideCopy(L"");
            info->usage_page = i.usagePage;
            info->usage = i.usage;
            info->interface_number = i.role == Role::Command ? 1 : 2;
            *tail = info;
            tail = &info->next;
            ++count;
        }
    }
    hidsim::record(b, "hid_enumerate", nullptr, nullptr, 0, count);
    return head;
}

void HID_API_EXPORT hid_free_enumeration(struct hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs->serial_number);
        std::free(devs);
        devs = next;
    }
}

hid_device *HID_API_EXPORT hid_open_path(const char *path)
{
    Bus &b = hidsim::bus();
    std::lock_guard<std::mutex> g(b.lock);
    const std::string wanted = path ? path : "";
    hid_device *dev = nullptr;
    if (b.plugged && !b.faults.refuseOpen) {
        for (const hidsim::Interface &i : b.interfaces) {
            if (i.path != wanted || !hidsim::listed(b.faults, i))
                continue;
            dev = new hid_device_;
            dev->id = b.nextHandle++;
            dev->role = i.role;
            dev->path = i.path;
            dev->plugGeneration = b.plugGeneration;
            ++b.openHandles;
            break;
        }
    }
    hidsim::Call c;
    c.function = "hid_open_path";
    c.handle = dev ? dev->id : 0;
    c.path = wanted;
    c.result = dev ? 0 : -1;
    c.time = std::chrono::steady_clock::now();
    b.log.push_back(std::move(c));
    return dev;
}

hid_device *HID_API_EXPORT hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t *)
{
    std::string path;
    {
        Bus &b = hidsim::bus();
        std::lock_guard<std::mutex> g(b.lock);
        for (const hidsim::Interface &i : b.interfaces)
            if (i.vendorId == vendor_id && i.productId == product_id) {
                path = i.path;
                break;
            }
    }
    return path.empty() ? nullptr : hid_open_path(path.c_str());
}

void HID_API_EXPORT hid_close(hid_device *dev)
{
    if (!dev)
        return;
    Bus &b = hidsim::bus();
    {
        std::lock_guard<std::mutex> g(b.lock);
        hidsim::record(b, "hid_close", dev, nullptr, 0, 0);
        --b.openHandles;
    }
    delete dev;
}

int HID_API_EXPORT hid_set_nonblocking(hid_device *dev, int nonblock)
{
    Bus &b = hidsim::bus();
    std::lock_guard<std::mutex> g(b.lock);
    const int result = hidsim::alive(b, dev) ? 0 : -1;
    if (dev)
        dev->blocking = nonblock == 0;
    hidsim::record(b, "hid_set_nonblocking", dev, nullptr, 0, result);
    return result;
}

int HID_API_EXPORT hid_send_feature_report(hid_device *dev, const unsigned char *data, size_t length)
{
    Bus &b = hidsim::bus();
    std::lock_guard<std::mutex> g(b.lock);
    int result = -1;
    if (hidsim::alive(b, dev) && data && hidsim::countReport(b, dev)) {
        if (dev->role == Role::Command)
            b.firmware.featureReport(data, length);
        result = static_cast<int>(length);
    }
    hidsim::record(b, "hid_send_feature_report", dev, data, length, result);
    if (dev)
        hidsim::afterReport(b, dev);
    return result;
}

int HID_API_EXPORT hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    Bus &b = hidsim::bus();
    std::lock_guard<std::mutex> g(b.lock);
    int result = -1;
    if (hidsim::alive(b, dev) && data && length > 0 && hidsim::countReport(b, dev)
        && dev->role == Role::Command) {
        // Like hidraw: the report ID stays in byte 0, the answer follows.
        const auto &answer = b.firmware.answer();
        std::size_t n = std::min(length, answer.size());
        if (b.faults.answerLength >= 0)
            n = std::min(n, static_cast<std::size_t>(b.faults.answerLength) + 1);
        std::copy_n(answer.begin() + 1, n - 1, data + 1);
        result = static_cast<int>(n);
    }
    hidsim::record(b, "hid_get_feature_report", dev, data, result > 0 ? std::size_t(result) : 0, result);
    if (dev)
        hidsim::afterReport(b, dev);
    return result;
}

int HID_API_EXPORT hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    Bus &b = hidsim::bus();
    std::unique_lock<std::mutex> held(b.lock);
    const int delay = b.faults.writeDelayMs;
    if (delay > 0) {
        held.unlock();
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        held.lock();
    }
    int result = -1;
    if (hidsim::alive(b, dev) && data && hidsim::countReport(b, dev)) {
        if (dev->role == Role::Command)
            b.firmware.outputReport(data, length);
        result = static_cast<int>(length);
    }
    hidsim::record(b, "hid_write", dev, data, length, result);
    if (dev)
        hidsim::afterReport(b, dev);
    return result;
}

int HID_API_EXPORT hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    Bus &b = hidsim::bus();
    std::unique_lock<std::mutex> held(b.lock);
    int result = -1;
    if (!hidsim::alive(b, dev) || !data) {
        hidsim::record(b, "hid_read_timeout", dev, nullptr, 0, -1);
        return -1;
    }
    if (dev->role == Role::Event) {
        const bool got = hidsim::waitFor(held, b, dev, milliseconds, [&] { return !b.events.empty(); });
        if (got) {
            std::vector<std::uint8_t> report = std::move(b.events.front());
            b.events.pop_front();
            const std::size_t n = std::min(length, report.size());
            std::copy_n(report.begin(), n, data);
            result = static_cast<int>(n);
        } else {
            result = hidsim::alive(b, dev) ? 0 : -1;
        }
        hidsim::record(b, "hid_read_timeout", dev, data, result > 0 ? std::size_t(result) : 0, result);
        return result;
    }

    if (!hidsim::countReport(b, dev)) {
        hidsim::record(b, "hid_read_timeout", dev, nullptr, 0, -1);
        return -1;
    }
    std::vector<std::uint8_t> report;
    if (dev->role == Role::Command && !b.faults.commandReadsNeverAnswer)
        report = b.firmware.nextInputReport();
    if (report.empty()) {
        // Nothing is due: wait like a keyboard that stays silent.
        hidsim::waitFor(held, b, dev, milliseconds, [] { return false; });
        result = hidsim::alive(b, dev) ? 0 : -1;
    } else {
        std::size_t n = std::min(length, report.size());
        if (b.faults.inputReportLength >= 0)
            n = std::min(n, static_cast<std::size_t>(b.faults.inputReportLength));
        std::copy_n(report.begin(), n, data);
        result = static_cast<int>(n);
    }
    hidsim::record(b, "hid_read_timeout", dev, data, result > 0 ? std::size_t(result) : 0, result);
    hidsim::afterReport(b, dev);
    return result;
}

int HID_API_EXPORT hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    const bool blocking = dev && dev->blocking;
    return hid_read_timeout(dev, data, length, blocking ? -1 : 0);
}

const wchar_t *HID_API_EXPORT hid_error(hid_device *)
{
    return L"simulated keyboard";
}

} // extern "C"
