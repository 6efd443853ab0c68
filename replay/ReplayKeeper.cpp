#include "ReplayKeeper.h"

#include "MatchControl.h"
#include "MatchState.h"
#include "Decode.h"
#include "Messages.h"
#include "Transport.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

namespace {
using M = wire::Message;
const QString Suffix = QStringLiteral(".lumivex-replay");
} // namespace

ReplayKeeper::ReplayKeeper(const MatchControl& control, const MatchState& state, Transport& net, QObject* parent)
    : QObject(parent), control_(control), state_(state) {
    tail_.setSingleShot(true);
    tail_.setInterval(TailMs);
    connect(&tail_, &QTimer::timeout, this, &ReplayKeeper::End);
    connect(&net, &Transport::datagramArrived, this, &ReplayKeeper::Heard);
    connect(&control, &MatchControl::roundDecided, this, [this] { ++decided_; });
}

ReplayKeeper::~ReplayKeeper() = default; // the writer closes its file whole

QString ReplayKeeper::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lumivex/replays");
}

void ReplayKeeper::SetFolder(const QString& folder, int keep) {
    folder_ = folder;
    keep_ = std::max(0, keep);
}

void ReplayKeeper::Prune(const QString& folder, int keep) {
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files, QDir::Time); // newest first
    for (qsizetype i = std::max(0, keep); i < files.size(); ++i) QFile::remove(files[i].absoluteFilePath());
}

void ReplayKeeper::Heard(const QByteArray& d) {
    // Only what this copy understands is kept: anything else would only weigh.
    const int number = wire::NumberOf(d);
    if (!wire::IsKnown(number)) return;
    const auto kind = static_cast<M>(number);
    if (kind == M::Register) {
        const int slot = wire::SeatOf(wire::Decode(d)).value_or(0);
        if (slot >= 1 && slot <= 7) registers_.insert(slot, d);
    } else if (kind == M::Unregister) {
        registers_.remove(wire::SeatOf(wire::Decode(d)).value_or(0));
    } else if (kind == M::ResetAll) {
        registers_.clear();
    }
    const bool running = control_.MatchRunning();
    // New settings after the match was seen riding: the next match, in a file of its own.
    if (inMatch_ && kind == M::MatchSettings && positionsSeen_ && running) End();
    if (!inMatch_ && running) Begin();
    if (!inMatch_) return;
    Append(d);
    if (kind == M::Positions) positionsSeen_ = true;
    if (!running && !tail_.isActive()) tail_.start();
    if (running) tail_.stop();
}

void ReplayKeeper::Begin() {
    inMatch_ = true;
    positionsSeen_ = false;
    decided_ = 0;
    records_.clear();
    held_ = 0;
    since_.start();
    if (keep_ > 0 && !folder_.isEmpty()) {
        QString why;
        if (!QDir().mkpath(folder_)) {
            why = tr("the folder %1 cannot be made").arg(folder_);
        } else {
            Prune(folder_, keep_ - 1);
            const QString stem = folder_ + QStringLiteral("/lumivex-") +
                                 QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
            fileName_ = stem + Suffix;
            for (int n = 2; QFile::exists(fileName_); ++n)
                fileName_ = stem + QStringLiteral("-%1").arg(n) + Suffix;
            writer_ = replay::Writer::Open(fileName_,
                                           {QDateTime::currentMSecsSinceEpoch(), state_.UserName,
                                            QStringLiteral(LUMIVEX_VERSION)},
                                           &why);
        }
        if (!writer_) {
            fileName_.clear();
            if (!std::exchange(noted_, true))
                emit note(tr("This match is not kept as a replay: %1").arg(why));
        }
    }
    for (auto it = registers_.cbegin(); it != registers_.cend(); ++it) Append(it.value());
}

void ReplayKeeper::Append(const QByteArray& d) {
    const auto ms = static_cast<quint32>(since_.elapsed());
    held_ += d.size() + RecordCost;
    if (held_ <= MostHeldBytes) records_.push_back({ms, d});
    if (writer_) writer_->Append(ms, d);
}

void ReplayKeeper::End() {
    tail_.stop();
    inMatch_ = false;
    // Closed whole on its own thread: a disk's flush never holds up the game.
    std::erase_if(closing_, [](const auto& w) { return w->Done(); });
    if (writer_) {
        writer_->Finish();
        closing_.push_back(std::move(writer_));
    }
    fileName_.clear();
}
