#pragma once

#include <QLabel>
#include <QLineEdit>

// A line with a limit says how much room is left once little is: its last `warn` characters
// are counted down at its right end, so typing never stops without a word.
inline QLabel* CountCharsLeft(QLineEdit* line, int warn = 20) {
    auto* left = new QLabel(line);
    left->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette pal = left->palette();
    pal.setColor(QPalette::WindowText, QColor(0xA0, 0x20, 0x20));
    left->setPalette(pal);
    left->hide();
    auto show = [line, left, warn] {
        const int remaining = line->maxLength() - static_cast<int>(line->text().size());
        left->setVisible(remaining <= warn);
        left->setText(QString::number(remaining));
        const int w = left->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 4;
        left->setGeometry(line->width() - w - 4, 0, w, line->height());
        line->setTextMargins(0, 0, remaining <= warn ? w + 4 : 0, 0);
    };
    QObject::connect(line, &QLineEdit::textChanged, left, show);
    return left;
}
