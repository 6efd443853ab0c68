#include "PadBench.h"

#include "BenchUtil.h"
#include "InProcessBus.h"
#include "Instance.h"
#include "Messages.h"
#include "frmVyre.h"

#include <SDL.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <random>

namespace padbench {
using benchutil::CpuSeconds;
using benchutil::Line;
using benchutil::Percentile;

namespace {
// A client's window with a virtual pad plugged in, and the time each Steer reached the bus.
struct Rig {
    Rig() : net(bus), in(net, 5), game(in.Window()), ear(bus) {
        net.InitSockets();
        ear.InitSockets();
        in.State().LocalPlayer = 1;
        in.Control().SettingsArrived({}); // a match runs: the pads are read at the riding rate
        in.State().LocalPlayer = 1;
        game.ShowChanges();
        QObject::connect(&ear, &Transport::datagramArrived, &ear, [this](const QByteArray& d) {
            if (d.startsWith("2\x01")) heard = clock.nsecsElapsed();
        });
        clock.start();
    }
    InProcessBus bus;
    BusTransport net;
    Instance in;
    frmVyre game;
    BusTransport ear;
    QElapsedTimer clock;
    qint64 heard = -1;
};
void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

int ButtonToWire(int presses) {
    Rig r;
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                SDL_CONTROLLER_BUTTON_MAX, 0);
    SDL_Joystick* j = SDL_JoystickOpen(index);
    Wait(1200); // picked up by the once-a-second look for new pads
    std::mt19937 random(7);
    std::vector<double> ms;
    int steered = 0, pressed = 0;
    QObject::connect(&r.game.GetPads(), &Pads::steered, [&steered] { ++steered; });
    QObject::connect(&r.game.GetPads(), &Pads::pressed, [&pressed] { ++pressed; });
    for (int i = 0; i < presses; ++i) {
        Wait(5 + int(random() % 20)); // at any phase of the reading
        const auto b = i % 2 ? SDL_CONTROLLER_BUTTON_DPAD_LEFT : SDL_CONTROLLER_BUTTON_DPAD_UP;
        SDL_JoystickSetVirtualButton(
            j, i % 2 ? SDL_CONTROLLER_BUTTON_DPAD_UP : SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0);
        r.heard = -1;
        const qint64 t0 = r.clock.nsecsElapsed();
        SDL_JoystickSetVirtualButton(j, b, 1);
        while (r.heard < 0 && r.clock.nsecsElapsed() - t0 < 1'000'000'000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (r.heard >= 0) ms.push_back((r.heard - t0) / 1e6);
    }
    Line("pad button to Steer on the wire, median", Percentile(ms, 0.5), "ms");
    Line("pad button to Steer on the wire, p99", Percentile(ms, 0.99), "ms");
    Line("presses measured", double(ms.size()), "");
    Line("steered", steered, "");
    Line("pressed", pressed, "");
    SDL_JoystickClose(j);
    SDL_JoystickDetachVirtual(index);
    return 0;
}

int IdleCpu(double seconds) {
    Rig r;
    r.in.Control().ResetAll(); // idle at the panel: no match
    r.game.show();
    Wait(1000);
    double cpu = CpuSeconds();
    Wait(int(seconds * 1000));
    Line("idle with the game window, no pad", 100 * (CpuSeconds() - cpu) / seconds, "% of a core");
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                SDL_CONTROLLER_BUTTON_MAX, 0);
    Wait(1500);
    cpu = CpuSeconds();
    Wait(int(seconds * 1000));
    Line("idle with the game window, one pad", 100 * (CpuSeconds() - cpu) / seconds, "% of a core");
    Line("match running", r.in.Control().MatchRunning(), "");
    SDL_JoystickDetachVirtual(index);
    return 0;
}
} // namespace padbench
