#pragma once

#include <QByteArray>
#include <QString>

#include "Seal.h"
#include <optional>

// What a friend needs to join a game opened online, as one link:
//   lumivex://HOST[:PORT][/ROOM][?direct=HOST:PORT]#KEY
// HOST is a name, an IPv4 address or a bracketed IPv6 address; ROOM (16 bytes) and KEY
// (32 bytes) are unpadded base64url. The key is the game's secret: it travels only here.
struct OnlineLink {
    static constexpr quint16 DefaultPort = 31315;
    static constexpr int KeyBytes = 32;
    static constexpr int RoomBytes = 16;

    QString host; // without brackets
    quint16 port = DefaultPort;
    QByteArray room; // empty when the link names no room
    QString direct;  // "HOST:PORT" to try first, empty when none
    seal::Secret key; // the game's secret

    QString ToString() const;
    // Reads a link; on failure, says why in `error` (one line for the player).
    static std::optional<OnlineLink> Parse(const QString& text, QString* error = nullptr);
    // "name", "1.2.3.4" or "[v6]", then ":port" (required or not); false when malformed.
    static bool SplitHostPort(const QString& text, QString& host, quint16& port, bool portRequired);
};

namespace base64url {
QString Encode(QByteArrayView bytes);
// Unpadded base64url only; nullopt for anything else.
std::optional<QByteArray> Decode(QStringView text);
} // namespace base64url
