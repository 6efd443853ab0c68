#include "Board.h"

#include <utility>

#include "Convert.h"

namespace {
std::array<Canvas, 8> MakeGauges() {
    auto g = [](int i) { return Canvas(Board::GaugeWidth, Board::GaugeHeight, colours::PlayerDefault[i]); };
    return {g(1), g(2), g(3), g(4), g(5), g(6), g(7), g(8)};
}
} // namespace

Board::Board(QObject* parent)
    : QObject(parent), arena_(DesignArenaWidth, DesignArenaHeight, colours::White), gauges_(MakeGauges()) {
    for (int i = 1; i <= 8; ++i) scores_[i - 1] = {QStringLiteral("0"), colours::PlayerDefault[i]};
    stopGo_ = {QStringLiteral("3"), colours::CountdownIdle};
}

void Board::SetScoreText(int i, const QString& text) {
    if (i < 1 || i > 8 || scores_[i - 1].text == text) return;
    scores_[i - 1].text = text;
    textsDirty_ = true;
}

void Board::SetScoreColor(int i, Colour c) {
    if (i < 1 || i > 8 || scores_[i - 1].color == c) return;
    scores_[i - 1].color = c;
    textsDirty_ = true;
}

void Board::SetStopGoText(const QString& text) {
    if (stopGo_.text == text) return;
    stopGo_.text = text;
    textsDirty_ = true;
}

void Board::SetStopGoColor(Colour c) {
    if (stopGo_.color == c) return;
    stopGo_.color = c;
    textsDirty_ = true;
}

void Board::SetStatus(const QString& text) {
    if (status_ == text) return;
    status_ = text;
    textsDirty_ = true;
}

void Board::SetMarker(const QRect& rect, Colour c) {
    if (marker_.rect == rect && marker_.color == c) return;
    markerDirty_ |= marker_.rect | rect;
    marker_ = {rect, c};
}

void Board::SetBanner(const QStringList& lines) {
    if (banner_ == lines) return;
    banner_ = lines;
    bannerDirty_ = true;
}

void Board::FillGauge(int i, Colour c) {
    Canvas& gauge = gauges_[static_cast<std::size_t>(i - 1)];
    gauge.SetFillStyle(Canvas::FillStyle::Solid);
    gauge.SetFillColor(c);
    gauge.Box(0, 0, gauge.Width(), gauge.Height(), c);
    fuelShown_[static_cast<std::size_t>(i - 1)].reset();
}

void Board::ShowFuel(int i, int fuel, Colour c) {
    auto& shown = fuelShown_[static_cast<std::size_t>(i - 1)];
    // The two boxes cover the whole gauge, so what it shows depends on fuel and colour alone.
    if (shown && shown->fuel == fuel && shown->color == c) return;
    Canvas& gauge = gauges_[static_cast<std::size_t>(i - 1)];
    gauge.SetFillStyle(Canvas::FillStyle::Solid);
    gauge.SetFillColor(c);
    gauge.Box(0, 0, fuel - 1, gauge.Height(), c);
    gauge.SetFillColor(colours::White);
    gauge.Box(fuel, 0, gauge.Width(), gauge.Height(), colours::White);
    shown = Fuel{fuel, c};
}

void Board::TrackOwners(bool on) {
    if (!on) {
        owners_.reset();
        return;
    }
    if (!owners_) owners_.emplace(arena_.Width(), arena_.Height(), 0);
}

void Board::RiderDrawn(int player, int x, int y, int radius) {
    if (player < 1 || player > 8) return;
    heads_[static_cast<std::size_t>(player - 1)] = QPoint(x, y);
    if (!owners_) return;
    // The owners follow the arena: its size, and a fresh start whenever it is cleared.
    if (owners_->Width() != arena_.Width() || owners_->Height() != arena_.Height())
        owners_->Resize(arena_.Width(), arena_.Height());
    if (ownersAtClear_ != arena_.Clears()) {
        ownersAtClear_ = arena_.Clears();
        owners_->Clear();
    }
    owners_->SetFillStyle(Canvas::FillStyle::Solid);
    owners_->SetFillColor(static_cast<Colour>(player));
    owners_->Circle(x, y, radius, static_cast<Colour>(player));
    owners_->TakeDirty(); // nobody paints it
}

void Board::ResizeArena(int width, int height) {
    const QSize before(arena_.Width(), arena_.Height());
    arena_.Resize(width, height);
    if (QSize(arena_.Width(), arena_.Height()) != before) sizeDirty_ = true;
}

void Board::Notify() {
    Changes now;
    bool any = false;
    now.arena = arena_.TakeDirty();
    any |= !now.arena.isEmpty();
    for (std::size_t i = 0; i < 8; ++i) {
        now.gauges[i] = !gauges_[i].TakeDirty().isEmpty();
        any |= now.gauges[i];
    }
    now.marker = std::exchange(markerDirty_, QRect());
    any |= !now.marker.isNull();
    now.banner = std::exchange(bannerDirty_, false);
    now.texts = std::exchange(textsDirty_, false);
    now.arenaSize = std::exchange(sizeDirty_, false);
    any |= now.banner || now.texts || now.arenaSize;
    if (!any) return;
    pending_.arena |= now.arena;
    for (std::size_t i = 0; i < 8; ++i) pending_.gauges[i] = pending_.gauges[i] || now.gauges[i];
    pending_.marker |= now.marker;
    pending_.banner = pending_.banner || now.banner;
    pending_.texts = pending_.texts || now.texts;
    pending_.arenaSize = pending_.arenaSize || now.arenaSize;
    emit changed();
    emit noticed(now);
}

Board::Changes Board::TakeChanges() {
    Changes c = pending_;
    pending_ = Changes{};
    return c;
}

