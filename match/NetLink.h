#pragma once

#include "Ports.h"

class Transport;

// The engine's outgoing messages, written in the wire format and sent through the transport.
class NetLink : public MatchLink {
public:
    explicit NetLink(Transport& transport) : transport_(transport) {}

    void SendPositions(const std::array<Point, 8>& heads, const std::array<std::int16_t, 8>& fuel) override;
    void SendSteer(int slot, int requestedDirection, int turbo) override;
    void SendRoundOutcome(int code) override;
    void SendObstacle(int x1, int y1, int x2, int y2) override;
    void SendTurboOff(int player) override;
    void SendTurn(int player, int direction) override;

private:
    Transport& transport_;
};
