#pragma once
#include <QVariant>
#include <QVariantList>

class DeviceFacade;

// The key assignments of the active profile and its combination keys. A
// matrix of 128 positions is 256 bytes (low byte, high byte per position) and
// travels to the keyboard in two 128-byte halves, the profile keys always
// written before the first half is sent.
class KeyMatrix
{
public:
    static constexpr int kPositions = 128;

    explicit KeyMatrix(DeviceFacade &facade);

    QVariantList keyDefine(const QVariant &matrixId) const;
    void setKeyMatrix(const QVariantList &src256);
    void setComboKey(uchar keyID, uchar code0, uchar code1, bool isSave);
    void loadComboKeys(bool isRecovery);
    QVariant comboKeyOf(uchar currentKey) const;

    // The profile key of matrix position `position` in the current layout.
    QString keyDefineKey(const QString &position) const;
    static QString comboKeyKey(int position);

private:
    DeviceFacade &facade;
};
