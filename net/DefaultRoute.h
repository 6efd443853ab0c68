#pragma once

// The index of the network interface that carries the default route (as
// QNetworkInterface::index() gives it), or 0 when none is known. Linux reads the kernel's
// routing table; Windows asks for the best interface towards 0.0.0.0.
int DefaultRouteInterface();
