#include "Platform.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#include <psapi.h>

#include <cstdio>

Resident ResidentKiB() {
    PROCESS_MEMORY_COUNTERS_EX c{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&c), sizeof c))
        return {};
    return {static_cast<long>(c.WorkingSetSize / 1024), static_cast<long>(c.PrivateUsage / 1024)};
}

void ReturnFreeMemory() {
    HeapCompact(GetProcessHeap(), 0);
}

void UseParentConsole() {
    // Output already going somewhere (a pipe, a file) stays there.
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
    // What the program prints is UTF-8: help and errors in any language, players' names.
    SetConsoleOutputCP(CP_UTF8);
}
#else
#include <QFile>

#include <malloc.h>

Resident ResidentKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return {};
    const QList<QByteArray> f = statm.readAll().split(' ');
    if (f.size() < 3) return {};
    return {f[1].toLong() * 4, (f[1].toLong() - f[2].toLong()) * 4};
}

void ReturnFreeMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void UseParentConsole() {}
#endif
