#include "RoundSetup.h"

#include "Board.h"
#include "Convert.h"

#include <cmath>

namespace {
std::int64_t R(double v) { return convert::RoundHalfEven(v); }
} // namespace

void SnapDown(std::int16_t& value, int pitch) {
    if (pitch == 0) return;
    value = static_cast<std::int16_t>(value - value % pitch);
}

std::optional<RoundSetup::Start> RoundSetup::StartingPoint(int k, int n, float w, float h) {
    const double W = w, H = h;
    std::int64_t x = 0, y = 0;
    int dir = 0;
    switch (k) {
    case 0:
        x = R(W / 2) - R(W / 4);
        y = n >= 7 ? R(H / 2) - R(H / 16) : R(H / 2);
        dir = 2;
        break;
    case 1:
        x = R(W / 2) + R(W / 4);
        y = n == 8 ? R(H / 2) - R(H / 16) : R(H / 2);
        dir = 4;
        break;
    case 2:
        if (n < 3) return std::nullopt;
        x = n >= 5 ? R(W / 2) + R(W / 16) : R(W / 2);
        y = R(H / 4);
        dir = 3;
        break;
    case 3:
        if (n < 4) return std::nullopt;
        x = n >= 6 ? R(W / 2) + R(W / 16) : R(W / 2);
        y = R(3 * H / 4);
        dir = 1;
        break;
    case 4:
        if (n < 5) return std::nullopt;
        x = R(W / 2) - R(W / 16);
        y = R(H / 4);
        dir = 3;
        break;
    case 5:
        if (n < 6) return std::nullopt;
        x = R(W / 2) - R(W / 16);
        y = R(3 * H / 4);
        dir = 1;
        break;
    case 6:
        if (n < 7) return std::nullopt;
        x = R(W / 2) - R(W / 4);
        y = R(H / 2) + R(H / 16);
        dir = 2;
        break;
    case 7:
        if (n != 8) return std::nullopt;
        x = R(W / 2) + R(W / 4);
        y = R(H / 2) + R(H / 16);
        dir = 4;
        break;
    default: return std::nullopt;
    }
    const auto sx = convert::Narrow16(x);
    const auto sy = convert::Narrow16(y);
    if (!sx || !sy) return std::nullopt;
    return Start{*sx, *sy, static_cast<std::int16_t>(dir)};
}

int RoundSetup::RotationBase() const {
    if (s_.FixedPosition) return 0;
    std::int16_t sum = 0;
    for (int i = 1; i <= s_.PlayerCount(); ++i) {
        // A box whose text is not a number adds nothing.
        if (auto v = convert::ToInt16(board_.Score(i).text))
            if (auto total = convert::Narrow16(std::int64_t(sum) + *v)) sum = *total;
    }
    return sum;
}

void RoundSetup::SetupRound() {
    ++setups_;
    const float w = static_cast<float>(board_.Arena().Width());
    const float h = static_cast<float>(board_.Arena().Height());
    const int n = s_.PlayerCount();
    const int t = s_.Thickness;
    const int g = 2 * t + 3;

    const int base = RotationBase();
    if (n >= 1) {
        for (int k = 0; k <= 7; ++k) {
            const auto start = StartingPoint(k, n, w, h);
            if (!start) continue;
            // The remainder follows the sign, as the classic Mod did, so the rotation runs
            // backwards for a negative base instead of indexing outside the table.
            int p = (base + k) % n + 1;
            if (p < 1) continue;
            auto& rec = s_.Players[p];
            rec.X = start->x;
            rec.Y = start->y;
            rec.Direction = start->direction;
            rec.RequestedDirection = start->direction;
            rec.Turbo = 0;
        }
    }

    for (int i = 1; i <= 8; ++i) {
        auto& rec = s_.Players[i];
        SnapDown(rec.X, g);
        SnapDown(rec.Y, g);
        rec.Step = 1;
        rec.RefillTicks = 0;
        rec.BurnTicks = 0;
        rec.Crashed = 0;
        rec.DiagonalPhase = 0;
        rec.Fuel = static_cast<std::int16_t>(board_.Gauge(i).Width());
        board_.FillGauge(i, rec.Color);
    }

    s_.RoundOver = False16;
    s_.Paused = False16;

    Canvas& arena = board_.Arena();
    for (int i = 1; i <= n; ++i) {
        const auto& rec = s_.Players[i];
        arena.SetFillColor(rec.Color);
        arena.Circle(rec.X, rec.Y, t + 1, rec.Color);
        board_.RiderDrawn(i, rec.X, rec.Y, t + 1);
    }

    const int r = t + 1;
    const int W = arena.Width(), H = arena.Height();
    arena.SetFillStyle(Canvas::FillStyle::Solid);
    arena.SetFillColor(colours::WallFill);
    arena.Box(0, 0, r, H - 3, colours::WallOutline);
    arena.Box(0, 0, W - 3, r, colours::WallOutline);
    arena.Box(r, H - 3 - r, W - 3, H - 3, colours::WallOutline);
    arena.Box(W - 3 - r, r, W - 3, H - 3, colours::WallOutline);

    if (s_.LocalPlayer == 0 && s_.Complexity >= 3) PlaceObstacles(w, h);

    board_.SetStatus(QString());
}

void RoundSetup::PlaceObstacles(float w, float h) {
    const int c = s_.Complexity;
    const int t = s_.Thickness;
    const int g = 2 * t + 3;
    const int cw = static_cast<int>(std::floor(w / c));
    const int ch = static_cast<int>(std::floor(h / c));
    const int m = static_cast<int>(R(c / 2.0));
    Canvas& arena = board_.Arena();
    for (int i = 1; i <= c - 2; ++i) {
        for (int j = 1; j <= c - 2; ++j) {
            // Four numbers for every cell, empty cells of the free cross included, so the
            // sequence does not depend on which cells stay empty.
            const float u1 = random_.Next(), u2 = random_.Next(), u3 = random_.Next(), u4 = random_.Next();
            const int bw = static_cast<int>(std::floor((cw - 6) * u1 + 1));
            const int bh = static_cast<int>(std::floor((ch - 6) * u2 + 1));
            const int dx = static_cast<int>(std::floor(bw * u3 + 2));
            const int dy = static_cast<int>(std::floor(bh * u4 + 2));
            if (i == m || i == m - 1 || j == m || j == m - 1) continue;
            auto x1 = convert::Narrow16(i * cw + 6 + dx), y1 = convert::Narrow16(j * ch + 6 + dy);
            auto x2 = convert::Narrow16(i * cw + 12 + bw), y2 = convert::Narrow16(j * ch + 12 + bh);
            if (!x1 || !y1 || !x2 || !y2) continue;
            SnapDown(*x1, g);
            SnapDown(*y1, g);
            SnapDown(*x2, g);
            SnapDown(*y2, g);
            const int X1 = *x1 + t + 2, Y1 = *y1 + t + 2, X2 = *x2 + t + 1, Y2 = *y2 + t + 1;
            link_.SendObstacle(X1, Y1, X2, Y2);
            arena.SetFillStyle(Canvas::FillStyle::Solid);
            arena.SetFillColor(colours::WallFill);
            arena.Box(X1, Y1, X2, Y2, colours::ObstacleOutline);
        }
    }
}
