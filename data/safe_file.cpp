#include "data/safe_file.h"

#include "data/log.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace SafeFile {

namespace {

constexpr qint64 kCopyChunkBytes = 64 * 1024;

// QSettings keeps the parsed contents of every file it has opened and reuses
// them while the file's size and modification time (in milliseconds) are
// unchanged. A replacement of the same size written within the same
// millisecond as the old file would therefore be read as the old contents;
// moving the new file's time on by a millisecond rules that out.
void makeChangeVisible(const QString &destination, bool existed, qint64 oldSize,
                       const QDateTime &oldModified)
{
    if (!existed)
        return;
    const QFileInfo now(destination);
    if (now.size() != oldSize || now.lastModified() != oldModified)
        return;
    QFile file(destination);
    if (file.open(QIODevice::ReadWrite)) {
        file.setFileTime(oldModified.addMSecs(1), QFileDevice::FileModificationTime);
        file.close();
    }
}

} // namespace

bool isReadableFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes)
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

bool replaceWithCopy(const QString &source, const QString &destination, qint64 maxBytes)
{
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isFile() || sourceInfo.size() > maxBytes) {
        qCWarning(lcData) << "not copied, source is not a usable file:" << source;
        return false;
    }
    const QFileInfo destInfo(destination);
    if (destInfo.exists() && !destInfo.isFile()) {
        qCWarning(lcData) << "not copied, destination is not a file:" << destination;
        return false;
    }
    const bool existed = destInfo.exists();
    const qint64 oldSize = existed ? destInfo.size() : -1;
    const QDateTime oldModified = existed ? destInfo.lastModified() : QDateTime();

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qCWarning(lcData) << "not copied, cannot read" << source << in.errorString();
        return false;
    }
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly)) {
        qCWarning(lcData) << "not copied, cannot write" << destination << out.errorString();
        return false;
    }
    qint64 copied = 0;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kCopyChunkBytes);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            break;
        copied += chunk.size();
        if (copied > maxBytes || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            break;
        }
    }
    if (in.error() != QFileDevice::NoError)
        out.cancelWriting();
    if (!out.commit()) {
        qCWarning(lcData) << "not copied to" << destination << out.errorString();
        return false;
    }
    makeChangeVisible(destination, existed, oldSize, oldModified);
    return true;
}

} // namespace SafeFile
