#pragma once

#include "InProcessBus.h"
#include "Instance.h"
#include "ReplayKeeper.h"
#include "frmMain.h"
#include "frmVyre.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

// A whole copy of the game as a player has it, both windows included, on the in-process bus.
// Its settings and replays live in a folder of its own, so no test reads or writes the
// player's; message boxes are caught rather than shown. Start() loads the panel as the
// program does (after a test has put in any stand-ins it wants).
struct Machine {
    explicit Machine(InProcessBus& bus, std::uint32_t seed = 3, const QByteArray& ini = {})
        : net(bus), in(net, seed), game(in.Window()), panel(in.Window(), game) {
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        qputenv("APPDATA", home.path().toLocal8Bit()); // where the settings live on Windows
        // English, whatever the language of whoever runs the tests, unless a test chooses one.
        qputenv("LC_ALL", "C.UTF-8");
#ifdef Q_OS_WIN
        // No XDG folders on Windows: Qt's test folders stand in, emptied for each copy.
        QStandardPaths::setTestModeEnabled(true);
        QDir(ReplayKeeper::DefaultFolder()).removeRecursively();
#endif
        if (!ini.isEmpty()) {
            QFile f(home.filePath(QStringLiteral("lumivex.ini")));
            if (f.open(QIODevice::WriteOnly)) f.write(ini);
        }
        in.SetMessageBox([this](const QString& text, const QString& title, MessageIcon) {
            boxes << text;
            titled << title + QStringLiteral(": ") + text;
        });
    }
    void Start(bool show = true) {
        panel.Load();
        if (show) panel.show();
    }

    QTemporaryDir home;
    BusTransport net;
    Instance in;
    frmVyre game;
    frmMain panel;
    QStringList boxes;  // the texts of the message boxes shown
    QStringList titled; // the same as "title: text"
};
