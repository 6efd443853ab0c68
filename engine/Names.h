#pragma once

#include <QString>

// A player's name shown within other text, inside a bidi isolate: a right-to-left name never
// moves the words around it, whatever its letters.
inline QString Isolated(const QString& name) { return QChar(0x2068) + name + QChar(0x2069); }
