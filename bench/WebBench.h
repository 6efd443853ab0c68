#pragma once

// What a browser seat costs the copy that lends it:
//   webframes   the round-start picture (bytes, time to pack) at 360 x 295 and 1500 x 1500,
//               and the pieces of a round of 8 riders, packed once a tick and once a frame
namespace webbench {
int Frames();
} // namespace webbench
