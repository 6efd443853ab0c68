#pragma once

#include <QString>

// --probe: one roll call, then the answers heard for some seconds, a line each. 0 when
// another copy answered, 1 when none did (with the hint), as a script wants it.
int Probe(double seconds, const QString& interfaceName);
