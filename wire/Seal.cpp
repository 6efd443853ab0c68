#include "Seal.h"

#include <sodium.h>

#include <cstring>
#include <new>

namespace seal {

Secret::Secret(QByteArrayView bytes) {
    if (bytes.isEmpty() || !Ready()) return;
    data_ = sodium_malloc(static_cast<size_t>(bytes.size()));
    if (!data_) throw std::bad_alloc();
    size_ = bytes.size();
    std::memcpy(data_, bytes.data(), static_cast<size_t>(size_));
}

Secret::~Secret() {
    if (data_) sodium_free(data_); // wipes it first
}

Secret Secret::Random(int bytes) {
    Secret s(QByteArray(bytes, '\0'));
    randombytes_buf(s.Data(), static_cast<size_t>(bytes));
    return s;
}

void Wipe(QByteArray& bytes) {
    if (!bytes.isEmpty()) sodium_memzero(bytes.data(), static_cast<size_t>(bytes.size()));
    bytes.clear();
}

bool Ready() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

QByteArray Random(int bytes) {
    QByteArray out(bytes, Qt::Uninitialized);
    randombytes_buf(out.data(), static_cast<size_t>(bytes));
    return out;
}

QByteArray Mac(QByteArrayView key, std::initializer_list<QByteArrayView> parts, int bytes) {
    crypto_generichash_state state;
    crypto_generichash_init(&state, reinterpret_cast<const unsigned char*>(key.data()),
                            static_cast<size_t>(key.size()), static_cast<size_t>(bytes));
    for (QByteArrayView p : parts) {
        // Each part's length goes in first, so no two lists of parts hash alike.
        const std::uint32_t n = static_cast<std::uint32_t>(p.size());
        unsigned char len[4] = {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                                static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
        crypto_generichash_update(&state, len, sizeof len);
        crypto_generichash_update(&state, reinterpret_cast<const unsigned char*>(p.data()),
                                  static_cast<size_t>(p.size()));
    }
    QByteArray out(bytes, Qt::Uninitialized);
    crypto_generichash_final(&state, reinterpret_cast<unsigned char*>(out.data()),
                             static_cast<size_t>(bytes));
    return out;
}

bool Same(QByteArrayView a, QByteArrayView b) {
    return a.size() == b.size() && sodium_memcmp(a.data(), b.data(), static_cast<size_t>(a.size())) == 0;
}

bool ReplayWindow::Accept(std::uint64_t counter) {
    if (counter == 0) return false; // counters start at 1
    if (counter > highest_) {
        const std::uint64_t ahead = counter - highest_;
        if (ahead >= Width)
            seen_.reset();
        else
            for (std::uint64_t c = highest_ + 1; c < counter; ++c) seen_.reset(c % Width);
        highest_ = counter;
        seen_.set(counter % Width);
        return true;
    }
    if (highest_ - counter >= Width) return false; // too old to tell
    if (seen_.test(counter % Width)) return false;
    seen_.set(counter % Width);
    return true;
}

namespace {
void Nonce(std::uint64_t counter, unsigned char (&nonce)[crypto_aead_chacha20poly1305_IETF_NPUBBYTES]) {
    std::memset(nonce, 0, sizeof nonce);
    for (int i = 0; i < 8; ++i) nonce[4 + i] = static_cast<unsigned char>(counter >> (8 * i));
}
constexpr int HeaderBytes = 1 + CounterBytes;
} // namespace

QByteArray Direction::Seal(char type, QByteArrayView plain) {
    // As Open: without a whole key nothing is sealed (the cipher would read past it).
    if (key_.size() != KeyBytes) return {};
    const std::uint64_t counter = next_++;
    QByteArray out(HeaderBytes + plain.size() + TagBytes, Qt::Uninitialized);
    auto* o = reinterpret_cast<unsigned char*>(out.data());
    o[0] = static_cast<unsigned char>(type);
    for (int i = 0; i < 8; ++i) o[1 + i] = static_cast<unsigned char>(counter >> (8 * i));
    unsigned char nonce[crypto_aead_chacha20poly1305_IETF_NPUBBYTES];
    Nonce(counter, nonce);
    unsigned long long written = 0;
    crypto_aead_chacha20poly1305_ietf_encrypt(
        o + HeaderBytes, &written, reinterpret_cast<const unsigned char*>(plain.data()),
        static_cast<unsigned long long>(plain.size()), o, HeaderBytes, nullptr, nonce,
        reinterpret_cast<const unsigned char*>(key_.View().data()));
    return out;
}

std::optional<QByteArray> Direction::Open(QByteArrayView d) {
    if (key_.size() != KeyBytes || d.size() < HeaderBytes + TagBytes) return std::nullopt;
    const auto* in = reinterpret_cast<const unsigned char*>(d.data());
    std::uint64_t counter = 0;
    for (int i = 0; i < 8; ++i) counter |= std::uint64_t(in[1 + i]) << (8 * i);
    unsigned char nonce[crypto_aead_chacha20poly1305_IETF_NPUBBYTES];
    Nonce(counter, nonce);
    QByteArray plain(d.size() - HeaderBytes - TagBytes, Qt::Uninitialized);
    unsigned long long written = 0;
    if (crypto_aead_chacha20poly1305_ietf_decrypt(
            reinterpret_cast<unsigned char*>(plain.data()), &written, nullptr, in + HeaderBytes,
            static_cast<unsigned long long>(d.size() - HeaderBytes), in, HeaderBytes, nonce,
            reinterpret_cast<const unsigned char*>(key_.View().data())) != 0)
        return std::nullopt;
    // Only a genuine datagram moves the window: forged counters cannot push real ones out.
    if (!window_.Accept(counter)) return std::nullopt;
    return plain;
}

SessionKeys Derive(QByteArrayView gameKey, QByteArrayView joinerRandom, QByteArrayView gatewayRandom) {
    QByteArray both = Mac(gameKey, {"lumivex session keys", joinerRandom, gatewayRandom}, 64);
    SessionKeys keys{Secret(QByteArrayView(both).first(KeyBytes)), Secret(QByteArrayView(both).sliced(KeyBytes))};
    Wipe(both);
    return keys;
}

} // namespace seal
