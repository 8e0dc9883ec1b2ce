#pragma once

// Where the shipped data lives in the build, and the layout of HWDef.bin read
// straight from the file with QSettings, independently of the program's own
// readers: these tests check the data, not the code that reads it.

#include <QList>
#include <QMap>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace shipped {

// The state in which the program is shipped (never written by the program).
inline QString shippedDir() { return QStringLiteral(ZR_SHIPPED_DIR); }
// The copy next to the executables, which the program uses and writes.
inline QString runtimeDir() { return QStringLiteral(ZR_RUNTIME_DIR); }
inline QString sourceDir() { return QStringLiteral(ZR_SOURCE_DIR); }

inline QString shippedFile(const QString& rel) { return shippedDir() + QLatin1Char('/') + rel; }
inline QString runtimeFile(const QString& rel) { return runtimeDir() + QLatin1Char('/') + rel; }

constexpr int kAreaWidth = 738;   // the colour page's keyboard picture
constexpr int kAreaHeight = 250;
constexpr int kMatrixSlots = 128;

// Cap image size of every key type, as the skins draw them.
struct CapSize {
    int width;
    int height;
};
inline const QMap<int, CapSize>& capSizes()
{
    static const QMap<int, CapSize> sizes{
        {1, {30, 30}}, {2, {38, 30}}, {3, {46, 30}}, {4, {54, 30}}, {5, {62, 30}},
        {6, {70, 30}}, {7, {86, 30}}, {8, {198, 30}}, {9, {30, 62}},
    };
    return sizes;
}

struct Key {
    int entry = 0;  // 1-based entry number in the file
    int x = 0;
    int y = 0;
    int type = 0;
    QString label;
    int matrix = -1;
    uint code = 0;
    int width() const { return capSizes().value(type).width; }
    int height() const { return capSizes().value(type).height; }
    double centreX() const { return x + width() / 2; }
    double centreY() const { return y + height() / 2; }
};

// Parses one decimal item; ok is cleared when the text is not a number.
inline int toInt(const QString& text, bool* ok)
{
    bool good = false;
    const int v = text.trimmed().toInt(&good, 10);
    if (!good)
        *ok = false;
    return v;
}

struct Layout {
    int totalHw = 0;
    int totalFw = 0;
    QList<Key> keys;
    QStringList problems;  // entries that are not six well-formed items

    const Key* atMatrix(int m) const
    {
        for (const Key& k : keys)
            if (k.matrix == m)
                return &k;
        return nullptr;
    }
};

inline Layout readLayout(const QString& path)
{
    Layout layout;
    QSettings hw(path, QSettings::IniFormat);
    layout.totalHw = hw.value(QStringLiteral("0/total_HW"), 0).toInt();
    layout.totalFw = hw.value(QStringLiteral("0/total_FW"), 0).toInt();
    for (int i = 1; i <= layout.totalHw; ++i) {
        const QVariant value = hw.value(QStringLiteral("0/%1").arg(i));
        const QStringList items = value.toStringList();
        if (value.typeId() != QMetaType::QStringList || items.size() != 6) {
            layout.problems << QStringLiteral("entry %1 has %2 items").arg(i).arg(items.size());
            continue;
        }
        bool ok = true;
        Key k;
        k.entry = i;
        k.x = toInt(items[0], &ok);
        k.y = toInt(items[1], &ok);
        k.type = toInt(items[2], &ok);
        k.label = items[3];
        k.matrix = toInt(items[4], &ok);
        bool codeOk = false;
        k.code = items[5].trimmed().toUInt(&codeOk, 10);
        ok = ok && codeOk;
        if (!ok || k.label.isEmpty())
            layout.problems << QStringLiteral("entry %1 is malformed: %2").arg(i).arg(items.join(QLatin1Char('|')));
        else
            layout.keys << k;
    }
    return layout;
}

inline int settingInt(const QString& path, const QString& key)
{
    return QSettings(path, QSettings::IniFormat).value(key, -1).toInt();
}

}  // namespace shipped
