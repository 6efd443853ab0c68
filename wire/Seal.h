#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <bitset>
#include <cstdint>
#include <optional>
#include <utility>

// The sealed envelope of online play, built on libsodium: keyed hashing for keys, cookies and
// proofs, ChaCha20-Poly1305 (IETF) for the datagrams, with a 64-bit counter as the nonce.
namespace seal {

constexpr int KeyBytes = 32;
constexpr int RandomBytes = 32;
constexpr int TagBytes = 16;
constexpr int CounterBytes = 8;

// Bytes that must not outlive their use or reach the disk: keys, join secrets, signing keys.
// They live in libsodium's guarded memory (locked against swapping, fenced by guard pages)
// and are wiped when let go.
class Secret {
public:
    Secret() = default;
    Secret(QByteArrayView bytes); // NOLINT: read as the bytes it holds
    Secret(const QByteArray& bytes) : Secret(QByteArrayView(bytes)) {}
    Secret(const Secret& other) : Secret(other.View()) {}
    Secret(Secret&& other) noexcept : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
    Secret& operator=(Secret other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        return *this;
    }
    ~Secret();
    QByteArrayView View() const { return {static_cast<const char*>(data_), size_}; }
    operator QByteArrayView() const { return View(); } // NOLINT
    char* Data() { return static_cast<char*>(data_); }
    qsizetype size() const { return size_; }
    bool isEmpty() const { return size_ == 0; }
    // Fresh random bytes, made in place.
    static Secret Random(int bytes);

private:
    void* data_ = nullptr;
    qsizetype size_ = 0;
};
// Wipes bytes that held a secret on their way somewhere else.
void Wipe(QByteArray& bytes);

// False when libsodium cannot start (no randomness): online play is then off.
bool Ready();
QByteArray Random(int bytes);
// Keyed BLAKE2b over the parts, `bytes` long (16 to 64).
QByteArray Mac(QByteArrayView key, std::initializer_list<QByteArrayView> parts, int bytes = 32);
// Compares in constant time.
bool Same(QByteArrayView a, QByteArrayView b);

// Counters seen, within the last 1,024 of the highest: each is taken once.
class ReplayWindow {
public:
    static constexpr std::uint64_t Width = 1024;
    // Whether `counter` is new; remembers it when it is.
    bool Accept(std::uint64_t counter);

private:
    std::uint64_t highest_ = 0;
    std::bitset<Width> seen_; // bit (c % Width) for the counters highest - Width + 1 .. highest
};

// One direction of one session: its own key, its own counter. A session's keys come fresh
// from both sides' random bytes, so no key and nonce pair repeats, across rejoins too.
class Direction {
public:
    explicit Direction(Secret key = {}) : key_(std::move(key)) {}
    // header | ciphertext | tag, where header = type byte and counter; the header is
    // authenticated too.
    QByteArray Seal(char type, QByteArrayView plain);
    // The plain text, or nullopt when the datagram is not genuine or was seen before.
    std::optional<QByteArray> Open(QByteArrayView datagram);

private:
    Secret key_;
    std::uint64_t next_ = 1;
    ReplayWindow window_;
};

// Both directions' keys of a session, from the game's key and the two sides' random bytes.
struct SessionKeys {
    Secret toGateway, fromGateway;
};
SessionKeys Derive(QByteArrayView gameKey, QByteArrayView joinerRandom, QByteArrayView gatewayRandom);

} // namespace seal
