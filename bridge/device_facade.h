#pragma once
#include <QMap>
#include <QString>
#include <QVariant>
#include <QVariantList>

class Hid_Thread;
class ProfileSource;
class QSettings;

// The device operations the scene calls: each turns the scene's numbers into
// the bytes of one worker command and mirrors what it set into the current
// profile's store, so the pages can show the stored state without asking the
// keyboard again.
//
// The current profile is the keyboard's profile number. When it names no
// store, profile reads answer as for an absent key and profile writes are
// skipped; the device command is sent either way.
class DeviceFacade
{
public:
    explicit DeviceFacade(const ProfileSource &profiles);

    void setWorker(Hid_Thread *w) { worker = w; }
    Hid_Thread *deviceWorker() const { return worker; }

    quint8 currentProfile() const { return profile; }
    quint8 layoutType() const { return kbLayoutType; }
    void setLayoutType(quint8 layout) { kbLayoutType = layout; }
    // The store of the current profile, or null.
    QSettings *currentStore() const;

    // Key name to key code, as the last syncFW built it.
    const QMap<QString, quint8> &keyNames() const { return keyNameCodes; }
    void setKeyNames(QMap<QString, quint8> table) { keyNameCodes = std::move(table); }

    // Reads the firmware version (discarded) and the active profile; the
    // layout index returns to 0. The caller rebuilds the key-name table.
    void syncFirmware();
    void syncLed();

    void setReportRate(uchar rate);
    void setKeyboardMode(uchar mode);
    void setButtonSensitivity(uchar sens1);
    void setLedType(uchar type, uchar brightness, uchar speed, uchar direction, uchar color,
                    uchar bl0, uchar bl1);
    void setUserPicture(uchar index, uchar option, const QVariantList &src512);
    void setRecoveryData();
    void setCurrentProfile(int profileNumber);
    void setColor(const QVariantList &src21);

    QString firmwareVersion() const;
    QVariant hardwareMode() const { return int(kbLayoutType); }
    QVariant reportRate() const { return 0; }
    QVariant keyboardMode() const;
    QVariant buttonSensitivity() const;
    QVariantList ledType() const;
    QVariantList keyMatrix() const;
    QVariantList userPicture(uchar index) const;
    QVariant currentProfileNumber() const { return int(profile); }
    QVariantList color() const;

    // Reads a list from the current store; an absent key or a missing store
    // gives an empty list.
    QVariantList storedList(const QString &key) const;
    // Writes to the current store, unless the current profile has none.
    void store(const QString &key, const QVariant &value) const;

    // Colours go to the keyboard as 0..63: the value divided by 4, truncated
    // toward zero, low 8 bits kept.
    static quint8 scaleColour(const QVariant &entry);

private:
    const ProfileSource &profiles;
    Hid_Thread *worker = nullptr;
    quint8 profile = 0;
    quint8 kbLayoutType = 0;
    QMap<QString, quint8> keyNameCodes;
};
