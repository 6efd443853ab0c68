// libFuzzer target for the gateway's receive path. Each input is a list of datagrams, each
// sent from one of four addresses (one of them a copy the gateway admitted), each either
// raw bytes or bytes the admitted copy sealed properly. Whatever arrives, the gateway must not
// crash or leak, and only what the admitted copy sealed may ever reach the LAN or another copy.
#include "Gateway.h"
#include "OnlineClient.h"
#include "OnlineLink.h"

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "fuzz_gateway";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}
const QHostAddress Here(QStringLiteral("198.51.100.1"));
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    App();
    static const QByteArray key = (seal::Ready(), seal::Random(OnlineLink::KeyBytes));
    const QHostAddress from[] = {QHostAddress(QStringLiteral("203.0.113.10")),
                                 QHostAddress(QStringLiteral("192.0.2.66")), QHostAddress(QStringLiteral("::1")),
                                 QHostAddress(QStringLiteral("::ffff:203.0.113.10"))};
    Gateway gateway(key);
    qint64 sealedByCopy = 0, reachedLan = 0, toOthers = 0;
    OnlineLink link;
    link.key = key;
    OnlineClient copy(link);
    QList<QByteArray> toCopy;
    gateway.SetOutputs(
        [&](const QByteArray& d, const QHostAddress& to, quint16) {
            if (to == from[0]) toCopy << d;
            else ++toOthers;
        },
        [&](const QByteArray&) { ++reachedLan; });
    copy.StartWith(Here, 31315, [&](const QByteArray& d) { gateway.Receive(d, from[0], 40000); });
    for (int i = 0; i < 4 && !toCopy.isEmpty(); ++i) // Hello, Cookie, Join, Welcome
        for (const QByteArray& d : std::exchange(toCopy, {})) copy.Receive(d);
    if (!copy.Joined()) std::abort();

    // Records: a byte of how (address in the low bits, bit 2: sealed by the copy), a byte of
    // length, then the bytes.
    std::size_t at = 0;
    while (at + 2 <= size) {
        const int how = data[at];
        const std::size_t n = std::min<std::size_t>(data[at + 1] * 5u, size - at - 2);
        const QByteArray bytes(reinterpret_cast<const char*>(data + at + 2), static_cast<qsizetype>(n));
        at += 2 + n;
        if (how & 4) {
            ++sealedByCopy;
            copy.Send(bytes); // through the copy's own path to the gateway
        } else {
            gateway.Receive(bytes, from[how & 3], static_cast<quint16>(how & 8 ? 40000 : 40001));
        }
        for (const QByteArray& d : std::exchange(toCopy, {})) copy.Receive(d);
    }
    // What the copy sealed is all that may come out; nobody else was ever admitted.
    if (reachedLan > sealedByCopy || gateway.RemoteCount() > 1) std::abort();
    (void)toOthers;
    return 0;
}
