#include "RelayWire.h"

#include <sodium.h>

namespace relaywire {
QByteArray RoomOf(QByteArrayView publicKey) {
    QByteArray room(RoomBytes, Qt::Uninitialized);
    crypto_generichash(reinterpret_cast<unsigned char*>(room.data()), RoomBytes,
                       reinterpret_cast<const unsigned char*>(publicKey.data()),
                       static_cast<unsigned long long>(publicKey.size()), nullptr, 0);
    return room;
}

RoomKeys RoomKeys::Fresh() {
    RoomKeys k;
    k.publicKey.resize(crypto_sign_PUBLICKEYBYTES);
    k.secretKey = seal::Secret::Random(crypto_sign_SECRETKEYBYTES); // made in locked memory, then filled
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(k.publicKey.data()),
                        reinterpret_cast<unsigned char*>(k.secretKey.Data()));
    return k;
}

QByteArray RoomKeys::Sign(QByteArrayView message) const {
    QByteArray sig(crypto_sign_BYTES, Qt::Uninitialized);
    crypto_sign_detached(reinterpret_cast<unsigned char*>(sig.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(message.data()),
                         static_cast<unsigned long long>(message.size()),
                         reinterpret_cast<const unsigned char*>(secretKey.View().data()));
    return sig;
}

bool Verify(QByteArrayView publicKey, QByteArrayView message, QByteArrayView signature) {
    if (publicKey.size() != crypto_sign_PUBLICKEYBYTES || signature.size() != crypto_sign_BYTES) return false;
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.data()),
                                       reinterpret_cast<const unsigned char*>(message.data()),
                                       static_cast<unsigned long long>(message.size()),
                                       reinterpret_cast<const unsigned char*>(publicKey.data())) == 0;
}
QByteArray OpenRequest(QByteArrayView publicKey) {
    QByteArray open(OpenBytes, '\0'); // padded to its size: the challenge is never longer
    open[0] = Open;
    open[1] = Version;
    open.replace(2, PublicKeyBytes, publicKey.toByteArray());
    return open;
}

QByteArray ProveRequest(const RoomKeys& keys, QByteArrayView cookie, QByteArrayView joinSecret) {
    const QByteArray room = RoomOf(keys.publicKey);
    return QByteArray(1, Prove)
        .append(Version)
        .append(keys.publicKey)
        .append(cookie)
        .append(joinSecret)
        .append(keys.Sign(OpenMessage(cookie, room, joinSecret)));
}

QByteArray GatewayControl(char kind, const RoomKeys& keys, QByteArrayView room, quint64 counter) {
    QByteArray c(8, '\0');
    for (int i = 0; i < 8; ++i) c[i] = static_cast<char>(counter >> (8 * i));
    return QByteArray(1, kind).append(c).append(keys.Sign(ControlMessage(kind, room, c)));
}

QByteArray KnockRequest(QByteArrayView room, QByteArrayView tag) {
    QByteArray knock(KnockBytes, '\0');
    knock[0] = Knock;
    knock[1] = Version;
    knock.replace(2, RoomBytes, room.toByteArray());
    knock.replace(2 + RoomBytes, TagBytes, tag.toByteArray());
    return knock;
}

QByteArray EnterRequest(QByteArrayView room, QByteArrayView tag, QByteArrayView cookie, QByteArrayView joinSecret) {
    return QByteArray(1, Enter)
        .append(Version)
        .append(room)
        .append(tag)
        .append(cookie)
        .append(EnterProof(joinSecret, cookie, room, tag));
}
} // namespace relaywire
