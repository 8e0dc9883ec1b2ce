#pragma once
// How the simulated keyboard's firmware answers the reports of its command
// interface. Not thread-safe: the bus serialises every call.

#include "device/sim/hidsim.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hidsim {

class FirmwareModel
{
public:
    Firmware state;

    void reset();
    void featureReport(const std::uint8_t *report, std::size_t length);
    // The answer to the last read command: report ID, then 8 bytes.
    const std::array<std::uint8_t, 9> &answer() const { return answer_; }
    void outputReport(const std::uint8_t *report, std::size_t length);
    // The next input report of a data phase, empty when none is due.
    std::vector<std::uint8_t> nextInputReport();

private:
    void startWrite(std::uint8_t code, const std::uint8_t *params, std::size_t dataLength);
    void finishWrite();
    void startRead(std::uint8_t code, const std::uint8_t *params);

    std::array<std::uint8_t, 9> answer_{};
    // A write's data phase being received.
    std::uint8_t pendingCode_ = 0;
    std::array<std::uint8_t, 7> pendingParams_{};
    std::vector<std::uint8_t> pendingData_;
    std::size_t pendingExpected_ = 0;
    // A read's data phase being sent.
    std::vector<std::uint8_t> outgoing_;
    std::size_t outgoingOffset_ = 0;
};

} // namespace hidsim
