#include "data/macro_encoder.h"

#include <algorithm>

namespace MacroEncoder {

namespace {

void appendKey(QList<uchar> &out, uchar type, const QString &name, const KeyNameTable &keyNames)
{
    const auto it = keyNames.constFind(name);
    if (it == keyNames.constEnd() || it.value() == 0)
        return;
    out.append(type);
    out.append(it.value());
}

void appendDelay(QList<uchar> &out, const QString &body)
{
    bool ok = false;
    const qlonglong ms = body.trimmed().toLongLong(&ok, 10);
    if (!ok || ms <= 0)
        return;
    const int count = static_cast<int>(std::min<qlonglong>(ms / kDelayStepMs, kMaxDelayCount));
    out.append(kDelayType);
    out.append(kDelayPad);
    out.append(static_cast<uchar>((count >> 8) & 0xFF));
    out.append(static_cast<uchar>(count & 0xFF));
}

} // namespace

QList<uchar> macroIncode(const QStringList &lines, const KeyNameTable &keyNames)
{
    QList<uchar> out;
    out.reserve(4 + lines.size() * 4);
    out.append(kStartType);
    out.append(kStartValue);
    for (const QString &line : lines) {
        const QString tag = line.right(kTagLength);
        const QString body = line.left(line.size() - tag.size());
        if (tag == kTagDown)
            appendKey(out, kPressType, body, keyNames);
        else if (tag == kTagUp)
            appendKey(out, kReleaseType, body, keyNames);
        else if (tag == kTagDelay)
            appendDelay(out, body);
    }
    out.append(kEndType);
    out.append(kEndValue);
    return out;
}

bool isTooLong(const QList<uchar> &deviceForm)
{
    return deviceForm.size() > kBlockSize;
}

MacroBlock macroBlock(const QList<uchar> &deviceForm)
{
    MacroBlock block{};
    const int n = static_cast<int>(std::min<qsizetype>(deviceForm.size(), kBlockSize));
    for (int i = 0; i < n; ++i) {
        const int partner = (i % 2 == 0) ? i + 1 : i - 1;
        if (partner < deviceForm.size())
            block[static_cast<size_t>(i)] = deviceForm.at(partner);
    }
    return block;
}

} // namespace MacroEncoder
