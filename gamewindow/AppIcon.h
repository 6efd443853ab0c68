#pragma once

#include <QIcon>
#include <QImage>

// Lumivex's icon: two riders' trails turning on a dark arena. Drawn in code, so the windows,
// the tray and the installed PNG files all show the same picture.
namespace AppIcon {
QImage Draw(int size);
QIcon Icon();
} // namespace AppIcon
