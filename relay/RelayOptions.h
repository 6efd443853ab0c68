#pragma once

#include "Relay.h"
#include "RelayWire.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QString>
#include <optional>

class QCommandLineParser;

// The relay's own options, read the same way by lumivex-relay and by lumivex --relay:
// --port, --relay-rooms, --relay-games and, for the load bench whose rooms all come from one address, the
// hidden --relay-rooms-per-address.
class RelayOptions {
    Q_DECLARE_TR_FUNCTIONS(RelayOptions)

public:
    struct Values {
        quint16 port = relaywire::DefaultPort;
        Relay::Limits limits;
    };

    RelayOptions();
    void AddTo(QCommandLineParser& parser) const;
    bool PortSet(const QCommandLineParser& parser) const;
    // The values given, or nullopt with the reason in `error` (one line).
    std::optional<Values> Read(const QCommandLineParser& parser, QString* error) const;

private:
    QCommandLineOption port_, rooms_, perAddress_, games_;
};
