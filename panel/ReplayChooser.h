#pragma once

#include <QDateTime>
#include <QStringList>
#include <optional>

class QWidget;

// Open Replay's list: the kept replays as a player tells matches apart (when, who, how long),
// newest first, with any other file a click away.
namespace replaychooser {

struct Summary {
    QString path;
    QDateTime started; // local time; invalid when the file is no replay
    QStringList players;
    qint64 lengthMs = 0;
};
// What a replay file holds, read whole (a kept replay is a few hundred kilobytes).
Summary Summarise(const QString& path);
// "2 min 05 s"
QString Length(qint64 ms);

// The dialog; the file chosen, or nothing.
std::optional<QString> Choose(QWidget* parent, const QString& folder);

} // namespace replaychooser
