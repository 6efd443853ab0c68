#pragma once

#include "Gateway.h"
#include "Seal.h"
#include "TokenBucket.h"

// A copy joined to the gateway (the gateway's own files only).
struct Gateway::Remote {
    Endpoint at;
    QByteArray joinerRandom, gatewayRandom;
    seal::Direction in, out;
    QElapsedTimer heard;
    TokenBucket budget;
    RemoteInfo info;
};
