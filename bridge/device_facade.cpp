#include "bridge/device_facade.h"

#include "bridge/profile_source.h"
#include "device/hid_thread.h"

#include <QSettings>

#include <array>

namespace {

const QString kLedTypeKey = QStringLiteral("color/ledType");
const QString kColorKey = QStringLiteral("color/color");
const QString kReportRateKey = QStringLiteral("sensor/reportRate_T8");
const QString kUserPictureGroup = QStringLiteral("userPicture/");

// Only the second catalogue model stores a report rate.
constexpr int kReportRateDevice = 1;

constexpr int kPaletteEntries = 21;     // seven colours, R G B each
constexpr int kPaletteBuffer = 64;
constexpr int kMatrixPositions = 128;
constexpr int kPictureEntries = 4 * kMatrixPositions;  // mode, R, G, B per key
constexpr uchar kSaveWithoutSending = 255;

QVariantList zeros(int count)
{
    return QVariantList(count, QVariant(0));
}

} // namespace

DeviceFacade::DeviceFacade(const ProfileSource &source) : profiles(source)
{
}

QSettings *DeviceFacade::currentStore() const
{
    return profiles.profileStore(profile);
}

QVariantList DeviceFacade::storedList(const QString &key) const
{
    QSettings *s = currentStore();
    if (!s)
        return {};
    const QVariant value = s->value(key);
    // A list written by this run, or a list of texts read from the file.
    if (value.metaType() == QMetaType::fromType<QVariantList>()
        || value.metaType() == QMetaType::fromType<QStringList>())
        return value.toList();
    // A one-item list in the file reads back as its lone item; a text must
    // not turn into a list of its characters.
    if (value.isValid() && !value.toString().isEmpty())
        return {value};
    return {};
}

void DeviceFacade::store(const QString &key, const QVariant &value) const
{
    if (QSettings *s = currentStore())
        s->setValue(key, value);
}

quint8 DeviceFacade::scaleColour(const QVariant &entry)
{
    return static_cast<quint8>(entry.toInt() / 4);
}

void DeviceFacade::syncFirmware()
{
    ushort version = 0;
    uchar layout = 0;
    uchar active = 0;
    if (worker) {
        worker->hid_80H_GetFWVersion(version, layout);
        worker->hid_A1H_GetCurrentProfile(active);
    }
    // Whatever the keyboard reports: the shipped definitions describe layout 0.
    kbLayoutType = 0;
    profile = active;
}

void DeviceFacade::syncLed()
{
    std::array<uchar, 7> led{};
    if (!worker || !worker->hid_88H_GetLEDType(led[0], led[1], led[2], led[3], led[4], led[5], led[6]))
        return;
    QVariantList values;
    for (uchar v : led)
        values.append(int(v));
    store(kLedTypeKey, values);
}

void DeviceFacade::setReportRate(uchar rate)
{
    if (worker && worker->currentDeviceIndex() == kReportRateDevice)
        store(kReportRateKey, int(rate));
}

void DeviceFacade::setKeyboardMode(uchar mode)
{
    uchar byte1 = 0;
    uchar byte2 = 0;
    uchar byte3 = 0;
    if (!worker)
        return;
    worker->hid_82H_GetKeyboardoption(byte1, byte2, byte3);
    worker->hid_02H_SetKeyboardoption(mode, byte2, byte3);
}

void DeviceFacade::setButtonSensitivity(uchar sens1)
{
    if (worker)
        worker->hid_04H_SetButtonSensitivity(sens1);
}

void DeviceFacade::setLedType(uchar type, uchar brightness, uchar speed, uchar direction,
                              uchar color, uchar bl0, uchar bl1)
{
    // Stored first, so a failed command still leaves the user's choice.
    store(kLedTypeKey, QVariantList{int(type), int(brightness), int(speed), int(direction),
                                    int(color), int(bl0), int(bl1)});
    if (worker)
        worker->hid_08H_SetLEDType(type, brightness, speed, direction, color, bl0, bl1);
}

void DeviceFacade::setUserPicture(uchar index, uchar option, const QVariantList &src512)
{
    store(kUserPictureGroup + QString::number(index), src512);
    if (option == kSaveWithoutSending || !worker)
        return;
    // One plane per component: the mode bytes as they are, then red, green
    // and blue scaled to the keyboard's range. Missing entries count as 0.
    std::array<std::array<uchar, kMatrixPositions>, 4> planes{};
    for (int k = 0; k < kMatrixPositions; ++k) {
        planes[0][k] = static_cast<uchar>(src512.value(4 * k).toInt());
        for (int c = 1; c < 4; ++c)
            planes[c][k] = scaleColour(src512.value(4 * k + c));
    }
    for (uchar c = 0; c < 4; ++c)
        worker->hid_12H_SetUserPicture(index, c, planes[c].data());
}

void DeviceFacade::setRecoveryData()
{
    if (worker)
        worker->hid_13H_SetRecoveryData();
}

void DeviceFacade::setCurrentProfile(int profileNumber)
{
    profile = static_cast<quint8>(profileNumber);
    if (worker)
        worker->hid_21H_SetCurrentProfile(profile);
}

void DeviceFacade::setColor(const QVariantList &src21)
{
    std::array<uchar, kPaletteBuffer> buffer{};
    for (int i = 0; i < kPaletteEntries; ++i)
        buffer[i] = scaleColour(src21.value(i));
    store(kColorKey, src21);
    if (worker)
        worker->hid_30H_SetSevenColor(buffer.data());
}

QString DeviceFacade::firmwareVersion() const
{
    ushort version = 0;
    uchar mode = 0;
    if (worker)
        worker->hid_80H_GetFWVersion(version, mode);
    if (version == 0)
        return QStringLiteral("unknown");
    return QStringLiteral("%1.%2")
        .arg(version >> 8, 2, 16, QLatin1Char('0'))
        .arg(version & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QVariant DeviceFacade::keyboardMode() const
{
    uchar byte1 = 0;
    uchar byte2 = 0;
    uchar byte3 = 0;
    if (worker)
        worker->hid_82H_GetKeyboardoption(byte1, byte2, byte3);
    return int(byte1);
}

QVariant DeviceFacade::buttonSensitivity() const
{
    uchar sens1 = 0;
    if (worker)
        worker->hid_84H_GetButtonSensitivity(sens1);
    return int(sens1);
}

QVariantList DeviceFacade::ledType() const
{
    return storedList(kLedTypeKey);
}

QVariantList DeviceFacade::keyMatrix() const
{
    std::array<uchar, 2 * kMatrixPositions> buffer{};
    if (worker) {
        worker->hid_8CH_GetKeyMatrix_1(buffer.data());
        worker->hid_8DH_GetKeyMatrix_2(buffer.data() + kMatrixPositions);
    }
    QVariantList out;
    out.reserve(int(buffer.size()));
    for (uchar b : buffer)
        out.append(int(b));
    return out;
}

QVariantList DeviceFacade::userPicture(uchar index) const
{
    QVariantList picture = storedList(kUserPictureGroup + QString::number(index));
    if (picture.size() != kPictureEntries)
        return zeros(kPictureEntries);
    return picture;
}

QVariantList DeviceFacade::color() const
{
    return storedList(kColorKey);
}
