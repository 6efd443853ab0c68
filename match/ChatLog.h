#pragma once

#include "MatchState.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <deque>
#include <functional>
#include <utility>

// What the copies of a match say to each other: lines sent with the Chat message, heard from
// the group (our own included, as everything), kept for the panel's history and the arena's
// overlay. Plain text only; names muted on this copy are not shown for the rest of the run.
class ChatLog : public QObject {
    Q_OBJECT
public:
    struct Line {
        QString name;
        Colour colour = colours::White;
        QString text;
        bool notice = false; // this copy's own news, not a player's words; never sent
    };
    static constexpr std::size_t Kept = 200; // lines of history

    using SendFn = std::function<void(const QByteArray&)>;
    // Who speaks from this copy: the name and colour the panel shows now.
    using SpeakerFn = std::function<std::pair<QString, Colour>()>;
    explicit ChatLog(SendFn send, QObject* parent = nullptr) : QObject(parent), send_(std::move(send)) {}

    void SetSpeaker(SpeakerFn speaker) { speaker_ = std::move(speaker); }
    // Sends a line as this copy's player; nothing for a line that is empty once cleaned.
    void Say(const QString& text);
    // The same for another player of this copy (a browser's).
    void SayAs(const QString& name, Colour colour, const QString& text);
    // A line heard, its fields cleaned already.
    void Arrived(const Line& line);
    // A line of this copy's own (the host removed a player, say), kept with the history.
    void Notice(const QString& text);
    void Mute(const QString& name) { muted_.insert(name); }
    bool IsMuted(const QString& name) const { return muted_.contains(name); }
    const std::deque<Line>& Lines() const { return lines_; }

signals:
    void lineAdded(const ChatLog::Line& line);

private:
    SendFn send_;
    SpeakerFn speaker_;
    std::deque<Line> lines_;
    QSet<QString> muted_;
};
