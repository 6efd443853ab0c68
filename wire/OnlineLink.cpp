#include "OnlineLink.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace base64url {
QString Encode(QByteArrayView bytes) {
    // A key passes through here: the copy that toBase64 needs is wiped after.
    QByteArray copy = bytes.toByteArray();
    const QString out =
        QString::fromLatin1(copy.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
    seal::Wipe(copy);
    return out;
}

std::optional<QByteArray> Decode(QStringView text) {
    for (QChar c : text)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-' && c != u'_') return std::nullopt;
    if (text.size() % 4 == 1) return std::nullopt;
    auto r = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::Base64UrlEncoding |
                                                                 QByteArray::AbortOnBase64DecodingErrors);
    if (!r) return std::nullopt;
    // The last character may carry bits beyond the bytes; only the canonical form is taken.
    if (Encode(*r) != text) return std::nullopt;
    return *r;
}
} // namespace base64url

namespace {
QString HostText(const QString& host) {
    return host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
}

// "name", "1.2.3.4" or "[v6]", then an optional ":port"; false when malformed.
bool SplitHostPort(const QString& text, QString& host, quint16& port, bool portRequired) {
    static const QRegularExpression form(
        QStringLiteral(R"(^(?:\[([0-9A-Fa-f:.]+)\]|([A-Za-z0-9.-]+))(?::([0-9]{1,5}))?$)"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) return false;
    if (!m.captured(1).isEmpty()) {
        if (QHostAddress(m.captured(1)).protocol() != QAbstractSocket::IPv6Protocol) return false;
        host = m.captured(1);
    } else {
        host = m.captured(2);
        if (host.startsWith(QLatin1Char('.')) || host.startsWith(QLatin1Char('-')) ||
            host.contains(QStringLiteral("..")))
            return false;
    }
    if (m.captured(3).isEmpty()) return !portRequired;
    const int p = m.captured(3).toInt();
    if (p < 1 || p > 65535) return false;
    port = static_cast<quint16>(p);
    return true;
}
} // namespace

bool OnlineLink::SplitHostPort(const QString& text, QString& host, quint16& port, bool portRequired) {
    return ::SplitHostPort(text, host, port, portRequired);
}

QString OnlineLink::ToString() const {
    QString s = QStringLiteral("lumivex://%1:%2").arg(HostText(host)).arg(port);
    if (!room.isEmpty()) s += QLatin1Char('/') + base64url::Encode(room);
    if (!direct.isEmpty()) s += QStringLiteral("?direct=") + direct;
    return s + QLatin1Char('#') + base64url::Encode(key);
}

std::optional<OnlineLink> OnlineLink::Parse(const QString& input, QString* error) {
    auto fail = [error](const QString& why) -> std::optional<OnlineLink> {
        if (error) *error = why;
        return std::nullopt;
    };
    const QString text = input.trimmed();
    const QString scheme = QStringLiteral("lumivex://");
    if (!text.startsWith(scheme, Qt::CaseInsensitive))
        return fail(QStringLiteral("a link starts with lumivex://"));
    QString rest = text.mid(scheme.size());
    const qsizetype hash = rest.indexOf(QLatin1Char('#'));
    if (hash < 0) return fail(QStringLiteral("the link has no key (the part after #)"));
    OnlineLink link;
    auto key = base64url::Decode(QStringView(rest).mid(hash + 1));
    if (!key || key->size() != KeyBytes)
        return fail(QStringLiteral("the link's key is not 32 bytes of base64url"));
    link.key = *key;
    seal::Wipe(*key);
    rest.truncate(hash);
    const qsizetype query = rest.indexOf(QLatin1Char('?'));
    if (query >= 0) {
        const QString q = rest.mid(query + 1);
        rest.truncate(query);
        if (!q.startsWith(QStringLiteral("direct=")))
            return fail(QStringLiteral("the link's query is not direct=HOST:PORT"));
        QString h;
        quint16 p = 0;
        if (!SplitHostPort(q.mid(7), h, p, true))
            return fail(QStringLiteral("the link's direct address is not HOST:PORT"));
        link.direct = QStringLiteral("%1:%2").arg(HostText(h)).arg(p);
    }
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    if (slash >= 0) {
        const auto room = base64url::Decode(QStringView(rest).mid(slash + 1));
        if (!room || room->size() != RoomBytes)
            return fail(QStringLiteral("the link's room is not 16 bytes of base64url"));
        link.room = *room;
        rest.truncate(slash);
    }
    if (!SplitHostPort(rest, link.host, link.port, false))
        return fail(QStringLiteral("the link's address is not HOST or HOST:PORT (port 1 to 65535)"));
    return link;
}
