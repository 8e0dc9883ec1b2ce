#include "bridge/sound_board.h"

#include "bridge/log.h"

#include <QAudioOutput>
#include <QDir>
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
    for (int i = 0; i < kSoundCount; ++i) {
        Channel &c = channels[i];
        c.media = new QMediaPlayer(this);
        c.output = new QAudioOutput(this);
        c.media->setAudioOutput(c.output);
        connect(c.media, &QMediaPlayer::mediaStatusChanged, this,
                [this, i](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia)
                        playerFinished(i);
                });
        connect(c.media, &QMediaPlayer::errorOccurred, this,
                [i](QMediaPlayer::Error, const QString &text) {
                    qCDebug(lcBridge) << "sound" << i << "cannot play:" << text;
                });
    }
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

QMediaPlayer *SoundBoard::player(int index)
{
    return channels[index].media;
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
    QMediaPlayer *p = player(index);
    // Clearing first makes a repeated click start again from its beginning.
    p->stop();
    p->setSource(QUrl());
    p->setSource(urlOf(index));
    p->play();
}

void SoundBoard::playBackground()
{
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
    for (Channel &c : channels) {
        c.media->stop();
        c.media->setSource(QUrl());
    }
}

QUrl SoundBoard::sourceOf(int index) const
{
    if (index < 0 || index >= kSoundCount)
        return {};
    return channels[index].media->source();
}

bool SoundBoard::isPlaying(int index) const
{
    if (index < 0 || index >= kSoundCount)
        return false;
    return channels[index].media->playbackState() == QMediaPlayer::PlayingState;
}

void SoundBoard::playerFinished(int index)
{
    emit finished(index);
    if (index == kBackground || index == kStartupSound)
        playBackground();
}
