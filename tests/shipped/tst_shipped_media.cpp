// The shipped sounds, read as data: the clicks and the start-up chime are
// plain 16-bit PCM WAV files (the form every sound backend plays, including
// the cheap sound-effect player), short, audible and free of pops; the
// background loop is an MPEG-1 layer III file.

#include "shipped_tree.h"

#include <QtEndian>
#include <QtTest>

#include <cstdlib>

using namespace shipped;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Wav {
    bool valid = false;
    QString problem;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    QList<qint16> samples;  // all channels, interleaved
    double seconds() const { return channels && rate ? double(samples.size()) / channels / rate : 0; }
};

// Reads the RIFF chunks without trusting any size beyond the end of the file.
Wav parseWav(const QByteArray& bytes)
{
    Wav w;
    auto fail = [&w](const char* why) {
        w.problem = QString::fromLatin1(why);
        return w;
    };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return fail("not a RIFF WAVE file");
    const uchar* data = reinterpret_cast<const uchar*>(bytes.constData());
    qsizetype pos = 12;
    bool haveFormat = false;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(data + pos + 4);
        const qsizetype body = pos + 8;
        if (size > quint32(bytes.size() - body))
            return fail("a chunk runs past the end of the file");
        if (id == "fmt ") {
            if (size < 16)
                return fail("short format chunk");
            w.format = qFromLittleEndian<quint16>(data + body);
            w.channels = qFromLittleEndian<quint16>(data + body + 2);
            w.rate = int(qFromLittleEndian<quint32>(data + body + 4));
            w.bits = qFromLittleEndian<quint16>(data + body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return fail("data before format");
            if (w.bits != 16)
                return fail("not 16-bit");
            for (quint32 i = 0; i + 1 < size; i += 2)
                w.samples << qFromLittleEndian<qint16>(data + body + i);
            w.valid = true;
            return w;
        }
        pos = body + size + (size & 1);
    }
    return fail("no data chunk");
}

}  // namespace

class TestShippedMedia : public QObject {
    Q_OBJECT

private slots:
    void wavSoundsPlayEverywhere_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("minSeconds");
        QTest::addColumn<double>("maxSeconds");
        QTest::newRow("start-up") << "01.wav" << 0.5 << 3.0;
        QTest::newRow("page click") << "02.wav" << 0.01 << 0.2;
        QTest::newRow("link click") << "03.wav" << 0.01 << 0.2;
        QTest::newRow("button tick") << "04.wav" << 0.01 << 0.2;
    }
    void wavSoundsPlayEverywhere()
    {
        QFETCH(QString, file);
        QFETCH(double, minSeconds);
        QFETCH(double, maxSeconds);
        const QString path = runtimeFile(QStringLiteral("modules/media/") + file);
        const Wav wav = parseWav(readAll(path));
        QVERIFY2(wav.valid, qPrintable(path + QStringLiteral(": ") + wav.problem));
        QCOMPARE(wav.format, 1);  // PCM
        QVERIFY(wav.channels == 1 || wav.channels == 2);
        QVERIFY(wav.rate >= 22050 && wav.rate <= 48000);
        QVERIFY2(wav.seconds() >= minSeconds && wav.seconds() <= maxSeconds, qPrintable(QString::number(wav.seconds())));

        int peak = 0;
        for (qint16 s : wav.samples)
            peak = qMax(peak, std::abs(int(s)));
        QVERIFY2(peak > 3277, "quieter than -20 dBFS: hardly audible");  // 10 % of full scale
        QVERIFY2(peak < 32767, "clipped");
        // It starts and ends at rest, so starting or cutting it never pops.
        QVERIFY(std::abs(int(wav.samples.first())) < 330);
        QVERIFY(std::abs(int(wav.samples.last())) < 330);
    }

    void backgroundLoopIsAnMp3()
    {
        const QString path = runtimeFile(QStringLiteral("modules/media/00.mp3"));
        QByteArray bytes = readAll(path);
        QVERIFY2(bytes.size() > 64 * 1024, "too short for a background loop");
        QVERIFY2(bytes.size() < 4 * 1024 * 1024, "too large to load at start-up");
        if (bytes.startsWith("ID3") && bytes.size() > 10) {
            // Skip the tag: its size is four 7-bit bytes.
            const auto b = [&bytes](int i) { return int(uchar(bytes[i])) & 0x7F; };
            bytes = bytes.mid(10 + ((b(6) << 21) | (b(7) << 14) | (b(8) << 7) | b(9)));
        }
        QVERIFY(bytes.size() >= 4);
        const quint32 header = qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(bytes.constData()));
        QCOMPARE(header >> 21, 0x7FFu);           // frame sync
        QCOMPARE((header >> 19) & 3, 3u);         // MPEG-1
        QCOMPARE((header >> 17) & 3, 1u);         // layer III
        QVERIFY(((header >> 12) & 0xF) != 0xF);   // a valid bit rate
        QVERIFY(((header >> 10) & 3) != 3);       // a valid sample rate
    }
};

QTEST_GUILESS_MAIN(TestShippedMedia)
#include "tst_shipped_media.moc"
