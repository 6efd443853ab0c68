#include "ChatPane.h"

#include "Wording.h"

#include "CharsLeft.h"
#include "Names.h"

#include "Canvas.h"
#include "Messages.h"

#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

ChatPane::ChatPane(ChatLog& chat, QWidget* parent) : QGroupBox(parent), chat_(chat) {
    auto* words = new Wording(this);
    words->Set(static_cast<QGroupBox*>(this), &QGroupBox::setTitle, QT_TR_NOOP("Chat"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    history_ = new QTextEdit(this);
    history_->setReadOnly(true);
    history_->setAcceptRichText(false);
    history_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(history_, &QWidget::customContextMenuRequested, this, &ChatPane::Menu);
    line_ = new QLineEdit(this);
    line_->setMaxLength(wire::MaxChatLength);
    words->Set(line_, &QLineEdit::setPlaceholderText, QT_TR_NOOP("Say something to everyone in the match, then Enter"));
    CountCharsLeft(line_);
    // A dark history, on which every player's colour reads.
    QPalette pal = history_->palette();
    pal.setColor(QPalette::Base, QColor(0x1E, 0x24, 0x30));
    pal.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    history_->setPalette(pal);
    connect(line_, &QLineEdit::returnPressed, this, [this] {
        chat_.Say(line_->text());
        line_->clear();
    });
    layout->addWidget(history_);
    layout->addWidget(line_);
    connect(&chat_, &ChatLog::lineAdded, this, &ChatPane::Show);
}

void ChatPane::Show(const ChatLog::Line& line) {
    QTextCursor c(history_->document());
    c.movePosition(QTextCursor::End);
    if (!names_.empty()) c.insertBlock();
    QTextCharFormat name;
    // Each name in its player's colour; one too dark to read on the history is lightened.
    const QColor colour(Canvas::ToRgb(line.colour));
    name.setForeground(colour.lightness() < 90 ? colour.lighter(250) : colour);
    name.setFontWeight(QFont::Bold);
    // Inserted as text: nothing a peer sends is read as markup or a link.
    if (line.notice) {
        QTextCharFormat notice;
        notice.setFontItalic(true);
        c.insertText(line.text, notice);
    } else {
        c.insertText(line.name.isEmpty() ? QStringLiteral("?") : Isolated(line.name), name);
        c.insertText(QStringLiteral(": ") + line.text, QTextCharFormat());
    }
    names_.push_back(line.name);
    if (names_.size() > ChatLog::Kept) {
        QTextCursor first(history_->document()->firstBlock());
        first.select(QTextCursor::BlockUnderCursor);
        first.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        first.removeSelectedText();
        names_.erase(names_.begin());
    }
    history_->verticalScrollBar()->setValue(history_->verticalScrollBar()->maximum());
}

void ChatPane::Menu(const QPoint& at) {
    const int line = history_->cursorForPosition(at).blockNumber();
    if (line < 0 || line >= static_cast<int>(names_.size())) return;
    const QString name = names_[static_cast<std::size_t>(line)];
    if (name.isEmpty()) return; // a notice of this copy's own, or a nameless line
    QMenu menu(this);
    menu.addAction(tr("Mute %1").arg(Isolated(name)), this, [this, name] { chat_.Mute(name); });
    menu.exec(history_->mapToGlobal(at));
}
