#pragma once
#include <QObject>
#include <QUrl>

#include <array>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

// The scene's sounds: the background track (sound 0) and four effects
// (sounds 1 to 4), each on its own player with its own output, so a click can
// sound over the background and over another click. The background loops,
// and the end of sound 1 (the start-up sound) starts it.
//
// A missing or unplayable file, or a machine without a sound device, leaves
// the player silent; nothing waits for the sound system.
class SoundBoard : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSoundCount = 5;

    explicit SoundBoard(QObject *parent = nullptr);
    ~SoundBoard() override;

    void setEnabled(bool enabled) { audioEnabled = enabled; }
    bool isEnabled() const { return audioEnabled; }

    // Plays sound `index` (0 the background, 1..4 an effect) unless sounds are
    // switched off; any other index does nothing.
    void play(int index);
    // (Re)starts the background track from its beginning, switched off or not.
    void playBackground();
    // Stops every player and forgets its source; the background does not
    // restart by itself afterwards.
    void clearAll();

    // The file of sound `index`, relative to the executable's folder.
    static QString fileOf(int index);
    // What player `index` is set to play, empty when cleared or never used.
    QUrl sourceOf(int index) const;
    bool isPlaying(int index) const;

signals:
    // After a player has played its source to the end; for diagnostics.
    void finished(int index);

private:
    void playerFinished(int index);
    QMediaPlayer *player(int index);
    void clear(int index);
    static bool isPlayable(int index);
    static QUrl urlOf(int index);

    bool audioEnabled = true;
    struct Channel
    {
        QMediaPlayer *media = nullptr;
        QAudioOutput *output = nullptr;
    };
    std::array<Channel, kSoundCount> channels{};
};
