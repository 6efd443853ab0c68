#pragma once

#include "ReplayFile.h"

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

class MatchControl;
struct MatchState;
class Transport;

// Keeps every match this copy hears: in memory, so its last round can be watched again, and
// as one replay file per match in a folder, of which the newest few are kept. A match's file
// begins with the registrations heard before it, so it shows everyone's names.
class ReplayKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultKeep = 50;
    // After a match ends the host's last Positions still come; then the file is closed.
    static constexpr int TailMs = 3000;
    // The most a match held in memory may weigh (about half an hour of eight riders); past it
    // the match goes on into its file only, and its rounds are not offered to watch again.
    static constexpr qint64 MostHeldBytes = qint64(32) << 20;
    // What holding one record costs beside its datagram's bytes.
    static constexpr qint64 RecordCost = 64;

    // Listens to what the copy hears; made after the copy, so the copy has taken each datagram first.
    ReplayKeeper(const MatchControl& control, const MatchState& state, Transport& net, QObject* parent = nullptr);
    ~ReplayKeeper() override;

    // Where files go, and how many are kept; 0 keeps none (the match is still held in memory).
    void SetFolder(const QString& folder, int keep);
    // $XDG_DATA_HOME/lumivex/replays, or ~/.local/share/lumivex/replays.
    static QString DefaultFolder();
    // The match held now (the last one, once it has ended), from its settings on.
    const std::vector<replay::Record>& Match() const { return records_; }
    // A round of it has ended since it began: there is a round to watch again.
    bool RoundToWatch() const { return decided_ > 0 && held_ <= MostHeldBytes; }
    // The file being written; empty when none.
    QString FileName() const { return fileName_; }
    // A file is still being written (the match's, or one that ended and is being closed).
    bool Writing() const {
        return writer_ ||
               std::any_of(closing_.begin(), closing_.end(), [](const auto& w) { return !w->Done(); });
    }
    // Deletes the oldest replays in the folder so that at most this many remain.
    static void Prune(const QString& folder, int keep);

signals:
    // A problem with the folder or the disk, for the player; said once.
    void note(const QString& text);

private:
    void Heard(const QByteArray& datagram);
    void Begin();
    void End();
    void Append(const QByteArray& datagram);

    const MatchControl& control_;
    const MatchState& state_;
    QString folder_;
    int keep_ = 0;
    bool noted_ = false;
    // Registrations heard, by slot, for the start of the next match's file.
    QMap<int, QByteArray> registers_;
    std::vector<replay::Record> records_;
    qint64 held_ = 0; // what records_ weighs, and what it would had it not stopped at the most
    bool inMatch_ = false;
    bool positionsSeen_ = false;
    int decided_ = 0;
    QElapsedTimer since_;
    std::unique_ptr<replay::Writer> writer_;
    // Files of matches that ended, still writing their last block on their own threads.
    std::vector<std::unique_ptr<replay::Writer>> closing_;
    QString fileName_;
    QTimer tail_;
};
