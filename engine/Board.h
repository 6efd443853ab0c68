#pragma once

#include "Canvas.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// Everything the game window shows, as a model: the arena, the eight turbo gauges, the
// eight score boxes, the countdown box and the status line. Match logic and the
// dispatcher read and write this; the window only paints it.
class Board : public QObject {
    Q_OBJECT
public:
    static constexpr int GaugeWidth = 85;
    static constexpr int GaugeHeight = 9;
    static constexpr int DesignArenaWidth = 357;
    static constexpr int DesignArenaHeight = 297;

    struct TextBox {
        QString text;
        Colour color = 0;
    };

    explicit Board(QObject* parent = nullptr);

    Canvas& Arena() { return arena_; }
    const Canvas& Arena() const { return arena_; }
    // Gauge of player i, 1..8.
    const Canvas& Gauge(int i) const { return gauges_[static_cast<std::size_t>(i - 1)]; }
    // The whole gauge in one colour.
    void FillGauge(int i, Colour c);
    // The fuel's share of the gauge in the rider's colour, the rest white. Every tick brings
    // the fuel again, mostly unchanged: then nothing is drawn.
    void ShowFuel(int i, int fuel, Colour c);

    // Score box of player i, 1..8.
    const TextBox& Score(int i) const { return scores_[static_cast<std::size_t>(i - 1)]; }
    void SetScoreText(int i, const QString& text);
    void SetScoreColor(int i, Colour c);
    const TextBox& StopGo() const { return stopGo_; }
    void SetStopGoText(const QString& text);
    void SetStopGoColor(Colour c);
    const QString& Status() const { return status_; }
    void SetStatus(const QString& text);

    void ResizeArena(int width, int height);

    // The blinking square around the local rider before a round. It is shown over the arena,
    // never drawn into it: the arena is the crash map, and a client whose countdown runs a
    // little behind the host's must not paint over (or erase) trails that already arrived.
    struct Marker {
        QRect rect; // empty while no marker shows
        Colour color = 0;
    };
    const Marker& GetMarker() const { return marker_; }
    void SetMarker(const QRect& rect, Colour c);
    void ClearMarker() { SetMarker(QRect(), 0); }

    // Lines shown over the arena, never drawn into it: a hint before the first match, the
    // final scores after one. Empty while nothing shows.
    const QStringList& Banner() const { return banner_; }
    void SetBanner(const QStringList& lines);

    // Who drew each trail pixel (player 1..8, 0 for nobody), kept beside the arena only while
    // asked for: what a picture shown in other colours needs to tell apart two players who
    // chose one colour. The arena itself, the crash map, never changes for it.
    void TrackOwners(bool on);
    const Canvas* Owners() const { return owners_ ? &*owners_ : nullptr; }
    // A rider's head drawn: the owners are marked, and the head is kept for the names shown at it.
    void RiderDrawn(int player, int x, int y, int radius);
    // Where each rider's head was last drawn (players 1..8); none before its first.
    const std::optional<QPoint>& Head(int player) const { return heads_[static_cast<std::size_t>(player - 1)]; }
    void ForgetHeads() { heads_ = {}; }

    // Tells the view what changed since the last call; cheap when nothing did.
    void Notify();

    struct Changes {
        QRegion arena; // small pieces: riders far apart must not repaint all between them
        std::array<bool, 8> gauges{};
        bool texts = false;
        bool arenaSize = false;
        QRect marker; // where the marker was or is, to be repainted
        bool banner = false;
    };
    Changes TakeChanges();

signals:
    void changed();
    // The same news, as each Notify found it, for a second view that keeps its own account
    // (a browser's): TakeChanges belongs to the game window.
    void noticed(const Board::Changes& now);

private:
    Canvas arena_;
    std::array<Canvas, 8> gauges_;
    struct Fuel {
        int fuel;
        Colour color;
    };
    std::array<std::optional<Fuel>, 8> fuelShown_; // what each gauge shows, when ShowFuel drew it
    std::array<TextBox, 8> scores_;
    TextBox stopGo_;
    QString status_;
    Marker marker_;
    QRect markerDirty_;
    QStringList banner_;
    bool bannerDirty_ = false;
    bool textsDirty_ = true;
    bool sizeDirty_ = true;
    Changes pending_;
    std::optional<Canvas> owners_;
    int ownersAtClear_ = -1;
    std::array<std::optional<QPoint>, 8> heads_;
};

