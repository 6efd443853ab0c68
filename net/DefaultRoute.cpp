#include "DefaultRoute.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <winsock2.h>
#include <iphlpapi.h>

int DefaultRouteInterface() {
    sockaddr_in anywhere{};
    anywhere.sin_family = AF_INET;
    DWORD index = 0;
    if (GetBestInterfaceEx(reinterpret_cast<sockaddr*>(&anywhere), &index) != NO_ERROR) return 0;
    return static_cast<int>(index);
}
#else
#include <QFile>
#include <QNetworkInterface>

int DefaultRouteInterface() {
    // The line whose destination is 0.0.0.0 names the interface.
    QFile routes(QStringLiteral("/proc/net/route"));
    if (!routes.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : routes.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() < 3 || f[1] != "00000000") continue;
        if (const int index = QNetworkInterface::interfaceIndexFromName(QString::fromUtf8(f[0]))) return index;
    }
    return 0;
}
#endif
