// The five sound players on a machine without a sound device: nothing hangs
// or crashes, missing files stay silent, the background loops, the end of the
// start-up sound starts it, and clearing stops everything for good.
#include "bridge/sound_board.h"
#include "bridge/my_qquick_view.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

// A short, quiet mono WAV file.
void writeWav(const QString &path, int milliseconds)
{
    const quint32 rate = 8000;
    const quint32 samples = rate * quint32(milliseconds) / 1000;
    QByteArray data(int(samples * 2), '\0');
    QByteArray header;
    const auto u32 = [&header](quint32 v) { header.append(reinterpret_cast<const char *>(&v), 4); };
    const auto u16 = [&header](quint16 v) { header.append(reinterpret_cast<const char *>(&v), 2); };
    header.append("RIFF");
    u32(36 + quint32(data.size()));
    header.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    header.append("data");
    u32(quint32(data.size()));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(header + data);
}

QUrl soundUrl(int index)
{
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(SoundBoard::fileOf(index)));
}

} // namespace

class TestSoundBoard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingFilesAreSilentAndQuick();
    void unknownIndexPlaysNothing();
    void switchedOffPlaysNoEffectButTheBackgroundSlot();
    void backgroundLoops();
    void endOfStartupSoundStartsTheBackground();
    void clearingStopsEverythingForGood();
    void repeatedClickRestarts();
    void brokenFileIsSilent();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString previous;
};

void TestSoundBoard::init()
{
    dir = std::make_unique<QTemporaryDir>();
    previous = QDir::currentPath();
    QDir::setCurrent(dir->path());
}

void TestSoundBoard::cleanup()
{
    QDir::setCurrent(previous);
    dir.reset();
}

void TestSoundBoard::missingFilesAreSilentAndQuick()
{
    SoundBoard board;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < SoundBoard::kSoundCount; ++i)
        board.play(i);
    board.playBackground();
    QTest::qWait(300);
    board.clearAll();
    QVERIFY2(timer.elapsed() < 3000, "playing missing files must not wait for the sound system");
    for (int i = 0; i < SoundBoard::kSoundCount; ++i)
        QVERIFY(!board.isPlaying(i));
}

void TestSoundBoard::unknownIndexPlaysNothing()
{
    writeWav(SoundBoard::fileOf(1), 100);
    SoundBoard board;
    board.play(7);
    board.play(-1);
    for (int i = 0; i < SoundBoard::kSoundCount; ++i)
        QVERIFY(board.sourceOf(i).isEmpty());
}

void TestSoundBoard::switchedOffPlaysNoEffectButTheBackgroundSlot()
{
    writeWav(QStringLiteral("modules/media/00.mp3"), 150);
    writeWav(SoundBoard::fileOf(2), 150);
    SoundBoard board;
    board.setEnabled(false);
    board.play(0);
    board.play(2);
    QVERIFY(board.sourceOf(0).isEmpty());
    QVERIFY(board.sourceOf(2).isEmpty());
    board.playBackground();
    QCOMPARE(board.sourceOf(0), soundUrl(0));
}

void TestSoundBoard::backgroundLoops()
{
    // The background slot plays whatever file is there; a short WAV under
    // the background's name stands in for the track.
    writeWav(QStringLiteral("modules/media/00.mp3"), 150);
    SoundBoard board;
    QSignalSpy finished(&board, &SoundBoard::finished);
    board.play(0);
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() >= 2, 10000);
    QCOMPARE(finished.at(0).at(0).toInt(), 0);
    QCOMPARE(finished.at(1).at(0).toInt(), 0);
    QCOMPARE(board.sourceOf(0), soundUrl(0));
    board.clearAll();
}

void TestSoundBoard::endOfStartupSoundStartsTheBackground()
{
    writeWav(SoundBoard::fileOf(1), 150);
    writeWav(QStringLiteral("modules/media/00.mp3"), 2000);
    SoundBoard board;
    QSignalSpy finished(&board, &SoundBoard::finished);
    board.play(1);
    QVERIFY(board.sourceOf(0).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 10000);
    QCOMPARE(finished.at(0).at(0).toInt(), 1);
    QCOMPARE(board.sourceOf(0), soundUrl(0));
    QTRY_VERIFY_WITH_TIMEOUT(board.isPlaying(0), 5000);
    board.clearAll();
}

void TestSoundBoard::clearingStopsEverythingForGood()
{
    writeWav(QStringLiteral("modules/media/00.mp3"), 400);
    writeWav(SoundBoard::fileOf(1), 400);
    writeWav(SoundBoard::fileOf(4), 400);
    SoundBoard board;
    QSignalSpy finished(&board, &SoundBoard::finished);
    board.play(0);
    board.play(1);
    board.play(4);
    QTRY_VERIFY_WITH_TIMEOUT(board.isPlaying(0) && board.isPlaying(4), 5000);
    board.clearAll();
    for (int i = 0; i < SoundBoard::kSoundCount; ++i) {
        QVERIFY(!board.isPlaying(i));
        QVERIFY(board.sourceOf(i).isEmpty());
    }
    QTest::qWait(1200);
    QVERIFY(finished.isEmpty());
    QVERIFY(board.sourceOf(0).isEmpty());
}

void TestSoundBoard::repeatedClickRestarts()
{
    writeWav(SoundBoard::fileOf(4), 600);
    SoundBoard board;
    QSignalSpy finished(&board, &SoundBoard::finished);
    board.play(4);
    QTest::qWait(400);
    board.play(4);
    // Restarted from its beginning: the end comes 600 ms after the second call.
    QTest::qWait(350);
    QVERIFY(finished.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 5000);
}

void TestSoundBoard::brokenFileIsSilent()
{
    QDir().mkpath(QStringLiteral("modules/media"));
    QFile f(SoundBoard::fileOf(2));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, '\x5A'));
    f.close();
    SoundBoard board;
    board.play(2);
    QTest::qWait(500);
    QElapsedTimer timer;
    timer.start();
    // Playing it again and clearing do not wait on the failed player.
    board.play(2);
    QTest::qWait(300);
    board.clearAll();
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(!board.isPlaying(2));
}

QTEST_MAIN(TestSoundBoard)
#include "tst_sound_board.moc"
