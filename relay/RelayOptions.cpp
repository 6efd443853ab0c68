#include "RelayOptions.h"

#include <QCommandLineParser>

RelayOptions::RelayOptions()
    : port_(QStringLiteral("port"), tr("The relay's UDP port (default 31316)."), QStringLiteral("N")),
      rooms_(QStringLiteral("relay-rooms"), tr("The most rooms the relay keeps (default 4096)."),
             QStringLiteral("N")),
      perAddress_(QStringLiteral("relay-rooms-per-address"), QStringLiteral("The most rooms one address may keep."),
                  QStringLiteral("N")),
      games_(QStringLiteral("relay-games"),
             tr("The most public games the relay lists (default 1000; 0 lists none). One address, or "
                            "IPv6 /64, lists at most 4, one /48 at most 16."),
             QStringLiteral("N")) {
    perAddress_.setFlags(QCommandLineOption::HiddenFromHelp);
}

void RelayOptions::AddTo(QCommandLineParser& parser) const { parser.addOptions({port_, rooms_, perAddress_, games_}); }

bool RelayOptions::PortSet(const QCommandLineParser& parser) const { return parser.isSet(port_); }

std::optional<RelayOptions::Values> RelayOptions::Read(const QCommandLineParser& parser, QString* error) const {
    Values v;
    auto count = [&](const QCommandLineOption& opt, int lo, int hi, int& out) {
        if (!parser.isSet(opt)) return true;
        bool ok = false;
        const int n = parser.value(opt).toInt(&ok);
        if (!ok || n < lo || n > hi) return false;
        out = n;
        return true;
    };
    auto fail = [&](const QString& why) -> std::optional<Values> {
        if (error) *error = why;
        return std::nullopt;
    };
    int port = v.port;
    if (!count(port_, 1, 65535, port)) return fail(tr("--port takes a UDP port from 1 to 65535"));
    v.port = static_cast<quint16>(port);
    if (!count(rooms_, 1, 1000000, v.limits.rooms)) return fail(tr("--relay-rooms takes a number from 1 to 1000000"));
    if (!count(perAddress_, 1, 1000000, v.limits.roomsPerAddress))
        return fail(tr("--relay-rooms-per-address takes a number from 1 to 1000000"));
    if (!count(games_, 0, 100000, v.limits.listed)) return fail(tr("--relay-games takes a number from 0 to 100000"));
    return v;
}
