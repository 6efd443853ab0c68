#include "SoundBoard.h"

#include "Wording.h"

#include <QActionGroup>
#include <QAudioDevice>
#include <QFile>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QMenu>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

// Mono samples in -1..1, built piece by piece.
struct Synth {
    std::vector<double> s;

    // A tone gliding from f0 to f1 Hz, with a quick attack and an exponential decay.
    void Tone(double f0, double f1, double seconds, double level, double decay = 6) {
        const int n = static_cast<int>(seconds * Rate);
        double phase = 0;
        for (int i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / n;
            phase += 2 * Pi * (f0 + (f1 - f0) * t) / Rate;
            const double env = std::min(1.0, i / (0.004 * Rate)) * std::exp(-decay * t);
            // A little third harmonic makes the beep less bare.
            s.push_back(level * env * (std::sin(phase) + 0.25 * std::sin(3 * phase)) / 1.25);
        }
    }
    // Noise through a one-pole low-pass, decaying: a thud with a rattle.
    void Noise(double seconds, double level, double smoothing, std::uint32_t seed) {
        const int n = static_cast<int>(seconds * Rate);
        double y = 0;
        for (int i = 0; i < n; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const double white = (seed >> 8) / double(1 << 24) * 2 - 1;
            y += (white - y) * smoothing;
            const double t = static_cast<double>(i) / n;
            s.push_back(level * y * std::exp(-5 * t) * std::min(1.0, i / (0.002 * Rate)));
        }
    }
    void Rest(double seconds) { s.insert(s.end(), static_cast<size_t>(seconds * Rate), 0.0); }
};

Synth Make(Cue c) {
    Synth x;
    switch (c) {
    case Cue::Count3:
    case Cue::Count2:
    case Cue::Count1: x.Tone(660, 660, 0.12, 0.5); break;
    case Cue::Go: x.Tone(990, 990, 0.28, 0.55, 4); break;
    case Cue::Crash:
        x.Noise(0.35, 0.9, 0.25, 12345);
        break;
    case Cue::RoundWon:
        for (double f : {523.3, 659.3, 784.0}) x.Tone(f, f, 0.09, 0.45, 3);
        x.Tone(1046.5, 1046.5, 0.2, 0.45, 5);
        break;
    case Cue::RoundLost:
        for (double f : {392.0, 329.6}) x.Tone(f, f, 0.11, 0.5, 3);
        x.Tone(261.6, 240, 0.25, 0.5, 4);
        break;
    case Cue::MatchWon:
        for (double f : {523.3, 659.3, 784.0, 1046.5}) x.Tone(f, f, 0.12, 0.45, 2);
        x.Rest(0.05);
        x.Tone(1046.5, 1046.5, 0.5, 0.5, 3);
        break;
    case Cue::TurboOn: x.Tone(220, 880, 0.16, 0.45, 1); break;
    case Cue::TurboOff: x.Tone(880, 220, 0.16, 0.45, 1); break;
    case Cue::Chat:
        x.Tone(1318.5, 1318.5, 0.05, 0.3, 2);
        x.Tone(1760, 1760, 0.08, 0.3, 3);
        break;
    }
    return x;
}

void Put16(QByteArray& b, int v) {
    const quint16 le = qToLittleEndian<quint16>(static_cast<quint16>(v));
    b.append(reinterpret_cast<const char*>(&le), 2);
}
void Put32(QByteArray& b, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    b.append(reinterpret_cast<const char*>(&le), 4);
}
} // namespace

QByteArray SoundBoard::Wave(Cue c, double pan) {
    const Synth x = Make(c);
    pan = std::clamp(pan, -1.0, 1.0);
    // Constant power: as loud in the middle as at either side.
    const double left = std::cos((pan + 1) * Pi / 4), right = std::sin((pan + 1) * Pi / 4);
    const quint32 data = static_cast<quint32>(x.s.size() * 4);
    QByteArray b;
    b.reserve(static_cast<qsizetype>(44 + data));
    b.append("RIFF");
    Put32(b, 36 + data);
    b.append("WAVEfmt ");
    Put32(b, 16);
    Put16(b, 1); // PCM
    Put16(b, 2);
    Put32(b, Rate);
    Put32(b, Rate * 4);
    Put16(b, 4);
    Put16(b, 16);
    b.append("data");
    Put32(b, data);
    for (double v : x.s) {
        Put16(b, static_cast<int>(std::lround(std::clamp(v * left, -1.0, 1.0) * 32767)));
        Put16(b, static_cast<int>(std::lround(std::clamp(v * right, -1.0, 1.0) * 32767)));
    }
    return b;
}

SoundBoard::SoundBoard(QObject* parent, bool evenOffscreen) : QObject(parent) {
    BuildMenu();
    output_ = (evenOffscreen || QGuiApplication::platformName() != QLatin1String("offscreen")) &&
              !QMediaDevices::audioOutputs().isEmpty();
    if (!output_) return;
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid()) {
        output_ = false;
        return;
    }
    auto make = [this](int index, Cue c, double pan) {
        const QString path = dir_->filePath(QStringLiteral("cue%1.wav").arg(index));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(Wave(c, pan)) < 0) return;
        f.close();
        auto* e = new QSoundEffect(this);
        e->setSource(QUrl::fromLocalFile(path));
        effects_[static_cast<size_t>(index)] = e;
    };
    for (int i = 0; i < CueCount; ++i)
        if (static_cast<Cue>(i) != Cue::Crash) make(i, static_cast<Cue>(i), 0);
    // The crash, once for each place across the arena: index Crash, then the extra slots.
    for (int p = 0; p < Pans; ++p) {
        const int index = p == 0 ? static_cast<int>(Cue::Crash) : CueCount + p - 1;
        make(index, Cue::Crash, -1 + 2.0 * p / (Pans - 1));
    }
    ShowSettings();
}

SoundBoard::~SoundBoard() { delete menu_; }

void SoundBoard::Play(Cue c, double pan) {
    if (muted_ || volume_ == 0 || (c == Cue::Chat && chatVolume_ == 0)) return;
    ++played_;
    if (!output_) return;
    int index = static_cast<int>(c);
    if (c == Cue::Crash) {
        const int p = std::clamp(static_cast<int>(std::lround((pan + 1) / 2 * (Pans - 1))), 0, Pans - 1);
        index = p == 0 ? static_cast<int>(Cue::Crash) : CueCount + p - 1;
    }
    if (QSoundEffect* e = effects_[static_cast<size_t>(index)]) {
        // Crashes overlap: a busy effect is restarted rather than queued.
        e->stop();
        e->play();
    }
}

void SoundBoard::SetVolume(int percent) {
    volume_ = std::clamp(percent, 0, 100);
    ShowSettings();
}

void SoundBoard::SetChatVolume(int percent) {
    chatVolume_ = std::clamp(percent, 0, 100);
    ShowSettings();
}

void SoundBoard::SetMuted(bool on) {
    muted_ = on;
    ShowSettings();
}

void SoundBoard::ShowSettings() {
    mute_->setChecked(muted_);
    for (QAction* a : volumes_->actions()) a->setChecked(a->data().toInt() == volume_);
    for (QAction* a : chatVolumes_->actions()) a->setChecked(a->data().toInt() == chatVolume_);
    for (QSoundEffect* e : effects_)
        if (e) {
            e->setVolume(volume_ / 100.0f);
            e->setMuted(muted_);
        }
    // The chat's cue has a step of its own, below the volume of everything.
    if (QSoundEffect* e = effects_[static_cast<size_t>(Cue::Chat)]) e->setVolume(volume_ * chatVolume_ / 10000.0f);
}

void SoundBoard::BuildMenu() {
    menu_ = new QMenu;
    // The menu hears when the language changes; its texts are the sound board's.
    auto* words = new Wording(menu_, staticMetaObject.className());
    words->Set(menu_, &QMenu::setTitle, QT_TR_NOOP("&Sound"));
    mute_ = menu_->addAction(QString());
    words->Set(mute_, &QAction::setText, QT_TR_NOOP("&Mute"));
    mute_->setCheckable(true);
    mute_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(mute_, &QAction::triggered, this, [this](bool on) {
        SetMuted(on);
        emit settingsChanged();
    });
    QMenu* volume = menu_->addMenu(QString());
    words->Set(volume, &QMenu::setTitle, QT_TR_NOOP("&Volume"));
    volumes_ = new QActionGroup(this);
    for (int v : {100, 80, 60, 40, 20}) {
        QAction* a = volume->addAction(QString());
        words->Add([a, v] { a->setText(tr("%1%").arg(v)); });
        a->setCheckable(true);
        a->setData(v);
        volumes_->addAction(a);
        connect(a, &QAction::triggered, this, [this, v] {
            SetVolume(v);
            emit settingsChanged();
        });
    }
    QMenu* chat = menu_->addMenu(QString());
    words->Set(chat, &QMenu::setTitle, QT_TR_NOOP("&Chat Volume"));
    chatVolumes_ = new QActionGroup(this);
    for (int v : {100, 60, 30, 0}) {
        QAction* a = chat->addAction(QString());
        words->Add([a, v] { a->setText(v == 0 ? tr("Off") : tr("%1%").arg(v)); });
        a->setCheckable(true);
        a->setData(v);
        chatVolumes_->addAction(a);
        connect(a, &QAction::triggered, this, [this, v] {
            SetChatVolume(v);
            emit settingsChanged();
        });
    }
    ShowSettings();
}
