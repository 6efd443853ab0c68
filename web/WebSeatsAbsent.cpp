// A build without Qt's HTTP server and WebSockets modules: no seats for browsers.
#include "QrCode.h"
#include "WebSeats.h"

#include <QNetworkInterface>

bool WebSeats::Available() { return false; }
WebSeats::Lan WebSeats::LanOf(const QNetworkInterface&) { return {}; }
WebSeats::WebSeats(WindowParts parts, QObject* parent) : QObject(parent), in_(parts) {}
WebSeats::~WebSeats() = default;
bool WebSeats::Open(quint16, QString* error) {
    if (error) *error = QStringLiteral("this build of Lumivex cannot serve browsers");
    return false;
}
void WebSeats::Close() {}
QString WebSeats::Address() const { return {}; }
int WebSeats::Seats() const { return 0; }
int WebSeats::Connections() const { return 0; }
QStringList WebSeats::Report() const { return {}; }
QImage QrCode(const QString&, int) { return {}; }
