#pragma once
// The simulated keyboard: a stand-in for the hidapi C functions with a model
// of the keyboard's firmware behind them. An executable links this library
// instead of libhidapi-hidraw, and the real transport, command set, discovery
// and listener run against it unchanged.
//
// There is one simulated USB bus per process (the hidapi functions carry no
// context). It starts with the keyboard plugged in, both interfaces listed
// command interface first, factory firmware, no faults and an empty call log.
// Every function here is thread-safe.

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace hidsim {

// The keyboard's USB IDs, those of the embedded device catalogue.
constexpr std::uint16_t kVendorId = 0x1209;
constexpr std::uint16_t kProductId = 0x0007;
constexpr std::size_t kReportLength = 64;  // payload of one data report

enum class Role { Command, Event, Other };

// One record of the enumeration. An interface of Role::Other answers nothing.
struct Interface
{
    std::string path;
    std::uint16_t vendorId = kVendorId;
    std::uint16_t productId = kProductId;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    Role role = Role::Other;
};

// The keyboard's two vendor-defined interfaces (0xFF01/1 commands,
// 0xFF02/1 events), in either enumeration order.
std::vector<Interface> keyboardInterfaces(bool commandFirst = true);

using Block = std::array<std::uint8_t, 128>;

// Everything the keyboard stores. A read command returns what the matching
// write stored.
struct Firmware
{
    std::uint16_t version = 0x0103;
    std::uint8_t modeUsUk = 0;            // answered in bits 1-2 of the version answer
    std::uint8_t currentProfile = 0;      // 21H / A1H
    std::array<std::uint8_t, 3> option{}; // 02H / 82H
    std::uint8_t sensitivity = 0;         // 04H / 84H
    std::array<std::uint8_t, 7> ledType{1, 4, 2, 0, 7, 4, 0}; // 08H / 88H
    std::array<std::uint8_t, 64> sevenColor{};                // 30H / B0H
    std::array<std::uint8_t, 256> keyMatrix{};                // 0CH 0DH / 8CH 8DH
    std::array<std::uint8_t, 256> comboMatrix{};              // 1CH 1DH (write only)
    std::map<std::uint8_t, Block> macros;                     // 10H / 90H by slot
    std::map<std::pair<std::uint8_t, std::uint8_t>, Block> pictures; // 12H / 92H by (index, colorIndex)
    int bootLoaderRequests = 0;           // 0FH with its exact pattern
    int recoveryWrites = 0;               // 13H
    int macroStops = 0;                   // 09H
};

// One call of a hidapi function, as the program made it.
struct Call
{
    std::string function;            // "hid_write", "hid_open_path", ...
    int handle = 0;                  // the device handle's number, 0 for none
    std::string path;                // hid_open_path; the opened interface for calls on a handle
    std::vector<std::uint8_t> bytes; // what the program sent, or what it received
    int result = 0;
    std::chrono::steady_clock::time_point time;
};

// Faults on demand. Report calls are hid_send_feature_report,
// hid_get_feature_report, hid_write and hid_read(_timeout) on the command
// interface, counted from 1 since the last setFaults() or reset().
struct Faults
{
    bool onlyCommandInterface = false; // enumeration lists one interface only
    bool onlyEventInterface = false;
    bool refuseOpen = false;           // every hid_open_path fails
    int refuseReportAt = 0;            // that report call returns -1
    int unplugAfterReport = 0;         // the keyboard is unplugged right after that report call
    bool commandReadsNeverAnswer = false; // data-phase input reports never come
    int writeDelayMs = 0;              // every hid_write takes this long
    int answerLength = -1;             // >= 0: hid_get_feature_report delivers only this many bytes
    int inputReportLength = -1;        // >= 0: data-phase input reports carry only this many bytes
};

void reset();
void setInterfaces(std::vector<Interface> interfaces);
void plug();
void unplug();
bool isPlugged();

Firmware firmware();
void setFirmware(const Firmware &state);

void setFaults(const Faults &faults);

// Queues a report on the event interface, as the keyboard sends it after a
// change made with its own keys (12 bytes for a lighting change).
void pushEvent(std::vector<std::uint8_t> report);

std::vector<Call> calls();
void clearCalls();
int openHandleCount();

} // namespace hidsim
