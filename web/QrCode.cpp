#include "QrCode.h"

#include <qrencode.h>

#include <memory>

QImage QrCode(const QString& text, int scale) {
    const QByteArray bytes = text.toUtf8();
    // Error correction M survives a phone held at an angle to a screen's glare.
    const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), QRcode_free);
    if (!code || scale < 1) return {};
    constexpr int Quiet = 4; // modules of white around the code, as readers expect
    const int side = (code->width + 2 * Quiet) * scale;
    QImage img(side, side, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                for (int dy = 0; dy < scale; ++dy) {
                    auto* line = reinterpret_cast<QRgb*>(img.scanLine((y + Quiet) * scale + dy));
                    for (int dx = 0; dx < scale; ++dx) line[(x + Quiet) * scale + dx] = qRgb(0, 0, 0);
                }
    return img;
}
