// What the panel keeps between runs: its options, colours, local seats and keys, through the
// settings file.
#include "frmMain.h"

#include "Language.h"

#include "KeysDialog.h"
#include "NetworkMenu.h"
#include "ReplayKeeper.h"
#include "Settings.h"
#include "TrayIcon.h"
#include "frmVyre.h"

#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QInputDialog>
#include <QPushButton>
#include <QRandomGenerator>

namespace {
const QString KeysSection = QStringLiteral("Keys");
} // namespace

void frmMain::Load() {
    if (settingsFile_.isEmpty()) {
        in_.state.IniFile = DefaultSettingsFile();
        AdoptSettings(in_.state.IniFile, OldSettingsFile());
    } else {
        in_.state.IniFile = settingsFile_;
    }
    settings_.Load(in_.state.IniFile);
    network_->Load();
    InitVariables();
    PopulateControls();
    const auto keep = settings_.ReplaysKept();
    keeper_->SetFolder(ReplayKeeper::DefaultFolder(), keep ? std::clamp(*keep, 0, 100000) : ReplayKeeper::DefaultKeep);
    tmrStart.start();
    tray_->Add();
}

void frmMain::InitVariables() {
    MatchState& s = in_.state;
    s.Delimiter = QString(QChar(1));
    s.WarpOn = False16;
    firstResize_ = true;
    s.LocalPlayer = -1;
    s.NumPlayers = 7;
    s.UserName = settings_.GetMain().name;
    if (!s.UserName.isEmpty()) return;
    s.UserName = GetEnvironmentString(QStringLiteral("USERNAME"));
    if (!s.UserName.isEmpty()) return;
    // Linux keeps the login name in USER.
    s.UserName = GetEnvironmentString(QStringLiteral("USER"));
    if (!s.UserName.isEmpty()) return;
    // From the system's randomness, and from thousands: copies started together would draw
    // the same name from the match's generator (seeded by the clock), and from a hundred
    // numbers two copies on a network meet one name too often.
    s.UserName = QStringLiteral("User") + QString::number(QRandomGenerator::system()->bounded(1, 10000));
}

void frmMain::PopulateControls() {
    const Settings::Main m = settings_.GetMain();
    const std::pair<QComboBox*, int> lists[] = {
        {cboWarp, m.warp},           {cboPlayers, m.players},       {cboThickness, m.thickness},
        {cboSpeed, m.speed},         {cboMatch, m.match},           {cboTeam, m.team},
        {cboTurbo, m.turbo},         {cboSnaptogrid, m.virtualGrid}, {cboComplexity, m.complexity},
        {cboFixedPosition, m.fixedPosition}, {cboDiagonalMotion, m.diagonalMotion}};
    const Settings::Main defaults;
    const int fallback[] = {defaults.warp,       defaults.players, defaults.thickness,  defaults.speed,
                            defaults.match,      defaults.team,    defaults.turbo,      defaults.virtualGrid,
                            defaults.complexity, defaults.fixedPosition, defaults.diagonalMotion};
    for (std::size_t i = 0; i < std::size(lists); ++i) {
        const auto [list, index] = lists[i];
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : fallback[i]);
    }
    txtWidth->setText(m.width);
    txtHeight->setText(m.height);
    SetSwatchColour(txtPointColor, m.pointColor);
    SetSwatchColour(txtGridColor, m.gridColor);
    ApplyBackColor(m.backColor);
    const Settings::View view = settings_.GetView();
    game_.SetView(zoom::ViewSettings::Parse(view.zoom, view.fullscreen));
    game_.SetColours(view.colourBlindSafe ? palette::Colours::ColourBlindSafe : palette::Colours::AsChosen);
    game_.SetNamesAtRiders(view.namesAtRiders);
    // The language chosen under View > Language, else the system's.
    if (const QString want = language::Wanted(view.language); want != language::InUse()) language::Use(want);
    const Settings::Sound sound = settings_.GetSound();
    game_.Sounds().SetVolume(sound.volume.value_or(SoundBoard::DefaultVolume));
    game_.Sounds().SetChatVolume(sound.chatVolume.value_or(SoundBoard::DefaultChatVolume));
    game_.Sounds().SetMuted(sound.muted);
    game_.Keys().Load([this](const QString& entry) { return settings_.Value(KeysSection, entry); });
    game_.ShowKeys();
    if (game_.IsUnloaded() || !game_.isVisible()) game_.Load();
    txtName->setText(in_.state.UserName);
    const int level = settings_.RiderLevel();
    cboLevel->setCurrentIndex(level >= 0 ? level : static_cast<int>(RiderLevel::Normal));
}

void frmMain::SaveSettings(const QString& mode) {
    // A client keeps its name; a host, the match's options too. One write, of what changed.
    Settings::Main m = settings_.GetMain();
    m.name = txtName->text();
    if (mode != QLatin1String("Client")) {
        m.warp = cboWarp->currentIndex();
        m.players = cboPlayers->currentIndex();
        m.thickness = cboThickness->currentIndex();
        m.speed = cboSpeed->currentIndex();
        m.match = cboMatch->currentIndex();
        m.team = cboTeam->currentIndex();
        m.turbo = cboTurbo->currentIndex();
        m.virtualGrid = cboSnaptogrid->currentIndex();
        m.fixedPosition = cboFixedPosition->currentIndex();
        m.complexity = cboComplexity->currentIndex();
        m.diagonalMotion = cboDiagonalMotion->currentIndex();
        m.width = txtWidth->text();
        m.height = txtHeight->text();
    }
    settings_.SetMain(m);
}

void frmMain::PickColour(QLineEdit* swatch) {
    cmdClient->setFocus();
    const QString whose = swatch == txtBackColor   ? tr("Back Color")
                          : swatch == txtGridColor ? tr("Grid Color: the arena's colour")
                                                   : tr("Point Color: your trail's colour");
    const auto chosen = choose_(SwatchColour(swatch), whose);
    if (!chosen) return; // cancelled: nothing changes
    Settings::Main m = settings_.GetMain();
    if (swatch == txtBackColor) {
        ApplyBackColor(*chosen);
        m.backColor = *chosen;
    } else if (swatch == txtGridColor) {
        SetSwatchColour(txtGridColor, *chosen);
        m.gridColor = *chosen;
    } else if (swatch == txtPointColor) {
        SetSwatchColour(txtPointColor, *chosen);
        m.pointColor = *chosen;
    }
    settings_.SetMain(m);
}

std::optional<frmMain::Seat> frmMain::NextSeat() {
    Roster& roster = in_.roster;
    const int seat = roster.FreeSeat();
    if (seat == 0) {
        roster.AddLocalPlayer(QString(), 0); // says why
        return std::nullopt;
    }
    // Seats nobody used may share keys; one that joins must not take another's.
    if (const auto clash = game_.Keys().ClashOf(seat, roster.SeatsInUse() | 1u << seat)) {
        in_.copy.ShowMessage(
            tr("%1 is the key for \"%2\" of %3 and of %4: give one of them another key "
                           "in Settings > Keys first.")
                .arg(keys::ShownName(clash->key), keys::ActionName(clash->holder.action),
                     KeysDialog::SeatName(clash->holder.seat), KeysDialog::SeatName(seat)),
            tr("Add Local Player"), MessageIcon::Warning);
        return std::nullopt;
    }
    const Settings::Seat stored = settings_.GetSeat(seat);
    const QString name = stored.name.isEmpty() ? tr("Player %1").arg(seat + 1) : stored.name;
    return Seat{seat, name, FreeColour(stored.colour.value_or(Roster::DefaultColour(seat + 1)))};
}

QString frmMain::SeatKeys(int seat) const {
    const keys::Bindings& b = game_.Keys();
    QStringList moves;
    for (keys::Action a : {keys::Action::Up, keys::Action::Left, keys::Action::Down, keys::Action::Right})
        moves << b.Describe(seat, a);
    const QString turbo = b.Describe(seat, keys::Action::Turbo);
    return tr("%1 to steer, %2 for turbo").arg(moves.join(QLatin1Char(' ')), turbo.isEmpty() ? tr("no key") : turbo);
}

void frmMain::AddLocalPlayer() {
    const auto next = NextSeat();
    if (!next) return;
    const auto typed = askName_(next->name, next->seat);
    if (!typed || typed->trimmed().isEmpty()) return;
    const auto colour = choose_(next->colour, tr("Colour of %1").arg(typed->trimmed()));
    if (!colour) return;
    settings_.SetSeat(next->seat, typed->trimmed(), *colour);
    in_.roster.AddLocalPlayer(typed->trimmed(), *colour);
}

Colour frmMain::FreeColour(Colour wanted) const {
    // What the roster shows, this player's own colour and the host's are taken.
    QList<Colour> taken{SwatchColour(txtPointColor), in_.state.Players[1].Color};
    for (int slot = 1; slot <= Roster::Slots; ++slot)
        if (!RosterText(slot).isEmpty()) taken << in_.roster.Color(slot);
    if (!taken.contains(wanted)) return wanted;
    for (int i = 1; i <= 8; ++i)
        if (!taken.contains(colours::PlayerDefault[static_cast<std::size_t>(i)]))
            return colours::PlayerDefault[static_cast<std::size_t>(i)];
    return wanted;
}

void frmMain::OpenKeys() {
    KeysDialog dialog(game_.Keys(), game_.HasPads() ? &game_.GetPads() : nullptr, this,
                      in_.roster.SeatsInUse());
    if (dialog.exec() == QDialog::Accepted) ApplyKeys(dialog.Bindings());
}

void frmMain::ApplyKeys(const keys::Bindings& b) {
    game_.Keys() = b;
    game_.ShowKeys();
    settings_.SetSection(KeysSection, b.Entries());
}

void frmMain::ChooseLanguage(const QString& code) {
    Settings::View v = settings_.GetView();
    v.language = code;
    settings_.SetView(v);
    language::Use(language::Wanted(code));
}

void frmMain::FillLanguages(QMenu& menu) {
    menu.clear();
    auto* group = new QActionGroup(&menu);
    const QString chosen = settings_.GetView().language;
    QStringList codes{QString(), QStringLiteral("en")};
    codes << language::Available();
    for (const QString& code : codes) {
        // Each language in its own name, so a player lost in another finds theirs.
        QAction* a = menu.addAction(code.isEmpty() ? tr("System default") : language::OwnName(code == QLatin1String("en") ? QString() : code));
        a->setCheckable(true);
        a->setChecked(code == chosen);
        a->setProperty("ownName", !code.isEmpty()); // never translated
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { ChooseLanguage(code); });
        if (code.isEmpty()) menu.addSeparator();
    }
}
