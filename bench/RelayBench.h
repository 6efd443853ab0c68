#pragma once

// The relay's figures (tools/relay-bench.sh runs these pinned to cores, in a private network):
//   relayload HOST:PORT ROOMS SECONDS [PID]   rooms of a gateway and 7 members at Speed-85
//                                             rates through a running relay; PID's CPU is read
//   forwardload HOST:PORT ROOMS SECONDS [PID] the same load through the minimal forwarder
//   forwarder PORT                            a minimal forwarder: one socket, recvmmsg and
//                                             sendmmsg, the same one-to-one paths, no rooms,
//                                             no proofs, no limits
//   relaymemory ROOMS                         the relay's bookkeeping for that many rooms
//   relaylist GAMES                           the public list: memory a listed game costs, and
//                                             the bytes and datagrams of reading it whole
namespace relaybench {
int Load(int argc, char** argv, bool throughRelay);
int Forwarder(int argc, char** argv);
int Memory(int argc, char** argv);
int List(int argc, char** argv);
} // namespace relaybench
