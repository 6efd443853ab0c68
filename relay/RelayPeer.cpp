// Where a relay's datagrams come from: one address and port, IPv4 as mapped into IPv6.
#include "Relay.h"

#include <QHostAddress>

#include <cstring>

bool Relay::Peer::IsV4() const {
    static constexpr std::uint8_t mapped[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
    return std::memcmp(address.data(), mapped, 12) == 0;
}

std::string Relay::Peer::Text() const {
    if (IsV4())
        return std::to_string(address[12]) + '.' + std::to_string(address[13]) + '.' +
               std::to_string(address[14]) + '.' + std::to_string(address[15]) + ':' + std::to_string(port);
    Q_IPV6ADDR a;
    std::memcpy(a.c, address.data(), 16);
    return '[' + QHostAddress(a).toString().toStdString() + "]:" + std::to_string(port);
}

Relay::Peer Relay::Peer::V4(std::uint32_t v4, std::uint16_t port) {
    Peer p;
    p.address[10] = p.address[11] = 0xff;
    for (int i = 0; i < 4; ++i) p.address[static_cast<std::size_t>(12 + i)] = static_cast<std::uint8_t>(v4 >> (24 - 8 * i));
    p.port = port;
    return p;
}

std::size_t Relay::PeerHash::operator()(const Peer& p) const noexcept {
    // Only proven peers are ever stored, so a plain mix is enough here.
    std::uint64_t a, b;
    std::memcpy(&a, p.address.data(), 8);
    std::memcpy(&b, p.address.data() + 8, 8);
    const std::uint64_t h = a * 0x9E3779B97F4A7C15ull ^ b * 0xC2B2AE3D27D4EB4Full ^
                            static_cast<std::uint64_t>(p.port) * 0x165667B19E3779F9ull;
    return static_cast<std::size_t>(h ^ (h >> 29));
}
