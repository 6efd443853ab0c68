#include "RelayServer.h"

#include <QDateTime>
#include <QtGlobal>

#include <cstdio>

#ifdef Q_OS_LINUX
#include <arpa/inet.h>
#include <netinet/in.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <vector>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>

namespace {
volatile std::sig_atomic_t stopping = 0;
void Stop(int) { stopping = 1; }

void Log(const std::string& line) {
    const QByteArray when = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8();
    std::printf("%s %s\n", when.constData(), line.c_str());
    std::fflush(stdout);
}

std::int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

constexpr unsigned Batch = 64;
constexpr std::size_t Mtu = 2048;

// What the relay sends while a batch is handled, out in one sendmmsg when the batch is done.
// The bodies point into the batch's receive buffers, which live until then.
class Outbox : public Relay::Sink {
public:
    explicit Outbox(int fd, int family) : fd_(fd), family_(family) {}
    void Send(const Relay::Peer& to, std::span<const std::uint8_t> head, std::span<const std::uint8_t> body) override {
        if (n_ == Most) Flush();
        if (head.size() <= sizeof(heads_[0])) {
            std::memcpy(heads_[n_].data(), head.data(), head.size());
            parts_[n_][0] = {heads_[n_].data(), head.size()};
        } else { // a longer answer of the relay's own (a page of its public list): kept here till sent
            if (head.size() > Mtu) return;
            long_[n_].assign(head.begin(), head.end());
            parts_[n_][0] = {long_[n_].data(), head.size()};
        }
        parts_[n_][1] = {const_cast<std::uint8_t*>(body.data()), body.size()};
        sockaddr_storage& a = addresses_[n_];
        std::memset(&a, 0, sizeof a);
        socklen_t len = 0;
        if (family_ == AF_INET6) {
            auto* s = reinterpret_cast<sockaddr_in6*>(&a);
            s->sin6_family = AF_INET6;
            s->sin6_port = htons(to.port);
            std::memcpy(&s->sin6_addr, to.address.data(), 16);
            len = sizeof(sockaddr_in6);
        } else {
            if (!to.IsV4()) return;
            auto* s = reinterpret_cast<sockaddr_in*>(&a);
            s->sin_family = AF_INET;
            s->sin_port = htons(to.port);
            std::memcpy(&s->sin_addr, to.address.data() + 12, 4);
            len = sizeof(sockaddr_in);
        }
        headers_[n_] = {};
        headers_[n_].msg_hdr.msg_name = &a;
        headers_[n_].msg_hdr.msg_namelen = len;
        headers_[n_].msg_hdr.msg_iov = parts_[n_].data();
        headers_[n_].msg_hdr.msg_iovlen = body.empty() ? 1 : 2;
        static constexpr std::array<std::uint8_t, 16> unknown{};
        if (family_ == AF_INET6 && to.local != unknown) { // from the address the peer speaks to
            auto& control = controls_[n_];
            std::memset(control.data(), 0, control.size());
            headers_[n_].msg_hdr.msg_control = control.data();
            headers_[n_].msg_hdr.msg_controllen = CMSG_SPACE(sizeof(in6_pktinfo));
            cmsghdr* c = CMSG_FIRSTHDR(&headers_[n_].msg_hdr);
            c->cmsg_level = IPPROTO_IPV6;
            c->cmsg_type = IPV6_PKTINFO;
            c->cmsg_len = CMSG_LEN(sizeof(in6_pktinfo));
            in6_pktinfo info{};
            std::memcpy(&info.ipi6_addr, to.local.data(), 16);
            std::memcpy(CMSG_DATA(c), &info, sizeof info);
        }
        ++n_;
    }
    void Flush() {
        unsigned sent = 0;
        while (sent < n_) {
            const int r = sendmmsg(fd_, headers_.data() + sent, n_ - sent, 0);
            if (r <= 0) {
                if (r < 0 && errno == EINTR) continue;
                ++sent; // a datagram the system refuses is lost, as UDP may lose it
                continue;
            }
            sent += static_cast<unsigned>(r);
        }
        n_ = 0;
    }

private:
    static constexpr unsigned Most = Batch * 8;
    int fd_, family_;
    unsigned n_ = 0;
    std::array<mmsghdr, Most> headers_{};
    std::array<std::array<iovec, 2>, Most> parts_{};
    std::array<sockaddr_storage, Most> addresses_{};
    std::array<std::array<std::uint8_t, 32>, Most> heads_{}; // the relay's own answers, or a tag
    std::array<std::vector<std::uint8_t>, Most> long_;      // its own longer answers
    static constexpr std::size_t ControlBytes = CMSG_SPACE(sizeof(in6_pktinfo));
    std::array<std::array<std::uint8_t, ControlBytes>, Most> controls_{};
};

Relay::Peer PeerOf(const sockaddr_storage& a, msghdr& h) {
    Relay::Peer p;
    for (cmsghdr* c = CMSG_FIRSTHDR(&h); c; c = CMSG_NXTHDR(&h, c))
        if (c->cmsg_level == IPPROTO_IPV6 && c->cmsg_type == IPV6_PKTINFO) {
            in6_pktinfo info;
            std::memcpy(&info, CMSG_DATA(c), sizeof info);
            std::memcpy(p.local.data(), &info.ipi6_addr, 16);
        }
    if (a.ss_family == AF_INET6) {
        const auto* s = reinterpret_cast<const sockaddr_in6*>(&a);
        std::memcpy(p.address.data(), &s->sin6_addr, 16);
        p.port = ntohs(s->sin6_port);
    } else {
        const auto* s = reinterpret_cast<const sockaddr_in*>(&a);
        const auto local = p.local;
        p = Relay::Peer::V4(ntohl(s->sin_addr.s_addr), ntohs(s->sin_port));
        p.local = local;
    }
    return p;
}
} // namespace

int RunRelay(std::uint16_t port, const Relay::Limits& limits) {
    if (!seal::Ready()) {
        std::fputs("lumivex: the relay cannot start: no source of randomness\n", stderr);
        return 1;
    }
    int family = AF_INET6;
    int fd = socket(AF_INET6, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd >= 0) {
        const int no = 0, yes = 1;
        setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &no, sizeof no);
        setsockopt(fd, IPPROTO_IPV6, IPV6_RECVPKTINFO, &yes, sizeof yes);
        sockaddr_in6 a{};
        a.sin6_family = AF_INET6;
        a.sin6_port = htons(port);
        a.sin6_addr = in6addr_any;
        if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
            close(fd);
            fd = -1;
        }
    }
    if (fd < 0) { // no IPv6 on this host
        family = AF_INET;
        fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_ANY);
        if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
            std::fprintf(stderr, "lumivex: the relay cannot use UDP port %u: %s\n", unsigned(port), std::strerror(errno));
            if (fd >= 0) close(fd);
            return 1;
        }
    }
    // Started as root, it keeps the socket and becomes nobody before it reads a byte.
    if (geteuid() == 0) {
        const passwd* nobody = getpwnam("nobody");
        if (!nobody || setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0) {
            std::fputs("lumivex: the relay does not run as root, and could not become nobody: start it as an "
                       "unprivileged user\n",
                       stderr);
            close(fd);
            return 1;
        }
    }
    const int buffer = 4 << 20;
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &buffer, sizeof buffer);

    struct sigaction sa{};
    sa.sa_handler = Stop;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);

    Relay relay(limits);
    relay.SetLog(Log);
    Log("relay listening on UDP port " + std::to_string(port) + (family == AF_INET6 ? " (IPv6 and IPv4)" : " (IPv4)") +
        "; at most " + std::to_string(limits.rooms) + " rooms, " + std::to_string(limits.listed) + " public games");
    static std::array<std::array<std::uint8_t, Mtu>, Batch> buffers;
    std::array<mmsghdr, Batch> headers{};
    std::array<iovec, Batch> parts{};
    std::array<sockaddr_storage, Batch> from{};
    std::array<std::array<std::uint8_t, 64>, Batch> control{};
    Outbox out(fd, family);
    std::int64_t nextTick = NowMs() + 1000;
    while (!stopping) {
        pollfd p{fd, POLLIN, 0};
        const std::int64_t wait = std::max<std::int64_t>(0, nextTick - NowMs());
        const int ready = poll(&p, 1, static_cast<int>(wait));
        if (ready > 0) {
            // A few batches at most between looks at the clock.
            for (int round = 0; round < 16 && !stopping; ++round) {
                for (unsigned i = 0; i < Batch; ++i) {
                    parts[i] = {buffers[i].data(), Mtu};
                    headers[i] = {};
                    headers[i].msg_hdr.msg_name = &from[i];
                    headers[i].msg_hdr.msg_namelen = sizeof from[i];
                    headers[i].msg_hdr.msg_iov = &parts[i];
                    headers[i].msg_hdr.msg_iovlen = 1;
                    headers[i].msg_hdr.msg_control = control[i].data();
                    headers[i].msg_hdr.msg_controllen = control[i].size();
                }
                const int n = recvmmsg(fd, headers.data(), Batch, MSG_DONTWAIT, nullptr);
                if (n <= 0) break;
                const std::int64_t now = NowMs();
                for (int i = 0; i < n; ++i) {
                    if (headers[static_cast<std::size_t>(i)].msg_hdr.msg_flags & MSG_TRUNC) continue;
                    relay.Receive({buffers[static_cast<std::size_t>(i)].data(), headers[static_cast<std::size_t>(i)].msg_len},
                                  PeerOf(from[static_cast<std::size_t>(i)], headers[static_cast<std::size_t>(i)].msg_hdr),
                                  now, out);
                }
                out.Flush();
                if (n < static_cast<int>(Batch)) break;
            }
        } else if (ready < 0 && errno != EINTR) {
            Log(std::string("the relay's socket failed: ") + std::strerror(errno));
            close(fd);
            return 1;
        }
        if (const std::int64_t now = NowMs(); now >= nextTick) {
            relay.Tick(now);
            nextTick = now + 1000;
        }
    }
    const Relay::Counts& c = relay.Stats();
    Log("relay stopped with " + std::to_string(relay.RoomCount()) + " rooms open; " + Relay::Describe(c));
    close(fd);
    return 0;
}
#else
int RunRelay(std::uint16_t, const Relay::Limits&) {
    std::fputs("lumivex: the relay runs on Linux only\n", stderr);
    return 1;
}
#endif
