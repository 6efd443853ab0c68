#include "NetLink.h"

#include "Messages.h"
#include "Transport.h"

void NetLink::SendPositions(const std::array<Point, 8>& heads, const std::array<std::int16_t, 8>& fuel) {
    std::array<std::int16_t, 8> x{}, y{};
    for (int i = 0; i < 8; ++i) {
        x[i] = heads[i].x;
        y[i] = heads[i].y;
    }
    transport_.SendData(wire::Positions(x, y, fuel));
}

void NetLink::SendSteer(int slot, int dir, int turbo) { transport_.SendData(wire::Steer(slot, dir, turbo)); }
void NetLink::SendRoundOutcome(int code) { transport_.SendData(wire::RoundOutcome(code)); }
void NetLink::SendObstacle(int x1, int y1, int x2, int y2) {
    transport_.SendData(wire::Obstacle(x1, y1, x2, y2));
}
void NetLink::SendTurboOff(int player) { transport_.SendData(wire::TurboOff(player)); }
void NetLink::SendTurn(int player, int dir) { transport_.SendData(wire::Turn(player, dir)); }
