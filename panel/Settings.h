#pragma once

#include "Colour.h"
#include "IniFile.h"

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// The settings file, typed: read once when the panel loads, and written once per change, in
// the file's own format. Only what changed is written; every other line keeps its bytes.
// [Main] holds the seventeen keys of old (names, values and order as they always were); the
// newer sections ([View], [Sound], [Keys], [Riders], [Seats], [Tips], [Replays], [Network])
// are written whole or key by key as before.
class Settings {
public:
    // [Main]. The lists hold the index of the chosen line; a value that is no number reads as
    // the list's default (the panel also puts one outside its list back to the default).
    struct Main {
        QString name;
        int warp = 0, players = 0, thickness = 0, speed = 84, match = 6, team = 0, turbo = 1, virtualGrid = 1,
            fixedPosition = 0, complexity = 7, diagonalMotion = 0;
        QString width = QStringLiteral("360"), height = QStringLiteral("295");
        Colour pointColor = 0xFFFFFF, gridColor = 0xFFFFFF, backColor = 0xB0541C;
        bool operator==(const Main&) const = default;
    };
    struct View {
        QString zoom, fullscreen; // as zoom::ViewSettings reads and writes them
        bool colourBlindSafe = false;
        bool namesAtRiders = true;
        QString language; // a translation's code ("de"); empty: the system's language
    };
    struct Sound {
        std::optional<int> volume, chatVolume; // 0 to 100, or none stored
        bool muted = false;
    };
    // A local seat's player as last added (seats 1 to 3).
    struct Seat {
        QString name;
        std::optional<Colour> colour;
    };

    // Reads the whole file; a missing one reads as empty.
    void Load(const QString& file);
    const QString& File() const { return file_; }

    Main GetMain() const;
    // Writes the keys of [Main] whose value differs from the file's, in one write.
    bool SetMain(const Main& m);
    View GetView() const;
    bool SetView(const View& v);
    Sound GetSound() const;
    bool SetSound(int volume, int chatVolume, bool muted);
    Seat GetSeat(int seat) const;
    bool SetSeat(int seat, const QString& name, Colour colour);
    // The computer riders' level (0 Easy, 1 Normal, 2 Hard), kept by its English name whatever
    // language the panel shows it in; -1 when none is kept.
    int RiderLevel() const;
    bool SetRiderLevel(int level);
    // The first-run hint has been followed by a match.
    bool Played() const { return Value(QStringLiteral("Tips"), QStringLiteral("Played")) == QLatin1String("1"); }
    bool SetPlayed();
    // How many replay files are kept, when the file says.
    std::optional<int> ReplaysKept() const;

    // Any value, empty when missing; and the sections kept as lists of entries.
    QString Value(const QString& section, const QString& key) const;
    // Writes those of these entries that differ from the file's, in one write.
    bool Set(const QString& section, const QList<QPair<QString, QString>>& entries);
    // Replaces what the section holds with these entries.
    bool SetSection(const QString& section, const QList<QPair<QString, QString>>& entries);

private:
    QString file_;
    IniValues values_;
};
