#include "PortMapper.h"

#include <QMetaObject>
#include <QPointer>

#include <atomic>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#ifdef LUMIVEX_NATPMP
#include <natpmp.h>
#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/select.h>
#endif
#endif

struct PortMapper::Lease {
    QString method;
    std::string controlUrl, serviceType; // UPnP
    std::string port;
    quint16 privatePort = 0, publicPort = 0; // NAT-PMP
};

struct PortMapper::Job {
    std::atomic<bool> abandoned{false}; // nobody waits for the answer: undo what it mapped
};

namespace {
using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline) {
    return static_cast<int>(
        std::max<long long>(0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count()));
}

#ifdef LUMIVEX_NATPMP
// Waits for a NAT-PMP answer until `deadline`; the response or the last error.
int NatPmpAnswer(natpmp_t& n, natpmpresp_t& response, Clock::time_point deadline) {
    int r = NATPMP_TRYAGAIN;
    while (r == NATPMP_TRYAGAIN) {
        const int left = MsLeft(deadline);
        if (left <= 0) return NATPMP_TRYAGAIN;
        timeval tv{};
        getnatpmprequesttimeout(&n, &tv);
        const long long retryMs = tv.tv_sec * 1000LL + tv.tv_usec / 1000;
        const long long waitMs = std::min<long long>(std::max<long long>(retryMs, 10), left);
        tv.tv_sec = static_cast<decltype(tv.tv_sec)>(waitMs / 1000);
        tv.tv_usec = static_cast<decltype(tv.tv_usec)>((waitMs % 1000) * 1000);
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(n.s, &fds);
        select(static_cast<int>(n.s) + 1, &fds, nullptr, nullptr, &tv); // the first argument is ignored on Windows
        r = readnatpmpresponseorretry(&n, &response);
    }
    return r;
}
#endif
} // namespace

PortMapper::PortMapper(QObject* parent) : QObject(parent) {
    renew_.setSingleShot(true);
    connect(&renew_, &QTimer::timeout, this, [this] { Map(port_); });
}

PortMapper::~PortMapper() { Unmap(); }

bool PortMapper::Reserved(const QHostAddress& a) {
    bool isV4 = false;
    const quint32 v = a.toIPv4Address(&isV4);
    if (!isV4) return a.isNull() || a.isLoopback() || a.isLinkLocal() || a.isUniqueLocalUnicast();
    struct Range {
        quint32 base;
        int bits;
    };
    static constexpr Range reserved[] = {
        {0x00000000, 8},  {0x0A000000, 8},  {0x64400000, 10}, {0x7F000000, 8},  {0xA9FE0000, 16},
        {0xAC100000, 12}, {0xC0000000, 24}, {0xC0000200, 24}, {0xC0A80000, 16}, {0xC6120000, 15},
        {0xC6336400, 24}, {0xCB007100, 24}, {0xE0000000, 4},  {0xF0000000, 4},
    };
    for (const Range& r : reserved)
        if ((v >> (32 - r.bits)) == (r.base >> (32 - r.bits))) return true;
    return false;
}

void PortMapper::Map(quint16 port) {
    if (busy_) return;
    port_ = port;
    busy_ = true;
    job_ = std::make_shared<Job>();
    // The router may take seconds to answer, or never: the thread is not waited for.
    std::thread([self = QPointer<PortMapper>(this), port, job = job_] {
        auto lease = std::make_shared<Lease>();
        const Result r = Ask(port, *lease);
        if (job->abandoned) {
            if (r.mapped) Remove(*lease);
            return;
        }
        QMetaObject::invokeMethod(
            self.data(),
            [self, r, lease, job] {
                if (self && !job->abandoned)
                    self->Finished(r, r.mapped ? lease : nullptr);
                else if (r.mapped) // let go between the answer and now
                    Remove(*lease);
            },
            Qt::QueuedConnection);
    }).detach();
}

void PortMapper::Finished(Result result, std::shared_ptr<Lease> lease) {
    job_.reset();
    if (lease_ && !lease) Remove(*lease_); // a renewal failed: the old one is let go
    if (lease) lease_ = std::move(lease);
    busy_ = false;
    settled_ = true;
    result_ = std::move(result);
    // Renewed at half its life, so a lost answer or two cannot let it lapse.
    if (result_.mapped) renew_.start(LeaseSeconds * 1000 / 2);
    emit done();
}

void PortMapper::Unmap() {
    renew_.stop();
    if (job_) job_->abandoned = true;
    job_.reset();
    busy_ = false;
    if (lease_) Remove(*lease_);
    lease_.reset();
    result_ = Result{};
}

QString PortMapper::Line() const {
    if (busy_ && !settled_) return tr("Asking the router to forward the port...");
    if (!settled_) return {};
    const Result& r = result_;
    if (!r.mapped) return r.why;
    const QString where = QStringLiteral("%1:%2").arg(r.publicAddress.toString()).arg(r.publicPort);
    if (r.doubleNat)
        return tr("The port is mapped on this router only (%1, %2): another router stands before it (a double "
                  "NAT), so friends outside need a relay")
            .arg(where, r.method);
    return tr("The router forwards the port (%1): friends reach this game at %2").arg(r.method, where);
}

PortMapper::Result PortMapper::Ask(quint16 port, Lease& lease) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(AnswerMs);
    Result result;
    result.why = tr("No automatic port mapping: friends outside this network need a relay or a forwarded port");
    const std::string portText = std::to_string(port);
    lease.port = portText;

#ifdef LUMIVEX_NATPMP
    // NAT-PMP first: a router that speaks it answers at once, and one that does not mostly says
    // so at once too. It gets a third of the time.
    {
        const Clock::time_point natDeadline = Clock::now() + std::chrono::milliseconds(AnswerMs / 3);
        natpmp_t n;
        if (initnatpmp(&n, 0, 0) == 0) {
            natpmpresp_t response{};
            QHostAddress external;
            if (sendpublicaddressrequest(&n) >= 0 && NatPmpAnswer(n, response, natDeadline) == 0 &&
                response.type == NATPMP_RESPTYPE_PUBLICADDRESS)
                external = QHostAddress(ntohl(response.pnu.publicaddress.addr.s_addr));
            if (!external.isNull() &&
                sendnewportmappingrequest(&n, NATPMP_PROTOCOL_UDP, port, port, LeaseSeconds) >= 0 &&
                NatPmpAnswer(n, response, natDeadline) == 0 && response.type == NATPMP_RESPTYPE_UDPPORTMAPPING) {
                result.mapped = true;
                result.method = QStringLiteral("NAT-PMP");
                result.publicAddress = external;
                result.publicPort = response.pnu.newportmapping.mappedpublicport;
                lease.method = result.method;
                lease.privatePort = port;
                lease.publicPort = result.publicPort;
            }
            closenatpmp(&n);
        }
    }
#endif
    // Then UPnP IGD, which most home routers speak; its search asks for several kinds of device
    // in turn, each waited for this long.
    int error = 0;
    const int each = std::clamp(MsLeft(deadline) / 5, 100, 500);
    if (UPNPDev* devices = result.mapped ? nullptr : upnpDiscover(each, nullptr, nullptr, 0, 0, 2, &error)) {
        UPNPUrls urls{};
        IGDdatas data{};
        char lan[64] = {};
        const int found = UPNP_GetValidIGD(devices, &urls, &data, lan, sizeof lan);
        if (found == 1 || found == 2) {
            char external[40] = {};
            UPNP_GetExternalIPAddress(urls.controlURL, data.first.servicetype, external);
            const std::string lease3600 = std::to_string(LeaseSeconds);
            int r = UPNP_AddPortMapping(urls.controlURL, data.first.servicetype, portText.c_str(), portText.c_str(),
                                        lan, "Lumivex", "UDP", nullptr, lease3600.c_str());
            if (r == 725) // this router takes permanent mappings only; they are removed at the end
                r = UPNP_AddPortMapping(urls.controlURL, data.first.servicetype, portText.c_str(), portText.c_str(),
                                        lan, "Lumivex", "UDP", nullptr, "0");
            if (r == UPNPCOMMAND_SUCCESS) {
                result.mapped = true;
                result.method = QStringLiteral("UPnP");
                result.publicAddress = QHostAddress(QString::fromLatin1(external));
                result.publicPort = port;
                lease.method = result.method;
                lease.controlUrl = urls.controlURL;
                lease.serviceType = data.first.servicetype;
            }
        }
        FreeUPNPUrls(&urls);
        freeUPNPDevlist(devices);
    }

    if (result.mapped) result.doubleNat = Reserved(result.publicAddress);
    return result;
}

void PortMapper::Remove(const Lease& lease) {
    if (lease.method == QLatin1String("UPnP")) {
        UPNP_DeletePortMapping(lease.controlUrl.c_str(), lease.serviceType.c_str(), lease.port.c_str(), "UDP",
                               nullptr);
    }
#ifdef LUMIVEX_NATPMP
    else if (lease.method == QLatin1String("NAT-PMP")) {
        natpmp_t n;
        if (initnatpmp(&n, 0, 0) != 0) return;
        natpmpresp_t response{};
        // A lifetime of zero removes it.
        if (sendnewportmappingrequest(&n, NATPMP_PROTOCOL_UDP, lease.privatePort, 0, 0) >= 0)
            NatPmpAnswer(n, response, Clock::now() + std::chrono::milliseconds(1000));
        closenatpmp(&n);
    }
#endif
}
