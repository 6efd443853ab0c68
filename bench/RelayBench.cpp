#include "RelayBench.h"

#include "GameList.h"

#include "BenchUtil.h"
#include "Relay.h"
#include "RiderBench.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <thread>
#include <string>
#include <vector>

namespace relaybench {
namespace {
using Clock = std::chrono::steady_clock;
std::int64_t NowNs() { return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count(); }

// The game's traffic at Speed 85 with 8 riders: how many datagrams a second the LAN carries,
// and how long they are, from a real host run.
struct Traffic {
    double perSecond = 0;
    int bytes = 0;
};
Traffic Measure() {
    qint64 n = 0, total = 0;
    const riderbench::Timing t = riderbench::HostRun(85, 2.0, [&](const QByteArray& d) {
        ++n;
        total += d.size();
    });
    return {n / t.seconds, n ? static_cast<int>(total / n) : 0};
}

double CpuSeconds(int pid) { // of another process, from /proc
    std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
    std::string s((std::istreambuf_iterator<char>(f)), {});
    const auto close = s.rfind(')');
    if (close == std::string::npos) return 0;
    std::vector<std::string> fields;
    std::string field;
    for (char c : s.substr(close + 2)) {
        if (c == ' ') fields.push_back(std::exchange(field, {}));
        else field += c;
    }
    if (fields.size() < 13) return 0;
    return (std::stod(fields[11]) + std::stod(fields[12])) / static_cast<double>(sysconf(_SC_CLK_TCK));
}
long ResidentKiB() {
    std::ifstream f("/proc/self/statm");
    long pages = 0, resident = 0;
    f >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE) / 1024;
}

double OwnCpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

sockaddr_in Address(const char* hostPort) {
    std::string s(hostPort);
    const auto colon = s.rfind(':');
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(std::stoi(s.substr(colon + 1))));
    inet_pton(AF_INET, s.substr(0, colon).c_str(), &a.sin_addr);
    return a;
}

// A socket on a loopback address of the room's own (127.1.0.0 and up), as each home has its
// own public address: the relay limits handshakes per address.
int Socket(int room) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(0x7F010000u + std::uint32_t(room));
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    const int buffer = 1 << 20;
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    return fd;
}

// Sends and waits for one answer of `kind` (the handshakes), a few tries.
QByteArray Ask(int fd, const sockaddr_in& to, const QByteArray& d, char kind) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        sendto(fd, d.constData(), std::size_t(d.size()), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
        pollfd p{fd, POLLIN, 0};
        while (poll(&p, 1, 100) > 0) {
            char buf[2048];
            const ssize_t n = recv(fd, buf, sizeof buf, 0);
            if (n > 0 && buf[0] == kind) return QByteArray(buf, n);
        }
    }
    return {};
}

struct Room {
    int gateway = -1;
    std::array<int, 7> members{};
    std::array<QByteArray, 7> tags;
};

// What goes over the wire, relayed or through the minimal forwarder.
struct Paths {
    bool relay = true;
    // gateway -> member k, and member k -> gateway, `bytes` long, starting with a time stamp.
    QByteArray Down(int room, int k, const Room& r, int bytes) const {
        QByteArray d(bytes, 'g');
        if (relay) {
            d[0] = relaywire::Data;
            d.replace(1, 8, r.tags[std::size_t(k)]);
        } else {
            d[0] = 'D';
            d[1] = char(room & 0xff);
            d[2] = char(room >> 8);
            d[3] = char(k + 1);
        }
        return d;
    }
    QByteArray Up(int room, int, int bytes) const {
        QByteArray d(bytes, 'm');
        d[0] = relay ? char(relaywire::Data) : 'D';
        if (!relay) {
            d[1] = char(room & 0xff);
            d[2] = char(room >> 8);
            d[3] = 0;
        }
        return d;
    }
    int StampAt() const { return relay ? 9 : 4; }              // where a sent stamp sits
};

bool SetUp(std::vector<Room>& rooms, int count, const sockaddr_in& to, const Paths& paths, int first = 0) {
    for (int i = first; i < first + count; ++i) {
        Room r;
        r.gateway = Socket(i);
        if (paths.relay) {
            const relaywire::RoomKeys keys = relaywire::RoomKeys::Fresh();
            const QByteArray id = relaywire::RoomOf(keys.publicKey), secret(32, char(i));
            const QByteArray challenge = Ask(r.gateway, to, relaywire::OpenRequest(keys.publicKey), relaywire::Challenge);
            if (challenge.isEmpty()) return false;
            const QByteArray cookie = challenge.mid(1);
            if (Ask(r.gateway, to, relaywire::ProveRequest(keys, cookie, secret), relaywire::Opened).isEmpty())
                return false;
            for (int k = 0; k < 7; ++k) {
                r.members[std::size_t(k)] = Socket(i);
                r.tags[std::size_t(k)] = seal::Random(8);
                const QByteArray& tag = r.tags[std::size_t(k)];
                const QByteArray dare =
                    Ask(r.members[std::size_t(k)], to, relaywire::KnockRequest(id, tag), relaywire::Challenge).mid(1);
                if (dare.isEmpty() ||
                    Ask(r.members[std::size_t(k)], to, relaywire::EnterRequest(id, tag, dare, secret), relaywire::Entered)
                        .isEmpty())
                    return false;
            }
        } else {
            const auto hello = [&](int fd, int index) {
                const char d[4] = {'R', char(i & 0xff), char(i >> 8), char(index)};
                return !Ask(fd, to, QByteArray(d, 4), 'K').isEmpty();
            };
            if (!hello(r.gateway, 0)) return false;
            for (int k = 0; k < 7; ++k) {
                r.members[std::size_t(k)] = Socket(i);
                if (!hello(r.members[std::size_t(k)], k + 1)) return false;
            }
        }
        rooms.push_back(r);
    }
    return true;
}
} // namespace

int Load(int argc, char** argv, bool throughRelay) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: lumivex_bench %s HOST:PORT ROOMS SECONDS [PID]\n", argv[1]);
        return 2;
    }
    if (!seal::Ready()) return 1;
    const sockaddr_in to = Address(argv[2]);
    const int roomCount = std::atoi(argv[3]);
    const double seconds = std::atof(argv[4]);
    const int pid = argc > 5 ? std::atoi(argv[5]) : 0;
    const Traffic game = Measure();
    // Each LAN datagram goes sealed to each of the 7 members (26 bytes of envelope); each
    // member sends its steering and keep-alives, 20 a second of 40 bytes.
    const int down = game.bytes + 26 + 9, up = 40 + 1;
    const double downRate = game.perSecond * 7, upRate = 20.0 * 7;
    Paths paths;
    paths.relay = throughRelay;
    std::vector<Room> rooms;
    if (!SetUp(rooms, roomCount, to, paths)) {
        std::fprintf(stderr, "lumivex_bench: the %s did not answer the set-up\n", throughRelay ? "relay" : "forwarder");
        return 1;
    }
    if (seconds <= 0) { // only the rooms: the relay's memory with them
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmRSS:", 0) == 0) std::printf("relay with %d rooms of 8: %s\n", roomCount, line.c_str());
        return 0;
    }
    // The added latency is read by a probe of its own, one datagram each way every 2 ms
    // through a room of its own, waiting for each: the load generator's own queues stay out.
    std::vector<Room> probeRoom;
    if (!SetUp(probeRoom, 1, to, paths, roomCount)) return 1;
    std::vector<double> latency;
    std::atomic<bool> stop{false};
    std::thread probe([&] {
        const Room& r = probeRoom.front();
        const int fds[2] = {r.members[0], r.gateway};
        while (!stop) {
            for (int way = 0; way < 2; ++way) {
                QByteArray d = way == 0 ? paths.Down(roomCount, 0, r, down) : paths.Up(roomCount, 0, up);
                const std::int64_t stamp = NowNs();
                d.replace(way == 0 ? paths.StampAt() : (throughRelay ? 1 : 4), 8, reinterpret_cast<const char*>(&stamp), 8);
                const int from = way == 0 ? r.gateway : r.members[0];
                sendto(from, d.constData(), std::size_t(d.size()), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
                pollfd p{fds[way], POLLIN, 0};
                if (poll(&p, 1, 100) > 0) {
                    char buf[2048];
                    while (recv(fds[way], buf, sizeof buf, 0) > 0) {
                    }
                    latency.push_back((NowNs() - stamp) / 1e6);
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    const int ep = epoll_create1(EPOLL_CLOEXEC);
    for (const Room& r : rooms) {
        for (int fd : r.members) {
            epoll_event e{EPOLLIN, {.fd = fd}};
            epoll_ctl(ep, EPOLL_CTL_ADD, fd, &e);
        }
        epoll_event e{EPOLLIN, {.fd = r.gateway}};
        epoll_ctl(ep, EPOLL_CTL_ADD, r.gateway, &e);
    }
    std::uint64_t sent = 0, received = 0;
    std::array<mmsghdr, 64> in{};
    std::array<std::array<char, 2048>, 64> buffers{};
    std::array<iovec, 64> inParts{};
    const auto drain = [&](int fd) {
        for (;;) {
            for (std::size_t i = 0; i < in.size(); ++i) {
                inParts[i] = {buffers[i].data(), buffers[i].size()};
                in[i] = {};
                in[i].msg_hdr.msg_iov = &inParts[i];
                in[i].msg_hdr.msg_iovlen = 1;
            }
            const int n = recvmmsg(fd, in.data(), in.size(), MSG_DONTWAIT, nullptr);
            if (n <= 0) return;
            received += unsigned(n);
        }
    };
    // Each room's traffic is sent in 1 ms steps, the rooms spread over each step.
    std::vector<QByteArray> downs(7), ups(7);
    const double relayCpu0 = pid ? CpuSeconds(pid) : 0, ownCpu0 = OwnCpuSeconds();
    const std::int64_t start = NowNs(), end = start + std::int64_t(seconds * 1e9);
    double downDue = 0, upDue = 0;
    std::array<mmsghdr, 7> outs{};
    std::array<iovec, 7> outParts{};
    while (NowNs() < end) {
        const double elapsed = (NowNs() - start) / 1e9;
        const int downNow = int(elapsed * game.perSecond - downDue), upNow = int(elapsed * 20.0 - upDue);
        downDue += downNow;
        upDue += upNow;
        for (int ri = 0; ri < int(rooms.size()); ++ri) {
            const Room& r = rooms[std::size_t(ri)];
            for (int b = 0; b < downNow; ++b) {
                const std::int64_t stamp = NowNs();
                for (int k = 0; k < 7; ++k) {
                    downs[std::size_t(k)] = paths.Down(ri, k, r, down);
                    downs[std::size_t(k)].replace(paths.StampAt(), 8, reinterpret_cast<const char*>(&stamp), 8);
                    outParts[std::size_t(k)] = {downs[std::size_t(k)].data(), std::size_t(down)};
                    outs[std::size_t(k)] = {};
                    outs[std::size_t(k)].msg_hdr.msg_name = const_cast<sockaddr_in*>(&to);
                    outs[std::size_t(k)].msg_hdr.msg_namelen = sizeof to;
                    outs[std::size_t(k)].msg_hdr.msg_iov = &outParts[std::size_t(k)];
                    outs[std::size_t(k)].msg_hdr.msg_iovlen = 1;
                }
                const int n = sendmmsg(r.gateway, outs.data(), 7, 0);
                sent += n > 0 ? unsigned(n) : 0;
            }
            for (int b = 0; b < upNow; ++b)
                for (int k = 0; k < 7; ++k) {
                    QByteArray d = paths.Up(ri, k, up);
                    const std::int64_t stamp = NowNs();
                    d.replace(throughRelay ? 1 : 4, 8, reinterpret_cast<const char*>(&stamp), 8);
                    if (sendto(r.members[std::size_t(k)], d.constData(), std::size_t(d.size()), 0,
                               reinterpret_cast<const sockaddr*>(&to), sizeof to) > 0)
                        ++sent;
                }
        }
        epoll_event events[256];
        const int n = epoll_wait(ep, events, 256, 1);
        for (int i = 0; i < n; ++i) {
            const int fd = events[i].data.fd;
            drain(fd);
        }
    }
    for (const Room& r : rooms) { // what is still on its way
        drain(r.gateway);
        for (int fd : r.members) drain(fd);
    }
    stop = true;
    probe.join();
    const double wall = (NowNs() - start) / 1e9;
    const double relayCpu = pid ? (CpuSeconds(pid) - relayCpu0) / wall : 0, ownCpu = (OwnCpuSeconds() - ownCpu0) / wall;
    std::sort(latency.begin(), latency.end());
    const auto pct = [&](double p) { return latency.empty() ? 0.0 : latency[std::size_t(p * double(latency.size() - 1))]; };
    std::printf("%s, %d rooms of 8 (game at Speed 85: %.0f datagrams/s of %d bytes on the LAN):\n",
                throughRelay ? "relay" : "minimal forwarder", roomCount, game.perSecond, game.bytes);
    std::printf("  offered %.0f datagrams/s (%.0f down, %.0f up a room), forwarded %.0f/s, lost %.2f%%\n", sent / wall,
                downRate, upRate, received / wall, sent ? 100.0 * (double(sent) - double(received)) / double(sent) : 0.0);
    std::printf("  added latency (a probe, %zu round trips) p50 %.3f ms, p99 %.3f ms; CPU: %s %.0f%% of a core, load generator %.0f%%\n", latency.size(), pct(0.5),
                pct(0.99), throughRelay ? "relay" : "forwarder", 100 * relayCpu, 100 * ownCpu);
    std::fflush(stdout);
    return 0;
}

int Forwarder(int argc, char** argv) {
    const int port = argc > 2 ? std::atoi(argv[2]) : 31317;
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return 1;
    const int buffer = 4 << 20;
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &buffer, sizeof buffer);
    std::vector<sockaddr_in> table(65536 * 8);
    constexpr unsigned Batch = 64;
    std::array<mmsghdr, Batch> in{}, out{};
    std::array<iovec, Batch> inParts{}, outParts{};
    std::array<sockaddr_in, Batch> from{};
    static std::array<std::array<char, 2048>, Batch> buffers;
    for (;;) {
        for (unsigned i = 0; i < Batch; ++i) {
            inParts[i] = {buffers[i].data(), buffers[i].size()};
            in[i] = {};
            in[i].msg_hdr.msg_name = &from[i];
            in[i].msg_hdr.msg_namelen = sizeof from[i];
            in[i].msg_hdr.msg_iov = &inParts[i];
            in[i].msg_hdr.msg_iovlen = 1;
        }
        const int n = recvmmsg(fd, in.data(), Batch, MSG_WAITFORONE, nullptr);
        if (n <= 0) continue;
        unsigned m = 0;
        for (int i = 0; i < n; ++i) {
            const char* d = buffers[std::size_t(i)].data();
            if (in[std::size_t(i)].msg_len < 4) continue;
            const std::size_t slot = (std::size_t(std::uint8_t(d[1])) | std::size_t(std::uint8_t(d[2])) << 8) * 8 +
                                     std::uint8_t(d[3]) % 8;
            if (d[0] == 'R') { // a peer says where it is
                table[slot] = from[std::size_t(i)];
                const char ok = 'K';
                sendto(fd, &ok, 1, 0, reinterpret_cast<sockaddr*>(&from[std::size_t(i)]), sizeof from[std::size_t(i)]);
                continue;
            }
            outParts[m] = {buffers[std::size_t(i)].data(), in[std::size_t(i)].msg_len};
            out[m] = {};
            out[m].msg_hdr.msg_name = &table[slot];
            out[m].msg_hdr.msg_namelen = sizeof(sockaddr_in);
            out[m].msg_hdr.msg_iov = &outParts[m];
            out[m].msg_hdr.msg_iovlen = 1;
            ++m;
        }
        unsigned done = 0;
        while (done < m) {
            const int r = sendmmsg(fd, out.data() + done, m - done, 0);
            done += r > 0 ? unsigned(r) : 1;
        }
    }
}

namespace {
// Keeps the relay's last answer, for the in-process figures.
struct LastAnswer : Relay::Sink {
    QByteArray last;
    void Send(const Relay::Peer&, std::span<const std::uint8_t> head, std::span<const std::uint8_t> body) override {
        last = QByteArray(reinterpret_cast<const char*>(head.data()), qsizetype(head.size())) +
               QByteArray(reinterpret_cast<const char*>(body.data()), qsizetype(body.size()));
    }
};
} // namespace

int Memory(int argc, char** argv) {
    const int rooms = argc > 2 ? std::atoi(argv[2]) : 1000;
    if (!seal::Ready()) return 1;
    Relay::Limits limits;
    limits.rooms = rooms;
    limits.roomsPerAddress = rooms;
    Relay relay(limits);
    LastAnswer sink;
    const auto deliver = [&](const QByteArray& d, const Relay::Peer& p) {
        relay.Receive({reinterpret_cast<const std::uint8_t*>(d.constData()), std::size_t(d.size())}, p, 1000, sink);
    };
    const long before = ResidentKiB();
    for (int i = 0; i < rooms; ++i) {
        const relaywire::RoomKeys keys = relaywire::RoomKeys::Fresh();
        const QByteArray id = relaywire::RoomOf(keys.publicKey), secret(32, 's');
        const Relay::Peer gw = Relay::Peer::V4(0x0A000000u + std::uint32_t(i), 1000);
        deliver(relaywire::OpenRequest(keys.publicKey), gw);
        const QByteArray cookie = sink.last.mid(1);
        deliver(relaywire::ProveRequest(keys, cookie, secret), gw);
        for (int k = 0; k < 7; ++k) {
            const Relay::Peer m = Relay::Peer::V4(0x0B000000u + std::uint32_t(i * 8 + k), 2000);
            const QByteArray tag(8, char('a' + k));
            deliver(relaywire::KnockRequest(id, tag), m);
            const QByteArray dare = sink.last.mid(1);
            deliver(relaywire::EnterRequest(id, tag, dare, secret), m);
        }
    }
    const long after = ResidentKiB();
    std::printf("relay bookkeeping: %d rooms, %d members: resident %+ld KiB, %.0f bytes a room (%zu counted by hand)\n",
                relay.RoomCount(), relay.MemberCount(), after - before, 1024.0 * double(after - before) / rooms,
                Relay::RoomBytesUsed());
    return relay.RoomCount() == rooms ? 0 : 1;
}
int List(int argc, char** argv) {
    const int games = argc > 2 ? std::atoi(argv[2]) : 1000;
    if (!seal::Ready()) return 1;
    Relay::Limits limits;
    limits.rooms = limits.roomsPerAddress = limits.listed = games;
    Relay relay(limits);
    LastAnswer sink;
    std::int64_t now = 1000;
    const auto deliver = [&](const QByteArray& d, const Relay::Peer& p) {
        sink.last.clear();
        relay.Receive({reinterpret_cast<const std::uint8_t*>(d.constData()), std::size_t(d.size())}, p, now, sink);
        return sink.last;
    };
    // The rooms first, then their listings: what listing costs on top of a room.
    std::vector<relaywire::RoomKeys> keys;
    const long before = ResidentKiB();
    for (int i = 0; i < games; ++i) {
        keys.push_back(relaywire::RoomKeys::Fresh());
        const Relay::Peer gw = Relay::Peer::V4(0x0A000000u + std::uint32_t(i), 1000);
        const QByteArray cookie = deliver(relaywire::OpenRequest(keys.back().publicKey), gw).mid(1);
        deliver(relaywire::ProveRequest(keys.back(), cookie, QByteArray(32, 's')), gw);
    }
    const long rooms = ResidentKiB();
    for (int i = 0; i < games; ++i) {
        gamelist::Entry e;
        e.name = QStringLiteral("Friday night game %1").arg(i);
        e.players = 1 + i % 8;
        e.version = QStringLiteral(LUMIVEX_VERSION);
        e.key = QByteArray(32, 'k');
        const Relay::Peer gw = Relay::Peer::V4(0x0A000000u + std::uint32_t(i), 1000);
        deliver(gamelist::ListRequest(keys[std::size_t(i)], relaywire::RoomOf(keys[std::size_t(i)].publicKey), 2, e), gw);
    }
    const long listed = ResidentKiB();
    // One finder reads the whole list, as GameFinder does.
    const Relay::Peer finder = Relay::Peer::V4(0xC0000232u, 4000);
    qint64 in = 0, out = 0;
    int datagrams = 0, read = 0;
    const auto ask = [&](const QByteArray& d) {
        now += 20; // within the finder's handshake rate
        in += d.size();
        const QByteArray answer = deliver(d, finder);
        out += answer.size();
        ++datagrams;
        return answer;
    };
    const QByteArray cookie = ask(gamelist::FindRequest({}, 0, gamelist::AskBytes)).mid(1);
    for (int first = 0;;) {
        const auto page = gamelist::ReadGames(ask(gamelist::FindRequest(cookie, first, gamelist::AskBytes)));
        if (!page) break;
        read += static_cast<int>(page->entries.size());
        if (page->next >= page->total || page->next == first) break;
        first = page->next;
    }
    std::printf("public list: %d games listed (%d read back); rooms %+ld KiB, listings %+ld KiB more: %.0f bytes a "
                "listed game\n",
                relay.ListedCount(), read, rooms - before, listed - rooms, 1024.0 * double(listed - rooms) / games);
    std::printf("public list: the whole list takes %d requests of %d bytes (%lld bytes in) and %d answers (%lld bytes "
                "out, %.2f of what came in)\n",
                datagrams, gamelist::AskBytes, static_cast<long long>(in), datagrams, static_cast<long long>(out),
                double(out) / double(in));
    return read == games ? 0 : 1;
}
} // namespace relaybench
