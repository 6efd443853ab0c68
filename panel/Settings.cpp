#include "Settings.h"

#include "Convert.h"

namespace {
const QString MainSection = QStringLiteral("Main");
const QString ViewSection = QStringLiteral("View");
const QString SoundSection = QStringLiteral("Sound");
const QString SeatsSection = QStringLiteral("Seats");

QString Bool(bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); }
} // namespace

void Settings::Load(const QString& file) {
    file_ = file;
    values_ = ReadIniFile(file);
}

QString Settings::Value(const QString& section, const QString& key) const {
    return values_.value(section.toLower()).value(key.toLower());
}

bool Settings::Set(const QString& section, const QList<QPair<QString, QString>>& entries) {
    QList<QPair<QString, QString>> changed;
    for (const auto& e : entries)
        if (Value(section, e.first) != e.second) changed << e;
    if (changed.isEmpty()) return true;
    if (!WriteIniStrings(section, changed, file_)) return false;
    auto& held = values_[section.toLower()];
    for (const auto& [key, value] : changed) held[key.toLower()] = value;
    return true;
}

bool Settings::SetSection(const QString& section, const QList<QPair<QString, QString>>& entries) {
    if (!WriteIniSection(section, entries, file_)) return false;
    auto& held = values_[section.toLower()];
    held.clear();
    for (const auto& [key, value] : entries)
        if (!held.contains(key.toLower())) held.insert(key.toLower(), value);
    return true;
}

Settings::Main Settings::GetMain() const {
    Main m;
    auto text = [&](const char* key, const QString& def) {
        const QString v = Value(MainSection, QLatin1String(key));
        return v.isEmpty() ? def : v;
    };
    // A list's stored index as the old panel read it: by the number rules, the default otherwise.
    auto index = [&](const char* key, int& out) {
        if (const auto v = convert::ToInt16(text(key, QString::number(out)))) out = *v;
    };
    auto colour = [&](const char* key, Colour& out) {
        if (const auto v = convert::ToInt32(text(key, QString::number(out)))) out = *v;
    };
    m.name = Value(MainSection, QStringLiteral("Name"));
    index("Warp", m.warp);
    index("Players", m.players);
    index("Thickness", m.thickness);
    index("Speed", m.speed);
    index("Match", m.match);
    index("Team", m.team);
    index("Turbo", m.turbo);
    index("VirtualGrid", m.virtualGrid);
    index("FixedPosition", m.fixedPosition);
    index("Complexity", m.complexity);
    index("DiagonalMotion", m.diagonalMotion);
    m.width = text("Width", m.width);
    m.height = text("Height", m.height);
    colour("PointColor", m.pointColor);
    colour("GridColor", m.gridColor);
    colour("BackColor", m.backColor);
    return m;
}

bool Settings::SetMain(const Main& m) {
    const Main held = GetMain();
    QList<QPair<QString, QString>> entries;
    // Only the values that differ from what the file means: a key the file lacks stays out
    // while its default is kept, and one the file spells otherwise ("084") keeps its spelling.
    auto put = [&](const char* key, const auto& now, const auto& before, const QString& text) {
        if (now != before) entries.append({QLatin1String(key), text});
    };
    put("Name", m.name, held.name, m.name);
    put("Warp", m.warp, held.warp, QString::number(m.warp));
    put("Players", m.players, held.players, QString::number(m.players));
    put("Thickness", m.thickness, held.thickness, QString::number(m.thickness));
    put("Speed", m.speed, held.speed, QString::number(m.speed));
    put("Match", m.match, held.match, QString::number(m.match));
    put("Team", m.team, held.team, QString::number(m.team));
    put("Turbo", m.turbo, held.turbo, QString::number(m.turbo));
    put("VirtualGrid", m.virtualGrid, held.virtualGrid, QString::number(m.virtualGrid));
    put("FixedPosition", m.fixedPosition, held.fixedPosition, QString::number(m.fixedPosition));
    put("Complexity", m.complexity, held.complexity, QString::number(m.complexity));
    put("DiagonalMotion", m.diagonalMotion, held.diagonalMotion, QString::number(m.diagonalMotion));
    put("Width", m.width, held.width, m.width);
    put("Height", m.height, held.height, m.height);
    put("PointColor", m.pointColor, held.pointColor, QString::number(m.pointColor));
    put("GridColor", m.gridColor, held.gridColor, QString::number(m.gridColor));
    put("BackColor", m.backColor, held.backColor, QString::number(m.backColor));
    return Set(MainSection, entries);
}

Settings::View Settings::GetView() const {
    View v;
    v.zoom = Value(ViewSection, QStringLiteral("Zoom"));
    v.fullscreen = Value(ViewSection, QStringLiteral("Fullscreen"));
    v.colourBlindSafe = Value(ViewSection, QStringLiteral("Colours")) == QLatin1String("ColourBlindSafe");
    v.namesAtRiders = Value(ViewSection, QStringLiteral("NamesAtRiders")) != QLatin1String("0");
    v.language = Value(ViewSection, QStringLiteral("Language"));
    return v;
}

bool Settings::SetView(const View& v) {
    return SetSection(ViewSection,
                      {{QStringLiteral("Zoom"), v.zoom},
                       {QStringLiteral("Fullscreen"), v.fullscreen},
                       {QStringLiteral("Colours"), v.colourBlindSafe ? QStringLiteral("ColourBlindSafe") : QStringLiteral("AsChosen")},
                       {QStringLiteral("NamesAtRiders"), Bool(v.namesAtRiders)},
                       {QStringLiteral("Language"), v.language}});
}

Settings::Sound Settings::GetSound() const {
    // What is not understood reads as none stored.
    auto volume = [&](const char* key) -> std::optional<int> {
        bool ok = false;
        const int v = Value(SoundSection, QLatin1String(key)).toInt(&ok);
        return ok && v >= 0 && v <= 100 ? std::optional<int>(v) : std::nullopt;
    };
    return {volume("Volume"), volume("ChatVolume"), Value(SoundSection, QStringLiteral("Mute")) == QLatin1String("1")};
}

bool Settings::SetSound(int volume, int chatVolume, bool muted) {
    return SetSection(SoundSection, {{QStringLiteral("Volume"), QString::number(volume)},
                                     {QStringLiteral("ChatVolume"), QString::number(chatVolume)},
                                     {QStringLiteral("Mute"), Bool(muted)}});
}

Settings::Seat Settings::GetSeat(int seat) const {
    Seat s;
    s.name = Value(SeatsSection, QStringLiteral("Name%1").arg(seat + 1));
    s.colour = convert::ToInt32(Value(SeatsSection, QStringLiteral("Color%1").arg(seat + 1)));
    return s;
}

bool Settings::SetSeat(int seat, const QString& name, Colour colour) {
    return Set(SeatsSection, {{QStringLiteral("Name%1").arg(seat + 1), name},
                              {QStringLiteral("Color%1").arg(seat + 1), QString::number(colour)}});
}

namespace {
const QStringList LevelKeys = {QStringLiteral("Easy"), QStringLiteral("Normal"), QStringLiteral("Hard")};
} // namespace

int Settings::RiderLevel() const {
    return static_cast<int>(LevelKeys.indexOf(Value(QStringLiteral("Riders"), QStringLiteral("Level"))));
}

bool Settings::SetRiderLevel(int level) {
    if (level < 0 || level >= LevelKeys.size()) return false;
    return Set(QStringLiteral("Riders"), {{QStringLiteral("Level"), LevelKeys[level]}});
}

bool Settings::SetPlayed() { return SetSection(QStringLiteral("Tips"), {{QStringLiteral("Played"), QStringLiteral("1")}}); }

std::optional<int> Settings::ReplaysKept() const {
    bool ok = false;
    const int keep = Value(QStringLiteral("Replays"), QStringLiteral("Keep")).toInt(&ok);
    return ok ? std::optional<int>(keep) : std::nullopt;
}
