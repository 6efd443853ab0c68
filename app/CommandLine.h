#pragma once

#include "OnlineLink.h"
#include "Relay.h"
#include "RelayWire.h"
#include "RiderBrain.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

// What the command line asks of this run.
struct Options {
    int demo = 0;   // players of a demo match, 0 for none
    int riders = 0; // computer riders to add at start-up
    bool roundLog = false;
    bool quitWhenShown = false;
    bool registerAtStart = false; // press Client Registration once the roll call is answered
    bool quitWhenRosterFull = false;
    QString interfaceName; // for this run, over the saved choice
    bool interfaceSet = false;
    QString config;
    double probe = -1;    // seconds, when probing
    bool open = false;    // open this LAN's game online
    quint16 openPort = 0; // 0: the one kept in the settings
    std::optional<OnlineLink> join;
    int demoDelayMs = 0;
    RiderLevel demoLevel = RiderLevel::Hard;
    bool relay = false; // run as a relay server, with no windows
    quint16 relayPort = relaywire::DefaultPort;
    Relay::Limits relayLimits;
    std::optional<QString> relayServer; // for --open: the relay to keep a room at
    QString publicName;                 // for --open: list the game publicly under this name
    // --list-games: print the public games of this relay
    struct ListAt {
        QString host;
        quint16 port = relaywire::DefaultPort;
    };
    std::optional<ListAt> listGames;
    bool portMapping = true;
    bool web = false;    // let browsers join
    quint16 webPort = 0; // 0: the one kept in the settings
    QString record; // keep what this copy hears in this replay file
    QString replay;      // play this replay file, and nothing else
    QString replayCheck; // play it through with no window and print its rounds
};

// The command line, and what the program says on the terminal before any window opens, in the
// language of the system.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    // Reads the command line; an exit code when the program should end at once (after --help,
    // --version, or one line on what is wrong).
    static std::optional<int> Parse(int argc, char* argv[], Options& o);
};

// A link's key is the game's secret: once read, it is blanked in the program's own copy of
// its arguments, which other users of this computer can read in the process list. (Windows
// keeps a copy of its own there: `--join -` keeps it private.)
void HideLinkKeys(int argc, char* argv[]);
