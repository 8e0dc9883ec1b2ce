#pragma once
#include <array>
#include <cstddef>
#include <QtGlobal>

// Byte layouts of the reports exchanged with the keyboard's command and event
// interfaces. The report ID (always 0, the interfaces are unnumbered) comes
// first in every buffer handed to hidapi.

constexpr std::size_t kFeatureReportSize = 9;
constexpr std::size_t kEventReportSize = 12;
constexpr std::size_t kMaxDataPhase = 128;   // the largest block a command moves
constexpr quint8 kReportId = 0x00;

// Trailer that ends every command report whose parameters fit in four bytes.
constexpr std::array<quint8, 3> kCommandTrailer{0x55, 0xAA, 0x00};

// The 9-byte feature report of one command (sent), or the keyboard's answer
// to it (read back): report ID, command code, then seven bytes that most
// commands use as four parameters followed by kCommandTrailer. The lighting
// type and the boot loader switch fill all seven with bytes of their own.
struct CommandReport
{
    static constexpr std::size_t kCode = 1;
    static constexpr std::size_t kFirstParam = 2;
    static constexpr std::size_t kTrailer = 6;

    std::array<quint8, kFeatureReportSize> bytes{};

    static CommandReport withParams(quint8 code, quint8 p2 = 0, quint8 p3 = 0,
                                    quint8 p4 = 0, quint8 p5 = 0)
    {
        return {{kReportId, code, p2, p3, p4, p5,
                 kCommandTrailer[0], kCommandTrailer[1], kCommandTrailer[2]}};
    }
    static CommandReport withPayload(quint8 code, const std::array<quint8, 7> &p)
    {
        return {{kReportId, code, p[0], p[1], p[2], p[3], p[4], p[5], p[6]}};
    }

    // A[k] of an answer: A[0] is the report ID, the keyboard's values start at A[2].
    quint8 operator[](std::size_t k) const { return bytes[k]; }
    quint8 code() const { return bytes[kCode]; }
    quint8 *data() { return bytes.data(); }
    const quint8 *data() const { return bytes.data(); }
};

// What the keyboard sends on its event interface after a lighting change made
// with its own keys: bytes 4..10 are the lighting record in the order of the
// 08H command (type, brightness, speed, direction, color, bl0, bl1); the other
// bytes are not used.
struct EventReport
{
    static constexpr std::size_t kLedType = 4;
    static constexpr std::size_t kLedTypeLength = 7;

    std::array<quint8, kEventReportSize> bytes{};
};
static_assert(EventReport::kLedType + EventReport::kLedTypeLength < kEventReportSize);
