// The command slots: every one takes the link, fills the reports from the
// command table and either hands a write to the pool or carries a read out.
#include "device/hid_thread.h"

#include "device/command_set.h"
#include "device/log.h"

#include <QtConcurrent>

#include <cstring>

namespace {

using commands::Direction;

CommandReport plain(quint8 code)
{
    return CommandReport::withParams(code);
}

} // namespace

void Hid_Thread::issueWrite(const CommandReport &report, const uchar *block)
{
    const commands::Command &c = commands::get(report.code());
    Q_ASSERT(c.direction == Direction::Write);
    if (!acquireLink()) {
        qCDebug(lcDevice, "cmd Failed %02X", c.code);
        return;
    }
    commandReport = report;
    if (c.dataLength > 0) {
        if (block)
            std::memcpy(dataBuffer.data(), block, static_cast<std::size_t>(c.dataLength));
        else
            dataBuffer.fill(0x00);
    }
    const int n = c.dataLength;
    // Fire and forget: the link flag orders this transfer before the next command.
    writeFuture = QtConcurrent::run([this, n] { sendCommand(n); });
}

Hid_Thread::ReadOutcome Hid_Thread::issueRead(const CommandReport &report,
                                              const CommandReport &prefill, uchar *block)
{
    const commands::Command &c = commands::get(report.code());
    Q_ASSERT(c.direction == Direction::Read);
    if (!acquireLink()) {
        qCDebug(lcDevice, "cmd Failed");
        return ReadOutcome::NoLink;
    }
    commandReport = report;
    answerReport = prefill;
    const auto n = static_cast<std::size_t>(c.dataLength);
    // The caller's block goes in first, so a failed read hands it back unchanged.
    if (n > 0 && block)
        std::memcpy(dataBuffer.data(), block, n);
    const bool ok = queryCommand(c.dataLength);
    if (n > 0 && block)
        std::memcpy(block, dataBuffer.data(), n);
    return ok ? ReadOutcome::Done : ReadOutcome::Failed;
}

// ---- writes -------------------------------------------------------------

void Hid_Thread::hid_02H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3)
{
    issueWrite(CommandReport::withParams(0x02, byte1, byte2, byte3), nullptr);
}

void Hid_Thread::hid_04H_SetButtonSensitivity(uchar sens1)
{
    issueWrite(CommandReport::withParams(0x04, sens1), nullptr);
}

void Hid_Thread::hid_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction,
                                    uchar color, uchar bl0, uchar bl1)
{
    issueWrite(CommandReport::withPayload(0x08, {type, brightness, speed, direction, color, bl0, bl1}),
               nullptr);
}

void Hid_Thread::hid_09H_StopMacroSending()
{
    issueWrite(CommandReport::withParams(0x09, 0xAA, 0xCC, 0xEE), nullptr);
}

void Hid_Thread::hid_0CH_SetKeyMatrix_1(uchar *src128)
{
    issueWrite(plain(0x0C), src128);
}

void Hid_Thread::hid_0DH_SetKeyMatrix_2(uchar *src128)
{
    issueWrite(plain(0x0D), src128);
}

void Hid_Thread::hid_0FH_SetISPBootLoader()
{
    issueWrite(CommandReport::withPayload(0x0F, {0xAA, 0x55, 0xCC, 0x33, 0xBB, 0x99, 0xEE}), nullptr);
}

void Hid_Thread::hid_10H_SetMacroKey(uchar macroId, uchar *src128)
{
    issueWrite(CommandReport::withParams(0x10, 0x00, macroId), src128);
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar colorIndex, uchar *src128)
{
    issueWrite(CommandReport::withParams(0x12, 0x00, index, colorIndex), src128);
}

void Hid_Thread::hid_13H_SetRecoveryData()
{
    issueWrite(CommandReport::withParams(0x13, 0xFF, 0x1F), nullptr);
}

void Hid_Thread::hid_21H_SetCurrentProfile(uchar profileId)
{
    issueWrite(CommandReport::withParams(0x21, profileId), nullptr);
}

void Hid_Thread::hid_30H_SetSevenColor(uchar *src64)
{
    issueWrite(plain(0x30), src64);
}

void Hid_Thread::hid_1CH_SetKeyMatrix_1(uchar *src128)
{
    issueWrite(plain(0x1C), src128);
}

void Hid_Thread::hid_1DH_SetKeyMatrix_2(uchar *src128)
{
    issueWrite(plain(0x1D), src128);
}

// ---- reads ----------------------------------------------------------------

void Hid_Thread::hid_80H_GetFWVersion(ushort &version, uchar &mode_UsUk)
{
    if (issueRead(plain(0x80), plain(0x80), nullptr) != ReadOutcome::Done)
        return;  // unlike the other reads, a failure leaves both outputs alone
    version = static_cast<ushort>(answerReport[2] * 256 + answerReport[3]);
    mode_UsUk = static_cast<uchar>((answerReport[4] >> 1) & 3);
}

void Hid_Thread::hid_82H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3)
{
    if (issueRead(plain(0x82), CommandReport::withParams(0x82, byte1, byte2, byte3), nullptr)
        == ReadOutcome::NoLink)
        return;
    byte1 = answerReport[2];
    byte2 = answerReport[3];
    byte3 = answerReport[4];
}

void Hid_Thread::hid_84H_GetButtonSensitivity(uchar &sens1)
{
    if (issueRead(plain(0x84), CommandReport::withParams(0x84, sens1), nullptr) == ReadOutcome::NoLink)
        return;
    sens1 = answerReport[2];
}

bool Hid_Thread::hid_88H_GetLEDType(uchar &type, uchar &brightness, uchar &speed, uchar &direction,
                                    uchar &color, uchar &bl0, uchar &bl1)
{
    const ReadOutcome r = issueRead(
        plain(0x88),
        CommandReport::withPayload(0x88, {type, brightness, speed, direction, color, bl0, bl1}),
        nullptr);
    if (r == ReadOutcome::NoLink)
        return false;
    uchar *const out[] = {&type, &brightness, &speed, &direction, &color, &bl0, &bl1};
    for (std::size_t k = 0; k < 7; ++k)
        *out[k] = answerReport[2 + k];
    return r == ReadOutcome::Done;
}

void Hid_Thread::hid_8CH_GetKeyMatrix_1(uchar *src128)
{
    issueRead(plain(0x8C), plain(0x8C), src128);
}

void Hid_Thread::hid_8DH_GetKeyMatrix_2(uchar *src128)
{
    issueRead(plain(0x8D), plain(0x8D), src128);
}

void Hid_Thread::hid_90H_GetMacroKey(uchar macroId, uchar *src128)
{
    const CommandReport report = CommandReport::withParams(0x90, 0x00, macroId);
    issueRead(report, report, src128);
}

void Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar colorIndex, uchar *src128)
{
    const CommandReport report = CommandReport::withParams(0x92, 0x00, index, colorIndex);
    issueRead(report, report, src128);
}

void Hid_Thread::hid_A1H_GetCurrentProfile(uchar &profileId)
{
    if (issueRead(plain(0xA1), plain(0xA1), nullptr) == ReadOutcome::NoLink)
        return;
    profileId = answerReport[2];
}

bool Hid_Thread::hid_B0H_GetSevenColor(uchar *src64)
{
    return issueRead(plain(0xB0), plain(0xB0), src64) == ReadOutcome::Done;
}
