#include "Gateway.h"
#include "Gateway_p.h"

// Removing a joined copy, and refusing it afterwards.

QByteArray Gateway::Identity(const Endpoint& at) {
    // Through a relay every copy comes from the relay's address: its tag tells them apart.
    if (!at.tag.isEmpty()) return QByteArrayLiteral("tag:") + at.tag;
    bool v4 = false;
    const quint32 four = at.address.toIPv4Address(&v4);
    return v4 ? QHostAddress(four).toString().toLatin1() : at.address.toString().toLatin1();
}

char Gateway::Refusal(const Endpoint& at) {
    const qint64 now = clock_.elapsed();
    std::erase_if(refused_, [now](const Refused& r) { return r.until >= 0 && r.until <= now; });
    const QByteArray who = Identity(at);
    if (std::any_of(refused_.begin(), refused_.end(), [&who](const Refused& r) { return r.who == who; }))
        return envelope::Removed;
    return closedToNew_ ? envelope::Closed : 0;
}

bool Gateway::Remove(quint64 id, Removal how) {
    const auto it = std::find_if(remotes_.begin(), remotes_.end(), [id](const auto& r) { return r->info.id == id; });
    if (it == remotes_.end()) return false;
    Remote& r = **it;
    const RemoteInfo info = r.info;
    refused_.push_back({Identity(r.at), how == Removal::Ban ? -1 : clock_.elapsed() + kickMs_});
    Drop(r, true, envelope::ByeRemoved);
    Flush();
    emit removed(info, how);
    return true;
}

quint64 Gateway::OwnerOfSeat(int slot) const {
    if (slot < 1 || slot > 8) return 0;
    const Remote* r = seatOwner_[static_cast<std::size_t>(slot)];
    return r ? r->info.id : 0;
}
