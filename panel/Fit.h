#pragma once

class QWidget;

// The panel is laid out by hand, in the places the first Lumivex gave its widgets. Longer
// languages and larger fonts need more room than those places leave: Arrange gives every text
// the room it needs. A label, button or list too narrow for its text widens, and whatever
// stands to its right in the same box moves over by as much; the box widens with it, and so
// on up to `top`, whose fixed size grows. A widget that reached its box's right edge keeps
// reaching it. Every pass starts from the first layout, so a shorter language gives the room
// back; a right-to-left language then mirrors the result.
namespace fit {
void Arrange(QWidget& top, bool rightToLeft);
// A button's property listing the other texts it shows by turns (a QStringList).
inline constexpr char AlsoShows[] = "fitAlsoShows";
} // namespace fit
