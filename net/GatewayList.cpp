#include "Gateway.h"

// Listing the game publicly at the relay: refreshed while the room is open, and dropped by the
// relay when the refreshes stop.

void Gateway::SetListing(ListingFn what) {
    listing_ = std::move(what);
    listed_.invalidate();
    if (!listing_ && listState_) {
        listState_.reset();
        emit relayChanged();
    }
    ListTick();
}

void Gateway::ListTick() {
    if (!listing_ || relayState_ != RelayState::Open) return;
    if (listed_.isValid() && listed_.elapsed() < gamelist::RefreshMs) return;
    const std::optional<gamelist::Entry> entry = listing_();
    if (!entry) return;
    gamelist::Entry e = *entry;
    e.key = key_.View().toByteArray();
    listed_.start();
    SendToRelay(gamelist::ListRequest(roomKeys_, room_, ControlCounter(), e));
    seal::Wipe(e.key); // public by choice, yet no copy lingers
}

void Gateway::OnListed(QByteArrayView d) {
    if (d.size() != 2 || !listing_) return;
    const auto status = static_cast<gamelist::ListStatus>(d[1]);
    if (listState_ == status) return;
    listState_ = status;
    emit relayChanged();
}
