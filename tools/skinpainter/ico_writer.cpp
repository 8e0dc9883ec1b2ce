#include "tools/skinpainter/ico_writer.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace {

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// Width and height bytes of a directory entry: 0 stands for 256.
char sizeByte(int pixels)
{
    return char(pixels >= 256 ? 0 : pixels);
}

} // namespace

bool writeIco(const QString &path, const QList<QImage> &images)
{
    QList<QByteArray> pngs;
    for (const QImage &image : images) {
        if (image.isNull() || image.width() > 256 || image.height() > 256)
            return false;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"))
            return false;
        pngs << png;
    }

    // ICONDIR: reserved, type 1 (icon), entry count; then one 16-byte
    // ICONDIRENTRY per image; then the image data.
    constexpr quint32 kHeader = 6;
    constexpr quint32 kEntry = 16;
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, quint16(images.size()));
    quint32 offset = kHeader + kEntry * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        out.append(sizeByte(images.at(i).width()));
        out.append(sizeByte(images.at(i).height()));
        out.append(char(0));   // no palette
        out.append(char(0));   // reserved
        put16(out, 1);         // colour planes
        put16(out, 32);        // bits per pixel
        put32(out, quint32(pngs.at(i).size()));
        put32(out, offset);
        offset += quint32(pngs.at(i).size());
    }
    for (const QByteArray &png : pngs)
        out.append(png);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(out) == out.size() && file.flush();
}
