#include "BatchSend.h"

#include <QUdpSocket>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <sys/socket.h>

#include <array>
#include <cstring>

namespace {
// The socket's address family decides how each address is written: a dual-stack socket takes
// IPv4 addresses mapped into IPv6.
bool FillAddress(int family, const QHostAddress& to, quint16 port, sockaddr_storage& out, socklen_t& len) {
    std::memset(&out, 0, sizeof out);
    bool isV4 = false;
    const quint32 v4 = to.toIPv4Address(&isV4);
    if (family == AF_INET) {
        if (!isV4) return false;
        auto* a = reinterpret_cast<sockaddr_in*>(&out);
        a->sin_family = AF_INET;
        a->sin_port = htons(port);
        a->sin_addr.s_addr = htonl(v4);
        len = sizeof(sockaddr_in);
        return true;
    }
    auto* a = reinterpret_cast<sockaddr_in6*>(&out);
    a->sin6_family = AF_INET6;
    a->sin6_port = htons(port);
    if (isV4) { // ::ffff:a.b.c.d
        a->sin6_addr.s6_addr[10] = a->sin6_addr.s6_addr[11] = 0xff;
        const quint32 n = htonl(v4);
        std::memcpy(&a->sin6_addr.s6_addr[12], &n, 4);
    } else {
        const Q_IPV6ADDR v6 = to.toIPv6Address();
        std::memcpy(&a->sin6_addr, v6.c, 16);
    }
    a->sin6_scope_id = to.scopeId().toUInt();
    len = sizeof(sockaddr_in6);
    return true;
}
} // namespace

void SendBatch(QUdpSocket& socket, const std::vector<Outgoing>& batch) {
    const qintptr fd = socket.socketDescriptor();
    sockaddr_storage self{};
    socklen_t selfLen = sizeof self;
    if (fd < 0 || getsockname(static_cast<int>(fd), reinterpret_cast<sockaddr*>(&self), &selfLen) != 0)
        return;
    constexpr std::size_t Chunk = 16;
    std::array<mmsghdr, Chunk> headers{};
    std::array<iovec, Chunk> parts{};
    std::array<sockaddr_storage, Chunk> addresses{};
    for (std::size_t at = 0; at < batch.size(); at += Chunk) {
        unsigned n = 0;
        for (std::size_t i = at; i < batch.size() && i < at + Chunk; ++i) {
            const Outgoing& o = batch[i];
            socklen_t len = 0;
            if (!FillAddress(self.ss_family, o.to, o.port, addresses[n], len)) continue;
            parts[n] = {const_cast<char*>(o.datagram.constData()),
                        static_cast<std::size_t>(o.datagram.size())};
            headers[n] = {};
            headers[n].msg_hdr.msg_name = &addresses[n];
            headers[n].msg_hdr.msg_namelen = len;
            headers[n].msg_hdr.msg_iov = &parts[n];
            headers[n].msg_hdr.msg_iovlen = 1;
            ++n;
        }
        // UDP: what the kernel does not take now is lost, as a datagram may be.
        unsigned sent = 0;
        while (sent < n) {
            const int r = sendmmsg(static_cast<int>(fd), headers.data() + sent, n - sent, MSG_DONTWAIT);
            if (r <= 0) {
                ++sent; // skip the one that failed (an unreachable address, say)
                continue;
            }
            sent += static_cast<unsigned>(r);
        }
    }
}
#else
void SendBatch(QUdpSocket& socket, const std::vector<Outgoing>& batch) {
    for (const Outgoing& o : batch) socket.writeDatagram(o.datagram, o.to, o.port);
}
#endif
