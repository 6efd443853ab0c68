#include "WebFrames.h"

#include "Board.h"
#include "MatchState.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <zlib.h>

namespace webframe {
namespace {
void Put16(QByteArray& out, int v) {
    const quint16 le = qToLittleEndian(static_cast<quint16>(v));
    out.append(reinterpret_cast<const char*>(&le), 2);
}
} // namespace

QString Hex(Colour c) {
    // Colours are 0x00BBGGRR.
    return QStringLiteral("#%1%2%3")
        .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

QByteArray Patches(const QImage& arena, const QRegion& changed, quint8 flags) {
    const QRect bounds = arena.rect();
    QList<QRect> rects;
    if (flags & (Resized | Whole)) {
        rects = {bounds};
    } else {
        for (const QRect& r : changed) rects << (r & bounds);
        if (rects.size() > MostRects) rects = {changed.boundingRect() & bounds};
        rects.removeIf([](const QRect& r) { return r.isEmpty(); });
    }
    QByteArray out;
    out.reserve(10 + 8 * rects.size());
    out.append(Kind);
    out.append(static_cast<char>(flags));
    Put16(out, arena.width());
    Put16(out, arena.height());
    Put16(out, static_cast<int>(rects.size()));
    qsizetype pixels = 0;
    for (const QRect& r : rects) {
        Put16(out, r.x());
        Put16(out, r.y());
        Put16(out, r.width());
        Put16(out, r.height());
        pixels += qsizetype(r.width()) * r.height();
    }
    QByteArray rgb(pixels * 3, Qt::Uninitialized);
    auto* p = reinterpret_cast<uchar*>(rgb.data());
    for (const QRect& r : rects) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(arena.constScanLine(y));
            for (int x = r.left(); x <= r.right(); ++x) {
                *p++ = static_cast<uchar>(qRed(line[x]));
                *p++ = static_cast<uchar>(qGreen(line[x]));
                *p++ = static_cast<uchar>(qBlue(line[x]));
            }
        }
    }
    // A few pieces go as they are: packing them saves a few hundred bytes, and unpacking costs
    // the page a trip through its decompression stream, which is what a frame waits on.
    if (rgb.size() <= MostRawBytes) {
        out[1] = static_cast<char>(flags | Raw);
        out += rgb;
        return out;
    }
    uLongf packed = compressBound(static_cast<uLong>(rgb.size()));
    const qsizetype head = out.size();
    out.resize(head + static_cast<qsizetype>(packed));
    if (compress2(reinterpret_cast<Bytef*>(out.data() + head), &packed, reinterpret_cast<const Bytef*>(rgb.constData()),
                  static_cast<uLong>(rgb.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        return {};
    out.resize(head + static_cast<qsizetype>(packed));
    return out;
}

std::pair<int, Colour> GaugeFill(const Canvas& gauge) {
    const QImage& img = gauge.Image();
    if (img.isNull()) return {0, colours::White};
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(img.height() / 2));
    const QRgb white = qRgb(255, 255, 255);
    int filled = 0;
    while (filled < img.width() && (line[filled] & 0xFFFFFF) != (white & 0xFFFFFF)) ++filled;
    const QRgb first = line[0];
    return {filled, static_cast<Colour>(qRed(first) | (qGreen(first) << 8) | (qBlue(first) << 16))};
}

QByteArray State(const Board& board, const MatchState& s, const Seat& seat) {
    QJsonArray riders;
    for (int i = 1; i <= 8; ++i) {
        const bool rides = i <= s.PlayerCount() && (seat.running || !s.Players[i].Name.isEmpty());
        if (!rides) continue;
        const auto [filled, colour] = GaugeFill(board.Gauge(i));
        riders.append(QJsonObject{{QStringLiteral("p"), i},
                                  {QStringLiteral("score"), board.Score(i).text},
                                  {QStringLiteral("colour"), Hex(board.Score(i).color)},
                                  {QStringLiteral("name"), s.Players[i].Name},
                                  {QStringLiteral("fuel"), double(filled) / Board::GaugeWidth},
                                  {QStringLiteral("gauge"), Hex(colour)}});
    }
    return QJsonDocument(
               QJsonObject{{QStringLiteral("t"), QStringLiteral("state")},
                           {QStringLiteral("riders"), riders},
                           {QStringLiteral("stop"), board.StopGo().text},
                           {QStringLiteral("stopColour"), Hex(board.StopGo().color)},
                           {QStringLiteral("status"), board.Status()},
                           {QStringLiteral("banner"), QJsonArray::fromStringList(board.Banner())},
                           {QStringLiteral("player"), seat.slot >= 0 ? seat.slot + 1 : 0},
                           {QStringLiteral("running"), seat.running},
                           {QStringLiteral("diagonal"), s.DiagonalMotion != 0},
                           {QStringLiteral("turbo"), s.TurboOn != 0}})
        .toJson(QJsonDocument::Compact);
}
} // namespace webframe
