#pragma once

#include "Board.h"
#include "Ports.h"

#include <QList>
#include <QString>

// Keeps every message the engine sends, as short readable lines ("turn 1 2").
class RecordingLink : public MatchLink {
public:
    QStringList sent;
    QList<std::array<Point, 8>> positions;

    void SendPositions(const std::array<Point, 8>& heads, const std::array<std::int16_t, 8>& fuel) override {
        positions << heads;
        sent << QStringLiteral("positions %1 %2 fuel %3").arg(heads[0].x).arg(heads[0].y).arg(fuel[0]);
    }
    void SendSteer(int slot, int dir, int turbo) override {
        sent << QStringLiteral("steer %1 %2 %3").arg(slot).arg(dir).arg(turbo);
    }
    void SendRoundOutcome(int code) override { sent << QStringLiteral("outcome %1").arg(code); }
    void SendObstacle(int x1, int y1, int x2, int y2) override {
        sent << QStringLiteral("obstacle %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2);
    }
    void SendTurboOff(int p) override { sent << QStringLiteral("turbooff %1").arg(p); }
    void SendTurn(int p, int dir) override { sent << QStringLiteral("turn %1 %2").arg(p).arg(dir); }

    QStringList Starting(const QString& prefix) const {
        QStringList out;
        for (const QString& s : sent)
            if (s.startsWith(prefix)) out << s;
        return out;
    }
};

// Draws the heads of the last Positions message as every instance does on receipt.
inline void DrawLastPositions(Board& board, const MatchState& s, const RecordingLink& link) {
    if (link.positions.isEmpty()) return;
    Canvas& arena = board.Arena();
    arena.SetFillStyle(Canvas::FillStyle::Solid);
    for (int i = 1; i <= s.NumPlayers; ++i) {
        arena.SetFillColor(s.Players[i].Color);
        arena.Circle(link.positions.back()[i - 1].x, link.positions.back()[i - 1].y, s.Thickness + 1,
                     s.Players[i].Color);
    }
}

// Uniform numbers from a fixed list (repeated), counting how many were asked for.
class CountingRandom : public RandomSource {
public:
    int drawn = 0;
    float value = 0.5f;
    float Next() override {
        ++drawn;
        return value;
    }
};
