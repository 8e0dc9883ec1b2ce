#pragma once
#include "device/catalog.h"
#include "device/device_entry.h"
#include "device/reports.h"

#include <QFuture>
#include <QList>
#include <QMutex>
#include <QThread>
#include <QVariantList>

#include <array>
#include <atomic>

struct hid_device_;
typedef struct hid_device_ hid_device;

class ListenerHost;

// The single owner of the link to the keyboard: the device list built by
// discovery, the HID handles, the report buffers, the link flag, the command
// slots and the event listener.
//
// It is never started as a thread. Its slots run on the caller's thread (the
// GUI thread); a write hands its transfer to the global thread pool and
// returns, a read carries the whole exchange out before returning. The event
// listener occupies one pool thread while it runs.
//
// Commands are serialised by the link flag alone: a slot takes it on the GUI
// thread, a read gives it back when it returns, a write gives it back on the
// pool thread when its transfer ends.
class Hid_Thread : public QThread
{
    Q_OBJECT

public:
    Hid_Thread();
    ~Hid_Thread() override;

    Hid_Thread(const Hid_Thread &) = delete;
    Hid_Thread &operator=(const Hid_Thread &) = delete;

    // The view side of the listener; set right after construction.
    void setOwner(ListenerHost *host) { owner = host; }

    // Replaces the device list from the catalogue; only the first entry is
    // looked for among the attached interfaces.
    void updateDevices(const QList<CatalogEntry> &catalog);
    QList<DeviceEntry> deviceList() const;
    int currentDeviceIndex() const { return currentDevice.load(); }
    bool isListening() const { return listening.load(); }
    // Blocks until the last write handed to the pool has ended.
    void waitForWrites() { writeFuture.waitForFinished(); }

    // Transport (the link, the command interface, the two transfer routines).
    bool acquireLink();
    hid_device *openCommandInterface(int index);
    bool sendCommand(int n);
    bool queryCommand(int n);

    // Event listener.
    hid_device *openEventInterface(int index);
    void startListening(uint did);
    void stopListening();
    void listenEvents(uint did);

public slots:
    void swichCurDevice(uint did);
    void hid_02H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3);
    void hid_04H_SetButtonSensitivity(uchar sens1);
    void hid_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction,
                            uchar color, uchar bl0, uchar bl1);
    void hid_09H_StopMacroSending();
    void hid_0CH_SetKeyMatrix_1(uchar *src128);
    void hid_0DH_SetKeyMatrix_2(uchar *src128);
    void hid_0FH_SetISPBootLoader();
    void hid_10H_SetMacroKey(uchar macroId, uchar *src128);
    void hid_12H_SetUserPicture(uchar index, uchar colorIndex, uchar *src128);
    void hid_13H_SetRecoveryData();
    void hid_21H_SetCurrentProfile(uchar profileId);
    void hid_30H_SetSevenColor(uchar *src64);
    void hid_80H_GetFWVersion(ushort &version, uchar &mode_UsUk);
    void hid_82H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3);
    void hid_84H_GetButtonSensitivity(uchar &sens1);
    bool hid_88H_GetLEDType(uchar &type, uchar &brightness, uchar &speed, uchar &direction,
                            uchar &color, uchar &bl0, uchar &bl1);
    void hid_8CH_GetKeyMatrix_1(uchar *src128);
    void hid_8DH_GetKeyMatrix_2(uchar *src128);
    void hid_90H_GetMacroKey(uchar macroId, uchar *src128);
    void hid_92H_GetUserPicture(uchar index, uchar colorIndex, uchar *src128);
    void hid_A1H_GetCurrentProfile(uchar &profileId);
    bool hid_B0H_GetSevenColor(uchar *src64);
    void hid_1CH_SetKeyMatrix_1(uchar *src128);
    void hid_1DH_SetKeyMatrix_2(uchar *src128);

private:
    enum class ReadOutcome { NoLink, Failed, Done };

    // The common shape of every command slot.
    void issueWrite(const CommandReport &report, const uchar *block);
    ReadOutcome issueRead(const CommandReport &report, const CommandReport &prefill, uchar *block);

    // Looks up a path of device entry `index` under the list lock; `generation`
    // tells later whether the list was replaced in between.
    struct PathLookup
    {
        QByteArray path;
        quint32 reportLength = 0;
        quint64 generation = 0;
    };
    enum class Interface { Command, Event };
    bool lookupPath(int index, Interface which, PathLookup &out) const;
    void forgetPath(int index, Interface which, quint64 generation);
    void closeCommandInterface();
    bool beginTransfer(int index, int n, quint32 &reportLength);
    bool finishTransfer(bool result);
    bool releaseLink(bool result);
    void deliverLighting(const QVariantList &ledType);

    ListenerHost *owner = nullptr;
    QList<DeviceEntry> devices;
    mutable QMutex devicesLock;   // every read and change of `devices`
    quint64 devicesGeneration = 0;
    std::atomic<int> currentDevice{0};
    hid_device *commandHandle = nullptr;
    hid_device *eventHandle = nullptr;
    std::atomic<bool> linkFree{true};
    std::atomic<bool> listening{false};
    QFuture<void> listenerFuture;
    QFuture<void> writeFuture;    // the last write on the pool; awaited only at destruction
    CommandReport commandReport;
    CommandReport answerReport;
    std::array<uchar, kMaxDataPhase> dataBuffer{};
};
