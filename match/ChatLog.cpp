#include "ChatLog.h"

#include "Messages.h"

void ChatLog::Say(const QString& text) {
    const auto [name, colour] = speaker_ ? speaker_() : std::pair<QString, Colour>{};
    SayAs(name, colour, text);
}

void ChatLog::SayAs(const QString& name, Colour colour, const QString& text) {
    const QString clean = wire::CleanChat(text);
    if (clean.isEmpty()) return;
    send_(wire::Chat(name, colour, clean));
}

void ChatLog::Arrived(const Line& line) {
    if (line.text.isEmpty() || IsMuted(line.name)) return;
    lines_.push_back(line);
    if (lines_.size() > Kept) lines_.pop_front();
    emit lineAdded(line);
}

void ChatLog::Notice(const QString& text) {
    Line line;
    line.text = text;
    line.notice = true;
    lines_.push_back(line);
    if (lines_.size() > Kept) lines_.pop_front();
    emit lineAdded(line);
}
