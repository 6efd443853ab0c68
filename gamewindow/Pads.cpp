#include "Pads.h"

#include <SDL.h>

#include <cmath>

namespace {
unsigned DpadBit(SDL_GameControllerButton b) {
    switch (b) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return 1;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return 2;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return 4;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return 8;
    default: return 0;
    }
}
} // namespace

Pads::Pads(QObject* parent) : QObject(parent) {
    // The program ends on its own signals, and pads are read while another window has focus.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    poll_.setTimerType(Qt::PreciseTimer);
    connect(&poll_, &QTimer::timeout, this, &Pads::Poll);
    if (!available_) return;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) Open(i);
    Schedule();
}

Pads::~Pads() {
    if (!available_) return;
    blockSignals(true); // whoever listened may be half gone by now
    for (int pad : open_.keys()) Close(pad);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Pads::Schedule() {
    const int ms = open_.isEmpty() ? IdleMs : riding_ ? PollMs : BetweenMs;
    if (!poll_.isActive() || poll_.interval() != ms) poll_.start(ms);
}

void Pads::Open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    const int id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || open_.contains(id)) return;
    SDL_GameController* c = SDL_GameControllerOpen(deviceIndex);
    if (!c) return;
    open_.insert(id, Pad{c});
    emit added(id);
}

void Pads::Close(int pad) {
    const auto it = open_.find(pad);
    if (it == open_.end()) return;
    SDL_GameControllerClose(static_cast<SDL_GameController*>(it->controller));
    open_.erase(it);
    emit removed(pad);
}

QString Pads::Name(int pad) const {
    const auto it = open_.find(pad);
    if (it == open_.end()) return {};
    const char* name = SDL_GameControllerName(static_cast<SDL_GameController*>(it->controller));
    return name ? QString::fromUtf8(name) : tr("Game controller");
}

void Pads::Rumble(int pad) {
    const auto it = open_.find(pad);
    if (it != open_.end())
        SDL_GameControllerRumble(static_cast<SDL_GameController*>(it->controller), 0xA000, 0xE000, 250);
}

int Pads::StickDirection(int x, int y, bool diagonals) {
    if (std::hypot(double(x), double(y)) < DeadZone) return -1;
    // Angle clockwise from up, in sectors of 90 (or 45) degrees centred on each direction.
    const double a = std::fmod(std::atan2(double(x), double(-y)) * 180 / M_PI + 360, 360);
    if (!diagonals) return int(std::lround(a / 90)) % 4;
    static constexpr int eighths[] = {0, 4, 1, 5, 2, 6, 3, 7}; // up, up-right, right, ...
    return eighths[int(std::lround(a / 45)) % 8];
}

int Pads::DpadDirection(unsigned held) const {
    const int x = int((held & 2) != 0) - int((held & 8) != 0);
    const int y = int((held & 4) != 0) - int((held & 1) != 0);
    if (x == 0 && y == 0) return -1;
    if (x != 0 && y != 0 && !diagonals_) return -1; // two arrows at once mean nothing then
    return StickDirection(x * 32767, y * 32767, diagonals_);
}

void Pads::Poll() {
    if (!available_) return;
    SDL_GameControllerUpdate();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED: Open(e.cdevice.which); break; // a device index here
        case SDL_CONTROLLERDEVICEREMOVED: Close(e.cdevice.which); break;
        case SDL_CONTROLLERBUTTONDOWN: {
            const auto it = open_.find(e.cbutton.which);
            if (it == open_.end()) break;
            const auto b = static_cast<SDL_GameControllerButton>(e.cbutton.button);
            if (const unsigned bit = DpadBit(b)) {
                // As the events come, not as the pad stands now: rolling from one arrow to
                // another within one reading still steers.
                it->held |= bit;
                // Two arrows that make no direction (no diagonals, or opposite ones): the new one counts.
                int d = DpadDirection(it->held);
                if (d < 0) d = DpadDirection(bit);
                if (d >= 0 && d != it->dpad) emit steered(it.key(), d);
                it->dpad = d;
            }
            if (const char* name = SDL_GameControllerGetStringForButton(b))
                emit pressed(it.key(), QString::fromLatin1(name));
            break;
        }
        case SDL_CONTROLLERBUTTONUP: {
            const auto it = open_.find(e.cbutton.which);
            if (it == open_.end()) break;
            it->held &= ~DpadBit(static_cast<SDL_GameControllerButton>(e.cbutton.button));
            it->dpad = DpadDirection(it->held); // letting go steers nowhere, as a key's release does not
            break;
        }
        case SDL_CONTROLLERAXISMOTION: {
            const auto it = open_.find(e.caxis.which);
            if (it == open_.end() ||
                (e.caxis.axis != SDL_CONTROLLER_AXIS_LEFTX && e.caxis.axis != SDL_CONTROLLER_AXIS_LEFTY))
                break;
            auto* c = static_cast<SDL_GameController*>(it->controller);
            const int d = StickDirection(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX),
                                         SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY), diagonals_);
            // Only a new direction steers; back in the dead zone the rider goes on as it went.
            if (d >= 0 && d != it->stick) emit steered(it.key(), d);
            it->stick = d;
            break;
        }
        default: break;
        }
    }
    Schedule();
}

QString Pads::ButtonText(const QString& name) {
    // Worded at each call: the language may have changed since the last.
    static const QMap<QString, const char*> texts{
        {QStringLiteral("a"), QT_TR_NOOP("A")},
        {QStringLiteral("b"), QT_TR_NOOP("B")},
        {QStringLiteral("x"), QT_TR_NOOP("X")},
        {QStringLiteral("y"), QT_TR_NOOP("Y")},
        {QStringLiteral("back"), QT_TR_NOOP("Back")},
        {QStringLiteral("guide"), QT_TR_NOOP("Guide")},
        {QStringLiteral("start"), QT_TR_NOOP("Start")},
        {QStringLiteral("leftstick"), QT_TR_NOOP("Left stick press")},
        {QStringLiteral("rightstick"), QT_TR_NOOP("Right stick press")},
        {QStringLiteral("leftshoulder"), QT_TR_NOOP("Left shoulder")},
        {QStringLiteral("rightshoulder"), QT_TR_NOOP("Right shoulder")},
        {QStringLiteral("dpup"), QT_TR_NOOP("D-pad up")},
        {QStringLiteral("dpdown"), QT_TR_NOOP("D-pad down")},
        {QStringLiteral("dpleft"), QT_TR_NOOP("D-pad left")},
        {QStringLiteral("dpright"), QT_TR_NOOP("D-pad right")},
    };
    const auto it = texts.constFind(name);
    return it == texts.cend() ? name : tr(it.value());
}
