#include "tools/skinpainter/cap_sizes.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace {
// A definition file is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxDefinitionBytes = 1 << 20;
} // namespace

CapSizes readCapSizes(const QString &hwDefPath)
{
    CapSizes result;
    QFile file(hwDefPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        result.error = QStringLiteral("cannot read %1").arg(hwDefPath);
        return result;
    }
    if (file.size() > kMaxDefinitionBytes) {
        result.error = QStringLiteral("%1 is too large to be a hardware definition").arg(hwDefPath);
        return result;
    }

    static const QRegularExpression documented(
        QStringLiteral("^;\\s*type\\s+(\\d+)\\s*:\\s*(\\d+)\\s*x\\s*(\\d+)\\s*px"));
    static const QRegularExpression keyEntry(QStringLiteral("^\\d+\\s*="));

    QMap<int, QSize> known;
    QSet<int> used;
    QString group;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        const QRegularExpressionMatch doc = documented.match(line);
        if (doc.hasMatch()) {
            const QSize size(doc.captured(2).toInt(), doc.captured(3).toInt());
            if (size.width() > 0 && size.height() > 0 && size.width() <= 1000 && size.height() <= 600)
                known.insert(doc.captured(1).toInt(), size);
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            group = line;
            continue;
        }
        if (group != QLatin1String("[0]") || !keyEntry.match(line).hasMatch())
            continue;
        const QStringList fields = line.mid(line.indexOf(QLatin1Char('=')) + 1).split(QLatin1Char(','));
        if (fields.size() < 3)
            continue;
        bool ok = false;
        const int type = fields.at(2).trimmed().toInt(&ok);
        if (ok && type > 0)
            used.insert(type);
    }

    QStringList missing;
    for (const int type : used) {
        if (known.contains(type))
            result.sizes.insert(type, known.value(type));
        else
            missing << QString::number(type);
    }
    if (used.isEmpty())
        result.error = QStringLiteral("%1 lists no keys").arg(hwDefPath);
    else if (!missing.isEmpty())
        result.error = QStringLiteral("%1 documents no cap size for key type(s) %2")
                           .arg(hwDefPath, missing.join(QStringLiteral(", ")));
    return result;
}
