#pragma once

#include "Cue.h"

#include <QObject>
#include <QTemporaryDir>
#include <array>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;
class QSoundEffect;

// The game's sounds, made here at start-up (tones, noise bursts and envelopes; no sound
// files), and played on cues. Without an audio device, or on the offscreen platform, it
// stays silent and quiet: no effect is made, so nothing warns or waits.
class SoundBoard : public QObject {
    Q_OBJECT
public:
    static constexpr int Pans = 5; // crash sounds from left to right
    static constexpr int DefaultVolume = 80;

    // The benchmark plays on the offscreen platform too, where a device exists.
    explicit SoundBoard(QObject* parent = nullptr, bool evenOffscreen = false);
    ~SoundBoard() override;

    void Play(Cue c, double pan);
    bool HasOutput() const { return output_; }
    // Cues that got past the mute switch, heard or not.
    int Played() const { return played_; }

    int Volume() const { return volume_; }
    void SetVolume(int percent);
    // The chat's cue, as a share of the volume; 0 is off.
    int ChatVolume() const { return chatVolume_; }
    void SetChatVolume(int percent);
    static constexpr int DefaultChatVolume = 60;
    bool Muted() const { return muted_; }
    void SetMuted(bool on);
    // Sound: Mute and Volume, for a menu bar.
    QMenu* Menu() const { return menu_; }

    // A cue's sound as a 16-bit stereo WAV file, pan from -1 (left) to 1 (right).
    static QByteArray Wave(Cue c, double pan);

signals:
    // The player changed the volume or the mute switch.
    void settingsChanged();

private:
    void BuildMenu();
    void ShowSettings();

    bool output_ = false;
    std::unique_ptr<QTemporaryDir> dir_;
    std::array<QSoundEffect*, CueCount + Pans - 1> effects_{};
    int volume_ = DefaultVolume;
    bool muted_ = false;
    int played_ = 0;
    QMenu* menu_ = nullptr;
    QAction* mute_ = nullptr;
    QActionGroup* volumes_ = nullptr;
    QActionGroup* chatVolumes_ = nullptr;
    int chatVolume_ = DefaultChatVolume;
};
