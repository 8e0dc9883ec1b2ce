#include "device/sim/firmware_model.h"

#include <algorithm>
#include <cstring>

namespace hidsim {
namespace {

// The keyboard's own view of its commands: code and data-phase length.
struct FirmwareCommand
{
    std::uint8_t code;
    std::size_t dataLength;
};
constexpr FirmwareCommand kWritesWithData[] = {
    {0x0C, 128}, {0x0D, 128}, {0x10, 128}, {0x12, 128}, {0x1C, 128}, {0x1D, 128}, {0x30, 64},
};
constexpr FirmwareCommand kReadsWithData[] = {
    {0x8C, 128}, {0x8D, 128}, {0x90, 128}, {0x92, 128}, {0xB0, 64},
};

template <std::size_t N>
std::size_t dataLengthOf(const FirmwareCommand (&table)[N], std::uint8_t code)
{
    for (const FirmwareCommand &c : table)
        if (c.code == code)
            return c.dataLength;
    return 0;
}

constexpr std::uint8_t kBootLoaderPattern[7] = {0xAA, 0x55, 0xCC, 0x33, 0xBB, 0x99, 0xEE};

} // namespace

void FirmwareModel::reset()
{
    state = Firmware{};
    answer_ = {};
    pendingExpected_ = 0;
    pendingData_.clear();
    outgoing_.clear();
    outgoingOffset_ = 0;
}

void FirmwareModel::featureReport(const std::uint8_t *report, std::size_t length)
{
    if (length < 9)
        return;  // the firmware ignores a truncated command
    const std::uint8_t code = report[1];
    const std::uint8_t *p = report + 2;  // bytes 2..8

    // A new command abandons an unfinished data phase.
    pendingExpected_ = 0;
    outgoing_.clear();

    if (code & 0x80) {
        startRead(code, p);
        return;
    }
    if (const std::size_t n = dataLengthOf(kWritesWithData, code)) {
        startWrite(code, p, n);
        return;
    }
    switch (code) {
    case 0x02: std::copy(p, p + 3, state.option.begin()); break;
    case 0x04: state.sensitivity = p[0]; break;
    case 0x08: std::copy(p, p + 7, state.ledType.begin()); break;
    case 0x09: ++state.macroStops; break;
    case 0x0F:
        if (std::equal(p, p + 7, kBootLoaderPattern))
            ++state.bootLoaderRequests;
        break;
    case 0x13: ++state.recoveryWrites; break;
    case 0x21: state.currentProfile = p[0]; break;
    default: break;  // unknown commands are ignored
    }
}

void FirmwareModel::startWrite(std::uint8_t code, const std::uint8_t *params, std::size_t dataLength)
{
    pendingCode_ = code;
    std::copy(params, params + 7, pendingParams_.begin());
    pendingData_.clear();
    pendingExpected_ = dataLength;
}

void FirmwareModel::outputReport(const std::uint8_t *report, std::size_t length)
{
    if (pendingExpected_ == 0 || length < 2)
        return;
    const std::size_t take = std::min({length - 1, kReportLength, pendingExpected_ - pendingData_.size()});
    pendingData_.insert(pendingData_.end(), report + 1, report + 1 + take);
    if (pendingData_.size() == pendingExpected_)
        finishWrite();
}

void FirmwareModel::finishWrite()
{
    const std::uint8_t *d = pendingData_.data();
    Block block{};
    std::copy_n(d, std::min(pendingData_.size(), block.size()), block.begin());
    switch (pendingCode_) {
    case 0x0C: std::copy_n(d, 128, state.keyMatrix.begin()); break;
    case 0x0D: std::copy_n(d, 128, state.keyMatrix.begin() + 128); break;
    case 0x1C: std::copy_n(d, 128, state.comboMatrix.begin()); break;
    case 0x1D: std::copy_n(d, 128, state.comboMatrix.begin() + 128); break;
    case 0x30: std::copy_n(d, 64, state.sevenColor.begin()); break;
    case 0x10: state.macros[pendingParams_[1]] = block; break;
    case 0x12: state.pictures[{pendingParams_[1], pendingParams_[2]}] = block; break;
    default: break;
    }
    pendingExpected_ = 0;
    pendingData_.clear();
}

void FirmwareModel::startRead(std::uint8_t code, const std::uint8_t *p)
{
    // Reads answer with their code and, by default, the parameters echoed.
    answer_ = {0x00, code, p[0], p[1], p[2], p[3], p[4], p[5], p[6]};
    std::uint8_t *a = answer_.data();
    switch (code) {
    case 0x80:
        a[2] = static_cast<std::uint8_t>(state.version >> 8);
        a[3] = static_cast<std::uint8_t>(state.version & 0xFF);
        a[4] = static_cast<std::uint8_t>((state.modeUsUk & 3) << 1);
        break;
    case 0x82: std::copy(state.option.begin(), state.option.end(), a + 2); break;
    case 0x84: a[2] = state.sensitivity; break;
    case 0x88: std::copy(state.ledType.begin(), state.ledType.end(), a + 2); break;
    case 0xA1: a[2] = state.currentProfile; break;
    default: break;
    }

    const std::size_t n = dataLengthOf(kReadsWithData, code);
    if (n == 0)
        return;
    outgoing_.assign(n, 0x00);
    outgoingOffset_ = 0;
    switch (code) {
    case 0x8C: std::copy_n(state.keyMatrix.begin(), 128, outgoing_.begin()); break;
    case 0x8D: std::copy_n(state.keyMatrix.begin() + 128, 128, outgoing_.begin()); break;
    case 0xB0: std::copy_n(state.sevenColor.begin(), 64, outgoing_.begin()); break;
    case 0x90: {
        const auto it = state.macros.find(p[1]);
        if (it != state.macros.end())
            std::copy(it->second.begin(), it->second.end(), outgoing_.begin());
        break;
    }
    case 0x92: {
        const auto it = state.pictures.find({p[1], p[2]});
        if (it != state.pictures.end())
            std::copy(it->second.begin(), it->second.end(), outgoing_.begin());
        break;
    }
    default: break;
    }
}

std::vector<std::uint8_t> FirmwareModel::nextInputReport()
{
    if (outgoingOffset_ >= outgoing_.size())
        return {};
    // Input reports have no ID byte and are always full length.
    std::vector<std::uint8_t> report(kReportLength, 0x00);
    const std::size_t take = std::min(kReportLength, outgoing_.size() - outgoingOffset_);
    std::copy_n(outgoing_.begin() + static_cast<std::ptrdiff_t>(outgoingOffset_), take, report.begin());
    outgoingOffset_ += take;
    return report;
}

} // namespace hidsim
