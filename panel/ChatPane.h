#pragma once

#include "ChatLog.h"

#include <QGroupBox>
#include <vector>

class QLineEdit;
class QTextEdit;

// The panel's chat: what the copies of the match said, names in their colours, and a line to
// say something. A right click on a line offers to mute its name for this run.
class ChatPane : public QGroupBox {
    Q_OBJECT
public:
    ChatPane(ChatLog& chat, QWidget* parent);

    QTextEdit* History() const { return history_; }
    QLineEdit* Line() const { return line_; }

private:
    void Show(const ChatLog::Line& line);
    void Menu(const QPoint& at);

    ChatLog& chat_;
    QTextEdit* history_ = nullptr;
    QLineEdit* line_ = nullptr;
    std::vector<QString> names_; // the name of each line of the history
};
