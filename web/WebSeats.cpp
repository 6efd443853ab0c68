#include "WebSeats.h"

#include "Board.h"
#include "ChatLog.h"
#include "MatchControl.h"
#include "MatchState.h"
#include "Messages.h"
#include "MulticastTransport.h"
#include "Roster.h"
#include "Steering.h"
#include "WebFrames.h"

#include <QSignalBlocker>
#include <QAbstractHttpServer>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>
#include <sodium.h>

#include <algorithm>

// The HTTP side: the page's files at the secret address, 404 for anything else.
class WebServer : public QAbstractHttpServer {
public:
    using Serve = std::function<void(const QHttpServerRequest&, QHttpServerResponder&&)>;
    explicit WebServer(Serve serve, QObject* parent) : QAbstractHttpServer(parent), serve_(std::move(serve)) {}

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
        // Qt 6.4 makes a WebSocket of an upgrade request once it is taken here, with nothing
        // written: the page's own checks (its place, its origin) follow on the WebSocket.
        for (const auto& [key, value] : request.headers())
            if (key.compare("upgrade", Qt::CaseInsensitive) == 0 && value.compare("websocket", Qt::CaseInsensitive) == 0)
                return true;
        serve_(request, makeResponder(request, socket));
        return true;
    }
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override {
        makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
    }

private:
    Serve serve_;
};

// Takes connections only from the LAN's subnets and only so many at once; a request must come
// whole, within its size, in its time.
class WebListener : public QTcpServer {
public:
    std::function<bool(const QHostAddress&)> admit;
    std::function<int()> open; // connections open now
    std::function<void()> refused;

    // Connections the HTTP side still holds (the upgraded ones are counted as pages).
    int Requests() {
        live_.removeIf([](const QPointer<QTcpSocket>& s) {
            return !s || s->state() == QAbstractSocket::UnconnectedState || s->property("page").toBool();
        });
        return static_cast<int>(live_.size());
    }
    // A page's socket leaves the requests' count.
    void Upgraded(const QHostAddress& peer, quint16 port) {
        for (const QPointer<QTcpSocket>& s : live_)
            if (s && s->peerPort() == port && s->peerAddress().isEqual(peer)) s->setProperty("page", true);
    }

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        if (!admit(socket->peerAddress()) || open() >= WebSeats::MostConnections) {
            refused();
            socket->abort();
            socket->deleteLater();
            return;
        }
        live_.append(socket);
        // Until it becomes a page, a connection carries one small request at a time. (Once
        // upgraded, the socket belongs to the page, which bounds its own messages.)
        auto got = std::make_shared<qint64>(0);
        connect(socket, &QTcpSocket::readyRead, socket, [socket, got, this] {
            *got += socket->bytesAvailable();
            if (*got > WebSeats::MostRequestBytes && !socket->property("page").toBool()) {
                refused();
                socket->abort();
            }
        });
        QTimer::singleShot(WebSeats::RequestMs, socket, [socket] {
            if (!socket->property("page").toBool()) socket->abort();
        });
        addPendingConnection(socket);
    }

private:
    QList<QPointer<QTcpSocket>> live_;
};

namespace {
struct File {
    const char* name;
    const char* type;
};
constexpr File Files[] = {
    {"index.html", "text/html; charset=utf-8"}, {"style.css", "text/css; charset=utf-8"},
    {"app.js", "text/javascript; charset=utf-8"}, {"frames.js", "text/javascript; charset=utf-8"},
    {"input.js", "text/javascript; charset=utf-8"}, {"texts.js", "text/javascript; charset=utf-8"},
    {"icon.svg", "image/svg+xml"},
};

bool SameSecret(const QByteArray& a, const QByteArray& b) {
    return a.size() == b.size() && sodium_memcmp(a.constData(), b.constData(), static_cast<size_t>(a.size())) == 0;
}

std::optional<Colour> ParseHex(const QString& s) {
    if (s.size() != 7 || !s.startsWith(QLatin1Char('#'))) return std::nullopt;
    bool ok = false;
    const uint rgb = s.mid(1).toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    return static_cast<Colour>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

QByteArray Json(const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }

QByteArray ChatMessage(const ChatLog::Line& line) {
    return Json({{QStringLiteral("t"), QStringLiteral("chat")},
                 {QStringLiteral("name"), line.name},
                 {QStringLiteral("colour"), webframe::Hex(line.colour)},
                 {QStringLiteral("text"), line.text},
                 {QStringLiteral("notice"), line.notice}});
}

QByteArray JoinedMessage(int slot, const QString& name) {
    return Json({{QStringLiteral("t"), QStringLiteral("joined")},
                 {QStringLiteral("player"), slot + 1},
                 {QStringLiteral("name"), name}});
}
} // namespace

bool WebSeats::Available() { return true; }

WebSeats::Lan WebSeats::LanOf(const QNetworkInterface& i) {
    Lan lan;
    for (const QNetworkAddressEntry& e : i.addressEntries()) {
        if (e.ip().protocol() != QAbstractSocket::IPv4Protocol) continue;
        if (lan.address.isNull()) lan.address = e.ip();
        lan.subnets.append({e.ip(), e.prefixLength()});
    }
    return lan;
}

WebSeats::WebSeats(WindowParts parts, QObject* parent)
    : QObject(parent), in_(parts), lan_([] { return LanOf(MulticastTransport::Automatic()); }) {
    frame_.setSingleShot(true);
    frame_.setTimerType(Qt::PreciseTimer);
    connect(&frame_, &QTimer::timeout, this, &WebSeats::Flush);
    sinceFlush_.start();
    silence_.setInterval(1000);
    connect(&silence_, &QTimer::timeout, this, &WebSeats::CheckSilence);
    connect(&in_.board, &Board::noticed, this, [this](const Board::Changes& c) {
        if (pages_.empty()) return;
        region_ |= c.arena;
        resized_ = resized_ || c.arenaSize;
        boxesChanged_ = boxesChanged_ || c.texts || c.banner || c.arenaSize ||
                        std::find(c.gauges.begin(), c.gauges.end(), true) != c.gauges.end();
        Schedule();
    });
    connect(&in_.control, &MatchControl::controlsChanged, this, [this] {
        boxesChanged_ = true;
        if (!pages_.empty()) Schedule();
    });
    connect(&in_.roster, &Roster::ridersChanged, this, &WebSeats::SeatsMoved);
    connect(&in_.chat, &ChatLog::lineAdded, this, [this](const ChatLog::Line& line) {
        const QByteArray m = ChatMessage(line);
        for (auto& p : pages_) Send(*p, m);
    });
}

WebSeats::~WebSeats() {
    // The seats are freed on the LAN; nobody is told the server stopped: whoever listens (the
    // panel that owns this) may be half gone already.
    const QSignalBlocker quiet(this);
    Close();
}

bool WebSeats::Open(quint16 port, QString* error) {
    Close();
    serving_ = lan_();
    if (serving_.address.isNull()) {
        if (error) *error = QStringLiteral("no network to serve browsers on");
        return false;
    }
    QByteArray secret(16, Qt::Uninitialized);
    randombytes_buf(secret.data(), static_cast<size_t>(secret.size()));
    token_ = secret.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);

    auto* listener = new WebListener;
    listener->admit = [this](const QHostAddress& peer) {
        return std::any_of(serving_.subnets.begin(), serving_.subnets.end(),
                           [&peer](const auto& net) { return peer.isInSubnet(net.first, net.second); });
    };
    listener->open = [this] { return Connections(); };
    listener->refused = [this] { ++counts_.refused; };
    if (!listener->listen(serving_.address, port)) {
        if (error) *error = listener->errorString();
        delete listener;
        return false;
    }
    server_ = new WebServer([this](const QHttpServerRequest& r, QHttpServerResponder&& out) {
        // The secret is the address's first part; the rest names one of the page's files.
        const QString path = r.url().path();
        const qsizetype cut = path.indexOf(QLatin1Char('/'), 1);
        const QByteArray secret = path.mid(1, cut < 0 ? -1 : cut - 1).toLatin1();
        QString name = cut < 0 ? QString() : path.mid(cut + 1);
        if (name.isEmpty()) name = QStringLiteral("index.html");
        const File* file = std::find_if(std::begin(Files), std::end(Files),
                                        [&name](const File& f) { return name == QLatin1String(f.name); });
        if (!SameSecret(secret, token_) || file == std::end(Files) ||
            (r.method() != QHttpServerRequest::Method::Get && r.method() != QHttpServerRequest::Method::Head)) {
            out.write(QByteArray("Not found\n"), {{"Content-Type", "text/plain"}, {"Connection", "close"}},
                      QHttpServerResponder::StatusCode::NotFound);
            return;
        }
        QFile f(QStringLiteral(":/web/") + name);
        f.open(QIODevice::ReadOnly);
        QByteArray body = f.readAll();
        if (name == QLatin1String("index.html")) body.replace("%SECRET%", token_);
        const QByteArray origin = QStringLiteral("%1:%2").arg(serving_.address.toString()).arg(port_).toLatin1();
        // The page's own files only, no inline script, nothing framed elsewhere; the secret
        // in the address goes nowhere else.
        const QByteArray policy = "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self' data:; "
                                  "connect-src 'self' ws://" + origin + "; base-uri 'none'; form-action 'none'; "
                                  "frame-ancestors 'none'";
        out.write(body,
                  {{"Content-Type", file->type},
                   {"Content-Security-Policy", policy},
                   {"X-Content-Type-Options", "nosniff"},
                   {"Referrer-Policy", "no-referrer"},
                   {"Cache-Control", "no-store"},
                   {"Connection", "close"}});
    }, this);
    listener->setParent(server_);
    server_->bind(listener);
    listener_ = listener;
    port_ = listener->serverPort();
    connect(server_, &QAbstractHttpServer::newWebSocketConnection, this, [this] {
        while (server_ && server_->hasPendingWebSocketConnections())
            Accept(server_->nextPendingWebSocketConnection().release());
    });
    silence_.start();
    emit changed();
    return true;
}

void WebSeats::Close() {
    if (!server_) return;
    silence_.stop();
    while (!pages_.empty()) Drop(pages_.back()->id, false);
    delete server_;
    server_ = nullptr;
    listener_ = nullptr;
    token_.clear();
    emit changed();
}

QString WebSeats::Address() const {
    if (!server_) return {};
    return QStringLiteral("http://%1:%2/%3").arg(serving_.address.toString()).arg(port_).arg(QString::fromLatin1(token_));
}

int WebSeats::Seats() const {
    return static_cast<int>(std::count_if(pages_.begin(), pages_.end(), [](const auto& p) { return p->slot >= 0; }));
}

int WebSeats::Connections() const {
    return static_cast<int>(pages_.size()) + (listener_ ? listener_->Requests() : 0);
}

QStringList WebSeats::Report() const {
    if (!server_ && counts_.pages == 0 && counts_.refused == 0) return {};
    QStringList lines;
    lines << (server_ ? QStringLiteral("Browsers: serving %1, %2 riding, %3 connected")
                            .arg(Address())
                            .arg(Seats())
                            .arg(pages_.size())
                      : QStringLiteral("Browsers: not served now"));
    lines << QStringLiteral("Browser pages: %1 connected, %2 joined, %3 refused, %4 dropped")
                 .arg(counts_.pages)
                 .arg(counts_.joined)
                 .arg(counts_.refused)
                 .arg(counts_.dropped);
    return lines;
}

WebSeats::Page* WebSeats::Find(int id) {
    for (auto& p : pages_)
        if (p->id == id) return p.get();
    return nullptr;
}

void WebSeats::Accept(QWebSocket* socket) {
    listener_->Upgraded(socket->peerAddress(), socket->peerPort());
    const QString path = socket->requestUrl().path();
    const QString expected = QStringLiteral("/%1/ws").arg(QString::fromLatin1(token_));
    const QString origin = QStringLiteral("http://%1:%2").arg(serving_.address.toString()).arg(port_);
    // Only the page this copy served may connect: the secret in the place, and its origin.
    if (!SameSecret(path.toLatin1(), expected.toLatin1()) || socket->origin() != origin) {
        ++counts_.refused;
        socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
        socket->deleteLater();
        return;
    }
    auto page = std::make_unique<Page>();
    page->id = ++nextId_;
    page->socket = socket;
    page->heard.start();
    socket->setParent(this);
    socket->setMaxAllowedIncomingFrameSize(MostMessageBytes);
    socket->setMaxAllowedIncomingMessageSize(MostMessageBytes);
    const int id = page->id;
    connect(socket, &QWebSocket::textMessageReceived, this, [this, id](const QString& m) { OnText(id, m); });
    connect(socket, &QWebSocket::binaryMessageReceived, this, [this, id] { Drop(id, true); });
    connect(socket, &QWebSocket::disconnected, this, [this, id, socket] {
        // The socket itself closes on a frame or message too large, or broken.
        namespace P = QWebSocketProtocol;
        const P::CloseCode code = socket->closeCode();
        if (code == P::CloseCodeTooMuchData || code == P::CloseCodeProtocolError || code == P::CloseCodeWrongDatatype)
            ++counts_.dropped;
        Forget(id);
    });
    // (Qt 6.4 names the signal error; later versions errorOccurred.)
    connect(socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            [this, id](QAbstractSocket::SocketError e) {
                // Too large a frame or message, or a broken one: the page is not the one served.
                if (e != QAbstractSocket::RemoteHostClosedError) Drop(id, true);
            });
    ++counts_.pages;
    pages_.push_back(std::move(page));
    Page& p = *pages_.back();
    QJsonArray defaults;
    for (int i = 1; i <= 8; ++i) defaults.append(webframe::Hex(colours::PlayerDefault[static_cast<std::size_t>(i)]));
    Send(p, Json({{QStringLiteral("t"), QStringLiteral("hello")},
                  {QStringLiteral("colours"), defaults},
                  {QStringLiteral("seats"), MostSeats - Seats()}}));
    // The last lines said, as the panel's chat shows them.
    const auto& lines = in_.chat.Lines();
    for (auto it = lines.size() > 5 ? lines.end() - 5 : lines.begin(); it != lines.end(); ++it)
        Send(p, ChatMessage(*it));
    Schedule(); // the whole picture and the boxes
}

void WebSeats::OnText(int id, const QString& text) {
    Page* page = Find(id);
    if (!page) return;
    page->heard.restart();
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    const QJsonObject m = doc.object();
    const QString kind = m.value(QStringLiteral("t")).toString();
    if (!doc.isObject() || kind.isEmpty()) return Drop(id, true);
    if (kind == QLatin1String("hi")) return; // still there
    if (!page->inputs.Take(InputsPerSecond, InputsPerSecond, 1, QDateTime::currentMSecsSinceEpoch())) {
        // A page holding a key down sends a few too many now and then; one that keeps on floods.
        if (++page->over > InputsPerSecond) Drop(id, true);
        return;
    }
    page->over = 0;
    if (kind == QLatin1String("join")) return Join(*page, m);
    if (kind == QLatin1String("go") || kind == QLatin1String("turbo")) {
        if (page->slot < 0) return;
        const int d = kind == QLatin1String("turbo") ? 0 : m.value(QStringLiteral("d")).toInt(-1);
        // Any key the serving copy's own seats have: the four ways, and the diagonals when on.
        const bool turn = d >= 1 && d <= (in_.state.DiagonalMotion != 0 ? 8 : 4);
        if (kind == QLatin1String("go") && !turn) return Drop(id, d < 1 || d > 8);
        in_.steering.Want(page->slot, {Wish::From::Keys, d, kind == QLatin1String("turbo") ? 1 : 0});
        return;
    }
    if (kind == QLatin1String("say")) {
        if (page->slot >= 0) in_.chat.SayAs(page->name, page->colour, m.value(QStringLiteral("text")).toString());
        return;
    }
    if (kind == QLatin1String("leave")) {
        if (page->slot >= 0) in_.roster.RemoveRider(page->slot); // SeatsMoved tells the page
        return;
    }
    Drop(id, true);
}

void WebSeats::Join(Page& page, const QJsonObject& m) {
    if (page.slot >= 0) return;
    QString name = wire::CleanName(m.value(QStringLiteral("name")).toString()).trimmed();
    if (name.isEmpty()) name = QStringLiteral("Browser %1").arg(page.id);
    const Colour colour = ParseHex(m.value(QStringLiteral("colour")).toString()).value_or(colours::White);
    std::optional<int> slot;
    if (Seats() < MostSeats) slot = in_.roster.AddBrowserPlayer(page.id, name, colour);
    if (!slot) {
        Send(page, Json({{QStringLiteral("t"), QStringLiteral("full")}}));
        return;
    }
    page.name = name;
    page.colour = colour;
    page.slot = *slot;
    ++counts_.joined;
    Send(page, JoinedMessage(*slot, name));
    boxesChanged_ = true; // its own box is marked
    Schedule();
    emit changed();
}

void WebSeats::SeatsMoved() {
    bool any = false;
    for (auto& p : pages_) {
        if (p->slot < 0) continue;
        const int slot = in_.roster.SlotOfBrowser(p->id);
        if (slot == p->slot) continue;
        any = true;
        p->slot = slot > 0 ? slot : -1;
        Send(*p, slot > 0 ? JoinedMessage(slot, p->name) : Json({{QStringLiteral("t"), QStringLiteral("left")}}));
    }
    if (any) {
        boxesChanged_ = true;
        Schedule();
        emit changed();
    }
}

void WebSeats::Drop(int id, bool hostile) {
    Page* page = Find(id);
    if (!page) return;
    if (hostile) ++counts_.dropped;
    QWebSocket* socket = page->socket;
    Forget(id);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void WebSeats::Forget(int id) {
    const auto it = std::find_if(pages_.begin(), pages_.end(), [id](const auto& p) { return p->id == id; });
    if (it == pages_.end()) return;
    const int slot = (*it)->slot;
    QWebSocket* socket = (*it)->socket;
    pages_.erase(it);
    if (slot >= 0) in_.roster.RemoveRider(slot);
    socket->disconnect(this);
    socket->deleteLater();
    emit changed();
}

void WebSeats::CheckSilence() {
    std::vector<int> gone;
    for (const auto& p : pages_)
        if (p->heard.elapsed() > SilentMs) gone.push_back(p->id);
    for (int id : gone) Drop(id, false);
}

void WebSeats::Send(Page& page, const QByteArray& text) {
    bytesSent_ += text.size();
    page.socket->sendTextMessage(QString::fromUtf8(text));
}

void WebSeats::SendBinary(Page& page, const QByteArray& bytes) {
    bytesSent_ += bytes.size();
    page.socket->sendBinaryMessage(bytes);
}

QByteArray WebSeats::StateFor(const Page& page) const {
    return webframe::State(in_.board, in_.state, {page.slot, in_.control.MatchRunning()});
}

void WebSeats::Schedule() {
    // Changes go out at once after a quiet spell (in this turn of the event loop, so that what
    // one datagram changed goes together), else a display frame after the last went.
    if (frame_.isActive()) return;
    frame_.start(static_cast<int>(std::max<qint64>(0, FrameMs - sinceFlush_.elapsed())));
}

void WebSeats::Flush() {
    sinceFlush_.restart();
    const QImage& arena = in_.board.Arena().Image();
    QByteArray patch, whole;
    if (!region_.isEmpty() || resized_)
        patch = webframe::Patches(arena, region_, quint8(resized_ ? webframe::Resized : 0));
    region_ = QRegion();
    resized_ = false;
    for (auto& p : pages_) {
        if (p->socket->bytesToWrite() > MostQueued) {
            p->needWhole = true; // a slow page catches up with one picture instead
            p->stateSent.clear(); // and the boxes as they are then
            continue;
        }
        if (p->needWhole) {
            if (whole.isEmpty()) whole = webframe::Patches(arena, {}, webframe::Resized | webframe::Whole);
            SendBinary(*p, whole);
            p->needWhole = false;
        } else if (!patch.isEmpty()) {
            SendBinary(*p, patch);
        }
        // Most frames change only pixels: the boxes are worded again only when they changed.
        if (!boxesChanged_ && !p->stateSent.isEmpty()) continue;
        QByteArray state = StateFor(*p);
        if (state != p->stateSent) {
            Send(*p, state);
            p->stateSent = std::move(state);
        }
    }
    boxesChanged_ = false;
}
