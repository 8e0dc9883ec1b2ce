#include "bridge/sound_board.h"

#include "bridge/log.h"

#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QMediaPlayer>

namespace {

const char *const kSoundFiles[SoundBoard::kSoundCount] = {
    "./modules/media/00.mp3", "./modules/media/01.wav", "./modules/media/02.wav",
    "./modules/media/03.wav", "./modules/media/04.wav",
};

constexpr int kBackground = 0;
constexpr int kStartupSound = 1;

} // namespace

SoundBoard::SoundBoard(QObject *parent) : QObject(parent)
{
}

SoundBoard::~SoundBoard() = default;

QString SoundBoard::fileOf(int index)
{
    if (index < 0 || index >= kSoundCount)
        return {};
    return QString::fromLatin1(kSoundFiles[index]);
}

QUrl SoundBoard::urlOf(int index)
{
    // The players need an absolute location; the relative name resolves
    // against the executable's folder, the current directory.
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(fileOf(index)));
}

bool SoundBoard::isPlayable(int index)
{
    const QFileInfo file(fileOf(index));
    return file.isFile() && file.isReadable();
}

QMediaPlayer *SoundBoard::player(int index)
{
    // Built on first use: the media framework takes a noticeable time to
    // start, which the window's first frame should not wait for, and a user
    // with sounds switched off never needs it.
    Channel &c = channels[index];
    if (c.media && c.media->error() != QMediaPlayer::NoError) {
        // A player whose source failed blocks for a second on every later
        // stop or change of source; a fresh one costs a few milliseconds.
        c.media->disconnect(this);
        c.media->deleteLater();
        c.output->deleteLater();
        c.media = nullptr;
        c.output = nullptr;
    }
    if (c.media)
        return c.media;
    c.media = new QMediaPlayer(this);
    c.output = new QAudioOutput(this);
    c.media->setAudioOutput(c.output);
    connect(c.media, &QMediaPlayer::mediaStatusChanged, this,
            [this, index](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia)
                    playerFinished(index);
            });
    connect(c.media, &QMediaPlayer::errorOccurred, this,
            [index](QMediaPlayer::Error, const QString &text) {
                qCDebug(lcBridge) << "sound" << index << "cannot play:" << text;
            });
    return c.media;
}

void SoundBoard::play(int index)
{
    if (!audioEnabled)
        return;
    if (index == kBackground) {
        playBackground();
        return;
    }
    if (index < 1 || index >= kSoundCount)
        return;
    clear(index);
    if (!isPlayable(index))
        return;  // a missing sound stays silent
    QMediaPlayer *p = player(index);
    p->setSource(urlOf(index));
    p->play();
}

void SoundBoard::clear(int index)
{
    Channel &c = channels[index];
    if (!c.media)
        return;
    if (c.media->error() != QMediaPlayer::NoError) {
        player(index);  // replaces the failed player by a fresh one
        return;
    }
    c.media->stop();
    c.media->setSource(QUrl());
}

void SoundBoard::playBackground()
{
    if (!isPlayable(kBackground)) {
        clear(kBackground);
        return;
    }
    QMediaPlayer *p = player(kBackground);
    const QUrl url = urlOf(kBackground);
    if (p->source() != url)
        p->setSource(url);
    else
        p->stop();  // back to the beginning
    p->play();
}

void SoundBoard::clearAll()
{
    for (int i = 0; i < kSoundCount; ++i)
        clear(i);
}

QUrl SoundBoard::sourceOf(int index) const
{
    if (index < 0 || index >= kSoundCount || !channels[index].media)
        return {};
    return channels[index].media->source();
}

bool SoundBoard::isPlaying(int index) const
{
    if (index < 0 || index >= kSoundCount || !channels[index].media)
        return false;
    return channels[index].media->playbackState() == QMediaPlayer::PlayingState;
}

void SoundBoard::playerFinished(int index)
{
    emit finished(index);
    if (index == kBackground || index == kStartupSound)
        playBackground();
}
