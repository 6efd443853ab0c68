#pragma once

#include <QImage>
#include <QString>

// A QR code of `text` (a web address), black on white with the quiet zone around it, each
// module `scale` pixels wide; a null image when the text does not fit in one.
QImage QrCode(const QString& text, int scale);
