#pragma once
#include "data/data_paths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// A throw-away "modules" tree in a temporary folder, with helpers to put
// files into it exactly as written (so tests control every byte, including
// the escapes an older writer used).
class DataFixture
{
public:
    DataFixture()
        : paths_(dir_.path() + QStringLiteral("/modules"))
    {
        QDir().mkpath(paths_.settingDir());
        QDir().mkpath(paths_.macroDir());
        QDir().mkpath(paths_.i18nDir());
        QDir().mkpath(paths_.imgDir());
    }

    bool isValid() const { return dir_.isValid(); }
    const DataPaths &paths() const { return paths_; }
    QString root() const { return dir_.path(); }

    static bool write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        return f.write(bytes) == bytes.size();
    }

    // QSettings keeps what it parsed of a file for the rest of the process
    // and hands values back with the types they were set with. Moving the
    // file's time on makes the next store read the file as a new run would.
    static void readAsNewRun(const QString &path)
    {
        QFile f(path);
        if (f.open(QIODevice::ReadWrite))
            f.setFileTime(QFileInfo(path).lastModified().addSecs(2), QFileDevice::FileModificationTime);
    }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll();
    }

    // Bytes that are no INI file at all: NULs, brackets, equals signs, high bytes.
    static QByteArray binaryGarbage(int size = 4096)
    {
        QByteArray bytes(size, '\0');
        QRandomGenerator gen(1234);
        for (int i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(gen.bounded(256));
        bytes[0] = '\0';
        bytes[size / 2] = '[';
        return bytes;
    }

    // A syntactically valid INI file larger than the program's data file limit.
    static QByteArray hugeIni(const QByteArray &header, qint64 atLeast)
    {
        QByteArray bytes = header;
        const QByteArray filler = "filler0123456789=abcdefghijklmnopqrstuvwxyz0123456789\n";
        bytes.reserve(atLeast + filler.size() + header.size());
        bytes.append("[padding]\n");
        while (bytes.size() <= atLeast)
            bytes.append(filler);
        return bytes;
    }

    // Lays out at `path` an import source that must be refused, for the kinds
    // every import shares: "missing", "empty", "binary", "folder", "huge"
    // (`validStart` followed by padding past the size limit) and "no name".
    // Returns the path to hand to the import; other kinds are the caller's.
    static QString unusableImport(const QString &path, const QString &kind, const QByteArray &validStart)
    {
        if (kind == QLatin1String("empty"))
            write(path, "");
        else if (kind == QLatin1String("binary"))
            write(path, binaryGarbage());
        else if (kind == QLatin1String("folder"))
            QDir().mkpath(path);
        else if (kind == QLatin1String("huge"))
            write(path, hugeIni(validStart, 17 * 1024 * 1024));
        else if (kind == QLatin1String("no name"))
            return {};
        return path;
    }

private:
    QTemporaryDir dir_;
    DataPaths paths_;
};
