#include "bridge/key_matrix.h"

#include "bridge/combo_key_table.h"
#include "bridge/device_facade.h"
#include "device/hid_thread.h"

#include <QSettings>

#include <array>

KeyMatrix::KeyMatrix(DeviceFacade &f) : facade(f)
{
}

QString KeyMatrix::keyDefineKey(const QString &position) const
{
    return QStringLiteral("keydefine%1/%2").arg(facade.layoutType()).arg(position);
}

QString KeyMatrix::comboKeyKey(int position)
{
    return QStringLiteral("combokey/%1").arg(position);
}

QVariantList KeyMatrix::keyDefine(const QVariant &matrixId) const
{
    return facade.storedList(keyDefineKey(matrixId.toString()));
}

void KeyMatrix::setKeyMatrix(const QVariantList &src256)
{
    std::array<uchar, 2 * kPositions> buffer{};
    for (int m = 0; m < kPositions; ++m) {
        // A short list counts its missing items as 0.
        const QVariant low = src256.value(2 * m, 0);
        const QVariant high = src256.value(2 * m + 1, 0);
        facade.store(keyDefineKey(QString::number(m)), QVariantList{low, high});
        buffer[2 * m] = static_cast<uchar>(low.toInt());
        buffer[2 * m + 1] = static_cast<uchar>(high.toInt());
    }
    if (Hid_Thread *worker = facade.deviceWorker()) {
        worker->hid_0CH_SetKeyMatrix_1(buffer.data());
        worker->hid_0DH_SetKeyMatrix_2(buffer.data() + kPositions);
    }
}

void KeyMatrix::setComboKey(uchar keyID, uchar code0, uchar code1, bool isSave)
{
    ComboKeyTable &table = ComboKeyTable::instance();
    if (!isSave) {
        table.set(keyID, code0, code1);
        return;
    }
    // The whole table, whatever the other arguments say.
    const ComboKeyTable::Bytes bytes = table.data();
    for (int k = 0; k < kPositions; ++k)
        facade.store(comboKeyKey(k), QVariantList{int(bytes[2 * k]), int(bytes[2 * k + 1])});
    if (Hid_Thread *worker = facade.deviceWorker()) {
        ComboKeyTable::Bytes sent = bytes;
        worker->hid_1CH_SetKeyMatrix_1(sent.data());
        worker->hid_1DH_SetKeyMatrix_2(sent.data() + kPositions);
    }
}

void KeyMatrix::loadComboKeys(bool isRecovery)
{
    ComboKeyTable &table = ComboKeyTable::instance();
    if (isRecovery) {
        table.clear();
        return;
    }
    for (int k = 0; k < kPositions; ++k) {
        const QVariantList pair = facade.storedList(comboKeyKey(k));
        table.set(k, static_cast<uchar>(pair.value(0).toInt()),
                  static_cast<uchar>(pair.value(1).toInt()));
    }
}

QVariant KeyMatrix::comboKeyOf(uchar currentKey) const
{
    return ComboKeyTable::instance().get(currentKey);
}
